#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAbstractItemModel;
class QAbstractItemView;
class QAction;

// Copy and CSV export for a table shown in a list view. Installed on a view, it adds "Copy" (Ctrl+C:
// the selected rows, tab-separated, after a header line) and "Export as CSV..." (every row the view
// shows, RFC 4180, UTF-8) to the view's context menu. Columns the view hides are left out.
class TvTableExport : public QObject {
    Q_OBJECT

public:
    // Asks where to save; an empty answer cancels. Tests install a hook instead of the file dialog.
    using FileNameHook = std::function<QString(QWidget* parent, const QString& suggested)>;

    // Adds the actions to `view` and returns the export, owned by the view. Installing twice returns the
    // first one.
    static TvTableExport* Install(QAbstractItemView* view);
    // The export installed on `view`; null when none.
    static TvTableExport* Of(const QAbstractItemView* view);

    // The selected rows, tab-separated, with the header line; empty when nothing is selected.
    QString SelectedRowsText() const;
    // Every row, as CSV with the header line, UTF-8.
    QByteArray Csv() const;
    // Puts SelectedRowsText on the clipboard (nothing when no row is selected).
    void CopySelection();
    // Asks for a file name and writes Csv there; failures are reported in a message box.
    void ExportCsv();
    // Writes Csv to `path` in one step (an existing file is replaced only when the write succeeds).
    // False with `error` set when it cannot.
    bool WriteCsv(const QString& path, QString* error = nullptr) const;

    QAction* CopyAction = nullptr;
    QAction* ExportAction = nullptr;

    // An empty hook restores the file dialog.
    static void SetFileNameHook(FileNameHook hook);

private:
    explicit TvTableExport(QAbstractItemView* view);
    QList<int> VisibleColumns() const;
    QString Text(char separator, const QList<int>& rows) const;

    QAbstractItemView* view_;
};
