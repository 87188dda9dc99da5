#pragma once

#include "monitors/TCounterWindow.h"

#include <QStringList>

class QComboBox;
class QLabel;
struct TvSNMPVarDef;

// A window over the counters of one chosen table row: an index list to choose the row, the counter
// read at that row's instance, rows built on the first sample and a count-based baseline. The window
// opens at once; its ticks walk the index until it is in, then read the first row's counters until they
// are in, then sample: a switch that does not answer at first is counted once it does.
class TCounterInstanceWindow : public TCounterWindow {
    Q_OBJECT

public:
    QTreeView* IndexList = nullptr; // named per window
    QLabel* ST_Index = nullptr;
    QLabel* ST_Descr = nullptr;

    TvSNMPRequest2Edits* IndexBinding() const { return index_.get(); }
    // False when the index walk found no row: the window has said so and closed.
    bool Supported() const { return supported_; }
    // True once the first row's counters are in and the window samples.
    bool Sampling() const { return stage_ == Stage::Sampling; }

    // Restarts the baseline on the chosen row (once a read on its way is in). A failed read is reported
    // in a message box and leaves the window paused with the counted row it had.
    void BT_ResetClick() override;
    // A click on an index row: the same as Reset, on the row just chosen.
    void IndexListClick();

protected:
    struct Setup {
        const char* TitlePrefix;
        const TvSNMPVarDef* IndexTable;
        const TvSNMPVarDef* CounterTable;
        QStringList Rows;
        const char* IndexListName;
        const char* HiddenListName;
        const char* IndexCaption;
        const char* DescrCaption;
    };

    TCounterInstanceWindow(QWidget* parent, const Setup& setup);
    // The creation sequence; the derived window calls it once its own controls exist.
    void Create(const QString& agentIP, QWidget* counterArea, const QList<QWidget*>& extraButtons,
                const QString& clockCaption);

    // Reads the index list again (once a read on its way is in) and selects its first row, then runs
    // `after`; a failure goes to the status bar.
    void RefreshIndex(std::function<void()> after = {});
    // The Reset of the counted row; a failed read is reported and the counted row stays as it was.
    void ResetInstance();
    // The counter list at `instance`, read once; `done` gets the outcome.
    virtual void ReadInstance(const std::string& instance, ReadDone done);
    void Tick() override;
    // Slots to 0 and, in the chart windows, a fresh history.
    virtual void ResetCounters();
    // The visible rows for the counter names, then ResetCounters.
    virtual void BuildCounterRows();
    // The history count combo ("10" .. "120", editable, first item chosen) and its label.
    QComboBox* MakeHistoryCombo();
    QLabel* HistoryLabel(QComboBox* combo);
    // Takes the combo's text as the history count (1 .. 1000); anything else is refused with a message,
    // the combo shows `count` again and the result is false. True when the count changed.
    bool TakeHistoryCount(QComboBox* combo, int& count);
    // Reports an error of a Reset in the standard error box.
    void ReportResetError(const std::string& message);

    void BeforeSample() override;
    std::vector<std::string> RawCounters() const override;

    Setup setup_;
    std::unique_ptr<TvSNMPRequest2Edits> index_;

private:
    enum class Stage { Indexing, Instancing, Sampling };
    // The index walk; `first` (the first step) chooses the first row and reads its counters, otherwise
    // `after` runs once the rows are in.
    void ReadIndex(bool first, std::function<void()> after = {});
    // The first counter read at the chosen row: its values are the baseline.
    void ReadFirstInstance();
    // The index list's columns as wide as what they show.
    void FitIndexColumns();

    bool supported_ = true;
    Stage stage_ = Stage::Indexing;
};
