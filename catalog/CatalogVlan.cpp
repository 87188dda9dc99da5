// Descriptor tables, option lists and window recipes of the "VLAN" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList optPortCapabilities(TvOptionList::kIntegers, {{60, "802.1D and 802.1Q"}});
const TvOptionList optPortAcceptableFrameTypes(TvOptionList::kIntegers,
                                               {{1, "admitAll"}, {2, "admitOnlyVlanTagged"}});
const TvOptionList optFdbEntryStatus(TvOptionList::kIntegers,
                                     {{2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}});
const TvOptionList optVLANStatus(TvOptionList::kIntegers, {{2, "permanent"}, {3, "dynamicGvrp"}});
const TvOptionList optTemplateFrameType(
    TvOptionList::kIntegers,
    {{1, "ethernet"}, {2, "rfc1042"}, {3, "snap8021H"}, {4, "snapOther"}, {5, "llcOther"}});

constexpr TvSNMPVarDef tblBasicConfigure[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", synInteger, accReadWrite, &optTruthValue},
    {},
};

constexpr TvSNMPVarDef tblPriorityInformation[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", synOctetString, accReadOnly, &optPortCapabilities},
    {},
};

constexpr TvSNMPVarDef tblGARP[] = {
    {" ", "Base Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "Port GARP Join Time", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "Port GARP Leave Time", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "Port GARP Leave All Time", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPortCapbility_1[] = {
    {" ", "Base Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Port Default User Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Num Traffic Classes", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPortCapbility_2[] = {
    {" ", "Base Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regen User Priority", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPortCapbility_3[] = {
    {" ", "Base Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPortCapbility_4[] = {
    {" ", "Base Port", synInteger, accIndex, nullptr},
    {" ", "Regen User Priority", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblBasicConfigure2[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.4", "Num VLANs", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", synInteger, accReadWrite, &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblPortInformation1[] = {
    {" ", "Base Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Port Acceptable Frame Types", synInteger, accReadWrite,
     &optPortAcceptableFrameTypes},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Port Ingress Filtering", synInteger, accReadWrite, &optTruthValue},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "Port GVRP Status", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "Port GVRP Failed Registrations", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "Port GVRP Last PDU Origin", synMacAddress, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblForwardingFiltering1[] = {
    {" ", "ID", synGauge32, accIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", synMacAddress, accIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", synInteger, accReadOnly, &optFdbEntryStatus},
    {},
};

constexpr TvSNMPVarDef tblN8021QVLAN1_1[] = {
    {" ", "Index", synGauge32, accIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Static Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Static Egress Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Static Untagged Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Static Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblN8021QVLAN1_2[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", synTimeTicks, accIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", synGauge32, accIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "VLAN FDB ID", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "VLAN Current Egress Ports", synOctetHex, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "VLAN Current Untagged Ports", synOctetHex, accReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", synInteger, accReadOnly, &optVLANStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "VLAN Creation Time", synTimeTicks, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblGlobalState1[] = {
    {"1.3.6.1.4.1.59371.12.28.1.1", "Double VLAN Global State", synInteger, accReadWrite,
     &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblControlTable1[] = {
    {"1.3.6.1.4.1.59371.12.28.3.1.1.1", "Double VLAN SPVID Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.28.3.1.1.2", "Double VLAN Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.28.3.1.1.3", "Double VLAN TPID", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.28.3.1.1.4", "Double VLAN Uplink Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.28.3.1.1.5", "Double VLAN Access Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.28.3.1.1.6", "Double VLAN Unknow Ports", synOctetHex, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.28.3.1.1.9", "Double VLAN Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblProtocolVLANGroup1[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", synInteger, accIndex, &optTemplateFrameType},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", synOctetString, accImpliedIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Group Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblProtocolVLANPort1[] = {
    {" ", "Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblVLANAdvertisementTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.3.1.1.1", "VLAN Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.3.1.1.2", "VLAN Name", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.3.1.1.3", "VLAN AdvertiseState", synInteger, accReadWrite,
     &optDisabledEnabled},
    {},
};

constexpr TvTableRef kTables[] = {
    {"BasicConfigure", 0, tblBasicConfigure},
    {"PriorityInformation", 0, tblPriorityInformation},
    {"GARP", 0, tblGARP},
    {"PortCapbility", 1, tblPortCapbility_1},
    {"PortCapbility", 2, tblPortCapbility_2},
    {"PortCapbility", 3, tblPortCapbility_3},
    {"PortCapbility", 4, tblPortCapbility_4},
    {"BasicConfigure2", 0, tblBasicConfigure2},
    {"PortInformation1", 0, tblPortInformation1},
    {"ForwardingFiltering1", 0, tblForwardingFiltering1},
    {"N8021QVLAN1", 1, tblN8021QVLAN1_1},
    {"N8021QVLAN1", 2, tblN8021QVLAN1_2},
    {"GlobalState1", 0, tblGlobalState1},
    {"ControlTable1", 0, tblControlTable1},
    {"ProtocolVLANGroup1", 0, tblProtocolVLANGroup1},
    {"ProtocolVLANPort1", 0, tblProtocolVLANPort1},
    {"VLANAdvertisementTable1", 0, tblVLANAdvertisementTable1},
};

constexpr TvPanelRecipe pnlBasicConfigure[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblBasicConfigure, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlPriorityInformation[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPriorityInformation, .ItemType = 2, .KeyCount = 1},
};

constexpr TvColumnFormat fmtGARP[] = {
    {1, "%i{n0x2147483647l10}"}, {2, "%i{n0x2147483647l10}"}, {3, "%i{n0x2147483647l10}"}};
constexpr TvPanelRecipe pnlGARP[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblGARP,
     .ItemType = 2,
     .KeyCount = 1,
     .Formats = fmtGARP,
     .Flags = pnlAddOnly},
};

constexpr TvColumnFormat fmtPortCapbility_1[] = {{1, "%i{n0x7l1}"}, {2, "%i{n0x8l1}"}};
constexpr TvColumnFormat fmtPortCapbility_2[] = {{2, "%i{n0x7l1}"}};
constexpr TvColumnFormat fmtPortCapbility_3[] = {{2, "%i{n0x7l1}"}};
constexpr TvPanelRecipe pnlPortCapbility[] = {
    {.PageTitle = "Default User Priorities of Each Port",
     .Kind = TvPanelKind::Table,
     .Table = tblPortCapbility_1,
     .ItemType = 2,
     .KeyCount = 1,
     .Formats = fmtPortCapbility_1},
    {.PageTitle = "Regenerated User Priorities",
     .Kind = TvPanelKind::Table,
     .Table = tblPortCapbility_2,
     .ItemType = 2,
     .KeyCount = 2,
     .Formats = fmtPortCapbility_2},
    {.PageTitle = "User Priorities to Traffic Class",
     .Kind = TvPanelKind::Table,
     .Table = tblPortCapbility_3,
     .ItemType = 2,
     .KeyCount = 2,
     .Formats = fmtPortCapbility_3},
    {.PageTitle = "Port Outbound Access Priorities",
     .Kind = TvPanelKind::Table,
     .Table = tblPortCapbility_4,
     .ItemType = 2,
     .KeyCount = 2},
};

constexpr TvPanelRecipe pnlBasicConfigure2[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblBasicConfigure2, .ItemType = 0, .KeyCount = 0},
};

constexpr TvColumnFormat fmtPortInformation1[] = {{1, "%i{n1x4094}"}};
constexpr TvPanelRecipe pnlPortInformation1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPortInformation1,
     .ItemType = 2,
     .KeyCount = 1,
     .Formats = fmtPortInformation1},
};

constexpr TvPanelRecipe pnlForwardingFiltering1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblForwardingFiltering1, .ItemType = 3, .KeyCount = 2},
};

constexpr TvColumnFormat fmtN8021QVLAN1_1[] = {{0, "%i{n1x4094}"}, {1, "%s{l32}"}};
constexpr int bmpN8021QVLAN1_1[] = {2, 3, 4};
constexpr TvPanelRecipe pnlN8021QVLAN1[] = {
    {.PageTitle = "VLAN Static Table",
     .Kind = TvPanelKind::Table,
     .Table = tblN8021QVLAN1_1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {5, "Static Row Status", "CreateAndGo", "Destroy"},
     .Formats = fmtN8021QVLAN1_1,
     .PortBitmaps = bmpN8021QVLAN1_1,
     .AddPreset = TvAddPreset::VlanStatic},
    {.PageTitle = "VLAN Current Table",
     .Kind = TvPanelKind::Table,
     .Table = tblN8021QVLAN1_2,
     .ItemType = 3,
     .KeyCount = 2},
};

constexpr TvPanelRecipe pnlGlobalState1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblGlobalState1, .ItemType = 0, .KeyCount = 0},
};

constexpr int bmpControlTable1[] = {3, 4};
constexpr TvPanelRecipe pnlControlTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblControlTable1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {6, "Double VLAN Status", "createAndGo", "destroy"},
     .PortBitmaps = bmpControlTable1},
};

constexpr TvPanelRecipe pnlProtocolVLANGroup1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblProtocolVLANGroup1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {3, "Group Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlProtocolVLANPort1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblProtocolVLANPort1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {3, "Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlVLANAdvertisementTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblVLANAdvertisementTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "BasicConfigure",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "802.1P Basic Configure",
     .Panels = pnlBasicConfigure},
    {.Name = "PriorityInformation",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Priority Information Form",
     .Panels = pnlPriorityInformation},
    {.Name = "GARP", .Kind = TvRecipeKind::Table, .CaptionTitle = "GARP Form", .Panels = pnlGARP},
    {.Name = "PortCapbility",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "Port Capability",
     .Panels = pnlPortCapbility},
    {.Name = "BasicConfigure2",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "802.1Q Basic Configure",
     .Panels = pnlBasicConfigure2},
    {.Name = "PortInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "VLAN Port Information",
     .Panels = pnlPortInformation1},
    {.Name = "ForwardingFiltering1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Unicast Forwarding Information",
     .Panels = pnlForwardingFiltering1},
    {.Name = "N8021QVLAN1",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "802.1Q VLAN Config:",
     .Panels = pnlN8021QVLAN1},
    {.Name = "GlobalState1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Global State : ",
     .Panels = pnlGlobalState1},
    {.Name = "ControlTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Control Table",
     .CaptionSeparator = ": ",
     .Panels = pnlControlTable1},
    {.Name = "ProtocolVLANGroup1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Protocol VLAN Group",
     .CaptionSeparator = ":",
     .Panels = pnlProtocolVLANGroup1},
    {.Name = "ProtocolVLANPort1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Protocol VLAN Port: ",
     .Panels = pnlProtocolVLANPort1},
    {.Name = "VLANAdvertisementTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "VLAN  Advertisement Table",
     .CaptionSeparator = " : ",
     .Panels = pnlVLANAdvertisementTable1},
};

} // namespace

std::span<const TvWindowRecipe> CatalogVlanRecipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogVlanTables() {
    return kTables;
}
