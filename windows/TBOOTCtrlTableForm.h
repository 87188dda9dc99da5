#pragma once

#include "binding/TvDedicatedWindow.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class TNewBootpCtrlForm;
class TvSNMPRequest2Edits;

// The BOOTP relay servers of the switch's interfaces: at most four per interface, added in the entry
// dialog and removed through the row's entry status.
class TBOOTCtrlTableForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    TBOOTCtrlTableForm(QWidget* parent, const std::string& agentIP);
    ~TBOOTCtrlTableForm() override;

    QTreeView* ListView1;
    QPlainTextEdit* Memo1;
    QComboBox* ComboBox1; // State, hidden
    QPushButton* RefreshBtn;
    QPushButton* AddBtn;
    QPushButton* DeleteBtn;
    QPushButton* CloseBtn;
    TNewBootpCtrlForm* EntryForm; // owned through the parent

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }
    int RowCount() const;
    std::string Cell(int row, int item) const;
    // The names of the switch's IP interfaces, read beside the table; nothing when that read failed.
    std::optional<std::vector<std::string>> InterfaceNames() const;
    // Writes the row of `interfaceName` and `server` with the entry status `state`, then walks again.
    // Errors end in the memo; false, with a line there, while another exchange is in flight.
    bool WriteRow(const std::string& interfaceName, const std::string& server, const char* state);

    void RefreshBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void CloseBtnClick();

private:
    void Read();

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
    std::unique_ptr<TvSNMPRequest2Edits> interfaces_; // the IP interface table, into a hidden list
    bool interfacesRead_ = false;
};
