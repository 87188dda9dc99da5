#include "catalog/TvNotificationNames.h"

#include "catalog/TvCatalog.h"

#include <string>
#include <unordered_map>

namespace {

// The standard notifications (SNMPv2-MIB, BRIDGE-MIB, RMON-MIB, VRRP-MIB, ENTITY-MIB, OSPF-MIB) a
// switch of this kind sends.
constexpr TvNotificationName kKinds[] = {
    {"1.3.6.1.6.3.1.1.5.1", "coldStart"},
    {"1.3.6.1.6.3.1.1.5.2", "warmStart"},
    {"1.3.6.1.6.3.1.1.5.3", "linkDown"},
    {"1.3.6.1.6.3.1.1.5.4", "linkUp"},
    {"1.3.6.1.6.3.1.1.5.5", "authenticationFailure"},
    {"1.3.6.1.6.3.1.1.5.6", "egpNeighborLoss"},
    {"1.3.6.1.2.1.17.0.1", "newRoot"},
    {"1.3.6.1.2.1.17.0.2", "topologyChange"},
    {"1.3.6.1.2.1.16.0.1", "risingAlarm"},
    {"1.3.6.1.2.1.16.0.2", "fallingAlarm"},
    {"1.3.6.1.2.1.68.0.1", "vrrpTrapNewMaster"},
    {"1.3.6.1.2.1.68.0.2", "vrrpTrapAuthFailure"},
    {"1.3.6.1.2.1.47.2.0.1", "entConfigChange"},
    {"1.3.6.1.2.1.14.16.2.2", "ospfNbrStateChange"},
    {"1.3.6.1.2.1.14.16.2.16", "ospfIfStateChange"},
};

// Variables notifications carry that no window of the catalog shows.
constexpr TvNotificationName kStandardVars[] = {
    {"1.3.6.1.2.1.1.3", "sysUpTime"},          {"1.3.6.1.2.1.2.2.1.1", "ifIndex"},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr"},        {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus"},
    {"1.3.6.1.2.1.2.2.1.8", "ifOperStatus"},   {"1.3.6.1.6.3.1.1.4.3", "snmpTrapEnterprise"},
    {"1.3.6.1.6.3.18.1.3", "snmpTrapAddress"}, {"1.3.6.1.6.3.18.1.4", "snmpTrapCommunity"},
};

// Every descriptor's OID and label; of an OID that several tables hold, the first table's label.
const std::unordered_map<std::string_view, const char*>& Labels() {
    static const auto labels = [] {
        std::unordered_map<std::string_view, const char*> map;
        // The standard names first: "ifIndex.3" says more than a window's column label "Index.3".
        for (const TvNotificationName& v : kStandardVars)
            map.emplace(v.Oid, v.Name);
        for (const TvTableRef& table : TvCatalog::Tables())
            for (const TvSNMPVarDef* row = table.Table; row && row->Oid; ++row)
                if (row->Label && *row->Label)
                    map.emplace(row->Oid, row->Label);
        return map;
    }();
    return labels;
}

} // namespace

std::span<const TvNotificationName> TvNotificationNames::All() {
    return kKinds;
}

const char* TvNotificationNames::Find(std::string_view kind) {
    if (kind.starts_with('.'))
        kind.remove_prefix(1);
    for (const TvNotificationName& k : kKinds)
        if (kind == k.Oid)
            return k.Name;
    return nullptr;
}

std::string TvNotificationNames::KindText(std::string_view kind) {
    if (const char* name = Find(kind))
        return name;
    return std::string(kind);
}

std::string TvNotificationNames::VarLabel(std::string_view oid) {
    if (oid.starts_with('.'))
        oid.remove_prefix(1);
    const auto& labels = Labels();
    // The descriptor is the OID itself or a prefix of it; the rest is the instance.
    for (std::string_view base = oid; !base.empty();) {
        if (const auto it = labels.find(base); it != labels.end())
            return std::string(it->second) + std::string(oid.substr(base.size()));
        const auto dot = base.rfind('.');
        if (dot == std::string_view::npos || oid.size() - dot > 64)
            break;
        base = base.substr(0, dot);
    }
    return {};
}
