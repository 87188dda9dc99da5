#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvTableExport.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "monitors/TCounterGroupWindow.h"
#include "monitors/TIF_Counters.h"
#include "monitors/TTpBridgePortInfo_Table.h"
#include "monitors/TvCounterClock.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPRequest.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <fstream>
#include <memory>

namespace {

// A small switch whose counters the test writes (read-write here, unlike on a real switch), beside
// counters that grow steadily by 1000 a second.
const char kTestData[] = R"(# counters the test drives
community rdcomm ro
community wrtcomm rw
1.3.6.1.2.1.1.3.0 TIMETICKS ro @uptime
1.3.6.1.2.1.1.5.0 STRING ro "test switch"
1.3.6.1.2.1.4.3.0 COUNTER32 ro 15000
1.3.6.1.2.1.4.4.0 COUNTER32 ro 20000
1.3.6.1.2.1.4.5.0 COUNTER32 ro 25000
1.3.6.1.2.1.4.6.0 COUNTER32 ro 30000
1.3.6.1.2.1.4.7.0 COUNTER32 ro 35000
1.3.6.1.2.1.4.8.0 COUNTER32 ro 40000
1.3.6.1.2.1.4.9.0 COUNTER32 ro 45000
1.3.6.1.2.1.4.10.0 COUNTER32 ro 50000
1.3.6.1.2.1.4.11.0 COUNTER32 ro 55000
1.3.6.1.2.1.4.12.0 COUNTER32 ro 60000
1.3.6.1.2.1.4.14.0 COUNTER32 ro 1
1.3.6.1.2.1.4.15.0 COUNTER32 ro 2
1.3.6.1.2.1.4.16.0 COUNTER32 ro 3
1.3.6.1.2.1.4.17.0 COUNTER32 ro 4
1.3.6.1.2.1.4.18.0 COUNTER32 ro 5
1.3.6.1.2.1.4.19.0 COUNTER32 ro 6
1.3.6.1.2.1.4.23.0 COUNTER32 ro 7
1.3.6.1.2.1.7.1.0 COUNTER32 rw 0
1.3.6.1.2.1.7.2.0 COUNTER32 ro 1000+1000
1.3.6.1.2.1.7.3.0 COUNTER32 ro 0
1.3.6.1.2.1.7.4.0 COUNTER32 ro 32000
table 1.3.6.1.2.1.2.2.1 index INTEGER
column 1 INTEGER key:1
column 2 STRING ro ""
column 10 COUNTER32 rw 0
column 11 COUNTER32 ro 0
column 12 COUNTER32 ro 0
column 13 COUNTER32 ro 0
column 14 COUNTER32 ro 0
column 15 COUNTER32 ro 0
column 16 COUNTER32 ro 0
column 17 COUNTER32 ro 0
column 18 COUNTER32 ro 0
column 19 COUNTER32 ro 0
column 20 COUNTER32 ro 0
row 1 : "Port 1" 0 1000+1000 10 0 0 0 2000+2000 20 30 0 0
row 2 : "Port 2" 0 5 6 0 0 0 7 8 9 0 0
table 1.3.6.1.2.1.31.1.1.1 index INTEGER
column 6 COUNTER64 rw 0
column 7 COUNTER64 ro 0
column 8 COUNTER64 ro 0
column 9 COUNTER64 ro 0
column 10 COUNTER64 ro 0
column 11 COUNTER64 ro 0
column 12 COUNTER64 ro 0
column 13 COUNTER64 ro 0
row 1 : 0 1000+1000 6 4 2000+2000 20 25 5
table 1.3.6.1.2.1.17.4.4.1 index INTEGER
column 1 INTEGER key:1
column 2 INTEGER ro 1518
column 3 COUNTER32 rw 0
column 4 COUNTER32 ro 0
column 5 COUNTER32 ro 0
row 1 : 1518 0 500+500 0
row 2 : 1518 0 0 0
)";

// A switch without the interface and bridge tables.
const char kEmptyData[] = R"(community rdcomm ro
community wrtcomm rw
1.3.6.1.2.1.1.5.0 STRING ro "bare switch"
)";

constexpr char kUdpInDatagrams[] = "1.3.6.1.2.1.7.1.0";
constexpr char kIfInOctets1[] = "1.3.6.1.2.1.2.2.1.10.1";
constexpr char kIfHCInOctets1[] = "1.3.6.1.2.1.31.1.1.1.6.1";
constexpr char kPortInFrames1[] = "1.3.6.1.2.1.17.4.4.1.3.1";

class FakeHost : public TvWindowHost {
public:
    FakeHost() { texts.AgentIP = "127.0.0.1"; }
    QWidget* HostWindow() override { return nullptr; }
    const ConnectionTexts& Connection() const override { return texts; }
    const std::string& ProgramFile() const override { return program; }
    OperatingMode Mode() const override { return OperatingMode::Standalone; }
    QLabel* HostStatus() override { return &status; }
    QLabel* StpVersionHolder() override { return &stp; }
    void ReadStpVersion() override {}

    ConnectionTexts texts;
    std::string program = "qtr5190mx";
    QLabel status, stp;
};

// Writes a counter of the switch (a Counter32, or a Counter64 when `wide`) over SNMPv2c.
void SetCounter(const std::string& oid, const std::string& value, bool wide = false) {
    TvSNMPRequest request;
    request.Target.Version = 1; // SNMPv1 carries no Counter64
    request.VarList.ItemType = TvSNMPVarList::itInstance;
    request.VarList.AddItem(oid, "counter", wide ? synCounter64 : synCounter32, accReadWrite);
    request.VarList.Item(0).Value = value;
    request.Set();
}

QStringList Cells(const QTreeWidget* list, int row) {
    QStringList cells;
    const QTreeWidgetItem* item = list->topLevelItem(row);
    if (item)
        for (int c = 1; c <= 5; ++c)
            cells << item->text(c);
    return cells;
}

void ClickRow(QTreeView* view, int row) {
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

void TypeInto(QComboBox* combo, const QString& text) {
    combo->lineEdit()->setText(text);
    QMetaObject::invokeMethod(combo->lineEdit(), "editingFinished");
}

// Lets the window's reads on their way come in.
bool Settle(TCounterWindow& w) {
    return PumpUntil([&] { return !w.Waiting(); });
}

// One tick of the window's timer and the read it starts.
void Tick(TCounterWindow& w) {
    w.Timer1Timer();
    QVERIFY(Settle(w));
}

int Count(const std::string& log, const std::string& what) {
    int n = 0;
    for (size_t at = log.find(what); at != std::string::npos; at = log.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

class TestCounterWindows : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    QStringList boxes;
    FakeHost host;

    void Connect(std::uint16_t port, int version = 1) {
        gSNMPDevice.Address = "127.0.0.1";
        gSNMPDevice.Port = port;
        gSNMPSecurity.Version = static_cast<std::int8_t>(version);
        gSNMPSecurity.ReadCommunity = "rdcomm";
        gSNMPSecurity.WriteCommunity = "wrtcomm";
    }
    QString DataFile(const char* name, const char* text) {
        const QString path = dir.filePath(name);
        std::ofstream(path.toStdString()) << text;
        return path;
    }

    // The window of `kind` on the test switch, its first reads in, its timer stopped: the test ticks it.
    std::unique_ptr<TCounterWindow> Open(const QString& kind) {
        std::unique_ptr<TCounterWindow> w;
        if (kind == "IF")
            w = std::make_unique<TIF_Counters>(nullptr, "127.0.0.1");
        else if (kind == "Bridge")
            w = std::make_unique<TTpBridgePortInfo_Table>(nullptr, "127.0.0.1");
        else
            w = std::make_unique<TCounterGroupWindow>(
                nullptr, "127.0.0.1", *TCounterGroupWindow::Find(("T" + kind + "_Counters").toStdString()));
        w->Timer1.stop();
        w->show();
        Settle(*w);
        return w;
    }

private slots:
    void initTestCase() {
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log", "--data", DataFile("counters.data", kTestData).toStdString()}),
                 sim->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes << title + ": " + text;
            return QMessageBox::Ok;
        });
    }
    void init() {
        Connect(sim->Port());
        gSNMPTimeout = 100;
        boxes.clear();
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    // The sampling rules through the real windows. Steps: "set N" writes the first counter of the window
    // (udpInDatagrams, ifInOctets.1, dot1dTpPortInFrames.1), "open", "tick", "reset", "click" (the
    // selected index row again), "advance MS" (the windows' clock), "expect VALUE DELTA PEAK" on the first
    // row ("*" any),
    // "rows N", "mark" and "same-peak-time".
    void Sampling_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("32-bit wrap, group window")
            << "UDP" << QStringList{"set 4294967290", "open", "tick", "set 5", "tick", "expect 5 11 11"};
        QTest::newRow("32-bit wrap, interface")
            << "IF" << QStringList{"set 4294967290", "open", "tick",          "expect - - -",
                                   "set 5",          "tick", "expect 5 11 11"};
        QTest::newRow("32-bit wrap, bridge port")
            << "Bridge" << QStringList{"set 4294967290", "open", "tick",          "expect - - -",
                                       "set 5",          "tick", "expect 5 11 11"};
        QTest::newRow("counter goes down")
            << "UDP" << QStringList{"set 1000", "open", "tick",
                                    "set 2000", "tick", "expect 2000 1000 1000",
                                    "set 500",  "tick", "expect 500 4294965796 4294965796"};
        QTest::newRow("counter goes down, bridge port: same peak rule")
            << "Bridge" << QStringList{"set 1000", "open", "tick",
                                       "set 2000", "tick", "expect 2000 1000 1000",
                                       "set 500",  "tick", "expect 500 4294965796 4294965796"};
        QTest::newRow("delta equal to the peak")
            << "IF" << QStringList{"set 100",          "open",          "tick",         "set 150", "tick",
                                   "expect 150 50 50", "mark",          "advance 1100", "set 200", "tick",
                                   "expect 200 50 50", "same-peak-time"};
        QTest::newRow("creation sample writes Value only")
            << "UDP"
            << QStringList{"set 777", "open", "expect 777 0 0", "set 800", "tick", "expect 800 0 23"};
        QTest::newRow("IP window: no creation sample")
            << "IP" << QStringList{"open", "rows 10", "expect 0 0 0", "tick", "expect 15000 0 0"};
        QTest::newRow("group baseline after Reset")
            << "UDP" << QStringList{"set 100",        "open",
                                    "tick",           "set 300",
                                    "tick",           "expect 300 200 200",
                                    "reset",          "expect 0 0 0",
                                    "set 400",        "tick",
                                    "expect 400 0 0", "set 450",
                                    "tick",           "expect 450 50 50"};
        QTest::newRow("instance baseline after Reset")
            << "IF" << QStringList{"set 100", "open",    "tick",
                                   "set 300", "tick",    "expect 300 200 200",
                                   "reset",   "rows 0",  "set 400",
                                   "tick",    "rows 11", "expect - - -",
                                   "set 450", "tick",    "expect 450 50 50"};
        QTest::newRow("a click on the selected row restarts the baseline")
            << "Bridge" << QStringList{"set 100",      "open",
                                       "tick",         "set 300",
                                       "tick",         "expect 300 200 200",
                                       "click",        "rows 0",
                                       "set 400",      "tick",
                                       "expect - - -", "set 450",
                                       "tick",         "expect 450 50 50"};
    }
    void Sampling() {
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        const char* oid = window == "UDP" ? kUdpInDatagrams : window == "IF" ? kIfInOctets1 : kPortInFrames1;
        std::unique_ptr<TCounterWindow> w;
        QString peakTime;
        // The interface is read through its 64-bit counters under SNMPv2c: the 32-bit rules are
        // tested under SNMPv1.
        if (window == "IF")
            Connect(sim->Port(), 0);
        for (const QString& step : steps) {
            const QStringList words = step.split(' ');
            const QString what = words[0];
            if (what == "set") {
                SetCounter(oid, words[1].toStdString());
            } else if (what == "open") {
                w = Open(window);
            } else if (what == "tick") {
                Tick(*w);
            } else if (what == "reset") {
                w->BT_Reset->click();
                QVERIFY(Settle(*w));
            } else if (what == "click") {
                auto* inst = static_cast<TCounterInstanceWindow*>(w.get());
                ClickRow(inst->IndexList, inst->IndexBinding()->SelectedRow());
                QVERIFY(Settle(*w));
            } else if (what == "advance") {
                TvCounterClock::Advance(words[1].toInt());
            } else if (what == "rows") {
                QCOMPARE(w->CounterList->topLevelItemCount(), words[1].toInt());
            } else if (what == "expect") {
                const QStringList cells = Cells(w->CounterList, 0);
                for (int k = 0; k < 3; ++k)
                    if (words[k + 1] != "*")
                        QVERIFY2(cells.value(k == 2 ? 3 : k) ==
                                     (words[k + 1] == "-" ? QString() : words[k + 1]),
                                 qPrintable(step + " got " + cells.join(' ') + " status " +
                                            w->StatusPanel->text()));
            } else if (what == "mark") {
                peakTime = Cells(w->CounterList, 0).value(4);
            } else if (what == "same-peak-time") {
                QCOMPARE(Cells(w->CounterList, 0).value(4), peakTime);
            }
        }
        QVERIFY(boxes.isEmpty());
        QVERIFY2(!w->StatusPanel->text().contains("valid"), qPrintable(w->StatusPanel->text()));
    }

    // A switch that restarts under the window: its counters start again from 0, which is no wrap. The
    // window starts a new base, says so, keeps its peak, and counts on from there.
    void SwitchRestartIsANewBase_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("group window") << "UDP";
        QTest::newRow("interface") << "IF";
    }
    void SwitchRestartIsANewBase() {
        QFETCH(QString, kind);
        const char* oid = kind == "UDP" ? kUdpInDatagrams : kIfInOctets1;
        if (kind == "IF")
            Connect(sim->Port(), 0);
        SetCounter(oid, "1000");
        auto w = Open(kind);
        Tick(*w);
        SetCounter(oid, "3000");
        Tick(*w);
        QCOMPARE(Cells(w->CounterList, 0).mid(0, 2), (QStringList{"3000", "2000"}));
        QVERIFY(sim->Restart()); // its counters start again, and so does its up time
        Tick(*w);
        QVERIFY2(w->StatusPanel->text().contains("The switch restarted"), qPrintable(w->StatusPanel->text()));
        const QStringList after = Cells(w->CounterList, 0);
        QCOMPARE(after.value(0), QString("0"));
        QCOMPARE(after.value(3), QString("2000")); // no absurd peak
        SetCounter(oid, "50");
        Tick(*w);
        QCOMPARE(Cells(w->CounterList, 0).mid(0, 2), (QStringList{"50", "50"}));
        QCOMPARE(Cells(w->CounterList, 0).value(3), QString("2000"));
        QVERIFY(boxes.isEmpty());
    }

    // The rate divides by the time that really passed; a paused window's clock runs and it sends nothing.
    void RateOverAPauseAndAPausedClock() {
        SetCounter(kUdpInDatagrams, "1000");
        auto w = Open("UDP");
        Tick(*w);
        TvCounterClock::Advance(1000);
        SetCounter(kUdpInDatagrams, "2000");
        Tick(*w);
        const int rate = Cells(w->CounterList, 0).value(2).toInt();
        QVERIFY2(rate > 900 && rate <= 1000, qPrintable(Cells(w->CounterList, 0).join(' ')));

        w->BT_Stop->click();
        const QStringList before = Cells(w->CounterList, 0);
        const int reads = Count(sim->Log(), "GETNEXT");
        const QString clock = w->ST_Time->text();
        TvCounterClock::Advance(1500);
        SetCounter(kUdpInDatagrams, "3000");
        Tick(*w);
        QVERIFY(w->ST_Time->text() != clock);
        QCOMPARE(Cells(w->CounterList, 0), before);
        QCOMPARE(Count(sim->Log(), "GETNEXT"), reads);

        // Resumed, the delta spans the pause and the rate its whole time.
        TvCounterClock::Advance(1000);
        SetCounter(kUdpInDatagrams, "4500");
        w->BT_Start->click();
        Tick(*w);
        const QStringList after = Cells(w->CounterList, 0);
        QCOMPARE(after.value(1), QString("2500"));
        const qulonglong afterRate = after.value(2).toULongLong();
        QVERIFY2(afterRate > 900 && afterRate <= 1000, qPrintable(after.join(' ')));
    }

    // Slow reads: the rate counts the time that passed between the switch's answers, not the interval.
    void RateOverSlowReads() {
        SimSwitch slow;
        QVERIFY2(slow.Start({"--delay", "400", "--data", DataFile("slow.data", kTestData).toStdString()}),
                 slow.Error().c_str());
        Connect(slow.Port());
        gSNMPTimeout = 300;
        auto w = Open("UDP");
        Tick(*w);
        Tick(*w);
        // udpNoPorts grows by 1000 a second on the switch; one slow read lies between the two answers.
        const QStringList cells = Cells(w->CounterList, 1);
        const qulonglong delta = cells.value(1).toULongLong();
        const qulonglong rate = cells.value(2).toULongLong();
        QVERIFY2(delta > 350, qPrintable(cells.join(' ')));
        QVERIFY2(rate > 900 && rate < 1100, qPrintable(cells.join(' ')));
    }

    // H entries in every history list and chart series; twelve samples push out the oldest two.
    void HistoryAndChart() {
        SetCounter(kPortInFrames1, "1000");
        auto w = Open("Bridge");
        auto* bridge = static_cast<TTpBridgePortInfo_Table*>(w.get());
        Tick(*w);
        QCOMPARE(bridge->History().Count(), 10);
        for (QLineSeries* s : bridge->Series())
            QCOMPARE(s->count(), 10);
        QCOMPARE(bridge->Series()[0]->at(9).y(), 0.0);
        std::uint64_t value = 1000;
        for (int n = 1; n <= 12; ++n) {
            value += static_cast<std::uint64_t>(n);
            SetCounter(kPortInFrames1, std::to_string(value));
            Tick(*w);
        }
        const std::vector<HistoryData>& input = bridge->History().List(0);
        QCOMPARE(input.size(), size_t{10});
        for (size_t j = 0; j < input.size(); ++j) {
            QCOMPARE(input[j].value, j + 3);
            QVERIFY(!input[j].time.empty());
            QCOMPARE(bridge->Series()[0]->at(static_cast<int>(j)).y(), static_cast<double>(j + 3));
        }
        QCOMPARE(bridge->Series()[0]->name(), QString("Input Frames"));
        QCOMPARE(bridge->Series()[2]->color(), QColor(Qt::yellow));

        // A paused window's chart stays as it is.
        w->BT_Stop->click();
        SetCounter(kPortInFrames1, "99999");
        Tick(*w);
        QCOMPARE(bridge->Series()[0]->at(9).y(), 12.0);
        w->BT_Start->click();

        // A new history count discards the history and restarts the baseline; a bad one is refused.
        TypeInto(bridge->CB_HistoryCount, "20");
        QVERIFY(Settle(*w));
        QCOMPARE(bridge->History().Count(), 20);
        QCOMPARE(bridge->History().List(0).back().value, 0ull);
        QCOMPARE(w->CounterList->topLevelItemCount(), 0);
        Tick(*w);
        QCOMPARE(Cells(w->CounterList, 0), (QStringList{"", "", "", "", Cells(w->CounterList, 0)[4]}));
        QCOMPARE(bridge->Series()[0]->count(), 20);
        for (const char* bad : {"0", "x", "2.5"}) {
            TypeInto(bridge->CB_HistoryCount, bad);
            QCOMPARE(bridge->History().Count(), 20);
            QCOMPARE(bridge->CB_HistoryCount->currentText(), QString("20"));
        }
        QCOMPARE(boxes.size(), 3);
        QVERIFY(boxes[0].startsWith("Error: '0' is not a valid history count"));
        QCOMPARE(bridge->CK_U3D->isChecked(), false);
    }

    // Whole seconds from 1 up; anything else is refused and the interval stays.
    void Interval_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ms");
        QTest::addColumn<bool>("refused");
        QTest::newRow("5") << "5" << 5000 << false;
        QTest::newRow("typed 2") << "2" << 2000 << false;
        QTest::newRow("0") << "0" << 1000 << true;
        QTest::newRow("negative") << "-5" << 1000 << true;
        QTest::newRow("fraction") << "0.5" << 1000 << true;
        QTest::newRow("text") << "fast" << 1000 << true;
        QTest::newRow("overflow") << "99999999" << 1000 << true;
    }
    void Interval() {
        QFETCH(QString, typed);
        QFETCH(int, ms);
        QFETCH(bool, refused);
        auto w = Open("UDP");
        QCOMPARE(w->Timer1.interval(), 1000);
        TypeInto(w->CB_Interval, typed);
        QCOMPARE(w->Timer1.interval(), ms);
        QCOMPARE(boxes.size(), refused ? 1 : 0);
        if (refused) {
            QVERIFY2(boxes[0].startsWith("Error: '" + typed + "' is not a valid poll interval"),
                     qPrintable(boxes[0]));
            QCOMPARE(w->CB_Interval->currentText(), QString("1"));
        }
        // Choosing an item neither resets nor restarts sampling.
        w->CB_Interval->setCurrentIndex(2);
        emit w->CB_Interval->activated(2);
        QCOMPARE(w->Timer1.interval(), 10000);
        QVERIFY(w->Running());
    }

    // The 64-bit counters where the switch has them, the 32-bit ones (said so) where not.
    void HighCapacityCounters_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QString>("status");
        QTest::newRow("SNMPv2c") << 1 << 0 << true << "64-bit counters";
        QTest::newRow("SNMPv1") << 0 << 0 << false << "32-bit counters: SNMPv1";
        QTest::newRow("SNMPv2c, interface without them") << 1 << 1 << false << "no 64-bit counters";
    }
    void HighCapacityCounters() {
        QFETCH(int, version);
        QFETCH(int, row);
        QFETCH(bool, wide);
        QFETCH(QString, status);
        Connect(sim->Port(), version);
        SetCounter(kIfInOctets1, "4000000000");
        SetCounter(kIfHCInOctets1, "4294967000", true);
        auto w = Open("IF");
        auto* inf = static_cast<TIF_Counters*>(w.get());
        if (row != 0) {
            ClickRow(inf->IndexList, row);
            QVERIFY(Settle(*w));
        }
        QCOMPARE(inf->HighCapacity(), wide);
        Tick(*w);
        QVERIFY2(w->StatusPanel->text().contains(status), qPrintable(w->StatusPanel->text()));
        if (row == 0) {
            SetCounter(kIfInOctets1, "1000");
            SetCounter(kIfHCInOctets1, "4294968296", true);
        }
        Tick(*w);
        const QStringList cells = Cells(w->CounterList, 0);
        if (row == 0 && wide)
            QCOMPARE(cells.mid(0, 2), (QStringList{"4294968296", "1296"}));
        else if (row == 0)
            QCOMPARE(cells.mid(0, 2), (QStringList{"1000", "294968296"}));
        else
            QCOMPARE(cells.value(0), QString("0"));
        // In and out bits per second on the traffic page.
        // The octets' rate also in bits per second.
        const qulonglong rate = cells.value(2).section(' ', 0, 0).toULongLong();
        if (row == 0)
            QCOMPARE(cells.value(2), QString("%1 (%2 bit/s)").arg(rate).arg(rate * 8));
        QCOMPARE(inf->Traffic().List(0).back().value, rate * 8);
        QVERIFY(boxes.isEmpty());
    }

    // A Reset whose read fails says so, leaves the window paused on what it counted; Start resumes.
    void ResetReadFailure() {
        Connect(sim->Port(), 0);
        gSNMPTimeout = 30; // the stopped switch's silence is all this waits for
        SetCounter(kIfInOctets1, "100");
        auto w = Open("IF");
        Tick(*w);
        const std::string counted = w->CounterBinding()->Request.VarList.Item(2).Oid;
        sim->Stop();
        w->BT_Reset->click();
        QVERIFY(Settle(*w));
        QVERIFY(sim->Restart());
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith("Error: "), qPrintable(boxes[0]));
        QVERIFY(!w->Running());
        QCOMPARE(w->CounterBinding()->Request.VarList.Item(2).Oid, counted);
        QCOMPARE(w->CounterList->topLevelItemCount(), 11);
        // Start resumes on the row it counted; the switch restarted meanwhile, so that is a new base.
        w->BT_Start->click();
        SetCounter(kIfInOctets1, "160");
        Tick(*w);
        QVERIFY2(w->StatusPanel->text().contains("The switch restarted"), qPrintable(w->StatusPanel->text()));
        QCOMPARE(Cells(w->CounterList, 0).value(0), QString("160"));
        SetCounter(kIfInOctets1, "220");
        Tick(*w);
        QCOMPARE(Cells(w->CounterList, 0).mid(0, 2), (QStringList{"220", "60"}));
    }

    // A read failure during sampling goes to the status bar; the next tick tries again.
    void ReadFailureDuringSampling() {
        gSNMPTimeout = 30;
        auto w = Open("UDP");
        Tick(*w);
        const QStringList before = Cells(w->CounterList, 0);
        sim->Stop();
        Tick(*w);
        QVERIFY2(w->StatusPanel->text().startsWith("Get: "), qPrintable(w->StatusPanel->text()));
        QVERIFY(!w->StatusPanel->text().contains("Ok!"));
        QCOMPARE(Cells(w->CounterList, 0), before);
        QVERIFY(sim->Restart());
        Tick(*w);
        QVERIFY2(w->StatusPanel->text().contains("The switch restarted"), qPrintable(w->StatusPanel->text()));
        Tick(*w);
        QVERIFY(w->StatusPanel->text().contains("Ok!"));
        QVERIFY(boxes.isEmpty());
    }

    // An instance window that finds no rows says so and closes; the program runs on.
    void NoRowsClosesTheWindow_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("interface") << "TIF_Counters";
        QTest::newRow("bridge port") << "TTpBridgePortInfo_Table";
    }
    void NoRowsClosesTheWindow() {
        QFETCH(QString, target);
        SimSwitch bare;
        QVERIFY2(bare.Start({"--data", DataFile("empty.data", kEmptyData).toStdString()}),
                 bare.Error().c_str());
        Connect(bare.Port());
        const TvWindowRegistry::Opener* open = TvWindowRegistry::Find(target.toStdString());
        QVERIFY(open);
        TvMenuNode entry;
        (*open)(host, entry); // the window opens, learns that there is nothing to count and closes
        QVERIFY(PumpUntil([&] { return !boxes.isEmpty() && TvOpenWindows::All().empty(); }));
        QCOMPARE(boxes, QStringList{"Error: This device don't support it!"});
        bool alive = false;
        QTimer::singleShot(0, [&] { alive = true; });
        QVERIFY(PumpUntil([&] { return alive; }, 2000));
        QVERIFY(!QCoreApplication::closingDown());
    }

    // A switch silent when the window opens: the window says so in its status line, stays, and the ticks
    // after the switch answers walk the index, read the first row and sample; Escape closes it meanwhile.
    void SilentAtFirstThenCounted_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("interface") << "IF";
        QTest::newRow("bridge port") << "Bridge";
    }
    void SilentAtFirstThenCounted() {
        QFETCH(QString, kind);
        Connect(sim->Port(), 0);
        gSNMPTimeout = 5;
        sim->Stop();
        auto w = Open(kind);
        auto* inst = static_cast<TCounterInstanceWindow*>(w.get());
        QVERIFY(boxes.isEmpty());
        QVERIFY(inst->isVisible());
        QVERIFY(!inst->Sampling());
        QVERIFY2(w->StatusPanel->text().startsWith("Get: ") && !w->StatusPanel->text().contains("Ok!"),
                 qPrintable(w->StatusPanel->text()));
        Tick(*w); // still silent: tried again, said again
        QVERIFY(!inst->Sampling());
        QVERIFY(sim->Restart());
        Tick(*w);
        QVERIFY(inst->Sampling());
        QCOMPARE(inst->ST_Index->text(), QString("1"));
        SetCounter(kind == "IF" ? kIfInOctets1 : kPortInFrames1, "100"); // a restarted switch starts over
        Tick(*w);                                                        // the base: no value yet
        QCOMPARE(Cells(w->CounterList, 0).mid(0, 2), (QStringList{"", ""}));
        SetCounter(kind == "IF" ? kIfInOctets1 : kPortInFrames1, "160");
        Tick(*w);
        QCOMPARE(Cells(w->CounterList, 0).mid(0, 2), (QStringList{"160", "60"}));
        QVERIFY(w->StatusPanel->text().contains("Ok!"));
        QVERIFY(boxes.isEmpty());

        // Silent again: Escape closes the window at once, its read on its way given up.
        sim->Stop();
        gSNMPTimeout = 300;
        w->Timer1Timer();
        QVERIFY(w->Waiting());
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(!w->Waiting());
        QVERIFY(sim->Restart());
    }

    // The group windows on the busy switch of the default data: their rows, title, the creation sample
    // and deltas from the second tick on.
    void GroupWindows_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("creationSample");
        QTest::newRow("UDP") << "UDP" << 4 << "udpInDatagrams"
                             << "UDP Counters : 127.0.0.1" << true;
        QTest::newRow("IP") << "IP" << 10 << "ipInReceives"
                            << "IP Counters : 127.0.0.1" << false;
        QTest::newRow("SNMP") << "SNMP" << 27 << "snmpInPkts"
                              << "SNMP Counters : 127.0.0.1" << true;
        QTest::newRow("ICMP") << "ICMP" << 26 << "icmpInMsgs"
                              << "ICMP Counters : 127.0.0.1" << true;
    }
    void GroupWindows() {
        QFETCH(QString, kind);
        QFETCH(int, rows);
        QFETCH(QString, first);
        QFETCH(QString, title);
        QFETCH(bool, creationSample);
        SimSwitch busy;
        QVERIFY2(busy.Start(), busy.Error().c_str());
        Connect(busy.Port());
        auto w = Open(kind);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(w->CounterList->topLevelItemCount(), rows);
        QCOMPARE(w->CounterList->topLevelItem(0)->text(0), first);
        QCOMPARE(w->CounterList->headerItem()->text(5), QString("Peak Occured at"));
        QCOMPARE(Cells(w->CounterList, 0).value(0) != "0", creationSample);
        QCOMPARE(Cells(w->CounterList, 0).value(1), QString("0"));
        Tick(*w);
        QVERIFY(Cells(w->CounterList, 0).value(0) != "0");
        QCOMPARE(Cells(w->CounterList, 0).value(1), QString("0"));
        // The busy switch's counters grow on their own, some only once a second.
        QElapsedTimer waited;
        waited.start();
        do {
            QTest::qSleep(100);
            Tick(*w);
        } while (Cells(w->CounterList, 0).value(1) == "0" && waited.elapsed() < 3000);
        QVERIFY2(Cells(w->CounterList, 0).value(1).toULongLong() > 0,
                 qPrintable(Cells(w->CounterList, 0).join(' ')));
        QVERIFY2(w->StatusPanel->text().startsWith("Get: (TvSNMP++) Ok!"),
                 qPrintable(w->StatusPanel->text()));
        // The counters copy and export like every other table.
        const TvTableExport* exporter = TvTableExport::Of(w->CounterList);
        QVERIFY(exporter);
        const QByteArray csv = exporter->Csv();
        QVERIFY2(csv.startsWith("Name,Value,Delta /poll,Rate /s,Peak /poll,Peak Occured at\r\n" +
                                first.toUtf8() + ","),
                 csv.left(200).constData());
        QCOMPARE(csv.count("\r\n"), rows + 1);
    }

    // Every counter window is registered for its menu entry.
    void Registered() {
        for (const char* target : {"TIF_Counters", "TIP_Counters", "TICMP_Counters", "TUDP_Counters",
                                   "TSNMP_Counters", "TTpBridgePortInfo_Table"})
            QVERIFY2(TvWindowRegistry::Find(target), target);
    }

    // The busy switch of the default data, charted: pictures for the documentation.
    void GrabCharts() {
        SimSwitch busy;
        QVERIFY2(busy.Start(), busy.Error().c_str());
        Connect(busy.Port());
        const QString out = QCoreApplication::applicationDirPath();
        for (const QString& kind : {QString("Bridge"), QString("IF")}) {
            auto w = Open(kind);
            w->show();
            // Eleven polls a second apart on the windows' clock, the counters growing for 50 ms each.
            for (int n = 0; n < 11; ++n) {
                Tick(*w);
                TvCounterClock::Advance(950);
                QTest::qWait(50);
            }
            auto* pages = w->findChild<QTabWidget*>("PC_Pages");
            QVERIFY(pages);
            QVERIFY(w->grab().save(
                out + (kind == "IF" ? "/monitor_if_counters.png" : "/monitor_port_counters.png")));
            pages->setCurrentIndex(1);
            QTest::qWait(50);
            QVERIFY(
                w->grab().save(out + (kind == "IF" ? "/monitor_if_traffic.png" : "/monitor_port_chart.png")));
            QVERIFY2(w->StatusPanel->text().contains("Ok!"), qPrintable(w->StatusPanel->text()));
        }
    }
};

QTEST_MAIN(TestCounterWindows)
#include "tst_CounterWindows.moc"
