#include "snapshot/TvSnapshotPlan.h"

#include "catalog/CatalogCounters.h"
#include "catalog/CatalogIPWindows.h"
#include "catalog/SecurityWindowTables.h"
#include "catalog/TvCatalog.h"
#include "catalog/TvEquipmentData.h"
#include "catalog/TvMemberSwitchData.h"
#include "catalog/TvMenuTree.h"
#include "catalog/TvSecretVars.h"
#include "catalog/TvSpanningTree.h"
#include "catalog/TvTimeSettings.h"

#include <set>
#include <tuple>
#include <vector>

namespace {

// The variables of the dedicated windows, read as the windows read them (the counter windows' groups as
// scalars, their per-port lists as tables).
struct DedicatedSource {
    const char* Entry;
    const TvSNMPVarDef* Table;
    int ItemType;
    int KeyCount;
};

constexpr DedicatedSource kDedicated[] = {
    {"BasicInformation1", kEquipmentBasicInfo, 0, 0},
    {"CurrentTime1", kCurrentTime, 0, 0},
    {"DaylightSavingTimeSummerTime1", kSummerTime, 0, 0},
    {"MeterTable1", tblAclMeters, 2, 2},
    {"MIB2IFCounter", tblIfCounters, 2, 0},
    {"MIB2IPCounter", tblIpCounters, 0, 0},
    {"MIB2IPRouting", kIpRouteTable, 2, kIpRouteKeys},
    {"MIB2ICMPCounter", tblIcmpCounters, 0, 0},
    {"MIB2UDPCounter", tblUdpCounters, 0, 0},
    {"MIB2SNMPCounter", tblSnmpCounters, 0, 0},
    {"BridgePortCounters", tblTpPortCounters, 2, 0},
    {"MemberSwitch1", kMemberSwitchTable, 3, 1},
    {"BridgeSTPInformation", kStpParameters, 0, 0},
    {"SSLControl1", tblSslControl, 0, 0},
    {"AACServerControlTable1", tblAccServerGroups, 2, 3},
    {"MD5Information1", tblMd5Keys, 2, 1},
    {"IPControlTable1", kIpCtrlTable, 2, kIpCtrlKeys},
    {"BOOTPCtrlTable1", kBootpCtrlTable, 2, kBootpCtrlKeys},
    {"RouteRedistributionTable1", kRouteRedistribution, 3, kRouteRedistributionKeys},
    {"OSPFDefaultInformationOriginate1", kOspfDefaultOriginate, 0, 0},
};

// Menu captions carry trailing blanks and, once, a line feed.
std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    std::string out(text.substr(first, last - first + 1));
    for (char& c : out)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    return out;
}

std::string MenuCaption(std::string_view entry, const char* fallback) {
    if (const TvMenuNode* node = TvMenuTree::Find(entry))
        return Trimmed(node->Caption);
    return Trimmed(fallback);
}

std::vector<TvSnapshotSource> Build() {
    std::vector<TvSnapshotSource> all;
    std::set<std::tuple<const TvSNMPVarDef*, int, int>> seen;
    const auto add = [&](TvSnapshotSource s) {
        if (!s.Table || !seen.insert({s.Table, s.ItemType, s.KeyCount}).second)
            return;
        all.push_back(std::move(s));
    };
    for (const TvWindowRecipe* recipe : TvCatalog::Recipes()) {
        const bool paged = recipe->Kind == TvRecipeKind::Pages;
        int page = 0;
        for (const TvPanelRecipe& panel : recipe->Panels) {
            ++page;
            add({recipe->Name, paged ? page : 0, MenuCaption(recipe->Name, recipe->CaptionTitle),
                 panel.PageTitle ? Trimmed(panel.PageTitle) : std::string(), panel.Table, panel.ItemType,
                 panel.KeyCount});
        }
    }
    for (const DedicatedSource& d : kDedicated)
        add({d.Entry, 0, MenuCaption(d.Entry, d.Entry), {}, d.Table, d.ItemType, d.KeyCount});
    return all;
}

} // namespace

std::span<const TvSnapshotSource> TvSnapshotPlan::All() {
    static const std::vector<TvSnapshotSource> all = Build();
    return all;
}

const TvSnapshotSource* TvSnapshotPlan::Find(std::string_view key) {
    for (const TvSnapshotSource& s : All())
        if (s.Key() == key)
            return &s;
    return nullptr;
}

const TvSNMPVarDef* TvSnapshotPlan::Column(const TvSnapshotSource& source, std::string_view oid) {
    for (const TvSNMPVarDef* row = source.Table; row && row->Oid; ++row)
        if (oid == row->Oid)
            return row;
    return nullptr;
}

bool TvSnapshotPlan::Kept(const TvSNMPVarDef& row) {
    // Index-only columns are kept: their values come from the row's instance.
    const bool readable = (row.Access & (accRead | accIndex)) != 0;
    return readable && !TvSecretVars::Find(row.Oid);
}
