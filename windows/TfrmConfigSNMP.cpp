#include "windows/TfrmConfigSNMP.h"

#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
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
#include <QStringDecoder>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <optional>
#include <tuple>

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

// Profile and session texts are bytes. UTF-8 shows as such; anything else (a profile written in another
// code page) one character per byte.
QString Shown(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? FromBytes(bytes) : text;
}

QString ItemOf(const QStringList& items, int index) {
    return index >= 0 && index < items.size() ? items[index] : QString();
}

QString VersionName(int code) {
    switch (code) {
    case 0:
        return "SNMPv1";
    case 1:
        return "SNMPv2c";
    case 3:
        return "SNMPv3";
    default:
        return QString("version %1").arg(code);
    }
}

// What tells one set of settings from another for the operator; never a password or a community.
QString Summary(const ConnectionTexts& t) {
    const int version = WholeNumber(t.Version, 0);
    QStringList parts{VersionName(version),
                      "port " + (t.AgentPort.empty() ? QString("161") : Shown(t.AgentPort))};
    if (version == 3) {
        parts << "user \"" + Shown(t.SecurityName) + "\"";
        const int privCode = WholeNumber(t.PrivProtocol, 0);
        const auto priv = std::find(std::begin(kPrivCodes), std::end(kPrivCodes), privCode);
        parts << ItemOf(kSecurityLevels, WholeNumber(t.SecurityLevel, 0) - 1)
              << ItemOf(kAuthProtocols, WholeNumber(t.AuthProtocol, 0) - 1)
              << ItemOf(kPrivProtocols, static_cast<int>(priv - std::begin(kPrivCodes)));
        if (!t.ContextName.empty())
            parts << "context \"" + Shown(t.ContextName) + "\"";
        if (!t.ContextEngineID.empty())
            parts << "context engine ID " + Shown(t.ContextEngineID);
    }
    parts.removeAll(QString());
    return parts.join(", ");
}

// The settings the next start takes from the profile at `path`, as start-up reads them, and the
// communities kept there; the running session is not touched.
ProfileRead ReadSaved(const std::string& path, ConnectionTexts& t) {
    const ProfileRead read = ReadProfileTexts(path, t);
    if (read == ProfileRead::Read) {
        const TvIni ini(path);
        t.GetCommStr = ini.ReadString(kProfileSection, "GetCommStr", "");
        t.SetCommStr = ini.ReadString(kProfileSection, "SetCommStr", "");
    }
    return read;
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

// `matchItems`: typed text that matches an item regardless of case takes the item's spelling.
QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items, bool matchItems = true) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    if (matchItems)
        QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, combo,
                         [combo] { SelectMatch(combo); });
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
    : QDialog(owner), running_(running), shown_(running) {
    setObjectName("frmConfigSNMP");
    setWindowTitle("Device SNMP Configure");

    lblShown = TvPlainText::NewLabel(QString(), this);
    lblShown->setObjectName("lblShown");
    lblShown->setTextFormat(Qt::PlainText);
    lblShown->setWordWrap(true);
    lblIP = TvPlainText::NewLabel(QString(), this);
    lblIP->setObjectName("lblIP");
    edtPort = NewEdit(this, "edtPort");
    rgpSNMPVersion = new TvRadioGroup("SNMP Version", this);
    rgpSNMPVersion->setObjectName("rgpSNMPVersion");
    rgpSNMPVersion->SetItems({"SNMPv1", "SNMPv2c", "SNMPv3"});
    // Three columns: the versions side by side.
    if (auto* row = qobject_cast<QBoxLayout*>(rgpSNMPVersion->layout()))
        row->setDirection(QBoxLayout::LeftToRight);
    // User names are case-sensitive: a name is stored exactly as typed, never respelt as a list item.
    cbxSecurityName = NewCombo(this, "cbxSecurityName", kSecurityNames, false);
    cbxSecurityLevel = NewCombo(this, "cbxSecurityLevel", kSecurityLevels);
    cbxAuthProtocol = NewCombo(this, "cbxAuthProtocol", kAuthProtocols);
    edtAuthPass = NewEdit(this, "edtAuthPass");
    cbxPrivProtocol = NewCombo(this, "cbxPrivProtocol", kPrivProtocols);
    edtPrivPass = NewEdit(this, "edtPrivPass");
    for (QLineEdit* pass : {edtAuthPass, edtPrivPass}) {
        pass->setEchoMode(QLineEdit::Password);
        pass->setPlaceholderText("(keep the stored password)");
    }
    lblPasswordNote = TvPlainText::NewLabel("An empty password keeps the stored one.", this);
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
        auto* label = TvPlainText::NewLabel(caption, this);
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
    layout->addWidget(lblShown);
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
    // The saved settings are what the next start uses, and what OK without changes stores again;
    // without a profile the running ones, never defaults.
    const ProfileRead saved = ReadSaved(profileFile_, shown_);
    const QString running = Summary(running_);
    switch (saved) {
    case ProfileRead::Missing:
        lblShown->setText("No settings are saved for this switch yet: the fields show the running ones.");
        break;
    case ProfileRead::Unreadable:
        lblShown->setText("The saved settings cannot be read: the fields show the running ones.");
        break;
    case ProfileRead::Read:
        lblShown->setText(
            Summary(shown_) == running
                ? QString("The fields show the saved settings, which the program runs with.")
                : "The fields show the saved settings, which apply at the next start.\nRunning now: " +
                      running + ".");
        break;
    }
    lblIP->setText(FromBytes(running_.AgentIP));
    Show(edtPort, shown_.AgentPort.empty() ? std::string("161") : shown_.AgentPort);
    const int version = WholeNumber(shown_.Version, 0);
    rgpSNMPVersion->SetItemIndex(version == 3 ? 2 : version == 1 ? 1 : 0);

    Show(cbxSecurityName->lineEdit(), shown_.SecurityName);
    const auto choose = [](QComboBox* combo, int index) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
        if (combo->currentIndex() < 0)
            combo->setEditText(QString());
    };
    choose(cbxSecurityLevel, WholeNumber(shown_.SecurityLevel, 0) - 1);
    choose(cbxAuthProtocol, WholeNumber(shown_.AuthProtocol, 0) - 1);
    const int privCode = WholeNumber(shown_.PrivProtocol, 0);
    const auto priv = std::find(std::begin(kPrivCodes), std::end(kPrivCodes), privCode);
    choose(cbxPrivProtocol,
           priv == std::end(kPrivCodes) ? -1 : static_cast<int>(priv - std::begin(kPrivCodes)));
    Show(edtContextEngine, shown_.ContextEngineID);
    if (version == 3) {
        Show(edtContext, shown_.ContextName);
        Show(edtCommunity, shown_.SetCommStr);
    } else {
        Show(edtContext, shown_.GetCommStr.empty() ? kDefaultReadCommunity : shown_.GetCommStr);
        Show(edtCommunity, shown_.SetCommStr.empty() ? kDefaultWriteCommunity : shown_.SetCommStr);
    }
    SetV3Active(version == 3);
}

void TfrmConfigSNMP::Show(QLineEdit* edit, const std::string& bytes) {
    edit->setText(Shown(bytes));
    filled_[edit] = bytes;
}

std::string TfrmConfigSNMP::Bytes(const QLineEdit* edit) const {
    const auto filled = filled_.find(edit);
    if (filled != filled_.end() && edit->text() == Shown(filled->second))
        return filled->second;
    return edit->text().toUtf8().toStdString();
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

bool TfrmConfigSNMP::CheckText(QLineEdit* edit, QWidget* focus, const QString& caption, int maxOctets) {
    // The profile's reader trims blanks and control characters at both ends, and a line break would end
    // the value: such a text would come back as another one at the next start.
    const QString text = edit->text();
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return Refuse(
                QString("The %1 cannot hold a control character: the device profile would not keep it!")
                    .arg(caption),
                focus);
    if (text.startsWith(' ') || text.endsWith(' '))
        return Refuse(
            QString("The %1 cannot start or end with a blank: the device profile would not keep it!")
                .arg(caption),
            focus);
    if (const auto octets = static_cast<int>(Bytes(edit).size()); maxOctets > 0 && octets > maxOctets)
        return Refuse(QString("The %1 is %2 octets long: SNMPv3 allows at most %3!\n"
                              "(A character beyond ASCII takes 2 to 4 octets.)")
                          .arg(caption)
                          .arg(octets)
                          .arg(maxOctets),
                      focus);
    return true;
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
        // A name is kept as typed; level and protocols must be items of their lists, never -1.
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
    const bool v3 = IsV3();
    const std::tuple<QLineEdit*, QWidget*, const char*, int> texts[] = {
        {cbxSecurityName->lineEdit(), cbxSecurityName, "Security Name", v3 ? MaxNameOctets : 0},
        {edtAuthPass, edtAuthPass, "Auth Password", 0},
        {edtPrivPass, edtPrivPass, "Priv Password", 0},
        {edtContext, edtContext, "Context Name", v3 ? MaxNameOctets : 0},
        {edtContextEngine, edtContextEngine, "Context Engine ID", 0},
        {edtCommunity, edtCommunity, "Write Community String", 0},
    };
    for (const auto& [edit, focus, caption, maxOctets] : texts)
        if (edit->isEnabled() && !edit->isReadOnly() && !CheckText(edit, focus, caption, maxOctets))
            return false;
    if (v3) {
        const int level = cbxSecurityLevel->currentIndex();
        const auto password = [](const QLineEdit* edit, const std::string& stored) {
            return edit->text().isEmpty() ? FromBytes(stored) : edit->text();
        };
        if (level >= 1) {
            if (cbxAuthProtocol->currentIndex() == 0)
                return Refuse("SecurityLevel " + cbxSecurityLevel->currentText() +
                                  " needs an AuthProtocol other than None!",
                              cbxAuthProtocol);
            if (password(edtAuthPass, shown_.AuthPassword).size() < kMinPasswordLength)
                return Refuse(
                    QString("The Auth Password needs at least %1 characters!").arg(kMinPasswordLength),
                    edtAuthPass);
        }
        if (level == 2) {
            if (cbxPrivProtocol->currentIndex() == 0)
                return Refuse("SecurityLevel AuthPriv needs a PrivProtocol other than None!",
                              cbxPrivProtocol);
            if (password(edtPrivPass, shown_.PrivPassword).size() < kMinPasswordLength)
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
        return edit->text().isEmpty() ? stored : edit->text().toUtf8().toStdString();
    };
    TvProfileSettings s;
    s.AgentIP = running_.AgentIP;
    s.AgentPort = Bytes(edtPort);
    s.Version = version == 2 ? "3" : version == 1 ? "1" : "0";
    s.SecurityName = IsV3() ? Bytes(cbxSecurityName->lineEdit()) : std::string();
    s.AuthPassword = password(edtAuthPass, shown_.AuthPassword);
    s.PrivPassword = password(edtPrivPass, shown_.PrivPassword);
    s.AuthProtocol = index(cbxAuthProtocol);
    s.PrivProtocol = index(cbxPrivProtocol);
    s.ContextEngineID = Bytes(edtContextEngine);
    s.SecurityLevel = index(cbxSecurityLevel);
    s.ContextName = Bytes(edtContext);
    s.GetCommStr = s.ContextName;
    s.SetCommStr = Bytes(edtCommunity);
    // The dialog does not show the GETBULK key; one the operator put in the profile stays.
    s.GetBulk = TvIni(profileFile_).ReadString(kProfileSection, "GetBulk", "");
    s.NotificationPort = TvIni(profileFile_).ReadString(kProfileSection, "NotificationPort", "");
    s.StampNow();

    std::string reason = "not a valid file name";
    if (ProfileFileName(running_.AgentIP).empty() || !WriteProfile(profileFile_, s, &reason)) {
        TvMessageBox::Error(this, "Create file error!\n" + QFile::decodeName(profileFile_.c_str()) + ": " +
                                      FromBytes(reason));
        return;
    }
    s.AuthPassword.assign(s.AuthPassword.size(), '\0');
    s.PrivPassword.assign(s.PrivPassword.size(), '\0');

    // Only a new version needs the question: another user or port is simply used at the next start.
    versionChanged_ = VersionChanged(running_.Version, version);
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
    for (ConnectionTexts* t : {&running_, &shown_}) {
        t->AuthPassword.assign(t->AuthPassword.size(), '\0');
        t->PrivPassword.assign(t->PrivPassword.size(), '\0');
    }
    QDialog::done(result);
}

bool TfrmConfigSNMP::VersionChanged(const std::string& running, int selected) {
    const std::optional<int> v = running.empty() ? std::optional<int>(0) : ParseWholeNumber(running);
    if (!v)
        return false;
    switch (*v) {
    case 0:
        return selected != 0;
    case 1:
        return selected != 1;
    case 3:
        return selected != 2;
    default:
        return false;
    }
}

void TfrmConfigSNMP::SNMPConfigure1Click(TvWindowHost& host) {
    // The settings concern every window: the dialog and its questions hold them all.
    const TvMessageBox::ProgramModal wholeProgram;
    bool changed = false;
    {
        TfrmConfigSNMP dialog(host.HostWindow(), host.Connection(), host.ProgramFile());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.exec();
        changed = dialog.VersionChangedFlag();
    }
    // The profile is read only at start-up: a new version takes effect when the program runs again.
    if (changed && TvMessageBox::YesNo(host.HostWindow(), kVersionQuestion, "Confirm"))
        host.HostWindow()->close();
}
