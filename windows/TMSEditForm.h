#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TvSNMPRequest2Edits;

// "MS Add": the entry dialog of the member switch table. The table window creates it once, tells it
// Add or Delete before use, and receives its reports in its own memo.
class TMSEditForm : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Add, Delete };
    // Whether the table window lists a row with this MS ID.
    using IdListed = std::function<bool(const QString& id)>;

    TMSEditForm(QWidget* owner, QPlainTextEdit* memo, IdListed idListed);
    ~TMSEditForm() override;

    Mode EditMode = Mode::Add;
    std::unique_ptr<TvSNMPRequest2Edits> Binding;
    // Whether the table window lets a write start now (it says why not); none: always.
    std::function<bool()> MayWrite;

    QLineEdit* MSIDEdit = nullptr;
    QLineEdit* KeyIDEdit = nullptr;
    QLineEdit* MS_Password = nullptr;
    QComboBox* Row_Status = nullptr;
    QPushButton* SetButton = nullptr;
    QPushButton* CloseButton = nullptr;

    // Chooses the row status the next write sends ("createAndGo", "destroy").
    void SelectRowStatus(const QString& text);
    // Writes the variables `items` (every writable one when empty) from the controls to the row `id`.
    // Errors go to the table window's memo.
    void WriteEntry(const QString& id, const std::vector<int>& items = {});
    void SetButtonClick();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool Refuse(const QString& message, QWidget* focus);

    IdListed idListed_;
};
