#include "monitors/TCounterGroupWindow.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "snmp/TvException.h"

#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

TCounterGroupWindow::TCounterGroupWindow(QWidget* parent, const QString& agentIP, const Setup& setup)
    : TCounterWindow(parent, TvCounterSampler::Baseline::Flag) {
    CounterList = MakeCounterList(setup.CounterListName);
    ExitButton->setObjectName("BT_Exit");
    BuildLayout(CounterList, {}, "System Time");
    setWindowTitle(setup.TitlePrefix + agentIP);
    resize(760, 160 + 22 * static_cast<int>(setup.Rows.size() < 20 ? setup.Rows.size() : 20));

    std::vector<CounterSlot> counters(static_cast<size_t>(setup.Rows.size()));
    sampler_.SetCounters(std::move(counters));
    try {
        MakeCounterBinding(setup.HiddenListName);
        counters_->Request.VarList.Assign(TvSNMPVarList(setup.Table, TvSNMPVarList::itTable, 0));
        counters_->BindListView(HiddenList, false);
        counters_->SetStatusTarget(StatusPanel);
        counters_->Get();
        PrepareRows(setup.Rows);
        sampler_.ZeroSlots();
        if (setup.CreationSample && counters_->ListModel()->RowCount() > 0)
            SampleCounters();
    } catch (const TvException& e) {
        ShowError(e.Message());
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
    if (CounterList->topLevelItemCount() == 0)
        PrepareRows(setup.Rows);
    // The creation sample's values stay: they are the base of the first tick's delta.
    sampler_.ClearBaseline();
    running_ = true;
    ST_Time->setText(TimeText());
    Timer1.start();
}

std::vector<std::string> TCounterGroupWindow::RawCounters() const {
    // Counter 0 is the row's caption, counter k its sub-item k - 1: column k of the row.
    std::vector<std::string> raw;
    for (size_t k = 0; k < sampler_.Slots().size(); ++k)
        raw.push_back(HiddenCell(static_cast<int>(k)));
    return raw;
}

void TCounterGroupWindow::BT_ResetClick() {
    sampler_.Reset();
    PrepareRows([this] {
        QStringList captions;
        for (int r = 0; r < CounterList->topLevelItemCount(); ++r)
            captions << CounterList->topLevelItem(r)->text(0);
        return captions;
    }());
    running_ = true;
}
