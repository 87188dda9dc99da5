#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QLineEdit;
class QTreeView;
class TCtrlBtnPanel;
class TvSNMPRequest2Edits;

// The list view of a table panel, one line per table row, with the row-status settings that decide
// whether rows can be added and deleted. Columns follow their contents until the operator sizes one;
// a header click sorts; Ctrl+F opens a filter that narrows the lines as the operator types.
class TListViewPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int MaxWidth = 450;
    static constexpr int PanelHeight = 350;

    TListViewPanel(QWidget* owner, TvSNMPRequest2Edits* binding);

    // Chooses the buttons of a table panel and arranges them.
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    // Sizes every column to its caption and the lines read so far, unless the operator has sized one.
    void FitColumns();
    bool OperatorSizedColumns() const { return operatorSized_; }
    // Shows the filter field and puts the cursor in it; Escape there clears and hides it.
    void OpenFilter();
    void CloseFilter();

    // Called after the columns were fitted with the width they need in all.
    std::function<void(int neededWidth)> ColumnsFitted;

    QTreeView* ListView = nullptr;
    QLineEdit* FilterEdit = nullptr;
    int DeleteStatusIndex = -1;
    int AddStatusIndex = -1;
    QString AddStatusValue;
    QString DeleteStatusValue;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ScheduleFit();
    // Takes the widths of the texts of lines `first` to `last` into the widest of each column.
    void Measure(int first, int last);

    bool fitting_ = false;
    bool fitPending_ = false;
    bool operatorSized_ = false;
    std::vector<int> widest_; // widest text of each column so far
};
