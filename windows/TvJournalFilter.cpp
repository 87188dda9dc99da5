#include "windows/TvJournalFilter.h"

#include "windows/TvJournalModel.h"

TvJournalFilter::TvJournalFilter(QObject* parent) : QSortFilterProxyModel(parent) {}

void TvJournalFilter::SetSwitch(const QString& address) {
    switch_ = address;
    invalidateFilter();
}

void TvJournalFilter::SetSource(const QString& source) {
    source_ = source;
    invalidateFilter();
}

void TvJournalFilter::SetText(const QString& text) {
    text_ = text.trimmed();
    invalidateFilter();
}

void TvJournalFilter::SetFrom(std::optional<qint64> utcMs) {
    from_ = utcMs;
    invalidateFilter();
}

void TvJournalFilter::SetTo(std::optional<qint64> utcMs) {
    to_ = utcMs;
    invalidateFilter();
}

bool TvJournalFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const QAbstractItemModel* m = sourceModel();
    const auto cell = [&](int column, int role = Qt::DisplayRole) {
        return m->index(row, column, parent).data(role);
    };
    if (!switch_.isEmpty() && cell(TvJournalModel::colSwitch).toString() != switch_)
        return false;
    if (!source_.isEmpty() &&
        cell(TvJournalModel::colSource, TvJournalModel::SourceRole).toString() != source_)
        return false;
    if (!text_.isEmpty() && !cell(TvJournalModel::colOid).toString().contains(text_, Qt::CaseInsensitive) &&
        !cell(TvJournalModel::colLabel).toString().contains(text_, Qt::CaseInsensitive))
        return false;
    const qint64 when = cell(TvJournalModel::colTime, TvJournalModel::TimeRole).toLongLong();
    return (!from_ || when >= *from_) && (!to_ || when <= *to_);
}
