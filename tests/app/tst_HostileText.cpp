#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/TvCatalog.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TListViewPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "configform/TvRecipeWindow.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "monitors/TIF_Counters.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/TestPaths.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeView>

#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

// What a hostile switch puts into its strings: an image of /dev/zero (read without end as markup) and
// large bold text of its choosing.
const QString kImage = QStringLiteral("<img src=/dev/zero>");
const QString kBig = QStringLiteral("<b><font size=6>big</font></b>");

// The simulated switch's own data with those texts in an interface description, the system name and
// location, and a community row named by them.
QByteArray HostileData() {
    QFile file(QString::fromStdString(BinDir() + "/qtr5190mx-sim.data"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    const auto replace = [&](const char* from, const QString& to) {
        const qsizetype at = data.indexOf(from);
        if (at < 0)
            return false;
        data.replace(at, qsizetype(qstrlen(from)), to.toLatin1());
        return true;
    };
    const bool all = replace("\"QTR-5190MX Port 1 on Unit 1\"", '"' + kImage + '"') &&
                     replace("\"QTR-5190MX Port 2 on Unit 1\"", '"' + kBig + '"') &&
                     replace("1.3.6.1.2.1.1.5.0 STRING rw \"QTR-5190MX\"",
                             "1.3.6.1.2.1.1.5.0 STRING rw \"" + kImage + '"') &&
                     replace("\"Rack 3, Server Room\"", '"' + kBig + '"') &&
                     replace("row \"office\" : \"name2\" \"name2\"",
                             "row \"" + kImage + "\" : \"name3\" \"" + kBig + "\" 00 \"name3\" \"\" 3 1\n" +
                                 "row \"office\" : \"name2\" \"name2\"");
    return all ? data : QByteArray();
}

// Resident memory of this process.
qint64 ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long long size = 0;
    long long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// What a rich-text document makes of `html`: the text a reader sees.
QString SeenText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// Paints `w` whole, as the screen would: every label lays out its text and would load its images. With a
// name, the picture is kept beside the test for the eye.
void Paint(QWidget* w, const QString& name = QString()) {
    const QPixmap picture = w->grab();
    QVERIFY(!picture.isNull());
    if (!name.isEmpty())
        QVERIFY(picture.save(QCoreApplication::applicationDirPath() + "/hostile_" + name + ".png"));
}

QTreeView* ListOf(TConfigForm& form) {
    return form.findChild<QTreeView*>("ListView");
}

} // namespace

class TestHostileText : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<SimSwitch> sim_;
    qint64 before_ = 0;
    QStringList boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::No;

    // The image of /dev/zero reads gigabytes before it fails; text shown as written costs a few
    // megabytes (more under the sanitizers).
    void MemoryStaysFlat() {
        const qint64 grown = ResidentBytes() - before_;
        qInfo("resident memory grew by %lld MB since the start", grown >> 20);
        QVERIFY2(grown < 512 * 1024 * 1024,
                 qPrintable(QString("resident memory grew by %1 MB").arg(grown >> 20)));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
        const QByteArray data = HostileData();
        QVERIFY2(!data.isEmpty(), "the simulator's data file changed: the hostile values found no place");
        const QString path = dir_.filePath("hostile.data");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(data) == data.size());
        out.close();
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start({"--log", "--data", path.toStdString()}), sim_->Error().c_str());
        // Each box is also built as it would be shown, and painted, before the answer.
        TvMessageBox::SetHook([this](TvMessageBox::Kind kind, const QString& title, const QString& text) {
            const std::unique_ptr<QMessageBox> box = TvMessageBox::Make(nullptr, kind, title, text);
            boxes_ << text;
            if (box->textFormat() != Qt::PlainText || box->text() != text)
                boxes_ << "not plain: " + text;
            box->show();
            box->grab();
            box->hide();
            return answer_;
        });
        before_ = ResidentBytes();
    }
    void init() {
        WindowTest::UseSimulator(sim_->Port());
        gSNMPTimeout = 1000;
        boxes_.clear();
        answer_ = QMessageBox::No;
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    // The interface counter window: the chosen interface's description in its label, every description in
    // its index list, and a chart whose title and legend are the window's own.
    void CounterWindowShowsTheDescriptionAsWritten() {
        TIF_Counters w(nullptr, "127.0.0.1");
        w.Timer1.stop();
        w.show();
        QVERIFY(PumpUntil([&] { return w.Sampling() && !w.Waiting(); }));
        QCOMPARE(w.ST_Descr->text(), kImage);
        QCOMPARE(w.ST_Descr->textFormat(), Qt::PlainText);
        QCOMPARE(w.ST_Index->textFormat(), Qt::PlainText);
        QCOMPARE(WindowTest::Column(w.IndexList, 1).mid(0, 2), (QStringList{kImage, kBig}));
        // The literal text is as wide as its characters; an image or a big font would not be.
        QVERIFY(w.ST_Descr->sizeHint().width() >= w.ST_Descr->fontMetrics().horizontalAdvance(kImage));
        Paint(&w, "counters");
        w.PC_Pages->setCurrentIndex(1);
        Paint(&w, "chart");
        const QChart* chart = w.CH_Traffic->chart();
        QVERIFY(chart->title().isEmpty());
        QStringList legend;
        for (const QLegendMarker* marker : chart->legend()->markers())
            legend << marker->label();
        QCOMPARE(legend, (QStringList{"In bits/s", "Out bits/s"}));
        w.close();
        MemoryStaysFlat();
    }

    // A generic table window: its cells, the hint of a line and the Delete question show the switch's
    // texts as written.
    void GenericTableShowsCellsHintsAndQuestionsAsWritten() {
        TConfigForm form(nullptr);
        TvRecipeWindow::Build(form, *TvCatalog::FindRecipe("CommunityTable"));
        form.show();
        TvSNMPRequest2Edits* b = form.Binding(0);
        QVERIFY(PumpUntil([b] { return b->ReceivedCount > 0 && !b->Busy; }));
        QTreeView* view = ListOf(form);
        int row = -1;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            if (view->model()->index(r, 0).data().toString() == kImage)
                row = r;
        QVERIFY(row >= 0);
        QVERIFY(WindowTest::Row(view, row).contains(kBig));
        QVERIFY(WindowTest::SelectRow(view, kImage));
        Paint(&form, "table");

        // The hint of the line, through a real tooltip event, over the line as laid out now.
        view->doItemsLayout();
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        QLabel* tip = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                tip = qobject_cast<QLabel*>(top);
        QVERIFY(tip);
        const QString seen = SeenText(tip->text());
        QVERIFY2(seen.contains(kImage) && seen.contains(kBig), qPrintable(seen));
        Paint(tip, "hint");

        // Delete asks about the line, naming it as written; "No" sends nothing.
        auto* panel = form.findChild<TSNMPListViewPanel*>();
        const size_t logged = sim_->Log().size();
        panel->Buttons->DeleteButton->click();
        QCOMPARE(boxes_.size(), 1);
        QVERIFY2(boxes_[0].contains(kImage), qPrintable(boxes_[0]));
        QVERIFY(sim_->AwaitMarker());
        QVERIFY(WindowTest::Sets(sim_->Log(), logged).isEmpty());
        form.close();
        MemoryStaysFlat();
    }

    // A generic scalar window: the values in its rows as written.
    void GenericScalarWindowShowsValuesAsWritten() {
        TConfigForm form(nullptr);
        TvRecipeWindow::Build(form, *TvCatalog::FindRecipe("MIB2Information"));
        form.show();
        TvSNMPRequest2Edits* b = form.Binding(0);
        QVERIFY(PumpUntil([b] { return b->ReceivedCount > 0 && !b->Busy; }));
        QStringList values;
        for (const QLineEdit* edit : form.findChildren<QLineEdit*>())
            values << edit->text();
        QVERIFY2(values.contains(kImage) && values.contains(kBig), qPrintable(values.join('|')));
        for (const QLabel* label : form.findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
        Paint(&form, "scalars");
        form.close();
        MemoryStaysFlat();
    }

    // A label bound to a value of the switch and a status line: as written.
    void BoundLabelsAndStatusLinesShowTextAsWritten() {
        QStatusBar bar;
        auto* status = new TvStatusPanel(&bar);
        QLabel holder;
        TvSNMPRequest2Edits binding(&bar);
        binding.Asynchronous = false;
        binding.Request.VarList.ItemType = TvSNMPVarList::itInstance;
        binding.Request.VarList.AddItem("1.3.6.1.2.1.1.5.0", "Name", synDisplayString, accReadOnly);
        binding.BindStaticText(0, &holder);
        binding.SetStatusTarget(status);
        binding.Get();
        QCOMPARE(holder.text(), kImage);
        QCOMPARE(holder.textFormat(), Qt::PlainText);
        binding.ShowStatus(ToBytes(kBig + kImage));
        QVERIFY2(status->text().contains(kBig + kImage), qPrintable(status->text()));
        QCOMPARE(status->textFormat(), Qt::PlainText);
        bar.resize(600, 30);
        Paint(&bar, "status");
        Paint(&holder);
        MemoryStaysFlat();
    }

    // Every kind of message box, and a tooltip of any widget, show the text as written.
    void MessageBoxesAndTooltipsShowTextAsWritten() {
        for (auto kind :
             {TvMessageBox::Kind::Information, TvMessageBox::Kind::Error, TvMessageBox::Kind::Warning,
              TvMessageBox::Kind::YesNo, TvMessageBox::Kind::OkCancel}) {
            const std::unique_ptr<QMessageBox> box =
                TvMessageBox::Make(nullptr, kind, kBig, kImage + "\n" + kBig);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->windowTitle(), kBig);
            Paint(box.get(), kind == TvMessageBox::Kind::YesNo ? "question" : QString());
        }
        for (const QString& text :
             {kImage, kBig, QString("a < b && c > d"), QString("<p>two  blanks\nnext</p>")})
            QCOMPARE(SeenText(TvPlainText::ToolTip(text)), text);
        QCOMPARE(SeenText(TvPlainText::ToolTip("<a>\tb\n\tc")), QString("<a>     b\n        c"));
        QCOMPARE(TvPlainText::ToolTip("Port 3: green"), QString("Port 3: green")); // no markup, no change
        MemoryStaysFlat();
    }
};

QTEST_MAIN(TestHostileText)
#include "tst_HostileText.moc"
