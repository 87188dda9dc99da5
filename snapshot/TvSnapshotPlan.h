#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/TvSNMPVarDef.h"

// One scalar group or table a snapshot reads: a generic window's panel or page, or the variables of a
// dedicated window, with what the variable list is built from.
struct TvSnapshotSource {
    std::string Entry; // the menu entry's own name
    int Page = 0;      // 0 for a window of one panel, 1.. for the pages of a paged window
    std::string Caption;
    std::string PageTitle;
    const TvSNMPVarDef* Table = nullptr; // catalog data, borrowed
    int ItemType = 0;
    int KeyCount = 0;

    bool IsTable() const { return ItemType == 2 || ItemType == 3; }
    std::string Key() const { return Entry + '#' + std::to_string(Page); }
};

// Everything a snapshot reads, in menu order: every panel and page of the generic menu entries, then the
// dedicated windows. A descriptor table several entries show the same way is read once, under the first.
class TvSnapshotPlan {
public:
    static std::span<const TvSnapshotSource> All();
    static const TvSnapshotSource* Find(std::string_view key);
    // The descriptor row of a column or scalar of `source`, or null.
    static const TvSNMPVarDef* Column(const TvSnapshotSource& source, std::string_view oid);
    // Whether a snapshot keeps this column at all: it can be read and its value is no key, password or
    // community string.
    static bool Kept(const TvSNMPVarDef& row);
};
