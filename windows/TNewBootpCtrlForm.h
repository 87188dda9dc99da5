#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;
class TBOOTCtrlTableForm;

// The entry dialog of the BOOTP relay table: a new server for an interface.
class TNewBootpCtrlForm : public QDialog {
    Q_OBJECT

public:
    explicit TNewBootpCtrlForm(TBOOTCtrlTableForm* table);

    QLineEdit* Edit1;       // Interface Name
    QLineEdit* Edit2;       // Bootp Server IP
    QPushButton* DeleteBtn; // "Set"
    QPushButton* BitBtn1;   // "Close"

    void DeleteBtnClick();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TBOOTCtrlTableForm* table_;
    bool activated_ = false;
};
