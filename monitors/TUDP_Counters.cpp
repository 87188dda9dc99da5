#include "monitors/TUDP_Counters.h"

#include "catalog/CatalogCounters.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

namespace {

QStringList UdpRows() {
    QStringList rows;
    for (const char* caption : kUdpCounterRows)
        rows << caption;
    return rows;
}

const bool TUDP_CountersRegistered =
    TvWindowRegistry::Register("TUDP_Counters", [](TvWindowHost& host, const TvMenuNode&) {
        TUDP_Counters form(host.HostWindow(), FromBytes(host.Connection().AgentIP));
        form.exec();
    });

} // namespace

TUDP_Counters::TUDP_Counters(QWidget* parent, const QString& agentIP)
    : TCounterGroupWindow(
          parent, agentIP,
          {"UDP Counters : ", tblUdpCounters, UdpRows(), "LV_IPCounterData", "LV_UDPCounters", true}) {}
