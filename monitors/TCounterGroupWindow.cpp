#include "monitors/TCounterGroupWindow.h"

#include "base/TvException.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/CatalogCounters.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

namespace {

constexpr TCounterGroupWindow::Setup kGroups[] = {
    {"TIP_Counters", "IP Counters : ", tblIpCounters, kIpCounterRows, "LV_IPCounterData", "LV_IPCounters",
     false},
    {"TICMP_Counters", "ICMP Counters : ", tblIcmpCounters, kIcmpCounterRows, "LV_ICMPCounterData",
     "LV_ICMPCounters", true},
    {"TUDP_Counters", "UDP Counters : ", tblUdpCounters, kUdpCounterRows, "LV_IPCounterData",
     "LV_UDPCounters", true},
    {"TSNMP_Counters", "SNMP Counters : ", tblSnmpCounters, kSnmpCounterRows, "LV_SNMPCounterData",
     "LV_SNMPCounters", true},
};

const bool TCounterGroupWindowRegistered = [] {
    for (const TCounterGroupWindow::Setup& group : kGroups)
        TvWindowRegistry::Register(group.Target, [&group](TvWindowHost& host, const TvMenuNode& entry) {
            // The menu gives no caption: the window's own names the switch.
            TvDedicatedWindow::Open<TCounterGroupWindow>(host, entry, FromBytes(host.Connection().AgentIP),
                                                         group);
        });
    return true;
}();

QStringList Captions(std::span<const char* const> rows) {
    QStringList captions;
    for (const char* caption : rows)
        captions << caption;
    return captions;
}

} // namespace

const TCounterGroupWindow::Setup* TCounterGroupWindow::Find(std::string_view target) {
    for (const Setup& group : kGroups)
        if (target == group.Target)
            return &group;
    return nullptr;
}

TCounterGroupWindow::TCounterGroupWindow(QWidget* parent, const QString& agentIP, const Setup& setup)
    : TCounterWindow(parent, TvCounterSampler::Baseline::Flag) {
    CounterList = MakeCounterList(setup.CounterListName);
    ExitButton->setObjectName("BT_Exit");
    BuildLayout(CounterList, {}, "System Time");
    setWindowTitle(setup.TitlePrefix + agentIP);
    const int shown = static_cast<int>(setup.Rows.size() < 20 ? setup.Rows.size() : 20);
    resize(760, 160 + 22 * shown);

    sampler_.SetCounters(std::vector<CounterSlot>(setup.Rows.size()));
    MakeCounterBinding(setup.HiddenListName);
    counters_->Request.VarList.Assign(TvSNMPVarList(setup.Table, TvSNMPVarList::itTable, 0));
    AddUpTime(counters_->Request.VarList);
    counters_->BindListView(HiddenList, false);
    counters_->SetStatusTarget(StatusPanel);
    PrepareRows(Captions(setup.Rows));
    sampler_.ZeroSlots();
    running_ = true;
    ST_Time->setText(TimeText());
    Timer1.start();
    // The creation read: its values (Value only) are the base of the first tick's delta.
    Read(*counters_, [this, creationSample = setup.CreationSample](const TvSNMPError& reply) {
        if (creationSample && reply.Code == 0 && counters_->ListModel()->RowCount() > 0) {
            try {
                SampleCounters();
            } catch (const TvException& e) {
                Report(TvSNMPRequest2Controls::opGet, e.Message());
            } catch (const std::exception& e) {
                Report(TvSNMPRequest2Controls::opGet, e.what());
            }
        }
        sampler_.ClearBaseline();
    });
}

std::vector<std::string> TCounterGroupWindow::RawCounters() const {
    // Counter 0 is the row's caption, counter k its sub-item k - 1: column k of the row.
    std::vector<std::string> raw;
    for (size_t k = 0; k < sampler_.Slots().size(); ++k)
        raw.push_back(HiddenCell(static_cast<int>(k)));
    return raw;
}

void TCounterGroupWindow::BT_ResetClick() {
    WhenIdle([this] {
        sampler_.Reset();
        PrepareRows([this] {
            QStringList captions;
            for (int r = 0; r < CounterList->topLevelItemCount(); ++r)
                captions << CounterList->topLevelItem(r)->text(0);
            return captions;
        }());
        running_ = true;
    });
}
