#include "monitors/TICMP_Counters.h"

#include "catalog/CatalogCounters.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

namespace {

QStringList IcmpRows() {
    QStringList rows;
    for (const char* caption : kIcmpCounterRows)
        rows << caption;
    return rows;
}

const bool TICMP_CountersRegistered =
    TvWindowRegistry::Register("TICMP_Counters", [](TvWindowHost& host, const TvMenuNode&) {
        TICMP_Counters form(host.HostWindow(), FromBytes(host.Connection().AgentIP));
        form.exec();
    });

} // namespace

TICMP_Counters::TICMP_Counters(QWidget* parent, const QString& agentIP)
    : TCounterGroupWindow(
          parent, agentIP,
          {"ICMP Counters : ", tblIcmpCounters, IcmpRows(), "LV_ICMPCounterData", "LV_ICMPCounters", true}) {}
