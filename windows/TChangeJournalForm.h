#pragma once

#include "binding/TvDedicatedWindow.h"

#include <QString>

#include <memory>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeView;
class TvJournalFilter;
class TvJournalModel;
class TvSNMPRequest2Edits;
struct TvJournalEntry;

// The change journal: every write the program and the companion sent, newest first, filtered by switch,
// window, OID or label and time, copied and exported as CSV; a write whose values before are known is
// undone by writing them back, through the same path, journaled as an undo of it.
class TChangeJournalForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    explicit TChangeJournalForm(QWidget* parent);
    ~TChangeJournalForm() override;

    QComboBox* cbxSwitch;
    QComboBox* cbxSource;
    QLineEdit* edtFind;
    QCheckBox* chkFrom;
    QDateTimeEdit* dtpFrom;
    QCheckBox* chkTo;
    QDateTimeEdit* dtpTo;
    QTreeView* LV_Journal;
    QPushButton* BT_Refresh;
    QPushButton* BT_Undo;
    QPushButton* BT_Export;
    QPushButton* BT_Close;
    QLabel* lblFolder;
    QStatusBar* StatusBar1;

    TvJournalModel* Model() const { return model_; }
    TvJournalFilter* Filter() const { return filter_; }
    TvSNMPRequest2Edits* UndoBinding() const { return undo_.get(); }

    // Reads the journal anew.
    void BT_RefreshClick();
    void BT_UndoClick();
    void BT_ExportClick();

    // The write of the selected line; null when none is selected.
    const TvJournalEntry* SelectedEntry() const;
    // Why `entry` cannot be undone here; empty when it can.
    static QString UndoRefusal(const TvJournalEntry& entry);
    // The question that names the write an undo of `entry` sends.
    static QString UndoQuestion(const TvJournalEntry& entry);

private:
    void UpdateActions() override;
    void FillChoices();
    void ApplyFilter();
    void SelectionChanged();

    TvJournalModel* model_;
    TvJournalFilter* filter_;
    std::unique_ptr<TvSNMPRequest2Edits> undo_;
    QString folder_;
};
