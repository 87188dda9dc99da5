#pragma once

#include <span>
#include <string_view>

#include "catalog/TvWindowRecipe.h"

// The static management catalog: window recipes of the generic menu entries and every descriptor
// table they and the hidden entries hold. Read-only; nothing here is owned by its users.
class TvCatalog {
public:
    // Recipes of the clickable generic entries, in menu order.
    static std::span<const TvWindowRecipe* const> Recipes();
    // The recipe of a menu entry by its name, or null when the entry has none.
    static const TvWindowRecipe* FindRecipe(std::string_view name);
    // Every descriptor table once, in menu order, under the first entry that uses it.
    static std::span<const TvTableRef> Tables();
    // Rows of a null-Oid-terminated table.
    static int RowCount(const TvSNMPVarDef* table);
};
