#include "windows/TvNotificationModel.h"

#include "catalog/TvNotificationNames.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "snmp/TvNotificationLog.h"

#include <QDateTime>

#include <algorithm>

TvNotificationModel::TvNotificationModel(TvNotificationLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log) {
    batch_.setSingleShot(true);
    batch_.setInterval(kBatchMs);
    connect(&batch_, &QTimer::timeout, this, &TvNotificationModel::Sync);
    connect(&log_, &TvNotificationLog::Added, this, [this] {
        if (!batch_.isActive())
            batch_.start();
    });
    connect(&log_, &TvNotificationLog::Cleared, this, [this] {
        beginResetModel();
        rows_.clear();
        lastSeq_ = log_.LastSeq();
        endResetModel();
    });
    Sync();
}

void TvNotificationModel::Sync() {
    batch_.stop();
    const auto& entries = log_.Entries();
    const auto first =
        std::upper_bound(entries.begin(), entries.end(), lastSeq_,
                         [](std::uint64_t seq, const TvNotificationLog::Entry& e) { return seq < e.Seq; });
    lastSeq_ = log_.LastSeq();
    const std::size_t fresh = static_cast<std::size_t>(entries.end() - first);
    if (fresh == 0)
        return;
    ++batches_;
    // The oldest rows go first, so the table never holds more than the log.
    const std::size_t capacity = log_.Capacity();
    const std::size_t keep = capacity - std::min(capacity, fresh);
    if (rows_.size() > keep) {
        const int drop = static_cast<int>(rows_.size() - keep);
        beginRemoveRows(QModelIndex(), 0, drop - 1);
        rows_.erase(rows_.begin(), rows_.begin() + drop);
        endRemoveRows();
    }
    const int at = static_cast<int>(rows_.size());
    beginInsertRows(QModelIndex(), at, at + static_cast<int>(fresh) - 1);
    for (auto it = first; it != entries.end(); ++it)
        rows_.push_back(it->Item);
    endInsertRows();
}

const TvNotification* TvNotificationModel::At(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].get()
                                                            : nullptr;
}

int TvNotificationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TvNotificationModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colCount;
}

QString TvNotificationModel::TimeText(std::int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString TvNotificationModel::VersionText(int version, bool inform) {
    const QString v = version == 0   ? QStringLiteral("v1")
                      : version == 1 ? QStringLiteral("v2c")
                                     : QStringLiteral("v3");
    return v + (inform ? QStringLiteral(" inform") : QStringLiteral(" trap"));
}

QString TvNotificationModel::VariablesText(const TvNotification& n, const QString& separator) {
    QStringList parts;
    for (const TvVarBind& vb : n.VarBinds) {
        const std::string label = TvNotificationNames::VarLabel(vb.Oid);
        parts << FromBytes(label.empty() ? vb.Oid : label) + QStringLiteral(" = ") +
                     FromBytes(TvNotification::ValueText(vb.Value));
    }
    return parts.join(separator);
}

QVariant TvNotificationModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::ToolTipRole) {
        // Text from the switch: a tooltip shows it literally.
        const QString text = Text(index, true);
        return text.isEmpty() ? QVariant() : QVariant(TvPlainText::ToolTip(text));
    }
    if (role != Qt::DisplayRole)
        return {};
    return Text(index, false);
}

QString TvNotificationModel::Text(const QModelIndex& index, bool full) const {
    const TvNotification* n = At(index.row());
    if (!n)
        return {};
    switch (index.column()) {
    case colTime:
        return TimeText(n->ReceivedMs);
    case colSource:
        return FromBytes(n->Source);
    case colVersion:
        return VersionText(n->Version, n->Inform);
    case colKind:
        return full ? FromBytes(n->Kind) : FromBytes(TvNotificationNames::KindText(n->Kind));
    case colVariables:
        return VariablesText(*n, full ? QStringLiteral("\n") : QStringLiteral("; "));
    default:
        return {};
    }
}

QVariant TvNotificationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const kHeaders[] = {"Time", "Source", "Version", "Kind", "Variables"};
    return section >= 0 && section < colCount ? QString::fromLatin1(kHeaders[section]) : QVariant();
}
