#pragma once

#include "profile/ConnectionTexts.h"

#include <QDialog>

#include <map>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TvRadioGroup;
class TvWindowHost;

// "Device SNMP Configure": the SNMP version, port and credentials of the switch, stored as its device
// profile for the next start. It shows the saved profile when there is one (what the next start reads),
// and names the running settings where they differ. The running session is never touched; the caller
// learns from the version-changed flag whether to offer a restart.
class TfrmConfigSNMP : public QDialog {
    Q_OBJECT

public:
    // `running` are the settings in use (the dialog opens with them when no profile is saved); the
    // profile is read from and written beside `programFile`.
    TfrmConfigSNMP(QWidget* owner, const ConnectionTexts& running, const std::string& programFile);
    ~TfrmConfigSNMP() override;

    // Set by a successful OK when the version differs from the running one.
    bool VersionChangedFlag() const { return versionChanged_; }
    // The path the profile is written to.
    const std::string& ProfileFile() const { return profileFile_; }

    // The flag rule: `running` is the version in use as text ("0", "1", "3", possibly empty), `selected`
    // the chosen item (0 SNMPv1, 1 SNMPv2c, 2 SNMPv3).
    static bool VersionChanged(const std::string& running, int selected);

    // SNMPv3 security and context names are SnmpAdminString: at most 32 octets (UTF-8).
    static constexpr int MaxNameOctets = 32;

    // The "SNMP Configure" command: the dialog, then the question to end the program when the
    // version changed.
    static void SNMPConfigure1Click(TvWindowHost& host);

    QLabel* lblShown = nullptr; // which settings the fields show, and the running ones where they differ
    QLabel* lblIP = nullptr;
    QLineEdit* edtPort = nullptr;
    TvRadioGroup* rgpSNMPVersion = nullptr;
    QComboBox* cbxSecurityName = nullptr;
    QComboBox* cbxSecurityLevel = nullptr;
    QComboBox* cbxAuthProtocol = nullptr;
    QLineEdit* edtAuthPass = nullptr;
    QComboBox* cbxPrivProtocol = nullptr;
    QLineEdit* edtPrivPass = nullptr;
    QLabel* lblPasswordNote = nullptr;
    QLineEdit* edtContext = nullptr;
    QLineEdit* edtContextEngine = nullptr;
    QLineEdit* edtCommunity = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnExit = nullptr;

    void rgpSNMPVersionClick();
    void btnOkClick();
    void btnExitClick();

    void done(int result) override;

private:
    void FormCreate();
    void SetV3Active(bool active);
    bool IsV3() const;
    // Checks what the operator entered; the first problem is shown and false returned.
    bool Validate();
    bool Refuse(const QString& message, QWidget* focus);
    // Whether the profile can keep the field's text exactly and SNMP can use it; refused otherwise.
    bool CheckText(QLineEdit* edit, QWidget* focus, const QString& caption, int maxOctets);
    // Shows profile or session bytes in a field.
    void Show(QLineEdit* edit, const std::string& bytes);
    // The bytes to store for a field: those it was filled with while its text is unchanged (a profile of
    // another code page stays byte for byte), otherwise the text as UTF-8.
    std::string Bytes(const QLineEdit* edit) const;

    ConnectionTexts running_;
    ConnectionTexts shown_; // the saved profile's settings, or the running ones without a profile
    std::map<const QLineEdit*, std::string> filled_;
    std::string profileFile_;
    bool versionChanged_ = false;
};
