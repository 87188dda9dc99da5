#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class TIpCtrlForm;

// The entry dialog of the IP interface table: a new interface (Add) or the changeable states of the
// selected one (Edit). The table window owns it and binds its controls.
class TIPCtrlEdtForm : public QDialog {
    Q_OBJECT

public:
    enum Mode { mdAdd, mdEdit };

    explicit TIPCtrlEdtForm(TIpCtrlForm* table);

    QLineEdit* edtIPAddr;
    QLineEdit* edtIndex;
    QLineEdit* edtInterface;
    QLineEdit* edtMask;
    QLineEdit* edtVlan;
    QComboBox* cbxMode;
    QComboBox* cbxSecondary;
    QComboBox* cbxState;
    QComboBox* cbxOper;
    QComboBox* cbxARP;
    QPushButton* btnSet;
    QPushButton* btnClose;

    void SetMode(Mode mode) { mode_ = mode; }
    Mode GetMode() const { return mode_; }

    // The first check of an Add that the typed values fail, as its message; nothing when all pass.
    std::optional<QString> AddRefusal() const;

    void btnSetClick();
    void btnCloseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    std::optional<QString> StateRefusal() const;
    // Sends the dialog's values; false when the table refused to start the write.
    bool Write(bool add);

    TIpCtrlForm* table_;
    Mode mode_ = mdAdd;
};
