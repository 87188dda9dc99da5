#include "app/TfrmMain.h"
#include "app/TvMainMenu.h"
#include "base/ErrorCatalog.h"
#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

namespace {

struct Box {
    TvMessageBox::Kind kind;
    QString title;
    QString text;
};

// Records the start-up seams in the order they run, and what the window looked like at that moment.
class ProbeMain : public TfrmMain {
public:
    QStringList calls;
    QString captionAtFrontPanel;
    int releases = 0;

protected:
    void BuildFrontPanel() override {
        calls << "BuildFrontPanel";
        captionAtFrontPanel = windowTitle();
    }
    void ReadRmonState() override {
        calls << "ReadRmonState";
        shownAtRmonRead = isVisible();
    }
    void ReleaseFrontPanel() override {
        ++releases;
        shownAtRelease = isVisible();
    }

public:
    bool shownAtRmonRead = false;
    bool shownAtRelease = true;
};

const QStringList kV3Entries = {"SNMP Engine",
                                "Message Processing and Dispatching",
                                "SNMP Target MIB",
                                "User-based Security Model",
                                "View-based Access Control Model",
                                "Notifications",
                                "Community"};

// The state start-up gave an SNMPv3 entry; leaves without their window stay disabled whatever it is.
bool V3Allowed(const TfrmMain& w, const QString& caption) {
    const QAction* entry = w.MenuEntry(caption);
    return entry && w.MainMenu().IsAllowed(entry->objectName().toStdString());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QList<Box> boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes;

    QString StandaloneFolder() const { return root_.path() + "/tarvo_ems/QTR5190MX"; }
    QString SuiteFolder() const { return root_.path() + "/suite"; }

    std::unique_ptr<ProbeMain> MakeWindow(const QString& folder) {
        auto w = std::make_unique<ProbeMain>();
        w->SetProgramFile((folder + "/qtr5190mx").toStdString());
        return w;
    }

    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(StandaloneFolder()));
        QVERIFY(QDir().mkpath(SuiteFolder()));
        // The suite has no settings file here.
        QVERIFY(QDir::setCurrent(root_.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root_.path() + "/etc");
        TvMessageBox::SetHook([this](TvMessageBox::Kind kind, const QString& title, const QString& text) {
            boxes_.append({kind, title, text});
            return answer_;
        });
    }
    void init() {
        boxes_.clear();
        answer_ = QMessageBox::Yes;
        QFile::remove(StandaloneFolder() + "/127.0.0.1.cfg");
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void noParametersEndsStartUp() {
        auto w = MakeWindow(SuiteFolder());
        QVERIFY(!w->FormCreate({}));
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].text, QString("No parameter input"));
        QCOMPARE(gSNMPTimeout, 200);
        QVERIFY(w->calls.isEmpty());
    }

    void badParameterEndsStartUp_data() {
        QTest::addColumn<QStringList>("params");
        QTest::addColumn<QString>("message");
        QTest::newRow("unresolvable host")
            << QStringList{"/Ino-such-host.invalid", "/v1"} << "Error Host Name!";
        QTest::newRow("empty host") << QStringList{"/I"} << "Error Host Name!";
        QTest::newRow("non-numeric version")
            << QStringList{"/I127.0.0.1", "/vx"} << "'x' is not a valid integer value";
        QTest::newRow("non-numeric port")
            << QStringList{"/I127.0.0.1", "/v3", "/t1x"} << "'1x' is not a valid integer value";
    }
    void badParameterEndsStartUp() {
        QFETCH(QStringList, params);
        QFETCH(QString, message);
        auto w = MakeWindow(SuiteFolder());
        std::vector<std::string> args;
        for (const QString& p : params)
            args.push_back(p.toStdString());
        QVERIFY(!w->FormCreate(args));
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].kind, TvMessageBox::Kind::Error);
        QCOMPARE(boxes_[0].text, message);
        QVERIFY2(w->calls.isEmpty(), "nothing is built after a failed scan");
        QCOMPARE(w->windowTitle(), QString("QTR-5190MX"));
    }

    void suiteModeWithoutProfileTakesTheCommandLine() {
        auto w = MakeWindow(SuiteFolder());
        QVERIFY(w->FormCreate({"/Ilocalhost", "/v3", "/t1161", "/nadmin", "/Rpub", "/Wpriv"}));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(w->Mode(), OperatingMode::Suite);
        QCOMPARE(w->windowTitle(), QString("QTR-5190MX : 127.0.0.1"));
        QCOMPARE(w->calls, (QStringList{"BuildFrontPanel", "ReadRmonState"}));
        // The window is on the screen before the first blocking read, not after it.
        QVERIFY(w->shownAtRmonRead);
        QCOMPARE(w->captionAtFrontPanel, QString("QTR-5190MX"));
        const ConnectionTexts& c = w->Connection();
        QCOMPARE(c.AgentIP, std::string("127.0.0.1"));
        QCOMPARE(c.AgentPort, std::string("1161"));
        QCOMPARE(c.Version, std::string("3"));
        QCOMPARE(c.SecurityName, std::string("admin"));
        QCOMPARE(c.GetCommStr, std::string("pub"));
        QCOMPARE(c.SetCommStr, std::string("priv"));
        QCOMPARE(c.SecurityLevel, std::string("1"));
        QVERIFY(!w->MenuEntry("SNMP Configure")->isVisible());
        for (const QString& e : kV3Entries)
            QVERIFY2(V3Allowed(*w, e), qPrintable(e));
        QVERIFY(w->MenuEntry("SNMP Target MIB")->isEnabled());
    }

    void standaloneProfileOverridesTheCommandLine() {
        WriteFile(StandaloneFolder() + "/127.0.0.1.cfg",
                  "[Program Information]\r\nAgentPort=2161\r\nContextName=rdcomm");
        auto w = MakeWindow(StandaloneFolder());
        QVERIFY(w->FormCreate({"/I127.0.0.1", "/v3", "/t1161", "/nadmin", "/Rpub", "/Wpriv"}));
        QCOMPARE(w->Mode(), OperatingMode::Standalone);
        QCOMPARE(gSNMPSecurity.Version, 0); // no "Version" key: its default, whatever "/v" said
        QCOMPARE(gSNMPDevice.Port, 2161);
        QCOMPARE(gSNMPSecurity.SecurityName, std::string());
        QCOMPARE(gSNMPSecurity.ReadCommunity, std::string("pub"));
        QCOMPARE(gSNMPSecurity.WriteCommunity, std::string("priv"));
        const ConnectionTexts& c = w->Connection();
        QCOMPARE(c.Version, std::string("0"));
        QCOMPARE(c.AgentPort, std::string("2161"));
        QCOMPARE(c.ContextName, std::string("rdcomm"));
        QCOMPARE(c.GetCommStr, std::string("pub"));
        QVERIFY(w->MenuEntry("SNMP Configure")->isVisible());
        for (const QString& e : kV3Entries) {
            QVERIFY2(!V3Allowed(*w, e), qPrintable(e));
            QVERIFY2(!w->MenuEntry(e)->isEnabled(), qPrintable(e));
        }
    }

    // A FIFO named as the profile would make a plain read wait for a writer before any window shows.
    void fifoProfileIsRefusedAtOnce() {
        const QByteArray path = QFile::encodeName(StandaloneFolder() + "/127.0.0.1.cfg");
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        auto w = MakeWindow(StandaloneFolder());
        const bool started = w->FormCreate({"/I127.0.0.1", "/v1"});
        QFile::remove(QString::fromLocal8Bit(path));
        QVERIFY(started);
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].kind, TvMessageBox::Kind::Warning);
        QVERIFY(boxes_[0].text.startsWith("Cannot read the device profile "));
        QCOMPARE(gSNMPSecurity.Version, 1);
    }

    // A profile holding a password that other users can read is used, and the status line says so.
    void exposedProfileIsToldInTheStatusLine_data() {
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("told");
        QTest::newRow("password, 0644") << QByteArray("authpass123") << 0644 << true;
        QTest::newRow("password, 0640") << QByteArray("authpass123") << 0640 << true;
        QTest::newRow("password, 0600") << QByteArray("authpass123") << 0600 << false;
        QTest::newRow("no password, 0644") << QByteArray() << 0644 << false;
    }
    void exposedProfileIsToldInTheStatusLine() {
        QFETCH(QByteArray, password);
        QFETCH(int, mode);
        QFETCH(bool, told);
        const QString path = StandaloneFolder() + "/127.0.0.1.cfg";
        WriteFile(path, "[Program Information]\r\nVersion=3\r\nSecurityLevel=1\r\nSecurityName=md5user\r\n"
                        "AuthProtocol=1\r\nAuthPassword=" +
                            password);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)), 0);
        auto w = MakeWindow(StandaloneFolder());
        QVERIFY(w->FormCreate({"/I127.0.0.1", "/v1"}));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(gSNMPSecurity.AuthPassword, password.toStdString()); // used all the same
        const QString status = w->StatusPanel1->text();
        QCOMPARE(status.contains("other users can read it"), told);
        if (told)
            QVERIFY(status.contains(path));
        QVERIFY(!status.contains("authpass123"));
    }

    void damagedProfilesDoNotStopStartUp() {
        QByteArray garbage;
        for (int i = 0; i < 200000; ++i)
            garbage.append(char((i * 131) % 256));
        WriteFile(StandaloneFolder() + "/127.0.0.1.cfg", garbage);
        auto w = MakeWindow(StandaloneFolder());
        QVERIFY(w->FormCreate({"/I127.0.0.1", "/v1"}));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(gSNMPSecurity.Version, 0);

        // A profile that cannot be read is reported and the command line stays in force.
        QFile::remove(StandaloneFolder() + "/127.0.0.1.cfg");
        QVERIFY(QDir().mkpath(StandaloneFolder() + "/127.0.0.1.cfg"));
        auto w2 = MakeWindow(StandaloneFolder());
        QVERIFY(w2->FormCreate({"/I127.0.0.1", "/v1"}));
        QVERIFY(QDir(StandaloneFolder() + "/127.0.0.1.cfg").removeRecursively());
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].kind, TvMessageBox::Kind::Warning);
        QVERIFY(boxes_[0].text.startsWith("Cannot read the device profile "));
        QCOMPARE(gSNMPSecurity.Version, 1);
    }

    void messageFilesComeFromBesideTheProgram() {
        const QString folder = root_.path() + "/tarvo_ems/Other";
        QVERIFY(QDir().mkpath(folder + "/errMSg"));
        WriteFile(folder + "/errMSg/snmp.err", "first\r\nVariable is gone\r\n");
        auto w = MakeWindow(folder);
        QVERIFY(w->FormCreate({"/I127.0.0.1"}));
        QCOMPARE(CatalogText(-102), std::string("Variable is gone"));
        ResetMessageTables();
    }

    void closingAsksFirst() {
        auto w = MakeWindow(SuiteFolder());
        QVERIFY(w->FormCreate({"/I127.0.0.1"}));
        w->show();
        answer_ = QMessageBox::No;
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(w->releases, 0);
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].title, QString("Exit"));
        QCOMPARE(boxes_[0].text, QString("Are you sure to exit?"));
        answer_ = QMessageBox::Yes;
        QVERIFY(w->close());
        QCOMPARE(w->releases, 1);
        // Hidden at once; the outstanding read is waited for afterwards.
        QVERIFY(!w->shownAtRelease);
    }

    void layoutAndPicture() {
        auto w = MakeWindow(SuiteFolder());
        QVERIFY(w->FormCreate({"/I127.0.0.1", "/v1"}));
        w->StatusPanel0->setText("Get: (TvSNMP++) Ok! Request: Led Status. Receive at 10:00:00.");
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // Never wider than the screen (the offscreen screen is narrower than the front panel).
        const QRect room = w->screen()->availableGeometry();
        const int frame = w->frameGeometry().width() - w->width();
        QCOMPARE(w->width(), std::min(TfrmMain::ClientWidth, room.width() - frame));
        QVERIFY2(room.contains(w->frameGeometry()), qPrintable(QString("%1,%2 %3x%4 in %5x%6")
                                                                   .arg(w->frameGeometry().x())
                                                                   .arg(w->frameGeometry().y())
                                                                   .arg(w->frameGeometry().width())
                                                                   .arg(w->frameGeometry().height())
                                                                   .arg(room.width())
                                                                   .arg(room.height())));
        QCOMPARE(w->height() - w->menuBar()->height(), TfrmMain::ClientHeight);
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->ST_RmonState->isHidden());
        QVERIFY(w->stSTP->isHidden());
        QCOMPARE(w->stSTP->pos(), QPoint(160, 92));
        QCOMPARE(w->Image1->size(), QSize(919, 113));
        const QString png = QCoreApplication::applicationDirPath() + "/main_window.png";
        QVERIFY(w->grab().save(png));
        qInfo("window grabbed to %s", qPrintable(png));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
