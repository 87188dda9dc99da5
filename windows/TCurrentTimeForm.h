#pragma once

#include "binding/TvDedicatedWindow.h"

#include <QString>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TvSNMPRequest2Edits;

// The switch's clock: its capabilities, the current date and time (which the operator may set) and
// whether the clock is reset when the switch restarts.
class TCurrentTimeForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    explicit TCurrentTimeForm(QWidget* parent);
    ~TCurrentTimeForm() override;

    QLabel* tempText = nullptr; // hidden: Time Capacity as read
    QLineEdit* timecapacityEdit = nullptr;
    QLineEdit* currentclockEdit = nullptr;
    QComboBox* cbxReset = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* GetButton = nullptr;
    QPushButton* SetButton = nullptr;
    QPushButton* CloseButton = nullptr;

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }

    void GetButtonClick();
    void SetButtonClick();
    void CloseButtonClick();

    // The capability names of the first octet of a Time Capacity hex text: " " then "systemTime",
    // ",SNTP", ",SummerTime", ",realTimeClock" for the bits 0x80, 0x40, 0x20, 0x10.
    static QString DecodeCapacity(const QString& hex);

    // Shown for a clock text that is not a date and time.
    static constexpr const char* kBadClockMessage =
        "The Current Clock is not a valid date and time!\nExample: 2007-5-26,15:30:15.0";

private:
    void Read();
    void GetDone();

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
