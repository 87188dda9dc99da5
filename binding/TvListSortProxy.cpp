#include "binding/TvListSortProxy.h"

#include "snmp/TvSNMPVarDef.h"

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
    const int syntax = column >= 0 && column < static_cast<int>(syntaxes_.size())
                           ? syntaxes_[static_cast<size_t>(column)]
                           : 0;
    const int c = Compare(left.data().toString(), right.data().toString(), syntax);
    // Equal cells keep the switch's order.
    return c != 0 ? c < 0 : left.row() < right.row();
}
