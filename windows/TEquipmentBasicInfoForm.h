#pragma once

#include "binding/TvDedicatedWindow.h"

#include <memory>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TvSNMPRequest2Edits;

// "Equipment Basic Information": capacity and stacking figures of the switch, read only.
class TEquipmentBasicInfoForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    TEquipmentBasicInfoForm(QWidget* owner, const std::string& address);
    ~TEquipmentBasicInfoForm() override;

    QLineEdit* Edit1 = nullptr; // Equipment Capacity
    QLineEdit* Edit4 = nullptr; // Stacking Version
    QLineEdit* Edit2 = nullptr; // Max Supported Units
    QLineEdit* Edit3 = nullptr; // Number Of Unit
    QPushButton* BitBtn1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }

    void BitBtn1Click();

private:
    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
