#include "app/TfrmMain.h"
#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "windows/TfrmConfigSNMP.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// The main window without its network work: the question flow is what is under test.
class QuietMain : public TfrmMain {
protected:
    void BuildFrontPanel() override {}
    void ReadRmonState() override {}
    void ReleaseFrontPanel() override {}
};

const QString kQuestion = "Confirm: SNMP Version has been modified!\r\nIf you want to run the module in new "
                          "version,please rerun it again.\r\n\nSwitch to new version?";
const QString kExit = "Exit: Are you sure to exit?";

} // namespace

class TestSnmpConfigure : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QStringList boxes_;
    QList<QMessageBox::StandardButton> answers_;

    QString Folder() const { return root_.path() + "/tarvo_ems/QTR5190MX"; }

    // Opens "SNMP Configure" from the menu of a standalone main window running SNMPv1; `operate` acts on
    // the dialog while it is shown.
    std::unique_ptr<QuietMain> RunDialog(const std::function<void(TfrmConfigSNMP&)>& operate) {
        auto w = std::make_unique<QuietMain>();
        w->SetProgramFile((Folder() + "/qtr5190mx").toStdString());
        if (!w->FormCreate({"/I127.0.0.1", "/v0"}))
            return nullptr;
        w->show();
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TfrmConfigSNMP*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            operate(*dialog);
        });
        QAction* entry = w->MenuEntry("SNMP Configure");
        if (!entry || !entry->isEnabled() || !entry->isVisible())
            return nullptr;
        entry->trigger();
        return seen ? std::move(w) : nullptr;
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(Folder()));
        QVERIFY(QDir::setCurrent(root_.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root_.path() + "/etc");
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return answers_.isEmpty() ? QMessageBox::No : answers_.takeFirst();
        });
    }
    void init() {
        boxes_.clear();
        answers_.clear();
        QFile::remove(Folder() + "/127.0.0.1.cfg");
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void unchangedVersionAsksNothing() {
        auto w = RunDialog([](TfrmConfigSNMP& d) { d.btnOk->click(); });
        QVERIFY(w);
        QVERIFY(boxes_.isEmpty());
        QVERIFY(w->isVisible());
        QVERIFY(QFile::exists(Folder() + "/127.0.0.1.cfg"));
    }

    void exitAsksNothing() {
        auto w = RunDialog([](TfrmConfigSNMP& d) {
            d.rgpSNMPVersion->SetItemIndex(1);
            d.btnExit->click();
        });
        QVERIFY(w);
        QVERIFY(boxes_.isEmpty());
        QVERIFY(!QFile::exists(Folder() + "/127.0.0.1.cfg"));
    }

    void questionAndAnswers_data() {
        QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("running");
        QTest::newRow("No keeps running")
            << QList<QMessageBox::StandardButton>{QMessageBox::No} << QStringList{kQuestion} << true;
        QTest::newRow("Yes, then No to the exit question")
            << QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}
            << QStringList{kQuestion, kExit} << true;
        QTest::newRow("Yes, then Yes ends the program")
            << QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::Yes}
            << QStringList{kQuestion, kExit} << false;
    }
    void questionAndAnswers() {
        QFETCH(QList<QMessageBox::StandardButton>, answers);
        QFETCH(QStringList, boxes);
        QFETCH(bool, running);
        answers_ = answers;
        auto w = RunDialog([](TfrmConfigSNMP& d) {
            d.rgpSNMPVersion->SetItemIndex(1);
            d.btnOk->click();
        });
        QVERIFY(w);
        QCOMPARE(boxes_, boxes);
        QCOMPARE(w->isVisible(), running);
        QVERIFY(QFile::exists(Folder() + "/127.0.0.1.cfg"));
    }
};

QTEST_MAIN(TestSnmpConfigure)
#include "tst_SnmpConfigure.moc"
