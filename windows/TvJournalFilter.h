#pragma once

#include <QSortFilterProxyModel>
#include <QString>

#include <optional>

// Which lines of the change journal the window shows: one switch, one window or command, an OID or
// label holding a text, a time range. An empty criterion lets every line through.
class TvJournalFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit TvJournalFilter(QObject* parent = nullptr);

    void SetSwitch(const QString& address);    // "address:port", exact
    void SetSource(const QString& source);     // exact
    void SetText(const QString& text);         // in the OID or the label, case aside
    void SetFrom(std::optional<qint64> utcMs); // from this time on
    void SetTo(std::optional<qint64> utcMs);   // up to this time

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString switch_;
    QString source_;
    QString text_;
    std::optional<qint64> from_;
    std::optional<qint64> to_;
};
