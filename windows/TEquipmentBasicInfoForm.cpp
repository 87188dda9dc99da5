#include "windows/TEquipmentBasicInfoForm.h"
#include "guibase/TvFormRows.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvEquipmentData.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const bool TEquipmentBasicInfoFormRegistered =
    TvWindowRegistry::Register("TEquipmentBasicInfoForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TEquipmentBasicInfoForm>(host, entry, host.Connection().AgentIP);
    });

QLineEdit* NewEdit(QWidget* parent, const char* name, bool readOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    return edit;
}

} // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner, const std::string& address)
    : TvDedicatedWindow(owner, "EquipmentBasicInfoForm") {
    setWindowTitle("Equipment Basic Information :" + FromBytes(address));

    Edit1 = NewEdit(this, "Edit1", false);
    Edit1->setText("Redundant Power and Stacking");
    Edit4 = NewEdit(this, "Edit4", true);
    Edit2 = NewEdit(this, "Edit2", true);
    Edit3 = NewEdit(this, "Edit3", true);
    BitBtn1 = new QPushButton("Refresh", this);
    BitBtn1->setObjectName("BitBtn1");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setMaximumHeight(70);

    auto* form = new QFormLayout;
    AddLabelledRow(form, "Equipment &Capacity", Edit1);
    AddLabelledRow(form, "&Stacking Version", Edit4);
    AddLabelledRow(form, "&Max Supported Units", Edit2);
    AddLabelledRow(form, "&Number Of Unit", Edit3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(Memo1);
    setTabOrder(Edit1, Edit4);
    setTabOrder(Edit4, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, BitBtn1);
    resize(420, height());

    binding_ = std::make_unique<TvSNMPRequest2Edits>(this);
    binding_->Asynchronous = true;
    binding_->Request.VarList.Assign(TvSNMPVarList(kEquipmentBasicInfo, TvSNMPVarList::itScalars, 0));
    binding_->BindEdits(0, "%s", Edit1);
    binding_->BindEdits(1, "%i", Edit4);
    binding_->BindEdits(2, "%i", Edit2);
    binding_->BindEdits(3, "%i", Edit3);
    binding_->SetStatusTarget(Memo1);
    Watch(*binding_);
    GateWhileBusy({BitBtn1});
    connect(BitBtn1, &QPushButton::clicked, this, &TEquipmentBasicInfoForm::BitBtn1Click);
    BitBtn1Click();
}

TEquipmentBasicInfoForm::~TEquipmentBasicInfoForm() = default;

void TEquipmentBasicInfoForm::BitBtn1Click() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}
