#include "windows/TMd5EditForm.h"
#include "guibase/TvFormRows.h"

#include "binding/TvDedicatedWindow.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/SecurityWindowTables.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "values/TvMd5KeyCheck.h"
#include "values/TvSecret.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TMd5EditForm::TMd5EditForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TMd5EditForm"));
    KeyIDEdit = new QLineEdit(this);
    KeyIDEdit->setObjectName(QStringLiteral("KeyIDEdit"));
    KeyEdit = new QLineEdit(this);
    KeyEdit->setObjectName(QStringLiteral("KeyEdit"));
    KeyEdit->setPlaceholderText(QStringLiteral("1 to 16 ASCII characters"));
    // The key is shown as typed, but never offered to other programs or kept for undo after closing.
    KeyEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    SetButton = new QPushButton(QStringLiteral("Set"), this);
    SetButton->setObjectName(QStringLiteral("SetButton"));
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));

    auto* form = new QFormLayout;
    AddLabelledRow(form, QStringLiteral("Key ID [1..255]"), KeyIDEdit);
    AddLabelledRow(form, QStringLiteral("Key"), KeyEdit);
    AddLabelledRow(form, QStringLiteral("Status"), ComboBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SetButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    QWidget::setTabOrder(KeyIDEdit, KeyEdit);
    QWidget::setTabOrder(KeyEdit, ComboBox1);
    QWidget::setTabOrder(ComboBox1, SetButton);
    QWidget::setTabOrder(SetButton, CloseButton);

    connect(SetButton, &QPushButton::clicked, this, &TMd5EditForm::SetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TMd5EditForm::CloseButtonClick);
}

TMd5EditForm::~TMd5EditForm() {
    // The binding may be gone already; the table window wipes its values.
    KeyEdit->setText(QString());
}

void TMd5EditForm::Attach(TvSNMPRequest2Edits* binding, KeyIdSource listedKeyIds, const QString& address) {
    binding_ = binding;
    listedKeyIds_ = std::move(listedKeyIds);
    address_ = address;
}

void TMd5EditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TMd5EditForm::hideEvent(QHideEvent* event) {
    ClearSecrets();
    QDialog::hideEvent(event);
}

void TMd5EditForm::FormActivate() {
    KeyEdit->setEnabled(true);
    ComboBox1->setEnabled(false);
    if (mode_ == Mode::Edit) {
        KeyIDEdit->setEnabled(false);
        ComboBox1->setCurrentIndex(ComboBox1->findText(QStringLiteral("active")));
        KeyEdit->setFocus();
        return;
    }
    KeyIDEdit->setEnabled(true);
    KeyIDEdit->clear();
    KeyEdit->setText(QString());
    ComboBox1->setCurrentIndex(ComboBox1->findText(QStringLiteral("createAndGo")));
    setWindowTitle(QStringLiteral("MD5 Information Table: ") + address_ + QStringLiteral("(Add)"));
    KeyIDEdit->setFocus();
}

void TMd5EditForm::ClearSecrets() {
    // setText, unlike clear(), also drops the undo history that would keep the old key.
    KeyEdit->setText(QString());
    if (binding_ && binding_->Request.VarList.Count() > md5Key)
        TvSecret::Wipe(binding_->Request.VarList.Item(md5Key).Value);
}

void TMd5EditForm::SetButtonClick() {
    TvMd5KeyCheck::Entry entry;
    entry.EntryMode = mode_ == Mode::Add ? TvMd5KeyCheck::Mode::Add : TvMd5KeyCheck::Mode::Edit;
    entry.KeyID = ToBytes(KeyIDEdit->text());
    // UTF-8, so that a character outside ASCII is refused rather than re-encoded on the way out.
    entry.Key = KeyEdit->text().toUtf8().toStdString();
    entry.Status = ToBytes(ComboBox1->currentText());
    const auto failure =
        TvMd5KeyCheck::Check(entry, listedKeyIds_ ? listedKeyIds_() : std::vector<std::string>{});
    TvSecret::Wipe(entry.Key);
    if (failure) {
        TvMessageBox::Warning(this, FromBytes(failure->Message));
        QWidget* field = failure->Focus == TvMd5KeyCheck::Field::KeyID ? static_cast<QWidget*>(KeyIDEdit)
                         : failure->Focus == TvMd5KeyCheck::Field::Key ? static_cast<QWidget*>(KeyEdit)
                                                                       : ComboBox1;
        if (field->isEnabled())
            field->setFocus();
        return;
    }
    if (!binding_)
        return;
    if (binding_->Busy) {
        TvMessageBox::Warning(this, TvDedicatedWindow::kWaitingMessage);
        return;
    }
    try {
        // The row is the one the dialog's Key ID names; a new walk follows the write.
        binding_->Set(true, true);
    } catch (const std::exception& e) {
        binding_->ShowStatus(TvSNMPRequest2Controls::opSet, e.what());
    }
    // The request is on its way; nothing here keeps the key.
    TvSecret::Wipe(binding_->Request.VarList.Item(md5Key).Value);
    accept();
}

void TMd5EditForm::CloseButtonClick() {
    reject();
}
