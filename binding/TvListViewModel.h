#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>

#include <vector>

// Rows of a table read, one line per table row. Rows arrive one at a time; the view learns of them in
// batches (at most every PublishDelayMs and at Flush), so a read of thousands of rows costs the view
// a few layouts instead of one per row.
class TvListViewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int PublishDelayMs = 40;

    explicit TvListViewModel(QObject* parent = nullptr);

    void SetColumns(const QStringList& captions);
    int ColumnCount() const { return static_cast<int>(captions_.size()); }
    // Removes every row, published or not.
    void Clear();
    void Append(QStringList row);
    // Shows every row appended so far.
    void Flush();
    // Rows the view shows; Append adds to them within PublishDelayMs or at Flush.
    int RowCount() const { return published_; }
    // Row `row`, column `column`; empty outside the table.
    QString Cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList captions_;
    std::vector<QStringList> rows_;
    int published_ = 0;
    QTimer publish_;
};
