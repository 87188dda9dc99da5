#pragma once

#include "base/TvSNMPVarDef.h"

#include <string>

class TvOptionList;

// One run-time variable of a list: the descriptor's fields plus the current value text and the
// full OID it was last read at. Optional texts are empty when absent.
struct TvSNMPVarItem {
    std::string Oid;
    std::string Label;
    int Syntax = 0;
    int Access = 0;
    const TvOptionList* Options = nullptr; // shared catalog data, never owned
    std::string GetExpr;
    std::string SetExpr;
    std::string Note;
    std::string Value;
    std::string CurrentOid;

    TvSNMPVarItem() = default;
    explicit TvSNMPVarItem(const TvSNMPVarDef& def);
};
