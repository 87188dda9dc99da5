// Descriptor tables, option lists and window recipes of the "Bridge" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList optMstpInstanceType(TvOptionList::kIntegers, {{0, "cist"}, {1, "msti"}});
const TvOptionList optMSTPPortAdminP2P(TvOptionList::kIntegers, {{0, "true"}, {1, "false"}, {2, "auto"}});
const TvOptionList optMstpPortStatus(TvOptionList::kIntegers, {{2, "disabled"},
                                                               {3, "discarding"},
                                                               {4, "learning"},
                                                               {5, "forwarding"},
                                                               {6, "broken"},
                                                               {7, "no-stp-enabled"},
                                                               {8, "err-disabled"}});
const TvOptionList optRole(TvOptionList::kIntegers, {{0, "disable"},
                                                     {1, "alternate"},
                                                     {2, "backup"},
                                                     {3, "root"},
                                                     {4, "designated"},
                                                     {5, "master"},
                                                     {6, "nonstp"},
                                                     {7, "loopback"}});

constexpr TvSNMPVarDef tblSpanningTreeAlgorithm1[] = {
    {"1.3.6.1.4.1.59371.12.15.1.1", "Spanning Tree Algorithm", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblBridgeInformation[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblConfigurationIdentification1[] = {
    {"1.3.6.1.4.1.59371.12.15.2.1", "MSTP Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.2", "MSTP Revision Level", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblInstanceInformation1[] = {
    {"1.3.6.1.4.1.59371.12.15.2.3.1.1", "MSTP Inst ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.2", "VLAN Range [1-64]", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.3", "VLAN Range [65-128]", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.4", "VLAN Range [129-192]", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.5", "VLAN Range [193-256]", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.6", "VLAN Range [257-320]", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.7", "VLAN Range [321-384]", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.8", "VLAN Range [385-448]", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.9", "VLAN Range [449-512]", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.10", "Type", synInteger, accReadOnly, &optMstpInstanceType},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.11", "Status", synInteger, accReadOnly, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.12", "Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.13", "Designated Root Bridge", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.14", "External Root Cost", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.15", "Regional Root Bridge", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.16", "Internal Root Cost", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.17", "Designated Bridge", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.18", "Root Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.19", "Max Age", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.20", "Forward Delay", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.21", "Last Topology Change", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.22", "Top Changes Count", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.23", "Remain Hops", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.3.1.24", "Row Status", synInteger, accReadWrite, &optRowStatusFull},
    {},
};

constexpr TvSNMPVarDef tblPortStateInformation1[] = {
    {"1.3.6.1.4.1.59371.12.15.2.4.1.1", "MSTP Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.2", "Admin HelloTime", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.3", "Operate HelloTime", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.4", "MSTP Port Enable", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.5", "MSTP Port External Path Cost", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.6", "MSTP Port Migration", synInteger, accReadWrite, &optTruthValue},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.7", "MSTP Port Admin Edge Port", synInteger, accReadWrite,
     &optTruthValue},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.8", "MSTP Port Operate Edge Port", synInteger, accReadOnly,
     &optTruthValue},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.9", "MSTP Port Admin P2P", synInteger, accReadWrite,
     &optMSTPPortAdminP2P},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.10", "MSTP Port Operate P2P", synInteger, accReadOnly,
     &optMSTPPortAdminP2P},
    {"1.3.6.1.4.1.59371.12.15.2.4.1.11", "MSTP Port Fbpdu", synInteger, accReadWrite, &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblPortMSTPInformation1[] = {
    {"1.3.6.1.4.1.59371.12.15.2.5.1.1", "Master Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.5.1.2", "MSTP Instance ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.5.1.3", "Designated Bridge", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.5.1.4", "Internal Path Cost", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.5.1.5", "Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.15.2.5.1.6", "Status", synInteger, accReadOnly, &optMstpPortStatus},
    {"1.3.6.1.4.1.59371.12.15.2.5.1.7", "Role", synInteger, accReadOnly, &optRole},
    {},
};

constexpr TvTableRef kTables[] = {
    {"SpanningTreeAlgorithm1", 0, tblSpanningTreeAlgorithm1},
    {"BridgeInformation", 0, tblBridgeInformation},
    {"ConfigurationIdentification1", 0, tblConfigurationIdentification1},
    {"InstanceInformation1", 0, tblInstanceInformation1},
    {"PortStateInformation1", 0, tblPortStateInformation1},
    {"PortMSTPInformation1", 0, tblPortMSTPInformation1},
};

constexpr TvPanelRecipe pnlSpanningTreeAlgorithm1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSpanningTreeAlgorithm1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlBridgeInformation[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblBridgeInformation, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlConfigurationIdentification1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblConfigurationIdentification1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlInstanceInformation1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblInstanceInformation1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlPortStateInformation1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortStateInformation1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlPortMSTPInformation1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortMSTPInformation1, .ItemType = 3, .KeyCount = 2},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "SpanningTreeAlgorithm1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Spanning Tree Algorithm",
     .Panels = pnlSpanningTreeAlgorithm1},
    {.Name = "BridgeInformation",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Bridge 802.1d Information",
     .Panels = pnlBridgeInformation},
    {.Name = "ConfigurationIdentification1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "MSTP Configuration Identication",
     .Panels = pnlConfigurationIdentification1},
    {.Name = "InstanceInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MSTP Instance Control",
     .Panels = pnlInstanceInformation1},
    {.Name = "PortStateInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MSTP Port State Information",
     .Panels = pnlPortStateInformation1},
    {.Name = "PortMSTPInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port MSTP Information",
     .Panels = pnlPortMSTPInformation1},
};

} // namespace

std::span<const TvWindowRecipe> CatalogBridgeRecipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogBridgeTables() {
    return kTables;
}
