#include "snapshot/TvSnapshotDiff.h"

#include "catalog/TvLiveVars.h"

#include <map>
#include <set>

namespace {

std::string RowText(const TvSnapshotRow& row) {
    std::string text;
    for (const TvSnapshotValue& v : row.Values) {
        if (!text.empty())
            text += ", ";
        text += v.Label + '=' + v.Text;
    }
    return text;
}

// Index-only columns carry a blank OID: they are told apart by their labels.
std::string ColumnKey(const TvSnapshotValue& v) {
    return v.Oid + '\t' + v.Label;
}

} // namespace

bool TvSnapshotDiff::IsLive(const TvSnapshotValue& value) {
    return TvLiveVars::LiveSyntax(value.Syntax) || TvLiveVars::Find(value.Oid) != nullptr;
}

std::string TvSnapshotComparison::Summary() const {
    if (NothingToCompare())
        return "Nothing to compare: no table or group was read in both snapshots.";
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a literal + a temporary string.
    std::string text;
    if (Differences.empty()) {
        text = "No differences in ";
    } else {
        text = std::to_string(Differences.size());
        text += " difference(s) in ";
    }
    text += std::to_string(Compared);
    text += " tables and groups.";
    if (LiveLeftOut > 0) {
        text += ' ';
        text += std::to_string(LiveLeftOut);
        text += " change(s) of values that move by themselves left out.";
    }
    if (!Skipped.empty()) {
        text += ' ';
        text += std::to_string(Skipped.size());
        text += " not compared (read in one snapshot only).";
    }
    return text;
}

TvSnapshotComparison TvSnapshotDiff::Compare(const TvSnapshot& before, const TvSnapshot& after,
                                             bool includeLive) {
    TvSnapshotComparison out;
    std::set<std::string> seen;
    const auto skip = [&](const TvSnapshotEntry& e) { out.Skipped.push_back(e.Title()); };
    for (const TvSnapshotEntry& old : before.Entries) {
        seen.insert(old.Key());
        const TvSnapshotEntry* now = after.Find(old.Key());
        if (!now || old.Failed || now->Failed) {
            skip(old);
            continue;
        }
        ++out.Compared;
        const auto base = [&](TvSnapshotDifference::Kind kind, const std::string& row) {
            TvSnapshotDifference d;
            d.What = kind;
            d.EntryKey = old.Key();
            d.Entry = old.Title();
            d.Row = row;
            return d;
        };
        std::map<std::string, const TvSnapshotRow*> newRows;
        for (const TvSnapshotRow& r : now->Rows)
            newRows.emplace(r.Index, &r);
        for (const TvSnapshotRow& r : old.Rows) {
            const auto it = newRows.find(r.Index);
            if (it == newRows.end()) {
                TvSnapshotDifference d = base(TvSnapshotDifference::RowRemoved, r.Index);
                d.Label = "(row removed)";
                d.Old = RowText(r);
                out.Differences.push_back(std::move(d));
                continue;
            }
            const TvSnapshotRow& n = *it->second;
            newRows.erase(it);
            std::map<std::string, const TvSnapshotValue*> newValues;
            for (const TvSnapshotValue& v : n.Values)
                newValues.emplace(ColumnKey(v), &v);
            // One column whose text differs; live values only when asked for.
            const auto changed = [&](const TvSnapshotValue& v, const std::string& oldText,
                                     const std::string& newText) {
                const bool live = IsLive(v);
                if (live && !includeLive) {
                    ++out.LiveLeftOut;
                    return;
                }
                TvSnapshotDifference d = base(TvSnapshotDifference::Changed, r.Index);
                d.Label = v.Label;
                d.Oid = v.Oid;
                d.Syntax = v.Syntax;
                d.Access = v.Access;
                d.Old = oldText;
                d.New = newText;
                d.Live = live;
                out.Differences.push_back(std::move(d));
            };
            for (const TvSnapshotValue& v : r.Values) {
                const auto nv = newValues.find(ColumnKey(v));
                const std::string newText =
                    nv == newValues.end() ? std::string("(absent)") : nv->second->Text;
                if (nv != newValues.end())
                    newValues.erase(nv);
                if (newText != v.Text)
                    changed(v, v.Text, newText);
            }
            // Columns the newer snapshot has and the older one has not.
            for (const TvSnapshotValue& v : n.Values)
                if (newValues.find(ColumnKey(v)) != newValues.end())
                    changed(v, "(absent)", v.Text);
        }
        // Rows only the newer snapshot has, in its order.
        for (const TvSnapshotRow& r : now->Rows) {
            if (newRows.find(r.Index) == newRows.end())
                continue;
            TvSnapshotDifference d = base(TvSnapshotDifference::RowAdded, r.Index);
            d.Label = "(row added)";
            d.New = RowText(r);
            out.Differences.push_back(std::move(d));
        }
    }
    for (const TvSnapshotEntry& now : after.Entries)
        if (!seen.count(now.Key()))
            skip(now);
    return out;
}
