#pragma once

#include "binding/TvDedicatedWindow.h"
#include "snapshot/TvSnapshot.h"
#include "snapshot/TvSnapshotDiff.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QStatusBar;
class QTreeView;
class TvSNMPRequest2Edits;
class TvSnapshotTaker;

// Snapshots of the whole switch: saves one to a file, compares a saved one with the switch now (and writes
// back ticked values that drifted), or compares two saved ones. Reading the switch shows how many tables
// and groups are done of all, and Cancel stops at once without writing anything.
class TSnapshotForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    enum Mode { mdSave, mdCompareLive, mdCompareFiles };

    TSnapshotForm(QWidget* parent, Mode mode);
    ~TSnapshotForm() override;

    // Asks for a file name (`save`: one to write); an empty answer cancels. Tests answer instead of the
    // file dialog; an empty hook brings the dialog back.
    using FileNameHook = std::function<QString(QWidget* parent, const QString& title, bool save)>;
    static void SetFileNameHook(FileNameHook hook);

    QLabel* lblSource;
    QProgressBar* pbProgress;
    QPushButton* BT_Cancel;
    QLineEdit* edtFilter;
    QCheckBox* chkLive;
    QTreeView* LV_Differences;
    QPushButton* BT_TickAll;
    QPushButton* BT_TickNone;
    QPushButton* BT_Restore;
    QPushButton* BT_Export;
    QPushButton* BT_Close;
    QStatusBar* StatusBar1;

    // Asks for the files the mode needs and starts; false when the operator gave none or a file could not
    // be read (the window then closes).
    bool Begin();
    void BT_CancelClick();
    void BT_RestoreClick();
    void BT_ExportClick();

    bool Taking() const;
    const TvSnapshotComparison& Comparison() const { return comparison_; }
    // Ticks (or clears) the difference at `index` of Comparison() where it can be written back.
    void SetTicked(int index, bool ticked);
    std::vector<int> Ticked() const;
    TvSNMPRequest2Edits* RestoreBinding() const { return restore_.get(); }

private:
    void StartTaking();
    void Progress(int done, int total);
    void Taken(TvSnapshot& snapshot);
    void ShowComparison();
    void Tick(bool all);
    void RestoreWritten();
    void RestoreRead();
    void UpdateActions() override;
    void Closing() override;
    QString AskFile(const QString& title, bool save);

    Mode mode_;
    std::unique_ptr<TvSnapshotTaker> taker_;
    QString savePath_;
    TvSnapshot before_;
    TvSnapshot after_;
    TvSnapshotComparison comparison_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* filter_;
    std::unique_ptr<TvSNMPRequest2Edits> restore_;
    std::vector<TvSnapshotDifference> writing_; // the differences of the write in flight
};
