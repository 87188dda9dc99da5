#include "windows/TIpCtrlForm.h"

#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/CatalogIPWindows.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "windows/TIPCtrlEdtForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <exception>

namespace {

const bool TIpCtrlFormRegistered =
    TvWindowRegistry::Register("TIpCtrlForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TIpCtrlForm>(host, entry, host.Connection().AgentIP);
    });

} // namespace

TIpCtrlForm::TIpCtrlForm(QWidget* parent, const std::string& agentIP)
    : TvDedicatedWindow(parent, "TIpCtrlForm"), agentIP_(agentIP),
      binding_(std::make_unique<TvSNMPRequest2Edits>(this)) {
    setWindowTitle("IP Control Table : " + FromBytes(agentIP));

    ListView1 = new QTreeView(this);
    ListView1->setObjectName("ListView1");
    auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    btnRefresh = button("Refresh", "btnRefresh");
    btnAdd = button("Add", "btnAdd");
    btnEdit = button("Edit", "btnEdit");
    btnDel = button("Delete", "btnDel");
    btnStop = button("Stop", "btnStop");
    btnClose = button("Close", "btnClose");
    btnEdit->setEnabled(false);
    btnDel->setEnabled(false);
    stbResult = new QStatusBar(this);
    stbResult->setObjectName("stbResult");
    stbResult->setSizeGripEnabled(false);
    StatusPanel0 = new TvStatusPanel(stbResult);
    StatusPanel0->setObjectName("StatusPanel0");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnRefresh, btnAdd, btnEdit, btnDel, btnStop, btnClose})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);
    layout->addWidget(stbResult);
    resize(900, 360);

    connect(btnRefresh, &QPushButton::clicked, this, &TIpCtrlForm::btnRefreshClick);
    connect(btnAdd, &QPushButton::clicked, this, &TIpCtrlForm::btnAddClick);
    connect(btnEdit, &QPushButton::clicked, this, &TIpCtrlForm::btnEditClick);
    connect(btnDel, &QPushButton::clicked, this, &TIpCtrlForm::btnDelClick);
    connect(btnStop, &QPushButton::clicked, this, &TIpCtrlForm::btnStopClick);
    connect(btnClose, &QPushButton::clicked, this, &TIpCtrlForm::btnCloseClick);
    connect(ListView1, &QTreeView::doubleClicked, this, &TIpCtrlForm::btnEditClick);

    EntryForm = new TIPCtrlEdtForm(this);
    EntryForm->setWindowModality(Qt::WindowModal); // holds this window only

    TvSNMPRequest2Edits& b = *binding_;
    b.Asynchronous = true;
    b.Request.VarList.Assign(TvSNMPVarList(kIpCtrlTable, TvSNMPVarList::itTable, kIpCtrlKeys));
    b.Request.VarList.Name = "IP Control Table";
    b.SetStatusTarget(StatusPanel0);
    Watch(b);
    // Stop and Close stay: they end what is in flight.
    GateWhileBusy({btnRefresh, btnAdd, btnEdit, btnDel});
    b.OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError&) { GetDone(); };
    try {
        b.BindListView(ListView1, false);
        TIPCtrlEdtForm& d = *EntryForm;
        b.BindEdits(icIPAddress, "%s{l16}", d.edtIPAddr);
        b.BindEdits(icIfIndex, "%i{n0x65535l5}", d.edtIndex);
        b.BindEdits(icInterfaceName, "%s{l12}", d.edtInterface);
        b.BindEdits(icSubnetMask, "%s{l16}", d.edtMask);
        b.BindEdits(icVlanName, "%s{l32}", d.edtVlan);
        b.BindComboBox(icMode, d.cbxMode);
        b.BindComboBox(icSecondary, d.cbxSecondary);
        b.BindComboBox(icAdminState, d.cbxState);
        b.BindComboBox(icOperState, d.cbxOper);
        b.BindComboBox(icProxyArp, d.cbxARP);
        b.SetConstraintOwner(EntryForm);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
    // After the binding's own selection handling, which has copied the row into the dialog.
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TIpCtrlForm::ListView1SelectItem);
    Read();
}

TIpCtrlForm::~TIpCtrlForm() = default;

std::string TIpCtrlForm::Cell(int row, int item) const {
    const TvListViewModel* model = binding_->ListModel();
    return model ? ToBytes(model->Cell(row, item)) : std::string();
}

int TIpCtrlForm::RowCount() const {
    const TvListViewModel* model = binding_->ListModel();
    return model ? model->RowCount() : 0;
}

void TIpCtrlForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TIpCtrlForm::GetDone() {
    ListView1->header()->resizeSections(QHeaderView::ResizeToContents);
}

void TIpCtrlForm::UpdateActions() {
    ListView1SelectItem();
}

bool TIpCtrlForm::WriteEntry(const std::vector<int>& items) {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return false;
    try {
        binding_->Set(true, true, items);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
    return true;
}

void TIpCtrlForm::ListView1SelectItem() {
    // While an exchange is in flight the actions stay held off; UpdateActions decides when it ends.
    if (Waiting())
        return;
    const int row = binding_->SelectedRow();
    if (row < 0) {
        btnDel->setEnabled(false);
        btnEdit->setEnabled(false);
        btnAdd->setEnabled(true);
        return;
    }
    btnDel->setEnabled(Cell(row, icInterfaceName) != "System");
    btnAdd->setEnabled(false);
    btnEdit->setEnabled(true);
}

void TIpCtrlForm::btnRefreshClick() {
    Read();
}

void TIpCtrlForm::btnStopClick() {
    // Ends a long read at once with the rows it brought so far; a write in flight keeps its answer.
    TvSNMPRequest2Edits& b = *binding_;
    if (!b.Busy || b.LastOperation != TvSNMPRequest2Controls::opGet)
        return;
    b.Cancel();
    if (TvListViewModel* model = b.ListModel())
        model->Flush();
    Report(TvSNMPRequest2Controls::opGet, "Stopped: the list shows the rows read so far.");
}

void TIpCtrlForm::btnAddClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    EntryForm->setWindowTitle("IP Control Table(Add): " + FromBytes(agentIP_));
    EntryForm->SetMode(TIPCtrlEdtForm::mdAdd);
    EntryForm->exec();
}

void TIpCtrlForm::btnEditClick() {
    if (binding_->SelectedRow() < 0 || !Idle(TvSNMPRequest2Controls::opSet))
        return;
    EntryForm->SetMode(TIPCtrlEdtForm::mdEdit);
    EntryForm->setWindowTitle("IP Control Table(Edit): " + FromBytes(agentIP_));
    EntryForm->exec();
    ListView1->clearSelection();
    btnEdit->setEnabled(false);
    btnDel->setEnabled(false);
}

void TIpCtrlForm::btnDelClick() {
    const int row = binding_->SelectedRow();
    if (row < 0) {
        // Without a chosen line the write would go to whatever address the dialog holds.
        if (RowCount() > 0)
            TvMessageBox::Warning(this, "Please select a row to delete.");
        return;
    }
    if (Cell(row, icInterfaceName) == "System") {
        TvMessageBox::Warning(this, "The system IP interface can't be deleted.");
        return;
    }
    if (Cell(row, icSecondary) == "false")
        for (int r = 0; r < RowCount(); ++r)
            if (r != row && Cell(r, icVlanName) == Cell(row, icVlanName)) {
                TvMessageBox::Warning(this, "The secondary interface must be deleted first!");
                return;
            }
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    // The line chosen, not what the dialog was last left holding.
    const std::string address = Cell(row, icIPAddress);
    if (!TvMessageBox::YesNo(this,
                             "Are you sure to delete ?\nInterface: " + FromBytes(Cell(row, icInterfaceName)) +
                                 ", IP Address: " + FromBytes(address),
                             "Delete"))
        return;
    try {
        binding_->Set(true, false, {icIPAddress, icAdminState}, {address, "destroy"});
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
    btnDel->setEnabled(false);
}

void TIpCtrlForm::btnCloseClick() {
    close();
}
