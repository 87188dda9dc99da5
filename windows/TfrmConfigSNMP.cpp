#include "windows/TfrmConfigSNMP.h"

#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "profile/CommandLine.h"
#include "profile/DeviceProfile.h"
#include "profile/OperatingMode.h"
#include "profile/TvIni.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

const QStringList kSecurityNames = {"noAuthUser", "MD5_User", "MD5_DES_User", "SHA_User", "SHA_DES_User"};
const QStringList kSecurityLevels = {"NoAuthNoPriv", "AuthNoPriv", "AuthPriv"};
// The specified items first: their positions are what the profile stores. The SHA-2 and AES items
// follow, so a profile of the first three items reads as before.
const QStringList kAuthProtocols = {"None",        "HMACMD5",     "HMAC_SHA",   "HMAC_SHA224",
                                    "HMAC_SHA256", "HMAC_SHA384", "HMAC_SHA512"};
const QStringList kPrivProtocols = {"None", "CBC_DES", "CBC_IDEA", "CFB_AES128", "CFB_AES192", "CFB_AES256"};
// Session privacy codes in list order (the profile reader maps position 2 to 9).
constexpr int kPrivCodes[] = {1, 2, 9, 4, 5, 6};

constexpr const char* kDefaultReadCommunity = "rdcomm";
constexpr const char* kDefaultWriteCommunity = "wrtcomm";
constexpr int kMinPasswordLength = 8; // shorter keys are refused by SNMPv3 agents

const char* const kVersionQuestion =
    "SNMP Version has been modified!\r\nIf you want to run the module in new "
    "version,please rerun it again.\r\n\nSwitch to new version?";

int WholeNumber(const std::string& text, int otherwise) {
    return ParseWholeNumber(text).value_or(otherwise);
}

// The item whose text matches `text` without regard to case, or -1.
int MatchItem(const QComboBox* combo, const QString& text) {
    const QString wanted = text.trimmed();
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// Selects the item matching the typed text, so that what is shown is what is stored.
void SelectMatch(QComboBox* combo) {
    const int i = MatchItem(combo, combo->currentText());
    if (i >= 0) {
        combo->setCurrentIndex(i);
        combo->setEditText(combo->itemText(i));
    }
}

QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] { SelectMatch(combo); });
    return combo;
}

QLineEdit* NewEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

// Inactive fields are painted in the menu colour, active ones in the window colour.
void Paint(QWidget* control, bool active) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, QPalette().color(active ? QPalette::Base : QPalette::Window));
    control->setPalette(palette);
}

const bool TfrmConfigSNMPRegistered =
    TvWindowRegistry::Register("TfrmConfigSNMP", [](TvWindowHost& host, const TvMenuNode&) {
        TfrmConfigSNMP::SNMPConfigure1Click(host);
    });

} // namespace

TfrmConfigSNMP::TfrmConfigSNMP(QWidget* owner, const ConnectionTexts& running, const std::string& programFile)
    : QDialog(owner), running_(running) {
    setObjectName("frmConfigSNMP");
    setWindowTitle("Device SNMP Configure");

    lblIP = new QLabel(this);
    lblIP->setObjectName("lblIP");
    edtPort = NewEdit(this, "edtPort");
    rgpSNMPVersion = new TvRadioGroup("SNMP Version", this);
    rgpSNMPVersion->setObjectName("rgpSNMPVersion");
    rgpSNMPVersion->SetItems({"SNMPv1", "SNMPv2c", "SNMPv3"});
    // Three columns: the versions side by side.
    if (auto* row = qobject_cast<QBoxLayout*>(rgpSNMPVersion->layout()))
        row->setDirection(QBoxLayout::LeftToRight);
    cbxSecurityName = NewCombo(this, "cbxSecurityName", kSecurityNames);
    cbxSecurityLevel = NewCombo(this, "cbxSecurityLevel", kSecurityLevels);
    cbxAuthProtocol = NewCombo(this, "cbxAuthProtocol", kAuthProtocols);
    edtAuthPass = NewEdit(this, "edtAuthPass");
    cbxPrivProtocol = NewCombo(this, "cbxPrivProtocol", kPrivProtocols);
    edtPrivPass = NewEdit(this, "edtPrivPass");
    for (QLineEdit* pass : {edtAuthPass, edtPrivPass}) {
        pass->setEchoMode(QLineEdit::Password);
        pass->setPlaceholderText("(keep the stored password)");
    }
    lblPasswordNote = new QLabel("An empty password keeps the stored one.", this);
    lblPasswordNote->setObjectName("lblPasswordNote");
    edtContext = NewEdit(this, "edtContext");
    edtContextEngine = NewEdit(this, "edtContextEngine");
    edtCommunity = NewEdit(this, "edtCommunity");
    btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnExit = new QPushButton("Exit", this);
    btnExit->setObjectName("btnExit");

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    addRow("IP : ", lblIP);
    addRow("&Port : ", edtPort);
    grid->addWidget(rgpSNMPVersion, row++, 0, 1, 2);
    addRow("Security &Name : ", cbxSecurityName);
    addRow("Security &Level : ", cbxSecurityLevel);
    addRow("&Auth Protocol : ", cbxAuthProtocol);
    addRow("Auth Pass&word : ", edtAuthPass);
    addRow("P&riv Protocol : ", cbxPrivProtocol);
    addRow("Priv Pa&ssword : ", edtPrivPass);
    grid->addWidget(lblPasswordNote, row++, 1);
    addRow("&Context Name : ", edtContext);
    addRow("Context &Engine ID :  ", edtContextEngine);
    addRow("Write Community S&tring : ", edtCommunity);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(edtPort, rgpSNMPVersion);
    setTabOrder(rgpSNMPVersion, cbxSecurityName);
    setTabOrder(cbxSecurityName, cbxSecurityLevel);
    setTabOrder(cbxSecurityLevel, cbxAuthProtocol);
    setTabOrder(cbxAuthProtocol, edtAuthPass);
    setTabOrder(edtAuthPass, cbxPrivProtocol);
    setTabOrder(cbxPrivProtocol, edtPrivPass);
    setTabOrder(edtPrivPass, edtContext);
    setTabOrder(edtContext, edtContextEngine);
    setTabOrder(edtContextEngine, edtCommunity);
    setTabOrder(edtCommunity, btnOk);
    setTabOrder(btnOk, btnExit);

    const std::string name = ProfileFileName(running_.AgentIP);
    profileFile_ = ProgramFolder(programFile) + (name.empty() ? running_.AgentIP + ".cfg" : name);

    FormCreate();
    connect(rgpSNMPVersion, &TvRadioGroup::ItemIndexChanged, this, [this] { rgpSNMPVersionClick(); });
    connect(btnOk, &QPushButton::clicked, this, &TfrmConfigSNMP::btnOkClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmConfigSNMP::btnExitClick);
}

TfrmConfigSNMP::~TfrmConfigSNMP() = default;

void TfrmConfigSNMP::FormCreate() {
    versionChanged_ = false;
    lblIP->setText(FromBytes(running_.AgentIP));
    // The running session's settings, so that OK without changes stores what is in use, not defaults.
    edtPort->setText(running_.AgentPort.empty() ? QString("161") : FromBytes(running_.AgentPort));
    const int version = WholeNumber(running_.Version, 0);
    rgpSNMPVersion->SetItemIndex(version == 3 ? 2 : version == 1 ? 1 : 0);

    cbxSecurityName->setEditText(FromBytes(running_.SecurityName));
    SelectMatch(cbxSecurityName);
    const auto choose = [](QComboBox* combo, int index) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
        if (combo->currentIndex() < 0)
            combo->setEditText(QString());
    };
    choose(cbxSecurityLevel, WholeNumber(running_.SecurityLevel, 0) - 1);
    choose(cbxAuthProtocol, WholeNumber(running_.AuthProtocol, 0) - 1);
    const int privCode = WholeNumber(running_.PrivProtocol, 0);
    const auto priv = std::find(std::begin(kPrivCodes), std::end(kPrivCodes), privCode);
    choose(cbxPrivProtocol,
           priv == std::end(kPrivCodes) ? -1 : static_cast<int>(priv - std::begin(kPrivCodes)));
    edtContextEngine->setText(FromBytes(running_.ContextEngineID));
    if (version == 3) {
        edtContext->setText(FromBytes(running_.ContextName));
        edtCommunity->setText(FromBytes(running_.SetCommStr));
    } else {
        edtContext->setText(running_.GetCommStr.empty() ? QString(kDefaultReadCommunity)
                                                        : FromBytes(running_.GetCommStr));
        edtCommunity->setText(running_.SetCommStr.empty() ? QString(kDefaultWriteCommunity)
                                                          : FromBytes(running_.SetCommStr));
    }
    SetV3Active(version == 3);
}

bool TfrmConfigSNMP::IsV3() const {
    return rgpSNMPVersion->ItemIndex() == 2;
}

void TfrmConfigSNMP::SetV3Active(bool active) {
    for (QComboBox* combo : {cbxSecurityName, cbxSecurityLevel, cbxAuthProtocol, cbxPrivProtocol}) {
        combo->setEnabled(active);
        Paint(combo, active);
    }
    for (QLineEdit* edit : {edtAuthPass, edtPrivPass, edtContextEngine}) {
        edit->setReadOnly(!active);
        Paint(edit, active);
    }
}

void TfrmConfigSNMP::rgpSNMPVersionClick() {
    const bool v3 = IsV3();
    SetV3Active(v3);
    edtContext->setText(v3 ? QString() : QString(kDefaultReadCommunity));
    edtCommunity->setText(v3 ? QString() : QString(kDefaultWriteCommunity));
}

bool TfrmConfigSNMP::Refuse(const QString& message, QWidget* focus) {
    TvMessageBox::Warning(this, message);
    if (focus)
        focus->setFocus();
    return false;
}

bool TfrmConfigSNMP::Validate() {
    if (IsV3()) {
        const std::pair<QComboBox*, const char*> required[] = {
            {cbxSecurityName, "SecurityName is empty!"},
            {cbxSecurityLevel, "SecurityLevel is empty!"},
            {cbxAuthProtocol, "AuthProtocol is empty!"},
            {cbxPrivProtocol, "PrivProtocol is empty!"},
        };
        for (const auto& [combo, message] : required)
            if (combo->currentText().isEmpty())
                return Refuse(message, combo);
        // A name typed by hand is kept; level and protocols must be items of their lists, never -1.
        SelectMatch(cbxSecurityName);
        const std::pair<QComboBox*, const char*> listed[] = {
            {cbxSecurityLevel, "SecurityLevel"},
            {cbxAuthProtocol, "AuthProtocol"},
            {cbxPrivProtocol, "PrivProtocol"},
        };
        for (const auto& [combo, key] : listed) {
            const int i = MatchItem(combo, combo->currentText());
            if (i < 0) {
                QStringList items;
                for (int k = 0; k < combo->count(); ++k)
                    items << combo->itemText(k);
                return Refuse(QString("%1 \"%2\" is unknown!\nChoose one of: %3.")
                                  .arg(key, combo->currentText(), items.join(", ")),
                              combo);
            }
            SelectMatch(combo);
        }
    }
    bool portOk = false;
    const uint port = edtPort->text().trimmed().toUInt(&portOk);
    if (!portOk || port < 1 || port > 65535)
        return Refuse("Port must be a number from 1 to 65535!", edtPort);
    if (IsV3()) {
        const int level = cbxSecurityLevel->currentIndex();
        const auto password = [](const QLineEdit* edit, const std::string& stored) {
            return edit->text().isEmpty() ? FromBytes(stored) : edit->text();
        };
        if (level >= 1) {
            if (cbxAuthProtocol->currentIndex() == 0)
                return Refuse("SecurityLevel " + cbxSecurityLevel->currentText() +
                                  " needs an AuthProtocol other than None!",
                              cbxAuthProtocol);
            if (password(edtAuthPass, running_.AuthPassword).size() < kMinPasswordLength)
                return Refuse(
                    QString("The Auth Password needs at least %1 characters!").arg(kMinPasswordLength),
                    edtAuthPass);
        }
        if (level == 2) {
            if (cbxPrivProtocol->currentIndex() == 0)
                return Refuse("SecurityLevel AuthPriv needs a PrivProtocol other than None!",
                              cbxPrivProtocol);
            if (password(edtPrivPass, running_.PrivPassword).size() < kMinPasswordLength)
                return Refuse(
                    QString("The Priv Password needs at least %1 characters!").arg(kMinPasswordLength),
                    edtPrivPass);
        }
    }
    return true;
}

void TfrmConfigSNMP::btnOkClick() {
    if (!Validate())
        return;

    const int version = rgpSNMPVersion->ItemIndex();
    const auto index = [](const QComboBox* combo) {
        return std::to_string(MatchItem(combo, combo->currentText()));
    };
    const auto password = [](const QLineEdit* edit, const std::string& stored) {
        return edit->text().isEmpty() ? stored : ToBytes(edit->text());
    };
    TvProfileSettings s;
    s.AgentIP = ToBytes(lblIP->text());
    s.AgentPort = ToBytes(edtPort->text());
    s.Version = version == 2 ? "3" : version == 1 ? "1" : "0";
    s.SecurityName = IsV3() ? ToBytes(cbxSecurityName->currentText()) : std::string();
    s.AuthPassword = password(edtAuthPass, running_.AuthPassword);
    s.PrivPassword = password(edtPrivPass, running_.PrivPassword);
    s.AuthProtocol = index(cbxAuthProtocol);
    s.PrivProtocol = index(cbxPrivProtocol);
    s.ContextEngineID = ToBytes(edtContextEngine->text());
    s.SecurityLevel = index(cbxSecurityLevel);
    s.ContextName = ToBytes(edtContext->text());
    s.GetCommStr = s.ContextName;
    s.SetCommStr = ToBytes(edtCommunity->text());
    // The dialog does not show the GETBULK key; one the operator put in the profile stays.
    s.GetBulk = TvIni(profileFile_).ReadString(kProfileSection, "GetBulk", "");
    s.StampNow();

    std::string reason = "not a valid file name";
    if (ProfileFileName(running_.AgentIP).empty() || !WriteProfile(profileFile_, s, &reason)) {
        TvMessageBox::Error(this, "Create file error!\n" + QFile::decodeName(profileFile_.c_str()) + ": " +
                                      FromBytes(reason));
        return;
    }
    s.AuthPassword.assign(s.AuthPassword.size(), '\0');
    s.PrivPassword.assign(s.PrivPassword.size(), '\0');

    versionChanged_ = VersionChanged(running_.Version, version, running_.SecurityName,
                                     ToBytes(cbxSecurityName->currentText()));
    accept();
}

void TfrmConfigSNMP::btnExitClick() {
    versionChanged_ = false;
    reject();
}

void TfrmConfigSNMP::done(int result) {
    // The secrets leave with the dialog.
    edtAuthPass->clear();
    edtPrivPass->clear();
    running_.AuthPassword.assign(running_.AuthPassword.size(), '\0');
    running_.PrivPassword.assign(running_.PrivPassword.size(), '\0');
    QDialog::done(result);
}

bool TfrmConfigSNMP::VersionChanged(const std::string& running, int selected, const std::string& runningName,
                                    const std::string& name) {
    const std::optional<int> v = running.empty() ? std::optional<int>(0) : ParseWholeNumber(running);
    if (!v)
        return false;
    switch (*v) {
    case 0:
        return selected != 0;
    case 1:
        return selected != 1;
    case 3:
        return selected != 2 || name != runningName;
    default:
        return false;
    }
}

void TfrmConfigSNMP::SNMPConfigure1Click(TvWindowHost& host) {
    bool changed = false;
    {
        TfrmConfigSNMP dialog(host.HostWindow(), host.Connection(), host.ProgramFile());
        dialog.exec();
        changed = dialog.VersionChangedFlag();
    }
    // The profile is read only at start-up: a new version takes effect when the program runs again.
    if (changed && TvMessageBox::YesNo(host.HostWindow(), kVersionQuestion, "Confirm"))
        host.HostWindow()->close();
}
