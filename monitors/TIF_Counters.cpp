#include "monitors/TIF_Counters.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogCounters.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "monitors/TvCounterClock.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QValueAxis>

#include <algorithm>

namespace {

QStringList IfRows() {
    QStringList rows;
    for (const char* caption : kIfCounterRows)
        rows << caption;
    return rows;
}

// Counters (rows) with a 64-bit sibling, and the column of the hidden row that holds it; the
// non-unicast rows add the multicast and broadcast columns.
struct HighCapacityColumn {
    int row;
    int column;
    int plus; // second column to add, or -1
};
constexpr HighCapacityColumn kHighCapacity[] = {
    {0, 13, -1}, {1, 14, -1}, {2, 15, 16}, {6, 17, -1}, {7, 18, -1}, {8, 19, 20},
};
constexpr int kFirstHighCapacityColumn = 13;
constexpr int kHighCapacityCount = 8;
constexpr int kInOctets = 0;
constexpr int kOutOctets = 6;

const char kName64[] = "ifTable and ifXTable (64-bit counters)";
const char kName32v1[] = "ifTable (32-bit counters: SNMPv1 has no 64-bit counters)";
const char kName32Missing[] =
    "ifTable (32-bit counters: the switch has no 64-bit counters for this interface)";

const bool TIF_CountersRegistered =
    TvWindowRegistry::Register("TIF_Counters", [](TvWindowHost& host, const TvMenuNode& entry) {
        // The menu gives no caption: the window's own names the switch.
        TvDedicatedWindow::Open<TIF_Counters>(host, entry, FromBytes(host.Connection().AgentIP));
    });

} // namespace

TIF_Counters::TIF_Counters(QWidget* parent, const QString& agentIP)
    : TCounterInstanceWindow(parent, {"IF Counters : ", tblIfIndex, tblIfCounters, IfRows(),
                                      "LV_IFTableIndex", "LV_IFCounterData", "Index", "Description"}) {
    CounterList = MakeCounterList("LV_IF_Counters");
    ExitButton->setObjectName("Button2");
    Button1 = new QPushButton("Refresh", this);
    Button1->setObjectName("Button1");
    Button1->setAutoDefault(false);
    BT_Set = new QPushButton("Port Set", this);
    BT_Set->setObjectName("BT_Set");
    BT_Set->setAutoDefault(false);
    BT_Set->hide();
    CB_HistoryCount = MakeHistoryCombo();

    // The traffic chart: in and out bits per second against the time of day.
    auto* chart = new QChart;
    chart->setTitle(QString());
    chart->legend()->setAlignment(Qt::AlignBottom);
    in_ = new QLineSeries(chart);
    in_->setName("In bits/s");
    in_->setColor(QColor(0x1f, 0x77, 0xb4));
    out_ = new QLineSeries(chart);
    out_->setName("Out bits/s");
    out_->setColor(QColor(0xd6, 0x27, 0x28));
    chart->addSeries(in_);
    chart->addSeries(out_);
    timeAxis_ = new QDateTimeAxis(chart);
    timeAxis_->setFormat("HH:mm:ss");
    timeAxis_->setTitleText("Time");
    bitsAxis_ = new QValueAxis(chart);
    bitsAxis_->setLabelFormat("%.0f");
    bitsAxis_->setTitleText("bits/s");
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(bitsAxis_, Qt::AlignLeft);
    for (QLineSeries* s : {in_, out_}) {
        s->attachAxis(timeAxis_);
        s->attachAxis(bitsAxis_);
    }
    CH_Traffic = new QChartView(chart, this);
    CH_Traffic->setObjectName("CH_Traffic");
    CH_Traffic->setRenderHint(QPainter::Antialiasing);

    PC_Pages = new QTabWidget(this);
    PC_Pages->setObjectName("PC_Pages");
    PC_Pages->addTab(CounterList, "Counter Table");
    PC_Pages->addTab(CH_Traffic, "Traffic");

    connect(Button1, &QPushButton::clicked, this, &TIF_Counters::Button1Click);
    connect(BT_Set, &QPushButton::clicked, this, &TIF_Counters::BT_SetClick);
    connect(CB_HistoryCount, &QComboBox::activated, this, &TIF_Counters::CB_HistoryCountChange);
    connect(CB_HistoryCount->lineEdit(), &QLineEdit::editingFinished, this,
            &TIF_Counters::CB_HistoryCountChange);

    resize(820, 640);
    Create(agentIP, PC_Pages,
           QList<QWidget*>{Button1, BT_Set, HistoryLabel(CB_HistoryCount), CB_HistoryCount}, "System Time");
}

void TIF_Counters::Button1Click() {
    RefreshIndex();
}

void TIF_Counters::CB_HistoryCountChange() {
    if (TakeHistoryCount(CB_HistoryCount, historyCount_))
        BT_ResetClick();
}

void TIF_Counters::ReadInstance(const std::string& instance, ReadDone done) {
    TvSNMPRequest& request = counters_->Request;
    request.LoadSettings();
    // Decided only once the reads have succeeded: a failed Reset keeps the interface counted before.
    auto narrow = [this, instance, done](const char* name) {
        TvSNMPVarList list(tblIfCounters, TvSNMPVarList::itInstance, 0);
        list.AppendInstance(instance);
        AddUpTime(list);
        list.Name = name;
        counters_->Request.VarList.Assign(list);
        Read(*counters_, [this, done](const TvSNMPError& reply) {
            if (reply.Code == 0)
                UseWidth(false);
            done(reply);
        });
    };
    if (request.Target.Version == 0) {
        narrow(kName32v1);
        return;
    }
    TvSNMPVarList list(tblIfCounters, TvSNMPVarList::itInstance, 0);
    list.AddRows(tblIfHCCounters);
    list.AppendInstance(instance);
    AddUpTime(list);
    list.Name = kName64;
    request.VarList.Assign(list);
    Read(*counters_, [this, done, narrow](const TvSNMPError& reply) {
        // An agent without them answers noSuchObject or noSuchInstance: an error of this read, or a cell
        // that reads as no number. Either way the 32-bit read decides.
        bool all = reply.Code == 0;
        for (int c = kFirstHighCapacityColumn; all && c < kFirstHighCapacityColumn + kHighCapacityCount;
             ++c) {
            try {
                TvCounterSampler::ParseCounter(HiddenCell(c), 64);
            } catch (const std::exception&) {
                all = false;
            }
        }
        if (!all) {
            narrow(kName32Missing);
            return;
        }
        UseWidth(true);
        done(reply);
    });
}

void TIF_Counters::UseWidth(bool highCapacity) {
    highCapacity_ = highCapacity;
    std::vector<CounterSlot>& counterSlots = sampler_.Slots();
    for (CounterSlot& s : counterSlots)
        s.bits = 32;
    if (highCapacity_)
        for (const HighCapacityColumn& h : kHighCapacity)
            counterSlots[static_cast<size_t>(h.row)].bits = 64;
}

std::vector<std::string> TIF_Counters::RawCounters() const {
    std::vector<std::string> raw = TCounterInstanceWindow::RawCounters();
    if (!highCapacity_)
        return raw;
    for (const HighCapacityColumn& h : kHighCapacity) {
        std::string text = HiddenCell(h.column);
        if (h.plus >= 0) {
            const std::string second = HiddenCell(h.plus);
            try {
                text = std::to_string(TvCounterSampler::ParseCounter(text, 64) +
                                      TvCounterSampler::ParseCounter(second, 64));
            } catch (const std::exception&) {
                // The text that is no number raises the conversion error in the sampling step.
                try {
                    TvCounterSampler::ParseCounter(text, 64);
                    text = second;
                } catch (const std::exception&) {
                }
            }
        }
        raw[static_cast<size_t>(h.row)] = text;
    }
    return raw;
}

void TIF_Counters::ResetCounters() {
    TCounterInstanceWindow::ResetCounters();
    traffic_.Rebuild(2, historyCount_);
    DrawTraffic();
}

void TIF_Counters::AfterSample(const std::vector<CounterCells>& cells, const QString& time) {
    if (cells.size() > kOutOctets && cells[kInOctets].deltaRate)
        traffic_.Append({cells[kInOctets].Rate * 8, cells[kOutOctets].Rate * 8}, ToBytes(time),
                        TvCounterClock::Now().toMSecsSinceEpoch());
    DrawTraffic();
}

void TIF_Counters::DrawTraffic() {
    std::int64_t first = 0, last = 0;
    double top = 0;
    QLineSeries* series[] = {in_, out_};
    for (int i = 0; i < traffic_.SeriesCount() && i < 2; ++i) {
        QList<QPointF> points;
        for (const HistoryData& h : traffic_.List(i)) {
            if (h.stamp == 0)
                continue; // a placeholder: no sample yet
            points << QPointF(static_cast<double>(h.stamp), static_cast<double>(h.value));
            first = first == 0 ? h.stamp : std::min(first, h.stamp);
            last = std::max(last, h.stamp);
            top = std::max(top, static_cast<double>(h.value));
        }
        series[i]->replace(points);
    }
    const std::int64_t now = TvCounterClock::Now().toMSecsSinceEpoch();
    if (first == 0)
        first = last = now;
    if (last - first < 1000 * IntervalSeconds())
        first = last - 1000 * IntervalSeconds();
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    bitsAxis_->setRange(0, top > 0 ? top * 1.1 : 1000);
    bitsAxis_->applyNiceNumbers();
}
