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

// The ACL meter table: the rate and the action of each meter, changed one selected row at a time. A
// selected row's Profile ID and Access ID cannot change.
class TACLMeterForm : public QDialog {
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

    void done(int result) override;

private:
    void Read();
    void EmptyFields();
    void ListView1Select(int row, bool selected);
    void ShowError(int operation, const std::string& message);

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
