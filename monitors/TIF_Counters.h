#pragma once

#include "monitors/TCounterInstanceWindow.h"
#include "monitors/TvCounterHistory.h"

class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLineSeries;
class QTabWidget;
class QValueAxis;

// Counters of one interface (ifTable row). Under SNMPv2c and SNMPv3 the octet and packet counters are
// the 64-bit ones of ifXTable where the switch has them; the "Traffic" page charts in and out bits
// per second over the last samples.
class TIF_Counters : public TCounterInstanceWindow {
    Q_OBJECT

public:
    TIF_Counters(QWidget* parent, const QString& agentIP);

    QTabWidget* PC_Pages = nullptr;
    QPushButton* Button1 = nullptr; // "Refresh"
    QPushButton* BT_Set = nullptr;  // "Port Set", hidden
    QComboBox* CB_HistoryCount = nullptr;
    QChartView* CH_Traffic = nullptr;

    // Whether the counted interface is read with the 64-bit counters.
    bool HighCapacity() const { return highCapacity_; }
    const TvCounterHistory& Traffic() const { return traffic_; }

    void LV_IFTableIndexClick() { IndexListClick(); }
    void Button1Click();
    void BT_SetClick() { BT_ResetClick(); }
    void CB_HistoryCountChange();

protected:
    void ReadInstance(const std::string& instance, ReadDone done) override;
    void ResetCounters() override;
    std::vector<std::string> RawCounters() const override;
    void AfterSample(const std::vector<CounterCells>& cells, const QString& time) override;

private:
    // The counters that the last read took: 64-bit where `highCapacity`, else 32-bit.
    void UseWidth(bool highCapacity);
    void DrawTraffic();

    bool highCapacity_ = false;
    int historyCount_ = 10;
    TvCounterHistory traffic_;
    QLineSeries* in_ = nullptr;
    QLineSeries* out_ = nullptr;
    QDateTimeAxis* timeAxis_ = nullptr;
    QValueAxis* bitsAxis_ = nullptr;
};
