#include "catalog/TvCatalogListing.h"

#include <cstdio>

#include "catalog/TvCatalog.h"
#include "values/TvOptionList.h"

namespace {

std::string Hex(int code) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%x", static_cast<unsigned>(code));
    return buf;
}

} // namespace

std::string TvCatalogListing::OptionsText(const TvOptionList* list) {
    std::string out;
    if (!list)
        return out;
    for (int i = 0; i < list->Count(); ++i) {
        const TvOption& o = list->Item(i);
        if (i > 0)
            out += '|';
        out += list->Kind() == TvOptionList::kIntegers ? std::to_string(o.Value) : o.StrValue;
        out += '=';
        out += o.Text;
    }
    return out;
}

std::string TvCatalogListing::RowLine(const TvTableRef& ref, int row) {
    const TvSNMPVarDef& d = ref.Table[row];
    std::string line = ref.Entry;
    line += '\t' + std::to_string(ref.Page) + '\t' + std::to_string(row) + '\t' + d.Oid + '\t' + d.Label;
    line += '\t' + Hex(d.Syntax) + '\t' + Hex(d.Access) + '\t' + OptionsText(d.Options);
    return line;
}

std::string TvCatalogListing::Text() {
    std::string out;
    for (const TvTableRef& ref : TvCatalog::Tables()) {
        const int rows = TvCatalog::RowCount(ref.Table);
        for (int r = 0; r < rows; ++r)
            out += RowLine(ref, r) + '\n';
    }
    return out;
}
