#include "windows/TACLMeterForm.h"
#include "guibase/TvFormRows.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/SecurityWindowTables.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

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
        TvDedicatedWindow::Open<TACLMeterForm>(host, entry);
    });

} // namespace

TACLMeterForm::TACLMeterForm(QWidget* parent) : TvDedicatedWindow(parent, "TACLMeterForm") {
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
    auto* note1 = TvPlainText::NewLabel(
        QStringLiteral("Note: \"Meter Rate = 0\" means \"to disable ACL Meter\"."), this);
    auto* note2 = TvPlainText::NewLabel(
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
    // The write is read back: the list shows what the switch took, without a selection.
    binding_->OnSetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) {
        if (reply.Code == 0)
            Unselected();
    };
    Watch(*binding_);
    GateWhileBusy({GetButton, EditButton});

    connect(GetButton, &QPushButton::clicked, this, &TACLMeterForm::GetButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TACLMeterForm::EditButtonClick);

    EmptyFields();
    EditButton->setEnabled(false);
    Read();
}

TACLMeterForm::~TACLMeterForm() = default;

void TACLMeterForm::EmptyFields() {
    ProfileIDEdit->clear();
    AccessIDEdit->clear();
    RateEdit->clear();
    CBox_Active->setCurrentIndex(-1);
}

void TACLMeterForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
    Unselected();
}

void TACLMeterForm::Unselected() {
    EmptyFields();
    EditButton->setEnabled(false);
    // The list is read anew without a selection: the IDs are free again.
    ProfileIDEdit->setEnabled(true);
    AccessIDEdit->setEnabled(true);
}

void TACLMeterForm::UpdateActions() {
    EditButton->setEnabled(binding_->SelectedRow() >= 0);
}

void TACLMeterForm::ListView1Select(int /*row*/, bool selected) {
    EditButton->setEnabled(selected && !Waiting());
    ProfileIDEdit->setEnabled(!selected);
    AccessIDEdit->setEnabled(!selected);
    if (!selected)
        EmptyFields();
}

void TACLMeterForm::GetButtonClick() {
    Read();
}

void TACLMeterForm::EditButtonClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    const int row = binding_->SelectedRow();
    if (row < 0)
        return;
    // An empty rate would be written as 0, which turns the meter off.
    if (RateEdit->text().isEmpty() || CBox_Active->currentIndex() < 0) {
        TvMessageBox::Warning(this, QStringLiteral("Some items are empty."));
        (RateEdit->text().isEmpty() ? static_cast<QWidget*>(RateEdit) : CBox_Active)->setFocus();
        return;
    }
    try {
        // The row is the selected one: its IDs come from the list, only the rate and action from the
        // fields.
        binding_->ControlsToValues();
        TvSNMPVarList& list = binding_->Request.VarList;
        for (int key : {aclProfileId, aclAccessId})
            list.Item(key).Value = ToBytes(binding_->ListModel()->Cell(row, key));
        binding_->Set(true, false, {aclMeterRate, aclMeterAction});
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
}
