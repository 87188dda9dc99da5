#include "binding/TvListSortProxy.h"

#include "base/TvSNMPVarDef.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool HexColumn(int syntax) {
    switch (syntax) {
    case synOctetHex:
    case synOctetString:
    case synOpaque:
    case synMacAddress:
    case synOctet16:
        return true;
    default:
        return false;
    }
}

// Runs of digits compare by their value, everything else without regard to case: "9.1.1.1" before
// "10.1.1.1", "Port 2" before "Port 10".
int Natural(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Leading zeros do not count; a longer run is a larger number.
            qsizetype si = i;
            qsizetype sj = j;
            while (si + 1 < ei && a[si] == '0')
                ++si;
            while (sj + 1 < ej && b[sj] == '0')
                ++sj;
            if (ei - si != ej - sj)
                return ei - si < ej - sj ? -1 : 1;
            if (const int c = QStringView(a).sliced(si, ei - si).compare(QStringView(b).sliced(sj, ej - sj)))
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded();
        const QChar cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

} // namespace

TvListSortProxy::TvListSortProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setFilterKeyColumn(-1); // the filter looks at every column
}

void TvListSortProxy::SetSecretColumns(std::vector<bool> secret) {
    secret_ = std::move(secret);
    invalidate();
}

bool TvListSortProxy::HasSecretColumns() const {
    return std::find(secret_.begin(), secret_.end(), true) != secret_.end();
}

void TvListSortProxy::SetSecretsShown(bool shown) {
    if (shown == secretsShown_)
        return;
    secretsShown_ = shown;
    // The filter and the order may change with what they may look at; the cells change in any case.
    invalidate();
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

bool TvListSortProxy::IsMasked(int column) const {
    return !secretsShown_ && column >= 0 && column < static_cast<int>(secret_.size()) &&
           secret_[static_cast<size_t>(column)];
}

QString TvListSortProxy::Masked(const QString& value) {
    return value.isEmpty() ? value : QStringLiteral("\u2022\u2022\u2022\u2022\u2022\u2022");
}

QVariant TvListSortProxy::data(const QModelIndex& index, int role) const {
    const QVariant value = QSortFilterProxyModel::data(index, role);
    if (!index.isValid() || !IsMasked(index.column()))
        return value;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
    case Qt::StatusTipRole:
    case Qt::WhatsThisRole:
    case Qt::AccessibleTextRole:
    case Qt::AccessibleDescriptionRole:
        return Masked(value.toString());
    default:
        return value;
    }
}

bool TvListSortProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (!HasSecretColumns() || secretsShown_ || filterKeyColumn() != -1)
        return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
    // Every column but the masked ones.
    const QRegularExpression& pattern = filterRegularExpression();
    const QAbstractItemModel* model = sourceModel();
    for (int column = 0; column < model->columnCount(sourceParent); ++column) {
        if (IsMasked(column))
            continue;
        const QModelIndex cell = model->index(sourceRow, column, sourceParent);
        if (pattern.match(model->data(cell, filterRole()).toString()).hasMatch())
            return true;
    }
    return false;
}

int TvListSortProxy::Compare(const QString& a, const QString& b, int syntax) {
    if (HexColumn(syntax))
        return a.compare(b, Qt::CaseInsensitive);
    bool numberA = false;
    bool numberB = false;
    const double x = a.trimmed().toDouble(&numberA);
    const double y = b.trimmed().toDouble(&numberB);
    if (numberA && numberB) {
        if (x != y)
            return x < y ? -1 : 1;
        return 0;
    }
    return Natural(a, b);
}

bool TvListSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int column = left.column();
    // A masked column keeps the switch's order: an order by the hidden values would tell of them.
    if (IsMasked(column))
        return left.row() < right.row();
    const int syntax = column >= 0 && column < static_cast<int>(syntaxes_.size())
                           ? syntaxes_[static_cast<size_t>(column)]
                           : 0;
    const int c = Compare(left.data().toString(), right.data().toString(), syntax);
    // Equal cells keep the switch's order.
    return c != 0 ? c < 0 : left.row() < right.row();
}
