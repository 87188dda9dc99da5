#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/SlowLink.h"
#include "support/WindowTest.h"
#include "windows/TACLMeterForm.h"
#include "windows/TCurrentTimeForm.h"
#include "windows/TEquipmentBasicInfoForm.h"
#include "windows/TMSEditForm.h"
#include "windows/TMSInformationForm.h"
#include "windows/TSTP_Info.h"
#include "windows/TSummerTimeForm.h"
#include "windows/TfrmACCServerCtrl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

namespace {

struct Opened {
    std::unique_ptr<TvDedicatedWindow> Window;
    SlowLink::Case Case;
};

// How to open a window, whether it writes at all (one that only reads gets the read scenarios), whether
// it has a Refresh (one without reads as it opens: its read scenarios use that read) and whether one
// read asks its first request more than once (a read in stages, or of two lists that share variables).
struct Entry {
    std::function<Opened()> Open;
    bool Writes = true;
    bool Refreshes = true;
    bool RepeatsFirstRequest = false;
};

Opened OpenAclMeter() {
    auto form = std::make_unique<TACLMeterForm>(nullptr);
    TACLMeterForm* f = form.get();
    SlowLink::Case c{f, f->GetButton, [f] {
                         WindowTest::SelectRow(f->ListView1, "2");
                         f->RateEdit->setText("2048");
                         f->CBox_Active->setCurrentText("drop-packet");
                         f->EditButton->click();
                     }};
    return {std::move(form), c};
}

Opened OpenAccServer() {
    auto form = std::make_unique<TfrmACCServerCtrl>(nullptr);
    TfrmACCServerCtrl* f = form.get();
    SlowLink::Case c{f, nullptr, [f] {
                         f->edtGroupName->setText("radius");
                         f->edtIPAddr->setText("10.90.90.40");
                         f->cbAuthProtocol->setCurrentText("radius");
                         f->cbRowState->setCurrentText("add");
                         f->Button1->click();
                     }};
    return {std::move(form), c};
}

Opened OpenSummerTime() {
    auto form = std::make_unique<TSummerTimeForm>(nullptr, "127.0.0.1");
    TSummerTimeForm* f = form.get();
    SlowLink::Case c{f, f->Panel->Buttons->RefreshButton, [f] {
                         f->StatusCombo()->setCurrentText("disable");
                         f->OffsetEdit()->setText("90");
                         f->Panel->EditsPanel->CheckRow(0);
                         f->Panel->EditsPanel->CheckRow(1);
                         f->Panel->Buttons->SetCheckedButton->click();
                     }};
    return {std::move(form), c};
}

Opened OpenSpanningTree() {
    // The main window's holder of the running version: under MSTP a Refresh reads both lists.
    auto* running = new QLabel("mstp");
    auto form = std::make_unique<TSTP_Info>(nullptr, running, "127.0.0.1");
    running->setParent(form.get());
    running->hide();
    TSTP_Info* f = form.get();
    SlowLink::Case c{f, f->BT_Get, [f] {
                         f->Combo_STPVersion->setCurrentText("mstp");
                         f->ET_Priority->setText("19");
                         f->BT_Set->click();
                     }};
    return {std::move(form), c};
}

Opened OpenCurrentTime() {
    auto form = std::make_unique<TCurrentTimeForm>(nullptr);
    TCurrentTimeForm* f = form.get();
    SlowLink::Case c{f, f->GetButton, [f] {
                         f->currentclockEdit->setText("2007-5-26,15:30:15.0");
                         f->SetButton->click();
                     }};
    return {std::move(form), c};
}

Opened OpenEquipment() {
    auto form = std::make_unique<TEquipmentBasicInfoForm>(nullptr, "127.0.0.1");
    TEquipmentBasicInfoForm* f = form.get();
    SlowLink::Case c{f, f->BitBtn1, {}};
    return {std::move(form), c};
}

Opened OpenMemberSwitches() {
    auto form = std::make_unique<TMSInformationForm>(nullptr);
    TMSInformationForm* f = form.get();
    SlowLink::Case c{f, f->GetButton, [f] {
                         TMSEditForm* d = f->EditForm();
                         WindowTest::WhileModal(f->AddButton, d, [d] {
                             d->MSIDEdit->setText("5");
                             d->KeyIDEdit->setText("3");
                             d->SetButton->click();
                         });
                     }};
    return {std::move(form), c};
}

const std::map<QString, Entry>& Windows() {
    static const std::map<QString, Entry> windows = {
        {"ACL meter", {OpenAclMeter}},
        {"Access-control server", {OpenAccServer, true, false}},
        {"Summer time", {OpenSummerTime, true, true, true}},
        {"Spanning tree", {OpenSpanningTree, true, true, true}},
        {"Current time", {OpenCurrentTime}},
        {"Equipment", {OpenEquipment, false}},
        {"Member switches", {OpenMemberSwitches}},
    };
    return windows;
}

// SlowLink::RefreshTwice for a read that asks its first request more than once: Refresh clicked while
// the read it started is on its way, twice more, and the switch sees the requests of one read.
void RefreshTwiceCounted(SimSwitch& sim, const SlowLink::Case& c) {
    QVERIFY(c.Window->Waiting());
    QVERIFY(!c.Refresh->isEnabled());
    QVERIFY(SlowLink::Settled(sim, c.Window));
    const size_t start = sim.Log().size();
    c.Refresh->click();
    QVERIFY(c.Window->Waiting());
    c.Refresh->click();
    c.Refresh->click();
    QVERIFY(SlowLink::Settled(sim, c.Window));
    const size_t again = sim.Log().size();
    c.Refresh->click();
    QVERIFY(SlowLink::Settled(sim, c.Window));
    const auto one = SlowLink::Requests(sim, again).size();
    QVERIFY(one > 0);
    QCOMPARE(SlowLink::Requests(sim, start).size(), 2 * one); // the clicked read and the one after it
}

// Without a Refresh, the read on its way is the one the window started as it opened.
void SetDuringOpeningRead(SimSwitch& sim, const SlowLink::Case& c) {
    QVERIFY(c.Window->Waiting());
    const size_t start = sim.Log().size();
    c.Write();
    QVERIFY(SlowLink::Settled(sim, c.Window));
    QCOMPARE(SlowLink::Sets(sim, start), QStringList());
}

void CloseDuringOpeningRead(SimSwitch& sim, const SlowLink::Case& c) {
    QVERIFY(c.Window->Waiting());
    SlowLink::CloseNow(sim, c.Window);
}

} // namespace

class TestSlowLinkInfo : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;

private slots:
    void initTestCase() { QVERIFY2(SlowLink::StartAgent(dir, sim), sim->Error().c_str()); }
    void cleanupTestCase() { SlowLink::StopAgent(sim); }
    void init() { WindowTest::UseSimulator(sim->Port()); }

    void EveryScenario_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("scenario");
        for (const auto& [name, entry] : Windows())
            SlowLink::AddRows(name, entry.Writes, entry.Refreshes);
    }
    void EveryScenario() {
        QFETCH(QString, window);
        QFETCH(int, scenario);
        const Entry& entry = Windows().at(window);
        Opened opened = entry.Open();
        opened.Window->show();
        const SlowLink::Case& c = opened.Case;
        // Windows whose reads repeat their first request, or that read only as they open, take their own
        // way through the scenarios.
        if (scenario == SlowLink::kRefreshTwice && entry.RepeatsFirstRequest)
            RefreshTwiceCounted(*sim, c);
        else if (scenario == SlowLink::kSetDuringRead && !entry.Refreshes)
            SetDuringOpeningRead(*sim, c);
        else if (scenario == SlowLink::kCloseDuringRead && !entry.Refreshes)
            CloseDuringOpeningRead(*sim, c);
        else
            SlowLink::Run(*sim, c, scenario);
    }
};

QTEST_MAIN(TestSlowLinkInfo)
#include "tst_SlowLinkInfo.moc"
