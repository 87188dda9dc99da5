#include "windows/TRouteRedistributForm.h"

#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogIPWindows.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "values/TvValueText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <exception>
#include <vector>

namespace {

const bool TRouteRedistributFormRegistered =
    TvWindowRegistry::Register("TRouteRedistributForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TRouteRedistributForm>(host, entry, host.Connection().AgentIP);
    });

// Radio buttons in order; button k stands for Type entry k - 1, the first for none.
constexpr const char* kRadioCaptions[] = {"other",    "all",      "type-1",   "type-2",   "internal",
                                          "external", "inter-E1", "inter-E2", "extType1", "extType2"};

} // namespace

TRouteRedistributForm::TRouteRedistributForm(QWidget* parent, const std::string& agentIP)
    : TvDedicatedWindow(parent, "TRouteRedistributForm"),
      binding_(std::make_unique<TvSNMPRequest2Edits>(this)) {
    setWindowTitle("Route Redistribution Table: " + FromBytes(agentIP));

    ListView1 = new QTreeView(this);
    ListView1->setObjectName("ListView1");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName("ComboBox3");
    ComboBox3->hide();
    StComboBox = new QComboBox(this);
    StComboBox->setObjectName("StComboBox");
    StComboBox->hide();
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Label5 = TvPlainText::NewLabel("[0..16]", this);
    Label5->setObjectName("Label5");

    TypeGroup = new QGroupBox("Type", this);
    TypeGroup->setObjectName("TypeGroup");
    TypeButtons = new QButtonGroup(this);
    auto* typeGrid = new QGridLayout(TypeGroup);
    QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5,
                               &RadioButton6, &RadioButton7, &RadioButton8, &RadioButton9, &RadioButton10};
    for (int k = 0; k < 10; ++k) {
        auto* radio = new QRadioButton(kRadioCaptions[k], TypeGroup);
        radio->setObjectName(QString("RadioButton%1").arg(k + 1));
        *radios[k] = radio;
        TypeButtons->addButton(radio, k);
        typeGrid->addWidget(radio, k / 5, k % 5);
    }

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(1000);
    RefreshBtn = new QPushButton("Refresh", this);
    RefreshBtn->setObjectName("RefreshBtn");
    EditBtn = new QPushButton("Set", this);
    EditBtn->setObjectName("EditBtn");
    AddBtn = new QPushButton("Add", this);
    AddBtn->setObjectName("AddBtn");
    DeleteBtn = new QPushButton("Delete", this);
    DeleteBtn->setObjectName("DeleteBtn");
    DeleteBtn->setEnabled(false);
    CloseBtn = new QPushButton("Close", this);
    CloseBtn->setObjectName("CloseBtn");

    auto* fields = new QGridLayout;
    auto label = [this](const QString& caption, QWidget* buddy) {
        auto* l = TvPlainText::NewLabel(caption, this);
        l->setBuddy(buddy);
        return l;
    };
    fields->addWidget(label("&Source Protocol", ComboBox1), 0, 0);
    fields->addWidget(ComboBox1, 0, 1);
    fields->addWidget(label("&Destination Protocol", ComboBox2), 1, 0);
    fields->addWidget(ComboBox2, 1, 1);
    fields->addWidget(label("&Metric", Edit1), 2, 0);
    fields->addWidget(Edit1, 2, 1);
    fields->addWidget(Label5, 2, 2);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {RefreshBtn, EditBtn, AddBtn, DeleteBtn, CloseBtn})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 2);
    layout->addLayout(fields);
    layout->addWidget(TypeGroup);
    layout->addLayout(buttons);
    layout->addWidget(Memo1, 1);
    setTabOrder(ListView1, ComboBox1);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, Edit1);
    setTabOrder(Edit1, RadioButton1);
    QWidget* last = RadioButton1;
    for (QPushButton* b : {RefreshBtn, EditBtn, AddBtn, DeleteBtn, CloseBtn}) {
        setTabOrder(last, b);
        last = b;
    }
    setTabOrder(last, Memo1);
    resize(640, 560);

    connect(RefreshBtn, &QPushButton::clicked, this, &TRouteRedistributForm::RefreshBtnClick);
    connect(EditBtn, &QPushButton::clicked, this, &TRouteRedistributForm::EditBtnClick);
    connect(AddBtn, &QPushButton::clicked, this, &TRouteRedistributForm::AddBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TRouteRedistributForm::DeleteBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TRouteRedistributForm::CloseBtnClick);
    connect(TypeButtons, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            RadioTicked(id);
    });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TRouteRedistributForm::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TRouteRedistributForm::ComboBox1Change);

    TvSNMPRequest2Edits& b = *binding_;
    b.Asynchronous = true;
    b.Request.VarList.Assign(
        TvSNMPVarList(kRouteRedistribution, TvSNMPVarList::itTableRows, kRouteRedistributionKeys));
    b.Request.VarList.Name = "Route Redistribution";
    b.SetStatusTarget(Memo1);
    Watch(b);
    GateWhileBusy({RefreshBtn, EditBtn, AddBtn, DeleteBtn});
    b.OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError&) {
        ListView1->header()->resizeSections(QHeaderView::ResizeToContents);
    };
    try {
        b.BindListView(ListView1, false);
        b.BindComboBox(rrSource, ComboBox1);
        b.BindComboBox(rrDestination, ComboBox2);
        b.BindComboBox(rrType, ComboBox3);
        b.BindEdits(rrMetric, "%i{n0x16777214l8a}", Edit1);
        b.BindComboBox(rrRowStatus, StComboBox);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
    // After the binding's own selection handling, which has copied the row into the controls.
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TRouteRedistributForm::ListView1Click);
    Read();
}

TRouteRedistributForm::~TRouteRedistributForm() = default;

std::array<QRadioButton*, 10> TRouteRedistributForm::Radios() const {
    return {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5,
            RadioButton6, RadioButton7, RadioButton8, RadioButton9, RadioButton10};
}

void TRouteRedistributForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TRouteRedistributForm::UpdateActions() {
    DeleteBtn->setEnabled(binding_->SelectedRow() >= 0);
}

void TRouteRedistributForm::RadioTicked(int button) {
    ComboBox3->setCurrentIndex(button - 1);
}

void TRouteRedistributForm::ListView1Click() {
    const int row = binding_->SelectedRow();
    // While an exchange is in flight Delete stays held off; UpdateActions decides when it ends.
    if (!Waiting())
        DeleteBtn->setEnabled(row >= 0);
    if (row < 0)
        return;
    const std::string type = ToBytes(binding_->ListModel()->Cell(row, rrType));
    const int entry = optRedistributionType.IndexOfText(type);
    Radios()[static_cast<size_t>(entry + 1)]->setChecked(true);
    ComboBox1Change();
}

void TRouteRedistributForm::ComboBox1Change() {
    const QString source = ComboBox1->currentText();
    const QString destination = ComboBox2->currentText();
    // Buttons enabled per rule, in button order: other, all, type-1, type-2, internal ... extType2.
    const std::array<bool, 10>* enabled = nullptr;
    static constexpr std::array<bool, 10> kRipFromOspf{true, true, false, false, true,
                                                       true, true, true,  true,  true};
    static constexpr std::array<bool, 10> kRipFromStatic{false, true,  false, false, false,
                                                         false, false, false, false, false};
    static constexpr std::array<bool, 10> kOspf{false, false, true,  true,  false,
                                                false, false, false, false, false};
    if (destination == "rip" && source == "ospf") {
        Label5->setText("[0..16]");
        enabled = &kRipFromOspf;
    } else if (destination == "rip" && (source == "static" || source == "local")) {
        Label5->setText("[0..16]");
        enabled = &kRipFromStatic;
    } else if (destination == "ospf") {
        Label5->setText("[0..16777214]");
        enabled = &kOspf;
    }
    if (!enabled)
        return;
    const auto radios = Radios();
    for (size_t k = 0; k < radios.size(); ++k)
        radios[k]->setEnabled((*enabled)[k]);
}

bool TRouteRedistributForm::MetricAccepted() {
    auto refuse = [this](const QString& message) {
        if (!message.isEmpty())
            TvMessageBox::Warning(this, message);
        if (Edit1->isEnabled())
            Edit1->setFocus();
        return false;
    };
    if (Edit1->text().isEmpty())
        return refuse({});
    const auto metric = TvValueText::StrictInteger(ToBytes(Edit1->text()));
    if (!metric)
        return refuse("Metric: please input a whole number.");
    const QString destination = ComboBox2->currentText();
    if (destination == "rip" && (*metric < 0 || *metric > 16))
        return refuse("Metric out of Bound [0..16]");
    if (destination == "ospf" && (*metric < 0 || *metric > 16777214))
        return refuse("Metric out of Bound [0..16777214]");
    return true;
}

void TRouteRedistributForm::Write(const char* rowStatus) {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    // The keys come from the protocol combos; "other" names no type, so the switch keeps (or, for a
    // new row, chooses) its own.
    std::vector<int> items{rrSource, rrDestination, rrMetric, rrRowStatus};
    if (ComboBox3->currentIndex() >= 0)
        items.push_back(rrType);
    try {
        StComboBox->setCurrentIndex(StComboBox->findText(rowStatus));
        binding_->Set(true, true, items);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
}

void TRouteRedistributForm::EditBtnClick() {
    if (ComboBox1->currentIndex() < 0 || ComboBox2->currentIndex() < 0) {
        TvMessageBox::Warning(this, "Please choose Source Protocol and Destination Protocol.");
        return;
    }
    if (!MetricAccepted())
        return;
    Write("active");
}

void TRouteRedistributForm::AddBtnClick() {
    if (ComboBox1->currentIndex() < 0 || ComboBox2->currentIndex() < 0) {
        TvMessageBox::Warning(this, "Please choose Source Protocol and Destination Protocol.");
        return;
    }
    if (!MetricAccepted())
        return;
    Write("createAndGo");
}

void TRouteRedistributForm::DeleteBtnClick() {
    const int row = binding_->SelectedRow();
    if (row < 0) {
        TvMessageBox::Warning(this, "Please select a row to delete.");
        return;
    }
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    // The row goes by the keys of the chosen line, whatever the combos were changed to since; its
    // status alone removes it, so a half-typed metric cannot make the removal fail.
    const TvListViewModel& model = *binding_->ListModel();
    const QString source = model.Cell(row, rrSource);
    const QString destination = model.Cell(row, rrDestination);
    if (!TvMessageBox::YesNo(this,
                             "Are you sure to delete ?\nSource Protocol: " + source +
                                 ", Destination Protocol: " + destination,
                             "Delete"))
        return;
    try {
        binding_->Set(true, false, {rrSource, rrDestination, rrRowStatus},
                      {ToBytes(source), ToBytes(destination), "destroy"});
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
}

void TRouteRedistributForm::RefreshBtnClick() {
    Read();
}

void TRouteRedistributForm::CloseBtnClick() {
    close();
}
