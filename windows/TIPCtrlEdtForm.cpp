#include "windows/TIPCtrlEdtForm.h"

#include "catalog/CatalogIPWindows.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "values/TvIPAddressCheck.h"
#include "values/TvValueText.h"
#include "windows/TIpCtrlForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <vector>

TIPCtrlEdtForm::TIPCtrlEdtForm(TIpCtrlForm* table) : QDialog(table), table_(table) {
    setObjectName("TIPCtrlEdtForm");
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        return e;
    };
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        return c;
    };
    edtIPAddr = edit("edtIPAddr");
    edtIndex = edit("edtIndex");
    edtInterface = edit("edtInterface");
    edtMask = edit("edtMask");
    edtVlan = edit("edtVlan");
    cbxMode = combo("cbxMode");
    cbxSecondary = combo("cbxSecondary");
    cbxState = combo("cbxState");
    cbxOper = combo("cbxOper");
    cbxARP = combo("cbxARP");
    btnSet = new QPushButton("Add", this);
    btnSet->setObjectName("btnSet");
    btnSet->setDefault(true);
    btnClose = new QPushButton("Close", this);
    btnClose->setObjectName("btnClose");

    auto* form = new QFormLayout;
    const std::pair<const char*, QWidget*> rows[] = {
        {"&IP Address", edtIPAddr},   {"IF Inde&x", edtIndex}, {"Interface Na&me", edtInterface},
        {"Subnet Mas&k", edtMask},    {"&VLAN Name", edtVlan}, {"M&ode", cbxMode},
        {"Secon&dary", cbxSecondary}, {"S&tate", cbxState},    {"Oper St&ate", cbxOper},
        {"&Proxy ARP State", cbxARP},
    };
    QWidget* previous = nullptr;
    for (const auto& [caption, field] : rows) {
        auto* label = TvPlainText::NewLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
        if (previous)
            setTabOrder(previous, field);
        previous = field;
    }
    setTabOrder(previous, btnSet);
    setTabOrder(btnSet, btnClose);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSet);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    connect(btnSet, &QPushButton::clicked, this, &TIPCtrlEdtForm::btnSetClick);
    connect(btnClose, &QPushButton::clicked, this, &TIPCtrlEdtForm::btnCloseClick);
}

void TIPCtrlEdtForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TIPCtrlEdtForm::FormActivate() {
    const bool add = mode_ == mdAdd;
    // Edit offers only the states a running interface can take; Add and Delete need the whole list.
    if (auto* model = qobject_cast<QStandardItemModel*>(cbxState->model()))
        for (int k = 0; k < model->rowCount(); ++k) {
            const QString text = model->item(k)->text();
            model->item(k)->setEnabled(add || text == "active" || text == "notInService");
        }
    for (QLineEdit* e : {edtIPAddr, edtIndex, edtInterface, edtMask, edtVlan}) {
        if (add)
            e->clear();
        e->setEnabled(add);
    }
    // The switch assigns the index of a new interface: nothing typed here would be sent.
    edtIndex->setEnabled(false);
    edtIndex->setPlaceholderText(add ? QStringLiteral("assigned by the switch") : QString());
    cbxOper->setEnabled(add);
    cbxSecondary->setEnabled(add);
    cbxMode->setEnabled(true);
    cbxARP->setEnabled(true);
    if (add) {
        cbxState->setCurrentIndex(cbxState->findText("createAndGo"));
        cbxState->setEnabled(false);
        btnSet->setText("Add");
        edtIPAddr->setFocus();
    } else {
        cbxState->setEnabled(true);
        btnSet->setText("Edit");
        cbxMode->setFocus();
    }
}

std::optional<QString> TIPCtrlEdtForm::StateRefusal() const {
    if (cbxMode->currentIndex() < 0)
        return QString("Please choose Mode");
    if (cbxOper->currentIndex() < 0)
        return QString("Please choose Link State");
    return std::nullopt;
}

std::optional<QString> TIPCtrlEdtForm::AddRefusal() const {
    const std::string address = ToBytes(edtIPAddr->text());
    const std::string mask = ToBytes(edtMask->text());
    if (!TvIPAddressCheck::IsValid(address))
        return QString("Please input valid IP Address.");
    if (!TvIPAddressCheck::IsInterfaceMask(mask))
        return QString("Please input valid Subnet Mask.");
    const int rows = table_->RowCount();
    const std::string network = TvIPAddressCheck::Network(address, mask);
    for (int r = 0; r < rows; ++r) {
        const std::string otherAddress = table_->Cell(r, icIPAddress);
        const std::string otherMask = table_->Cell(r, icSubnetMask);
        if (TvIPAddressCheck::Network(otherAddress, otherMask) == network)
            return QString("There is an same interface, please modify IP or Subnet Mask!");
        if (TvIPAddressCheck::Overlap(address, mask, otherAddress, otherMask))
            return QString("The network overlaps interface %1 (%2 %3), please modify IP or Subnet Mask!")
                .arg(FromBytes(table_->Cell(r, icInterfaceName)), FromBytes(otherAddress),
                     FromBytes(otherMask));
    }
    const std::string name = ToBytes(edtInterface->text());
    if (name.empty())
        return QString("Please input Interface Name.");
    for (int r = 0; r < rows; ++r)
        if (table_->Cell(r, icInterfaceName) == name)
            return QString("Please input different Interface Name.");
    if (cbxSecondary->currentIndex() < 0)
        return QString("Please choose Secondary.");
    const bool secondary = cbxSecondary->currentText() == "true";
    const std::string vlan = ToBytes(edtVlan->text());
    int onVlan = 0;
    for (int r = 0; r < rows; ++r) {
        if (table_->Cell(r, icVlanName) != vlan)
            continue;
        if (++onVlan == 2)
            return QString("A VLAN can just create two interface.");
        if (!secondary)
            return QString(
                "This vlan has been used to create primary interface.\nPlease choose true in Secondary");
        if (table_->Cell(r, icSecondary) == "true")
            return QString("Please input different VLAN Name.");
    }
    if (onVlan == 0 && secondary)
        return QString("You should create primary interface at first.");
    return StateRefusal();
}

void TIPCtrlEdtForm::btnSetClick() {
    // What the dialog holds was loaded from the table; a read in flight is still changing the table.
    if (table_->Waiting()) {
        TvMessageBox::Warning(this, TvDedicatedWindow::kWaitingMessage);
        return;
    }
    const std::optional<QString> refusal = mode_ == mdAdd ? AddRefusal() : StateRefusal();
    if (refusal) {
        TvMessageBox::Warning(this, *refusal);
        return;
    }
    if (Write(mode_ == mdAdd))
        accept();
}

bool TIPCtrlEdtForm::Write(bool add) {
    if (!add) {
        // Taking an interface out of service cuts off whatever reaches the switch through it.
        if (cbxState->currentText() == "notInService" &&
            !TvMessageBox::YesNo(this,
                                 "Take interface " + edtInterface->text() + " (" + edtIPAddr->text() +
                                     ") out of service?\nThe switch stops answering on its address, also to "
                                     "this program if it manages the switch through it.",
                                 "Out of service"))
            return false;
        // The row is the chosen line's: its address comes from the table, not from this dialog.
        return table_->WriteEntry({icMode, icAdminState, icProxyArp});
    }
    cbxState->setCurrentIndex(cbxState->findText("createAndGo"));
    // A state left unchosen is the switch's to decide.
    std::vector<int> written{icIPAddress, icInterfaceName, icSubnetMask, icVlanName,
                             icMode,      icSecondary,     icAdminState};
    if (cbxARP->currentIndex() >= 0)
        written.push_back(icProxyArp);
    return table_->WriteEntry(written);
}

void TIPCtrlEdtForm::btnCloseClick() {
    reject();
}
