#include "windows/TSSLManagementForm.h"
#include "guibase/TvFormRows.h"

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/SecurityWindowTables.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "values/TvCipherSuites.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <array>

namespace {

const bool TSSLManagementFormRegistered =
    TvWindowRegistry::Register("TSSLManagementForm", [](TvWindowHost& host, const TvMenuNode& entry) {
        TvDedicatedWindow::Open<TSSLManagementForm>(host, entry);
    });

QComboBox* SuiteCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems({QStringLiteral("disabled"), QStringLiteral("enabled")});
    combo->setCurrentIndex(-1);
    return combo;
}

// The cache time-out is an unsigned 32-bit number of seconds.
bool IsUnsigned32(const std::string& text) {
    if (text.empty() || text.size() > 10)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return std::stoull(text) <= 0xFFFFFFFFull;
}

} // namespace

TSSLManagementForm::TSSLManagementForm(QWidget* parent) : TvDedicatedWindow(parent, "TSSLManagementForm") {
    cbxSSLVersion = new QComboBox(this);
    cbxSSLVersion->setObjectName(QStringLiteral("cbxSSLVersion"));
    edtciphersuites = new QLineEdit(this);
    edtciphersuites->setObjectName(QStringLiteral("edtciphersuites"));
    edtciphersuites->setVisible(false);
    cbxciphersuites1 = SuiteCombo(this, "cbxciphersuites1");
    cbxciphersuites2 = SuiteCombo(this, "cbxciphersuites2");
    cbxciphersuites3 = SuiteCombo(this, "cbxciphersuites3");
    cbxciphersuites4 = SuiteCombo(this, "cbxciphersuites4");
    edtCacheTimeOut = new QLineEdit(this);
    edtCacheTimeOut->setObjectName(QStringLiteral("edtCacheTimeOut"));
    btnGet = new QPushButton(QStringLiteral("Refresh"), this);
    btnGet->setObjectName(QStringLiteral("btnGet"));
    btnSet = new QPushButton(QStringLiteral("Set"), this);
    btnSet->setObjectName(QStringLiteral("btnSet"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* form = new QFormLayout;
    AddLabelledRow(form, QStringLiteral("SSL Status"), cbxSSLVersion);
    AddLabelledRow(form, QStringLiteral("RSA-with-RC4-128-MD5"), cbxciphersuites1);
    AddLabelledRow(form, QStringLiteral("RSA-with-3DES-EDE-CBC-SHA"), cbxciphersuites2);
    AddLabelledRow(form, QStringLiteral("DHE-DSS-with-3DES-EDE-CBC-SHA"), cbxciphersuites3);
    AddLabelledRow(form, QStringLiteral("RSA-EXPORT-with-RC4-40-MD5"), cbxciphersuites4);
    AddLabelledRow(form, QStringLiteral("Cache Time Out"), edtCacheTimeOut);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnGet);
    buttons->addWidget(btnSet);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    QWidget* order[] = {cbxSSLVersion,    cbxciphersuites1, cbxciphersuites2, cbxciphersuites3,
                        cbxciphersuites4, edtCacheTimeOut,  btnGet,           btnSet};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    setMinimumWidth(420);

    binding_ = std::make_unique<TvSNMPRequest2Edits>(this);
    binding_->Request.VarList = TvSNMPVarList(tblSslControl, TvSNMPVarList::itScalars, 0);
    binding_->Asynchronous = true;
    binding_->BindComboBox(sslStatusAdmin, cbxSSLVersion);
    cbxSSLVersion->setCurrentIndex(-1);
    binding_->BindEdits(sslCipherSuites, QStringLiteral("%s{l2}"), edtciphersuites);
    binding_->BindEdits(sslCacheTimeout, QStringLiteral("%s"), edtCacheTimeOut);
    binding_->OnGetDone = [this](TvSNMPRequest2Controls& b, TvSNMPError& reply) { GetDone(b, reply); };
    binding_->SetStatusTarget(StatusBar1);
    Watch(*binding_);
    GateWhileBusy({btnGet, btnSet});

    connect(btnGet, &QPushButton::clicked, this, &TSSLManagementForm::btnGetClick);
    connect(btnSet, &QPushButton::clicked, this, &TSSLManagementForm::btnSetClick);

    Read();
}

TSSLManagementForm::~TSSLManagementForm() = default;

void TSSLManagementForm::Read() {
    if (!Idle(TvSNMPRequest2Controls::opGet))
        return;
    try {
        binding_->Get();
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opGet, e.what());
    }
}

void TSSLManagementForm::GetDone(TvSNMPRequest2Controls&, TvSNMPError& reply) {
    if (reply.Code != 0)
        return;
    const auto enabled = TvCipherSuites::Decode(ToBytes(edtciphersuites->text()));
    if (!enabled)
        return;
    QComboBox* suites[] = {cbxciphersuites1, cbxciphersuites2, cbxciphersuites3, cbxciphersuites4};
    for (size_t i = 0; i < std::size(suites); ++i)
        suites[i]->setCurrentIndex((*enabled)[i] ? 1 : 0);
}

void TSSLManagementForm::btnGetClick() {
    Read();
}

void TSSLManagementForm::btnSetClick() {
    if (!Idle(TvSNMPRequest2Controls::opSet))
        return;
    QComboBox* suites[] = {cbxciphersuites1, cbxciphersuites2, cbxciphersuites3, cbxciphersuites4};
    bool empty = cbxSSLVersion->currentText().isEmpty() || edtCacheTimeOut->text().isEmpty();
    for (QComboBox* combo : suites)
        empty = empty || combo->currentText().isEmpty();
    if (empty) {
        TvMessageBox::Warning(this, QStringLiteral("Some items are empty."));
        btnSet->setFocus();
        return;
    }
    // A cache time-out that is not a number would be sent as 0.
    if (!IsUnsigned32(ToBytes(edtCacheTimeOut->text()))) {
        TvMessageBox::Warning(this, QStringLiteral("Cache Time Out must be a number from 0 to 4294967295."));
        edtCacheTimeOut->setFocus();
        return;
    }
    TvCipherSuites::Flags enabled{};
    for (size_t i = 0; i < std::size(suites); ++i)
        enabled[i] = suites[i]->currentText() == QStringLiteral("enabled");
    // The bits the window does not show go back as they were read.
    edtciphersuites->setText(FromBytes(TvCipherSuites::Encode(enabled, ToBytes(edtciphersuites->text()))));
    try {
        // What the operator changed only: a setting someone else made meanwhile stays.
        binding_->ControlsToValues();
        const std::vector<int> changed =
            binding_->Differing({sslStatusAdmin, sslCipherSuites, sslCacheTimeout});
        if (changed.empty()) {
            Report(TvSNMPRequest2Controls::opSet, "Nothing was changed: nothing was sent.");
            return;
        }
        binding_->Set(false, false, changed);
    } catch (const std::exception& e) {
        Report(TvSNMPRequest2Controls::opSet, e.what());
    }
}
