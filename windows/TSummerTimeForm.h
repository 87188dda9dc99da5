#pragma once

#include "binding/TvDedicatedWindow.h"
#include "windows/TCtrlsList.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;
class TSNMPEditorPanel;
class TvSNMPRequest2Edits;

// The daylight-saving rule: a scalar editor of the six summer time variables whose four time rows are
// composites editing the octets of the rule part by part. Only the rows of the chosen mode are shown;
// reads and writes go in two stages, the status first.
class TSummerTimeForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    TSummerTimeForm(QWidget* parent, const QString& agentIP);
    ~TSummerTimeForm() override;

    TvSNMPRequest2Edits* Binding() const;
    TSNMPEditorPanel* Panel = nullptr;
    // Composites of rows 2 to 5: repeating start and end, annual start and end.
    std::array<TCtrlsList, 4> Composites;

    QComboBox* StatusCombo() const;
    QLineEdit* OffsetEdit() const;

    // Status alone, then the offset and the rows of the status read.
    void Refresh();
    // Checks the input, then writes the status, then the offset and the rows of the chosen mode.
    void Set();
    // Shows the rows of the status in the combo box and hides (and unticks) the others.
    void ApplyStatusLayout();
    // The checks before a write; a refusal shows its message (or none) and returns false.
    bool Validate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class PartRead;

    void BuildComposite(int row);
    TCtrlsList& CompositeOf(int row) { return Composites[static_cast<size_t>(row - 2)]; }
    unsigned ModeRows() const;
    bool RepeatingRowValid(int row) const;
    bool AnnualRowValid(int row) const;
    int SelectedMonth(int row) const;

    // The second stage of a read, once the status is in.
    void StatusRead(const TvSNMPError& reply);
    // The ticked rows among `rows` (a bit per row).
    std::vector<int> Ticked(unsigned rows) const;
    // The panel's checks of what a write sends: each ticked field against its format and its syntax.
    // A refusal is shown and returns false.
    bool FieldsPass(const std::vector<int>& rows);
    QStringList EmptyRows(const std::vector<int>& rows) const;
    void Send(const std::vector<int>& rows);
    void StageWritten(const TvSNMPError& reply);
    void SecondStage();
    // The status went in and the rest did not: the switch runs the new status with its old offset and
    // times.
    void StatusAlone();

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
    std::unique_ptr<PartRead> statusRead_; // the status alone
    std::unique_ptr<PartRead> ruleRead_;   // the status, the offset and the rows of the status read
    std::array<QLabel*, 4> colons_{};

    // The write in progress: its second stage, the rows of it found empty when Set was clicked, whether
    // the status is in flight and whether the switch took it.
    std::vector<int> secondStage_;
    QStringList secondEmpty_;
    bool firstStage_ = false;
    bool statusWritten_ = false;
};
