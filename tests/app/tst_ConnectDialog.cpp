#include "app/TfrmConnect.h"
#include "app/TvRecentSwitches.h"
#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "profile/CommandLine.h"
#include "snmp/SNMPGlobals.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

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

    QString SettingsPath() const { return dir_.filePath("recent.conf"); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
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
        QTest::addColumn<QString>("session");
        Typed v1;
        v1.address = "127.0.0.1";
        v1.read = "pub lic";
        v1.write = "";
        QTest::newRow("SNMPv1, blank and empty community")
            << v1 << "127.0.0.1:161 v0 R=pub lic W= m1 l1 n= a1 A= p1 P= c= d=";
        Typed v2 = v1;
        v2.address = "localhost";
        v2.version = 1;
        v2.port = 1161; // inactive below SNMPv3: the command line cannot carry it
        v2.read = "rdcomm";
        v2.write = "wrtcomm";
        QTest::newRow("SNMPv2c, host name resolved, port left to the profile")
            << v2 << "127.0.0.1:161 v1 R=rdcomm W=wrtcomm m1 l1 n= a1 A= p1 P= c= d=";
        Typed v3;
        v3.address = "127.0.0.1";
        v3.version = 2;
        v3.port = 16161;
        v3.user = "shaaesuser";
        v3.level = "authPriv";
        v3.auth = "HMAC-SHA";
        v3.authPass = "auth pass/123";
        v3.priv = "AES-128";
        v3.privPass = "privpass123";
        v3.context = "ctx";
        v3.engine = "engine1";
        QTest::newRow("SNMPv3 with AES and a context")
            << v3
            << "127.0.0.1:16161 v3 R=rdcomm W=wrtcomm m3 l3 n=shaaesuser a3 A=auth pass/123 p4 "
               "P=privpass123 c=ctx d=engine1";
        Typed md5;
        md5.address = "127.0.0.1";
        md5.version = 2;
        md5.user = "MD5_User";
        md5.level = "authNoPriv";
        md5.auth = "HMAC-MD5";
        md5.authPass = "authpass123";
        QTest::newRow("SNMPv3 user from the list, MD5")
            << md5 << "127.0.0.1:161 v3 R=rdcomm W=wrtcomm m3 l2 n=MD5_User a2 A=authpass123 p1 P= c= d=";
    }
    void OkGivesTheCommandLineOfTheFields() {
        QFETCH(Typed, typed);
        QFETCH(QString, session);
        TfrmConnect dialog({});
        Type(dialog, typed);
        dialog.btnOk->click();
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::vector<std::string> params = dialog.Parameters();
        QCOMPARE(QString::fromStdString(params[0]), "/I" + typed.address);
        SessionDefaults();
        QVERIFY(ScanCommandLine(params).Ok);
        QCOMPARE(Session(), session);
        // The single-instance title is the command line's, so a second copy finds the first.
        QCOMPARE(QString::fromStdString(SingleInstanceTitle(params)), "QTR5190MX : " + typed.address);
    }

    // What cannot be carried on the command line, or reach no switch, keeps the dialog open.
    void RefusedInputKeepsTheDialogOpen_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("authPass");
        QTest::addColumn<QString>("message");
        QTest::newRow("no address") << "  "
                                    << ""
                                    << "Error: Enter the address of the switch.";
        QTest::newRow("unknown host") << "no-such-host.invalid"
                                      << ""
                                      << "Error: Error Host Name!";
        QTest::newRow("password holding a switch")
            << "127.0.0.1"
            << "ab/vcd"
            << "Error: The auth password cannot hold \"/v\": the program's command line would read it as "
               "another setting.";
    }
    void RefusedInputKeepsTheDialogOpen() {
        QFETCH(QString, address);
        QFETCH(QString, authPass);
        QFETCH(QString, message);
        TfrmConnect dialog({});
        Typed t;
        t.address = address;
        t.version = 2;
        t.user = "u";
        t.authPass = authPass;
        Type(dialog, t);
        dialog.show();
        dialog.btnOk->click();
        QCOMPARE(boxes_, QStringList{message});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Port and SNMPv3 fields are open only under SNMPv3, the communities only below it.
    void FieldsFollowTheVersion() {
        TfrmConnect dialog({});
        QCOMPARE(dialog.windowTitle(), QString("Connect to switch"));
        QVERIFY(!dialog.lstRecent->isVisibleTo(&dialog));
        for (int item : {0, 1, 2}) {
            dialog.rgpSNMPVersion->SetItemIndex(item);
            const bool v3 = item == 2;
            QCOMPARE(dialog.edtPort->isEnabled(), v3);
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
