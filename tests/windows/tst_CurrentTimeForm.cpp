#include "binding/TvSNMPRequest2Edits.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"
#include "values/TvDateTime.h"
#include "windows/TCurrentTimeForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

namespace {

const std::string kTime = "1.3.6.1.4.1.59371.12.10.";

std::string ReadSwitch(const std::string& oid, int syntax) {
    TvSNMPRequest r;
    r.VarList.AddItem(oid, "value", syntax, accReadOnly);
    r.GetStep(true);
    return r.VarList.Item(0).Value;
}

void WriteSwitch(const std::string& oid, int syntax, const std::string& value) {
    TvSNMPRequest r;
    r.VarList.AddItem(oid, "value", syntax, accReadWrite);
    r.VarList.Item(0).Value = value;
    r.Set();
}

QString LastLine(const QPlainTextEdit* memo) {
    return memo->toPlainText().section('\n', -1);
}

} // namespace

class TestCurrentTimeForm : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    // A switch whose capacity the test may change and whose clock stands still.
    std::unique_ptr<SimSwitch> sim;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes;

    static bool ReadDone(TCurrentTimeForm& form) {
        return PumpUntil([&] { return !form.Binding()->Busy; });
    }
    QStringList SetsSince(size_t from) const {
        QStringList sets;
        for (const QString& line : QString::fromStdString(sim->Log().substr(from)).split('\n'))
            if (line.startsWith("SET"))
                sets << line.section(' ', -1);
        return sets;
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir.path().toStdString());
        const QString data = dir.filePath("time.data");
        std::ofstream out(data.toStdString());
        out << "community rdcomm ro\ncommunity wrtcomm rw\n"
            << kTime << "1.0 HEX rw A0 {1..4}\n"
            << kTime << "2.0 HEX rw 07D801170D1E0F002B0000 {8..11}\n"
            << kTime << "3.0 INTEGER ro 2 {1,2}\n";
        out.close();
        QVERIFY(out);
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--data", data.toStdString(), "--log"}), sim->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString&, const QString& text) {
            boxes << text;
            return QMessageBox::Ok;
        });
    }
    void init() {
        WindowTest::UseSimulator(sim->Port());
        boxes.clear();
    }
    void cleanup() {
        const std::string faults = sim ? witness_->Compare(*sim) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void RegisteredForItsMenuEntry() { QVERIFY(TvWindowRegistry::Find("TCurrentTimeForm")); }

    void CapacityNamesTheClock_data() {
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<QString>("shown");
        QTest::newRow("A0") << "A0"
                            << " systemTime,SummerTime";
        QTest::newRow("40") << "40"
                            << " ,SNTP";
        QTest::newRow("F0") << "F0"
                            << " systemTime,SNTP,SummerTime,realTimeClock";
        QTest::newRow("10") << "10"
                            << " ,realTimeClock";
        QTest::newRow("0F: bits without a name shown as they are") << "0F"
                                                                   << " other (0x0F)";
        QTest::newRow("A3") << "A3"
                            << " systemTime,SummerTime,other (0x03)";
        // Only the first octet names capabilities, whatever follows it.
        QTest::newRow("A0 40") << "A040"
                               << " systemTime,SummerTime";
        QTest::newRow("0F F0") << "0FF0"
                               << " other (0x0F)";
    }
    void CapacityNamesTheClock() {
        QFETCH(QString, capacity);
        QFETCH(QString, shown);
        WriteSwitch(kTime + "1", synOctetHex, capacity.toStdString());
        TCurrentTimeForm form(nullptr);
        QVERIFY(ReadDone(form));
        QCOMPARE(form.timecapacityEdit->text(), shown);
        QVERIFY(!form.timecapacityEdit->isEnabled());
        QVERIFY(form.tempText->isHidden());
        QCOMPARE(form.tempText->text(), capacity);
        QCOMPARE(form.currentclockEdit->text(), QString("2008-1-23,13:30:15.0"));
        QCOMPARE(form.cbxReset->currentText(), QString("false"));
        QVERIFY(!form.cbxReset->isEnabled());
        QVERIFY2(LastLine(form.Memo1).startsWith("Get: (TvSNMP++) Ok!"), qPrintable(LastLine(form.Memo1)));
    }

    void SetSendsOnlyARealClock_data() {
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("octets"); // on the switch afterwards; empty: nothing sent
        QTest::newRow("empty") << ""
                               << "The Current Edit should not be empty!"
                               << "";
        QTest::newRow("example") << "2007-5-26,15:30:15.0"
                                 << ""
                                 << "07D7051A0F1E0F002B0000";
        QTest::newRow("hours and minutes") << "2007-5-26,15:30"
                                           << ""
                                           << "07D7051A0F1E00002B0000";
        QTest::newRow("date alone") << "2009-12-31"
                                    << ""
                                    << "07D90C1F000000002B0000";
        QTest::newRow("30 February") << "2007-2-30,15:30:15.0" << TCurrentTimeForm::kBadClockMessage << "";
        QTest::newRow("other format") << "26/05/2007 15:30" << TCurrentTimeForm::kBadClockMessage << "";
        QTest::newRow("words") << "now" << TCurrentTimeForm::kBadClockMessage << "";
    }
    void SetSendsOnlyARealClock() {
        QFETCH(QString, clock);
        QFETCH(QString, box);
        QFETCH(QString, octets);
        WriteSwitch(kTime + "2", synOctetHex, "07D801170D1E0F002B0000");
        TCurrentTimeForm form(nullptr);
        form.show();
        QVERIFY(ReadDone(form));
        form.currentclockEdit->setText(clock);
        form.GetButton->setFocus();
        const size_t from = sim->Log().size();
        const int lines = form.Memo1->document()->blockCount();
        form.SetButton->click();
        QCOMPARE(boxes, box.isEmpty() ? QStringList{} : QStringList{box});
        QVERIFY(PumpUntil([&] { return !form.Binding()->Busy; }));
        if (octets.isEmpty()) {
            QCOMPARE(SetsSince(from), QStringList{});
            QCOMPARE(form.focusWidget(), form.currentclockEdit);
            QCOMPARE(form.Memo1->document()->blockCount(), lines);
            QCOMPARE(ReadSwitch(kTime + "2", synOctetHex), std::string("07D801170D1E0F002B0000"));
        } else {
            QCOMPARE(SetsSince(from), QStringList{"." + QString::fromStdString(kTime) + "2.0"});
            QVERIFY2(LastLine(form.Memo1).startsWith("Set: (TvSNMP++) Ok!"),
                     qPrintable(LastLine(form.Memo1)));
            QCOMPARE(QString::fromStdString(ReadSwitch(kTime + "2", synOctetHex)), octets);
        }
        QVERIFY(!form.timecapacityEdit->isEnabled());
        QVERIFY(!form.cbxReset->isEnabled());
    }

    void RefreshAndErrorsGoToTheMemo() {
        WriteSwitch(kTime + "1", synOctetHex, "40");
        TCurrentTimeForm form(nullptr);
        QVERIFY(ReadDone(form));
        QCOMPARE(form.timecapacityEdit->text(), QString(" ,SNTP"));
        WriteSwitch(kTime + "1", synOctetHex, "A0");
        form.GetButton->click();
        QVERIFY(ReadDone(form));
        QCOMPARE(form.timecapacityEdit->text(), QString(" systemTime,SummerTime"));
        // A switch that does not answer: the timeout is a line of its own; the fields stay.
        form.Binding()->Request.Target.Port = 1;
        form.GetButton->click();
        QVERIFY(ReadDone(form));
        QVERIFY2(LastLine(form.Memo1).startsWith("Get: ") && !LastLine(form.Memo1).contains("Ok!"),
                 qPrintable(LastLine(form.Memo1)));
        QCOMPARE(form.timecapacityEdit->text(), QString(" systemTime,SummerTime"));
        QCOMPARE(form.Memo1->document()->blockCount(), 3);
    }

    // The simulated switch's own data serves the window and takes its clock.
    void DefaultSwitchServesTheWindow() {
        SimSwitch standard;
        QVERIFY2(standard.Start(), standard.Error().c_str());
        gSNMPDevice.Port = standard.Port();
        TCurrentTimeForm form(nullptr);
        QVERIFY(ReadDone(form));
        QVERIFY2(LastLine(form.Memo1).startsWith("Get: (TvSNMP++) Ok!"), qPrintable(LastLine(form.Memo1)));
        QVERIFY(TvDateTime::ReadChecked(ToBytes(form.currentclockEdit->text())));
        QCOMPARE(form.cbxReset->currentText(), QString("false"));
        form.currentclockEdit->setText("2007-5-26,15:30:15.0");
        form.SetButton->click();
        QVERIFY(ReadDone(form));
        QVERIFY2(LastLine(form.Memo1).startsWith("Set: (TvSNMP++) Ok!"), qPrintable(LastLine(form.Memo1)));
    }

    void Screenshot() {
        WriteSwitch(kTime + "1", synOctetHex, "A0");
        TCurrentTimeForm form(nullptr);
        form.setWindowTitle("Current Time: 127.0.0.1");
        form.show();
        QVERIFY(ReadDone(form));
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.grab().save(QCoreApplication::applicationDirPath() + "/current_time.png"));
    }
};

QTEST_MAIN(TestCurrentTimeForm)
#include "tst_CurrentTimeForm.moc"
