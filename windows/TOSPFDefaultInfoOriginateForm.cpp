#include "windows/TOSPFDefaultInfoOriginateForm.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogIPWindows.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "values/TvValueText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <exception>
#include <vector>

namespace {

const char* const kMetricFormat = "%i{n0x16777214l8}";

const bool TOSPFDefaultInfoOriginateFormRegistered = TvWindowRegistry::Register(
    "TOSPFDefaultInfoOriginateForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TOSPFDefaultInfoOriginateForm>(host, entry, host.Connection().AgentIP);
    });

} // namespace

TOSPFDefaultInfoOriginateForm::TOSPFDefaultInfoOriginateForm(QWidget* parent, const std::string& agentIP)
    : TvDedicatedWindow(parent, "TOSPFDefaultInfoOriginateForm"),
      binding_(std::make_unique<TvSNMPRequest2Edits>(this)) {
    setWindowTitle("OSPF Default Information Originate: " + FromBytes(agentIP));

    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(name);
        return w;
    };
    CBoxState = static_cast<QComboBox*>(named(new QComboBox(this), "CBoxState"));
    CBoxAlways = static_cast<QComboBox*>(named(new QComboBox(this), "CBoxAlways"));
    CBoxMettype = static_cast<QComboBox*>(named(new QComboBox(this), "CBoxMettype"));
    MetricEdit = static_cast<QLineEdit*>(named(new QLineEdit(this), "MetricEdit"));
    CheckBox1 = static_cast<QCheckBox*>(named(new QCheckBox("State", this), "CheckBox1"));
    CheckBox2 = static_cast<QCheckBox*>(named(new QCheckBox("Always", this), "CheckBox2"));
    CheckBox3 = static_cast<QCheckBox*>(named(new QCheckBox("Mettype", this), "CheckBox3"));
    CheckBox4 = static_cast<QCheckBox*>(named(new QCheckBox("Metric", this), "CheckBox4"));
    GetButton = static_cast<QPushButton*>(named(new QPushButton("Refresh", this), "GetButton"));
    SetButton = static_cast<QPushButton*>(named(new QPushButton("Set", this), "SetButton"));
    CloseButton = static_cast<QPushButton*>(named(new QPushButton("Close", this), "CloseButton"));
    StatusBar1 = static_cast<QStatusBar*>(named(new QStatusBar(this), "StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    // The row's check box is its label: ticking it chooses the value for the next write.
    auto* grid = new QGridLayout;
    const std::array<QWidget*, 4> values{CBoxState, CBoxAlways, CBoxMettype, MetricEdit};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(Checks()[static_cast<size_t>(r)], r, 0);
        grid->addWidget(values[static_cast<size_t>(r)], r, 1);
    }
    grid->addWidget(TvPlainText::NewLabel("[0..16777214]", this), 3, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(GetButton);
    buttons->addWidget(SetButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    setTabOrder(CheckBox1, CBoxState);
    setTabOrder(CBoxState, CheckBox2);
    setTabOrder(CheckBox2, CBoxAlways);
    setTabOrder(CBoxAlways, CheckBox3);
    setTabOrder(CheckBox3, CBoxMettype);
    setTabOrder(CBoxMettype, CheckBox4);
    setTabOrder(CheckBox4, MetricEdit);
    setTabOrder(MetricEdit, GetButton);
    setTabOrder(GetButton, SetButton);
    setTabOrder(SetButton, CloseButton);
    resize(420, 220);

    connect(GetButton, &QPushButton::clicked, this, &TOSPFDefaultInfoOriginateForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TOSPFDefaultInfoOriginateForm::SetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TOSPFDefaultInfoOriginateForm::CloseButtonClick);
    connect(CBoxState, &QComboBox::currentIndexChanged, this,
            &TOSPFDefaultInfoOriginateForm::CBoxStateChange);

    TvSNMPRequest2Edits& b = *binding_;
    b.Asynchronous = true;
    b.Request.VarList.Assign(TvSNMPVarList(kOspfDefaultOriginate, TvSNMPVarList::itScalars, 0));
    b.Request.VarList.Name = "OSPF Default Information Originate";
    b.SetStatusTarget(StatusBar1);
    Watch(b);
    GateWhileBusy({GetButton, SetButton});
    // A write that went through shows the switch's values again, with no row chosen.
    b.OnSetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) {
        if (reply.Code == 0)
            Read();
    };
    try {
        b.BindComboBox(ooState, CBoxState);
        b.BindComboBox(ooAlways, CBoxAlways);
        b.BindComboBox(ooMettype, CBoxMettype);
        b.BindEdits(ooMetric, kMetricFormat, MetricEdit);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
    Read();
}

TOSPFDefaultInfoOriginateForm::~TOSPFDefaultInfoOriginateForm() = default;

void TOSPFDefaultInfoOriginateForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    for (QCheckBox* box : Checks())
        box->setChecked(false);
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TOSPFDefaultInfoOriginateForm::GetButtonClick() {
    Read();
}

void TOSPFDefaultInfoOriginateForm::CloseButtonClick() {
    close();
}

void TOSPFDefaultInfoOriginateForm::SetDependentsEnabled(bool enabled) {
    for (QWidget* w :
         std::array<QWidget*, 6>{CheckBox2, CheckBox3, CheckBox4, CBoxAlways, CBoxMettype, MetricEdit})
        w->setEnabled(enabled);
}

void TOSPFDefaultInfoOriginateForm::CBoxStateChange() {
    SetDependentsEnabled(!(CBoxState->currentIndex() == 1 || CBoxState->currentText() == "disabled"));
}

void TOSPFDefaultInfoOriginateForm::SetButtonClick() {
    // The controls are being filled by a read: what they hold is not yet the operator's.
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    if (CheckBox4->isChecked()) {
        if (MetricEdit->text().isEmpty()) {
            TvMessageBox::Warning(this, "you have choosed the Metric,it can't be empty");
            if (MetricEdit->isEnabled())
                MetricEdit->setFocus();
            return;
        }
        if (!TvValueText::StrictInteger(ToBytes(MetricEdit->text()))) {
            TvMessageBox::Warning(this, "Metric: please input a whole number.");
            if (MetricEdit->isEnabled())
                MetricEdit->setFocus();
            return;
        }
    }
    // Each row's check box chooses its item for the write.
    constexpr std::array<int, 4> kRowItems{ooState, ooAlways, ooMettype, ooMetric};
    std::vector<int> items;
    const auto checks = Checks();
    for (size_t r = 0; r < checks.size(); ++r)
        if (checks[r]->isChecked())
            items.push_back(kRowItems[r]);
    // Nothing ticked, nothing to write: an empty request would only look like a successful one.
    if (items.empty()) {
        TvMessageBox::Warning(this, "Please tick the values to set.");
        return;
    }
    try {
        binding_->Set(false, true, items);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
}
