#pragma once

#include "snmp/TvNotification.h"

#include <QAbstractTableModel>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <memory>

class TvNotificationLog;

// The notifications of the log as a table, the newest last. It follows the log in batches: arrivals
// start a short timer and the rows come in together when it fires, so a flood costs one insertion (and
// one removal of the oldest rows) per batch, not one per notification. At most the log's capacity.
class TvNotificationModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { colTime, colSource, colVersion, colKind, colVariables, colCount };
    static constexpr int kBatchMs = 200;

    explicit TvNotificationModel(TvNotificationLog& log, QObject* parent = nullptr);

    // Takes in what the log holds beyond the rows shown (the timer calls it; tests may too).
    void Sync();
    const TvNotification* At(int row) const;
    // Batches taken in so far.
    int Batches() const { return batches_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString TimeText(std::int64_t ms);
    static QString VersionText(int version, bool inform);
    // "label = value" (or "OID = value") for each varbind, separated by `separator`.
    static QString VariablesText(const TvNotification& n, const QString& separator);

private:
    // What a cell shows; `full` for its tooltip (the kind's OID, a variable a line).
    QString Text(const QModelIndex& index, bool full) const;

    TvNotificationLog& log_;
    std::deque<std::shared_ptr<const TvNotification>> rows_;
    std::uint64_t lastSeq_ = 0;
    QTimer batch_;
    int batches_ = 0;
};
