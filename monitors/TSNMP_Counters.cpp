#include "monitors/TSNMP_Counters.h"

#include "catalog/CatalogCounters.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

namespace {

QStringList SnmpRows() {
    QStringList rows;
    for (const char* caption : kSnmpCounterRows)
        rows << caption;
    return rows;
}

const bool TSNMP_CountersRegistered =
    TvWindowRegistry::Register("TSNMP_Counters", [](TvWindowHost& host, const TvMenuNode&) {
        TSNMP_Counters form(host.HostWindow(), FromBytes(host.Connection().AgentIP));
        form.exec();
    });

} // namespace

TSNMP_Counters::TSNMP_Counters(QWidget* parent, const QString& agentIP)
    : TCounterGroupWindow(
          parent, agentIP,
          {"SNMP Counters : ", tblSnmpCounters, SnmpRows(), "LV_SNMPCounterData", "LV_SNMPCounters", true}) {}
