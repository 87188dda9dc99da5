#include "guibase/TvTableExport.h"

#include "guibase/TvMessageBox.h"
#include "values/TvCsv.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTableView>
#include <QTreeView>

#include <algorithm>

namespace {

TvTableExport::FileNameHook& PathHook() {
    static TvTableExport::FileNameHook hook;
    return hook;
}

std::string Utf8(const QVariant& value) {
    return value.toString().toStdString();
}

} // namespace

TvTableExport::TvTableExport(QAbstractItemView* view) : QObject(view), view_(view) {
    setObjectName("TableExport");
    CopyAction = new QAction(tr("&Copy"), view);
    CopyAction->setObjectName("actCopyRows");
    CopyAction->setShortcut(QKeySequence::Copy);
    // Only while the view has the focus: other widgets of the window keep their own Ctrl+C.
    CopyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(CopyAction, &QAction::triggered, this, &TvTableExport::CopySelection);
    ExportAction = new QAction(tr("&Export as CSV..."), view);
    ExportAction->setObjectName("actExportCsv");
    connect(ExportAction, &QAction::triggered, this, &TvTableExport::ExportCsv);
    view->addAction(CopyAction);
    view->addAction(ExportAction);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

TvTableExport* TvTableExport::Install(QAbstractItemView* view) {
    if (TvTableExport* installed = Of(view))
        return installed;
    return new TvTableExport(view);
}

TvTableExport* TvTableExport::Of(const QAbstractItemView* view) {
    return view ? view->findChild<TvTableExport*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void TvTableExport::SetFileNameHook(FileNameHook hook) {
    PathHook() = std::move(hook);
}

QList<int> TvTableExport::VisibleColumns() const {
    QList<int> columns;
    const QAbstractItemModel* model = view_->model();
    if (!model)
        return columns;
    const auto* tree = qobject_cast<const QTreeView*>(view_);
    const auto* table = qobject_cast<const QTableView*>(view_);
    const QHeaderView* header = tree ? tree->header() : table ? table->horizontalHeader() : nullptr;
    for (int c = 0; c < model->columnCount(); ++c)
        if (!header || !header->isSectionHidden(c))
            columns << c;
    // In the order the operator sees them, after any column was dragged.
    if (header)
        std::sort(columns.begin(), columns.end(),
                  [header](int a, int b) { return header->visualIndex(a) < header->visualIndex(b); });
    return columns;
}

QString TvTableExport::Text(char separator, const QList<int>& rows) const {
    const QAbstractItemModel* model = view_->model();
    const QList<int> columns = VisibleColumns();
    // CSV ends its records in CR LF; the clipboard's text takes LF, as spreadsheets paste it.
    const auto record = [separator](const std::vector<std::string>& fields) {
        std::string line = TvCsv::Record(fields, separator);
        if (separator != ',')
            line.replace(line.size() - 2, 2, "\n");
        return line;
    };
    std::vector<std::string> fields;
    for (int c : columns)
        fields.push_back(Utf8(model->headerData(c, Qt::Horizontal, Qt::DisplayRole)));
    std::string text = record(fields);
    for (int r : rows) {
        fields.clear();
        for (int c : columns)
            fields.push_back(Utf8(model->index(r, c).data(Qt::DisplayRole)));
        text += record(fields);
    }
    return QString::fromStdString(text);
}

QString TvTableExport::SelectedRowsText() const {
    const QItemSelectionModel* selection = view_->selectionModel();
    if (!view_->model() || !selection)
        return QString();
    QList<int> rows;
    for (const QModelIndex& index : selection->selectedIndexes())
        if (!index.parent().isValid() && !rows.contains(index.row()))
            rows << index.row();
    if (rows.isEmpty())
        return QString();
    std::sort(rows.begin(), rows.end());
    return Text('\t', rows);
}

QByteArray TvTableExport::Csv() const {
    if (!view_->model())
        return QByteArray();
    QList<int> rows;
    for (int r = 0; r < view_->model()->rowCount(); ++r)
        rows << r;
    return Text(',', rows).toUtf8();
}

void TvTableExport::CopySelection() {
    const QString text = SelectedRowsText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

bool TvTableExport::WriteCsv(const QString& path, QString* error) const {
    QSaveFile file(path);
    const QByteArray csv = Csv();
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void TvTableExport::ExportCsv() {
    QWidget* parent = view_->window();
    // A name from the window's caption, without what a file name cannot hold.
    QString suggested = parent->windowTitle();
    suggested.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]+")), QStringLiteral("_"));
    suggested = QDir::home().filePath((suggested.isEmpty() ? QStringLiteral("table") : suggested) + ".csv");
    const QString path = PathHook() ? PathHook()(parent, suggested)
                                    : QFileDialog::getSaveFileName(parent, tr("Export as CSV"), suggested,
                                                                   tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (QString error; !WriteCsv(path, &error))
        TvMessageBox::Error(parent, tr("Cannot write %1:\n%2").arg(QDir::toNativeSeparators(path), error));
}
