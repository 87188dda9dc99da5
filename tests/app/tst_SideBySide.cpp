// Windows side by side: each window opened from the menu is one of its own, reads and writes without
// waiting for the others, and the program as a whole keeps a bound on what is in flight to the switch.
// Against the simulated switch on a slow link, with the front panel polling.

#include "app/TfrmMain.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TListViewPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <memory>

namespace {

class SideMain : public TfrmMain {
public:
    using TfrmMain::OpenRecipeWindow;
    int rmonReads = 0;

protected:
    void ReadRmonState() override {
        ++rmonReads;
        TfrmMain::ReadRmonState();
    }
};

// The most replies the switch held back at once after `from`: the exchanges the program had in flight.
int MostHeld(const std::string& log, size_t from) {
    int most = 0;
    for (const QString& line : QString::fromStdString(log.substr(from)).split('\n'))
        if (line.startsWith("HELD"))
            most = std::max(most, line.section(' ', 1, 1, QString::SectionSkipEmpty).toInt());
    return most;
}

// Index of the last request line of the log after `from` that asks under `prefix`; -1 when none.
qsizetype LastUnder(const QStringList& lines, const QString& prefix) {
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        if (!lines[i].startsWith("SET") && lines[i].section(' ', -1).startsWith(prefix))
            return i;
    return -1;
}

bool Read(const TConfigForm* form) {
    const TvSNMPRequest2Edits* b = form ? form->Binding(0) : nullptr;
    return b && !b->Busy && b->ReceivedCount > 0;
}

QStringList Cells(const TConfigForm* form, int column) {
    auto* panel = qobject_cast<TSNMPListViewPanel*>(form->Panel(0));
    return panel ? WindowTest::Column(panel->ListViewPanel->ListView, column) : QStringList();
}

} // namespace

class TestSideBySide : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    std::unique_ptr<SimSwitch> sim_;
    std::unique_ptr<SideMain> main_;
    QStringList boxes_;

    const TvWindowRecipe& Recipe(const char* name) {
        const TvWindowRecipe* recipe = TvCatalog::FindRecipe(name);
        if (!recipe)
            qFatal("no recipe %s", name);
        return *recipe;
    }
    // Opens a recipe's window and returns it (the newest window).
    TConfigForm* Open(const char* name) {
        main_->OpenRecipeWindow(Recipe(name));
        const std::vector<QWidget*> open = TvOpenWindows::All();
        return open.empty() ? nullptr : qobject_cast<TConfigForm*>(open.back());
    }
    static void CloseAll() {
        for (QWidget* w : TvOpenWindows::All())
            w->close();
        (void)PumpUntil([] { return TvOpenWindows::All().empty() && TvOpenWindows::ClosedCount() == 0; });
    }

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
        QVERIFY2(sim_->Start({"--log", "--delay", "50", "--log-held", "--led-period", "0.5"}),
                 sim_->Error().c_str());
    }
    void init() {
        main_ = std::make_unique<SideMain>();
        main_->SetProgramFile((root_.path() + "/suite/qtr5190mx").toStdString());
        const std::string port = std::to_string(sim_->Port());
        QVERIFY(main_->FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm", "/t" + port}));
        gSNMPDevice.Port = sim_->Port();
        gSNMPTimeout = 200;
        main_->show();
        boxes_.clear();
    }
    void cleanup() {
        CloseAll();
        main_.reset();
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    // Two table windows read at once while the front panel polls: both complete, with the rows each
    // reads alone; the main window stays live meanwhile; never more than the bound in flight.
    void TwoTablesReadAtOnce() {
        QStringList aloneIf, aloneIfX;
        for (const char* name : {"MIB2IFTable", "IFXTable1"}) {
            TConfigForm* form = Open(name);
            QVERIFY(form);
            QVERIFY(PumpUntil([&] { return Read(form); }));
            (std::string(name) == "MIB2IFTable" ? aloneIf : aloneIfX) = Cells(form, 1);
            form->close();
        }
        QVERIFY(!aloneIf.isEmpty() && !aloneIfX.isEmpty());
        CloseAll();

        const size_t from = sim_->Log().size();
        QPointer<TConfigForm> ifTable = Open("MIB2IFTable");
        QPointer<TConfigForm> ifxTable = Open("IFXTable1");
        QVERIFY(ifTable && ifxTable && ifTable != ifxTable);
        QVERIFY(ifTable->isVisible() && ifxTable->isVisible());
        QCOMPARE(ifTable->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        bool together = false;
        QVERIFY(PumpUntil([&] {
            together |= ifTable->Binding(0)->Busy && ifxTable->Binding(0)->Busy;
            return Read(ifTable) && Read(ifxTable);
        }));
        QVERIFY(together);
        QCOMPARE(Cells(ifTable, 1), aloneIf);
        QCOMPARE(Cells(ifxTable, 1), aloneIfX);
        QVERIFY(main_->FrontPanel() && main_->isEnabled());
        QVERIFY(sim_->AwaitMarker());
        const int most = MostHeld(sim_->Log(), from);
        QVERIFY2(most >= 2 && most <= static_cast<int>(TvSNMPEngine::kDefaultMaxInFlight),
                 qPrintable(QString::number(most)));
    }

    // A write in one window while another walks a table: the write reaches the switch before that walk
    // ends.
    void WriteWhileAnotherReads() {
        TConfigForm* sntp = Open("SNTP1");
        QVERIFY(sntp);
        QVERIFY(PumpUntil([&] {
            return sntp->Binding(0) && !sntp->Binding(0)->Busy && sntp->Binding(0)->ReceivedCount > 0;
        }));
        TSNMPEditorPanel* editor = qobject_cast<TSNMPEditorPanel*>(sntp->Panel(0));
        QVERIFY(editor);
        TEditsPanel* rows = editor->EditsPanel;
        QCOMPARE(rows->Row(4).Label->text(), QString("Poll Interval"));
        rows->Row(4).Check->click();
        rows->Row(4).Edit()->setText("45");

        const size_t from = sim_->Log().size();
        TConfigForm* ifTable = Open("MIB2IFTable");
        QVERIFY(ifTable);
        QVERIFY(PumpUntil([&] { return ifTable->Binding(0)->Busy; }));
        editor->Buttons->SetCheckedButton->click();
        QVERIFY(PumpUntil([&] { return Read(ifTable); }));
        QVERIFY(sim_->AwaitMarker());
        const QStringList lines = QString::fromStdString(sim_->Log().substr(from)).split('\n');
        const qsizetype write = lines.indexOf(QRegularExpression("^SET .*"));
        QVERIFY2(write >= 0, qPrintable(lines.join('\n')));
        QVERIFY2(write < LastUnder(lines, ".1.3.6.1.2.1.2.2.1"), qPrintable(lines.join('\n')));
        QVERIFY(ifTable->Binding(0)->ReceivedCount > 0);
    }

    // Choosing an entry whose window is open raises that window; a dedicated window's entry too.
    void SameEntryRaisesOneWindow() {
        TConfigForm* first = Open("IFXTable1");
        QVERIFY(first);
        main_->OpenRecipeWindow(Recipe("IFXTable1"));
        QCOMPARE(TvOpenWindows::All().size(), size_t(1));
        TvMenuNode entry;
        entry.Target = "TSSLManagementForm";
        const TvWindowRegistry::Opener* open = TvWindowRegistry::Find(entry.Target);
        QVERIFY(open);
        (*open)(*main_, entry);
        (*open)(*main_, entry);
        const std::vector<QWidget*> windows = TvOpenWindows::All();
        QCOMPARE(windows.size(), size_t(2));

        // The Window menu lists them by caption; a choice raises one.
        auto* menu = main_->findChild<QMenu*>("WindowMenu");
        QVERIFY(menu);
        emit menu->aboutToShow();
        QStringList listed;
        for (const QAction* a : menu->actions())
            listed << a->text();
        QCOMPARE(listed, (QStringList{windows[0]->windowTitle(), windows[1]->windowTitle()}));
        main_->activateWindow();
        menu->actions().first()->trigger();
        QVERIFY(QTest::qWaitForWindowActive(windows[0]));
        for (QWidget* w : windows)
            w->close();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 1);
        QVERIFY(!menu->actions().first()->isEnabled());
    }

    // Exit with windows open, one holding a value not sent: one question names that window and value;
    // then no window is left, nothing is in flight, and nothing was written. The RMON state window, which
    // reads the state again as it closes, does not when the program ends.
    void ExitAsksOnceAndClosesEveryWindow() {
        TConfigForm* sntp = Open("SNTP1");
        QVERIFY(sntp);
        QVERIFY(PumpUntil([&] { return Read(sntp); }));
        TEditsPanel* rows = qobject_cast<TSNMPEditorPanel*>(sntp->Panel(0))->EditsPanel;
        QLineEdit* edit = rows->Row(4).Edit();
        edit->selectAll();
        QTest::keyClicks(edit, "45");
        QPointer<TConfigForm> ifTable = Open("MIB2IFTable");
        TvMenuNode entry;
        entry.Target = "TSSLManagementForm";
        (*TvWindowRegistry::Find(entry.Target))(*main_, entry);
        QVERIFY(Open("S1"));
        const std::vector<QWidget*> open = TvOpenWindows::All();
        QCOMPARE(open.size(), size_t(4));
        const int rmonReads = main_->rmonReads;
        std::vector<QPointer<QWidget>> watch(open.begin(), open.end());
        QVERIFY(ifTable && PumpUntil([&] { return ifTable->Binding(0)->Busy; }));

        const size_t from = sim_->Log().size();
        QVERIFY(main_->close());
        QCOMPARE(boxes_, QStringList{"Exit: These windows hold values changed and not sent:\n" +
                                     sntp->windowTitle() + ": Poll Interval\n\nExit and discard them?"});
        QVERIFY(TvOpenWindows::All().empty());
        QVERIFY(PumpUntil([&] {
            return std::all_of(watch.begin(), watch.end(),
                               [](const QPointer<QWidget>& w) { return w.isNull(); });
        }));
        QCOMPARE(TvSNMPEngine::Instance()->OutstandingCount(), size_t(0));
        QCOMPARE(main_->rmonReads, rmonReads);
        QVERIFY(sim_->AwaitMarker());
        QVERIFY(!QString::fromStdString(sim_->Log().substr(from)).contains("SET"));
    }
};

QTEST_MAIN(TestSideBySide)
#include "tst_SideBySide.moc"
