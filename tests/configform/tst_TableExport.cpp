#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
#include "configform/TConfigForm.h"
#include "configform/TvRecipeWindow.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvTableExport.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {

using Table = QList<QStringList>;

// Header and rows that break naive writers: separators, quotes, line breaks of every kind, blanks at
// the ends, empty cells, texts outside ASCII, and formulas a spreadsheet would run beside numbers.
const QStringList kHeader = {"Name", "Note, with comma", "Größe"};
const Table kRows = {
    {"plain", "a,b,c", "1"},
    {"say \"hi\"", "\"quoted\"", ""},
    {"line\nbreak", "cr\r\nlf", "end\r"},
    {"  padded  ", "tab\there", "Ünïcödé €"},
    {"日本語", "", "Ελληνικά"},
    {"", "", ""},
    {"=HYPERLINK(\"http://example.invalid\",\"open\")", "-5", "@SUM(A1:A2)"},
};
// The last row as it is written: the formulas as text, the number as it is.
const QStringList kInertRow = {"'=HYPERLINK(\"http://example.invalid\",\"open\")", "-5", "'@SUM(A1:A2)"};

// The cells that Python's csv module reads from `path`.
Table ReadWithPython(const QString& path) {
    QProcess python;
    python.start("python3", {"-c",
                             "import csv, json, sys\n"
                             "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                             "    json.dump(list(csv.reader(f, strict=True)), sys.stdout)\n",
                             path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        qWarning() << "python3:" << python.errorString() << python.readAllStandardError();
        return {};
    }
    Table table;
    for (const QJsonValue row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList cells;
        for (const QJsonValue cell : row.toArray())
            cells << cell.toString();
        table << cells;
    }
    return table;
}

} // namespace

class TestTableExport : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QStringList boxes_;

    // A view of kHeader and kRows with the export installed.
    struct Fixture {
        QTreeView view;
        QStandardItemModel model;
        TvTableExport* exporter = nullptr;
        Fixture() {
            model.setHorizontalHeaderLabels(kHeader);
            for (const QStringList& row : kRows) {
                QList<QStandardItem*> items;
                for (const QString& cell : row)
                    items << new QStandardItem(cell);
                model.appendRow(items);
            }
            view.setModel(&model);
            view.setSelectionBehavior(QAbstractItemView::SelectRows);
            view.setSelectionMode(QAbstractItemView::ExtendedSelection);
            exporter = TvTableExport::Install(&view);
        }
    };

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return QMessageBox::Ok;
        });
    }
    void init() { boxes_.clear(); }
    void cleanupTestCase() {
        TvMessageBox::SetHook({});
        TvTableExport::SetFileNameHook({});
    }

    // What was written is what Python reads back, cell for cell, in UTF-8 without a byte-order mark.
    void CsvReadsBackWithTheSameCells() {
        Fixture f;
        const QString path = dir_.filePath("table.csv");
        QString error;
        QVERIFY2(f.exporter->WriteCsv(path, &error), qPrintable(error));
        Table expected = {kHeader};
        expected += kRows;
        expected.last() = kInertRow;
        QCOMPARE(ReadWithPython(path), expected);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("Name,\"Note, with comma\",Gr\xc3\xb6\xc3\x9f"
                                 "e\r\n"));
        QVERIFY(bytes.contains("\r\n,,\r\n"));
        QVERIFY(bytes.endsWith(
            "\"'=HYPERLINK(\"\"http://example.invalid\"\",\"\"open\"\")\",-5,'@SUM(A1:A2)\r\n"));
    }

    // Ctrl+C on the view copies the selected rows under the header, tab-separated; columns the view
    // hides and rows not selected stay out. Quoting keeps a cell with a tab or a line break whole.
    void CopyTakesTheSelectedRowsWithTheHeader() {
        Fixture f;
        f.view.setColumnHidden(2, true);
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.view.setFocus();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&f.view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString()); // nothing selected: nothing copied
        auto select = [&](int row) {
            f.view.selectionModel()->select(f.model.index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        };
        select(3);
        select(0);
        QTest::keyClick(&f.view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Name\tNote, with comma\n"
                                                               "plain\ta,b,c\n"
                                                               "  padded  \t\"tab\there\"\n"));
        select(2);
        QCOMPARE(f.exporter->SelectedRowsText(), QString("Name\tNote, with comma\n"
                                                         "plain\ta,b,c\n"
                                                         "\"line\nbreak\"\t\"cr\r\nlf\"\n"
                                                         "  padded  \t\"tab\there\"\n"));
    }

    void ExportAsksForTheFileAndReportsFailures() {
        Fixture f;
        QString asked;
        QString answer;
        TvTableExport::SetFileNameHook([&](QWidget*, const QString& suggested) {
            asked = suggested;
            return answer;
        });
        f.view.setWindowTitle("IF Table : 127.0.0.1");
        // Cancelled: nothing written, nothing said.
        f.exporter->ExportAction->trigger();
        QVERIFY(asked.endsWith("/IF_Table_127.0.0.1.csv"));
        QVERIFY(boxes_.isEmpty());
        // A folder that does not exist: an error box, no file.
        answer = dir_.filePath("missing/t.csv");
        f.exporter->ExportAction->trigger();
        QCOMPARE(boxes_.size(), 1);
        QVERIFY2(boxes_[0].startsWith("Error: Cannot write "), qPrintable(boxes_[0]));
        QVERIFY(!QFile::exists(answer));
        answer = dir_.filePath("t.csv");
        f.exporter->ExportAction->trigger();
        QCOMPARE(ReadWithPython(answer).size(), kRows.size() + 1);
        TvTableExport::SetFileNameHook({});
    }

    // Every table page of every generic window offers copy and export on its list view.
    void EveryGenericListViewHasTheExport() {
        QStringList missing;
        int views = 0;
        for (const TvWindowRecipe* recipe : TvCatalog::Recipes()) {
            TConfigForm form(nullptr);
            TvRecipeWindow::Build(form, *recipe);
            for (QTreeView* view : form.findChildren<QTreeView*>("ListView")) {
                ++views;
                const TvTableExport* e = TvTableExport::Of(view);
                if (!e || !view->actions().contains(e->CopyAction) ||
                    !view->actions().contains(e->ExportAction))
                    missing << recipe->Name;
            }
        }
        QVERIFY(views > 100);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(' ')));
    }

    // A table read from the switch exports as many rows as it shows, under the captions of its columns.
    void ReadTableExportsItsRows() {
        SimSwitch sim;
        QVERIFY2(sim.Start(), sim.Error().c_str());
        gSNMPDevice.Address = "127.0.0.1";
        gSNMPDevice.Port = sim.Port();
        gSNMPSecurity.Version = 1;
        gSNMPSecurity.ReadCommunity = "rdcomm";
        TConfigForm form(nullptr);
        TvRecipeWindow::Build(form, *TvCatalog::FindRecipe("MIB2IFTable"));
        form.show();
        TvSNMPRequest2Edits* b = form.Binding(0);
        QVERIFY(PumpUntil([b] { return b->ReceivedCount > 0 && !b->Busy; }));
        auto* view = form.findChild<QTreeView*>("ListView");
        QVERIFY(view && view->model()->rowCount() > 0);
        const QString path = dir_.filePath("if.csv");
        QVERIFY(TvTableExport::Of(view)->WriteCsv(path));
        const Table table = ReadWithPython(path);
        QCOMPARE(table.size(), view->model()->rowCount() + 1);
        QCOMPARE(table[0][0], QString("Index"));
        QCOMPARE(table[1][0], QString("1"));
        QVERIFY(table[1][1].startsWith("QTR-5190MX Port 1"));
        view->setCurrentIndex(view->model()->index(1, 0));
        QCOMPARE(TvTableExport::Of(view)->SelectedRowsText().section('\n', 1, 1).section('\t', 0, 0),
                 QString("2"));
    }
};

QTEST_MAIN(TestTableExport)
#include "tst_TableExport.moc"
