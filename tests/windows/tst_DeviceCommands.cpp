#include "base/ErrorCatalog.h"
#include "catalog/TvDeviceCommandData.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvUrlOpener.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPRequest.h"
#include "support/JournalWitness.h"
#include "support/SimSwitch.h"
#include "support/SnmpdAgent.h"
#include "support/TestPaths.h"
#include "support/WindowTest.h"
#include "windows/TvDeviceCommands.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

// What a command uses of the main window: a window to own its boxes, the status panel (the front
// panel's poll writes there) and the panel for command outcomes.
class FakeHost : public TvWindowHost {
public:
    QWidget Window;
    QLabel Status{&Window};
    QLabel Outcome{&Window};
    bool HasOutcomePanel = true;
    ConnectionTexts Texts;
    std::string Program;

    QWidget* HostWindow() override { return &Window; }
    const ConnectionTexts& Connection() const override { return Texts; }
    const std::string& ProgramFile() const override { return Program; }
    OperatingMode Mode() const override { return OperatingMode::Standalone; }
    QLabel* HostStatus() override { return &Status; }
    QLabel* CommandStatus() override { return HasOutcomePanel ? &Outcome : nullptr; }
    QLabel* StpVersionHolder() override { return nullptr; }
    void ReadStpVersion() override {}
};

void RunEntry(TvWindowHost& host, const char* name) {
    const TvMenuNode* entry = TvMenuTree::Find(name);
    QVERIFY(entry);
    const TvWindowRegistry::Opener* open = TvWindowRegistry::Find(entry->Target);
    QVERIFY2(open, entry->Target);
    (*open)(host, *entry);
}

} // namespace

class TestDeviceCommands : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<SimSwitch> sim_;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes_;
    QList<Qt::WindowModality> modalities_; // of each box, as it would hold a window with a parent
    QWidget probe_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes;
    QList<QUrl> opened_;
    bool openResult_ = true;

    // The SET lines the agent logged since `from`, as "OID" of each variable.
    QStringList SetsSince(size_t from) const {
        QStringList sets;
        for (const QString& line : QString::fromStdString(sim_->Log().substr(from)).split('\n'))
            if (line.startsWith("SET"))
                sets << line.section(' ', -1);
        return sets;
    }
    static std::string ReadScalar(const char* oid) {
        TvSNMPRequest request;
        request.VarList.AddItem(oid, "", synInteger, accReadOnly);
        request.GetStep(true);
        return request.VarList.Item(0).Value;
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start({"--log"}), sim_->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            modalities_ << TvMessageBox::Modality(&probe_);
            return answer_;
        });
        TvUrlOpener::SetHook([this](const QUrl& url) {
            opened_ << url;
            return openResult_;
        });
    }
    void init() {
        WindowTest::UseSimulator(sim_->Port());
        boxes_.clear();
        opened_.clear();
        answer_ = QMessageBox::Yes;
        openResult_ = true;
    }
    void cleanup() {
        const std::string faults = sim_ ? witness_->Compare(*sim_) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() {
        TvMessageBox::SetHook({});
        TvUrlOpener::SetHook({});
    }

    void commandsAreTheSpecifiedWrites() {
        QCOMPARE(DeviceCommands().size(), size_t(2));
        const TvDeviceCommandRow* save = FindDeviceCommand("SaveConfig");
        QVERIFY(save && FindDeviceCommand("Reboot") && !FindDeviceCommand("Help"));
        QCOMPARE(QString(save->Value), QString("3"));
    }

    void answerNoSendsNothing_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("box");
        QTest::newRow("save") << "SaveConfig"
                              << "Save Configure: Save Configurations into NV-RAM ?";
        QTest::newRow("reboot") << "Reset"
                                << "Reboot: Are you sure to reboot the device?";
    }
    void answerNoSendsNothing() {
        QFETCH(QString, entry);
        QFETCH(QString, box);
        FakeHost host;
        host.Status.setText("before");
        host.Outcome.setText("before");
        answer_ = QMessageBox::No;
        const size_t from = sim_->Log().size();
        modalities_.clear();
        RunEntry(host, entry.toLatin1().constData());
        QVERIFY(sim_->AwaitMarker());
        QCOMPARE(boxes_, QStringList{box});
        // A question about the whole switch holds every window, the only kind that does.
        QCOMPARE(modalities_, QList<Qt::WindowModality>{Qt::ApplicationModal});
        QCOMPARE(TvMessageBox::Modality(&probe_), Qt::WindowModal);
        QCOMPARE(SetsSince(from), QStringList{});
        QCOMPARE(host.Status.text(), QString("before"));
        QCOMPARE(host.Outcome.text(), QString("before"));
    }

    // The outcome goes to the host's command panel, where the front panel's poll does not write; a
    // host without one gets it in its status panel.
    void saveSendsOneWriteAndConfirms_data() {
        QTest::addColumn<bool>("outcomePanel");
        QTest::newRow("command panel") << true;
        QTest::newRow("no command panel") << false;
    }
    void saveSendsOneWriteAndConfirms() {
        QFETCH(bool, outcomePanel);
        FakeHost host;
        host.HasOutcomePanel = outcomePanel;
        host.Status.setText("Get: (TvSNMP++) Ok! Request: Led Status.");
        const size_t from = sim_->Log().size();
        RunEntry(host, "SaveConfig");
        QCOMPARE(boxes_, QStringList{"Save Configure: Save Configurations into NV-RAM ?"});
        QCOMPARE(SetsSince(from), QStringList{".1.3.6.1.4.1.59371.12.1.2.6.0"});
        const QString outcome = outcomePanel ? host.Outcome.text() : host.Status.text();
        QVERIFY2(outcome.startsWith("Set: (TvSNMP++) Ok! Request:Save Changes. Receive at "),
                 qPrintable(outcome));
        if (outcomePanel)
            QCOMPARE(host.Status.text(), QString("Get: (TvSNMP++) Ok! Request: Led Status."));
        QVERIFY(host.Window.isEnabled());
        // The switch took the value 3: its save state reads "completed".
        QCOMPARE(ReadScalar("1.3.6.1.4.1.59371.12.1.1.4"), std::string("3"));
    }

    void unreachableSwitchIsReported_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::newRow("save") << "SaveConfig"
                              << "Save Changes";
        QTest::newRow("reboot") << "Reset"
                                << "Reboot";
    }
    void unreachableSwitchIsReported() {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        gSNMPDevice.Port = SnmpdAgent::ClosedPort();
        gSNMPTimeout = 20;
        FakeHost host;
        RunEntry(host, entry.toLatin1().constData());
        const QString timeout = QString::fromStdString(CatalogText(errTimeout));
        QCOMPARE(boxes_.size(), 2);
        QCOMPARE(boxes_[1], "Error: The switch did not confirm \"" + name + "\":\n" + timeout);
        QVERIFY2(host.Outcome.text().startsWith("Set: " + timeout + " Request:" + name + ". Receive at "),
                 qPrintable(host.Outcome.text()));
        QVERIFY(host.Window.isEnabled());
    }

    void agentErrorIsReported() {
        gSNMPSecurity.WriteCommunity = "rdcomm"; // read-only: the switch refuses the write
        FakeHost host;
        RunEntry(host, "SaveConfig");
        QCOMPARE(boxes_.size(), 2);
        QVERIFY2(boxes_[1].startsWith("Error: The switch did not confirm \"Save Changes\":\n"),
                 qPrintable(boxes_[1]));
        QVERIFY2(host.Outcome.text().startsWith("Set: ") && !host.Outcome.text().contains("Ok!"),
                 qPrintable(host.Outcome.text()));
    }

    void helpOpensThePageBesideTheProgram() {
        FakeHost host;
        host.Program = (dir_.path() + "/qtr5190mx").toStdString();
        const QString page = dir_.path() + "/QTR-5190 r4-5 JUN 08 Rnimbro-v9.html";
        QFile::remove(page);
        RunEntry(host, "H1");
        QCOMPARE(boxes_, QStringList{"Help: The help file is missing:\n" + page});
        QVERIFY(opened_.isEmpty());

        boxes_.clear();
        QFile f(page);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        RunEntry(host, "H1");
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(page)});

        openResult_ = false;
        RunEntry(host, "H1");
        QCOMPARE(boxes_, QStringList{"Help: No program of the desktop could open the help file:\n" + page +
                                     "\nOpen it in a web browser."});
    }

    void builtPageLiesBesideTheBuiltProgram() {
        const QString page = QString::fromStdString(BinDir()) + "/QTR-5190 r4-5 JUN 08 Rnimbro-v9.html";
        QFile f(page);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(page));
        const QByteArray html = f.readAll();
        QVERIFY(html.startsWith("<!DOCTYPE html>"));
        QVERIFY(html.contains("<h2>SNMP settings of the switch</h2>"));
        QVERIFY2(html.contains("src=\"data:image/png;base64,"), "pictures travel inside the page");
        QVERIFY(!html.contains(".png\""));
    }

    // Last: the simulated switch restarts after it.
    void rebootSendsOneWriteAndConfirms() {
        FakeHost host;
        const size_t from = sim_->Log().size();
        RunEntry(host, "Reset");
        QCOMPARE(boxes_, QStringList{"Reboot: Are you sure to reboot the device?"});
        QCOMPARE(SetsSince(from), QStringList{".1.3.6.1.4.1.59371.12.1.2.19.0"});
        QVERIFY2(host.Outcome.text().startsWith("Set: (TvSNMP++) Ok! Request:Reboot. Receive at "),
                 qPrintable(host.Outcome.text()));
    }
};

QTEST_MAIN(TestDeviceCommands)
#include "tst_DeviceCommands.moc"
