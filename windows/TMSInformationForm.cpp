#include "windows/TMSInformationForm.h"

#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvMemberSwitchData.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "windows/TMSEditForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const bool TMSInformationFormRegistered =
    TvWindowRegistry::Register("TMSInformationForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TMSInformationForm>(host, entry);
    });

} // namespace

TMSInformationForm::TMSInformationForm(QWidget* owner) : TvDedicatedWindow(owner, "MSInformationForm") {
    setWindowTitle("Member Switch Information Table : ");

    ListView1 = new QTreeView(this);
    ListView1->setObjectName("ListView1");
    auto* countCaption = TvPlainText::NewLabel("Total Entries : ", this);
    StaticText1 = TvPlainText::NewLabel("0", this);
    StaticText1->setObjectName("StaticText1");
    countCaption->setBuddy(ListView1);
    GetButton = new QPushButton("Refresh", this);
    GetButton->setObjectName("GetButton");
    AddButton = new QPushButton("Add", this);
    AddButton->setObjectName("AddButton");
    DeleteButton = new QPushButton("Delete", this);
    DeleteButton->setObjectName("DeleteButton");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setMaximumHeight(90);

    auto* bar = new QHBoxLayout;
    bar->addWidget(countCaption);
    bar->addWidget(StaticText1);
    bar->addStretch();
    bar->addWidget(GetButton);
    bar->addWidget(AddButton);
    bar->addWidget(DeleteButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addLayout(bar);
    layout->addWidget(Memo1);
    setTabOrder(ListView1, GetButton);
    setTabOrder(GetButton, AddButton);
    setTabOrder(AddButton, DeleteButton);
    setTabOrder(DeleteButton, Memo1);
    resize(760, 420);

    // FormCreate.
    DeleteButton->setEnabled(false);
    editForm_ = new TMSEditForm(this, Memo1, [this](const QString& id) { return IdListed(id); });
    editForm_->setWindowModality(Qt::WindowModal); // holds this window only
    // A row added or removed shows once the switch has answered the write.
    editForm_->Binding->OnSetDone = [this](auto&, auto&) { Read(); };
    // Nothing is written while the list is read.
    editForm_->MayWrite = [this] { return Idle(TvSNMPRequest2Controls::opSet); };

    listing_ = std::make_unique<TvSNMPRequest2Edits>(this);
    listing_->Request.VarList.Assign(TvSNMPVarList(kMemberSwitchTable, TvSNMPVarList::itTableRows, 1));
    listing_->Request.Target.Timeout = kMemberSwitchTimeout;
    listing_->BindListView(ListView1, false);
    listing_->SetStatusTarget(Memo1);
    listing_->ListViewSelectHandler = [this](QTreeView*, int, bool) {
        DeleteButton->setEnabled(!Waiting() && listing_->SelectedRow() >= 0);
    };
    listing_->OnGetDone = [this](auto&, auto&) { UpdateCount(); };
    Watch(*listing_);
    Watch(*editForm_->Binding);
    GateWhileBusy({GetButton, AddButton, DeleteButton});
    TvListViewModel* model = listing_->ListModel();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TMSInformationForm::UpdateCount);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TMSInformationForm::UpdateCount);
    connect(model, &QAbstractItemModel::modelReset, this, &TMSInformationForm::UpdateCount);

    connect(GetButton, &QPushButton::clicked, this, &TMSInformationForm::GetButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TMSInformationForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TMSInformationForm::DeleteButtonClick);
    Read();
}

TMSInformationForm::~TMSInformationForm() = default;

void TMSInformationForm::UpdateCount() {
    if (listing_ && listing_->ListModel())
        StaticText1->setText(QString::number(listing_->ListModel()->RowCount()));
}

bool TMSInformationForm::IdListed(const QString& id) const {
    const TvListViewModel* model = listing_ ? listing_->ListModel() : nullptr;
    if (!model)
        return false;
    for (int row = 0; row < model->RowCount(); ++row)
        if (model->Cell(row, 0) == id.trimmed())
            return true;
    return false;
}

void TMSInformationForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        listing_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
    UpdateCount();
}

void TMSInformationForm::UpdateActions() {
    DeleteButton->setEnabled(listing_->SelectedRow() >= 0);
}

void TMSInformationForm::GetButtonClick() {
    Read();
    DeleteButton->setEnabled(false);
}

void TMSInformationForm::AddButtonClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    editForm_->EditMode = TMSEditForm::Mode::Add;
    editForm_->SelectRowStatus("createAndGo");
    editForm_->exec();
    // A write on its way reads the list when it is answered.
    if (!Waiting())
        Read();
}

void TMSInformationForm::DeleteButtonClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    const int row = listing_->SelectedRow();
    if (row < 0) {
        TvMessageBox::Information(this, "Choose the item first.");
        DeleteButton->setFocus();
        DeleteButton->setEnabled(false);
        return;
    }
    const QString id = listing_->ListModel()->Cell(row, 0);
    if (!TvMessageBox::YesNo(this, "Are you sure to delete ?\nMS ID: " + id, "Delete"))
        return;
    TMSEditForm& form = *editForm_;
    form.EditMode = TMSEditForm::Mode::Delete;
    form.SelectRowStatus("destroy");
    // Only the row status goes out: never the member password.
    form.WriteEntry(id, {msRowStatus});
    DeleteButton->setEnabled(false);
    if (!Waiting())
        Read();
}
