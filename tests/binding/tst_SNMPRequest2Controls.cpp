#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvSNMPRequest2Controls.h"
#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/RogueAgent.h"
#include "support/SimSwitch.h"
#include "support/SnmpdAgent.h"

#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// dot1qVlanCurrentTable: three rows in the switch's default data.
constexpr TvSNMPVarDef kVlanCurrent[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "Time Mark", synInteger, accIndex},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", synInteger, accIndex},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", synGauge32, accReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "Status", synInteger, accReadOnly},
    {nullptr},
};

// dot1qPortVlanTable: one row per port; the PVID is writable.
constexpr TvSNMPVarDef kPortVlan[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port", synInteger, accIndex},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", synGauge32, accReadWrite},
    {nullptr},
};

constexpr TvSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.4", "Contact", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite},
    {nullptr},
};

// Records every step; ReceiveOne notes the row's values and may run a test's action.
class RecordingBinding : public TvSNMPRequest2Controls {
public:
    RecordingBinding(QWidget* owner, const TvSNMPVarDef* table, int itemType, int keyCount, const char* name)
        : TvSNMPRequest2Controls(owner) {
        Request.VarList.Assign(TvSNMPVarList(table, itemType, keyCount));
        Request.VarList.Name = name;
    }
    ~RecordingBinding() override { alive = false; }

    void BeforeGet() override { log << "BeforeGet"; }
    void BeforeSet() override { log << "BeforeSet"; }
    void ReceiveOne() override {
        QString row;
        for (int i = 0; i < Request.VarList.Count(); ++i)
            row += (i ? "|" : "") + FromBytes(Request.VarList.Item(i).Value);
        log << "ReceiveOne " + row;
        if (onReceive)
            onReceive();
    }
    void ControlsToValues() override { log << "ControlsToValues"; }
    void AfterGet() override { log << "AfterGet"; }
    void AfterSet() override { log << "AfterSet"; }

    QStringList log;
    std::function<void()> onReceive;
    bool alive = true;
};

void UseAgent(std::uint16_t port, const std::string& write = "wrtcomm") {
    gSNMPDevice.Address = "127.0.0.1";
    gSNMPDevice.Port = port;
    gSNMPSecurity.Version = 1;
    gSNMPSecurity.ReadCommunity = "rdcomm";
    gSNMPSecurity.WriteCommunity = write;
    gSNMPTimeout = 100;
}

// A status line of `op` with `error` and `name`, at any time of the locale's 12-hour clock.
QRegularExpression StatusLine(const QString& op, const QString& error, const QString& name) {
    const QLocale locale = QLocale::system();
    const QString request = name.isEmpty() ? QString() : " Request:" + QRegularExpression::escape(name);
    return QRegularExpression("^" + op + ": " + QRegularExpression::escape(error) + request +
                              "\\. Receive at (0[1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (" +
                              QRegularExpression::escape(locale.amText()) + "|" +
                              QRegularExpression::escape(locale.pmText()) + ")\\.$");
}

} // namespace

class TestSNMPRequest2Controls : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    std::unique_ptr<QPlainTextEdit> memo;
    QStringList boxes;
    int getDone = 0;
    int setDone = 0;
    int lastCode = 1;

    QStringList MemoLines() const {
        const QString text = memo->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }
    void Watch(TvSNMPRequest2Controls& b) {
        b.OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& e) {
            ++getDone;
            lastCode = e.Code;
        };
        b.OnSetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& e) {
            ++setDone;
            lastCode = e.Code;
        };
    }

private slots:
    void initTestCase() {
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start(), sim->Error().c_str());
    }
    void cleanupTestCase() { sim.reset(); }
    void init() {
        UseAgent(sim->Port());
        memo = std::make_unique<QPlainTextEdit>();
        memo->setReadOnly(true);
        boxes.clear();
        getDone = setDone = 0;
        lastCode = 1;
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes << title + ": " + text;
            return QMessageBox::Ok;
        });
    }
    void cleanup() {
        memo.reset();
        TvMessageBox::SetHook({});
        ResetMessageTables();
    }

    void asyncTableReadOfThreeRows() {
        RecordingBinding b(nullptr, kVlanCurrent, 2, 2, "VLAN Current");
        b.SetStatusTarget(memo.get());
        Watch(b);
        b.Get();
        QVERIFY(b.Busy);
        QVERIFY(PumpUntil([&] { return !b.Busy; }));
        QCOMPARE(b.log, QStringList({"BeforeGet", "ReceiveOne 1|1|10|3", "ReceiveOne 2|2|20|3",
                                     "ReceiveOne 3|3|30|3", "AfterGet"}));
        QCOMPARE(b.ReceivedCount, 3);
        QCOMPARE(MemoLines().size(), 1);
        QVERIFY2(StatusLine("Get", "(TvSNMP++) Ok!", "VLAN Current").match(MemoLines()[0]).hasMatch(),
                 qPrintable(MemoLines()[0]));
        QCOMPARE(getDone, 1);
        QCOMPARE(lastCode, 0);
        QVERIFY(boxes.isEmpty());
    }

    void clearingEnabledStopsATableRead() {
        RecordingBinding b(nullptr, kVlanCurrent, 2, 2, "VLAN Current");
        b.SetStatusTarget(memo.get());
        Watch(b);
        b.onReceive = [&] { b.Request.Enabled = false; };
        b.Get();
        QVERIFY(PumpUntil([&] { return !b.Busy; }));
        QCOMPARE(b.log, QStringList({"BeforeGet", "ReceiveOne 1|1|10|3", "AfterGet"}));
        QCOMPARE(b.ReceivedCount, 1);
        QCOMPARE(MemoLines().size(), 1);
        QVERIFY(StatusLine("Get", "(TvSNMP++) Ok!", "VLAN Current").match(MemoLines()[0]).hasMatch());
        QCOMPARE(getDone, 1);

        // A stopped request sends nothing more: Get in event-pump mode does nothing at all.
        b.log.clear();
        b.Get();
        QVERIFY(!b.Busy);
        QCOMPARE(b.log, QStringList({"BeforeGet"}));
        QCOMPARE(MemoLines().size(), 1);
    }

    // An endless table stops at the row limit with a status line saying so; the rows stay.
    void endlessTableStopsAtTheRowLimit() {
        RogueAgent rogue;
        QVERIFY2(rogue.Start("endless"), rogue.Error().c_str());
        UseAgent(rogue.Port());
        constexpr TvSNMPVarDef endless[] = {
            {"1.3.6.1.4.1.59371.99.2.1.1", "Index", synInteger, accIndex},
            {"1.3.6.1.4.1.59371.99.2.1.2", "Name", synDisplayString, accReadOnly},
            {nullptr},
        };
        for (const bool async : {true, false}) {
            memo->clear();
            getDone = 0;
            RecordingBinding b(nullptr, endless, 2, 1, "Endless");
            b.Asynchronous = async;
            b.MaxRows = 40;
            b.SetStatusTarget(memo.get());
            Watch(b);
            b.Get();
            QVERIFY(PumpUntil([&] { return !b.Busy; }));
            QCOMPARE(b.ReceivedCount, 40);
            QCOMPARE(b.log.size(), 42); // BeforeGet, 40 rows, AfterGet
            QCOMPARE(b.log[40], QString("ReceiveOne 40|row-40"));
            QCOMPARE(b.log.last(), QString("AfterGet"));
            QCOMPARE(MemoLines().size(), 1);
            QVERIFY2(StatusLine("Get", "(TvSNMP++) Walk stopped at the row limit of 40 rows!", "Endless")
                         .match(MemoLines()[0])
                         .hasMatch(),
                     qPrintable(MemoLines()[0]));
            if (async) {
                QCOMPARE(getDone, 1);
                QCOMPARE(lastCode, -535);
            }
        }
        QCOMPARE(TvSNMPRequest2Controls::kDefaultMaxRows, 100000);
    }

    void timeoutGoesToTheStatusTarget() {
        UseAgent(SnmpdAgent::ClosedPort());
        gSNMPTimeout = 20;
        RecordingBinding b(nullptr, kSystem, 0, 0, "System");
        b.SetStatusTarget(memo.get());
        Watch(b);
        b.Get();
        QVERIFY(PumpUntil([&] { return !b.Busy; }));
        QCOMPARE(MemoLines().size(), 1);
        QVERIFY2(StatusLine("Get", "(SNMPClass) SNMP request timed out!", "System")
                     .match(MemoLines()[0])
                     .hasMatch(),
                 qPrintable(MemoLines()[0]));
        QVERIFY(boxes.isEmpty());
        QCOMPARE(getDone, 1);
        QCOMPARE(lastCode, static_cast<int>(errTimeout));
        QCOMPARE(b.log, QStringList({"BeforeGet"}));
    }

    void timeoutWithoutTargetShowsABox() {
        UseAgent(SnmpdAgent::ClosedPort());
        gSNMPTimeout = 20;
        QWidget owner;
        RecordingBinding b(&owner, kSystem, 0, 0, "System");
        Watch(b);
        b.Get();
        QVERIFY(PumpUntil([&] { return !b.Busy; }));
        QCOMPARE(boxes, QStringList({QFileInfo(QCoreApplication::applicationFilePath()).fileName() +
                                     ": (SNMPClass) SNMP request timed out!"}));
        QCOMPARE(getDone, 1);
    }

    void blockingTableWriteRefreshes() {
        RecordingBinding b(nullptr, kPortVlan, 2, 1, "Port VLAN");
        b.Asynchronous = false;
        b.SetStatusTarget(memo.get());
        b.Get();
        const int ports = b.ReceivedCount;
        QVERIFY(ports >= 3);
        memo->clear();
        b.log.clear();

        b.Request.VarList.Item(0).Value = "3";
        b.Request.VarList.Item(1).Value = "30";
        b.Set(true, true);
        QCOMPARE(MemoLines().size(), 2);
        QVERIFY2(StatusLine("Set", "(TvSNMP++) Ok!", "Port VLAN").match(MemoLines()[0]).hasMatch(),
                 qPrintable(MemoLines()[0]));
        QVERIFY(StatusLine("Get", "(TvSNMP++) Ok!", "Port VLAN").match(MemoLines()[1]).hasMatch());
        QCOMPARE(b.log.mid(0, 5),
                 QStringList({"BeforeSet", "ControlsToValues", "AfterSet", "BeforeGet", "ReceiveOne 1|10"}));
        QVERIFY(b.log.contains("ReceiveOne 3|30"));
        QCOMPARE(b.ReceivedCount, ports);
        QCOMPARE(b.LastOperation, TvSNMPRequest2Controls::opGet);

        // Without refresh only the Set line; the value goes back as it was.
        memo->clear();
        b.Request.VarList.Item(0).Value = "3";
        b.Request.VarList.Item(1).Value = "10";
        b.Set(false, false);
        QCOMPARE(MemoLines().size(), 1);
        QVERIFY(MemoLines()[0].startsWith("Set: (TvSNMP++) Ok!"));
    }

    void asyncWriteRefusedReportsTheAgentsError() {
        UseAgent(sim->Port(), "rdcomm"); // read-only community: the switch answers noAccess
        RecordingBinding b(nullptr, kSystem, 0, 0, "");
        QStatusBar bar;
        b.SetStatusTarget(&bar);
        Watch(b);
        b.Request.VarList.Item(0).Value = "nobody";
        b.Set(true, false, {0});
        QVERIFY(PumpUntil([&] { return !b.Busy; }));
        QCOMPARE(setDone, 1);
        QCOMPARE(lastCode, -106);
        QVERIFY2(StatusLine("Set", CatalogText(-106).c_str(), "").match(bar.currentMessage()).hasMatch(),
                 qPrintable(bar.currentMessage()));
        QCOMPARE(b.log, QStringList({"BeforeSet"}));
    }

    void blockingErrorsPropagateWithoutALine() {
        UseAgent(SnmpdAgent::ClosedPort());
        gSNMPTimeout = 10;
        RecordingBinding b(nullptr, kSystem, 0, 0, "System");
        b.Asynchronous = false;
        b.SetStatusTarget(memo.get());
        try {
            b.Get();
            QFAIL("no exception");
        } catch (const TvException& e) {
            QCOMPARE(e.Code(), static_cast<int>(errTimeout));
        }
        QVERIFY(!b.Busy);
        QVERIFY(MemoLines().isEmpty());
        QCOMPARE(b.log, QStringList({"BeforeGet"}));
        // The caller shows the message with the template of the failed operation.
        b.ShowStatus(CatalogText(errTimeout));
        QVERIFY(StatusLine("Get", "(SNMPClass) SNMP request timed out!", "System")
                    .match(MemoLines()[0])
                    .hasMatch());
    }

    void processingErrorEndsTheRead() {
        RecordingBinding b(nullptr, kVlanCurrent, 2, 2, "VLAN Current");
        TvStatusPanel* panel = nullptr;
        QMainWindow window;
        panel = new TvStatusPanel(window.statusBar());
        b.SetStatusTarget(panel);
        Watch(b);
        b.onReceive = [] { RaiseError(errPartialIndex); };
        b.Get();
        QVERIFY(PumpUntil([&] { return !b.Busy; }));
        QCOMPARE(b.log, QStringList({"BeforeGet", "ReceiveOne 1|1|10|3"}));
        QCOMPARE(getDone, 0);
        QVERIFY2(StatusLine("Get", CatalogText(errPartialIndex).c_str(), "VLAN Current")
                     .match(panel->text())
                     .hasMatch(),
                 qPrintable(panel->text()));
        window.resize(900, 60);
        QVERIFY(window.grab().save(QDir::temp().filePath("qtr-status-panel.png")));
    }

    // A binding destroyed while its read is in flight is never called back.
    void destructionWithAReadInFlight() {
        UseAgent(SnmpdAgent::ClosedPort());
        gSNMPTimeout = 10;
        bool reached = false;
        {
            auto b = std::make_unique<RecordingBinding>(nullptr, kSystem, 0, 0, "System");
            b->SetStatusTarget(memo.get());
            b->OnGetDone = [&](TvSNMPRequest2Controls&, TvSNMPError&) { reached = true; };
            b->Get();
            QCOMPARE(b->Request.Outstanding, 1);
            b.reset(); // waits for the timeout inside the request
        }
        QVERIFY(!reached);
        QVERIFY(MemoLines().isEmpty());
    }

    void statusTemplates_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("line");
        const QString get = "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].";
        QTest::newRow("named") << get << "Port Settings"
                               << "(TvSNMP++) Ok!"
                               << "Get: (TvSNMP++) Ok! Request:Port Settings. Receive at 03:04:09 PM.";
        QTest::newRow("unnamed") << get << ""
                                 << "(TvSNMP++) Ok!"
                                 << "Get: (TvSNMP++) Ok!. Receive at 03:04:09 PM.";
        QTest::newRow("no varlist") << "[ERROR] at [TIME]"
                                    << ""
                                    << "E"
                                    << "E at 03:04:09 PM";
        QTest::newRow("varlist first") << "[VARLIST]: [ERROR]"
                                       << ""
                                       << "E"
                                       << "[VARLIST]: E";
        QTest::newRow("varlist first, named") << "[VARLIST]: [ERROR]"
                                              << "L"
                                              << "E"
                                              << "L: E";
        QTest::newRow("every occurrence") << "[ERROR]/[ERROR] [VARLIST] [VARLIST]"
                                          << "L"
                                          << "E"
                                          << "E/E L L";
        QTest::newRow("inserted text not searched") << "[ERROR] [TIME]"
                                                    << ""
                                                    << "[ERROR]"
                                                    << "[ERROR] 03:04:09 PM";
    }
    void statusTemplates() {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QString, error);
        QFETCH(QString, line);
        QCOMPARE(FromBytes(TvSNMPRequest2Controls::FormatStatus(ToBytes(form), ToBytes(name), ToBytes(error),
                                                                "03:04:09 PM")),
                 line);
    }

    void statusLineFollowsTheMessageFile() {
        gSnmpMsgTable.Replace({"Lesen: [ERROR] ([VARLIST])", "Schreiben: [ERROR]"});
        RecordingBinding b(nullptr, kSystem, 0, 0, "System");
        b.SetStatusTarget(memo.get());
        b.LastOperation = TvSNMPRequest2Controls::opSet;
        b.ShowStatus("ok");
        b.LastOperation = TvSNMPRequest2Controls::opGet;
        b.ShowStatus("ok");
        QCOMPARE(MemoLines(), QStringList({"Schreiben: ok", "Lesen: ok (System)"}));
    }
};

QTEST_MAIN(TestSNMPRequest2Controls)
#include "tst_SNMPRequest2Controls.moc"
