#include "windows/TvJournalModel.h"

#include "guibase/TvText.h"

#include <QDateTime>

TvJournalModel::TvJournalModel(QObject* parent) : QAbstractTableModel(parent) {}

void TvJournalModel::SetEntries(std::vector<TvJournalEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    lines_.clear();
    times_.clear();
    for (const TvJournalEntry& e : entries_)
        times_[e.Id] = e.UtcMs;
    for (int e = static_cast<int>(entries_.size()) - 1; e >= 0; --e) {
        const int vars = static_cast<int>(entries_[static_cast<size_t>(e)].Vars.size());
        if (vars == 0)
            lines_.push_back({e, -1});
        for (int v = 0; v < vars; ++v)
            lines_.push_back({e, v});
    }
    endResetModel();
}

const TvJournalEntry* TvJournalModel::EntryAt(int row) const {
    if (row < 0 || row >= static_cast<int>(lines_.size()))
        return nullptr;
    return &entries_[static_cast<size_t>(lines_[static_cast<size_t>(row)].Entry)];
}

int TvJournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int TvJournalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colCount;
}

QString TvJournalModel::TimeText(std::int64_t utcMs) {
    return QDateTime::fromMSecsSinceEpoch(utcMs).toLocalTime().toString(
        QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString TvJournalModel::SourceText(const TvJournalEntry& entry) const {
    QString text = FromBytes(entry.Source);
    if (entry.UndoOf.empty())
        return text;
    const auto it = times_.find(entry.UndoOf);
    return text + QStringLiteral(" (undo of the write at ") +
           (it != times_.end() ? TimeText(it->second) : FromBytes(entry.UndoOf)) + QLatin1Char(')');
}

QVariant TvJournalModel::data(const QModelIndex& index, int role) const {
    const TvJournalEntry* e = EntryAt(index.row());
    if (!e || index.column() < 0 || index.column() >= colCount)
        return {};
    const int var = lines_[static_cast<size_t>(index.row())].Var;
    const TvJournalEntry::Var none;
    const TvJournalEntry::Var& v = var >= 0 ? e->Vars[static_cast<size_t>(var)] : none;
    if (role == TimeRole)
        return QVariant::fromValue<qint64>(e->UtcMs);
    if (role == SourceRole)
        return FromBytes(e->Source);
    if (role == Qt::ToolTipRole && index.column() == colBefore && !v.BeforeKnown && var >= 0)
        return QStringLiteral("Not known: the window had not read it.");
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case colTime:
        return TimeText(e->UtcMs);
    case colSwitch:
        return FromBytes(e->Switch());
    case colSource:
        return SourceText(*e);
    case colOid:
        return FromBytes(v.Oid);
    case colLabel:
        return FromBytes(v.Label);
    case colBefore:
        return v.BeforeKnown ? FromBytes(v.Before) : QString();
    case colSent:
        return FromBytes(v.Sent);
    case colOutcome:
        return FromBytes(e->OutcomeLine()) + (e->UndoneBy.empty() ? QString() : QStringLiteral(", undone"));
    default:
        return {};
    }
}

QVariant TvJournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[colCount] = {
        "Time", "Switch", "Window or command", "OID", "Label", "Before", "Sent", "Outcome"};
    return section >= 0 && section < colCount ? QString::fromLatin1(captions[section]) : QVariant();
}
