#include "monitors/TCounterInstanceWindow.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvException.h"

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
    ST_Index = new QLabel(this);
    ST_Index->setObjectName("ST_Index");
    ST_Index->setFrameShape(QFrame::StyledPanel);
    ST_Descr = new QLabel(this);
    ST_Descr->setObjectName("ST_Descr");
    ST_Descr->setFrameShape(QFrame::StyledPanel);
    connect(IndexList, &QTreeView::clicked, this, [this](const QModelIndex&) { IndexListClick(); });
}

void TCounterInstanceWindow::Create(const QString& agentIP, QWidget* counterArea,
                                    const QList<QWidget*>& extraButtons, const QString& clockCaption) {
    auto* indexPanel = new QWidget(this);
    auto* grid = new QGridLayout(indexPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* indexLabel = new QLabel(setup_.IndexCaption, indexPanel);
    indexLabel->setBuddy(IndexList);
    auto* descrLabel = new QLabel(setup_.DescrCaption, indexPanel);
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

    // The index walk; a switch without the table (or without an answer) has nothing to show here.
    index_ = std::make_unique<TvSNMPRequest2Edits>(this);
    index_->Asynchronous = false;
    index_->Request.VarList.Assign(TvSNMPVarList(setup_.IndexTable, TvSNMPVarList::itTableRows, 1));
    index_->Request.Timeout = gSNMPTimeout;
    index_->Request.Retries = 5;
    index_->BindListView(IndexList, false);
    index_->BindStaticText(0, ST_Index);
    index_->BindStaticText(1, ST_Descr);
    index_->SetStatusTarget(StatusPanel);
    try {
        index_->Get();
    } catch (const TvException& e) {
        index_->ShowStatus(e.Message());
    } catch (const std::exception& e) {
        index_->ShowStatus(e.what());
    }
    TvListViewModel* rows = index_->ListModel();
    FitIndexColumns();
    if (rows->RowCount() == 0) {
        supported_ = false;
        TvMessageBox::Error(parentWidget(), "This device don't support it!");
        return;
    }
    try {
        ST_Index->setText(rows->Cell(0, 0));
        ST_Descr->setText(rows->Cell(0, 1));
        counters_->BindListView(HiddenList, false);
        counters_->SetStatusTarget(StatusPanel);
        running_ = true;
        std::vector<CounterSlot> counters(static_cast<size_t>(setup_.Rows.size()));
        for (size_t k = 0; k < counters.size(); ++k)
            counters[k].name = ToBytes(setup_.Rows[static_cast<int>(k)]);
        sampler_.SetCounters(std::move(counters));
        ReadInstance(ToBytes(rows->Cell(0, 0)));
        sampler_.Reset();
        ResetCounters();
        Timer1.start();
        IndexList->selectionModel()->select(rows->index(0, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        IndexList->setCurrentIndex(rows->index(0, 0));
    } catch (const TvException& e) {
        index_->ShowStatus(e.Message());
    } catch (const std::exception& e) {
        index_->ShowStatus(e.what());
    }
}

void TCounterInstanceWindow::FitIndexColumns() {
    for (int c = 0; c < IndexList->model()->columnCount(); ++c)
        IndexList->resizeColumnToContents(c);
}

void TCounterInstanceWindow::ReadInstance(const std::string& instance) {
    TvSNMPVarList& list = counters_->Request.VarList;
    const std::string name = list.Name;
    list.Assign(TvSNMPVarList(setup_.CounterTable, TvSNMPVarList::itInstance, 0));
    list.Name = name;
    list.AppendInstance(instance);
    counters_->Request.LoadSettings();
    counters_->Get();
}

void TCounterInstanceWindow::ResetCounters() {
    sampler_.ZeroSlots();
}

void TCounterInstanceWindow::BuildCounterRows() {
    PrepareRows(setup_.Rows);
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
    running_ = false;
    const TvSNMPVarList before(counters_->Request.VarList);
    const std::vector<CounterSlot> counters = sampler_.Slots();
    try {
        ReadInstance(ToBytes(ST_Index->text()));
    } catch (...) {
        // The window keeps counting what it counted; Start resumes that.
        counters_->Request.VarList.Assign(before);
        sampler_.Slots() = counters;
        throw;
    }
    counters_->SetStatusTarget(StatusPanel);
    sampler_.Reset();
    CounterList->clear();
    ResetCounters();
    running_ = true;
}

void TCounterInstanceWindow::ReportResetError(const std::string& message) {
    TvMessageBox::Error(this, FromBytes(message));
}

void TCounterInstanceWindow::BT_ResetClick() {
    WhenIdle([this] {
        try {
            ResetInstance();
        } catch (const TvException& e) {
            ReportResetError(e.Message());
        } catch (const std::exception& e) {
            ReportResetError(e.what());
        }
    });
}

void TCounterInstanceWindow::IndexListClick() {
    if (index_ && index_->SelectedRow() >= 0)
        BT_ResetClick();
}

void TCounterInstanceWindow::RefreshIndex() {
    try {
        index_->Get();
        FitIndexColumns();
        TvListViewModel* rows = index_->ListModel();
        if (rows->RowCount() > 0)
            IndexList->selectionModel()->select(rows->index(0, 0), QItemSelectionModel::ClearAndSelect |
                                                                       QItemSelectionModel::Rows);
    } catch (const TvException& e) {
        index_->ShowStatus(e.Message());
    } catch (const std::exception& e) {
        index_->ShowStatus(e.what());
    }
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
    auto* label = new QLabel("Count", this);
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
