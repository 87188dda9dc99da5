#include "monitors/TIP_Counters.h"

#include "catalog/CatalogCounters.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

namespace {

QStringList IpRows() {
    QStringList rows;
    for (const char* caption : kIpCounterRows)
        rows << caption;
    return rows;
}

const bool TIP_CountersRegistered =
    TvWindowRegistry::Register("TIP_Counters", [](TvWindowHost& host, const TvMenuNode&) {
        TIP_Counters form(host.HostWindow(), FromBytes(host.Connection().AgentIP));
        form.exec();
    });

} // namespace

TIP_Counters::TIP_Counters(QWidget* parent, const QString& agentIP)
    : TCounterGroupWindow(
          parent, agentIP,
          {"IP Counters : ", tblIpCounters, IpRows(), "LV_IPCounterData", "LV_IPCounters", false}) {}
