#include "windows/TMSEditForm.h"
#include "guibase/TvFormRows.h"

#include "binding/TvOptionControls.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvMemberSwitchData.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kIdFormat = "%i{n1x32l2a}";

} // namespace

TMSEditForm::TMSEditForm(QWidget* owner, QPlainTextEdit* memo, IdListed idListed)
    : QDialog(owner), idListed_(std::move(idListed)) {
    setObjectName("MSEditForm");
    setWindowTitle("MS Add");

    MSIDEdit = new QLineEdit(this);
    MSIDEdit->setObjectName("MSIDEdit");
    KeyIDEdit = new QLineEdit(this);
    KeyIDEdit->setObjectName("KeyIDEdit");
    MS_Password = new QLineEdit(this);
    MS_Password->setObjectName("MS_Password");
    MS_Password->setEchoMode(QLineEdit::Password);
    Row_Status = new QComboBox(this);
    Row_Status->setObjectName("Row_Status");
    SetButton = new QPushButton("Set", this);
    SetButton->setObjectName("SetButton");
    SetButton->setDefault(true);
    CloseButton = new QPushButton("Close", this);
    CloseButton->setObjectName("CloseButton");

    auto* form = new QFormLayout;
    AddLabelledRow(form, "Member Switch &ID", MSIDEdit);
    AddLabelledRow(form, "Member &Candidate ID", KeyIDEdit);
    AddLabelledRow(form, "Member &Password", MS_Password);
    AddLabelledRow(form, "Member &Row Status", Row_Status);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SetButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setTabOrder(MSIDEdit, KeyIDEdit);
    setTabOrder(KeyIDEdit, MS_Password);
    setTabOrder(MS_Password, Row_Status);
    setTabOrder(Row_Status, SetButton);
    setTabOrder(SetButton, CloseButton);

    Binding = std::make_unique<TvSNMPRequest2Edits>(this);
    Binding->Request.VarList.Assign(TvSNMPVarList(kMemberSwitchEntry, TvSNMPVarList::itInstance, 1));
    Binding->BindEdits(msID, kIdFormat, MSIDEdit);
    Binding->BindEdits(msCandidate, kIdFormat, KeyIDEdit);
    Binding->BindEdits(msPassword, "%s", MS_Password);
    Binding->BindComboBox(msRowStatus, Row_Status);
    Binding->SetStatusTarget(memo);
    // The table window chooses the row status; the operator never does.
    Row_Status->setEnabled(false);

    connect(SetButton, &QPushButton::clicked, this, &TMSEditForm::SetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

TMSEditForm::~TMSEditForm() = default;

void TMSEditForm::SelectRowStatus(const QString& text) {
    SelectOption(*Binding->Request.VarList.Item(msRowStatus).Options, Row_Status, text);
}

void TMSEditForm::showEvent(QShowEvent* event) {
    if (EditMode == Mode::Delete) {
        KeyIDEdit->setEnabled(false);
    } else {
        KeyIDEdit->setEnabled(true);
        // The row status stays the "createAndGo" the table window chose: the combo cannot be changed.
        MSIDEdit->clear();
        KeyIDEdit->clear();
    }
    QDialog::showEvent(event);
}

bool TMSEditForm::Refuse(const QString& message, QWidget* focus) {
    TvMessageBox::Information(this, message);
    if (focus)
        focus->setFocus();
    return false;
}

void TMSEditForm::SetButtonClick() {
    if (EditMode == Mode::Add) {
        if (idListed_ && !MSIDEdit->text().isEmpty() && idListed_(MSIDEdit->text())) {
            TvMessageBox::Warning(
                this, "There is already a record with the same Member Siwitch ID. Please modified it.");
            return;
        }
        if (MSIDEdit->text().isEmpty()) {
            Refuse("Member Siwitch ID is needed.", MSIDEdit);
            return;
        }
        if (KeyIDEdit->text().isEmpty()) {
            Refuse("Member Candidate ID is needed.", KeyIDEdit);
            return;
        }
        if (Row_Status->currentText() != "createAndGo") {
            Refuse("Member Row State must be createAndGo.", Row_Status);
            return;
        }
    }
    WriteEntry(MSIDEdit->text());
    accept();
}

void TMSEditForm::WriteEntry(const QString& id, const std::vector<int>& items) {
    if ((MayWrite && !MayWrite()) || Binding->Busy)
        return;
    Binding->Request.VarList.Instance = ToBytes(id.trimmed());
    try {
        Binding->Set(false, true, items);
    } catch (const std::exception& e) {
        Binding->ShowStatus(TvSNMPRequest2Controls::opSet, e.what());
    }
}

void TMSEditForm::done(int result) {
    MS_Password->clear(); // the member password does not stay in the dialog
    QDialog::done(result);
}
