#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/CatalogIPWindows.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SlowLink.h"
#include "support/WindowTest.h"
#include "windows/TIP_Routing.h"
#include "windows/TOSPFDefaultInfoOriginateForm.h"
#include "windows/TRouteRedistributForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace WindowTest;

namespace {

const QString kRedistribution = "1.3.6.1.4.1.59371.11.69.2.3.5.1.";
const QString kOriginate = "1.3.6.1.4.1.59371.11.69.2.3.12.";

QStringList RowSets(const QString& index, std::initializer_list<int> columns) {
    QStringList sets;
    for (int c : columns)
        sets << kRedistribution + QString::number(c) + "." + index;
    return sets;
}

// What the windows use of a main window.
class FakeHost : public TvWindowHost {
public:
    FakeHost() {
        texts.AgentIP = "127.0.0.1";
        status.reset(new QLabel);
        stp.reset(new QLabel);
    }
    QWidget* HostWindow() override { return nullptr; }
    const ConnectionTexts& Connection() const override { return texts; }
    const std::string& ProgramFile() const override { return program; }
    OperatingMode Mode() const override { return OperatingMode::Standalone; }
    QLabel* HostStatus() override { return status.get(); }
    QLabel* StpVersionHolder() override { return stp.get(); }
    void ReadStpVersion() override {}

private:
    ConnectionTexts texts;
    std::string program = "qtr5190mx";
    std::unique_ptr<QLabel> status, stp;
};

void Choose(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text));
}

} // namespace

class TestRoutingWindows : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes;     // every box but the questions
    QStringList questions; // Yes/No questions, answered with `answer`
    QMessageBox::StandardButton answer = QMessageBox::Yes;

    static bool Settled(TvSNMPRequest2Edits* b) {
        return PumpUntil([b] { return !b->Busy; });
    }
    QStringList MemoLines(const QPlainTextEdit* memo) const {
        return memo->toPlainText().split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log"}), sim->Error().c_str());
        WindowTest::UseSimulator(sim->Port());
        TvMessageBox::SetHook([this](TvMessageBox::Kind kind, const QString&, const QString& text) {
            if (kind == TvMessageBox::Kind::YesNo) {
                questions << text;
                return answer;
            }
            boxes << text;
            return QMessageBox::Ok;
        });
    }
    void init() {
        boxes.clear();
        questions.clear();
        answer = QMessageBox::Yes;
    }
    void cleanup() {
        const std::string faults = sim ? witness_->Compare(*sim) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    // Each menu entry opens its window modally, titled with the entry's caption and the switch's address.
    void MenuEntriesOpenTheirWindows() {
        const struct {
            const char* entry;
            const char* window;
            const char* title;
        } cases[] = {
            {"MIB2IPRouting", "TIP_Routing", "IP Routing : 127.0.0.1"},
            {"RouteRedistributionTable1", "TRouteRedistributForm", "Route Redistribution Table: 127.0.0.1"},
            {"OSPFDefaultInformationOriginate1", "TOSPFDefaultInfoOriginateForm",
             "OSPF Default Information Originate: 127.0.0.1"},
            {"IPControlTable1", "TIpCtrlForm", "IP Control Table : 127.0.0.1"},
            {"BOOTPCtrlTable1", "TBOOTCtrlTableForm", "BOOTP Ctrl Table: 127.0.0.1"},
        };
        FakeHost host;
        for (const auto& c : cases) {
            const TvMenuNode* node = TvMenuTree::Find(c.entry);
            QVERIFY2(node, c.entry);
            const TvWindowRegistry::Opener* opener = TvWindowRegistry::Find(node->Target);
            QVERIFY2(opener, node->Target);
            (*opener)(host, *node);
            // A window of its own, beside the main window.
            const std::vector<QWidget*> open = TvOpenWindows::All();
            QCOMPARE(open.size(), size_t(1));
            const QString shown = open.front()->objectName();
            const QString title = open.front()->windowTitle();
            open.front()->close();
            QCOMPARE(shown, QString(c.window));
            QCOMPARE(title, QString(c.title));
        }
    }

    void RoutingTableOnlyReads() {
        TIP_Routing form(nullptr, "127.0.0.1");
        form.show();
        QVERIFY(Settled(form.Binding()));
        QCOMPARE(form.windowTitle(), QString("IP Routing : 127.0.0.1"));
        QCOMPARE(Column(form.LV_IP_Routing, 0),
                 (QStringList{"0.0.0.0", "10.0.0.0", "172.16.0.0", "192.168.10.0"}));
        QCOMPARE(Row(form.LV_IP_Routing, 2),
                 (QStringList{"172.16.0.0", "29", "2", "-1", "-1", "-1", "192.168.10.254", "indirect", "ospf",
                              "310", "255.255.0.0", "-1", "0.0"}));
        const QAbstractItemModel* model = form.LV_IP_Routing->model();
        QCOMPARE(model->headerData(8, Qt::Horizontal).toString(), QString("Proto"));
        QVERIFY(form.StatusPanel0->text().startsWith("Get: (TvSNMP++) Ok!"));
        // No way to write: the edit panel and its Set button stay hidden and disabled.
        QVERIFY(form.EditPanel->isHidden());
        QVERIFY(!form.BT_Set->isEnabled());
        QVERIFY(!form.BT_Set->isVisible());
        const size_t before = sim->Log().size();
        QVERIFY(SelectRow(form.LV_IP_Routing, "172.16.0.0"));
        form.BT_Get->click();
        QVERIFY(Settled(form.Binding()));
        QVERIFY(Sets(sim->Log(), before).isEmpty());
        QCOMPARE(Column(form.LV_IP_Routing, 0).size(), 4);
        form.resize(900, 260);
        const QString png = QCoreApplication::applicationDirPath() + "/ip_routing.png";
        QVERIFY(form.grab().save(png));
        qInfo("window grabbed to %s", qPrintable(png));
        form.Button1->click();
        QVERIFY(!form.isVisible());
    }

    void RedistributionFollowsTheProtocols_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("enabled"); // one letter per radio button, "1" enabled
        QTest::newRow("ospf into rip") << "ospf"
                                       << "rip"
                                       << "[0..16]"
                                       << "1100111111";
        QTest::newRow("static into rip") << "static"
                                         << "rip"
                                         << "[0..16]"
                                         << "0100000000";
        QTest::newRow("local into rip") << "local"
                                        << "rip"
                                        << "[0..16]"
                                        << "0100000000";
        QTest::newRow("rip into ospf") << "rip"
                                       << "ospf"
                                       << "[0..16777214]"
                                       << "0011000000";
        QTest::newRow("static into ospf") << "static"
                                          << "ospf"
                                          << "[0..16777214]"
                                          << "0011000000";
    }
    void RedistributionFollowsTheProtocols() {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QString, range);
        QFETCH(QString, enabled);
        TRouteRedistributForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form.Binding()));
        Choose(form.ComboBox1, source);
        Choose(form.ComboBox2, destination);
        QCOMPARE(form.Label5->text(), range);
        QString state;
        for (QRadioButton* r :
             {form.RadioButton1, form.RadioButton2, form.RadioButton3, form.RadioButton4, form.RadioButton5,
              form.RadioButton6, form.RadioButton7, form.RadioButton8, form.RadioButton9, form.RadioButton10})
            state += r->isEnabled() ? '1' : '0';
        QCOMPARE(state, enabled);
    }

    void RedistributionMetricBounds() {
        TRouteRedistributForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form.Binding()));
        const struct {
            const char* source;
            const char* destination;
            const char* metric;
            const char* message; // nullptr: the write goes out
        } cases[] = {
            {"ospf", "rip", "17", "Metric out of Bound [0..16]"},
            {"ospf", "rip", "-1", "Metric out of Bound [0..16]"},
            {"ospf", "rip", "-", "Metric: please input a whole number."},
            {"ospf", "rip", "", ""},
            {"rip", "ospf", "16777215", "Metric out of Bound [0..16777214]"},
            {"ospf", "rip", "16", nullptr},
            {"rip", "ospf", "16777214", nullptr},
        };
        for (const auto& c : cases) {
            boxes.clear();
            Choose(form.ComboBox1, c.source);
            Choose(form.ComboBox2, c.destination);
            form.RadioButton2->setChecked(std::string(c.destination) == "rip");
            form.RadioButton3->setChecked(std::string(c.destination) == "ospf");
            form.Edit1->setText(c.metric);
            QCOMPARE(form.Edit1->text(), QString(c.metric));
            const size_t before = sim->Log().size();
            form.AddBtn->click();
            QVERIFY(Settled(form.Binding()));
            if (c.message) {
                QCOMPARE(boxes, *c.message ? QStringList{c.message} : QStringList{});
                QVERIFY(Sets(sim->Log(), before).isEmpty());
            } else {
                QCOMPARE(boxes, QStringList{});
                QCOMPARE(Sets(sim->Log(), before).size(), 3);
            }
        }
        // Both rows exist now: remove them again.
        for (const char* key : {"ospf", "rip"}) {
            QVERIFY(SelectRow(form.ListView1, key));
            form.DeleteBtn->click();
            QVERIFY(Settled(form.Binding()));
        }
        QCOMPARE(Column(form.ListView1, 0), (QStringList{"static", "local"}));
    }

    void RedistributionRowsThroughTheirStatus() {
        TRouteRedistributForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form.Binding()));
        QCOMPARE(form.windowTitle(), QString("Route Redistribution Table: 127.0.0.1"));
        QCOMPARE(Row(form.ListView1, 0), (QStringList{"static", "rip", "all", "20", "active"}));
        QVERIFY(!form.DeleteBtn->isEnabled());
        QVERIFY(form.ComboBox3->isHidden() && form.StComboBox->isHidden());

        // Add ospf into rip as inter-E1: one request creates the row with its type and metric.
        Choose(form.ComboBox1, "ospf");
        Choose(form.ComboBox2, "rip");
        form.RadioButton7->setChecked(true);
        QCOMPARE(form.ComboBox3->currentText(), QString("inter+E1"));
        form.Edit1->setText("5");
        size_t before = sim->Log().size();
        form.AddBtn->click();
        QVERIFY(Settled(form.Binding()));
        QCOMPARE(Sets(sim->Log(), before), RowSets("3.2", {3, 4, 5}));
        QVERIFY(MemoLines(form.Memo1).last().startsWith("Get: (TvSNMP++) Ok!"));

        // Selecting it ticks "inter-E1" although the list says "inter+E1".
        form.RadioButton1->setChecked(true);
        QVERIFY(SelectRow(form.ListView1, "ospf"));
        QCOMPARE(Row(form.ListView1, form.Binding()->SelectedRow()),
                 (QStringList{"ospf", "rip", "inter+E1", "5", "active"}));
        QVERIFY(form.RadioButton7->isChecked());
        QVERIFY(form.DeleteBtn->isEnabled());

        // The same row again is refused by the switch, and the memo says so.
        before = sim->Log().size();
        form.AddBtn->click();
        QVERIFY(Settled(form.Binding()));
        QVERIFY(Sets(sim->Log(), before).last().contains("refused"));
        QVERIFY2(MemoLines(form.Memo1).last().startsWith("Set: ") &&
                     !MemoLines(form.Memo1).last().contains("Ok!"),
                 qPrintable(MemoLines(form.Memo1).last()));

        // Set with "other": the type is left out, the switch keeps its own.
        QVERIFY(SelectRow(form.ListView1, "ospf"));
        form.RadioButton1->setChecked(true);
        QCOMPARE(form.ComboBox3->currentIndex(), -1);
        form.Edit1->setText("9");
        before = sim->Log().size();
        form.EditBtn->click();
        QVERIFY(Settled(form.Binding()));
        QCOMPARE(Sets(sim->Log(), before), RowSets("3.2", {4, 5}));
        QVERIFY(SelectRow(form.ListView1, "ospf"));
        QCOMPARE(Row(form.ListView1, form.Binding()->SelectedRow()),
                 (QStringList{"ospf", "rip", "inter+E1", "9", "active"}));

        // Delete asks, then sends the row status alone; without a chosen row it asks for one.
        QVERIFY(SelectRow(form.ListView1, "ospf"));
        before = sim->Log().size();
        form.DeleteBtn->click();
        QCOMPARE(questions,
                 QStringList{"Are you sure to delete ?\nSource Protocol: ospf, Destination Protocol: rip"});
        QVERIFY(Settled(form.Binding()));
        QCOMPARE(Sets(sim->Log(), before), RowSets("3.2", {5}));
        QVERIFY(!Column(form.ListView1, 0).contains("ospf"));
        QVERIFY(!form.DeleteBtn->isEnabled());
        before = sim->Log().size();
        form.DeleteBtnClick();
        QCOMPARE(boxes, QStringList{"Please select a row to delete."});
        QVERIFY(Sets(sim->Log(), before).isEmpty());
    }

    // Delete removes the chosen line, by the keys the list shows, whatever the protocol combos were
    // changed to since; it asks first, naming the row, and on No sends nothing.
    void RedistributionDeleteTakesTheChosenLine_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("answered no") << false;
        QTest::newRow("answered yes") << true;
    }
    void RedistributionDeleteTakesTheChosenLine() {
        QFETCH(bool, yes);
        TRouteRedistributForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form.Binding()));
        Choose(form.ComboBox1, "ospf");
        Choose(form.ComboBox2, "rip");
        form.RadioButton2->setChecked(true);
        form.Edit1->setText("3");
        form.AddBtn->click();
        QVERIFY(Settled(form.Binding()));
        QVERIFY(SelectRow(form.ListView1, "ospf"));
        // The combos now name another existing row: static into rip.
        Choose(form.ComboBox1, "static");
        Choose(form.ComboBox2, "rip");
        answer = yes ? QMessageBox::Yes : QMessageBox::No;
        const size_t before = sim->Log().size();
        form.DeleteBtn->click();
        QCOMPARE(questions,
                 QStringList{"Are you sure to delete ?\nSource Protocol: ospf, Destination Protocol: rip"});
        QVERIFY(Settled(form.Binding()));
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(Sets(sim->Log(), before), yes ? RowSets("3.2", {5}) : QStringList{});
        QCOMPARE(Column(form.ListView1, 0).contains("ospf"), !yes);
        QVERIFY(Column(form.ListView1, 0).contains("static"));
        if (!yes) {
            answer = QMessageBox::Yes;
            QVERIFY(SelectRow(form.ListView1, "ospf"));
            form.DeleteBtn->click();
            QVERIFY(Settled(form.Binding()));
            QVERIFY(!Column(form.ListView1, 0).contains("ospf"));
        }
    }

    // Closing gives up what is in flight at once: a Set asked for while a read runs never leaves (it
    // used to wait for the read, and go out after the window had closed meanwhile), and a Set on its
    // way is followed by nothing, no read-back and no status line.
    void RedistributionCloseEndsTheSet_data() {
        QTest::addColumn<bool>("duringRead");
        QTest::newRow("set during a read, closing meanwhile") << true;
        QTest::newRow("set, then close") << false;
    }
    void RedistributionCloseEndsTheSet() {
        QFETCH(bool, duringRead);
        TRouteRedistributForm form(nullptr, "127.0.0.1");
        form.show();
        QVERIFY(Settled(form.Binding()));
        QVERIFY(SelectRow(form.ListView1, "static"));
        form.Edit1->setText("12");
        const size_t start = sim->Log().size();
        if (duringRead) {
            form.RefreshBtn->click();
            QVERIFY(form.Waiting());
            QVERIFY(!form.EditBtn->isEnabled());
            QTimer::singleShot(0, &form, [&form] { form.close(); });
            form.EditBtnClick();
            QVERIFY(MemoLines(form.Memo1).last().contains(TvDedicatedWindow::kWaitingMessage));
            QVERIFY(PumpUntil([&form] { return !form.isVisible(); }));
        } else {
            form.EditBtn->click();
            QCOMPARE(boxes, QStringList{});
            QVERIFY(form.Waiting());
            form.close();
        }
        QVERIFY(!form.isVisible());
        QVERIFY(!form.Waiting());
        const int lines = MemoLines(form.Memo1).size();
        QVERIFY(sim->AwaitMarker());
        QVERIFY(SlowLink::NothingAfter(*sim, sim->Log().size()));
        QCOMPARE(Sets(sim->Log(), start), duringRead ? QStringList{} : RowSets("4.2", {3, 4, 5}));
        if (!duringRead)
            QVERIFY(SlowLink::Requests(*sim, start).last().startsWith("SET"));
        QCOMPARE(MemoLines(form.Memo1).size(), lines);
    }

    void OspfOriginationWritesTickedRows() {
        TOSPFDefaultInfoOriginateForm form(nullptr, "127.0.0.1");
        // A Set before the first read is back is refused: the button waits, and the handler says why.
        QVERIFY(form.Binding()->Busy);
        QVERIFY(!form.SetButton->isEnabled());
        QCOMPARE(form.SetButton->toolTip(), QString(TvDedicatedWindow::kWaitingTip));
        form.CheckBox1->setChecked(true);
        size_t before = sim->Log().size();
        form.SetButtonClick();
        QCOMPARE(boxes, QStringList{});
        QVERIFY(form.StatusBar1->currentMessage().contains(TvDedicatedWindow::kWaitingMessage));
        QVERIFY(Settled(form.Binding()));
        QVERIFY(sim->AwaitMarker());
        QVERIFY(Sets(sim->Log(), before).isEmpty());
        QVERIFY(form.SetButton->isEnabled());
        QVERIFY(form.StatusBar1->currentMessage().startsWith("Get: (TvSNMP++) Ok!"));
        QCOMPARE(form.CBoxState->currentText(), QString("disabled"));
        // State disabled: the other rows wait.
        QVERIFY(!form.CheckBox2->isEnabled() && !form.CBoxAlways->isEnabled() &&
                !form.MetricEdit->isEnabled());

        boxes.clear();
        Choose(form.CBoxState, "enabled");
        QVERIFY(form.CheckBox4->isEnabled() && form.MetricEdit->isEnabled());
        form.CheckBox1->setChecked(true);
        form.CheckBox4->setChecked(true);
        form.MetricEdit->clear();
        form.SetButton->click();
        QCOMPARE(boxes, QStringList{"you have choosed the Metric,it can't be empty"});
        QVERIFY(Sets(sim->Log(), before).isEmpty());

        boxes.clear();
        form.MetricEdit->setText("77");
        Choose(form.CBoxMettype, "type1"); // not ticked: not written
        form.SetButton->click();
        QVERIFY(Settled(form.Binding()));
        QCOMPARE(boxes, QStringList{});
        QCOMPARE(Sets(sim->Log(), before), (QStringList{kOriginate + "1.0", kOriginate + "4.0"}));
        // The read afterwards shows the switch's values and unticks the rows.
        QCOMPARE(form.CBoxState->currentText(), QString("enabled"));
        QCOMPARE(form.MetricEdit->text(), QString("77"));
        QCOMPARE(form.CBoxMettype->currentText(), QString("type2"));
        QVERIFY(!form.CheckBox1->isChecked() && !form.CheckBox4->isChecked());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(form.Binding()->Request.VarList.Item(i).Access & accExcluded, 0);

        // A refused write shows in the status bar and keeps the rows ticked for another try.
        form.Binding()->Request.Target.WriteCommunity = "rdcomm";
        form.CheckBox3->setChecked(true);
        form.SetButton->click();
        QVERIFY(Settled(form.Binding()));
        form.Binding()->Request.Target.WriteCommunity = "wrtcomm";
        const QString status = form.StatusBar1->currentMessage();
        QVERIFY2(status.startsWith("Set: ") && !status.contains("Ok!"), qPrintable(status));
        QVERIFY(form.CheckBox3->isChecked());
    }
};

QTEST_MAIN(TestRoutingWindows)
#include "tst_RoutingWindows.moc"
