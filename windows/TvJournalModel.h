#pragma once

#include "journal/TvJournalEntry.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The change journal as a table: one line per variable written, the newest write first.
class TvJournalModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { colTime, colSwitch, colSource, colOid, colLabel, colBefore, colSent, colOutcome, colCount };
    // Under this role the time column holds the write's time in milliseconds since the epoch (UTC).
    static constexpr int TimeRole = Qt::UserRole + 1;
    // Under this role the window or command column holds the name alone (an undo without what it undoes).
    static constexpr int SourceRole = Qt::UserRole + 2;

    explicit TvJournalModel(QObject* parent = nullptr);

    // The entries as read (oldest first).
    void SetEntries(std::vector<TvJournalEntry> entries);
    // The write a line belongs to; null outside the table.
    const TvJournalEntry* EntryAt(int row) const;
    const std::vector<TvJournalEntry>& Entries() const { return entries_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The time a line shows: the reader's local time.
    static QString TimeText(std::int64_t utcMs);
    // The window or command, with the time of the write it undoes.
    QString SourceText(const TvJournalEntry& entry) const;

private:
    struct Line {
        int Entry;
        int Var; // -1: a write of no variables
    };
    std::vector<TvJournalEntry> entries_;
    std::map<std::string, std::int64_t> times_; // of each entry by its id
    std::vector<Line> lines_;
};
