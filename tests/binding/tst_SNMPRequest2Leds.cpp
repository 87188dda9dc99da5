#include "base/ErrorCatalog.h"
#include "binding/TvSNMPRequest2Leds.h"
#include "binding/TvStatusPanel.h"
#include "catalog/TvFrontPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/LedSwitch.h"
#include "support/PumpUntil.h"
#include "support/WindowTest.h"

#include <QFrame>
#include <QMainWindow>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(std::string)

namespace {

std::string Octets(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

QRegularExpression StatusLine(const QString& error, const QString& name) {
    const QLocale locale = QLocale::system();
    return QRegularExpression(
        "^Get: " + QRegularExpression::escape(error) + " Request:" + QRegularExpression::escape(name) +
        "\\. Receive at (0[1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (" + QRegularExpression::escape(locale.amText()) +
        "|" + QRegularExpression::escape(locale.pmText()) + ")\\.$");
}

constexpr TvLedColorPair kGreenOnlyTable[] = {{2, kLedGreen}, {0, kNoLedColor}};
const TvSNMPLedColorMapList kNoAbsentColour(kGreenOnlyTable, 7, 0x80, kLedBlack, kNoLedColor);

} // namespace

class TestSNMPRequest2Leds : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<LedSwitch> switch_;
    std::unique_ptr<QMainWindow> window_;
    TvStatusPanel* panel_ = nullptr;
    QStringList boxes_;

    // A binding of the LED status value with `count` LEDs at octets first, first + 1 ... of `map`.
    std::unique_ptr<TvSNMPRequest2Leds> MakeBinding(const TvSNMPLedColorMapList& map, int first,
                                                    int count = 1) {
        auto b = std::make_unique<TvSNMPRequest2Leds>(window_.get());
        b->Request.VarList.Assign(TvSNMPVarList(kFrontPanelLedStatus, TvSNMPVarList::itInstance, 0));
        b->Request.VarList.Instance = "1";
        b->Request.VarList.Name = " Led Status";
        for (int i = 0; i < count; ++i)
            b->AddLed(0, first + i, map, new TvLedShape(window_.get()));
        b->SetStatusTarget(panel_);
        return b;
    }
    static TvLedShape* Shape(const TvSNMPRequest2Leds& b, int i = 0) { return b.Leds().at(size_t(i)).Shape; }

    // Sends one read and waits for its end.
    static bool Read(TvSNMPRequest2Leds& b) {
        b.Get();
        return PumpUntil([&] { return !b.Busy; });
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
        switch_ = std::make_unique<LedSwitch>();
        QVERIFY2(switch_->Start(Octets({1, 3, 0})), switch_->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return QMessageBox::Ok;
        });
    }
    void cleanupTestCase() {
        TvMessageBox::SetHook({});
        switch_.reset();
    }
    void init() {
        WindowTest::UseSimulator(switch_->Port());
        window_ = std::make_unique<QMainWindow>();
        panel_ = new TvStatusPanel(window_->statusBar());
        boxes_.clear();
    }
    void cleanup() {
        window_.reset();
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
    }

    void ledModeDefaults_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("header");
        QTest::addColumn<int>("wantMode");
        QTest::addColumn<int>("wantHeader");
        QTest::newRow("zero and negative") << 0 << -1 << 1 << 4;
        QTest::newRow("front panel") << 2 << 3 << 2 << 3;
    }
    void ledModeDefaults() {
        QFETCH(int, mode);
        QFETCH(int, header);
        TvSNMPRequest2Leds b(nullptr);
        QCOMPARE(b.LedMode, 1);
        QCOMPARE(b.HeaderLength, 4);
        b.SetLedMode(mode, header);
        QFETCH(int, wantMode);
        QFETCH(int, wantHeader);
        QCOMPARE(b.LedMode, wantMode);
        QCOMPARE(b.HeaderLength, wantHeader);
    }

    // Values written into the switch and read back through the binding.
    void readingColoursTheLed_data() {
        QTest::addColumn<std::string>("value");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("header");
        QTest::addColumn<int>("octet");
        QTest::addColumn<const TvSNMPLedColorMapList*>("map");
        QTest::addColumn<uint>("colour");
        QTest::addColumn<bool>("blinking");
        QTest::newRow("single mode 0x82 green blinking")
            << Octets({0, 0x82}) << 1 << 4 << 1 << &PortLedColors << uint(kLedGreen) << true;
        QTest::newRow("paired 01 02 absent")
            << Octets({0, 0, 0, 0, 0, 1, 2}) << 2 << 3 << 5 << &PortLedColors << uint(kLedBlack) << false;
        QTest::newRow("paired 80 01 orange blinking")
            << Octets({0, 0, 0, 0, 0, 0x80, 1}) << 2 << 3 << 5 << &PortLedColors << uint(kLedOrange) << true;
        QTest::newRow("beyond the value absent")
            << Octets({2, 2}) << 1 << 4 << 7 << &PortLedColors << uint(kLedBlack) << false;
        QTest::newRow("zero octets inside the value")
            << Octets({0, 0, 0, 0, 0, 0x00, 2}) << 2 << 3 << 5 << &PortLedColors << uint(kLedGreen) << false;
    }
    void readingColoursTheLed() {
        QFETCH(std::string, value);
        QFETCH(int, mode);
        QFETCH(int, header);
        QFETCH(int, octet);
        QFETCH(const TvSNMPLedColorMapList*, map);
        QFETCH(uint, colour);
        QFETCH(bool, blinking);
        switch_->SetLeds(value);
        auto b = MakeBinding(*map, octet);
        b->SetLedMode(mode, header);
        QVERIFY(Read(*b));
        QCOMPARE(b->Leds()[0].Color, colour);
        QCOMPARE(b->Leds()[0].Blinking, blinking);
        QCOMPARE(b->BlinkTimerActive(), blinking);
        QVERIFY2(StatusLine("(TvSNMP++) Ok!", " Led Status").match(panel_->text()).hasMatch(),
                 qPrintable(panel_->text()));
    }

    void blinkingAlternatesForSevenTicksThenRests() {
        switch_->SetLeds(Octets({0, 0x82}));
        auto b = MakeBinding(PortLedColors, 1);
        b->Asynchronous = false; // no event loop: the steps below are the only blink ticks
        b->Get();
        QList<uint> seen{Shape(*b)->Color()};
        for (int tick = 0; tick < 9; ++tick) {
            b->BlinkStep();
            seen << Shape(*b)->Color();
        }
        const uint G = kLedGreen, K = kLedBlack;
        QCOMPARE(seen, (QList<uint>{G, K, G, K, G, K, G, G, G, G}));
        QVERIFY(!b->BlinkTimerActive());

        // A new reading starts the flashing again, from where the shape stands (lit this time).
        b->Get();
        QVERIFY(b->BlinkTimerActive());
        seen = {Shape(*b)->Color()};
        for (int tick = 0; tick < 8; ++tick) {
            b->BlinkStep();
            seen << Shape(*b)->Color();
        }
        QCOMPARE(seen, (QList<uint>{K, G, K, G, K, G, K, G, G}));
    }

    void blinkTimerStopsWhenNothingCanChange() {
        switch_->SetLeds(Octets({0, 0x82}));
        auto b = MakeBinding(PortLedColors, 1);
        QVERIFY(Read(*b));
        QVERIFY(b->BlinkTimerActive());
        QVERIFY(PumpUntil([&] { return !b->BlinkTimerActive(); }));
        QCOMPARE(Shape(*b)->Color(), uint(kLedGreen));
        QCOMPARE(Shape(*b)->Repaints(), 7); // on, then six more flips, then steady

        // Steady LEDs: a second identical reading repaints nothing and starts no timer.
        switch_->SetLeds(Octets({0, 0x02}));
        QVERIFY(Read(*b));
        QVERIFY(Read(*b));
        QCOMPARE(Shape(*b)->Repaints(), 7);
        QVERIFY(!b->BlinkTimerActive());
    }

    void valueTooShortForAMapWithoutAbsentColourFailsTheReading() {
        switch_->SetLeds(Octets({0, 2}));
        auto b = MakeBinding(kNoAbsentColour, 1, 2); // octets 1 and 2; the value has no octet 2
        QVERIFY(Read(*b));
        QVERIFY2(StatusLine(QString::fromLatin1(CatalogText(-519).c_str()), " Led Status")
                     .match(panel_->text())
                     .hasMatch(),
                 qPrintable(panel_->text()));
        QCOMPARE(Shape(*b)->Color(), uint(kLedBlack)); // the failed reading painted nothing
    }

    // The switch goes away and comes back: dark LEDs and timeout lines meanwhile, polling throughout.
    void failedPollsDarkenAndPollingRecovers() {
        switch_->SetLeds(Octets({0, 0x02}));
        auto b = MakeBinding(PortLedColors, 1);
        b->Request.Target.Timeout = 15;
        b->Start(30);
        QVERIFY(b->Polling());
        QCOMPARE(b->PollInterval(), 300);
        QVERIFY(PumpUntil([&] { return Shape(*b)->Color() == kLedGreen; }));

        switch_->Sim().Stop();
        const QRegularExpression timeout = StatusLine("(SNMPClass) SNMP request timed out!", " Led Status");
        QVERIFY(PumpUntil([&] { return timeout.match(panel_->text()).hasMatch(); }));
        QCOMPARE(Shape(*b)->Color(), uint(kLedBlack));
        QVERIFY(b->Polling());

        QVERIFY2(switch_->Sim().Restart(), switch_->Error().c_str());
        switch_->SetLeds(Octets({0, 0x01}));
        QVERIFY(PumpUntil([&] { return Shape(*b)->Color() == kLedOrange; }));
        QVERIFY(StatusLine("(TvSNMP++) Ok!", " Led Status").match(panel_->text()).hasMatch());
        b->Stop();
        QVERIFY(PumpUntil([&] { return b->Request.Outstanding == 0; }));
    }

    void stopDarkensAndALateReplyDoesNotRelight() {
        switch_->SetLeds(Octets({0, 0x82}));
        auto b = MakeBinding(PortLedColors, 1);
        b->Start(300);
        QVERIFY(b->Busy);
        b->Stop();
        QVERIFY(!b->Polling());
        QVERIFY(PumpUntil([&] { return !b->Busy; }));
        QCOMPARE(Shape(*b)->Color(), uint(kLedBlack));
        QVERIFY(!b->BlinkTimerActive());
    }

    void addLedsPlacesShapesInThePanel() {
        auto* frame = new QFrame(window_.get());
        frame->setFrameShape(QFrame::Panel);
        TvSNMPRequest2Leds b(window_.get());
        QVERIFY(b.AddLeds(0, "3,5,7", PortLedColors, frame, 2, 8, TvLedShape::Circle, 6, 5));
        QCOMPARE(frame->frameShape(), QFrame::NoFrame);
        QCOMPARE(b.Leds().size(), size_t(3));
        for (int p = 0; p < 3; ++p) {
            const TvLedShape* s = Shape(b, p);
            QCOMPARE(s->parentWidget(), frame);
            QCOMPARE(s->geometry(), QRect(2 + p * 14, 1, 6, 5));
            QCOMPARE(s->ShapeKind(), TvLedShape::Circle);
            QCOMPARE(b.Leds()[size_t(p)].ByteIndex, 3 + 2 * p);
        }
        QVERIFY(!b.AddLeds(0, "3,x", PortLedColors, frame, 0, 8, TvLedShape::Rectangle, 6, 6));
        QVERIFY(!b.AddLeds(0, "3,-1", PortLedColors, frame, 0, 8, TvLedShape::Rectangle, 6, 6));
        QCOMPARE(b.Leds().size(), size_t(3));
    }
};

QTEST_MAIN(TestSNMPRequest2Leds)
#include "tst_SNMPRequest2Leds.moc"
