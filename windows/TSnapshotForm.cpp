#include "windows/TSnapshotForm.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvTableExport.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "snapshot/TvSnapshotFile.h"
#include "snapshot/TvSnapshotRestore.h"
#include "snapshot/TvSnapshotTaker.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

void OpenSnapshotForm(TvWindowHost& host, const TvMenuNode& entry, TSnapshotForm::Mode mode) {
    if (TSnapshotForm* window = TvDedicatedWindow::Open<TSnapshotForm>(host, entry, mode);
        window && !window->Begin())
        window->close();
}

const bool TSnapshotFormRegistered =
    TvWindowRegistry::Register("TSnapshotSave",
                               [](TvWindowHost& host, const TvMenuNode& entry) {
                                   OpenSnapshotForm(host, entry, TSnapshotForm::mdSave);
                               }) &&
    TvWindowRegistry::Register("TSnapshotCompareLive",
                               [](TvWindowHost& host, const TvMenuNode& entry) {
                                   OpenSnapshotForm(host, entry, TSnapshotForm::mdCompareLive);
                               }) &&
    TvWindowRegistry::Register("TSnapshotCompareFiles", [](TvWindowHost& host, const TvMenuNode& entry) {
        OpenSnapshotForm(host, entry, TSnapshotForm::mdCompareFiles);
    });

TSnapshotForm::FileNameHook& Hook() {
    static TSnapshotForm::FileNameHook hook;
    return hook;
}

enum Column { colEntry, colRow, colLabel, colOld, colNew, colCount };
constexpr int kDifferenceRole = Qt::UserRole + 1;

QString Described(const TvSnapshot& s) {
    QString text = FromBytes(s.SysName.empty() ? s.Address : s.SysName + " (" + s.Address + ")");
    return text + QStringLiteral(", taken ") + FromBytes(s.Taken);
}

QString Lines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& l : lines)
        text += QStringLiteral("\n  ") + FromBytes(l);
    return text;
}

} // namespace

void TSnapshotForm::SetFileNameHook(FileNameHook hook) {
    Hook() = std::move(hook);
}

TSnapshotForm::TSnapshotForm(QWidget* parent, Mode mode)
    : TvDedicatedWindow(parent, "TSnapshotForm"), mode_(mode) {
    setWindowTitle(mode == mdSave          ? QStringLiteral("Save Snapshot")
                   : mode == mdCompareLive ? QStringLiteral("Compare With Snapshot")
                                           : QStringLiteral("Compare Two Snapshots"));
    const auto make = [this](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    lblSource = make(TvPlainText::NewLabel(QString(), this), "lblSource");
    lblSource->setWordWrap(true);
    pbProgress = make(new QProgressBar(this), "pbProgress");
    pbProgress->setFormat(QStringLiteral("%v of %m tables and groups read"));
    BT_Cancel = make(new QPushButton(QStringLiteral("&Cancel"), this), "BT_Cancel");
    edtFilter = make(new QLineEdit(this), "edtFilter");
    edtFilter->setPlaceholderText(QStringLiteral("Filter: part of a table, row, label or value"));
    edtFilter->setClearButtonEnabled(true);
    chkLive = make(
        new QCheckBox(QStringLiteral("Include values that move by &themselves (counters, clocks)"), this),
        "chkLive");
    LV_Differences = make(new QTreeView(this), "LV_Differences");
    BT_TickAll = make(new QPushButton(QStringLiteral("Tick &All"), this), "BT_TickAll");
    BT_TickNone = make(new QPushButton(QStringLiteral("Tick &None"), this), "BT_TickNone");
    BT_Restore = make(new QPushButton(QStringLiteral("&Write Back Ticked..."), this), "BT_Restore");
    BT_Export = make(new QPushButton(QStringLiteral("&Export CSV..."), this), "BT_Export");
    BT_Close = make(new QPushButton(QStringLiteral("Close"), this), "BT_Close");
    StatusBar1 = make(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);

    model_ = new QStandardItemModel(0, colCount, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Table or group"), QStringLiteral("Row"),
                                       QStringLiteral("Label"), QStringLiteral("Old"),
                                       QStringLiteral("New")});
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(model_);
    filter_->setFilterKeyColumn(-1);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    LV_Differences->setModel(filter_);
    LV_Differences->setRootIsDecorated(false);
    LV_Differences->setUniformRowHeights(true);
    LV_Differences->setAlternatingRowColors(true);
    LV_Differences->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV_Differences->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LV_Differences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV_Differences->header()->setSectionResizeMode(QHeaderView::Interactive);
    TvTableExport::Install(LV_Differences);

    restore_ = std::make_unique<TvSNMPRequest2Edits>(this);
    restore_->SetStatusTarget(StatusBar1);
    restore_->OnSetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& e) {
        if (e.Code == 0)
            RestoreWritten();
    };
    restore_->OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& e) {
        if (e.Code == 0)
            RestoreRead();
    };
    Watch(*restore_);
    GateWhileBusy({BT_Restore});

    auto* progress = new QHBoxLayout;
    progress->addWidget(pbProgress, 1);
    progress->addWidget(BT_Cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BT_TickAll);
    buttons->addWidget(BT_TickNone);
    buttons->addWidget(BT_Restore);
    buttons->addWidget(BT_Export);
    buttons->addStretch();
    buttons->addWidget(BT_Close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSource);
    layout->addLayout(progress);
    layout->addWidget(edtFilter);
    layout->addWidget(chkLive);
    layout->addWidget(LV_Differences, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    resize(820, 520);

    connect(BT_Cancel, &QPushButton::clicked, this, &TSnapshotForm::BT_CancelClick);
    connect(BT_Restore, &QPushButton::clicked, this, &TSnapshotForm::BT_RestoreClick);
    connect(BT_Export, &QPushButton::clicked, this, &TSnapshotForm::BT_ExportClick);
    connect(BT_TickAll, &QPushButton::clicked, this, [this] { Tick(true); });
    connect(BT_TickNone, &QPushButton::clicked, this, [this] { Tick(false); });
    connect(BT_Close, &QPushButton::clicked, this, &QDialog::close);
    connect(edtFilter, &QLineEdit::textChanged, filter_, &QSortFilterProxyModel::setFilterFixedString);
    connect(chkLive, &QCheckBox::toggled, this, &TSnapshotForm::ShowComparison);

    // Until there is something to compare, only the progress shows.
    const bool compares = mode_ != mdSave;
    for (QWidget* w : {static_cast<QWidget*>(edtFilter), static_cast<QWidget*>(chkLive),
                       static_cast<QWidget*>(LV_Differences), static_cast<QWidget*>(BT_Export)})
        w->setVisible(compares);
    for (QWidget* w : {BT_TickAll, BT_TickNone, BT_Restore})
        w->setVisible(mode_ == mdCompareLive);
    pbProgress->setVisible(mode_ != mdCompareFiles);
    BT_Cancel->setVisible(mode_ != mdCompareFiles);
    UpdateActions();
}

TSnapshotForm::~TSnapshotForm() = default;

QString TSnapshotForm::AskFile(const QString& title, bool save) {
    if (Hook())
        return Hook()(this, title, save);
    const QString filter = QStringLiteral("Snapshots (*.json);;All files (*)");
    if (!save)
        return QFileDialog::getOpenFileName(this, title, QDir::homePath(), filter);
    // A name from the switch and the time, so that a folder of them sorts by date.
    const QString suggested = QDir::home().filePath(
        FromBytes(gSNMPDevice.Address) + QStringLiteral("-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) + QStringLiteral(".json"));
    return QFileDialog::getSaveFileName(this, title, suggested, filter);
}

bool TSnapshotForm::Begin() {
    const auto read = [this](const QString& title, TvSnapshot& into) {
        const QString path = AskFile(title, false);
        if (path.isEmpty())
            return false;
        std::string error;
        if (!TvSnapshotFile::Read(QFile::encodeName(path).toStdString(), into, error)) {
            TvMessageBox::Error(this, FromBytes(error));
            return false;
        }
        return true;
    };
    switch (mode_) {
    case mdSave:
        savePath_ = AskFile(QStringLiteral("Save Snapshot"), true);
        if (savePath_.isEmpty())
            return false;
        lblSource->setText(QStringLiteral("Reading the switch into ") + QDir::toNativeSeparators(savePath_));
        StartTaking();
        return true;
    case mdCompareLive:
        if (!read(QStringLiteral("Compare With Snapshot"), before_))
            return false;
        lblSource->setText(QStringLiteral("Old: ") + Described(before_) +
                           QStringLiteral("\nNew: the switch now (") + FromBytes(gSNMPDevice.Address) +
                           QStringLiteral(")"));
        StartTaking();
        return true;
    case mdCompareFiles:
        if (!read(QStringLiteral("Compare Two Snapshots: the older one"), before_) ||
            !read(QStringLiteral("Compare Two Snapshots: the newer one"), after_))
            return false;
        lblSource->setText(QStringLiteral("Old: ") + Described(before_) + QStringLiteral("\nNew: ") +
                           Described(after_));
        ShowComparison();
        return true;
    }
    return false;
}

void TSnapshotForm::StartTaking() {
    taker_ = std::make_unique<TvSnapshotTaker>();
    taker_->Jobs = TvSNMPEngine::Instance() ? TvSNMPEngine::Instance()->MaxInFlight() : 4;
    taker_->OnProgress = [this](int done, int total) { Progress(done, total); };
    taker_->OnFinished = [this](TvSnapshot& s) { Taken(s); };
    pbProgress->setRange(0, taker_->Total());
    pbProgress->setValue(0);
    taker_->Start();
    UpdateActions();
}

bool TSnapshotForm::Taking() const {
    return taker_ && taker_->Running();
}

void TSnapshotForm::Progress(int done, int total) {
    pbProgress->setRange(0, total);
    pbProgress->setValue(done);
}

void TSnapshotForm::BT_CancelClick() {
    if (!Taking())
        return;
    taker_->Cancel();
    StatusBar1->showMessage(mode_ == mdSave ? QStringLiteral("Cancelled: nothing was written.")
                                            : QStringLiteral("Cancelled: nothing to compare."));
    UpdateActions();
}

void TSnapshotForm::Taken(TvSnapshot& snapshot) {
    pbProgress->setValue(pbProgress->maximum());
    const auto failed = snapshot.FailedEntries();
    QString notRead;
    for (const TvSnapshotEntry* e : failed)
        notRead += QStringLiteral("\n  ") + FromBytes(e->Title() + ": " + e->Error);
    if (mode_ == mdSave) {
        std::string error;
        if (!TvSnapshotFile::Write(QFile::encodeName(savePath_).toStdString(), snapshot, error)) {
            StatusBar1->showMessage(QStringLiteral("Not saved: ") + FromBytes(error));
            TvMessageBox::Error(this,
                                QStringLiteral("The snapshot could not be saved:\n") + FromBytes(error));
        } else {
            StatusBar1->showMessage(
                QStringLiteral("Saved %1 tables and groups to %2%3")
                    .arg(snapshot.Entries.size() - failed.size())
                    .arg(QDir::toNativeSeparators(savePath_),
                         failed.empty() ? QString()
                                        : QStringLiteral("; %1 could not be read").arg(failed.size())));
            if (!failed.empty())
                TvMessageBox::Warning(this, QStringLiteral("Saved; these could not be read:") + notRead);
        }
    } else {
        after_ = std::move(snapshot);
        ShowComparison();
    }
    UpdateActions();
}

void TSnapshotForm::ShowComparison() {
    comparison_ = TvSnapshotDiff::Compare(before_, after_, chkLive->isChecked());
    model_->removeRows(0, model_->rowCount());
    const bool restoring = mode_ == mdCompareLive;
    int index = 0;
    for (const TvSnapshotDifference& d : comparison_.Differences) {
        QList<QStandardItem*> row;
        for (const std::string* text : {&d.Entry, &d.Row, &d.Label, &d.Old, &d.New}) {
            auto* item = new QStandardItem(FromBytes(*text));
            item->setEditable(false);
            row << item;
        }
        row[colEntry]->setData(index++, kDifferenceRole);
        if (restoring) {
            const std::string refusal = TvSnapshotRestore::Refusal(d);
            row[colEntry]->setCheckable(refusal.empty());
            if (refusal.empty())
                row[colEntry]->setCheckState(Qt::Unchecked);
            else
                row[colEntry]->setToolTip(
                    TvPlainText::ToolTip(QStringLiteral("Cannot be written back: ") + FromBytes(refusal)));
        }
        model_->appendRow(row);
    }
    for (int c = 0; c < colCount; ++c) {
        LV_Differences->resizeColumnToContents(c);
        LV_Differences->setColumnWidth(c, std::min(LV_Differences->columnWidth(c), 260));
    }
    StatusBar1->showMessage(FromBytes(comparison_.Summary()));
    UpdateActions();
}

void TSnapshotForm::SetTicked(int index, bool ticked) {
    for (int r = 0; r < model_->rowCount(); ++r) {
        QStandardItem* item = model_->item(r, colEntry);
        if (item->data(kDifferenceRole).toInt() == index && item->isCheckable())
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<int> TSnapshotForm::Ticked() const {
    std::vector<int> ticked;
    for (int r = 0; r < model_->rowCount(); ++r)
        if (const QStandardItem* item = model_->item(r, colEntry);
            item->isCheckable() && item->checkState() == Qt::Checked)
            ticked.push_back(item->data(kDifferenceRole).toInt());
    return ticked;
}

void TSnapshotForm::Tick(bool all) {
    // The rows the filter shows; a write that removes, disables or restarts is never ticked by the batch.
    const auto disruptive = [this](int index) {
        return !TvSnapshotRestore::Disruptive({comparison_.Differences[static_cast<size_t>(index)]}).empty();
    };
    for (int r = 0; r < filter_->rowCount(); ++r) {
        QStandardItem* item = model_->itemFromIndex(filter_->mapToSource(filter_->index(r, colEntry)));
        if (item && item->isCheckable())
            item->setCheckState(all && !disruptive(item->data(kDifferenceRole).toInt()) ? Qt::Checked
                                                                                        : Qt::Unchecked);
    }
}

void TSnapshotForm::BT_RestoreClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    std::vector<TvSnapshotDifference> ticked;
    for (int i : Ticked())
        ticked.push_back(comparison_.Differences[static_cast<size_t>(i)]);
    if (ticked.empty()) {
        StatusBar1->showMessage(QStringLiteral("Tick the differences to write back first."));
        return;
    }
    QString question = QStringLiteral("Write these %1 value(s) back to the switch?\n").arg(ticked.size());
    for (const TvSnapshotDifference& d : ticked)
        question += QStringLiteral("\n  ") + FromBytes(d.Entry) +
                    (d.Row == "0" ? QString() : QStringLiteral(", row ") + FromBytes(d.Row)) +
                    QStringLiteral(": ") + FromBytes(d.Label) + QStringLiteral(" ") + FromBytes(d.New) +
                    QStringLiteral(" -> ") + FromBytes(d.Old);
    if (const auto disruptive = TvSnapshotRestore::Disruptive(ticked); !disruptive.empty())
        question += QStringLiteral("\n\nCaution:") + Lines(disruptive);
    if (!TvMessageBox::YesNo(this, question, QStringLiteral("Write Back")))
        return;
    writing_ = ticked;
    TvSNMPRequest& request = restore_->Request;
    request.LoadSettings();
    request.VarList.Assign(TvSnapshotRestore::Writes(writing_));
    request.Source = "Snapshot";
    try {
        restore_->Set(false, false);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
}

void TSnapshotForm::RestoreWritten() {
    // Read back what was written: a switch may accept a value and keep another.
    try {
        restore_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TSnapshotForm::RestoreRead() {
    const TvSNMPVarList& read = restore_->Request.VarList;
    const auto notTaken = TvSnapshotRestore::NotTaken(writing_, read);
    // The switch now holds what was read back: the comparison shows what still differs.
    int i = 0;
    for (const TvSnapshotDifference& d : writing_) {
        if (!TvSnapshotRestore::Restorable(d) || i >= read.Count())
            continue;
        const std::string now = read.Item(i++).Value;
        for (TvSnapshotEntry& e : after_.Entries)
            if (e.Key() == d.EntryKey)
                for (TvSnapshotRow& r : e.Rows)
                    if (r.Index == d.Row)
                        for (TvSnapshotValue& v : r.Values)
                            if (v.Oid == d.Oid && v.Label == d.Label)
                                v.Text = now;
    }
    const size_t written = writing_.size();
    writing_.clear();
    ShowComparison();
    if (notTaken.empty()) {
        StatusBar1->showMessage(
            QStringLiteral("%1 value(s) written back and read back as written.").arg(written));
    } else {
        StatusBar1->showMessage(QStringLiteral("%1 value(s) did not take.").arg(notTaken.size()));
        TvMessageBox::Warning(this,
                              QStringLiteral("The switch did not take these values:") + Lines(notTaken));
    }
}

void TSnapshotForm::BT_ExportClick() {
    if (TvTableExport* exporter = TvTableExport::Of(LV_Differences))
        exporter->ExportCsv();
}

void TSnapshotForm::UpdateActions() {
    const bool taking = Taking();
    BT_Cancel->setEnabled(taking);
    const bool shown = !taking && !comparison_.NothingToCompare();
    for (QWidget* w : {BT_TickAll, BT_TickNone, BT_Restore, BT_Export})
        w->setEnabled(shown && !comparison_.Differences.empty() && !Waiting());
}

void TSnapshotForm::Closing() {
    if (taker_)
        taker_->Cancel();
}
