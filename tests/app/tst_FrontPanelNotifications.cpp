// The main window receives the switch's notifications on the port of the command line: a linkDown reads
// the LEDs at once (the simulated switch's log shows the read after its trap), the port's LED names it,
// and a mark in the status bar opens the Notifications window. A port it cannot have is named, with
// what to do.

#include "app/TfrmMain.h"
#include "binding/TvSNMPRequest2Leds.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvNotificationLog.h"
#include "snmp/TvSNMPEngine.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SnmpdAgent.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

constexpr const char* kLedRead = "GET     v2c rdcomm .1.3.6.1.4.1.59371.12.11.1.9.4.1.5.1";

int Count(const std::string& text, const std::string& what, std::size_t from = 0) {
    int n = 0;
    for (std::size_t at = text.find(what, from); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

class TestFrontPanelNotifications : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    SimSwitch sim_;
    std::uint16_t listen_ = 0;
    QStringList boxes_;

    std::unique_ptr<TfrmMain> Open(std::uint16_t listenPort) {
        const QString folder = root_.path() + "/tarvo_ems/QTR5190MX";
        QFile profile(folder + "/127.0.0.1.cfg");
        if (!profile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return nullptr;
        profile.write("[Program Information]\r\nVersion=1\r\nAgentPort=" + QByteArray::number(sim_.Port()) +
                      "\r\n");
        profile.close();
        auto w = std::make_unique<TfrmMain>();
        w->SetProgramFile((folder + "/qtr5190mx").toStdString());
        const std::string port = "/L" + std::to_string(listenPort);
        if (!w->FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm", port}))
            return nullptr;
        return w;
    }
    void SetAdminStatus(int port, int status) {
        TvSNMPTarget agent;
        agent.Address = "127.0.0.1";
        agent.Port = sim_.Port();
        agent.Version = 1;
        agent.WriteCommunity = "wrtcomm";
        TvSnmpValue v;
        v.Type = TvValueType::Integer;
        v.Int = status;
        TvSNMPReply reply;
        QCOMPARE(TvSNMPEngine::Instance()->Exchange(
                     agent, TvPduKind::Set, {{"1.3.6.1.2.1.2.2.1.7." + std::to_string(port), v}}, reply),
                 0);
    }

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(root_.path() + "/tarvo_ems/QTR5190MX"));
        QVERIFY(QDir::setCurrent(root_.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root_.path() + "/etc");
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return QMessageBox::Yes;
        });
        listen_ = SnmpdAgent::ClosedPort();
        QVERIFY2(sim_.Start(
                     {"--led-period", "86400", "--log", "--trap-to", "127.0.0.1:" + std::to_string(listen_)}),
                 sim_.Error().c_str());
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }
    void init() { boxes_.clear(); }

    void aLinkDownReadsTheLedsAtOnce() {
        auto w = Open(listen_);
        QVERIFY(w);
        QVERIFY(boxes_.isEmpty());
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->Busy; }));
        QVERIFY(w->NewNotifications->isHidden());

        SetAdminStatus(5, 2);
        QVERIFY(PumpUntil([&] { return w->FrontPanel()->ImmediateReads == 1; }));
        QVERIFY(sim_.AwaitMarker());
        // The switch logged its trap, then the window's read of the LEDs.
        const std::string log = sim_.Log();
        const std::size_t trap = log.find("TRAP    linkDown 5");
        QVERIFY2(trap != std::string::npos, log.c_str());
        QVERIFY2(Count(log, kLedRead, trap) >= 1, log.c_str());
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->Busy; }));

        const TvLedShape* led = w->FrontPanel()->Leds()[6].Shape; // port 5, after power and console
        QVERIFY2(led->toolTip().contains("Port 5: dark"), qPrintable(led->toolTip()));
        QVERIFY2(led->toolTip().contains("Last notification: linkDown at "), qPrintable(led->toolTip()));
        QVERIFY(PumpUntil([&] { return !w->NewNotifications->isHidden(); }));
        QCOMPARE(w->NewNotifications->text(), QString("1 new notification"));
        QVERIFY(w->grab().save(QCoreApplication::applicationDirPath() + "/main_window_notification.png"));

        // The mark opens the window and goes.
        w->NewNotifications->click();
        QVERIFY(TvOpenWindows::Raise("TNotificationsForm"));
        QVERIFY(w->NewNotifications->isHidden());
        TvOpenWindows::CloseAll();
        TvOpenWindows::DeleteClosed();
        SetAdminStatus(5, 1);
        QVERIFY(PumpUntil([&] { return w->FrontPanel()->ImmediateReads == 2; }));
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->Busy; }));
        QVERIFY2(w->FrontPanel()->Leds()[6].Shape->toolTip().contains("linkUp"),
                 qPrintable(w->FrontPanel()->Leds()[6].Shape->toolTip()));
        TvNotificationLog::Instance().Clear();
    }

    void aPortInUseIsNamedWithWhatToDo() {
        auto w = Open(sim_.Port()); // the switch's own port is taken
        QVERIFY(w);
        QCOMPARE(boxes_.size(), 1);
        QVERIFY2(boxes_[0].contains(QString("UDP port %1").arg(sim_.Port())), qPrintable(boxes_[0]));
        QVERIFY2(boxes_[0].contains("another program uses it"), qPrintable(boxes_[0]));
        QCOMPARE(TvSNMPEngine::Instance()->ListenSocket(), -1);
    }
};

QTEST_MAIN(TestFrontPanelNotifications)
#include "tst_FrontPanelNotifications.moc"
