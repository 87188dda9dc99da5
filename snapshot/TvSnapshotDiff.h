#pragma once

#include "snapshot/TvSnapshot.h"

#include <string>
#include <vector>

// One difference between two snapshots: a value changed, or a row added or removed.
struct TvSnapshotDifference {
    enum Kind { Changed, RowAdded, RowRemoved };
    Kind What = Changed;
    std::string EntryKey; // TvSnapshotEntry::Key
    std::string Entry;    // the entry's caption and page title
    std::string Row;      // the row's instance ("0" for a scalar group)
    std::string Label;    // the column's label; "(row added)" or "(row removed)" for a row
    std::string Oid;      // the column's object identifier (without the row); empty for a row
    int Syntax = 0;
    int Access = 0;
    std::string Old; // value text; for a row, its values as "Label=text" pairs
    std::string New;
    bool Live = false; // a value that moves by itself

    // The full object identifier of a changed value (column and row).
    std::string Instance() const { return Oid + '.' + Row; }
};

struct TvSnapshotComparison {
    std::vector<TvSnapshotDifference> Differences;
    int Compared = 0;                 // entries read in both snapshots
    std::vector<std::string> Skipped; // entries that failed (or are missing) in one of them
    int LiveLeftOut = 0;              // differences of values that move by themselves, not listed

    bool NothingToCompare() const { return Compared == 0; }
    // A plain sentence for the operator when there is nothing to list.
    std::string Summary() const;
};

// Compares two snapshots entry by entry, row by row (by index) and column by column (by OID).
class TvSnapshotDiff {
public:
    static TvSnapshotComparison Compare(const TvSnapshot& before, const TvSnapshot& after, bool includeLive);
    // Whether a value moves by itself (by its syntax or the catalog's meaning).
    static bool IsLive(const TvSnapshotValue& value);
};
