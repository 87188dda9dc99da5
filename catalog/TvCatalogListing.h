#pragma once

#include <string>

#include "catalog/TvWindowRecipe.h"

class TvOptionList;

// Plain-text listing of the catalog's descriptor tables, one line per row, fields separated by tabs:
// entry, page, row, OID, label, syntax, access (both "0x" lowercase hex) and the options as
// value=text pairs joined by "|".
class TvCatalogListing {
public:
    static std::string OptionsText(const TvOptionList* list);
    static std::string RowLine(const TvTableRef& ref, int row);
    // Every table of the catalog in menu order, each line ended by a line feed.
    static std::string Text();
};
