#include "app/TfrmMain.h"
#include "app/TvMainMenu.h"
#include "base/ErrorCatalog.h"
#include "binding/TvSNMPRequest2Leds.h"
#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/LedSwitch.h"
#include "support/PumpUntil.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(std::string)

namespace {

// The seams start-up calls, open to the tests.
class OpenMain : public TfrmMain {
public:
    using TfrmMain::ReadRmonState;
    using TfrmMain::ReadStpVersion;
    using TfrmMain::ReleaseFrontPanel;
};

// Power 1, console 2, spare; every port lit steady, copper ports colour 2, combo and GE ports colour 3.
std::string AllLit(int length = 59) {
    std::string s = {1, 2, 0};
    for (int p = 1; p <= 28; ++p) {
        s += char(0);
        s += char(p <= 24 ? 2 : 3);
    }
    s.resize(size_t(length));
    return s;
}
std::string Port(std::string s, int port, int state, int colour) {
    s[size_t(2 * port + 1)] = char(state);
    s[size_t(2 * port + 2)] = char(colour);
    return s;
}
std::string Header(std::string s, int power, int console) {
    s[0] = char(power);
    s[1] = char(console);
    return s;
}

// One letter per LED, power, console, then ports 1 to 28: G green, O orange, K black.
QString Letters(const TfrmMain& w, bool painted) {
    QString out;
    for (const auto& led : w.FrontPanel()->Leds()) {
        const TvLedColor c = painted ? led.Shape->Color() : led.Color;
        out += c == kLedGreen ? 'G' : c == kLedOrange ? 'O' : c == kLedBlack ? 'K' : '?';
    }
    return out;
}
QString BlinkMarks(const TfrmMain& w) {
    QString out;
    for (const auto& led : w.FrontPanel()->Leds())
        out += led.Blinking ? '*' : '.';
    return out;
}

// Top-left corners of the LED windows on the picture, in binding order.
QList<QPoint> LedWindows() {
    QList<QPoint> at{{67, 37}, {67, 53}};
    for (int n = 1; n <= 12; ++n)
        at << QPoint(432 + 14 * (n - 1), 7);
    for (int n = 13; n <= 24; ++n)
        at << QPoint(618 + 14 * (n - 13), 7);
    at << QPoint(803, 7) << QPoint(852, 7) << QPoint(115, 37) << QPoint(115, 71);
    return at;
}

const QString kAllG = QString(30, 'G');

} // namespace

class TestFrontPanel : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    std::unique_ptr<LedSwitch> switch_;
    QStringList boxes_;

    std::unique_ptr<OpenMain> Open(std::uint16_t port, int version = 1) {
        // The port comes from the standalone device profile, as an operator would keep it.
        const QString folder = root_.path() + "/tarvo_ems/QTR5190MX";
        QFile profile(folder + "/127.0.0.1.cfg");
        if (!profile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return nullptr;
        profile.write("[Program Information]\r\nVersion=" + QByteArray::number(version) +
                      "\r\nAgentPort=" + QByteArray::number(port) + "\r\n");
        profile.close();
        auto w = std::make_unique<OpenMain>();
        w->SetProgramFile((folder + "/qtr5190mx").toStdString());
        const bool created = w->FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm"});
        return created ? std::move(w) : nullptr;
    }
    static bool Read(TfrmMain& w) {
        w.FrontPanel()->Get();
        return PumpUntil([&] { return !w.FrontPanel()->Busy; });
    }
    bool RmonAllowed(const TfrmMain& w) {
        const bool s = w.MainMenu().IsAllowed("Statistics1");
        if (s != w.MainMenu().IsAllowed("History1") || s != w.MainMenu().IsAllowed("AlarmEvent1"))
            qWarning("the three RMON entries disagree");
        return s;
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
        InitSNMPSession(""); // the switch is written to before any window opens the session
        switch_ = std::make_unique<LedSwitch>();
        QVERIFY2(switch_->Start(AllLit()), switch_->Error().c_str());
    }
    void cleanupTestCase() {
        TvMessageBox::SetHook({});
        switch_.reset();
    }
    void init() {
        switch_->SetLeds(AllLit());
        switch_->SetRmonState(3);
        boxes_.clear();
    }
    void cleanup() { QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n'))); }

    void ledsSitOnTheWindowsOfThePicture() {
        auto w = Open(switch_->Port());
        QVERIFY(w);
        const QPixmap picture = w->Image1->pixmap();
        QCOMPARE(picture.size(), QSize(919, 113)); // decoded from the embedded JPEG
        const QImage image = picture.toImage();
        const QList<QPoint> windows = LedWindows();
        const auto& leds = w->FrontPanel()->Leds();
        QCOMPARE(int(leds.size()), windows.size());
        for (int i = 0; i < windows.size(); ++i) {
            const TvLedShape* shape = leds[size_t(i)].Shape;
            const QPoint at = shape->mapTo(w->ScrollBox1->widget(), QPoint(0, 0));
            QCOMPARE(at, windows[i]);
            QCOMPARE(shape->size(), QSize(6, 6));
            // The picture's LED window under the square is a dark recess.
            QVERIFY2(QColor(image.pixel(at + QPoint(3, 3))).lightness() < 80, qPrintable(QString::number(i)));
        }
        for (QFrame* panel : w->LedPanels)
            QCOMPARE(panel->frameShape(), QFrame::NoFrame);
        QVERIFY(w->FrontPanel()->Polling());
        QCOMPARE(w->FrontPanel()->PollInterval(), 3000);
        QCOMPARE(w->FrontPanel()->Request.Target.Timeout, 300);
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->Busy; }));
    }

    void ledsFollowTheStatusValue_data() {
        QTest::addColumn<std::string>("value");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QString>("blinking");
        const QString steady(30, '.');
        QTest::newRow("all lit") << AllLit() << kAllG << steady;
        QTest::newRow("port 2 dark whatever its colour octet")
            << Port(AllLit(), 2, 1, 2) << "GGGK" + QString(26, 'G') << steady;
        QTest::newRow("port 1 blinking green")
            << Port(AllLit(), 1, 0x81, 2) << kAllG << "..*" + QString(27, '.');
        QTest::newRow("port 1 steady green") << Port(AllLit(), 1, 0x00, 2) << kAllG << steady;
        QTest::newRow("colour 2: combo orange, copper green")
            << Port(AllLit(), 25, 0, 2) << QString(26, 'G') + "OGGG" << steady;
        QTest::newRow("console 3 black, power 3 green")
            << Header(AllLit(), 3, 3) << "GK" + QString(28, 'G') << steady;
        QTest::newRow("39 octets: ports 19 to 28 black")
            << AllLit(39) << QString(20, 'G') + QString(10, 'K') << steady;
        QTest::newRow("2 octets: only power and console") << AllLit(2) << "GG" + QString(28, 'K') << steady;
    }
    void ledsFollowTheStatusValue() {
        QFETCH(std::string, value);
        QFETCH(QString, colours);
        QFETCH(QString, blinking);
        auto w = Open(switch_->Port());
        QVERIFY(w);
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->Busy; }));
        switch_->SetLeds(value);
        QVERIFY(Read(*w));
        QCOMPARE(Letters(*w, false), colours);
        QCOMPARE(BlinkMarks(*w), blinking);
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->BlinkTimerActive(); }));
        QCOMPARE(Letters(*w, true), colours);
        const QLocale locale = QLocale::system();
        const QRegularExpression ok(
            "^Get: \\(TvSNMP\\+\\+\\) Ok! Request: Led Status\\. Receive at \\d\\d:\\d\\d:\\d\\d (" +
            QRegularExpression::escape(locale.amText()) + "|" + QRegularExpression::escape(locale.pmText()) +
            ")\\.$");
        QVERIFY2(ok.match(w->StatusPanel0->text()).hasMatch(), qPrintable(w->StatusPanel0->text()));
    }

    void rmonStateSetsTheRmonEntries() {
        auto w = Open(switch_->Port());
        QVERIFY(w);
        QCOMPARE(w->ST_RmonState->text(), QString("enabled"));
        QVERIFY(RmonAllowed(*w));
        switch_->SetRmonState(2);
        w->ReadRmonState();
        QCOMPARE(w->ST_RmonState->text(), QString("disabled"));
        QVERIFY(!RmonAllowed(*w));
        // Neither name: the entries stay as they are.
        switch_->SetRmonState(7);
        w->ReadRmonState();
        QCOMPARE(w->ST_RmonState->text(), QString("7"));
        QVERIFY(!RmonAllowed(*w));
        switch_->SetRmonState(3);
        w->ReadRmonState();
        QVERIFY(RmonAllowed(*w));
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->Busy; }));
    }

    void rmonReadFailureLeavesTheEntries() {
        LedSwitch noRmon;
        QVERIFY2(noRmon.Start(AllLit(), -1), noRmon.Error().c_str());
        auto w = Open(noRmon.Port(), 0); // SNMPv1: a missing object is an error of the whole request
        QVERIFY(w);
        QCOMPARE(w->StatusPanel0->text(), QString::fromLatin1(CatalogText(errNoSuchName).c_str()));
        QVERIFY(RmonAllowed(*w)); // as the menu built them
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->Busy; }));
        QVERIFY(w->StatusPanel0->text().startsWith("Get: (TvSNMP++) Ok! Request: Led Status."));
    }

    // The spanning tree entry's read: the option name lands in stSTP; a failed read reports in the status
    // bar and leaves the text the spanning tree window compares against.
    void stpVersionIsReadIntoTheHiddenText() {
        SimSwitch full;
        QVERIFY2(full.Start(), full.Error().c_str());
        auto w = Open(full.Port(), 1);
        QVERIFY(w);
        w->ReadStpVersion();
        QCOMPARE(w->stSTP->text(), QString("rstp"));
        QVERIFY(!w->stSTP->isVisible());

        auto v1 = Open(switch_->Port(), 0); // serves no spanning tree: noSuchName under SNMPv1
        QVERIFY(v1);
        v1->stSTP->setText("mstp");
        v1->ReadStpVersion();
        QCOMPARE(v1->stSTP->text(), QString("mstp"));
        QCOMPARE(v1->StatusPanel0->text(), QString::fromLatin1(CatalogText(errNoSuchName).c_str()));
    }

    void closingStopsThePollAndReleasesTheBinding() {
        auto w = Open(switch_->Port());
        QVERIFY(w);
        w->show();
        QVERIFY(w->FrontPanel()->Busy); // the first read is still out
        QList<QPointer<TvLedShape>> shapes;
        for (const auto& led : w->FrontPanel()->Leds())
            shapes << led.Shape;
        QVERIFY(w->close());
        QCOMPARE(boxes_, QStringList{"Exit: Are you sure to exit?"});
        boxes_.clear();
        QVERIFY(!w->FrontPanel());
        for (const auto& s : shapes)
            QCOMPARE(s->Color(), uint(kLedBlack));
        // Nothing of the poll is left to fire.
        QTest::qWait(100);
        for (const auto& s : shapes)
            QCOMPARE(s->Color(), uint(kLedBlack));
    }

    void destroyingWithAReadOutstanding() {
        auto w = Open(switch_->Port());
        QVERIFY(w);
        QVERIFY(w->FrontPanel()->Busy);
        w.reset();
        QTest::qWait(50);
    }

    void windowAgainstTheSimulatedSwitch() {
        SimSwitch sim;
        QVERIFY2(sim.Start(), sim.Error().c_str());
        auto w = Open(sim.Port());
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(PumpUntil([&] { return !w->FrontPanel()->Busy && !w->FrontPanel()->BlinkTimerActive(); }));
        // The simulated switch: power on, console idle, ports 21-24 and 27-28 down, 6, 12, 18, 24 and 26 at
        // 10/100.
        const QString colours = Letters(*w, true);
        QCOMPARE(colours.left(2), QString("GK"));
        QVERIFY2(colours.count('G') >= 15 && colours.count('O') >= 3, qPrintable(colours));
        const QString png = QCoreApplication::applicationDirPath() + "/main_window_frontpanel.png";
        QVERIFY(w->grab().save(png));
        qInfo("window grabbed to %s", qPrintable(png));
        boxes_.clear();
        w->close();
        boxes_.clear();
    }
};

QTEST_MAIN(TestFrontPanel)
#include "tst_FrontPanel.moc"
