#include "windows/TBOOTCtrlTableForm.h"

#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogIPWindows.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "windows/TNewBootpCtrlForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <exception>

namespace {

const bool TBOOTCtrlTableFormRegistered =
    TvWindowRegistry::Register("TBOOTCtrlTableForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TBOOTCtrlTableForm>(host, entry, host.Connection().AgentIP);
    });

} // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget* parent, const std::string& agentIP)
    : TvDedicatedWindow(parent, "TBOOTCtrlTableForm"), binding_(std::make_unique<TvSNMPRequest2Edits>(this)) {
    setWindowTitle("BOOTP Ctrl Table: " + FromBytes(agentIP));

    ListView1 = new QTreeView(this);
    ListView1->setObjectName("ListView1");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(1000);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->hide();
    auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    RefreshBtn = button("Refresh", "RefreshBtn");
    AddBtn = button("Add", "AddBtn");
    DeleteBtn = button("Delete", "DeleteBtn");
    CloseBtn = button("Close", "CloseBtn");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {RefreshBtn, AddBtn, DeleteBtn, CloseBtn})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 2);
    layout->addLayout(buttons);
    layout->addWidget(Memo1, 1);
    resize(560, 420);

    connect(RefreshBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::RefreshBtnClick);
    connect(AddBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::AddBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::DeleteBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::CloseBtnClick);

    EntryForm = new TNewBootpCtrlForm(this);
    EntryForm->setWindowModality(Qt::WindowModal); // holds this window only

    TvSNMPRequest2Edits& b = *binding_;
    b.Asynchronous = true;
    b.Request.VarList.Assign(TvSNMPVarList(kBootpCtrlTable, TvSNMPVarList::itTable, kBootpCtrlKeys));
    b.Request.VarList.Name = "BOOTP Ctrl Table";
    b.SetStatusTarget(Memo1);
    Watch(b);
    GateWhileBusy({RefreshBtn, AddBtn, DeleteBtn});
    b.OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError&) {
        ListView1->header()->resizeSections(QHeaderView::ResizeToContents);
    };
    try {
        b.BindListView(ListView1, false);
        b.BindEdits(bcInterfaceName, "%s", EntryForm->Edit1);
        b.BindEdits(bcServerIP, "%s", EntryForm->Edit2);
        b.BindComboBox(bcState, ComboBox1);
        b.SetConstraintOwner(EntryForm);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
    // A relay listens on an interface of the switch: the entry dialog offers no other.
    interfaces_ = std::make_unique<TvSNMPRequest2Edits>(this);
    interfaces_->Request.VarList.Assign(TvSNMPVarList(kIpCtrlTable, TvSNMPVarList::itTable, kIpCtrlKeys));
    interfaces_->Request.VarList.Name = "IP Control Table";
    interfaces_->SetStatusTarget(Memo1);
    auto* hidden = new QTreeView(this);
    hidden->hide();
    interfaces_->BindListView(hidden, false);
    interfaces_->OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) {
        interfacesRead_ = reply.Code == 0;
    };
    Watch(*interfaces_);
    Read();
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm() = default;

int TBOOTCtrlTableForm::RowCount() const {
    const TvListViewModel* model = binding_->ListModel();
    return model ? model->RowCount() : 0;
}

std::string TBOOTCtrlTableForm::Cell(int row, int item) const {
    const TvListViewModel* model = binding_->ListModel();
    return model ? ToBytes(model->Cell(row, item)) : std::string();
}

void TBOOTCtrlTableForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    for (TvSNMPRequest2Edits* b : {binding_.get(), interfaces_.get()}) {
        try {
            b->Get();
        } catch (const std::exception& e) {
            Report(TvSNMPRequest2Controls::opGet, e.what());
        }
    }
}

std::optional<std::vector<std::string>> TBOOTCtrlTableForm::InterfaceNames() const {
    const TvListViewModel* model = interfaces_->ListModel();
    if (!interfacesRead_ || !model)
        return std::nullopt;
    std::vector<std::string> names;
    for (int row = 0; row < model->RowCount(); ++row)
        names.push_back(ToBytes(model->Cell(row, icInterfaceName)));
    return names;
}

bool TBOOTCtrlTableForm::WriteRow(const std::string& interfaceName, const std::string& server,
                                  const char* state) {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return false;
    try {
        // The row's keys and status as given: nothing is taken from the controls.
        binding_->Set(true, false, {bcInterfaceName, bcServerIP, bcState}, {interfaceName, server, state});
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
    return true;
}

void TBOOTCtrlTableForm::RefreshBtnClick() {
    Read();
}

void TBOOTCtrlTableForm::AddBtnClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    EntryForm->setWindowTitle(windowTitle() + " (Add)");
    EntryForm->exec();
}

void TBOOTCtrlTableForm::DeleteBtnClick() {
    const int row = binding_->SelectedRow();
    if (row < 0) {
        TvMessageBox::Warning(this, "Please select a row to delete.");
        return;
    }
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    // The chosen line's keys, not what an unfinished Add left in the dialog's edits.
    const std::string name = Cell(row, bcInterfaceName);
    const std::string server = Cell(row, bcServerIP);
    if (!TvMessageBox::YesNo(this,
                             "Are you sure to delete ?\nInterface Name: " + FromBytes(name) +
                                 ", Bootp Server IP: " + FromBytes(server),
                             "Delete"))
        return;
    WriteRow(name, server, "invalid");
}

void TBOOTCtrlTableForm::CloseBtnClick() {
    close();
}
