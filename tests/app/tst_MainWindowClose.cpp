#include "app/TfrmMain.h"
#include "binding/TvDedicatedWindow.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
#include "catalog/TvMenuTree.h"
#include "configform/TConfigForm.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"
#include "support/PumpUntil.h"
#include "support/SlowLink.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The main window without its front panel: the test watches the switch's log, not the LEDs.
class QuietMain : public TfrmMain {
public:
    using TfrmMain::OpenRecipeWindow;

protected:
    void BuildFrontPanel() override {}
    void ReadRmonState() override {}
};

} // namespace

// Closing the main window while a window it opened waits for a slow switch: the window closes at once,
// its exchange given up, the program ends and nothing more reaches the switch.
class TestMainWindowClose : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    std::unique_ptr<SimSwitch> sim_;
    QStringList boxes_;

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(root_.path() + "/suite"));
        QVERIFY(QDir::setCurrent(root_.path()));
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return QMessageBox::Yes;
        });
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start(SlowLink::AgentOptions()), sim_->Error().c_str());
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void ClosesItsWindowsAtOnce_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("dedicated window") << "TSSLManagementForm";
        QTest::newRow("counter window") << "TIF_Counters";
        QTest::newRow("generic window") << "SNTP1";
    }
    void ClosesItsWindowsAtOnce() {
        QFETCH(QString, target);
        QuietMain main;
        main.SetProgramFile((root_.path() + "/suite/qtr5190mx").toStdString());
        QVERIFY(main.FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm"}));
        gSNMPDevice.Port = sim_->Port();
        gSNMPTimeout = 100;
        main.show();
        boxes_.clear();

        // The window opens beside the main window; once its first read is on its way, the main window
        // closes.
        if (const TvWindowRecipe* recipe = TvCatalog::FindRecipe(target.toStdString())) {
            main.OpenRecipeWindow(*recipe);
        } else {
            const TvWindowRegistry::Opener* open = TvWindowRegistry::Find(target.toStdString());
            QVERIFY(open);
            TvMenuNode entry;
            (*open)(main, entry);
        }
        const std::vector<QWidget*> open = TvOpenWindows::All();
        QCOMPARE(open.size(), size_t(1));
        QPointer<QDialog> window = qobject_cast<QDialog*>(open.front());
        QVERIFY(window);
        auto waiting = [&] {
            auto* dedicated = qobject_cast<TvDedicatedWindow*>(window.data());
            auto* form = qobject_cast<TConfigForm*>(window.data());
            return (dedicated && dedicated->Waiting()) ||
                   (form && form->Binding(0) && form->Binding(0)->Busy);
        };
        const bool sawWaiting = PumpUntil(waiting);
        (void)sim_->AwaitMarker();
        // Closing gives the read up rather than waiting for it: no message loop runs inside close (a zero
        // timer does not fire) and nothing is left in flight once it returns.
        bool loopRan = false;
        QTimer::singleShot(0, &main, [&] { loopRan = true; });
        const bool closedInside = main.close();
        QVERIFY(!loopRan);
        QCOMPARE(TvSNMPEngine::Instance()->OutstandingCount(), size_t(0));
        QVERIFY(!window || !window->isVisible());
        QVERIFY(sim_->AwaitMarker());
        const size_t mark = sim_->Log().size();
        QVERIFY(sawWaiting);
        QVERIFY(closedInside);
        QVERIFY(!main.isVisible());
        QCOMPARE(boxes_, QStringList{"Exit: Are you sure to exit?"});
        QVERIFY(SlowLink::NothingAfter(*sim_, mark));
        QVERIFY(PumpUntil([&] { return window.isNull(); })); // and gone from memory
    }
};

QTEST_MAIN(TestMainWindowClose)
#include "tst_MainWindowClose.moc"
