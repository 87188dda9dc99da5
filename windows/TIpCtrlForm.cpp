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
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

const bool TIpCtrlFormRegistered =
    TvWindowRegistry::Register("TIpCtrlForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TIpCtrlForm form(host.HostWindow(), host.Connection().AgentIP);
        if (const QString caption = host.EntryCaption(entry); !caption.isEmpty())
            form.setWindowTitle(caption);
        form.exec();
    });

} // namespace

TIpCtrlForm::TIpCtrlForm(QWidget* parent, const std::string& agentIP)
    : QDialog(parent), agentIP_(agentIP), binding_(std::make_unique<TvSNMPRequest2Edits>(this)) {
    setObjectName("TIpCtrlForm");
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

    TvSNMPRequest2Edits& b = *binding_;
    b.Asynchronous = true;
    b.Request.VarList.Assign(TvSNMPVarList(kIpCtrlTable, TvSNMPVarList::itTable, kIpCtrlKeys));
    b.Request.VarList.Name = "IP Control Table";
    for (int i = 0; i < b.Request.VarList.Count(); ++i)
        savedAccess_.push_back(b.Request.VarList.Item(i).Access);
    b.SetStatusTarget(StatusPanel0);
    b.OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) { GetDone(reply.Message); };
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
        ShowError(e.what());
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

void TIpCtrlForm::ShowError(const std::string& text) {
    StatusPanel0->setText(FromBytes(text));
}

void TIpCtrlForm::Read() {
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void TIpCtrlForm::GetDone(const std::string& message) {
    btnAdd->setEnabled(true);
    btnDel->setEnabled(false);
    btnEdit->setEnabled(binding_->SelectedRow() >= 0);
    StatusPanel0->setText(FromBytes(message));
    ListView1->header()->resizeSections(QHeaderView::ResizeToContents);
}

void TIpCtrlForm::StopWalk() {
    TvSNMPRequest2Edits& b = *binding_;
    if (b.Busy) {
        b.Request.Enabled = false;
        while (b.Busy)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    b.Request.Enabled = true;
}

void TIpCtrlForm::ExcludeAllBut(const std::vector<int>& written) {
    TvSNMPVarList& list = binding_->Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        list.Item(i).Access = savedAccess_[static_cast<size_t>(i)];
        if (std::find(written.begin(), written.end(), i) == written.end())
            list.Item(i).Access |= accExcluded;
    }
}

void TIpCtrlForm::RestoreAccess() {
    TvSNMPVarList& list = binding_->Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).Access = savedAccess_[static_cast<size_t>(i)];
}

void TIpCtrlForm::ListView1SelectItem() {
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
    binding_->Request.Enabled = true;
    if (binding_->Busy)
        return;
    Read();
}

void TIpCtrlForm::btnStopClick() {
    binding_->Request.Enabled = false;
}

void TIpCtrlForm::btnAddClick() {
    EntryForm->setWindowTitle("IP Control Table(Add): " + FromBytes(agentIP_));
    if (binding_->Busy)
        binding_->Request.Enabled = false;
    EntryForm->SetMode(TIPCtrlEdtForm::mdAdd);
    EntryForm->exec();
}

void TIpCtrlForm::btnEditClick() {
    if (binding_->SelectedRow() < 0)
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
    const std::string address = Cell(row, icIPAddress);
    StopWalk();
    TvSNMPRequest2Edits& b = *binding_;
    b.LastOperation = TvSNMPRequest2Controls::opSet;
    try {
        ExcludeAllBut({icIPAddress, icAdminState});
        EntryForm->cbxState->setCurrentIndex(EntryForm->cbxState->findText("destroy"));
        b.ControlsToValues();
        // The line chosen, not what the dialog was last left holding.
        b.Request.VarList.Item(icIPAddress).Value = address;
        b.Set(true, false);
    } catch (const std::exception& e) {
        RestoreAccess();
        ShowError(e.what());
        btnDel->setEnabled(false);
        return;
    }
    RestoreAccess();
    btnDel->setEnabled(false);
}

void TIpCtrlForm::btnCloseClick() {
    close();
}

void TIpCtrlForm::done(int result) {
    binding_->Request.Enabled = false;
    while (binding_->Busy)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    QDialog::done(result);
}
