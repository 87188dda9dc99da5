#pragma once

#include "app/TvRecentSwitches.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class TvRadioGroup;

// "Connect to switch": what a start without parameters asks for instead of the command line. OK turns
// the fields into the command-line parameters they stand for, so the start goes on exactly as with
// them; the switches used before are offered in a list. Passwords are never filled in from anything.
// Texts go to the command line as UTF-8, as a terminal would give them.
class TfrmConnect : public QDialog {
    Q_OBJECT

public:
    explicit TfrmConnect(const QList<TvRecentSwitch>& recent, QWidget* parent = nullptr);
    ~TfrmConnect() override;

    // Whether a start without parameters can ask: a display exists (not the offscreen or minimal
    // platform of a run without one).
    static bool DisplayPresent();

    // SNMPv3 security and context names are SnmpAdminString: at most 32 octets.
    static constexpr int MaxNameOctets = 32;
    // net-snmp refuses shorter SNMPv3 passwords.
    static constexpr int MinPasswordLength = 8;

    // The command-line parameters of the fields, in the order the scan needs ("/v" before the SNMPv3
    // switches). Valid after OK.
    std::vector<std::string> Parameters() const;
    // What the list of switches used before keeps of the fields (no passwords, no communities).
    TvRecentSwitch Choice() const;
    // Fills the fields from a switch used before; the password fields are emptied.
    void Fill(const TvRecentSwitch& s);

    QListWidget* lstRecent = nullptr;
    QLineEdit* edtAddress = nullptr;
    QSpinBox* edtPort = nullptr;
    TvRadioGroup* rgpSNMPVersion = nullptr;
    QLineEdit* edtReadCommunity = nullptr;
    QLineEdit* edtWriteCommunity = nullptr;
    QComboBox* cbxSecurityName = nullptr;
    QComboBox* cbxSecurityLevel = nullptr;
    QComboBox* cbxAuthProtocol = nullptr;
    QLineEdit* edtAuthPass = nullptr;
    QComboBox* cbxPrivProtocol = nullptr;
    QLineEdit* edtPrivPass = nullptr;
    QLineEdit* edtContext = nullptr;
    QLineEdit* edtContextEngine = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOkClick();
    void rgpSNMPVersionClick();
    void lstRecentClick();
    // "host:port" typed as the address: the port goes to its field.
    void edtAddressExit();

private:
    // Why OK cannot go on: the text of a message box, and the field to correct.
    struct Refusal {
        QString Text;
        QWidget* Field = nullptr;
        bool Warning = false; // a setting the switch's side would refuse, rather than one we cannot carry
    };

    int Version() const;
    // Whether the fields can be carried and used; the first reason why not otherwise.
    bool Check(Refusal* refusal) const;

    QList<TvRecentSwitch> recent_;
};
