#pragma once

#include "binding/TvDedicatedWindow.h"

#include <array>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TvSNMPRequest2Edits;

// Whether and how the switch's OSPF originates a default route: four values, each written only when its
// row is ticked.
class TOSPFDefaultInfoOriginateForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    TOSPFDefaultInfoOriginateForm(QWidget* parent, const std::string& agentIP);
    ~TOSPFDefaultInfoOriginateForm() override;

    QComboBox* CBoxState;
    QComboBox* CBoxAlways;
    QComboBox* CBoxMettype;
    QLineEdit* MetricEdit;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QPushButton* GetButton;
    QPushButton* SetButton;
    QPushButton* CloseButton;
    QStatusBar* StatusBar1;

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }

    void GetButtonClick();
    void SetButtonClick();
    void CloseButtonClick();
    void CBoxStateChange();

private:
    void Read();
    void SetDependentsEnabled(bool enabled);
    std::array<QCheckBox*, 4> Checks() const { return {CheckBox1, CheckBox2, CheckBox3, CheckBox4}; }

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
