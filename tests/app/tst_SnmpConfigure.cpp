#include "app/TfrmMain.h"
#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "windows/TfrmConfigSNMP.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

    // Opens "SNMP Configure" from the menu of a standalone main window started with `params` (SNMPv1 by
    // default); `operate` acts on the dialog while it is shown.
    std::unique_ptr<QuietMain> RunDialog(const std::function<void(TfrmConfigSNMP&)>& operate,
                                         const std::vector<std::string>& params = {"/I127.0.0.1", "/v0"}) {
        auto w = std::make_unique<QuietMain>();
        w->SetProgramFile((Folder() + "/qtr5190mx").toStdString());
        if (!w->FormCreate(params))
            return nullptr;
        w->show();
        return Operate(*w, operate) ? std::move(w) : nullptr;
    }
    // Opens the dialog again from the window's menu.
    bool Operate(QuietMain& w, const std::function<void(TfrmConfigSNMP&)>& operate) {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TfrmConfigSNMP*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            operate(*dialog);
        });
        QAction* entry = w.MenuEntry("SNMP Configure");
        if (!entry || !entry->isEnabled() || !entry->isVisible())
            return false;
        entry->trigger();
        return seen;
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

    // Only a new version asks to restart; another SNMPv3 user is saved for the next start silently.
    void onlyANewVersionAsks_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("SNMPv3, another user") << 2 << "SHA_User" << QStringList{};
        QTest::newRow("SNMPv3, the same user") << 2 << "MD5_User" << QStringList{};
        QTest::newRow("SNMPv2c") << 1 << "" << QStringList{kQuestion};
    }
    void onlyANewVersionAsks() {
        QFETCH(int, version);
        QFETCH(QString, user);
        QFETCH(QStringList, boxes);
        auto w = RunDialog(
            [&](TfrmConfigSNMP& d) {
                d.rgpSNMPVersion->SetItemIndex(version);
                d.cbxSecurityName->setEditText(user);
                d.btnOk->click();
            },
            {"/I127.0.0.1", "/v3", "/nMD5_User", "/l1", "/a1", "/p1"});
        QVERIFY(w);
        QCOMPARE(boxes_, boxes);
        QVERIFY(w->isVisible());
        QVERIFY(QFile::exists(Folder() + "/127.0.0.1.cfg"));
    }

    // Opened again before a restart, the dialog shows what was saved and names what runs.
    void reopenedShowsWhatWasSaved() {
        auto w = RunDialog([](TfrmConfigSNMP& d) {
            d.rgpSNMPVersion->SetItemIndex(1);
            d.edtPort->setText("1161");
            d.btnOk->click();
        });
        QVERIFY(w);
        QCOMPARE(boxes_, QStringList{kQuestion}); // answered No: the program runs on with SNMPv1
        int shownVersion = -1;
        QString port, line;
        QVERIFY(Operate(*w, [&](TfrmConfigSNMP& d) {
            shownVersion = d.rgpSNMPVersion->ItemIndex();
            port = d.edtPort->text();
            line = d.lblShown->text();
            d.btnExit->click();
        }));
        QCOMPARE(shownVersion, 1);
        QCOMPARE(port, QString("1161"));
        QCOMPARE(line, QString("The fields show the saved settings, which apply at the next start.\n"
                               "Running now: SNMPv1, port 161."));
    }
};

QTEST_MAIN(TestSnmpConfigure)
#include "tst_SnmpConfigure.moc"
