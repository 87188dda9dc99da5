#pragma once

#include "binding/TvDedicatedWindow.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeView;
class TvSNMPRequest2Edits;

// Access-control server groups: adds a server to a group or removes it by writing one row. The
// memberships are listed above the fields; selecting one copies it into the fields.
class TfrmACCServerCtrl : public TvDedicatedWindow {
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

private:
    void EmptyFields();
    void Read();

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
    bool readingBack_ = false; // the read in flight follows a write the switch took
};
