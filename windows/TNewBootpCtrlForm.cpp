#include "windows/TNewBootpCtrlForm.h"

#include "catalog/CatalogIPWindows.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "values/TvIPAddressCheck.h"
#include "windows/TBOOTCtrlTableForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm* table) : QDialog(table), table_(table) {
    setObjectName("TNewBootpCtrlForm");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    DeleteBtn = new QPushButton("Set", this);
    DeleteBtn->setObjectName("DeleteBtn");
    DeleteBtn->setDefault(true);
    BitBtn1 = new QPushButton("Close", this);
    BitBtn1->setObjectName("BitBtn1");

    auto* form = new QFormLayout;
    auto* nameLabel = TvPlainText::NewLabel("&Interface Name", this);
    nameLabel->setBuddy(Edit1);
    auto* serverLabel = TvPlainText::NewLabel("&Bootp Server IP", this);
    serverLabel->setBuddy(Edit2);
    form->addRow(nameLabel, Edit1);
    form->addRow(serverLabel, Edit2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DeleteBtn);
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, DeleteBtn);
    setTabOrder(DeleteBtn, BitBtn1);

    connect(DeleteBtn, &QPushButton::clicked, this, &TNewBootpCtrlForm::DeleteBtnClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TNewBootpCtrlForm::BitBtn1Click);
}

void TNewBootpCtrlForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    if (!activated_) {
        Edit1->clear();
        Edit2->clear();
        activated_ = true;
    }
    Edit1->setFocus();
}

void TNewBootpCtrlForm::DeleteBtnClick() {
    // The four-server check counts the table's lines; a read in flight is still filling them.
    if (table_->Waiting()) {
        TvMessageBox::Warning(this, TvDedicatedWindow::kWaitingMessage);
        return;
    }
    const std::string name = ToBytes(Edit1->text());
    const std::string server = ToBytes(Edit2->text());
    // The relay needs an interface to listen on; an empty name would make a row of no interface.
    if (name.empty()) {
        TvMessageBox::Warning(this, "Please input Interface Name.");
        return;
    }
    if (const auto names = table_->InterfaceNames();
        names && std::find(names->begin(), names->end(), name) == names->end()) {
        QStringList known;
        for (const std::string& n : *names)
            known << FromBytes(n);
        TvMessageBox::Warning(this, "The switch has no IP interface named \"" + Edit1->text() +
                                        "\".\nIts interfaces: " + known.join(", ") + ".");
        return;
    }
    if (!TvIPAddressCheck::IsValid(server)) {
        TvMessageBox::Warning(this, "Invalid Bootp Server IP Address.");
        return;
    }
    int servers = 0;
    for (int r = 0; r < table_->RowCount() && servers < kBootpServersPerInterface; ++r)
        if (table_->Cell(r, bcInterfaceName) == name)
            ++servers;
    if (servers == kBootpServersPerInterface) {
        TvMessageBox::Warning(this, "One Interface Can Only With Four Bootp Servers");
        return;
    }
    if (!table_->WriteRow(name, server, "valid"))
        return;
    Edit1->clear();
    Edit2->clear();
    accept();
}

void TNewBootpCtrlForm::BitBtn1Click() {
    reject();
}
