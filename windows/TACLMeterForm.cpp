#include "windows/TACLMeterForm.h"
#include "guibase/TvFormRows.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/SecurityWindowTables.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "windows/TvBindingWait.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const bool TACLMeterFormRegistered =
    TvWindowRegistry::Register("TACLMeterForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TACLMeterForm form(host.HostWindow());
        if (const QString caption = host.EntryCaption(entry); !caption.isEmpty())
            form.setWindowTitle(caption);
        form.exec();
    });

} // namespace

TACLMeterForm::TACLMeterForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TACLMeterForm"));
    ListView1 = new QTreeView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ProfileIDEdit = new QLineEdit(this);
    ProfileIDEdit->setObjectName(QStringLiteral("ProfileIDEdit"));
    AccessIDEdit = new QLineEdit(this);
    AccessIDEdit->setObjectName(QStringLiteral("AccessIDEdit"));
    RateEdit = new QLineEdit(this);
    RateEdit->setObjectName(QStringLiteral("RateEdit"));
    CBox_Active = new QComboBox(this);
    CBox_Active->setObjectName(QStringLiteral("CBox_Active"));
    GetButton = new QPushButton(QStringLiteral("Refresh"), this);
    GetButton->setObjectName(QStringLiteral("GetButton"));
    EditButton = new QPushButton(QStringLiteral("Set"), this);
    EditButton->setObjectName(QStringLiteral("EditButton"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* form = new QFormLayout;
    AddLabelledRow(form, QStringLiteral("ACL Meter Profile ID"), ProfileIDEdit);
    AddLabelledRow(form, QStringLiteral("ACL Meter Access ID"), AccessIDEdit);
    AddLabelledRow(form, QStringLiteral("Meter Rate"), RateEdit);
    AddLabelledRow(form, QStringLiteral("Meter Action For Rate Exceed"), CBox_Active);
    auto* note1 =
        new QLabel(QStringLiteral("Note: \"Meter Rate = 0\" means \"to disable ACL Meter\"."), this);
    auto* note2 = new QLabel(
        QStringLiteral(
            " User must set the \" Meter Rate\" and \" Meter Active For Rate Exceed\" to active this entry."),
        this);
    note2->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(GetButton);
    buttons->addWidget(EditButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addLayout(form);
    layout->addWidget(note1);
    layout->addWidget(note2);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    QWidget* order[] = {ListView1, ProfileIDEdit, AccessIDEdit, RateEdit, CBox_Active, GetButton, EditButton};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    resize(640, 420);

    binding_ = std::make_unique<TvSNMPRequest2Edits>(this);
    binding_->Request.VarList = TvSNMPVarList(tblAclMeters, TvSNMPVarList::itTable, 2);
    binding_->Asynchronous = false;
    binding_->BindListView(ListView1, false);
    ListView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    binding_->BindEdits(aclProfileId, QStringLiteral("%i{n1x255l3a}"), ProfileIDEdit);
    binding_->BindEdits(aclAccessId, QStringLiteral("%i{n1x65535l5a}"), AccessIDEdit);
    binding_->BindEdits(aclMeterRate, QStringLiteral("%i{n0x999936l6a}"), RateEdit);
    binding_->BindComboBox(aclMeterAction, CBox_Active);
    binding_->SetStatusTarget(StatusBar1);
    binding_->ListViewSelectHandler = [this](QTreeView*, int row, bool selected) {
        ListView1Select(row, selected);
    };

    connect(GetButton, &QPushButton::clicked, this, &TACLMeterForm::GetButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TACLMeterForm::EditButtonClick);

    EmptyFields();
    EditButton->setEnabled(false);
    Read();
}

TACLMeterForm::~TACLMeterForm() = default;

void TACLMeterForm::ShowError(int operation, const std::string& message) {
    binding_->LastOperation = static_cast<TvSNMPRequest2Controls::Operation>(operation);
    binding_->ShowStatus(message);
}

void TACLMeterForm::EmptyFields() {
    ProfileIDEdit->clear();
    AccessIDEdit->clear();
    RateEdit->clear();
    CBox_Active->setCurrentIndex(-1);
}

void TACLMeterForm::Read() {
    if (!binding_)
        return;
    WaitUntilIdle(*binding_);
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        ShowError(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TACLMeterForm::ListView1Select(int /*row*/, bool selected) {
    EditButton->setEnabled(selected);
    ProfileIDEdit->setEnabled(!selected);
    AccessIDEdit->setEnabled(!selected);
    if (!selected)
        EmptyFields();
}

void TACLMeterForm::GetButtonClick() {
    Read();
    EmptyFields();
    EditButton->setEnabled(false);
    // The list is read anew without a selection: the IDs are free again.
    ProfileIDEdit->setEnabled(true);
    AccessIDEdit->setEnabled(true);
}

void TACLMeterForm::EditButtonClick() {
    const int row = binding_ ? binding_->SelectedRow() : -1;
    if (row < 0)
        return;
    // An empty rate would be written as 0, which turns the meter off.
    if (RateEdit->text().isEmpty() || CBox_Active->currentIndex() < 0) {
        TvMessageBox::Warning(this, QStringLiteral("Some items are empty."));
        (RateEdit->text().isEmpty() ? static_cast<QWidget*>(RateEdit) : CBox_Active)->setFocus();
        return;
    }
    WaitUntilIdle(*binding_);
    try {
        // The row is the selected one: its IDs come from the list, only the rate and action from the
        // fields.
        binding_->ControlsToValues();
        TvSNMPVarList& list = binding_->Request.VarList;
        for (int key : {aclProfileId, aclAccessId})
            list.Item(key).Value = ToBytes(binding_->ListModel()->Cell(row, key));
        binding_->Set(false, false);
    } catch (const std::exception& e) {
        ShowError(TvSNMPRequest2Controls::opSet, e.what());
        return;
    }
    GetButtonClick();
}

void TACLMeterForm::done(int result) {
    binding_.reset();
    QDialog::done(result);
}
