#include "catalog/TvCatalog.h"

#include <vector>

#include "catalog/CatalogAreas.h"

namespace {

struct Area {
    std::span<const TvWindowRecipe> (*Recipes)();
    std::span<const TvTableRef> (*Tables)();
};

// Menu bar order.
constexpr Area kAreas[] = {
    {CatalogBasicRecipes, CatalogBasicTables},       {CatalogSingleIPRecipes, CatalogSingleIPTables},
    {CatalogBridgeRecipes, CatalogBridgeTables},     {CatalogVlanRecipes, CatalogVlanTables},
    {CatalogRmonRecipes, CatalogRmonTables},         {CatalogSnmpV3Recipes, CatalogSnmpV3Tables},
    {CatalogSecurityRecipes, CatalogSecurityTables}, {CatalogLayer2Recipes, CatalogLayer2Tables},
    {CatalogLayer3Recipes, CatalogLayer3Tables},
};

} // namespace

std::span<const TvWindowRecipe* const> TvCatalog::Recipes() {
    static const std::vector<const TvWindowRecipe*> all = [] {
        std::vector<const TvWindowRecipe*> v;
        for (const Area& a : kAreas)
            for (const TvWindowRecipe& r : a.Recipes())
                v.push_back(&r);
        return v;
    }();
    return all;
}

const TvWindowRecipe* TvCatalog::FindRecipe(std::string_view name) {
    for (const TvWindowRecipe* r : Recipes())
        if (name == r->Name)
            return r;
    return nullptr;
}

std::span<const TvTableRef> TvCatalog::Tables() {
    static const std::vector<TvTableRef> all = [] {
        std::vector<TvTableRef> v;
        for (const Area& a : kAreas)
            for (const TvTableRef& t : a.Tables())
                v.push_back(t);
        return v;
    }();
    return all;
}

int TvCatalog::RowCount(const TvSNMPVarDef* table) {
    int n = 0;
    if (table)
        while (table[n].Oid)
            ++n;
    return n;
}
