#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class TvSNMPRequest2Edits;

// Entry dialog of the MD5 key table: adds a key or changes one. The table window creates it once,
// binds its three fields and tells it its mode before each showing.
class TMd5EditForm : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Edit, Add };
    using KeyIdSource = std::function<std::vector<std::string>()>;

    explicit TMd5EditForm(QWidget* parent);
    ~TMd5EditForm() override;

    // The table window's binding (not owned), the Key IDs it lists, and the device address for the title.
    void Attach(TvSNMPRequest2Edits* binding, KeyIdSource listedKeyIds, const QString& address);
    void SetMode(Mode mode) { mode_ = mode; }
    Mode DialogMode() const { return mode_; }

    QLineEdit* KeyIDEdit;
    QLineEdit* KeyEdit;
    QComboBox* ComboBox1;
    QPushButton* SetButton;
    QPushButton* CloseButton;

    void SetButtonClick();
    void CloseButtonClick();
    // Empties the key field and the key the binding holds.
    void ClearSecrets();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormActivate();

    Mode mode_ = Mode::Edit;
    TvSNMPRequest2Edits* binding_ = nullptr;
    KeyIdSource listedKeyIds_;
    QString address_;
};
