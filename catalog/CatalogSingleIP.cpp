// Descriptor tables, option lists and window recipes of the "Single IP Configuration" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList optSingleIPRoleState(TvOptionList::kIntegers, {{1, "cs"}, {2, "cas"}, {3, "ms"}});

constexpr TvSNMPVarDef tblInformation1[] = {
    {"1.3.6.1.4.1.59371.12.8.1.1.1", "Version", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.1.2", "Capability", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.1.3", "Platform", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblControl1[] = {
    {"1.3.6.1.4.1.59371.12.8.1.2.1", "Single IP Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.8.1.2.2", "Single IP Role State", synInteger, accReadWrite, &optSingleIPRoleState},
    {"1.3.6.1.4.1.59371.12.8.1.2.3", "Single IP Hold time", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.2.4", "Single IP Time Interval", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblCandidateSwitch1[] = {
    {"1.3.6.1.4.1.59371.12.8.1.4.1.1", "ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.4.1.2", "Device Name", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.4.1.3", "MAC Addr", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.4.1.4", "Firmware Ver", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.4.1.5", "Capability", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.4.1.6", "Platform", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.4.1.7", "Holdtime", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIPManagementGroup1[] = {
    {"1.3.6.1.4.1.59371.12.8.1.5.1.1", "MAC Addr", synMacAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.5.1.2", "Name", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.5.1.3", "Device Name", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.5.1.4", "MS Number", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.5.1.5", "Firmware Ver", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.5.1.6", "Capability", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.5.1.7", "Platform", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.8.1.5.1.8", "Holdtime", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvTableRef kTables[] = {
    {"Information1", 0, tblInformation1},
    {"Control1", 0, tblControl1},
    {"CandidateSwitch1", 0, tblCandidateSwitch1},
    {"IPManagementGroup1", 0, tblIPManagementGroup1},
};

constexpr TvPanelRecipe pnlInformation1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblInformation1, .ItemType = 0, .KeyCount = 0, .ValueWidth = 180},
};

constexpr TvPanelRecipe pnlControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlCandidateSwitch1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblCandidateSwitch1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlIPManagementGroup1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblIPManagementGroup1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "Information1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Single IP Management Information",
     .Panels = pnlInformation1},
    {.Name = "Control1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Single IP Control: ",
     .Panels = pnlControl1},
    {.Name = "CandidateSwitch1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Single IP Candidate Switch Management : ",
     .Panels = pnlCandidateSwitch1},
    {.Name = "IPManagementGroup1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Single IP Group Management",
     .Panels = pnlIPManagementGroup1},
};

} // namespace

std::span<const TvWindowRecipe> CatalogSingleIPRecipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogSingleIPTables() {
    return kTables;
}
