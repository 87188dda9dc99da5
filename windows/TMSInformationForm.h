#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class TMSEditForm;
class TvSNMPRequest2Edits;

// "Member Switch Information Table": the member switches of single-IP management, with Add through the
// entry dialog and Delete by the row status alone.
class TMSInformationForm : public QDialog {
    Q_OBJECT

public:
    explicit TMSInformationForm(QWidget* owner);
    ~TMSInformationForm() override;

    QTreeView* ListView1 = nullptr;
    QLabel* StaticText1 = nullptr; // the number of rows listed
    QPushButton* GetButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    TMSEditForm* EditForm() const { return editForm_; }
    TvSNMPRequest2Edits* Listing() const { return listing_.get(); }

    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    void done(int result) override;

private:
    void Read();
    void UpdateCount();
    bool IdListed(const QString& id) const;
    void Release();

    TMSEditForm* editForm_ = nullptr; // child
    std::unique_ptr<TvSNMPRequest2Edits> listing_;
    bool readAgain_ = false; // a read was asked for while one was running
};
