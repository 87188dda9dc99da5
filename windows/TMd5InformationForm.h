#pragma once

#include "binding/TvDedicatedWindow.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QTreeView;
class TMd5EditForm;
class TvSNMPRequest2Edits;

// The routing MD5 key table: lists the keys and adds, changes or deletes them through its entry dialog.
class TMd5InformationForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    // `address` is the device address shown in the entry dialog's title.
    TMd5InformationForm(QWidget* parent, const QString& address);
    ~TMd5InformationForm() override;

    QTreeView* ListView1;
    QPlainTextEdit* Memo1;
    QPushButton* GetButton;
    QPushButton* AddButton;
    QPushButton* EditButton;
    QPushButton* DeleteButton;

    TMd5EditForm* EditForm() const { return editForm_; }
    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }
    // Key IDs of the rows listed.
    std::vector<std::string> ListedKeyIds() const;

    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();

private:
    void UpdateActions() override;
    void Closing() override;
    void Read();
    void ListView1Select(int row, bool selected);
    // Forgets every key the window holds: the listed rows and the binding's values.
    void ClearSecrets();

    QString address_;
    TMd5EditForm* editForm_ = nullptr; // child; freed when the window closes
    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
