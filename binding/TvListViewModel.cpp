#include "binding/TvListViewModel.h"

TvListViewModel::TvListViewModel(QObject* parent) : QAbstractTableModel(parent) {
    publish_.setSingleShot(true);
    publish_.setInterval(PublishDelayMs);
    connect(&publish_, &QTimer::timeout, this, &TvListViewModel::Flush);
}

void TvListViewModel::SetColumns(const QStringList& captions) {
    beginResetModel();
    captions_ = captions;
    rows_.clear();
    published_ = 0;
    endResetModel();
}

void TvListViewModel::Clear() {
    publish_.stop();
    if (rows_.empty())
        return;
    beginResetModel();
    rows_.clear();
    published_ = 0;
    endResetModel();
}

void TvListViewModel::Append(QStringList row) {
    rows_.push_back(std::move(row));
    // The first row shows at once; later ones join it in batches.
    if (published_ == 0)
        Flush();
    else if (!publish_.isActive())
        publish_.start();
}

void TvListViewModel::Flush() {
    publish_.stop();
    const int total = static_cast<int>(rows_.size());
    if (published_ >= total)
        return;
    beginInsertRows(QModelIndex(), published_, total - 1);
    published_ = total;
    endInsertRows();
}

QString TvListViewModel::Cell(int row, int column) const {
    if (row < 0 || row >= published_)
        return {};
    const QStringList& r = rows_[static_cast<size_t>(row)];
    return column >= 0 && column < r.size() ? r[column] : QString();
}

int TvListViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : published_;
}

int TvListViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant TvListViewModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return Cell(index.row(), index.column());
}

QVariant TvListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount())
        return captions_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}
