#pragma once

#include <QSortFilterProxyModel>

#include <vector>

// Sorts and filters the lines of a table's list view without touching the read's own order: numbers
// sort as numbers, addresses by their octets, hexadecimal values digit by digit. Until the operator
// clicks a header the lines stay in the order the switch gave them.
// Columns of secrets (keys, passwords, communities) show a mask until the operator reveals them; what
// reads the view (copies, exports, hints) gets the mask too, and neither the filter nor a sort looks at
// a masked column, so that typing or sorting cannot find a secret out.
class TvListSortProxy : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit TvListSortProxy(QObject* parent = nullptr);

    // The syntax code of each column, in column order (columns beyond it compare as text).
    void SetSyntaxes(std::vector<int> syntaxes) { syntaxes_ = std::move(syntaxes); }
    // Which columns hold secrets, in column order; they are masked until SetSecretsShown(true).
    void SetSecretColumns(std::vector<bool> secret);
    bool HasSecretColumns() const;
    void SetSecretsShown(bool shown);
    bool SecretsShown() const { return secretsShown_; }
    // Whether the cells of `column` show the mask now.
    bool IsMasked(int column) const;
    // What a masked cell shows instead of a value; an empty value stays empty.
    static QString Masked(const QString& value);

    // Negative, zero or positive as `a` sorts before, with or after `b` in a column of `syntax`.
    static int Compare(const QString& a, const QString& b, int syntax);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::vector<int> syntaxes_;
    std::vector<bool> secret_;
    bool secretsShown_ = false;
};
