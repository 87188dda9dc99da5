#include "app/TfrmConnect.h"
#include "app/TvRecentSwitches.h"
#include "base/TvException.h"
#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "profile/CommandLine.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPRequest.h"
#include "support/SimSwitch.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// What the operator types into the dialog.
struct Typed {
    QString address;
    int version = 0; // item of the radio group: 0 SNMPv1, 1 SNMPv2c, 2 SNMPv3
    int port = 161;
    QString read = "rdcomm", write = "wrtcomm";
    QString user, authPass, privPass, context, engine;
    QString level = "noAuthNoPriv", auth = "None", priv = "None";
};

void Type(TfrmConnect& d, const Typed& t) {
    d.edtAddress->setText(t.address);
    d.rgpSNMPVersion->SetItemIndex(t.version);
    d.edtPort->setValue(t.port);
    d.edtReadCommunity->setText(t.read);
    d.edtWriteCommunity->setText(t.write);
    d.cbxSecurityName->setCurrentText(t.user);
    d.cbxSecurityLevel->setCurrentText(t.level);
    d.cbxAuthProtocol->setCurrentText(t.auth);
    d.edtAuthPass->setText(t.authPass);
    d.cbxPrivProtocol->setCurrentText(t.priv);
    d.edtPrivPass->setText(t.privPass);
    d.edtContext->setText(t.context);
    d.edtContextEngine->setText(t.engine);
}

void SessionDefaults() {
    gSNMPDevice = TvSNMPDevice{"127.0.0.1", 161};
    gSNMPScope = TvSNMPScope{};
    gSNMPSecurity = TvSNMPSecurity{0, "rdcomm", "wrtcomm", 1, 1, "", "", "", 1, 1};
}

// The session settings as one line, for comparing.
QString Session() {
    const TvSNMPSecurity& s = gSNMPSecurity;
    return QString("%1:%2 v%3 R=%4 W=%5 m%6 l%7 n=%8 a%9 A=%10 p%11 P=%12 c=%13 d=%14")
        .arg(QString::fromStdString(gSNMPDevice.Address))
        .arg(gSNMPDevice.Port)
        .arg(s.Version)
        .arg(QString::fromStdString(s.ReadCommunity), QString::fromStdString(s.WriteCommunity))
        .arg(s.SecurityModel)
        .arg(s.SecurityLevel)
        .arg(QString::fromStdString(s.SecurityName))
        .arg(s.AuthProtocol)
        .arg(QString::fromStdString(s.AuthPassword))
        .arg(s.PrivProtocol)
        .arg(QString::fromStdString(s.PrivPassword), QString::fromStdString(gSNMPScope.ContextName),
             QString::fromStdString(gSNMPScope.ContextEngineID));
}

} // namespace

Q_DECLARE_METATYPE(Typed)

class TestConnectDialog : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QStringList boxes_;
    std::unique_ptr<SimSwitch> sim_;

    QString SettingsPath() const { return dir_.filePath("recent.conf"); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start({"--log", "--user", "Bäcker,SHA,authpass123,rw"}), sim_->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return QMessageBox::Ok;
        });
    }
    void init() {
        boxes_.clear();
        QFile::remove(SettingsPath());
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    // Without a display the start keeps its old message and exit.
    void NoDisplayMeansNoDialog() { QVERIFY(!TfrmConnect::DisplayPresent()); }

    // OK gives the parameters that, scanned as a command line, set the session to what was typed.
    void OkGivesTheCommandLineOfTheFields_data() {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("host"); // the address field after OK, and the value of "/I"
        QTest::addColumn<QString>("session");
        Typed v1;
        v1.address = "127.0.0.1";
        v1.read = "pub lic";
        v1.write = "";
        QTest::newRow("SNMPv1, blank and empty community")
            << v1 << "127.0.0.1"
            << "127.0.0.1:161 v0 R=pub lic W= m1 l1 n= a1 A= p1 P= c= d=";
        Typed v2 = v1;
        v2.address = "localhost";
        v2.version = 1;
        v2.port = 1161;
        v2.read = "rdcomm";
        v2.write = "wrtcomm";
        QTest::newRow("SNMPv2c, host name resolved, port carried")
            << v2 << "localhost"
            << "127.0.0.1:1161 v1 R=rdcomm W=wrtcomm m1 l1 n= a1 A= p1 P= c= d=";
        Typed hostPort = v2;
        hostPort.address = "127.0.0.1:2161";
        hostPort.version = 0;
        QTest::newRow("SNMPv1, port typed after the host")
            << hostPort << "127.0.0.1"
            << "127.0.0.1:2161 v0 R=rdcomm W=wrtcomm m1 l1 n= a1 A= p1 P= c= d=";
        Typed v3;
        v3.address = "127.0.0.1";
        v3.version = 2;
        v3.port = 16161;
        v3.user = "shaaesuser";
        v3.level = "authPriv";
        v3.auth = "HMAC-SHA";
        v3.authPass = "auth pass/v1/I23"; // a password keeps what looks like other switches
        v3.priv = "AES-128";
        v3.privPass = "privpass123";
        v3.context = "ctx";
        v3.engine = "engine1";
        QTest::newRow("SNMPv3 with AES and a context")
            << v3 << "127.0.0.1"
            << "127.0.0.1:16161 v3 R=rdcomm W=wrtcomm m3 l3 n=shaaesuser a3 A=auth pass/v1/I23 p4 "
               "P=privpass123 c=ctx d=engine1";
        Typed md5;
        md5.address = "127.0.0.1";
        md5.version = 2;
        md5.user = "MD5_User";
        md5.level = "authNoPriv";
        md5.auth = "HMAC-MD5";
        md5.authPass = "authpass123";
        QTest::newRow("SNMPv3 user from the list, MD5")
            << md5 << "127.0.0.1"
            << "127.0.0.1:161 v3 R=rdcomm W=wrtcomm m3 l2 n=MD5_User a2 A=authpass123 p1 P= c= d=";
        Typed plain = md5;
        plain.level = "noAuthNoPriv";
        plain.auth = "None";
        plain.authPass = "short";
        QTest::newRow("SNMPv3 without authentication, its password unused")
            << plain << "127.0.0.1"
            << "127.0.0.1:161 v3 R=rdcomm W=wrtcomm m3 l1 n=MD5_User a1 A=short p1 P= c= d=";
        Typed foreign = md5;
        foreign.user = "Bäcker";
        foreign.context = "контекст";
        QTest::newRow("SNMPv3 names beyond ASCII, as UTF-8")
            << foreign << "127.0.0.1"
            << "127.0.0.1:161 v3 R=rdcomm W=wrtcomm m3 l2 n=Bäcker a2 A=authpass123 p1 P= c=контекст d=";
    }
    void OkGivesTheCommandLineOfTheFields() {
        QFETCH(Typed, typed);
        QFETCH(QString, host);
        QFETCH(QString, session);
        TfrmConnect dialog({});
        Type(dialog, typed);
        dialog.btnOk->click();
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.edtAddress->text(), host);
        const std::vector<std::string> params = dialog.Parameters();
        QCOMPARE(QString::fromStdString(params[0]), "/I" + host);
        SessionDefaults();
        QVERIFY(ScanCommandLine(params).Ok);
        QCOMPARE(Session(), session);
        // The single-instance title is the command line's, so a second copy finds the first.
        QCOMPARE(QString::fromStdString(SingleInstanceTitle(params)), "QTR5190MX : " + host);
    }

    // The command line of OK reaches the switch under every version on the port given, as the user
    // typed: the switch's log shows who asked.
    void OkReachesTheSwitch_data() {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("who");
        const QString port = QString::number(sim_->Port());
        Typed v1;
        v1.address = "127.0.0.1";
        v1.port = sim_->Port();
        QTest::newRow("SNMPv1, port field") << v1 << "v1 rdcomm";
        Typed v2 = v1;
        v2.version = 1;
        v2.port = 161;
        v2.address = "127.0.0.1:" + port;
        QTest::newRow("SNMPv2c, port typed after the host") << v2 << "v2c rdcomm";
        Typed v3 = v1;
        v3.version = 2;
        v3.user = "Bäcker";
        v3.level = "authNoPriv";
        v3.auth = "HMAC-SHA";
        v3.authPass = "authpass123";
        QTest::newRow("SNMPv3, user beyond ASCII") << v3 << "v3 Bäcker";
    }
    void OkReachesTheSwitch() {
        QFETCH(Typed, typed);
        QFETCH(QString, who);
        TfrmConnect dialog({});
        Type(dialog, typed);
        dialog.btnOk->click();
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        SessionDefaults();
        QVERIFY(ScanCommandLine(dialog.Parameters()).Ok);
        gSNMPTimeout = 100;
        const size_t from = sim_->Log().size();
        TvSNMPRequest request;
        request.VarList.AddItem("1.3.6.1.4.1.59371.12.1.1.4", "", synInteger, accReadOnly);
        try {
            request.GetStep(true);
        } catch (const TvException& e) {
            QFAIL(e.Message().c_str());
        }
        QVERIFY(sim_->AwaitMarker());
        const QString log = QString::fromUtf8(sim_->Log().substr(from));
        QVERIFY2(log.contains("GET     " + who + " .1.3.6.1.4.1.59371.12.1.1.4.0"), qPrintable(log));
    }

    // What cannot be carried on the command line, reach no switch or be used by net-snmp keeps the
    // dialog open, with the field to correct in focus.
    void RefusedInputKeepsTheDialogOpen_data() {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");
        Typed t;
        t.address = "127.0.0.1";
        t.version = 2;
        t.user = "u";
        const auto with = [&t](auto change) {
            Typed changed = t;
            change(changed);
            return changed;
        };
        QTest::newRow("no address") << with([](Typed& x) { x.address = "  "; })
                                    << "Error: Enter the address of the switch."
                                    << "edtAddress";
        QTest::newRow("unknown host")
            << with([](Typed& x) { x.address = "no-such-host.invalid"; }) << "Error: Error Host Name!"
            << "edtAddress";
        QTest::newRow("unknown host with a port")
            << with([](Typed& x) { x.address = "no-such-host.invalid:1161"; }) << "Error: Error Host Name!"
            << "edtAddress";
        const QString v6 = "Error: IPv6 addresses cannot be used: enter a host name or an IPv4 address.";
        QTest::newRow("IPv6 with a port")
            << with([](Typed& x) { x.address = "[::1]:161"; }) << v6 << "edtAddress";
        QTest::newRow("IPv6") << with([](Typed& x) { x.address = "::1"; }) << v6 << "edtAddress";
        const QString port = "Error: The port after \"127.0.0.1:\" must be a number from 1 to 65535.";
        QTest::newRow("port 0 after the host")
            << with([](Typed& x) { x.address = "127.0.0.1:0"; }) << port << "edtAddress";
        QTest::newRow("port 65536 after the host")
            << with([](Typed& x) { x.address = "127.0.0.1:65536"; }) << port << "edtAddress";
        QTest::newRow("service name after the host")
            << with([](Typed& x) { x.address = "127.0.0.1:snmp"; }) << port << "edtAddress";
        QTest::newRow("security name holding a switch")
            << with([](Typed& x) { x.user = "ab/vcd"; })
            << "Error: The security name cannot hold \"/v\": the program's command line would read it as "
               "another setting."
            << "";
        QTest::newRow("short auth password under authNoPriv") << with([](Typed& x) {
            x.level = "authNoPriv";
            x.auth = "HMAC-MD5";
            x.authPass = "1234567";
        }) << "Warning: The Auth Password is shorter than 8 characters: net-snmp refuses such a password."
                                                              << "edtAuthPass";
        QTest::newRow("short priv password under authPriv") << with([](Typed& x) {
            x.level = "authPriv";
            x.auth = "HMAC-SHA";
            x.authPass = "authpass123";
            x.priv = "AES-128";
            x.privPass = "priv";
        }) << "Warning: The Priv Password is shorter than 8 characters: net-snmp refuses such a password."
                                                            << "edtPrivPass";
        QTest::newRow("security name of 33 octets")
            << with([](Typed& x) { x.user = QString(33, 'u'); })
            << "Error: The security name is 33 octets long: SNMPv3 allows at most 32."
            << "cbxSecurityName";
        QTest::newRow("context name of 17 two-octet characters")
            << with([](Typed& x) { x.context = QString(17, u'ä'); })
            << "Error: The context name is 34 octets long: SNMPv3 allows at most 32."
            << "edtContext";
    }
    void RefusedInputKeepsTheDialogOpen() {
        QFETCH(Typed, typed);
        QFETCH(QString, message);
        QFETCH(QString, field);
        TfrmConnect dialog({});
        Type(dialog, typed);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.btnOk->click();
        QCOMPARE(boxes_, QStringList{message});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        if (!field.isEmpty())
            QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), field);
    }

    // Every mnemonic (Alt+letter) of the dialog leads to one control only.
    void MnemonicsAreUnique() {
        TfrmConnect dialog({TvRecentSwitch{}}); // with the list of switches used before and its label
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
            texts << group->title();
        QMap<QString, QString> owner;
        for (const QString& text : texts) {
            const QString keys = QKeySequence::mnemonic(text).toString();
            if (keys.isEmpty())
                continue;
            QVERIFY2(!owner.contains(keys), qPrintable(keys + ": " + owner.value(keys) + " and " + text));
            owner.insert(keys, text);
        }
        QVERIFY2(owner.size() >= 12, qPrintable(owner.keys().join(' ')));
    }

    // The port is open under every version, the SNMPv3 fields only under SNMPv3, the communities only
    // below it.
    void FieldsFollowTheVersion() {
        TfrmConnect dialog({});
        QCOMPARE(dialog.windowTitle(), QString("Connect to switch"));
        QVERIFY(!dialog.lstRecent->isVisibleTo(&dialog));
        for (int item : {0, 1, 2}) {
            dialog.rgpSNMPVersion->SetItemIndex(item);
            const bool v3 = item == 2;
            QVERIFY(dialog.edtPort->isEnabled());
            QCOMPARE(dialog.edtAuthPass->isEnabled(), v3);
            QCOMPARE(dialog.cbxSecurityName->isEnabled(), v3);
            QCOMPARE(dialog.edtReadCommunity->isEnabled(), !v3);
        }
    }

    // The list keeps the most recent switches first, once each, at most ten, without any secret.
    void RecentSwitchesAreRememberedWithoutSecrets() {
        {
            QSettings settings(SettingsPath(), QSettings::IniFormat);
            TvRecentSwitches recent(settings);
            for (int i = 1; i <= 12; ++i) {
                TvRecentSwitch s;
                s.Address = QString("10.0.0.%1").arg(i);
                s.Version = 1;
                recent.Remember(s);
            }
            TfrmConnect dialog({});
            Typed t;
            t.address = "10.0.0.5";
            t.version = 2;
            t.port = 1161;
            t.user = "admin";
            t.level = "authPriv";
            t.auth = "HMAC-SHA-256";
            t.authPass = "secret-auth-pass";
            t.priv = "AES-256";
            t.privPass = "secret-priv-pass";
            t.read = "secret-community";
            Type(dialog, t);
            recent.Remember(dialog.Choice());
            TvRecentSwitch again; // the same switch under SNMPv2c is another entry; remembered again: moved
            again.Address = "10.0.0.7";
            again.Version = 1;
            recent.Remember(again);
        }
        QFile file(SettingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        for (const char* secret : {"secret-auth-pass", "secret-priv-pass", "secret-community"})
            QVERIFY2(!stored.contains(secret), secret);
        // Readable by its owner only, also when it was made before with a looser mode.
        const auto ownerOnly = [this] {
            return (QFile::permissions(SettingsPath()) & 0x0FFF) == (QFile::ReadUser | QFile::WriteUser);
        };
        QVERIFY(ownerOnly());
        QVERIFY(QFile::setPermissions(SettingsPath(), QFile::permissions(SettingsPath()) | QFile::ReadOther));
        {
            QSettings settings(SettingsPath(), QSettings::IniFormat);
            TvRecentSwitch s; // the first entry again: the list stays as it is
            s.Address = "10.0.0.7";
            s.Version = 1;
            TvRecentSwitches(settings).Remember(s);
        }
        QVERIFY(ownerOnly());

        QSettings settings(SettingsPath(), QSettings::IniFormat);
        const QList<TvRecentSwitch> list = TvRecentSwitches(settings).Load();
        QStringList captions;
        for (const TvRecentSwitch& s : list)
            captions << s.Caption();
        QCOMPARE(captions, (QStringList{"10.0.0.7  SNMPv2c", "10.0.0.5:1161  SNMPv3 admin",
                                        "10.0.0.12  SNMPv2c", "10.0.0.11  SNMPv2c", "10.0.0.10  SNMPv2c",
                                        "10.0.0.9  SNMPv2c", "10.0.0.8  SNMPv2c", "10.0.0.6  SNMPv2c",
                                        "10.0.0.5  SNMPv2c", "10.0.0.4  SNMPv2c"}));

        // Offered in the dialog: the first is filled in at once, another on a click; passwords stay empty.
        TfrmConnect dialog(list);
        QVERIFY(dialog.lstRecent->isVisibleTo(&dialog));
        QCOMPARE(dialog.lstRecent->count(), 10);
        QCOMPARE(dialog.edtAddress->text(), QString("10.0.0.7"));
        QCOMPARE(dialog.rgpSNMPVersion->ItemIndex(), 1);
        dialog.edtAuthPass->setText("typed before");
        dialog.lstRecent->setCurrentRow(1);
        QCOMPARE(dialog.edtAddress->text(), QString("10.0.0.5"));
        QCOMPARE(dialog.rgpSNMPVersion->ItemIndex(), 2);
        QCOMPARE(dialog.edtPort->value(), 1161);
        QCOMPARE(dialog.cbxSecurityName->currentText(), QString("admin"));
        QCOMPARE(dialog.cbxAuthProtocol->currentText(), QString("HMAC-SHA-256"));
        QCOMPARE(dialog.cbxPrivProtocol->currentText(), QString("AES-256"));
        QCOMPARE(dialog.cbxSecurityLevel->currentText(), QString("authPriv"));
        QVERIFY(dialog.edtAuthPass->text().isEmpty());
        QVERIFY(dialog.edtPrivPass->text().isEmpty());
    }

    // A picture of the dialog for the documentation.
    void GrabDialog() {
        TvRecentSwitch a;
        a.Address = "10.90.90.90";
        a.Version = 1;
        TvRecentSwitch b;
        b.Address = "10.90.90.91";
        b.Version = 3;
        b.Port = 1161;
        b.SecurityName = "admin";
        b.SecurityLevel = 3;
        b.AuthProtocol = 3;
        b.PrivProtocol = 4;
        TfrmConnect dialog({b, a});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.grab().save(QCoreApplication::applicationDirPath() + "/connect_dialog.png"));
    }
};

QTEST_MAIN(TestConnectDialog)
#include "tst_ConnectDialog.moc"
