// Descriptor tables, option lists and window recipes of the "RMON" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

constexpr TvSNMPVarDef tblS1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.3", "RMON State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvTableRef kTables[] = {
    {"S1", 0, tblS1},
};

constexpr TvPanelRecipe pnlS1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblS1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "S1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "RMON State",
     .CaptionSeparator = ":",
     .Panels = pnlS1,
     .Flags = wndRefreshRmonOnClose},
};

} // namespace

std::span<const TvWindowRecipe> CatalogRmonRecipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogRmonTables() {
    return kTables;
}
