#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class TCtrlBtnPanel;
class TvSNMPRequest2Edits;

// One labelled editor row: check box, label and value control of one item.
struct EditRow {
    enum Kind { rkEnd = 0, rkReadOnly = 1, rkEdit = 2, rkList = 3, rkOptionText = 4 };
    int RowKind = rkEnd;
    QString Format = "%s";
    QWidget* Value = nullptr; // QLineEdit or QComboBox
    QCheckBox* Check = nullptr;
    QLabel* Label = nullptr;
    int Columns = 0; // bit-map settings of SetOctetItem; 0 = none
    int Bits = 0;
    bool Writable = false; // current look
    bool Changed = false;  // the operator changed the value and it has not been sent
    bool Secret = false;   // a key, a password or a community: its edit echoes dots until revealed

    QLineEdit* Edit() const;
    QComboBox* Combo() const;
};

// The rows of a scalar group (or of one table row in the Add and Edit dialogs), one per item, in a
// scroll box. Ticked rows are the ones a write sends.
class TEditsPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int DefaultValueWidth = 121;

    TEditsPanel(QWidget* owner, TvSNMPRequest2Edits* binding);
    ~TEditsPanel() override;

    bool MulticastRangeMode = false;

    // Chooses the buttons of a scalar editor; the check boxes then drive that column's Set button.
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    void ApplyRowStates(bool defaultCheck);
    void MakeRowReadOnly(int row);
    void MakeRowWritable(int row);
    void SetValueWidth(int width);
    void ArrangeRows(bool resize);
    void SetOctetItem(int row, int columns, int bits);
    void HideRow(int row);
    void ShowRow(int row);
    void CheckRow(int row);
    void UncheckRow(int row);
    void ClearRow(int row);
    void ClearRows();
    void SetRowValue(int row, const QString& text);
    // Rebinds the row's edit with a constrained field format.
    void SetVarFormat(int row, const QString& format);

    // Whether a row holds a secret. Secret rows echo dots (and the list view of the binding masks their
    // columns) until SetSecretsShown(true); every "Show secrets" box of the panels that arranged this one's
    // buttons follows.
    bool HasSecrets() const;
    bool SecretsShown() const { return secretsShown_; }
    void SetSecretsShown(bool shown);

    // The check-box buttons of the column last arranged. Check All leaves out the rows that reset,
    // restart or erase the switch: those are ticked one by one.
    void CheckAll();
    void ClearChecks();
    // Sends the ticked rows with a blocking write. False when a check refused the input or the operator
    // declined a reset (nothing was sent); true once the write has gone out, whatever the device
    // answered.
    bool WriteChecked();

    // Labels of the rows the operator changed and has not sent, in row order.
    QStringList UnsentEdits() const;
    // A read is about to replace the values: the changes are given up.
    void ForgetEdits();
    // Whether a write of the row resets, restarts or erases the switch (the catalog marks those).
    bool IsDisruptiveRow(int row) const;
    // The rule the text of the row's edit breaks for the item's syntax, as a message naming the
    // field, or empty when it fits.
    QString BrokenValue(int row) const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const EditRow& Row(int row) const { return rows_.at(static_cast<size_t>(row)); }
    bool IsRowTicked(int row) const;
    bool AnyVisibleTicked() const;
    // Every row is read-only or a key.
    bool AllRowsReadOnly() const;
    int ValueWidth() const { return valueWidth_; }
    TvSNMPRequest2Edits* Binding() const { return binding_; }
    void ReleaseBinding() { binding_ = nullptr; }

    // The bit-map dialog of an octet row (opened by a click or a key in the row's edit). A read of the
    // group still running is let finish first, so its reply never lands in the dialog's boxes.
    void OpenBitmapDialog(int row);
    // The bit-map dialog is open: the window keeps the binding alive meanwhile.
    bool InHandler() const { return inHandler_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CheckBoxClick(int row);
    void UpdateSetButton();
    bool RowEmpty(int row) const;
    bool CheckMulticastEntry();
    bool CheckConstraints();
    bool CheckValues();
    bool ConfirmDisruptive();
    QStringList EmptyRows() const;
    void ChainTabOrder();
    void ValueLeft(int row);
    bool ValidRow(int row, const char* operation) const;

    std::vector<EditRow> rows_;
    int valueWidth_ = DefaultValueWidth;
    QColor readOnlyText_ = Qt::black;
    QColor readOnlyBackground_;
    TvSNMPRequest2Edits* binding_;
    bool defaultCheck_ = false;
    bool inHandler_ = false;
    bool checkingValue_ = false; // a refused value's message box is open
    QScrollArea* scrollBox_ = nullptr;
    QWidget* rowsHost_ = nullptr;
    QPointer<TCtrlBtnPanel> buttons_;
    bool secretsShown_ = false;
    std::vector<QPointer<QCheckBox>> secretToggles_;
};

// Multicast address text: four pieces below 256 (empty pieces ignored), the first from 224 to 239.
bool IsMulticastAddress(const QString& text);
