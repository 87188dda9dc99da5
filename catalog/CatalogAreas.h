#pragma once

#include <span>

#include "catalog/TvWindowRecipe.h"

// Accessors of each menu area, each pair defined in the area's own source file. Recipes are in menu
// order; tables are every descriptor table of the area in menu order, those of hidden entries included.
std::span<const TvWindowRecipe> CatalogBasicRecipes();
std::span<const TvTableRef> CatalogBasicTables();
std::span<const TvWindowRecipe> CatalogSingleIPRecipes();
std::span<const TvTableRef> CatalogSingleIPTables();
std::span<const TvWindowRecipe> CatalogBridgeRecipes();
std::span<const TvTableRef> CatalogBridgeTables();
std::span<const TvWindowRecipe> CatalogVlanRecipes();
std::span<const TvTableRef> CatalogVlanTables();
std::span<const TvWindowRecipe> CatalogRmonRecipes();
std::span<const TvTableRef> CatalogRmonTables();
std::span<const TvWindowRecipe> CatalogSnmpV3Recipes();
std::span<const TvTableRef> CatalogSnmpV3Tables();
std::span<const TvWindowRecipe> CatalogSecurityRecipes();
std::span<const TvTableRef> CatalogSecurityTables();
std::span<const TvWindowRecipe> CatalogLayer2Recipes();
std::span<const TvTableRef> CatalogLayer2Tables();
std::span<const TvWindowRecipe> CatalogLayer3Recipes();
std::span<const TvTableRef> CatalogLayer3Tables();
