#include "base/TvException.h"
#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "profile/DeviceProfile.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPRequest.h"
#include "support/SimSwitch.h"
#include "support/TestPaths.h"
#include "windows/TfrmConfigSNMP.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

namespace {

// The settings a program started as "/I127.0.0.1 /v1 /Rpub /Wpriv" with a stored SNMPv3 past runs with.
ConnectionTexts RunningV2c() {
    ConnectionTexts t;
    t.AgentIP = "127.0.0.1";
    t.AgentPort = "161";
    t.Version = "1";
    t.GetCommStr = "pub";
    t.SetCommStr = "priv";
    t.SecurityModel = "1";
    t.SecurityLevel = "1";
    t.AuthProtocol = "1";
    t.PrivProtocol = "1";
    t.AuthPassword = "storedauth1";
    t.PrivPassword = "storedpriv1";
    return t;
}

ConnectionTexts RunningV3() {
    ConnectionTexts t = RunningV2c();
    t.AgentPort = "1161";
    t.Version = "3";
    t.SecurityModel = "3";
    t.SecurityName = "MD5_DES_User";
    t.SecurityLevel = "3";
    t.AuthProtocol = "2";
    t.PrivProtocol = "2";
    t.ContextName = "ctx";
    t.ContextEngineID = "800007e580";
    return t;
}

// SNMPv3 users of the simulated switch whose names are not ASCII (SHA, "authpass123", read-write).
const QStringList kForeignUsers = {"Bäcker", "管理者", "оператор_ü"};

} // namespace

class TestConfigSNMP : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QStringList boxes_;
    std::unique_ptr<SimSwitch> sim_;

    std::string Program() const { return (dir_.path() + "/qtr5190mx").toStdString(); }
    QString ProfilePath() const { return dir_.path() + "/127.0.0.1.cfg"; }
    QByteArray Profile() const {
        QFile f(ProfilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The two stamp values of a written profile, which the test cannot know beforehand.
    static QPair<QByteArray, QByteArray> Stamps(const QByteArray& bytes) {
        const QRegularExpression re("\r\nUpdateDate=([^\r]*)\r\nUpdateTime=([^\r]*)\r\n");
        const auto m = re.match(QString::fromLatin1(bytes));
        return {m.captured(1).toLatin1(), m.captured(2).toLatin1()};
    }
    static QByteArray Unstamped(const QByteArray& bytes) {
        return QString::fromLatin1(bytes)
            .remove(QRegularExpression("\r\nUpdate(Date|Time)=[^\r]*"))
            .toLatin1();
    }

    static void Choose(TfrmConfigSNMP& d, int version) {
        // As the operator's click does.
        d.rgpSNMPVersion->SetItemIndex(version);
    }
    static void Type(QComboBox* combo, const QString& text) {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
        std::vector<std::string> options = {"--log"};
        for (const QString& user : kForeignUsers)
            options.insert(options.end(), {"--user", (user + ",SHA,authpass123,rw").toStdString()});
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start(options), sim_->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return QMessageBox::Ok;
        });
    }
    void init() {
        boxes_.clear();
        QFile::remove(ProfilePath());
        QDir(ProfilePath()).removeRecursively();
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void opensWithTheRunningSettings() {
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        QCOMPARE(d.windowTitle(), QString("Device SNMP Configure"));
        QCOMPARE(d.lblIP->text(), QString("127.0.0.1"));
        QCOMPARE(d.edtPort->text(), QString("161"));
        QCOMPARE(d.rgpSNMPVersion->Items(), (QStringList{"SNMPv1", "SNMPv2c", "SNMPv3"}));
        QCOMPARE(d.rgpSNMPVersion->ItemIndex(), 1);
        QCOMPARE(d.edtContext->text(), QString("pub"));
        QCOMPARE(d.edtCommunity->text(), QString("priv"));
        QVERIFY(d.edtAuthPass->text().isEmpty());
        QVERIFY(d.edtPrivPass->text().isEmpty());
        QCOMPARE(d.lblPasswordNote->text(), QString("An empty password keeps the stored one."));
        for (QComboBox* c : {d.cbxSecurityName, d.cbxSecurityLevel, d.cbxAuthProtocol, d.cbxPrivProtocol}) {
            QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));
            QVERIFY(c->isEditable());
        }
        for (QLineEdit* e : {d.edtAuthPass, d.edtPrivPass, d.edtContextEngine})
            QVERIFY2(e->isReadOnly(), qPrintable(e->objectName()));
        QVERIFY(!d.edtContext->isReadOnly());
        QVERIFY(!d.edtCommunity->isReadOnly());
        QCOMPARE(d.ProfileFile(), ProfilePath().toStdString());

        TfrmConfigSNMP v3(nullptr, RunningV3(), Program());
        QCOMPARE(v3.rgpSNMPVersion->ItemIndex(), 2);
        QCOMPARE(v3.edtPort->text(), QString("1161"));
        QCOMPARE(v3.cbxSecurityName->currentText(), QString("MD5_DES_User"));
        QCOMPARE(v3.cbxSecurityLevel->currentText(), QString("AuthPriv"));
        QCOMPARE(v3.cbxAuthProtocol->currentText(), QString("HMACMD5"));
        QCOMPARE(v3.cbxPrivProtocol->currentText(), QString("CBC_DES"));
        QCOMPARE(v3.edtContext->text(), QString("ctx"));
        QCOMPARE(v3.edtContextEngine->text(), QString("800007e580"));
        QVERIFY(v3.cbxSecurityLevel->isEnabled());
        QVERIFY(!v3.edtAuthPass->isReadOnly());
        QVERIFY(v3.edtAuthPass->text().isEmpty());
        QCOMPARE(v3.cbxAuthProtocol->count(), 7);
        QCOMPARE(v3.cbxPrivProtocol->itemText(5), QString("CFB_AES256"));
    }

    void versionSwitchFillsTheCommunities() {
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        d.edtContext->setText("typed");
        Choose(d, 2);
        QVERIFY(d.edtContext->text().isEmpty());
        QVERIFY(d.edtCommunity->text().isEmpty());
        QVERIFY(d.cbxSecurityName->isEnabled());
        QVERIFY(!d.edtContextEngine->isReadOnly());
        d.edtContext->setText("typed");
        d.cbxSecurityName->setEditText("kept");
        Choose(d, 0);
        QCOMPARE(d.edtContext->text(), QString("rdcomm"));
        QCOMPARE(d.edtCommunity->text(), QString("wrtcomm"));
        QVERIFY(!d.cbxSecurityName->isEnabled());
        QCOMPARE(d.cbxSecurityName->currentText(), QString("kept"));
    }

    void okWithoutChangesKeepsTheStoredSettings() {
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(boxes_.isEmpty());
        QVERIFY(!d.VersionChangedFlag());
        const QByteArray bytes = Profile();
        const auto [date, time] = Stamps(bytes);
        QVERIFY(!date.isEmpty() && !time.isEmpty());
        QCOMPARE(bytes, "[Program Information]\r\nAgentIP=127.0.0.1\r\nAgentPort=161\r\nVersion=1\r\n"
                        "SecurityName=\r\nAuthPassword=storedauth1\r\nPrivPassword=storedpriv1\r\n"
                        "AuthProtocol=0\r\nPrivProtocol=0\r\nContextEngineID=\r\nSecurityLevel=0\r\n"
                        "ContextName=pub\r\nGetCommStr=pub\r\nSetCommStr=priv\r\nUpdateDate=" +
                            date + "\r\nUpdateTime=" + time + "\r\nSecurityModel=3");
        struct stat st {};
        QCOMPARE(::stat(ProfilePath().toLocal8Bit().constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0600u);
        QVERIFY(d.edtAuthPass->text().isEmpty());
    }

    // The dialog does not show the GETBULK key: a profile that has it keeps it (last, as the operator
    // added it), one without it keeps the suite's layout.
    void okKeepsTheGetBulkKey() {
        for (const QByteArray& before : {QByteArray("[Program Information]\r\nVersion=1\r\nGetBulk=0\r\n"),
                                         QByteArray("[Program Information]\r\nVersion=1\r\n")}) {
            QFile f(ProfilePath());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(before);
            f.close();
            TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
            d.btnOk->click();
            QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
            const bool kept = before.contains("GetBulk");
            QVERIFY2(Profile().endsWith(kept ? "\r\nSecurityModel=3\r\nGetBulk=0" : "\r\nSecurityModel=3"),
                     Profile().constData());
        }
    }

    void snmpV1ProfileBytes() {
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        Choose(d, 0);
        d.edtPort->setText("2161");
        d.btnOk->click();
        QVERIFY(d.VersionChangedFlag());
        const QByteArray bytes = Profile();
        const auto [date, time] = Stamps(bytes);
        QCOMPARE(bytes, "[Program Information]\r\nAgentIP=127.0.0.1\r\nAgentPort=2161\r\nVersion=0\r\n"
                        "SecurityName=\r\nAuthPassword=storedauth1\r\nPrivPassword=storedpriv1\r\n"
                        "AuthProtocol=0\r\nPrivProtocol=0\r\nContextEngineID=\r\nSecurityLevel=0\r\n"
                        "ContextName=rdcomm\r\nGetCommStr=rdcomm\r\nSetCommStr=wrtcomm\r\nUpdateDate=" +
                            date + "\r\nUpdateTime=" + time + "\r\nSecurityModel=3");
    }

    void snmpV3ProfileBytes() {
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        Choose(d, 2);
        Type(d.cbxSecurityName, "Ops_Admin"); // typed by hand, not from the list: kept as typed
        Type(d.cbxSecurityLevel, "authpriv"); // typed: selects the item
        Type(d.cbxAuthProtocol, "hmac_sha256");
        Type(d.cbxPrivProtocol, "CFB_AES128");
        d.edtAuthPass->setText("authpass123");
        d.edtPrivPass->setText("privpass123");
        d.edtContext->setText("ctx");
        d.edtContextEngine->setText("8000");
        d.btnOk->click();
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        QVERIFY(d.VersionChangedFlag());
        QCOMPARE(d.cbxSecurityLevel->currentText(), QString("AuthPriv"));
        const QByteArray bytes = Profile();
        const auto [date, time] = Stamps(bytes);
        QCOMPARE(bytes, "[Program Information]\r\nAgentIP=127.0.0.1\r\nAgentPort=161\r\nVersion=3\r\n"
                        "SecurityName=Ops_Admin\r\nAuthPassword=authpass123\r\nPrivPassword=privpass123\r\n"
                        "AuthProtocol=4\r\nPrivProtocol=3\r\nContextEngineID=8000\r\nSecurityLevel=2\r\n"
                        "ContextName=ctx\r\nGetCommStr=ctx\r\nSetCommStr=\r\nUpdateDate=" +
                            date + "\r\nUpdateTime=" + time + "\r\nSecurityModel=3");
        QVERIFY2(d.edtAuthPass->text().isEmpty() && d.edtPrivPass->text().isEmpty(),
                 "secrets cleared on close");
    }

    void checksInOrder_data() {
        QTest::addColumn<QStringList>(
            "fields");                       // name, level, auth, auth password, priv, priv password, port
        QTest::addColumn<QString>("stored"); // stored auth and priv password
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString unknownLevel =
            "SecurityLevel \"Medium\" is unknown!\nChoose one of: NoAuthNoPriv, AuthNoPriv, AuthPriv.";
        QTest::newRow("all empty") << QStringList{"", "", "", "", "", "", "0"} << ""
                                   << "SecurityName is empty!"
                                   << "cbxSecurityName";
        QTest::newRow("no level") << QStringList{"u", "", "", "", "", "", "0"} << ""
                                  << "SecurityLevel is empty!"
                                  << "cbxSecurityLevel";
        QTest::newRow("no auth") << QStringList{"u", "Medium", "", "", "", "", "0"} << ""
                                 << "AuthProtocol is empty!"
                                 << "cbxAuthProtocol";
        QTest::newRow("no priv") << QStringList{"u", "Medium", "x", "", "", "", "0"} << ""
                                 << "PrivProtocol is empty!"
                                 << "cbxPrivProtocol";
        QTest::newRow("unknown level")
            << QStringList{"u", "Medium", "x", "", "y", "", "0"} << "" << unknownLevel << "cbxSecurityLevel";
        QTest::newRow("unknown auth")
            << QStringList{"u", "authnopriv", "SHA3", "", "None", "", "0"} << ""
            << "AuthProtocol \"SHA3\" is unknown!\nChoose one of: None, HMACMD5, HMAC_SHA, HMAC_SHA224, "
               "HMAC_SHA256, HMAC_SHA384, HMAC_SHA512."
            << "cbxAuthProtocol";
        QTest::newRow("unknown priv")
            << QStringList{"u", "authnopriv", "HMACMD5", "", "3DES", "", "0"} << ""
            << "PrivProtocol \"3DES\" is unknown!\nChoose one of: None, CBC_DES, CBC_IDEA, CFB_AES128, "
               "CFB_AES192, CFB_AES256."
            << "cbxPrivProtocol";
        QTest::newRow("port 0") << QStringList{"u", "NoAuthNoPriv", "None", "", "None", "", "0"} << ""
                                << "Port must be a number from 1 to 65535!"
                                << "edtPort";
        QTest::newRow("port 65536") << QStringList{"u", "NoAuthNoPriv", "None", "", "None", "", "65536"} << ""
                                    << "Port must be a number from 1 to 65535!"
                                    << "edtPort";
        QTest::newRow("port text") << QStringList{"u", "NoAuthNoPriv", "None", "", "None", "", "16x"} << ""
                                   << "Port must be a number from 1 to 65535!"
                                   << "edtPort";
        QTest::newRow("auth level without protocol")
            << QStringList{"u", "AuthNoPriv", "None", "authpass123", "None", "", "161"} << ""
            << "SecurityLevel AuthNoPriv needs an AuthProtocol other than None!"
            << "cbxAuthProtocol";
        QTest::newRow("short auth password")
            << QStringList{"u", "AuthNoPriv", "HMACMD5", "1234567", "None", "", "161"} << ""
            << "The Auth Password needs at least 8 characters!"
            << "edtAuthPass";
        QTest::newRow("short stored auth password")
            << QStringList{"u", "AuthNoPriv", "HMACMD5", "", "None", "", "161"} << "short"
            << "The Auth Password needs at least 8 characters!"
            << "edtAuthPass";
        QTest::newRow("priv level without protocol")
            << QStringList{"u", "AuthPriv", "HMAC_SHA", "authpass123", "None", "privpass123", "161"} << ""
            << "SecurityLevel AuthPriv needs a PrivProtocol other than None!"
            << "cbxPrivProtocol";
        QTest::newRow("short priv password")
            << QStringList{"u", "AuthPriv", "HMAC_SHA", "authpass123", "CBC_DES", "1234567", "161"} << ""
            << "The Priv Password needs at least 8 characters!"
            << "edtPrivPass";
        QTest::newRow("stored passwords serve")
            << QStringList{"u", "AuthPriv", "HMAC_SHA", "", "CBC_DES", "", "161"} << "longenough"
            << ""
            << "";
        QTest::newRow("no auth, short passwords")
            << QStringList{"u", "noauthnopriv", "None", "x", "None", "y", "161"} << ""
            << ""
            << "";
    }
    void checksInOrder() {
        QFETCH(QStringList, fields);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        ConnectionTexts running = RunningV2c();
        running.AuthPassword = running.PrivPassword = stored.toStdString();
        TfrmConfigSNMP d(nullptr, running, Program());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Choose(d, 2);
        Type(d.cbxSecurityName, fields[0]);
        Type(d.cbxSecurityLevel, fields[1]);
        Type(d.cbxAuthProtocol, fields[2]);
        d.edtAuthPass->setText(fields[3]);
        Type(d.cbxPrivProtocol, fields[4]);
        d.edtPrivPass->setText(fields[5]);
        d.edtPort->setText(fields[6]);
        d.btnOk->click();
        if (message.isEmpty()) {
            QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QVERIFY(QFile::exists(ProfilePath()));
            return;
        }
        QCOMPARE(boxes_, QStringList{"Warning: " + message});
        QVERIFY2(!QFile::exists(ProfilePath()), "nothing written");
        QVERIFY(d.isVisible());
        QVERIFY(!d.VersionChangedFlag());
        QCOMPARE(d.focusWidget() ? d.focusWidget()->objectName() : QString(), focus);
    }

    void createFileErrorNamesFileAndReason() {
        QVERIFY(QDir().mkpath(ProfilePath())); // a folder where the file should go
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        d.show();
        d.btnOk->click();
        QCOMPARE(boxes_, QStringList{"Error: Create file error!\n" + ProfilePath() + ": Is a directory"});
        QVERIFY(d.isVisible());
        QVERIFY(!d.VersionChangedFlag());

        boxes_.clear();
        ConnectionTexts odd = RunningV2c();
        odd.AgentIP = "a/b";
        TfrmConfigSNMP bad(nullptr, odd, Program());
        bad.btnOk->click();
        QCOMPARE(boxes_, QStringList{"Error: Create file error!\n" + dir_.path() +
                                     "/a/b.cfg: not a valid file name"});
    }

    void exitNeverWrites() {
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        Choose(d, 2);
        d.btnExit->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(!d.VersionChangedFlag());
        QVERIFY(!QFile::exists(ProfilePath()));
    }

    // Only a new version asks to restart: another user under SNMPv3 is saved for the next start.
    void versionChangedFlag_data() {
        QTest::addColumn<QString>("running");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("changed");
        QTest::newRow("v1 stays v1") << "0" << 0 << false;
        QTest::newRow("empty counts as v1") << "" << 0 << false;
        QTest::newRow("v1 to v2c") << "0" << 1 << true;
        QTest::newRow("v1 to v3") << "0" << 2 << true;
        QTest::newRow("v2c stays v2c") << "1" << 1 << false;
        QTest::newRow("v2c to v1") << "1" << 0 << true;
        QTest::newRow("v3 stays v3") << "3" << 2 << false;
        QTest::newRow("v3 to v2c") << "3" << 1 << true;
        QTest::newRow("other running version") << "2" << 0 << false;
        QTest::newRow("not a number") << "x" << 2 << false;
    }
    void versionChangedFlag() {
        QFETCH(QString, running);
        QFETCH(int, selected);
        QFETCH(bool, changed);
        QCOMPARE(TfrmConfigSNMP::VersionChanged(running.toStdString(), selected), changed);
    }

    // The dialog's own OK with another user only: no question either.
    void anotherUserIsNoNewVersion() {
        TfrmConfigSNMP d(nullptr, RunningV3(), Program());
        Type(d.cbxSecurityName, "SHA_DES_User");
        d.edtAuthPass->setText("authpass123");
        d.edtPrivPass->setText("privpass123");
        d.btnOk->click();
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.VersionChangedFlag());
        QVERIFY(Profile().contains("\r\nSecurityName=SHA_DES_User\r\n"));
    }

    // A name beyond ASCII is stored as typed (UTF-8), so that the next start, reading the profile,
    // reaches the switch as that user: the switch's log shows the name it received.
    void foreignNamesReachTheSwitch_data() {
        QTest::addColumn<QString>("user");
        for (const QString& user : kForeignUsers)
            QTest::newRow(user.toUtf8().constData()) << user;
    }
    void foreignNamesReachTheSwitch() {
        QFETCH(QString, user);
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        Choose(d, 2);
        d.edtPort->setText(QString::number(sim_->Port()));
        Type(d.cbxSecurityName, user);
        Type(d.cbxSecurityLevel, "AuthNoPriv");
        Type(d.cbxAuthProtocol, "HMAC_SHA");
        Type(d.cbxPrivProtocol, "None");
        d.edtAuthPass->setText("authpass123");
        d.btnOk->click();
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));

        // The next start: the command line's session, then the profile.
        gSNMPDevice = TvSNMPDevice{"127.0.0.1", 161};
        gSNMPSecurity.Version = 1;
        ConnectionTexts texts;
        QCOMPARE(ReadProfileFile(ProfilePath().toStdString(), texts), ProfileRead::Read);
        QCOMPARE(gSNMPDevice.Port, sim_->Port());
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
        QVERIFY2(log.contains("GET     v3 " + user + " .1.3.6.1.4.1.59371.12.1.1.4.0"), qPrintable(log));
        QVERIFY(Profile().contains("\r\nSecurityName=" + user.toUtf8() + "\r\n"));

        // Reopened, the dialog shows the name as it was typed.
        TfrmConfigSNMP again(nullptr, RunningV2c(), Program());
        QCOMPARE(again.cbxSecurityName->currentText(), user);
    }

    // Texts the profile could not give back as typed, and names longer than SNMPv3 allows, are refused
    // on OK with the reason; nothing is written. The fields start from a valid SNMPv3 set.
    void textsThatCannotBeUsedAreRefused_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto tooLong = [](const char* caption, int octets) {
            return QString("The %1 is %2 octets long: SNMPv3 allows at most 32!\n"
                           "(A character beyond ASCII takes 2 to 4 octets.)")
                .arg(caption)
                .arg(octets);
        };
        const QString kept = ": the device profile would not keep it!";
        QTest::newRow("name of 32 octets") << 2 << "cbxSecurityName" << QString(32, 'u') << "";
        QTest::newRow("name in another case than a list item, kept") << 2 << "cbxSecurityName"
                                                                     << "md5_des_user"
                                                                     << "";
        QTest::newRow("name of 33 octets")
            << 2 << "cbxSecurityName" << QString(33, 'u') << tooLong("Security Name", 33);
        QTest::newRow("name of 16 two-octet characters") << 2 << "cbxSecurityName" << QString(16, u'ä') << "";
        QTest::newRow("name of 17 two-octet characters")
            << 2 << "cbxSecurityName" << QString(17, u'ä') << tooLong("Security Name", 34);
        QTest::newRow("context of 32 octets") << 2 << "edtContext" << QString(32, 'c') << "";
        QTest::newRow("context of 300 characters")
            << 2 << "edtContext" << QString(300, 'c') << tooLong("Context Name", 300);
        QTest::newRow("read community of 300 characters (no SNMPv3 name)")
            << 1 << "edtContext" << QString(300, 'c') << "";
        QTest::newRow("name with a leading blank")
            << 2 << "cbxSecurityName"
            << " admin"
            << "The Security Name cannot start or end with a blank" + kept;
        QTest::newRow("password with a trailing blank")
            << 2 << "edtAuthPass"
            << "authpass123 "
            << "The Auth Password cannot start or end with a blank" + kept;
        QTest::newRow("community with a tab")
            << 1 << "edtCommunity"
            << "wrt\tcomm"
            << "The Write Community String cannot hold a control character" + kept;
        QTest::newRow("context with a line break")
            << 2 << "edtContext"
            << "ctx\nVersion=0"
            << "The Context Name cannot hold a control character" + kept;
    }
    void textsThatCannotBeUsedAreRefused() {
        QFETCH(int, version);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TfrmConfigSNMP d(nullptr, RunningV3(), Program());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        Choose(d, version);
        if (version == 2) {
            Type(d.cbxSecurityName, "MD5_DES_User");
            Type(d.cbxSecurityLevel, "AuthPriv");
            Type(d.cbxAuthProtocol, "HMACMD5");
            Type(d.cbxPrivProtocol, "CBC_DES");
        }
        if (auto* combo = d.findChild<QComboBox*>(field))
            Type(combo, text);
        else
            d.findChild<QLineEdit*>(field)->setText(text);
        d.btnOk->click();
        if (message.isEmpty()) {
            QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
            QCOMPARE(d.result(), int(QDialog::Accepted));
            const QByteArray key = field == "cbxSecurityName" ? "SecurityName=" : "ContextName=";
            QVERIFY(Profile().contains("\r\n" + key + text.toUtf8() + "\r\n"));
            return;
        }
        QCOMPARE(boxes_, QStringList{"Warning: " + message});
        QVERIFY2(!QFile::exists(ProfilePath()), "nothing written");
        QVERIFY(d.isVisible());
        QCOMPARE(d.focusWidget() ? d.focusWidget()->objectName() : QString(), field);
    }

    // With a profile saved, the dialog shows it (what the next start uses) and names the running
    // settings where they differ; OK without changes stores the saved settings again, byte for byte,
    // also a name written in another code page.
    void reopenedShowsTheSavedSettings() {
        {
            TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
            QCOMPARE(d.lblShown->text(),
                     QString("No settings are saved for this switch yet: the fields show the running ones."));
            Choose(d, 2);
            d.edtPort->setText("1161");
            Type(d.cbxSecurityName, "Ops_Admin");
            Type(d.cbxSecurityLevel, "AuthPriv");
            Type(d.cbxAuthProtocol, "HMAC_SHA256");
            Type(d.cbxPrivProtocol, "CFB_AES128");
            d.edtAuthPass->setText("savedauth1");
            d.edtPrivPass->setText("savedpriv1");
            d.edtContext->setText("ctx");
            d.btnOk->click();
            QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        }
        const QByteArray saved = Profile();

        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        QCOMPARE(d.lblShown->text(),
                 QString("The fields show the saved settings, which apply at the next start.\n"
                         "Running now: SNMPv2c, port 161."));
        QCOMPARE(d.rgpSNMPVersion->ItemIndex(), 2);
        QCOMPARE(d.edtPort->text(), QString("1161"));
        QCOMPARE(d.cbxSecurityName->currentText(), QString("Ops_Admin"));
        QCOMPARE(d.cbxSecurityLevel->currentText(), QString("AuthPriv"));
        QCOMPARE(d.cbxAuthProtocol->currentText(), QString("HMAC_SHA256"));
        QCOMPARE(d.cbxPrivProtocol->currentText(), QString("CFB_AES128"));
        QCOMPARE(d.edtContext->text(), QString("ctx"));
        QVERIFY(d.edtAuthPass->text().isEmpty());
        d.btnOk->click(); // the empty password fields keep the saved passwords, not the running ones
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        QCOMPARE(Unstamped(Profile()), Unstamped(saved));

        // Running what is saved: said so, no second line.
        ConnectionTexts same = RunningV3();
        same.AgentPort = "1161";
        same.SecurityName = "Ops_Admin";
        same.AuthProtocol = "5";
        same.PrivProtocol = "4";
        same.ContextEngineID.clear();
        TfrmConfigSNMP running(nullptr, same, Program());
        QCOMPARE(running.lblShown->text(),
                 QString("The fields show the saved settings, which the program runs with."));
        QVERIFY(running.lblShown->isVisibleTo(&running));

        // Running another user of SNMPv3: named with its level and protocols, never a password.
        TfrmConfigSNMP other(nullptr, RunningV3(), Program());
        QCOMPARE(
            other.lblShown->text(),
            QString("The fields show the saved settings, which apply at the next start.\nRunning now: "
                    "SNMPv3, port 1161, user \"MD5_DES_User\", AuthPriv, HMACMD5, CBC_DES, context \"ctx\", "
                    "context engine ID 800007e580."));

        // A name in another code page shows one character per byte and is kept as it was.
        QFile f(ProfilePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Program Information]\r\nVersion=3\r\nSecurityName=M\xfcller\r\nSecurityLevel=0\r\n");
        f.close();
        TfrmConfigSNMP latin(nullptr, RunningV2c(), Program());
        QCOMPARE(latin.cbxSecurityName->currentText(), QString("Müller"));
        latin.btnOk->click();
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        QVERIFY(Profile().contains("\r\nSecurityName=M\xfcller\r\n"));
    }

    // The saved SNMPv3 settings while the program runs SNMPv2c.
    void screenshot() {
        {
            TfrmConfigSNMP saving(nullptr, RunningV3(), Program());
            saving.btnOk->click();
            QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
        }
        TfrmConfigSNMP d(nullptr, RunningV2c(), Program());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QString png = QString::fromStdString(SourceDir()) + "/docs/snmp-settings.png";
        QVERIFY(d.grab().save(png));
    }
};

QTEST_MAIN(TestConfigSNMP)
#include "tst_ConfigSNMP.moc"
