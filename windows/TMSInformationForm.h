#pragma once

#include "binding/TvDedicatedWindow.h"

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class TMSEditForm;
class TvSNMPRequest2Edits;

// "Member Switch Information Table": the member switches of single-IP management, with Add through the
// entry dialog and Delete (once confirmed) by the row status alone.
class TMSInformationForm : public TvDedicatedWindow {
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

private:
    void UpdateActions() override;
    void Read();
    void UpdateCount();
    bool IdListed(const QString& id) const;

    TMSEditForm* editForm_ = nullptr; // child
    std::unique_ptr<TvSNMPRequest2Edits> listing_;
};
