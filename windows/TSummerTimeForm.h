#pragma once

#include "windows/TCtrlsList.h"

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;
class TSNMPEditorPanel;
class TvSNMPRequest2Edits;

// The daylight-saving rule: a scalar editor of the six summer time variables whose four time rows are
// composites editing the octets of the rule part by part. Only the rows of the chosen mode are shown;
// reads and writes go in two stages, the status first.
class TSummerTimeForm : public QDialog {
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
    class StageBinding;

    void BuildComposite(int row);
    TCtrlsList& CompositeOf(int row) { return Composites[static_cast<size_t>(row - 2)]; }
    // Includes exactly the rows of `included` (a bit per row) in the next read or write.
    void IncludeOnly(unsigned included);
    unsigned ModeRows() const;
    bool RepeatingRowValid(int row) const;
    bool AnnualRowValid(int row) const;
    int SelectedMonth(int row) const;

    std::unique_ptr<StageBinding> binding_;
    std::array<QLabel*, 4> colons_{};
};
