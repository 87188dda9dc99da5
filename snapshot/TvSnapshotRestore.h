#pragma once

#include "snapshot/TvSnapshotDiff.h"
#include "snmp/TvSNMPVarList.h"

#include <string>
#include <vector>

// Writing back what drifted: the older values of chosen differences against the switch as it is now.
// Only values of writable scalars and of writable columns of rows that exist on both sides are written;
// rows are neither created nor deleted.
class TvSnapshotRestore {
public:
    // Why a difference cannot be written back; empty when it can.
    static std::string Refusal(const TvSnapshotDifference& d);
    static bool Restorable(const TvSnapshotDifference& d) { return Refusal(d).empty(); }
    // One list that writes the older values: item type 1, one item per value at its full object
    // identifier, with the catalog's syntax and options (so that option names go out as numbers).
    static TvSNMPVarList Writes(const std::vector<TvSnapshotDifference>& diffs);
    // The writes that remove, disable or restart something: "Label (Entry): what it does".
    static std::vector<std::string> Disruptive(const std::vector<TvSnapshotDifference>& diffs);
    // After `list` (as Writes built it) was written and read back into `readBack`: the values the switch
    // did not take, "Label (Entry): wanted W, reads R".
    static std::vector<std::string> NotTaken(const std::vector<TvSnapshotDifference>& diffs,
                                             const TvSNMPVarList& readBack);
};
