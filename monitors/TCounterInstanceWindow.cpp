#include "monitors/TCounterInstanceWindow.h"
#include "guibase/TvTableExport.h"

#include "base/TvException.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "snmp/SNMPGlobals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QTreeWidget>

TCounterInstanceWindow::TCounterInstanceWindow(QWidget* parent, const Setup& setup)
    : TCounterWindow(parent, TvCounterSampler::Baseline::Count), setup_(setup) {
    IndexList = new QTreeView(this);
    IndexList->setObjectName(setup.IndexListName);
    TvTableExport::Install(IndexList);
    ST_Index = TvPlainText::NewLabel(QString(), this);
    ST_Index->setObjectName("ST_Index");
    ST_Index->setFrameShape(QFrame::StyledPanel);
    ST_Descr = TvPlainText::NewLabel(QString(), this);
    ST_Descr->setObjectName("ST_Descr");
    ST_Descr->setFrameShape(QFrame::StyledPanel);
    connect(IndexList, &QTreeView::clicked, this, [this](const QModelIndex&) { IndexListClick(); });
}

void TCounterInstanceWindow::Create(const QString& agentIP, QWidget* counterArea,
                                    const QList<QWidget*>& extraButtons, const QString& clockCaption) {
    auto* indexPanel = new QWidget(this);
    auto* grid = new QGridLayout(indexPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* indexLabel = TvPlainText::NewLabel(setup_.IndexCaption, indexPanel);
    indexLabel->setBuddy(IndexList);
    auto* descrLabel = TvPlainText::NewLabel(setup_.DescrCaption, indexPanel);
    grid->addWidget(indexLabel, 0, 0);
    grid->addWidget(ST_Index, 0, 1);
    grid->addWidget(descrLabel, 0, 2);
    grid->addWidget(ST_Descr, 0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 3);
    grid->addWidget(IndexList, 1, 0, 1, 4);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(indexPanel);
    split->addWidget(counterArea);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    BuildLayout(split, extraButtons, clockCaption);
    setTabOrder(IndexList, CounterList);

    setWindowTitle(setup_.TitlePrefix + agentIP);
    ST_Time->setText(TimeText());
    CB_Interval->setCurrentIndex(0);
    MakeCounterBinding(setup_.HiddenListName);

    index_ = std::make_unique<TvSNMPRequest2Edits>(this);
    Adopt(*index_);
    index_->Request.VarList.Assign(TvSNMPVarList(setup_.IndexTable, TvSNMPVarList::itTableRows, 1));
    index_->BindListView(IndexList, false);
    index_->BindStaticText(0, ST_Index);
    index_->BindStaticText(1, ST_Descr);
    index_->SetStatusTarget(StatusPanel);
    counters_->BindListView(HiddenList, false);
    counters_->SetStatusTarget(StatusPanel);
    std::vector<CounterSlot> counters(static_cast<size_t>(setup_.Rows.size()));
    for (size_t k = 0; k < counters.size(); ++k)
        counters[k].name = ToBytes(setup_.Rows[static_cast<int>(k)]);
    sampler_.SetCounters(std::move(counters));
    running_ = true;
    Timer1.start();
    ReadIndex(true);
}

void TCounterInstanceWindow::Tick() {
    if (!running_)
        return;
    switch (stage_) {
    case Stage::Indexing:
        ReadIndex(true);
        break;
    case Stage::Instancing:
        ReadFirstInstance();
        break;
    case Stage::Sampling:
        SampleRead();
        break;
    }
}

void TCounterInstanceWindow::ReadIndex(bool first, std::function<void()> after) {
    Read(*index_, [this, first, after](const TvSNMPError& reply) {
        // A failure has said so in the status line; the next tick walks again.
        if (reply.Code != 0)
            return;
        FitIndexColumns();
        TvListViewModel* rows = index_->ListModel();
        if (rows->RowCount() == 0) {
            // A switch without the table has nothing to show here.
            supported_ = false;
            TvMessageBox::Error(this, "This device don't support it!");
            reject();
            return;
        }
        IndexList->selectionModel()->select(rows->index(0, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (!first) {
            if (after)
                after();
            return;
        }
        IndexList->setCurrentIndex(rows->index(0, 0));
        ST_Index->setText(rows->Cell(0, 0));
        ST_Descr->setText(rows->Cell(0, 1));
        stage_ = Stage::Instancing;
        ReadFirstInstance();
    });
}

void TCounterInstanceWindow::ReadFirstInstance() {
    ReadInstance(ToBytes(ST_Index->text()), [this](const TvSNMPError& reply) {
        if (reply.Code != 0)
            return; // said in the status line; the next tick reads again
        sampler_.Reset();
        ResetCounters();
        stage_ = Stage::Sampling;
    });
}

void TCounterInstanceWindow::FitIndexColumns() {
    for (int c = 0; c < IndexList->model()->columnCount(); ++c)
        IndexList->resizeColumnToContents(c);
}

void TCounterInstanceWindow::ReadInstance(const std::string& instance, ReadDone done) {
    TvSNMPVarList& list = counters_->Request.VarList;
    const std::string name = list.Name;
    list.Assign(TvSNMPVarList(setup_.CounterTable, TvSNMPVarList::itInstance, 0));
    list.Name = name;
    list.AppendInstance(instance);
    AddUpTime(list);
    counters_->Request.LoadSettings();
    Read(*counters_, std::move(done));
}

void TCounterInstanceWindow::ResetCounters() {
    sampler_.ZeroSlots();
}

void TCounterInstanceWindow::BuildCounterRows() {
    PrepareRows(setup_.Rows, QString()); // the first sample after choosing a row is the base: no value yet
    ResetCounters();
}

void TCounterInstanceWindow::BeforeSample() {
    if (CounterList->topLevelItemCount() == 0)
        BuildCounterRows();
}

std::vector<std::string> TCounterInstanceWindow::RawCounters() const {
    // The caption holds the row index and sub-item 0 the description: counter k is column k + 2.
    std::vector<std::string> raw;
    for (size_t k = 0; k < sampler_.Slots().size(); ++k)
        raw.push_back(HiddenCell(static_cast<int>(k) + 2));
    return raw;
}

void TCounterInstanceWindow::ResetInstance() {
    if (stage_ == Stage::Indexing)
        return; // no row to count yet: the ticks are still walking the index
    running_ = false;
    auto before = std::make_shared<const TvSNMPVarList>(counters_->Request.VarList);
    auto counters = std::make_shared<const std::vector<CounterSlot>>(sampler_.Slots());
    ReadInstance(ToBytes(ST_Index->text()), [this, before, counters](const TvSNMPError& reply) {
        if (reply.Code != 0) {
            // The window keeps counting what it counted; Start resumes that.
            counters_->Request.VarList.Assign(*before);
            sampler_.Slots() = *counters;
            ReportResetError(reply.Message);
            return;
        }
        sampler_.Reset();
        CounterList->clear();
        ResetCounters();
        stage_ = Stage::Sampling;
        running_ = true;
    });
}

void TCounterInstanceWindow::ReportResetError(const std::string& message) {
    TvMessageBox::Error(this, FromBytes(message));
}

void TCounterInstanceWindow::BT_ResetClick() {
    WhenIdle([this] { ResetInstance(); });
}

void TCounterInstanceWindow::IndexListClick() {
    if (index_ && index_->SelectedRow() >= 0)
        BT_ResetClick();
}

void TCounterInstanceWindow::RefreshIndex(std::function<void()> after) {
    WhenIdle([this, after] { ReadIndex(stage_ == Stage::Indexing, after); });
}

QComboBox* TCounterInstanceWindow::MakeHistoryCombo() {
    auto* combo = new QComboBox(this);
    combo->setObjectName("CB_HistoryCount");
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems({"10", "20", "30", "60", "120"});
    return combo;
}

QLabel* TCounterInstanceWindow::HistoryLabel(QComboBox* combo) {
    auto* label = TvPlainText::NewLabel("Count", this);
    label->setBuddy(combo);
    return label;
}

bool TCounterInstanceWindow::TakeHistoryCount(QComboBox* combo, int& count) {
    constexpr int kMaxHistory = 1000;
    const QString text = combo->currentText().trimmed();
    if (text == QString::number(count))
        return false;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1 || n > kMaxHistory) {
        TvMessageBox::Error(this,
                            QString("'%1' is not a valid history count: give a whole number from 1 to %2.")
                                .arg(text)
                                .arg(kMaxHistory));
        combo->setCurrentText(QString::number(count));
        return false;
    }
    count = n;
    combo->setCurrentText(text);
    return true;
}
