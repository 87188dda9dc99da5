#include "windows/TChangeJournalForm.h"

#include "base/ErrorCatalog.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvFormRows.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvTableExport.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "journal/TvChangeJournal.h"
#include "journal/TvJournalReader.h"
#include "snmp/SNMPGlobals.h"
#include "windows/TvJournalFilter.h"
#include "windows/TvJournalModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <strings.h>

namespace {

const bool TChangeJournalFormRegistered =
    TvWindowRegistry::Register("TChangeJournalForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TChangeJournalForm>(host, entry);
    });

const QString kAll = QStringLiteral("(all)");

// The journal this program writes to, or the user's when none is installed.
QString JournalFolder() {
    if (const auto* journal = dynamic_cast<const TvChangeJournal*>(TvWriteJournal::Installed()))
        return QString::fromLocal8Bit(journal->Folder().c_str());
    return QString::fromLocal8Bit(TvChangeJournal::DefaultFolder().c_str());
}

QString Problem() {
    const auto* journal = dynamic_cast<const TvChangeJournal*>(TvWriteJournal::Installed());
    return journal ? QString::fromLocal8Bit(journal->Problem().c_str()) : QString();
}

void Refill(QComboBox* combo, const QStringList& values) {
    const QString current = combo->currentText();
    combo->clear();
    combo->addItem(kAll);
    combo->addItems(values);
    combo->setCurrentIndex(std::max(0, combo->findText(current)));
}

QString Named(const TvJournalEntry::Var& v) {
    const QString oid = FromBytes(v.Oid);
    return v.Label.empty() ? oid : FromBytes(v.Label) + QStringLiteral(" (") + oid + QLatin1Char(')');
}

} // namespace

TChangeJournalForm::TChangeJournalForm(QWidget* parent) : TvDedicatedWindow(parent, "TChangeJournalForm") {
    setWindowTitle(QStringLiteral("Change Journal"));
    const auto make = [this](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    cbxSwitch = make(new QComboBox(this), "cbxSwitch");
    cbxSource = make(new QComboBox(this), "cbxSource");
    cbxSource->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    edtFind = make(new QLineEdit(this), "edtFind");
    edtFind->setPlaceholderText(QStringLiteral("part of an OID or label"));
    edtFind->setClearButtonEnabled(true);
    chkFrom = make(new QCheckBox(QStringLiteral("&From"), this), "chkFrom");
    dtpFrom = make(new QDateTimeEdit(this), "dtpFrom");
    chkTo = make(new QCheckBox(QStringLiteral("&To"), this), "chkTo");
    dtpTo = make(new QDateTimeEdit(this), "dtpTo");
    for (QDateTimeEdit* edit : {dtpFrom, dtpTo}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        edit->setEnabled(false);
    }
    dtpFrom->setDateTime(QDateTime::currentDateTime().addDays(-1));
    dtpTo->setDateTime(QDateTime::currentDateTime());
    LV_Journal = make(new QTreeView(this), "LV_Journal");
    BT_Refresh = make(new QPushButton(QStringLiteral("&Refresh"), this), "BT_Refresh");
    BT_Undo = make(new QPushButton(QStringLiteral("&Undo..."), this), "BT_Undo");
    BT_Export = make(new QPushButton(QStringLiteral("&Export CSV..."), this), "BT_Export");
    BT_Close = make(new QPushButton(QStringLiteral("Close"), this), "BT_Close");
    lblFolder = make(TvPlainText::NewLabel(QString(), this), "lblFolder");
    lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StatusBar1 = make(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);

    model_ = new TvJournalModel(this);
    filter_ = new TvJournalFilter(this);
    filter_->setSourceModel(model_);
    LV_Journal->setModel(filter_);
    LV_Journal->setRootIsDecorated(false);
    LV_Journal->setUniformRowHeights(true);
    LV_Journal->setAlternatingRowColors(true);
    LV_Journal->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV_Journal->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LV_Journal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV_Journal->header()->setSectionResizeMode(QHeaderView::Interactive);
    TvTableExport::Install(LV_Journal);

    auto* filters = new QFormLayout;
    AddLabelledRow(filters, QStringLiteral("&Switch"), cbxSwitch);
    AddLabelledRow(filters, QStringLiteral("&Window or command"), cbxSource);
    AddLabelledRow(filters, QStringLiteral("&OID or label"), edtFind);
    auto* range = new QHBoxLayout;
    range->addWidget(chkFrom);
    range->addWidget(dtpFrom);
    range->addSpacing(12);
    range->addWidget(chkTo);
    range->addWidget(dtpTo);
    range->addStretch();
    filters->addRow(QStringLiteral("Time"), range);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BT_Refresh);
    buttons->addWidget(BT_Undo);
    buttons->addWidget(BT_Export);
    buttons->addStretch();
    buttons->addWidget(BT_Close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(LV_Journal, 1);
    layout->addWidget(lblFolder);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    QWidget* order[] = {cbxSwitch, cbxSource,  edtFind,    chkFrom, dtpFrom,   chkTo,
                        dtpTo,     LV_Journal, BT_Refresh, BT_Undo, BT_Export, BT_Close};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    resize(960, 520);

    // An undo is a write of its own: it goes out, and is kept, as every write does.
    undo_ = std::make_unique<TvSNMPRequest2Edits>(this);
    undo_->SetStatusTarget(StatusBar1);
    undo_->OnSetDone = [this](TvSNMPRequest2Controls&, TvSNMPError&) { BT_RefreshClick(); };
    Watch(*undo_);
    GateWhileBusy({BT_Undo});

    connect(BT_Refresh, &QPushButton::clicked, this, &TChangeJournalForm::BT_RefreshClick);
    connect(BT_Undo, &QPushButton::clicked, this, &TChangeJournalForm::BT_UndoClick);
    connect(BT_Export, &QPushButton::clicked, this, &TChangeJournalForm::BT_ExportClick);
    connect(BT_Close, &QPushButton::clicked, this, &QDialog::close);
    connect(cbxSwitch, &QComboBox::currentIndexChanged, this, &TChangeJournalForm::ApplyFilter);
    connect(cbxSource, &QComboBox::currentIndexChanged, this, &TChangeJournalForm::ApplyFilter);
    connect(edtFind, &QLineEdit::textChanged, this, &TChangeJournalForm::ApplyFilter);
    for (QCheckBox* box : {chkFrom, chkTo})
        connect(box, &QCheckBox::toggled, this, [this] {
            dtpFrom->setEnabled(chkFrom->isChecked());
            dtpTo->setEnabled(chkTo->isChecked());
            ApplyFilter();
        });
    for (QDateTimeEdit* edit : {dtpFrom, dtpTo})
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &TChangeJournalForm::ApplyFilter);
    connect(LV_Journal->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TChangeJournalForm::SelectionChanged);
    connect(filter_, &QAbstractItemModel::modelReset, this, &TChangeJournalForm::SelectionChanged);

    BT_RefreshClick();
}

TChangeJournalForm::~TChangeJournalForm() = default;

void TChangeJournalForm::BT_RefreshClick() {
    folder_ = JournalFolder();
    const TvJournalReader::Result journal = TvJournalReader::Read(folder_.toLocal8Bit().toStdString());
    model_->SetEntries(journal.Entries);
    FillChoices();
    ApplyFilter();
    // As wide as the texts, but a long value does not push the other columns out of sight.
    for (int c = 0; c < TvJournalModel::colCount; ++c) {
        LV_Journal->resizeColumnToContents(c);
        LV_Journal->setColumnWidth(c, std::min(LV_Journal->columnWidth(c), 280));
    }
    QString where = QStringLiteral("Journal: ") + folder_;
    if (journal.Damaged > 0)
        where += QStringLiteral("  (%1 damaged line(s) skipped)").arg(journal.Damaged);
    lblFolder->setText(where);
    if (const QString problem = Problem(); !problem.isEmpty())
        StatusBar1->showMessage(QStringLiteral("The journal could not keep a write: ") + problem);
    SelectionChanged();
}

void TChangeJournalForm::FillChoices() {
    QStringList switches, sources;
    QSet<QString> seenSwitch, seenSource;
    const auto& entries = model_->Entries();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const QString sw = FromBytes(it->Switch());
        const QString src = FromBytes(it->Source);
        if (!seenSwitch.contains(sw)) {
            seenSwitch.insert(sw);
            switches << sw;
        }
        if (!seenSource.contains(src)) {
            seenSource.insert(src);
            sources << src;
        }
    }
    const QSignalBlocker a(cbxSwitch);
    const QSignalBlocker b(cbxSource);
    Refill(cbxSwitch, switches);
    Refill(cbxSource, sources);
}

void TChangeJournalForm::ApplyFilter() {
    filter_->SetSwitch(cbxSwitch->currentIndex() > 0 ? cbxSwitch->currentText() : QString());
    filter_->SetSource(cbxSource->currentIndex() > 0 ? cbxSource->currentText() : QString());
    filter_->SetText(edtFind->text());
    filter_->SetFrom(chkFrom->isChecked() ? std::optional<qint64>(dtpFrom->dateTime().toMSecsSinceEpoch())
                                          : std::nullopt);
    filter_->SetTo(chkTo->isChecked() ? std::optional<qint64>(dtpTo->dateTime().toMSecsSinceEpoch() + 999)
                                      : std::nullopt);
    SelectionChanged();
}

const TvJournalEntry* TChangeJournalForm::SelectedEntry() const {
    const QModelIndexList rows = LV_Journal->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return model_->EntryAt(filter_->mapToSource(rows.first()).row());
}

QString TChangeJournalForm::UndoRefusal(const TvJournalEntry& e) {
    if (e.Outcome == TvJournalEntry::Result::Error)
        return QStringLiteral("The switch refused this write: there is nothing to undo.");
    if (!e.UndoneBy.empty())
        return QStringLiteral("This write has been undone already.");
    if (e.ChangesRowLife())
        return QStringLiteral(
            "This write created or removed a table row: writing values back cannot undo it.");
    if (e.Restorable().empty())
        return QStringLiteral("No value before this write is known (the window had not read it, or it is "
                              "hidden).");
    if (strcasecmp(e.Address.c_str(), gSNMPDevice.Address.c_str()) != 0 || e.Port != gSNMPDevice.Port)
        return QStringLiteral("This write went to ") + FromBytes(e.Switch()) +
               QStringLiteral(": undo it from the program that manages that switch.");
    return {};
}

QString TChangeJournalForm::UndoQuestion(const TvJournalEntry& e) {
    QString text = QStringLiteral("Undo the write that \"") + FromBytes(e.Source) +
                   QStringLiteral("\" sent at ") + TvJournalModel::TimeText(e.UtcMs) +
                   QStringLiteral("?\n\nThis writes to ") + FromBytes(e.Switch()) + QStringLiteral(":");
    for (const TvJournalEntry::Var& v : e.Restorable())
        text += QStringLiteral("\n  ") + Named(v) + QStringLiteral(" := ") + FromBytes(v.Before) +
                QStringLiteral("   (the write set ") + FromBytes(v.Sent) + QLatin1Char(')');
    const size_t left = e.Vars.size() - e.Restorable().size();
    if (left > 0)
        text += QStringLiteral(
                    "\n\n%1 other variable(s) of the write are left as they are: their values before are "
                    "not known.")
                    .arg(left);
    return text;
}

void TChangeJournalForm::BT_UndoClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    const TvJournalEntry* selected = SelectedEntry();
    if (!selected)
        return;
    const TvJournalEntry entry = *selected;
    if (const QString refusal = UndoRefusal(entry); !refusal.isEmpty()) {
        TvMessageBox::Information(this, refusal, QStringLiteral("Undo"));
        return;
    }
    if (!TvMessageBox::YesNo(this, UndoQuestion(entry), QStringLiteral("Undo")))
        return;
    // The running session's settings: the journal keeps no community string or password.
    TvSNMPRequest& request = undo_->Request;
    request.LoadSettings();
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itInstance;
    list.Name = "Undo";
    for (const TvJournalEntry::Var& v : entry.Restorable()) {
        list.AddItem(v.Oid, v.Label, v.Syntax, accReadWrite);
        list.Item(list.Count() - 1).Value = v.Restore;
    }
    request.VarList.Assign(list);
    request.Source = "Change Journal";
    try {
        undo_->Set(false, false, {}, {}, entry.Id);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
        BT_RefreshClick();
    }
}

void TChangeJournalForm::BT_ExportClick() {
    if (TvTableExport* exporter = TvTableExport::Of(LV_Journal))
        exporter->ExportCsv();
}

void TChangeJournalForm::SelectionChanged() {
    const TvJournalEntry* e = SelectedEntry();
    const QString refusal = e ? UndoRefusal(*e) : QStringLiteral("Select a write to undo.");
    BT_Undo->setEnabled(refusal.isEmpty() && !Waiting());
    BT_Undo->setToolTip(TvPlainText::ToolTip(refusal));
}

void TChangeJournalForm::UpdateActions() {
    SelectionChanged();
}
