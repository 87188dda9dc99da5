#include "monitors/TTpBridgePortInfo_Table.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogCounters.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTreeWidget>
#include <QValueAxis>

#include <algorithm>

namespace {

QStringList PortRows() {
    QStringList rows;
    for (const char* caption : kTpPortCounterRows)
        rows << caption;
    return rows;
}

const QColor kSeriesColours[] = {Qt::red, Qt::green, Qt::yellow};

const bool TTpBridgePortInfo_TableRegistered =
    TvWindowRegistry::Register("TTpBridgePortInfo_Table", [](TvWindowHost& host, const TvMenuNode& entry) {
        // The menu gives no caption: the window's own names the switch.
        TvDedicatedWindow::Open<TTpBridgePortInfo_Table>(host, entry, FromBytes(host.Connection().AgentIP));
    });

} // namespace

TTpBridgePortInfo_Table::TTpBridgePortInfo_Table(QWidget* parent, const QString& agentIP)
    : TCounterInstanceWindow(parent, {"Transparent Bridge Port Counter : ", tblTpPortIndex, tblTpPortCounters,
                                      PortRows(), "LV_TpBridge_Port_Index", "LV_Chart", "Port Number",
                                      "Max  Info "}) {
    CounterList = MakeCounterList("LV_TpBridge_Port_Info");
    ExitButton->setObjectName("Button1");
    BT_Refresh = new QPushButton("Refresh", this);
    BT_Refresh->setObjectName("BT_Refresh");
    BT_Refresh->setAutoDefault(false);
    BT_PortSet = new QPushButton("Port Set", this);
    BT_PortSet->setObjectName("BT_PortSet");
    BT_PortSet->setAutoDefault(false);
    BT_PortSet->hide();
    CB_HistoryCount = MakeHistoryCombo();
    CK_U3D = new QCheckBox("3D Line", this);
    CK_U3D->setObjectName("CK_U3D");

    // One series per counter; no zooming or panning, no title, 2-D at start.
    auto* chart = new QChart;
    chart->setTitle(QString());
    chart->legend()->setAlignment(Qt::AlignBottom);
    sampleAxis_ = new QCategoryAxis(chart);
    sampleAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    deltaAxis_ = new QValueAxis(chart);
    deltaAxis_->setLabelFormat("%.0f");
    chart->addAxis(sampleAxis_, Qt::AlignBottom);
    chart->addAxis(deltaAxis_, Qt::AlignLeft);
    for (int i = 0; i < static_cast<int>(std::size(kTpPortCounterRows)); ++i) {
        auto* s = new QLineSeries(chart);
        s->setName(kTpPortCounterRows[i]);
        s->setColor(kSeriesColours[i]);
        chart->addSeries(s);
        s->attachAxis(sampleAxis_);
        s->attachAxis(deltaAxis_);
        series_.push_back(s);
    }
    CH_Utilization = new QChartView(chart, this);
    CH_Utilization->setObjectName("CH_Utilization");
    CH_Utilization->setRenderHint(QPainter::Antialiasing);
    CH_Utilization->setRubberBand(QChartView::NoRubberBand);

    PC_Pages = new QTabWidget(this);
    PC_Pages->setObjectName("PC_Pages");
    PC_Pages->addTab(CounterList, "Port Counter Table");
    PC_Pages->addTab(CH_Utilization, "Port Traffic");

    connect(BT_Refresh, &QPushButton::clicked, this, &TTpBridgePortInfo_Table::BT_RefreshClick);
    connect(BT_PortSet, &QPushButton::clicked, this, &TTpBridgePortInfo_Table::BT_PortSetClick);
    connect(CK_U3D, &QCheckBox::clicked, this, &TTpBridgePortInfo_Table::CK_U3DClick);
    connect(CB_HistoryCount, &QComboBox::activated, this, &TTpBridgePortInfo_Table::CB_HistoryCountChange);
    connect(CB_HistoryCount->lineEdit(), &QLineEdit::editingFinished, this,
            &TTpBridgePortInfo_Table::CB_HistoryCountChange);

    resize(820, 640);
    Create(agentIP, PC_Pages,
           QList<QWidget*>{BT_Refresh, BT_PortSet, HistoryLabel(CB_HistoryCount), CB_HistoryCount, CK_U3D},
           "System Time:");
}

void TTpBridgePortInfo_Table::BT_RefreshClick() {
    RefreshIndex([this] { ResetInstance(); });
}

void TTpBridgePortInfo_Table::BT_PortSetClick() {
    if (index_ && index_->SelectedRow() >= 0)
        BT_ResetClick();
}

void TTpBridgePortInfo_Table::CB_HistoryCountChange() {
    if (TakeHistoryCount(CB_HistoryCount, historyCount_))
        BT_ResetClick();
}

void TTpBridgePortInfo_Table::CK_U3DClick() {
    // The 3-D view: thick shaded lines over a shadowed plot.
    const bool deep = CK_U3D->isChecked();
    for (QLineSeries* s : series_) {
        QPen pen = s->pen();
        pen.setWidth(deep ? 6 : 2);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        s->setPen(pen);
    }
    CH_Utilization->chart()->setDropShadowEnabled(deep);
}

void TTpBridgePortInfo_Table::ResetCounters() {
    TCounterInstanceWindow::ResetCounters();
    history_.Rebuild(static_cast<int>(series_.size()), historyCount_);
}

void TTpBridgePortInfo_Table::BuildCounterRows() {
    TCounterInstanceWindow::BuildCounterRows();
    for (QLineSeries* s : series_)
        s->clear();
}

void TTpBridgePortInfo_Table::AfterSample(const std::vector<CounterCells>& cells, const QString& time) {
    // The baseline sample adds no history; the chart is redrawn on every sample.
    if (!cells.empty() && cells.front().deltaRate) {
        std::vector<std::uint64_t> deltas;
        for (const CounterCells& c : cells)
            deltas.push_back(c.Delta);
        history_.Append(deltas, ToBytes(time), 0);
    }
    DrawChart();
}

void TTpBridgePortInfo_Table::DrawChart() {
    double top = 0;
    for (int i = 0; i < history_.SeriesCount() && i < static_cast<int>(series_.size()); ++i) {
        QList<QPointF> points;
        const std::vector<HistoryData>& list = history_.List(i);
        for (size_t j = 0; j < list.size(); ++j) {
            points << QPointF(static_cast<double>(j), static_cast<double>(list[j].value));
            top = std::max(top, static_cast<double>(list[j].value));
        }
        series_[static_cast<size_t>(i)]->replace(points);
    }
    // The time of each sample labels its point; a few labels keep them readable at 120 points.
    for (const QString& label : sampleAxis_->categoriesLabels())
        sampleAxis_->remove(label);
    const int count = history_.Count();
    if (history_.SeriesCount() > 0) {
        const std::vector<HistoryData>& list = history_.List(0);
        const int step = std::max(1, count / 6);
        // Newest first when choosing (the newest sample always gets its label); appended in order.
        QSet<QString> used;
        std::vector<std::pair<int, QString>> labels;
        for (int j = count - 1; j >= 0; j -= step) {
            const QString label = FromBytes(list[static_cast<size_t>(j)].time);
            if (label.isEmpty() || used.contains(label))
                continue;
            used.insert(label);
            labels.emplace_back(j, label);
        }
        std::reverse(labels.begin(), labels.end());
        for (const auto& [j, label] : labels)
            sampleAxis_->append(label, j);
    }
    sampleAxis_->setRange(0, std::max(1, count - 1));
    deltaAxis_->setRange(0, top > 0 ? top * 1.1 : 10);
    deltaAxis_->applyNiceNumbers();
}
