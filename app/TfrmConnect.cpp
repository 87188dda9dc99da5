#include "app/TfrmConnect.h"

#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "profile/CommandLine.h"
#include "values/TvSecret.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cstring>
#include <iterator>
#include <optional>
#include <span>
#include <utility>

namespace {

// Items with their session codes.
struct CodedItem {
    const char* Text;
    int Code;
};
constexpr CodedItem kVersions[] = {{"SNMPv1", 0}, {"SNMPv2c", 1}, {"SNMPv3", 3}};
constexpr CodedItem kLevels[] = {{"noAuthNoPriv", 1}, {"authNoPriv", 2}, {"authPriv", 3}};
constexpr CodedItem kAuthProtocols[] = {{"None", 1},         {"HMAC-MD5", 2},     {"HMAC-SHA", 3},
                                        {"HMAC-SHA-224", 4}, {"HMAC-SHA-256", 5}, {"HMAC-SHA-384", 6},
                                        {"HMAC-SHA-512", 7}};
constexpr CodedItem kPrivProtocols[] = {
    {"None", 1}, {"CBC-DES", 2}, {"AES-128", 4}, {"AES-192", 5}, {"AES-256", 6}};
constexpr const char* kSecurityNames[] = {"noAuthUser", "MD5_User", "MD5_DES_User", "SHA_User",
                                          "SHA_DES_User"};

QComboBox* CodedCombo(QWidget* parent, const char* name, std::span<const CodedItem> items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const CodedItem& item : items)
        combo->addItem(item.Text, item.Code);
    return combo;
}

void SelectCode(QComboBox* combo, int code) {
    const int index = combo->findData(code);
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

QLineEdit* Edit(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

std::string Bytes(const QString& text) {
    return text.toUtf8().toStdString();
}

// Appends the UTF-8 bytes of a secret field; the conversion's own buffer is wiped, not just given back.
void AppendSecret(std::string& to, const QString& text) {
    QByteArray utf8 = text.toUtf8();
    to.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    explicit_bzero(utf8.data(), static_cast<std::size_t>(utf8.size()));
}

// The number of UTF-8 bytes of a secret field.
std::size_t SecretLength(const QString& text) {
    std::string bytes;
    AppendSecret(bytes, text);
    const std::size_t length = bytes.size();
    TvSecret::Wipe(bytes);
    return length;
}

// Empties a secret field and zeroes the text it held: once the field has let go of it, this copy is the
// only holder of that memory.
void WipeField(QLineEdit* edit) {
    QString text = edit->text();
    edit->setText(QString());
    if (!text.isEmpty())
        explicit_bzero(text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
}

void WipeAll(std::vector<std::string>& texts) {
    for (std::string& t : texts)
        TvSecret::Wipe(t);
}

// The address field split into host and port ("sw1", "10.0.0.1:1161"); `error` says why it cannot be.
struct Target {
    QString Host;
    std::optional<int> Port;
    QString Error;
};

Target SplitAddress(const QString& typed) {
    const QString text = typed.trimmed();
    // The session speaks IPv4 only (the command line resolves "/I" to an IPv4 address).
    if (text.startsWith('[') || text.count(':') > 1)
        return {{}, {}, "IPv6 addresses cannot be used: enter a host name or an IPv4 address."};
    const auto colon = text.indexOf(':');
    if (colon < 0)
        return {text, {}, {}};
    const QString port = text.mid(colon + 1);
    bool ok = false;
    const int number = port.toInt(&ok);
    if (!ok || number < 1 || number > 65535 || !port.front().isDigit())
        return {{},
                {},
                QString("The port after \"%1:\" must be a number from 1 to 65535.").arg(text.left(colon))};
    return {text.left(colon), number, {}};
}

// The field a text switch comes from, for messages.
QString FieldOf(const std::string& sw) {
    static const std::pair<const char*, const char*> fields[] = {
        {"/I", "address"},       {"/R", "read community"},   {"/W", "write community"},
        {"/n", "security name"}, {"/A", "auth password"},    {"/P", "priv password"},
        {"/c", "context name"},  {"/d", "context engine ID"}};
    for (const auto& [name, field] : fields)
        if (sw == name)
            return field;
    return QString::fromStdString(sw);
}

} // namespace

TfrmConnect::TfrmConnect(const QList<TvRecentSwitch>& recent, QWidget* parent)
    : QDialog(parent), recent_(recent) {
    setObjectName("frmConnect");
    setWindowTitle("Connect to switch");

    lstRecent = new QListWidget(this);
    lstRecent->setObjectName("lstRecent");
    for (const TvRecentSwitch& s : recent_)
        lstRecent->addItem(s.Caption());
    auto* recentLabel = TvPlainText::NewLabel("&Switches used before :", this);
    recentLabel->setBuddy(lstRecent);

    edtAddress = Edit(this, "edtAddress");
    edtAddress->setPlaceholderText("host name or IPv4 address, :port if not 161");
    edtPort = new QSpinBox(this);
    edtPort->setObjectName("edtPort");
    edtPort->setRange(1, 65535);
    edtPort->setValue(161);
    edtPort->setToolTip(TvPlainText::ToolTip(
        "A device profile of the switch (SNMP Configure) replaces the port, as it does the "
        "other settings it holds."));
    rgpSNMPVersion = new TvRadioGroup("SNMP Version", this);
    rgpSNMPVersion->setObjectName("rgpSNMPVersion");
    QStringList versions;
    for (const CodedItem& v : kVersions)
        versions << v.Text;
    rgpSNMPVersion->SetItems(versions);
    rgpSNMPVersion->SetItemIndex(0);
    edtReadCommunity = Edit(this, "edtReadCommunity", "rdcomm");
    edtWriteCommunity = Edit(this, "edtWriteCommunity", "wrtcomm");

    cbxSecurityName = new QComboBox(this);
    cbxSecurityName->setObjectName("cbxSecurityName");
    cbxSecurityName->setEditable(true);
    for (const char* name : kSecurityNames)
        cbxSecurityName->addItem(name);
    cbxSecurityName->setCurrentText(QString());
    cbxSecurityLevel = CodedCombo(this, "cbxSecurityLevel", kLevels);
    cbxAuthProtocol = CodedCombo(this, "cbxAuthProtocol", kAuthProtocols);
    edtAuthPass = Edit(this, "edtAuthPass");
    edtAuthPass->setEchoMode(QLineEdit::Password);
    cbxPrivProtocol = CodedCombo(this, "cbxPrivProtocol", kPrivProtocols);
    edtPrivPass = Edit(this, "edtPrivPass");
    edtPrivPass->setEchoMode(QLineEdit::Password);
    edtContext = Edit(this, "edtContext");
    edtContextEngine = Edit(this, "edtContextEngine");

    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    btnCancel->setObjectName("btnCancel");

    // Switch and version on the left, the credentials on the right, the list of switches used before
    // above both.
    auto* target = new QFormLayout;
    target->addRow("&Address :", edtAddress);
    target->addRow("&Port :", edtPort);
    auto* communities = new QFormLayout;
    communities->addRow("&Read Community :", edtReadCommunity);
    communities->addRow("&Write Community :", edtWriteCommunity);
    auto* left = new QVBoxLayout;
    left->addLayout(target);
    left->addWidget(rgpSNMPVersion);
    left->addLayout(communities);
    left->addStretch();
    auto* v3 = new QGroupBox("SNMPv3", this);
    v3->setObjectName("grpSNMPv3");
    auto* user = new QFormLayout(v3);
    user->addRow("Security &Name :", cbxSecurityName);
    user->addRow("Security &Level :", cbxSecurityLevel);
    user->addRow("A&uth Protocol :", cbxAuthProtocol);
    user->addRow("Aut&h Password :", edtAuthPass);
    user->addRow("Pri&v Protocol :", cbxPrivProtocol);
    user->addRow("Priv Passw&ord :", edtPrivPass);
    user->addRow("&Context Name :", edtContext);
    user->addRow("Context &Engine ID :", edtContextEngine);
    auto* fields = new QHBoxLayout;
    fields->addLayout(left);
    fields->addWidget(v3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(recentLabel);
    layout->addWidget(lstRecent);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    lstRecent->setMaximumHeight(lstRecent->sizeHintForRow(0) > 0 ? lstRecent->sizeHintForRow(0) * 6 + 8
                                                                 : 120);
    lstRecent->setVisible(!recent_.isEmpty());
    recentLabel->setVisible(!recent_.isEmpty());

    setTabOrder(lstRecent, edtAddress);
    setTabOrder(edtAddress, edtPort);
    setTabOrder(edtPort, rgpSNMPVersion);
    setTabOrder(rgpSNMPVersion, edtReadCommunity);
    setTabOrder(edtReadCommunity, edtWriteCommunity);
    setTabOrder(edtWriteCommunity, cbxSecurityName);
    setTabOrder(cbxSecurityName, cbxSecurityLevel);
    setTabOrder(cbxSecurityLevel, cbxAuthProtocol);
    setTabOrder(cbxAuthProtocol, edtAuthPass);
    setTabOrder(edtAuthPass, cbxPrivProtocol);
    setTabOrder(cbxPrivProtocol, edtPrivPass);
    setTabOrder(edtPrivPass, edtContext);
    setTabOrder(edtContext, edtContextEngine);

    connect(btnOk, &QPushButton::clicked, this, &TfrmConnect::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(rgpSNMPVersion, &TvRadioGroup::ItemIndexChanged, this, &TfrmConnect::rgpSNMPVersionClick);
    connect(lstRecent, &QListWidget::currentRowChanged, this, &TfrmConnect::lstRecentClick);
    connect(lstRecent, &QListWidget::itemActivated, this, &TfrmConnect::btnOkClick);
    connect(edtAddress, &QLineEdit::editingFinished, this, &TfrmConnect::edtAddressExit);

    if (!recent_.isEmpty())
        lstRecent->setCurrentRow(0);
    rgpSNMPVersionClick();
    edtAddress->setFocus();
}

TfrmConnect::~TfrmConnect() {
    // The focused address field finishes its editing when the children are destroyed, after this
    // destructor has run.
    disconnect(edtAddress, &QLineEdit::editingFinished, this, &TfrmConnect::edtAddressExit);
    // The passwords leave memory with the dialog.
    WipeField(edtAuthPass);
    WipeField(edtPrivPass);
    for (QLineEdit* edit : {edtReadCommunity, edtWriteCommunity})
        WipeField(edit);
}

bool TfrmConnect::DisplayPresent() {
    const QString platform = QGuiApplication::platformName();
    return !platform.isEmpty() && platform != "offscreen" && platform != "minimal";
}

int TfrmConnect::Version() const {
    const int index = rgpSNMPVersion->ItemIndex();
    return index >= 0 && index < int(std::size(kVersions)) ? kVersions[index].Code : 0;
}

void TfrmConnect::rgpSNMPVersionClick() {
    const bool v3 = Version() == 3;
    // The user only matters under SNMPv3, the communities only below it; the port under every version.
    for (QWidget* w : {static_cast<QWidget*>(edtReadCommunity), static_cast<QWidget*>(edtWriteCommunity)})
        w->setEnabled(!v3);
    if (QWidget* group = findChild<QWidget*>("grpSNMPv3"))
        group->setEnabled(v3);
}

void TfrmConnect::edtAddressExit() {
    const Target target = SplitAddress(edtAddress->text());
    if (!target.Error.isEmpty() || !target.Port)
        return;
    edtAddress->setText(target.Host);
    edtPort->setValue(*target.Port);
}

void TfrmConnect::lstRecentClick() {
    const int row = lstRecent->currentRow();
    if (row >= 0 && row < recent_.size())
        Fill(recent_[row]);
}

void TfrmConnect::Fill(const TvRecentSwitch& s) {
    edtAddress->setText(s.Address);
    edtPort->setValue(s.Port);
    for (int i = 0; i < int(std::size(kVersions)); ++i)
        if (kVersions[i].Code == s.Version)
            rgpSNMPVersion->SetItemIndex(i);
    cbxSecurityName->setCurrentText(s.SecurityName);
    SelectCode(cbxSecurityLevel, s.SecurityLevel);
    SelectCode(cbxAuthProtocol, s.AuthProtocol);
    SelectCode(cbxPrivProtocol, s.PrivProtocol);
    edtAuthPass->clear();
    edtPrivPass->clear();
    edtContext->setText(s.ContextName);
    edtContextEngine->setText(s.ContextEngineID);
    rgpSNMPVersionClick();
}

TvRecentSwitch TfrmConnect::Choice() const {
    TvRecentSwitch s;
    s.Address = edtAddress->text().trimmed();
    s.Version = Version();
    s.Port = edtPort->value();
    if (s.Version == 3) {
        s.SecurityName = cbxSecurityName->currentText();
        s.SecurityLevel = cbxSecurityLevel->currentData().toInt();
        s.AuthProtocol = cbxAuthProtocol->currentData().toInt();
        s.PrivProtocol = cbxPrivProtocol->currentData().toInt();
        s.ContextName = edtContext->text();
        s.ContextEngineID = edtContextEngine->text();
    }
    return s;
}

std::vector<std::string> TfrmConnect::Parameters() const {
    const TvRecentSwitch s = Choice();
    std::vector<std::string> params;
    params.reserve(16); // never moved while it holds secrets: a move would leave short ones behind
    params.push_back("/I" + Bytes(s.Address));
    const auto secret = [&params](const char* name, const QLineEdit* edit) {
        std::string param = name;
        param.reserve(param.size() + static_cast<std::size_t>(edit->text().size()) * 3);
        AppendSecret(param, edit->text());
        params.push_back(std::move(param));
    };
    // "/t" counts only once "/v3" was read: below SNMPv3 the port rides on a "/v3" that the real
    // version then replaces.
    if (s.Version != 3 && s.Port != 161)
        params.insert(params.end(), {"/v3", "/t" + std::to_string(s.Port)});
    params.push_back("/v" + std::to_string(s.Version));
    if (s.Version != 3) {
        secret("/R", edtReadCommunity);
        secret("/W", edtWriteCommunity);
        return params;
    }
    params.push_back("/t" + std::to_string(s.Port));
    params.push_back("/m3");
    params.push_back("/l" + std::to_string(s.SecurityLevel));
    params.push_back("/n" + Bytes(s.SecurityName));
    params.push_back("/a" + std::to_string(s.AuthProtocol));
    secret("/A", edtAuthPass);
    params.push_back("/p" + std::to_string(s.PrivProtocol));
    secret("/P", edtPrivPass);
    params.push_back("/c" + Bytes(s.ContextName));
    params.push_back("/d" + Bytes(s.ContextEngineID));
    return params;
}

bool TfrmConnect::Check(Refusal* refusal) const {
    const auto refuse = [refusal](const QString& text, QWidget* field, bool warning = false) {
        *refusal = {text, field, warning};
        return false;
    };
    const Target target = SplitAddress(edtAddress->text());
    if (target.Host.isEmpty() && target.Error.isEmpty())
        return refuse("Enter the address of the switch.", edtAddress);
    if (!target.Error.isEmpty())
        return refuse(target.Error, edtAddress);
    if (!ResolveIPv4(Bytes(target.Host)))
        return refuse("Error Host Name!", edtAddress);
    if (Version() == 3) {
        const std::pair<QWidget*, QString> names[] = {{cbxSecurityName, cbxSecurityName->currentText()},
                                                      {edtContext, edtContext->text()}};
        for (const auto& [field, text] : names)
            if (const auto octets = Bytes(text).size(); octets > MaxNameOctets)
                return refuse(QString("The %1 is %2 octets long: SNMPv3 allows at most %3.")
                                  .arg(field == cbxSecurityName ? "security name" : "context name")
                                  .arg(octets)
                                  .arg(MaxNameOctets),
                              field);
        // The passwords the level uses; the session could not be opened with a shorter one.
        const int level = cbxSecurityLevel->currentData().toInt();
        const std::pair<QLineEdit*, const char*> passwords[] = {{edtAuthPass, "Auth Password"},
                                                                {edtPrivPass, "Priv Password"}};
        for (int i = 0; i < level - 1; ++i)
            if (const auto& [edit, name] = passwords[i]; SecretLength(edit->text()) < MinPasswordLength)
                return refuse(
                    QString("The %1 is shorter than %2 characters: net-snmp refuses such a password.")
                        .arg(name)
                        .arg(MinPasswordLength),
                    edit, true);
    }
    // A value holding a switch that the scan tries before its own would be read as that switch.
    std::vector<std::string> params = Parameters();
    for (const std::string& param : params) {
        const std::string own = param.substr(0, 2);
        if (const std::string taken = SwitchOf(param); taken != own) {
            WipeAll(params);
            return refuse(QString("The %1 cannot hold \"%2\": the program's command line would read it as "
                                  "another setting.")
                              .arg(FieldOf(own), QString::fromStdString(taken)),
                          nullptr);
        }
    }
    WipeAll(params);
    return true;
}

void TfrmConnect::btnOkClick() {
    edtAddressExit(); // what is used is what the fields show
    if (Refusal refusal; !Check(&refusal)) {
        if (refusal.Warning)
            TvMessageBox::Warning(this, refusal.Text);
        else
            TvMessageBox::Error(this, refusal.Text);
        if (refusal.Field)
            refusal.Field->setFocus();
        return;
    }
    accept();
}
