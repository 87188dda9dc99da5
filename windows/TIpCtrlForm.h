#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QPushButton;
class QStatusBar;
class QTreeView;
class TIPCtrlEdtForm;
class TvSNMPRequest2Edits;
class TvStatusPanel;

// The switch's IP interfaces: one line per interface, added and changed in the entry dialog and removed
// through the row's admin state, with the consistency rules of interfaces and their VLANs.
class TIpCtrlForm : public QDialog {
    Q_OBJECT

public:
    TIpCtrlForm(QWidget* parent, const std::string& agentIP);
    ~TIpCtrlForm() override;

    QTreeView* ListView1;
    QPushButton* btnRefresh;
    QPushButton* btnAdd;
    QPushButton* btnEdit;
    QPushButton* btnDel;
    QPushButton* btnStop;
    QPushButton* btnClose;
    QStatusBar* stbResult;
    TvStatusPanel* StatusPanel0;
    TIPCtrlEdtForm* EntryForm; // owned through the parent

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }
    const std::string& AgentIP() const { return agentIP_; }

    // A cell of the list: `row` counts lines, `item` is one of IpCtrlItem.
    std::string Cell(int row, int item) const;
    int RowCount() const;

    // Ends a running walk and waits for it, so that a write's reply is not taken for a row.
    void StopWalk();
    // Saves the access codes, then leaves out of the next write every item not in `written`.
    void ExcludeAllBut(const std::vector<int>& written);
    void RestoreAccess();
    void ShowError(const std::string& text);

    void btnRefreshClick();
    void btnAddClick();
    void btnEditClick();
    void btnDelClick();
    void btnStopClick();
    void btnCloseClick();
    void ListView1SelectItem();

protected:
    void done(int result) override;

private:
    void Read();
    void GetDone(const std::string& message);

    std::string agentIP_;
    std::unique_ptr<TvSNMPRequest2Edits> binding_;
    std::vector<int> savedAccess_;
};
