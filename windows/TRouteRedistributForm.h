#pragma once

#include "binding/TvDedicatedWindow.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeView;
class TvSNMPRequest2Edits;

// Which routes one protocol hands to another, of what type and with what metric; rows are created,
// changed and removed through their row status.
class TRouteRedistributForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    TRouteRedistributForm(QWidget* parent, const std::string& agentIP);
    ~TRouteRedistributForm() override;

    QTreeView* ListView1;
    QComboBox* ComboBox1;  // Source Protocol
    QComboBox* ComboBox2;  // Destination Protocol
    QComboBox* ComboBox3;  // Type, hidden: the radio buttons drive it
    QComboBox* StComboBox; // RowStatus, hidden
    QLineEdit* Edit1;      // Metric
    QLabel* Label5;        // the metric's range
    QGroupBox* TypeGroup;
    QButtonGroup* TypeButtons;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;
    QRadioButton* RadioButton9;
    QRadioButton* RadioButton10;
    QPlainTextEdit* Memo1;
    QPushButton* RefreshBtn;
    QPushButton* EditBtn;
    QPushButton* AddBtn;
    QPushButton* DeleteBtn;
    QPushButton* CloseBtn;

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }

    void ListView1Click();
    void ComboBox1Change();
    void EditBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void RefreshBtnClick();
    void CloseBtnClick();

private:
    void UpdateActions() override;
    std::array<QRadioButton*, 10> Radios() const;
    void RadioTicked(int button);
    bool MetricAccepted();
    // Writes the row the protocol combos name with `rowStatus`, and the columns of the type and metric.
    void Write(const char* rowStatus);
    void Read();

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
