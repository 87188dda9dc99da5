#pragma once

#include <QDialog>

#include <memory>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeView;
class TvSNMPRequest2Edits;

// Access-control server groups: adds a server to a group or removes it by writing one row. The
// memberships are listed above the fields; selecting one copies it into the fields.
class TfrmACCServerCtrl : public QDialog {
    Q_OBJECT

public:
    explicit TfrmACCServerCtrl(QWidget* parent);
    ~TfrmACCServerCtrl() override;

    QTreeView* ListView1; // read-only list of the memberships
    QLineEdit* edtGroupName;
    QLineEdit* edtIPAddr;
    QComboBox* cbAuthProtocol;
    QComboBox* cbRowState;
    QPushButton* Button1;
    QPushButton* Button2;
    QStatusBar* StatusBar1;

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }

    void Button1Click();
    void Button2Click();

    void done(int result) override;

private:
    void EmptyFields();
    void ShowError(int operation, const std::string& message);

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
