#include "windows/TfrmACCServerCtrl.h"
#include "guibase/TvFormRows.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/SecurityWindowTables.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

namespace {

const bool TfrmACCServerCtrlRegistered =
    TvWindowRegistry::Register("TfrmACCServerCtrl", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TfrmACCServerCtrl>(host, entry);
    });

// Four decimal numbers 0 to 255 separated by dots, nothing else.
bool IsDottedQuad(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        bool ok = false;
        if (part.isEmpty() || part.size() > 3 || part.toInt(&ok) > 255 || !ok)
            return false;
        for (QChar c : part)
            if (!c.isDigit())
                return false;
    }
    return true;
}

} // namespace

TfrmACCServerCtrl::TfrmACCServerCtrl(QWidget* parent) : TvDedicatedWindow(parent, "TfrmACCServerCtrl") {
    ListView1 = new QTreeView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    edtGroupName = new QLineEdit(this);
    edtGroupName->setObjectName(QStringLiteral("edtGroupName"));
    edtIPAddr = new QLineEdit(this);
    edtIPAddr->setObjectName(QStringLiteral("edtIPAddr"));
    cbAuthProtocol = new QComboBox(this);
    cbAuthProtocol->setObjectName(QStringLiteral("cbAuthProtocol"));
    cbRowState = new QComboBox(this);
    cbRowState->setObjectName(QStringLiteral("cbRowState"));
    Button1 = new QPushButton(QStringLiteral("Set"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Close"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* form = new QFormLayout;
    AddLabelledRow(form, QStringLiteral("Group Name"), edtGroupName);
    AddLabelledRow(form, QStringLiteral("IP Addr"), edtIPAddr);
    AddLabelledRow(form, QStringLiteral("Auth Protocol"), cbAuthProtocol);
    AddLabelledRow(form, QStringLiteral("Row State"), cbRowState);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    QWidget* order[] = {ListView1, edtGroupName, edtIPAddr, cbAuthProtocol, cbRowState, Button1, Button2};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    resize(440, 380);

    binding_ = std::make_unique<TvSNMPRequest2Edits>(this);
    binding_->Request.VarList = TvSNMPVarList(tblAccServerGroups, TvSNMPVarList::itTable, 3);
    binding_->BindListView(ListView1, false);
    ListView1->header()->setSectionResizeMode(QHeaderView::Stretch);
    binding_->BindEdits(accGroupName, QStringLiteral("%s{l16}"), edtGroupName);
    binding_->BindEdits(accIPAddr, QStringLiteral("%s{l16}"), edtIPAddr);
    binding_->BindComboBox(accAuthProtocol, cbAuthProtocol);
    binding_->BindComboBox(accRowState, cbRowState);
    binding_->SetStatusTarget(StatusBar1);
    // A write the switch took is read back; "Ok" is said once the list shows it.
    binding_->OnSetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) {
        if (reply.Code != 0) {
            TvMessageBox::Error(this, QStringLiteral("Set entry failed!"));
            return;
        }
        readingBack_ = true;
        Read();
    };
    binding_->OnGetDone = [this](TvSNMPRequest2Controls&, TvSNMPError& reply) {
        // A failing walk after the write is the list's problem, not a failed write.
        if (std::exchange(readingBack_, false) && reply.Code == 0)
            StatusBar1->showMessage(QStringLiteral("Set: Ok!. Receive at ") +
                                    QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat) +
                                    QStringLiteral("."));
    };
    Watch(*binding_);
    GateWhileBusy({Button1});

    connect(Button1, &QPushButton::clicked, this, &TfrmACCServerCtrl::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmACCServerCtrl::Button2Click);

    Read();
    EmptyFields();
}

TfrmACCServerCtrl::~TfrmACCServerCtrl() = default;

void TfrmACCServerCtrl::EmptyFields() {
    edtGroupName->clear();
    edtIPAddr->clear();
    cbAuthProtocol->setCurrentIndex(-1);
    cbRowState->setCurrentIndex(-1);
}

void TfrmACCServerCtrl::Read() {
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        readingBack_ = false;
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TfrmACCServerCtrl::Button1Click() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    if (edtGroupName->text().isEmpty() || edtIPAddr->text().isEmpty() ||
        cbAuthProtocol->currentText().isEmpty() || cbRowState->currentText().isEmpty()) {
        StatusBar1->showMessage(QStringLiteral("Don't Leave Empty Fileds !"));
        return;
    }
    // An address that is not one would name some other server's row.
    if (!IsDottedQuad(edtIPAddr->text())) {
        StatusBar1->showMessage(QStringLiteral("IP Addr must be an address such as 10.90.90.10."));
        edtIPAddr->setFocus();
        return;
    }
    try {
        // The fields name the row, whatever membership is selected in the list.
        binding_->Set(false, true);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
        TvMessageBox::Error(this, QStringLiteral("Set entry failed!"));
    }
}

void TfrmACCServerCtrl::Button2Click() {
    reject();
}
