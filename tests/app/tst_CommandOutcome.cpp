#include "app/TfrmMain.h"
#include "binding/TvSNMPRequest2Leds.h"
#include "binding/TvStatusPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const char* const kLedStatus = ".1.3.6.1.4.1.59371.12.11.1.9.4.1.5.1";

} // namespace

// The outcome of Save Changes and Reboot in the real main window, whose front panel polls the switch
// every few seconds into its own status panel.
class TestCommandOutcome : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    std::unique_ptr<SimSwitch> sim_;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    std::unique_ptr<TfrmMain> main_;
    QStringList boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes;

    QString Folder() const { return root_.path() + "/tarvo_ems/QTR5190MX"; }

    // Runs a menu entry as the operator's click does.
    bool Click(const QString& caption) {
        QAction* entry = main_->MenuEntry(caption);
        if (!entry || !entry->isEnabled())
            return false;
        entry->trigger();
        return true;
    }
    // Waits for a poll of the LEDs that the switch logged after `from` and whose reply the front panel
    // has taken in.
    bool PollAnsweredSince(size_t from) {
        return PumpUntil([&] {
            return QString::fromStdString(sim_->Log().substr(from)).contains(kLedStatus) &&
                   !main_->FrontPanel()->Busy;
        });
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(Folder()));
        QVERIFY(QDir::setCurrent(root_.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root_.path() + "/etc");
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return answer_;
        });
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start({"--log"}), sim_->Error().c_str());
        // The switch's port comes from the standalone device profile.
        QFile profile(Folder() + "/127.0.0.1.cfg");
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write("[Program Information]\r\nVersion=1\r\nAgentPort=" + QByteArray::number(sim_->Port()) +
                      "\r\n");
        profile.close();
        main_ = std::make_unique<TfrmMain>();
        main_->SetProgramFile((Folder() + "/qtr5190mx").toStdString());
        QVERIFY(main_->FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm"}));
        QVERIFY(main_->FrontPanel() && main_->FrontPanel()->Polling());
    }
    void init() {
        boxes_.clear();
        answer_ = QMessageBox::Yes;
    }
    void cleanup() {
        const std::string faults = sim_ ? witness_->Compare(*sim_) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() {
        main_.reset();
        TvMessageBox::SetHook({});
    }

    // The confirmed outcome outlasts the next polls of the LEDs, also the first ones after a reboot;
    // the write is the switch's log's.
    void outcomeOutlastsTheLedPoll_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("oid");
        QTest::newRow("Save Changes") << "Save Changes"
                                      << "Save Configure: Save Configurations into NV-RAM ?"
                                      << "1.3.6.1.4.1.59371.12.1.2.6.0";
        QTest::newRow("Reboot") << "Reboot"
                                << "Reboot: Are you sure to reboot the device?"
                                << "1.3.6.1.4.1.59371.12.1.2.19.0";
    }
    void outcomeOutlastsTheLedPoll() {
        QFETCH(QString, entry);
        QFETCH(QString, question);
        QFETCH(QString, oid);
        const size_t from = sim_->Log().size();
        QVERIFY(Click(entry));
        QCOMPARE(boxes_, QStringList{question});
        QCOMPARE(WindowTest::Sets(sim_->Log(), from), QStringList{oid});
        const QString outcome = main_->StatusPanel1->text();
        QVERIFY2(outcome.startsWith("Set: (TvSNMP++) Ok! Request:" + entry + ". Receive at "),
                 qPrintable(outcome));

        const size_t afterSet = sim_->Log().size();
        // Before, the poll's next line replaced it here.
        QVERIFY(PollAnsweredSince(afterSet));
        QVERIFY2(main_->StatusPanel0->text().contains("Request: Led Status."),
                 qPrintable(main_->StatusPanel0->text()));
        QCOMPARE(main_->StatusPanel1->text(), outcome);
    }

    // The next entry the operator opens takes the outcome away, whatever it does: here a command
    // answered No, which sends nothing.
    void nextEntryClearsTheOutcome() {
        QVERIFY(Click("Save Changes"));
        QVERIFY(main_->StatusPanel1->text().contains("Ok!"));
        boxes_.clear();
        answer_ = QMessageBox::No;
        const size_t from = sim_->Log().size();
        QVERIFY(Click("Save Changes"));
        QVERIFY(sim_->AwaitMarker());
        QCOMPARE(WindowTest::Sets(sim_->Log(), from), QStringList{});
        QCOMPARE(boxes_, QStringList{"Save Configure: Save Configurations into NV-RAM ?"});
        QVERIFY(main_->StatusPanel1->text().isEmpty());
    }

    void grabStatusBar() {
        QVERIFY(Click("Save Changes"));
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        QVERIFY(PollAnsweredSince(sim_->Log().size()));
        const QString png = QDir::tempPath() + "/main_window_command_outcome.png";
        QVERIFY(main_->grab().save(png));
        qInfo("window grabbed to %s", qPrintable(png));
    }
};

QTEST_MAIN(TestCommandOutcome)
#include "tst_CommandOutcome.moc"
