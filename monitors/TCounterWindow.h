#pragma once

#include "binding/TvDedicatedWindow.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "monitors/TvCounterSampler.h"
#include "snmp/TvSNMPError.h"

#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeView;
class QTreeWidget;
class QVBoxLayout;
class TvStatusPanel;

// What the six counter windows share: the button panel with the clock and the poll interval, the
// visible counter list, the hidden list the counter read fills, the status bar and the sampling timer.
// Reads go through the event pump; a tick that comes while a read is on its way is skipped, and an
// action that needs the bindings (Reset, Refresh) runs once the read is in.
class TCounterWindow : public TvDedicatedWindow {
    Q_OBJECT

public:
    ~TCounterWindow() override;

    QLabel* ST_Time = nullptr;
    QComboBox* CB_Interval = nullptr;
    QPushButton* BT_Reset = nullptr;
    QPushButton* BT_Start = nullptr;
    QPushButton* BT_Stop = nullptr;
    QPushButton* ExitButton = nullptr;  // named per window
    QTreeWidget* CounterList = nullptr; // the visible list, named per window
    QTreeView* HiddenList = nullptr;    // filled by the counter read, named per window
    QStatusBar* StatusBar = nullptr;
    TvStatusPanel* StatusPanel = nullptr; // panel 0
    QTimer Timer1;

    // The binding that reads the counters into the hidden list.
    TvSNMPRequest2Edits* CounterBinding() const { return counters_.get(); }
    const TvCounterSampler& Sampler() const { return sampler_; }
    bool Running() const { return running_; }
    // Poll interval in seconds.
    int IntervalSeconds() const { return interval_; }

    // Updates the clock and, unless a read is on its way, takes the next step (usually a sample).
    void Timer1Timer();
    void BT_StartClick();
    void BT_StopClick();
    virtual void BT_ResetClick() = 0;
    // Takes the interval typed or chosen; anything but whole seconds from 1 up is refused with a
    // message and the previous setting stays.
    void CB_IntervalChange();

    // Local time of day in the system's long time format (hours, minutes, seconds).
    static QString TimeText();

protected:
    TCounterWindow(QWidget* parent, TvCounterSampler::Baseline baseline);

    // Builds the common controls around `content` (the list or the pages) with `extraButtons` below
    // Pause; `clockCaption` labels the clock.
    void BuildLayout(QWidget* content, const QList<QWidget*>& extraButtons, const QString& clockCaption);
    // A report-style list with the six counter columns.
    QTreeWidget* MakeCounterList(const QString& name);
    // The counter binding; the hidden list is named `hiddenName`.
    void MakeCounterBinding(const QString& hiddenName);
    // A binding of the window: asynchronous, cancelled when the window closes, its reads ending in Read's
    // continuations.
    void Adopt(TvSNMPRequest2Edits& binding);

    using ReadDone = std::function<void(const TvSNMPError& reply)>;
    // Reads `binding` (adopted); `done` gets the outcome (also of a read that could not be sent), then
    // work deferred meanwhile runs.
    void Read(TvSNMPRequest2Edits& binding, ReadDone done);
    // The step of a tick while no read is on its way: a sample while the window runs.
    virtual void Tick();
    // Reads the counters and samples them.
    void SampleRead();

    // The counter texts of the hidden list's first row, in slot order.
    virtual std::vector<std::string> RawCounters() const = 0;
    // After each sample: history and charts.
    virtual void AfterSample(const std::vector<CounterCells>& cells, const QString& time);
    // Before sampling a read row (instance windows build their rows here).
    virtual void BeforeSample() {}

    // A row for each caption: `blank` in the number cells (no value yet) and the current time.
    void PrepareRows(const QStringList& captions, const QString& blank = QStringLiteral("0"));
    // Adds the switch's up time to a counter list (after its instance is appended): read with every
    // sample, it tells a restart of the switch from a counter that wrapped.
    static void AddUpTime(TvSNMPVarList& list);
    // The sampling step over the hidden row; raises the conversion error after writing what came before.
    void SampleCounters();
    // Text of the hidden list's first row, column `column`.
    std::string HiddenCell(int column) const;
    // The up time read with the counters, when the last read brought it.
    std::optional<std::uint32_t> UpTime() const;
    // Runs `work` now, or once the read on its way is in: the counter binding is not rebuilt under a
    // read. Asked for twice meanwhile, the later work runs once.
    void WhenIdle(std::function<void()> work);

    TvCounterSampler sampler_;
    std::unique_ptr<TvSNMPRequest2Edits> counters_;
    bool running_ = false;
    int interval_ = 1;

private:
    void ReadFinished(TvSNMPRequest2Edits& binding, const TvSNMPError& reply);

    std::vector<std::pair<const TvSNMPRequest2Edits*, ReadDone>> pending_;
    std::function<void()> deferred_;
};
