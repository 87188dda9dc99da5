#pragma once

#include <string>
#include <vector>

// One value of a snapshot: a column of a row (or a scalar), as the windows show it and as the switch
// sent it.
struct TvSnapshotValue {
    std::string Oid; // the column's (or scalar's) object identifier, without the row index
    std::string Label;
    int Syntax = 0;
    int Access = 0;
    std::string Text; // as the windows show it (option names, dotted addresses)
    std::string Raw;  // as the switch holds it: decimal, dotted, or hexadecimal octets
};

struct TvSnapshotRow {
    std::string Index; // the row's instance ("0" for a scalar group)
    std::vector<TvSnapshotValue> Values;

    const TvSnapshotValue* Find(const std::string& oid) const;
};

// One scalar group or table of the catalog: a generic window (or one page of it) or the variables of a
// dedicated window.
struct TvSnapshotEntry {
    std::string Name;    // the menu entry's own name
    int Page = 0;        // 0 for a window of one panel, 1.. for the pages of a paged window
    std::string Caption; // the menu entry's caption
    std::string PageTitle;
    bool Table = false;
    std::vector<TvSnapshotRow> Rows;
    bool Failed = false;
    std::string Error; // why it could not be read

    std::string Key() const { return Name + '#' + std::to_string(Page); }
    // The caption and page title as one name ("User Table / User Spin Lock").
    std::string Title() const;
    const TvSnapshotRow* FindRow(const std::string& index) const;
};

// A whole switch at one moment.
struct TvSnapshot {
    static constexpr const char* kFormat = "qtr5190mx-snapshot";
    static constexpr int kVersion = 1;

    std::string Address;
    int Port = 0;
    std::string SysName;
    std::string SysObjectID;
    std::string SysDescr;
    std::string Taken; // UTC, ISO 8601
    std::vector<TvSnapshotEntry> Entries;

    const TvSnapshotEntry* Find(const std::string& key) const;
    std::vector<const TvSnapshotEntry*> FailedEntries() const;
};
