#pragma once

#include "binding/TvDedicatedWindow.h"

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
class TIpCtrlForm : public TvDedicatedWindow {
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

    // Writes the entry dialog's values of `items` (IpCtrlItem) to the row they name, then reads the
    // table again. False, with a status line, while another exchange is in flight.
    bool WriteEntry(const std::vector<int>& items);

    void btnRefreshClick();
    void btnAddClick();
    void btnEditClick();
    void btnDelClick();
    void btnStopClick();
    void btnCloseClick();
    void ListView1SelectItem();

private:
    void UpdateActions() override;
    void Read();
    void GetDone();

    std::string agentIP_;
    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
