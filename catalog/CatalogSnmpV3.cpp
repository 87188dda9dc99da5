// Descriptor tables, option lists and window recipes of the "SNMP V3" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList optUserAuthProtocol(TvOptionList::kStrings, {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                                                {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                                                {"1.3.6.1.6.3.10.1.1.3", "SHA"}});
const TvOptionList optUserPrivProtocol(TvOptionList::kStrings,
                                       {{"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}});
const TvOptionList optAccessContextMatch(TvOptionList::kIntegers, {{1, "exact"}, {2, "prefix"}});
const TvOptionList optNotifyType(TvOptionList::kIntegers, {{1, "trap"}, {2, "inform"}});

constexpr TvSNMPVarDef tblEngine[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boots", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMPD[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", synCounter32, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblGeneralInformation1[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", synCounter32, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblTargetAddressTable1[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target AddrName", synDisplayString, accImpliedIndex, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.2", "Target Addr TDomain", synObjectId, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.3", "Target Addr TAddress", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.4", "Target Addr Timeout", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.5", "Target Addr Retry Count", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.6", "Target Addr Tag List", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.7", "Target Addr Params", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.8", "Target Addr Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Target Addr Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblTargetParameters1[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", synDisplayString, accImpliedIndex, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.2", "Target Params MPModel", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.3", "Target Params Security Model", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.4", "Target Params Security Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.5", "Target Params Security Level", synInteger, accReadWrite, &optSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "Target Params Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Target Params Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblUSMStats[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Stats Unsupported Sec Levels", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.2", "Stats Not In Time Windows", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.3", "Stats Unknown User Names", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.4", "Stats Unknown EngineIDs", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.5", "Stats Wrong Digests", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.6", "Stats Decryption Errors", synCounter32, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblUSMUserTable_1[] = {
    {"1.3.6.1.6.3.15.1.2.1", "User Spin Lock", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblUSMUserTable_2[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "User EngineID", synOctetString, accIndex, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "User Security Name", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "User Clone From", synObjectId, accReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "User Auth Protocol", synObjectId, accReadWrite, &optUserAuthProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "User Auth Key Change", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "User Own Auth Key Change", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "User Priv Protocol", synObjectId, accReadWrite, &optUserPrivProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "User Priv Key Change", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "User Own Priv Key Change", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "User Public", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "User Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "User Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblVACMSecurityToGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", synInteger, accIndex, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security To Group Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security To Group Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblVACMAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", synOctetString, accIndex, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", synInteger, accIndex, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", synInteger, accIndex, &optSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", synInteger, accReadWrite, &optAccessContextMatch},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblVACMMIBViews1_1[] = {
    {"1.3.6.1.6.3.16.1.5.1", "View Spin Lock", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblVACMMIBViews1_2[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Tree Family View Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "View Tree Family Subtree", synObjectId, accIndex, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "View Tree Family Mask", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "View Tree Family Type", synInteger, accReadWrite, &optIncludedExcluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "View Tree Family Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "View Tree Family Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblNotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Notify Name", synDisplayString, accImpliedIndex, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.2", "Notify Tag", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.3", "Notify Type", synInteger, accReadWrite, &optNotifyType},
    {"1.3.6.1.6.3.13.1.1.1.4", "Notify Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Notify Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblNotifyFilterProfileTable[] = {
    {" ", "Target Params Name", synDisplayString, accImpliedIndex, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblNotifyFilterTable[] = {
    {" ", "Notify Filter Profile Name", synOctetString, accIndex, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", synObjectId, accImpliedIndex, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", synInteger, accReadWrite, &optIncludedExcluded},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblCommunityTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Community Index", synDisplayString, accImpliedIndex, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.2", "Community Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.3", "Community Security Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.4", "Community Context EngineID", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.5", "Community Context Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.6", "Community Transport Tag", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.7", "Community Storage Type", synInteger, accReadWrite, &optStorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Community Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblTargetAddrExtTable[] = {
    {" ", "Target Addr Name", synDisplayString, accImpliedIndex, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Addr TMask", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvTableRef kTables[] = {
    {"Engine", 0, tblEngine},
    {"MPD", 0, tblMPD},
    {"GeneralInformation1", 0, tblGeneralInformation1},
    {"TargetAddressTable1", 0, tblTargetAddressTable1},
    {"TargetParameters1", 0, tblTargetParameters1},
    {"USMStats", 0, tblUSMStats},
    {"USMUserTable", 1, tblUSMUserTable_1},
    {"USMUserTable", 2, tblUSMUserTable_2},
    {"VACMSecurityToGroupTable", 0, tblVACMSecurityToGroupTable},
    {"VACMAccessTable", 0, tblVACMAccessTable},
    {"VACMMIBViews1", 1, tblVACMMIBViews1_1},
    {"VACMMIBViews1", 2, tblVACMMIBViews1_2},
    {"NotifyTable", 0, tblNotifyTable},
    {"NotifyFilterProfileTable", 0, tblNotifyFilterProfileTable},
    {"NotifyFilterTable", 0, tblNotifyFilterTable},
    {"CommunityTable", 0, tblCommunityTable},
    {"TargetAddrExtTable", 0, tblTargetAddrExtTable},
};

constexpr TvPanelRecipe pnlEngine[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblEngine, .ItemType = 0, .KeyCount = 0, .ValueWidth = 150},
};

constexpr TvPanelRecipe pnlMPD[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblMPD, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlGeneralInformation1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblGeneralInformation1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlTargetAddressTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblTargetAddressTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlTargetParameters1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblTargetParameters1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlUSMStats[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblUSMStats, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlUSMUserTable[] = {
    {.PageTitle = "User Spin Lock",
     .Kind = TvPanelKind::Scalar,
     .Table = tblUSMUserTable_1,
     .ItemType = 0,
     .KeyCount = 0,
     .Flags = pnlSpinLock},
    {.PageTitle = "USM User Table",
     .Kind = TvPanelKind::Table,
     .Table = tblUSMUserTable_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {12, "User Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlVACMSecurityToGroupTable[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblVACMSecurityToGroupTable,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {4, "Security To Group Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlVACMAccessTable[] = {
    {.Kind = TvPanelKind::Table, .Table = tblVACMAccessTable, .ItemType = 3, .KeyCount = 4},
};

constexpr TvPanelRecipe pnlVACMMIBViews1[] = {
    {.PageTitle = "View Spin Lock",
     .Kind = TvPanelKind::Scalar,
     .Table = tblVACMMIBViews1_1,
     .ItemType = 0,
     .KeyCount = 0,
     .Flags = pnlSpinLock},
    {.PageTitle = "View Tree Family Table",
     .Kind = TvPanelKind::Table,
     .Table = tblVACMMIBViews1_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {5, "View Tree Family Status", "createAndGo", "destroy"},
     .AddPreset = TvAddPreset::ViewTreeFamily},
};

constexpr TvPanelRecipe pnlNotifyTable[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblNotifyTable,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {4, "Notify Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlNotifyFilterProfileTable[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblNotifyFilterProfileTable,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {3, "Notify Filter Profile Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlNotifyFilterTable[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblNotifyFilterTable,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {5, "Notify Filter Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlCommunityTable[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblCommunityTable,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {7, "Community Status", "createAndGo", "destroy"},
     .AddPreset = TvAddPreset::Community},
};

constexpr TvPanelRecipe pnlTargetAddrExtTable[] = {
    {.Kind = TvPanelKind::Table, .Table = tblTargetAddrExtTable, .ItemType = 3, .KeyCount = 1},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "Engine", .Kind = TvRecipeKind::Scalar, .CaptionTitle = "SNMP Engine", .Panels = pnlEngine},
    {.Name = "MPD",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Message Processing and Dispatching",
     .Panels = pnlMPD},
    {.Name = "GeneralInformation1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "General Information",
     .Panels = pnlGeneralInformation1},
    {.Name = "TargetAddressTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Target Address Table",
     .Panels = pnlTargetAddressTable1},
    {.Name = "TargetParameters1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Target Parameters",
     .Panels = pnlTargetParameters1},
    {.Name = "USMStats", .Kind = TvRecipeKind::Scalar, .CaptionTitle = "USM Stats", .Panels = pnlUSMStats},
    {.Name = "USMUserTable",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "USM User Table",
     .Panels = pnlUSMUserTable},
    {.Name = "VACMSecurityToGroupTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "VACM Security To Group Table",
     .Panels = pnlVACMSecurityToGroupTable},
    {.Name = "VACMAccessTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "VACM Access Table",
     .Panels = pnlVACMAccessTable},
    {.Name = "VACMMIBViews1",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "VACM MIB Views",
     .Panels = pnlVACMMIBViews1},
    {.Name = "NotifyTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Notify Table",
     .Panels = pnlNotifyTable},
    {.Name = "NotifyFilterProfileTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Notify Filter Profile Table",
     .Panels = pnlNotifyFilterProfileTable},
    {.Name = "NotifyFilterTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Notify Filter Table",
     .Panels = pnlNotifyFilterTable},
    {.Name = "CommunityTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Community Table",
     .Panels = pnlCommunityTable},
    {.Name = "TargetAddrExtTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "TargetAddr Ext Table",
     .Panels = pnlTargetAddrExtTable},
};

} // namespace

std::span<const TvWindowRecipe> CatalogSnmpV3Recipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogSnmpV3Tables() {
    return kTables;
}
