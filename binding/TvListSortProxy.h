#pragma once

#include <QSortFilterProxyModel>

#include <vector>

// Sorts and filters the lines of a table's list view without touching the read's own order: numbers
// sort as numbers, addresses by their octets, hexadecimal values digit by digit. Until the operator
// clicks a header the lines stay in the order the switch gave them.
class TvListSortProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit TvListSortProxy(QObject* parent = nullptr);

    // The syntax code of each column, in column order (columns beyond it compare as text).
    void SetSyntaxes(std::vector<int> syntaxes) { syntaxes_ = std::move(syntaxes); }

    // Negative, zero or positive as `a` sorts before, with or after `b` in a column of `syntax`.
    static int Compare(const QString& a, const QString& b, int syntax);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    std::vector<int> syntaxes_;
};
