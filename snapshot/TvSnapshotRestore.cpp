#include "snapshot/TvSnapshotRestore.h"

#include "catalog/TvDisruptiveWrites.h"
#include "catalog/TvSecretVars.h"
#include "snapshot/TvSnapshotPlan.h"

#include <strings.h>

namespace {

const TvSNMPVarDef* Column(const TvSnapshotDifference& d) {
    const TvSnapshotSource* source = TvSnapshotPlan::Find(d.EntryKey);
    return source ? TvSnapshotPlan::Column(*source, d.Oid) : nullptr;
}

std::string Named(const TvSnapshotDifference& d) {
    return d.Label + " (" + d.Entry + (d.Row == "0" ? "" : ", row " + d.Row) + ")";
}

} // namespace

std::string TvSnapshotRestore::Refusal(const TvSnapshotDifference& d) {
    if (d.What != TvSnapshotDifference::Changed)
        return "rows are not created or deleted here";
    const TvSNMPVarDef* def = Column(d);
    if (!def)
        return "not a variable of the catalog";
    if ((def->Access & accWrite) == 0 || (def->Access & accIndex) != 0)
        return "not writable";
    if (TvSecretVars::Find(def->Oid))
        return "a secret";
    if (d.Old == "(absent)" || d.New == "(absent)")
        return "not held on both sides";
    return {};
}

TvSNMPVarList TvSnapshotRestore::Writes(const std::vector<TvSnapshotDifference>& diffs) {
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itInstance;
    list.Name = "Restore";
    for (const TvSnapshotDifference& d : diffs) {
        const TvSNMPVarDef* def = Column(d);
        if (!def || !Restorable(d))
            continue;
        list.AddItem(d.Instance(), def->Label, def->Syntax, accReadWrite, def->Options);
        list.Item(list.Count() - 1).Value = d.Old;
    }
    return list;
}

std::vector<std::string> TvSnapshotRestore::Disruptive(const std::vector<TvSnapshotDifference>& diffs) {
    std::vector<std::string> out;
    for (const TvSnapshotDifference& d : diffs)
        if (const TvDisruptiveVar* v = TvDisruptiveWrites::Find(d.Oid);
            v && Restorable(d) && !(v->Harmless && strcasecmp(v->Harmless, d.Old.c_str()) == 0))
            out.push_back(Named(d) + ": writing it " + v->Effect);
    return out;
}

std::vector<std::string> TvSnapshotRestore::NotTaken(const std::vector<TvSnapshotDifference>& diffs,
                                                     const TvSNMPVarList& readBack) {
    std::vector<std::string> out;
    int i = 0;
    for (const TvSnapshotDifference& d : diffs) {
        if (!Restorable(d) || !Column(d))
            continue;
        if (i >= readBack.Count())
            break;
        const std::string& now = readBack.Item(i++).Value;
        if (strcasecmp(now.c_str(), d.Old.c_str()) != 0)
            out.push_back(Named(d) + ": wanted " + d.Old + ", reads " + now);
    }
    return out;
}
