#pragma once

#include "binding/TvDedicatedWindow.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeView;
class TvSNMPRequest2Edits;

// The ACL meter table: the rate and the action of each meter, changed one selected row at a time. A
// selected row's Profile ID and Access ID cannot change.
class TACLMeterForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    explicit TACLMeterForm(QWidget* parent);
    ~TACLMeterForm() override;

    QTreeView* ListView1;
    QLineEdit* ProfileIDEdit;
    QLineEdit* AccessIDEdit;
    QLineEdit* RateEdit;
    QComboBox* CBox_Active;
    QPushButton* GetButton;
    QPushButton* EditButton;
    QStatusBar* StatusBar1;

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }

    void GetButtonClick();
    void EditButtonClick();

private:
    void UpdateActions() override;
    // Reads the list anew, without a selection.
    void Read();
    // The fields of a list read anew: empty, the IDs free, nothing to set.
    void Unselected();
    void EmptyFields();
    void ListView1Select(int row, bool selected);

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
