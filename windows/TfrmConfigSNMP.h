#pragma once

#include "profile/ConnectionTexts.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TvRadioGroup;
class TvWindowHost;

// "Device SNMP Configure": the SNMP version, port and credentials of the switch, stored as its device
// profile for the next start. The running session is never touched; the caller learns from the
// version-changed flag whether to offer a restart.
class TfrmConfigSNMP : public QDialog {
    Q_OBJECT

public:
    // `running` are the settings in use (the dialog opens with them); the profile is written beside
    // `programFile`.
    TfrmConfigSNMP(QWidget* owner, const ConnectionTexts& running, const std::string& programFile);
    ~TfrmConfigSNMP() override;

    // Set by a successful OK when the version (or, under SNMPv3, the security name) differs from the
    // running one.
    bool VersionChangedFlag() const { return versionChanged_; }
    // The path the profile is written to.
    const std::string& ProfileFile() const { return profileFile_; }

    // The flag rule: `running` is the version in use as text ("0", "1", "3", possibly empty), `selected`
    // the chosen item (0 SNMPv1, 1 SNMPv2c, 2 SNMPv3).
    static bool VersionChanged(const std::string& running, int selected, const std::string& runningName,
                               const std::string& name);

    // The "SNMP Configure" command: the dialog, then the question to end the program when the
    // version changed.
    static void SNMPConfigure1Click(TvWindowHost& host);

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

    ConnectionTexts running_;
    std::string profileFile_;
    bool versionChanged_ = false;
};
