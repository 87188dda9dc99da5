#pragma once

#include "monitors/TCounterInstanceWindow.h"
#include "monitors/TvCounterHistory.h"

class QCategoryAxis;
class QChartView;
class QCheckBox;
class QComboBox;
class QLineSeries;
class QTabWidget;
class QValueAxis;

// Frame counters of one transparent-bridge port (dot1dTpPortTable row) with a history of the last H
// deltas per counter, drawn as a line chart on the "Port Traffic" page.
class TTpBridgePortInfo_Table : public TCounterInstanceWindow {
    Q_OBJECT

public:
    TTpBridgePortInfo_Table(QWidget* parent, const QString& agentIP);

    QTabWidget* PC_Pages = nullptr;
    QPushButton* BT_Refresh = nullptr;
    QPushButton* BT_PortSet = nullptr; // hidden
    QComboBox* CB_HistoryCount = nullptr;
    QCheckBox* CK_U3D = nullptr;
    QChartView* CH_Utilization = nullptr;

    const TvCounterHistory& History() const { return history_; }
    // The chart's series, in counter order.
    const std::vector<QLineSeries*>& Series() const { return series_; }

    void LV_TpBridge_Port_IndexClick() { IndexListClick(); }
    void BT_RefreshClick();
    void BT_PortSetClick();
    void CB_HistoryCountChange();
    void CK_U3DClick();

protected:
    void ResetCounters() override;
    void BuildCounterRows() override;
    void AfterSample(const std::vector<CounterCells>& cells, const QString& time) override;

private:
    void DrawChart();

    int historyCount_ = 10;
    TvCounterHistory history_;
    std::vector<QLineSeries*> series_;
    QCategoryAxis* sampleAxis_ = nullptr;
    QValueAxis* deltaAxis_ = nullptr;
};
