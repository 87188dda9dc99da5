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
#include <QCoreApplication>
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
        TBOOTCtrlTableForm form(host.HostWindow(), host.Connection().AgentIP);
        if (const QString caption = host.EntryCaption(entry); !caption.isEmpty())
            form.setWindowTitle(caption);
        form.exec();
    });

} // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget* parent, const std::string& agentIP)
    : QDialog(parent), binding_(std::make_unique<TvSNMPRequest2Edits>(this)) {
    setObjectName("TBOOTCtrlTableForm");
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

    TvSNMPRequest2Edits& b = *binding_;
    b.Asynchronous = true;
    b.Request.VarList.Assign(TvSNMPVarList(kBootpCtrlTable, TvSNMPVarList::itTable, kBootpCtrlKeys));
    b.Request.VarList.Name = "BOOTP Ctrl Table";
    b.SetStatusTarget(Memo1);
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
        Report(e.what());
    }
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

void TBOOTCtrlTableForm::Report(const std::string& text) {
    Memo1->appendPlainText(FromBytes(text));
}

void TBOOTCtrlTableForm::Read() {
    TvSNMPRequest2Edits& b = *binding_;
    if (b.Busy)
        return;
    try {
        b.Request.Enabled = true;
        b.Get();
    } catch (const std::exception& e) {
        b.LastOperation = TvSNMPRequest2Controls::opGet;
        b.ShowStatus(e.what());
    }
}

void TBOOTCtrlTableForm::WriteRow(const std::string& interfaceName, const std::string& server,
                                  const char* state) {
    TvSNMPRequest2Edits& b = *binding_;
    if (b.Busy) {
        // The write's reply must not be taken for a row of a walk still running.
        b.Request.Enabled = false;
        while (b.Busy)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    b.LastOperation = TvSNMPRequest2Controls::opSet;
    try {
        ComboBox1->setCurrentIndex(ComboBox1->findText(state));
        TvSNMPVarList& list = b.Request.VarList;
        list.Item(bcInterfaceName).Value = interfaceName;
        list.Item(bcServerIP).Value = server;
        list.Item(bcState).Value = state;
        b.Request.Enabled = true;
        b.Set(true, false);
    } catch (const std::exception& e) {
        b.LastOperation = TvSNMPRequest2Controls::opSet;
        b.ShowStatus(e.what());
    }
}

void TBOOTCtrlTableForm::RefreshBtnClick() {
    Read();
}

void TBOOTCtrlTableForm::AddBtnClick() {
    EntryForm->setWindowTitle(windowTitle() + " (Add)");
    EntryForm->exec();
}

void TBOOTCtrlTableForm::DeleteBtnClick() {
    const int row = binding_->SelectedRow();
    if (row < 0) {
        TvMessageBox::Warning(this, "Please select a row to delete.");
        return;
    }
    // The chosen line's keys: the dialog's edits follow it, unless an unfinished Add changed them.
    WriteRow(Cell(row, bcInterfaceName), Cell(row, bcServerIP), "invalid");
}

void TBOOTCtrlTableForm::CloseBtnClick() {
    close();
}

void TBOOTCtrlTableForm::done(int result) {
    binding_->Request.Enabled = false;
    while (binding_->Busy)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    QDialog::done(result);
}
