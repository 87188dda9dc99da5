#include "base/TvException.h"
#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/TvFrontPanel.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"
#include "windows/TSTP_Info.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace {

const std::string kStp = "1.3.6.1.4.1.59371.12.15.1.";
const std::string kSnmpInSetRequests = "1.3.6.1.2.1.11.17";
const std::string kSnmpInPkts = "1.3.6.1.2.1.11.1";

// What the simulated switch holds at `arc` under the spanning tree group, read with a request of its own.
std::string ReadSwitch(const std::string& oid) {
    TvSNMPRequest r;
    r.VarList.AddItem(oid, "value", synInteger, accReadOnly);
    r.GetStep(true);
    return r.VarList.Item(0).Value;
}

void WriteSwitch(const std::string& oid, const std::string& value) {
    TvSNMPRequest r;
    r.VarList.AddItem(oid, "value", synInteger, accReadWrite);
    r.VarList.Item(0).Value = value;
    r.Set();
}

void PutSwitch(int version, const char* maxAge = "2000", const char* hello = "200",
               const char* delay = "1500", const char* hops = "20", const char* hold = "3",
               const char* bpdu = "2") {
    WriteSwitch(kStp + "2", std::to_string(version));
    WriteSwitch(kStp + "3", maxAge);
    WriteSwitch(kStp + "4", hello);
    WriteSwitch(kStp + "5", delay);
    WriteSwitch(kStp + "6", hops);
    WriteSwitch(kStp + "7", hold);
    WriteSwitch(kStp + "8", bpdu);
}

// The main window's part that the menu handler uses: the version holder and its real read.
class FakeHost : public TvWindowHost {
public:
    QWidget window;
    QLabel holder;
    QLabel status;
    ConnectionTexts texts;
    std::string program = "qtr5190mx";
    int reads = 0;

    QWidget* HostWindow() override { return &window; }
    const ConnectionTexts& Connection() const override { return texts; }
    const std::string& ProgramFile() const override { return program; }
    OperatingMode Mode() const override { return OperatingMode{}; }
    QLabel* HostStatus() override { return &status; }
    QLabel* StpVersionHolder() override { return &holder; }
    void ReadStpVersion() override {
        ++reads;
        TvSNMPRequest2Edits read(&window);
        read.Asynchronous = false;
        read.Request.VarList.Assign(TvSNMPVarList(kStpVersion, TvSNMPVarList::itScalars, 0));
        read.BindStaticText(0, &holder);
        try {
            read.Get();
        } catch (const TvException& e) {
            status.setText(FromBytes(e.Message()));
        }
    }
};

} // namespace

class TestSTP_Info : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    QStringList questions; // Yes/No questions, answered with `answer`
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QLabel running;

    // The spanning tree arcs of the SET lines after `from` ("2" for Version ...).
    QStringList ArcsSince(size_t from) const {
        QStringList arcs;
        const QString prefix = "." + QString::fromStdString(kStp);
        for (const QString& line : QString::fromStdString(sim->Log().substr(from)).split('\n')) {
            if (!line.startsWith("SET"))
                continue;
            QString oid = line.section(' ', -1);
            arcs << (oid.startsWith(prefix) ? oid.mid(prefix.size()).section('.', 0, 0) : oid);
        }
        return arcs;
    }
    static long SetRequests() { return std::stol(ReadSwitch(kSnmpInSetRequests)); }
    // The window's reads or writes have been answered.
    static bool Settled(TSTP_Info& w) {
        return PumpUntil([&] { return !w.Waiting(); });
    }
    static long Packets() { return std::stol(ReadSwitch(kSnmpInPkts)); }

    static void Fill(TSTP_Info& w, const QString& version, const QString& maxAge, const QString& hello,
                     const QString& delay, const QString& hops) {
        w.Combo_STPVersion->setCurrentText(version);
        w.Combo_STPVersion->activated(w.Combo_STPVersion->currentIndex());
        w.ET_AgingTime->setText(maxAge);
        if (w.ET_HelloTime->isEnabled())
            w.ET_HelloTime->setText(hello);
        w.ET_ForwardDelay->setText(delay);
        w.ET_Priority->setText(hops);
    }

    // Questions are answered with `answer`; any other box is unexpected.
    void InstallHook() {
        TvMessageBox::SetHook([this](TvMessageBox::Kind kind, const QString& title, const QString& text) {
            if (kind == TvMessageBox::Kind::YesNo) {
                questions << text;
                return answer;
            }
            qWarning() << "unexpected message box" << title << text;
            return QMessageBox::Ok;
        });
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log"}), sim->Error().c_str());
        InstallHook();
    }
    void init() {
        WindowTest::UseSimulator(sim->Port());
        questions.clear();
        answer = QMessageBox::Yes;
    }
    void cleanup() {
        const std::string faults = sim ? witness_->Compare(*sim) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void CreationReadsBothRequests() {
        PutSwitch(1, "2000", "300", "1500", "20", "3", "3");
        running.setText("rstp");
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        QVERIFY(Settled(w));
        QCOMPARE(w.windowTitle(), QString("Spanning Tree Control : 127.0.0.1"));
        QCOMPARE(w.Combo_STPVersion->currentText(), QString("rstp"));
        QCOMPARE(w.ET_AgingTime->text(), QString("2000"));
        QCOMPARE(w.ET_HelloTime->text(), QString("300"));
        QCOMPARE(w.ET_ForwardDelay->text(), QString("1500"));
        QCOMPARE(w.ET_Priority->text(), QString("20"));
        QCOMPARE(w.ED_TxHoldCount->text(), QString("3"));
        QCOMPARE(w.Combo_BPDU->currentText(), QString("enabled"));
        QVERIFY(w.ET_HelloTime->isEnabled());
        QVERIFY(w.StatusPanel0->text().startsWith("Get: (TvSNMP++) Ok!"));
        // The MSTP parameters as one hidden row, Version as its caption.
        QVERIFY(w.ListView1->isHidden());
        TvListViewModel* model = w.MstpRequest()->ListModel();
        QCOMPARE(model->RowCount(), 1);
        QCOMPARE(model->ColumnCount(), 6);
        QStringList row;
        for (int c = 0; c < 6; ++c)
            row << model->Cell(0, c);
        QCOMPARE(row, (QStringList{"rstp", "2000", "1500", "20", "3", "enabled"}));
        QCOMPARE(w.NoteForwardDelay->text(), QString("Notes : 2*(Forward Delay - 100) >= Max Age"));
        QCOMPARE(w.NoteHelloTime->text(), QString("Max Age>= 2*(Hello Time + 100)"));
        QCOMPARE(w.NoteHelloTime->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    void HelloTimeFollowsMstp() {
        PutSwitch(2);
        running.setText("mstp");
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        QVERIFY(!w.ET_HelloTime->isEnabled());
        QVERIFY(Settled(w));
        QVERIFY(!w.ET_HelloTime->isEnabled());
        QVERIFY(w.ET_HelloTime->text().isEmpty());
        // Refresh under MSTP keeps it so; choosing another protocol proposes 200.
        w.BT_Get->click();
        QVERIFY(Settled(w));
        QVERIFY(!w.ET_HelloTime->isEnabled());
        QVERIFY(w.ET_HelloTime->text().isEmpty());
        w.Combo_STPVersion->setCurrentText("rstp");
        w.Combo_STPVersion->activated(w.Combo_STPVersion->currentIndex());
        QVERIFY(w.ET_HelloTime->isEnabled());
        QCOMPARE(w.ET_HelloTime->text(), QString("200"));
        w.Combo_STPVersion->setCurrentText("mstp");
        w.Combo_STPVersion->activated(w.Combo_STPVersion->currentIndex());
        QVERIFY(!w.ET_HelloTime->isEnabled());
        QVERIFY(w.ET_HelloTime->text().isEmpty());
        // A Refresh while the switch runs something else gives Hello Time back.
        running.setText("rstp");
        w.BT_Get->click();
        QVERIFY(Settled(w));
        QVERIFY(w.ET_HelloTime->isEnabled());
        QCOMPARE(w.ET_HelloTime->text(), QString("200"));
    }

    // The relations and field checks at their edges, with the version the switch runs unchanged.
    void SetChecksTheFields_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("fields"); // Max Age, Hello Time, Forward Delay, Max Hops
        QTest::addColumn<QString>("status");     // start of the status line
        QTest::addColumn<QStringList>("arcs");   // spanning tree arcs written, in order

        // Only what differs from what the switch has is written (Max Age 2000, Hello Time 200, Forward
        // Delay 1500, Max Hops 20).
        QTest::newRow("max age = 2*(delay-100)") << "rstp" << QStringList{"2000", "200", "1100", "20"}
                                                 << "Set: (TvSNMP++) Ok!" << QStringList{"5"};
        QTest::newRow("delay one below")
            << "rstp" << QStringList{"2000", "200", "1099", "20"} << "Data Error !" << QStringList{};
        QTest::newRow("max age = 2*(hello+100)")
            << "rstp" << QStringList{"600", "200", "1500", "20"} << "Set: (TvSNMP++) Ok!" << QStringList{"3"};
        QTest::newRow("hello one above")
            << "rstp" << QStringList{"600", "201", "1500", "20"} << "Data Error !" << QStringList{};
        QTest::newRow("stp hello one above")
            << "stp" << QStringList{"600", "201", "1500", "20"} << "Data Error !" << QStringList{};
        QTest::newRow("mstp ignores hello")
            << "mstp" << QStringList{"600", "", "1500", "20"} << "Set: (TvSNMP++) Ok!" << QStringList{"3"};
        QTest::newRow("nothing changed") << "rstp" << QStringList{"2000", "200", "1500", "20"}
                                         << "Nothing was changed: nothing was sent." << QStringList{};
        QTest::newRow("empty max age") << "rstp" << QStringList{"", "200", "1500", "20"}
                                       << "Don't Leave Empty Fileds !" << QStringList{};
        QTest::newRow("empty hops") << "mstp" << QStringList{"2000", "", "1500", ""}
                                    << "Don't Leave Empty Fileds !" << QStringList{};
        QTest::newRow("empty hello") << "rstp" << QStringList{"2000", "", "1500", "20"}
                                     << "Don't Leave Empty Fileds !" << QStringList{};
        QTest::newRow("hops above 65535") << "rstp" << QStringList{"2000", "200", "1500", "65536"}
                                          << "Priority value is wrong!" << QStringList{};
        QTest::newRow("hops outside its range")
            << "rstp" << QStringList{"2000", "200", "1500", "21"} << "" << QStringList{};
        QTest::newRow("max age above its range")
            << "mstp" << QStringList{"4001", "", "3000", "20"} << "" << QStringList{};
    }
    void SetChecksTheFields() {
        QFETCH(QString, version);
        QFETCH(QStringList, fields);
        QFETCH(QString, status);
        QFETCH(QStringList, arcs);
        const int versionNumber = version == "stp" ? 0 : version == "rstp" ? 1 : 2;
        PutSwitch(versionNumber);
        running.setText(version);
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        QVERIFY(Settled(w));
        Fill(w, version, fields[0], fields[1], fields[2], fields[3]);
        const size_t from = sim->Log().size();
        const QString before = w.StatusPanel0->text();
        w.BT_Set->click();
        QVERIFY(Settled(w));
        QCOMPARE(ArcsSince(from), arcs);
        if (status.isEmpty()) // a range of the field's own: its message, nothing sent
            QVERIFY2(w.StatusPanel0->text() != before && !w.StatusPanel0->text().startsWith("Set:"),
                     qPrintable(w.StatusPanel0->text()));
        else
            QVERIFY2(w.StatusPanel0->text().startsWith(status), qPrintable(w.StatusPanel0->text()));
        QCOMPARE(running.text(), version);
        if (!arcs.isEmpty()) {
            QCOMPARE(ReadSwitch(kStp + "3"), fields[0].toStdString());
            QCOMPARE(ReadSwitch(kStp + "5"), fields[2].toStdString());
        }
    }

    // A number outside its field's range, left: one box naming the field, under the program's name; the
    // typed text stays for mending.
    void OutOfRangeNumberStaysForMending() {
        PutSwitch(1);
        running.setText("rstp");
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(Settled(w));
        QStringList boxes;
        TvMessageBox::SetHook([&](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes << title + ": " + text;
            return QMessageBox::Ok;
        });
        w.ET_Priority->setFocus();
        w.ET_Priority->selectAll();
        QTest::keyClicks(w.ET_Priority, "25"); // full: the field is left on its own
        InstallHook();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith(QCoreApplication::applicationName() + ": Max Hops[1-20]: "),
                 qPrintable(boxes[0]));
        QCOMPARE(w.ET_Priority->text(), QString("25"));
        QCOMPARE(QApplication::focusWidget(), w.ET_Priority);
    }

    // Declined, the new version and the parameters stay unsent.
    void VersionChangeDeclinedSendsNothing() {
        PutSwitch(1);
        running.setText("rstp");
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        QVERIFY(Settled(w));
        Fill(w, "stp", "2000", "250", "1500", "15");
        answer = QMessageBox::No;
        const size_t from = sim->Log().size();
        w.BT_Set->click();
        QVERIFY(Settled(w));
        QCOMPARE(questions.size(), 1);
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(ArcsSince(from), QStringList{});
        QCOMPARE(running.text(), QString("rstp"));
    }

    // A new version is asked for first (it restarts the protocol on every port), then goes first and
    // alone when the rest must fit it; MSTP takes it with its parameters. Of the parameters only those
    // changed (Hello Time and Max Hops here) are written.
    void VersionChanges_data() {
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("arcs");
        QTest::addColumn<int>("requests");
        QTest::newRow("rstp over stp") << "stp"
                                       << "rstp" << QStringList{"2", "4", "6"} << 2;
        QTest::newRow("stp over mstp") << "mstp"
                                       << "stp" << QStringList{"2", "4", "6"} << 2;
        QTest::newRow("mstp over rstp") << "rstp"
                                        << "mstp" << QStringList{"2", "6"} << 1;
        QTest::newRow("mstp over mstp") << "mstp"
                                        << "mstp" << QStringList{"6"} << 1;
        QTest::newRow("rstp over rstp") << "rstp"
                                        << "rstp" << QStringList{"4", "6"} << 1;
    }
    void VersionChanges() {
        QFETCH(QString, runs);
        QFETCH(QString, chosen);
        QFETCH(QStringList, arcs);
        QFETCH(int, requests);
        PutSwitch(runs == "stp" ? 0 : runs == "rstp" ? 1 : 2);
        running.setText(runs);
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        QVERIFY(Settled(w));
        Fill(w, chosen, "2000", "250", "1500", "15");
        const long setsBefore = SetRequests();
        const size_t from = sim->Log().size();
        w.BT_Set->click();
        QVERIFY(Settled(w));
        QCOMPARE(ArcsSince(from), arcs);
        QCOMPARE(SetRequests() - setsBefore, long(requests));
        QVERIFY2(w.StatusPanel0->text().startsWith("Set: (TvSNMP++) Ok!"),
                 qPrintable(w.StatusPanel0->text()));
        const QString written = QString(runs != chosen ? "Version, " : "") +
                                (chosen == "mstp" ? "Max Hops." : "Hello Time, Max Hops.");
        QVERIFY2(w.StatusPanel0->text().endsWith(" Written: " + written), qPrintable(w.StatusPanel0->text()));
        QCOMPARE(questions.size(), runs == chosen ? 0 : 1);
        if (runs != chosen)
            QVERIFY2(
                questions[0].startsWith("Change the spanning tree version from " + runs + " to " + chosen),
                qPrintable(questions[0]));
        QCOMPARE(running.text(), chosen);
        QCOMPARE(ReadSwitch(kStp + "2"), std::to_string(chosen == "stp" ? 0 : chosen == "rstp" ? 1 : 2));
        QCOMPARE(ReadSwitch(kStp + "6"), std::string("15"));
        if (chosen != "mstp")
            QCOMPARE(ReadSwitch(kStp + "4"), std::string("250"));
        // Every variable is writable again for the next Set.
        for (TvSNMPRequest2Edits* r : {w.FullRequest(), w.MstpRequest()})
            for (int i = 0; i < r->Request.VarList.Count(); ++i)
                QCOMPARE(r->Request.VarList.Item(i).Access, int(accReadWrite));
    }

    // A version the switch refuses leaves the running version as it is and sends no parameters.
    void RefusedVersionIsKept_data() {
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("rstp over stp") << "stp"
                                       << "rstp";
        QTest::newRow("mstp over stp") << "stp"
                                       << "mstp";
    }
    void RefusedVersionIsKept() {
        QFETCH(QString, runs);
        QFETCH(QString, chosen);
        PutSwitch(runs == "stp" ? 0 : 1);
        running.setText(runs);
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        QVERIFY(Settled(w));
        // The switch refuses every write of a read-only community.
        w.FullRequest()->Request.Target.WriteCommunity = "rdcomm";
        w.MstpRequest()->Request.Target.WriteCommunity = "rdcomm";
        Fill(w, chosen, "2000", "250", "1500", "15");
        // The agent counts the refused request among its packets, not among its SETs: one packet from the
        // window between the two readings of the counter (the second reading is a packet too).
        const long packetsBefore = Packets();
        w.BT_Set->click();
        QVERIFY(Settled(w));
        QCOMPARE(Packets() - packetsBefore, 2L);
        QVERIFY2(w.StatusPanel0->text().startsWith("Set: ") && !w.StatusPanel0->text().contains("Ok!"),
                 qPrintable(w.StatusPanel0->text()));
        QCOMPARE(running.text(), runs);
        QCOMPARE(ReadSwitch(kStp + "2"), std::string(runs == "stp" ? "0" : "1"));
        QCOMPARE(ReadSwitch(kStp + "6"), std::string("20"));
        // The next Set, with the switch taking writes again, still sends the version first.
        w.FullRequest()->Request.Target.WriteCommunity = "wrtcomm";
        w.MstpRequest()->Request.Target.WriteCommunity = "wrtcomm";
        const size_t from = sim->Log().size();
        w.BT_Set->click();
        QVERIFY(Settled(w));
        QCOMPARE(ArcsSince(from).value(0), QString("2"));
        QCOMPARE(running.text(), chosen);
    }

    // The reads and writes run through the event pump, one exchange at a time: while the opening reads
    // are on their way a Set or a Refresh is refused and nothing more is sent; while a new version goes
    // first, a second Set or a Refresh is refused and the switch sees the version, then the parameters,
    // once.
    void OneExchangeAtATime() {
        PutSwitch(0);
        running.setText("stp");
        size_t from = sim->Log().size();
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        const auto versionReads = [&](size_t since) {
            return QString::fromStdString(sim->Log().substr(since))
                .count(QRegularExpression(
                    "^GET .*\\." + QRegularExpression::escape(QString::fromStdString(kStp)) + "2\\.0$",
                    QRegularExpression::MultilineOption));
        };
        QVERIFY(w.Waiting());
        QVERIFY(!w.BT_Set->isEnabled() && !w.BT_Get->isEnabled());
        w.BT_SetClick();
        QVERIFY2(w.StatusPanel0->text().contains(TvDedicatedWindow::kWaitingMessage),
                 qPrintable(w.StatusPanel0->text()));
        w.BT_GetClick();
        QVERIFY(Settled(w));
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(ArcsSince(from), QStringList{});
        QCOMPARE(versionReads(from), 2); // the MSTP row and the parameters, once each
        QVERIFY(w.BT_Set->isEnabled() && w.BT_Get->isEnabled());

        Fill(w, "rstp", "2000", "250", "1500", "15");
        from = sim->Log().size();
        w.BT_SetClick();
        QVERIFY(w.Waiting());
        QVERIFY(!w.BT_Set->isEnabled());
        w.BT_SetClick();
        w.BT_GetClick();
        QVERIFY(Settled(w));
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(ArcsSince(from), (QStringList{"2", "4", "6"})); // the version, then what changed, once
        QCOMPARE(versionReads(from), 0);
        QCOMPARE(running.text(), QString("rstp"));
        QCOMPARE(ReadSwitch(kStp + "4"), std::string("250"));
    }

    // Closed while the version goes first: the parameters never follow, and the main window keeps the
    // version the switch took.
    void CloseBetweenTheVersionAndTheParameters() {
        PutSwitch(0);
        running.setText("stp");
        auto w = std::make_unique<TSTP_Info>(nullptr, &running, "127.0.0.1");
        w->show();
        QVERIFY(Settled(*w));
        Fill(*w, "rstp", "2000", "250", "1500", "15");
        const size_t from = sim->Log().size();
        w->BT_Set->click();
        QVERIFY(w->Waiting());
        w->close();
        QVERIFY(!w->Waiting());
        w.reset();
        QTest::qWait(100); // the answer comes back to no window
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(ArcsSince(from), QStringList{"2"});
        QCOMPARE(ReadSwitch(kStp + "6"), std::string("20"));
    }

    // A window whose first read failed still refreshes and writes once the switch answers.
    void FailedFirstReadLeavesAWorkingWindow() {
        SimSwitch later;
        QVERIFY2(later.Start(), later.Error().c_str());
        gSNMPDevice.Port = later.Port();
        later.Stop();
        running.setText("rstp");
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        QVERIFY(Settled(w));
        QVERIFY2(w.StatusPanel0->text().startsWith("Get: ") && !w.StatusPanel0->text().contains("Ok!"),
                 qPrintable(w.StatusPanel0->text()));
        QVERIFY(w.ET_AgingTime->text().isEmpty());
        QVERIFY(later.Restart());
        w.BT_Get->click();
        QVERIFY(Settled(w));
        QVERIFY2(w.StatusPanel0->text().startsWith("Get: (TvSNMP++) Ok!"),
                 qPrintable(w.StatusPanel0->text()));
        QCOMPARE(w.ET_AgingTime->text(), QString("2000"));
        w.ET_Priority->setText("7");
        w.BT_Set->click();
        QVERIFY(Settled(w));
        QVERIFY2(w.StatusPanel0->text().startsWith("Set: (TvSNMP++) Ok!"),
                 qPrintable(w.StatusPanel0->text()));
        gSNMPDevice.Port = later.Port();
        QCOMPARE(ReadSwitch(kStp + "6"), std::string("7"));
    }

    // The menu entry reads the running version into the main window before the window compares with it.
    void MenuHandlerReadsTheVersionFirst() {
        const TvWindowRegistry::Opener* open = TvWindowRegistry::Find("TSTP_Info");
        QVERIFY(open);
        PutSwitch(2);
        FakeHost host;
        host.texts.AgentIP = "127.0.0.1";
        host.holder.setText("stp");
        TvMenuNode entry;
        (*open)(host, entry);
        const std::vector<QWidget*> opened = TvOpenWindows::All();
        QCOMPARE(opened.size(), size_t(1));
        auto* w = qobject_cast<TSTP_Info*>(opened.front());
        QVERIFY(w);
        struct Close {
            QWidget* w;
            ~Close() { w->close(); }
        } close{w};
        QCOMPARE(host.reads, 1);
        QCOMPARE(host.holder.text(), QString("mstp"));
        QVERIFY(!w->ET_HelloTime->isEnabled());
        QVERIFY(!w->parentWidget()); // a window of its own: its questions hold it alone
        QVERIFY(Settled(*w));
        w->ET_Priority->setText("9");
        w->BT_Set->click();
        QVERIFY(Settled(*w));
        QCOMPARE(ReadSwitch(kStp + "6"), std::string("9"));
        QCOMPARE(host.holder.text(), QString("mstp"));
    }

    void Screenshot() {
        PutSwitch(1);
        running.setText("rstp");
        TSTP_Info w(nullptr, &running, "127.0.0.1");
        w.show();
        QVERIFY(Settled(w));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.grab().save(QCoreApplication::applicationDirPath() + "/stp_info.png"));
    }
};

QTEST_MAIN(TestSTP_Info)
#include "tst_STP_Info.moc"
