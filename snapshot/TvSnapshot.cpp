#include "snapshot/TvSnapshot.h"

const TvSnapshotValue* TvSnapshotRow::Find(const std::string& oid) const {
    for (const TvSnapshotValue& v : Values)
        if (v.Oid == oid)
            return &v;
    return nullptr;
}

std::string TvSnapshotEntry::Title() const {
    if (PageTitle.empty() || PageTitle == Caption)
        return Caption;
    return Caption + " / " + PageTitle;
}

const TvSnapshotRow* TvSnapshotEntry::FindRow(const std::string& index) const {
    for (const TvSnapshotRow& r : Rows)
        if (r.Index == index)
            return &r;
    return nullptr;
}

const TvSnapshotEntry* TvSnapshot::Find(const std::string& key) const {
    for (const TvSnapshotEntry& e : Entries)
        if (e.Key() == key)
            return &e;
    return nullptr;
}

std::vector<const TvSnapshotEntry*> TvSnapshot::FailedEntries() const {
    std::vector<const TvSnapshotEntry*> failed;
    for (const TvSnapshotEntry& e : Entries)
        if (e.Failed)
            failed.push_back(&e);
    return failed;
}
