#include "windows/TMd5InformationForm.h"

#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/SecurityWindowTables.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "values/TvSecret.h"
#include "windows/TMd5EditForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const bool TMd5InformationFormRegistered =
    TvWindowRegistry::Register("TMd5InformationForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        const QString address = FromBytes(host.Connection().AgentIP);
        TvDedicatedWindow::Open<TMd5InformationForm>(host, entry, address);
    });

} // namespace

TMd5InformationForm::TMd5InformationForm(QWidget* parent, const QString& address)
    : TvDedicatedWindow(parent, "TMd5InformationForm"), address_(address) {
    ListView1 = new QTreeView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(1000);
    GetButton = new QPushButton(QStringLiteral("Refresh"), this);
    GetButton->setObjectName(QStringLiteral("GetButton"));
    AddButton = new QPushButton(QStringLiteral("Add"), this);
    AddButton->setObjectName(QStringLiteral("AddButton"));
    EditButton = new QPushButton(QStringLiteral("Edit"), this);
    EditButton->setObjectName(QStringLiteral("EditButton"));
    DeleteButton = new QPushButton(QStringLiteral("Delete"), this);
    DeleteButton->setObjectName(QStringLiteral("DeleteButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(GetButton);
    buttons->addWidget(AddButton);
    buttons->addWidget(EditButton);
    buttons->addWidget(DeleteButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 3);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    QWidget::setTabOrder(ListView1, Memo1);
    QWidget::setTabOrder(Memo1, GetButton);
    QWidget::setTabOrder(GetButton, AddButton);
    QWidget::setTabOrder(AddButton, EditButton);
    QWidget::setTabOrder(EditButton, DeleteButton);
    resize(460, 360);

    EditButton->setEnabled(false);
    editForm_ = new TMd5EditForm(this);
    editForm_->setWindowModality(Qt::WindowModal); // holds this window only

    binding_ = std::make_unique<TvSNMPRequest2Edits>(this);
    binding_->Request.VarList = TvSNMPVarList(tblMd5Keys, TvSNMPVarList::itTable, 1);
    binding_->Asynchronous = true;
    binding_->SetConstraintOwner(editForm_);
    binding_->BindListView(ListView1, false);
    ListView1->header()->setSectionResizeMode(QHeaderView::Stretch);
    binding_->BindEdits(md5KeyId, QStringLiteral("%i{n1x255}"), editForm_->KeyIDEdit);
    binding_->BindEdits(md5Key, QStringLiteral("%s{l16}"), editForm_->KeyEdit);
    binding_->BindComboBox(md5Status, editForm_->ComboBox1);
    binding_->SetStatusTarget(Memo1);
    Watch(*binding_);
    GateWhileBusy({GetButton, AddButton, EditButton, DeleteButton});
    binding_->ListViewSelectHandler = [this](QTreeView*, int row, bool selected) {
        ListView1Select(row, selected);
    };
    editForm_->Attach(
        binding_.get(), [this] { return ListedKeyIds(); }, address_);

    connect(GetButton, &QPushButton::clicked, this, &TMd5InformationForm::GetButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TMd5InformationForm::AddButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TMd5InformationForm::EditButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TMd5InformationForm::DeleteButtonClick);
    connect(ListView1, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            EditButtonClick();
    });

    Read();
}

TMd5InformationForm::~TMd5InformationForm() {
    ClearSecrets();
    if (editForm_)
        editForm_->Attach(nullptr, {}, address_);
}

void TMd5InformationForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TMd5InformationForm::UpdateActions() {
    EditButton->setEnabled(binding_->SelectedRow() >= 0);
}

std::vector<std::string> TMd5InformationForm::ListedKeyIds() const {
    std::vector<std::string> ids;
    if (const TvListViewModel* model = binding_ ? binding_->ListModel() : nullptr)
        for (int row = 0; row < model->RowCount(); ++row)
            ids.push_back(ToBytes(model->Cell(row, md5KeyId)));
    return ids;
}

void TMd5InformationForm::ListView1Select(int /*row*/, bool selected) {
    EditButton->setEnabled(selected);
}

void TMd5InformationForm::GetButtonClick() {
    Read();
    EditButton->setEnabled(false);
}

void TMd5InformationForm::EditButtonClick() {
    const int row = binding_->SelectedRow();
    if (row < 0 || !editForm_ || !Idle(TvSNMPRequest2Controls::opSet))
        return;
    // The dialog forgets the key each time it closes: show the selected row again.
    try {
        binding_->SelectItem(ListView1, row, true);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
    editForm_->SetMode(TMd5EditForm::Mode::Edit);
    editForm_->setWindowTitle(QStringLiteral("MD5 Information Table: ") + address_);
    editForm_->exec();
    EditButton->setEnabled(false);
}

void TMd5InformationForm::AddButtonClick() {
    if (!editForm_ || !Idle(TvSNMPRequest2Controls::opSet))
        return;
    editForm_->SetMode(TMd5EditForm::Mode::Add);
    editForm_->setWindowTitle(QStringLiteral("MD5 Information Table: ") + address_ + QStringLiteral("(Add)"));
    editForm_->exec();
    EditButton->setEnabled(false);
}

void TMd5InformationForm::DeleteButtonClick() {
    const int row = binding_->SelectedRow();
    if (row < 0 || !editForm_) {
        TvMessageBox::Warning(this, QStringLiteral("Choose the item first."));
        DeleteButton->setFocus();
        EditButton->setEnabled(false);
        return;
    }
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    const QString keyId = binding_->ListModel()->Cell(row, md5KeyId);
    if (!TvMessageBox::YesNo(this, QStringLiteral("Are you sure to delete ?\nMD5 key ID: ") + keyId,
                             QStringLiteral("Delete")))
        return;
    try {
        // The dialog's fields follow the selection; the row status alone removes the row.
        binding_->SelectItem(ListView1, row, true);
        editForm_->ComboBox1->setCurrentIndex(editForm_->ComboBox1->findText(QStringLiteral("destroy")));
        binding_->Set(true, true, {md5Status});
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
    editForm_->ClearSecrets();
    EditButton->setEnabled(false);
}

void TMd5InformationForm::ClearSecrets() {
    if (editForm_)
        editForm_->ClearSecrets();
    if (!binding_)
        return;
    if (TvListViewModel* model = binding_->ListModel())
        model->Clear();
    TvSNMPVarList& list = binding_->Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        TvSecret::Wipe(list.Item(i).Value);
}

void TMd5InformationForm::Closing() {
    // Nothing of the keys is left once the window is closed.
    ClearSecrets();
    if (editForm_)
        editForm_->Attach(nullptr, {}, address_);
    delete editForm_;
    editForm_ = nullptr;
}
