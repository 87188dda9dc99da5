#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TMsgPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"
#include "windows/TSummerTimeForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const std::string kRule = "1.3.6.1.4.1.59371.12.10.12.";
const std::string kSnmpInSetRequests = "1.3.6.1.2.1.11.17";

std::string ReadSwitch(const std::string& oid, int syntax = synInteger) {
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

// The rule on the switch: status, offset and the four time values in hex.
void PutRule(int status, int offset = 60, const char* repeatStart = "010001030200",
             const char* repeatEnd = "000001090300", const char* annualStart = "1F030200",
             const char* annualEnd = "1F0A0300") {
    WriteSwitch(kRule + "1", synInteger, std::to_string(status));
    WriteSwitch(kRule + "2", synInteger, std::to_string(offset));
    WriteSwitch(kRule + "3", synOctetHex, repeatStart);
    WriteSwitch(kRule + "4", synOctetHex, repeatEnd);
    WriteSwitch(kRule + "5", synOctetHex, annualStart);
    WriteSwitch(kRule + "6", synOctetHex, annualEnd);
}

QWidget* Part(TSummerTimeForm& form, int row, const char* name) {
    return form.findChild<QWidget*>(QString("Row%1%2").arg(row).arg(name));
}

// Parts in screen order: repeating Month, Week, Weekday, Hour, Minute; annual Day, Month, Hour, Minute.
QStringList PartTexts(TSummerTimeForm& form, int row) {
    QStringList texts;
    for (int k = 0; k < form.Composites[size_t(row - 2)].PartCount(); ++k) {
        QWidget* part = form.Composites[size_t(row - 2)].Part(k);
        if (auto* combo = qobject_cast<QComboBox*>(part))
            texts << combo->currentText();
        else if (auto* edit = qobject_cast<QLineEdit*>(part))
            texts << edit->text();
    }
    return texts;
}

void SetParts(TSummerTimeForm& form, int row, const QStringList& texts) {
    for (int k = 0; k < texts.size(); ++k) {
        QWidget* part = form.Composites[size_t(row - 2)].Part(k);
        if (auto* combo = qobject_cast<QComboBox*>(part)) {
            if (texts[k].isEmpty())
                combo->setCurrentIndex(-1);
            else
                combo->setCurrentText(texts[k]);
        } else if (auto* edit = qobject_cast<QLineEdit*>(part)) {
            edit->setText(texts[k]);
        }
    }
}

// 1 when the row and its composite are shown, 0 when both are hidden, -1 when they disagree.
int RowShown(TSummerTimeForm& form, int row) {
    const EditRow& r = form.Panel->EditsPanel->Row(row);
    const bool label = form.isVisible() ? r.Label->isVisible() : !r.Label->isHidden();
    QWidget* host = form.Composites[size_t(row - 2)].Host();
    const bool composite = form.isVisible() ? host->isVisible() : !host->isHidden();
    return label != composite ? -1 : label ? 1 : 0;
}

} // namespace

class TestSummerTimeForm : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes;

    // Arcs of the rule that the agent logged for `kind` ("GET" or "SET") after `from`, in order.
    QStringList ArcsSince(size_t from, const char* kind = "SET") const {
        QStringList arcs;
        const QString prefix = "." + QString::fromStdString(kRule);
        for (const QString& line : QString::fromStdString(sim->Log().substr(from)).split('\n')) {
            if (!line.startsWith(kind) || line.startsWith("GETNEXT"))
                continue;
            const QString oid = line.section(' ', -1);
            if (oid.startsWith(prefix))
                arcs << oid.mid(prefix.size()).section('.', 0, 0);
        }
        return arcs;
    }
    static long SetRequests() { return std::stol(ReadSwitch(kSnmpInSetRequests)); }
    // The window's reads or writes have been answered.
    static bool Settled(TSummerTimeForm& form) {
        return PumpUntil([&] { return !form.Waiting(); });
    }
    static QString LastLine(TSummerTimeForm& form) {
        const QString text = form.Panel->MessagePanel->Memo->toPlainText();
        return text.section('\n', -1);
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log"}), sim->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes << title + ": " + text;
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

    void RegisteredForItsMenuEntry() { QVERIFY(TvWindowRegistry::Find("TSummerTimeForm")); }

    // Status first, then the offset and the rows of that status only.
    void RefreshReadsInTwoStages_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("reads");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("disable") << 0 << QStringList{"1", "1", "2"} << QList<int>{};
        QTest::newRow("repeating") << 1 << QStringList{"1", "1", "2", "3", "4"} << QList<int>{2, 3};
        QTest::newRow("annual") << 2 << QStringList{"1", "1", "2", "5", "6"} << QList<int>{4, 5};
    }
    void RefreshReadsInTwoStages() {
        QFETCH(int, status);
        QFETCH(QStringList, reads);
        QFETCH(QList<int>, shown);
        PutRule(status);
        const size_t from = sim->Log().size();
        TSummerTimeForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form));
        QCOMPARE(form.windowTitle(), QString("Summer Time : 127.0.0.1"));
        QCOMPARE(ArcsSince(from, "GET"), reads);
        for (int row = 2; row <= 5; ++row)
            QCOMPARE(RowShown(form, row), shown.contains(row) ? 1 : 0);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (int row = 2; row <= 5; ++row)
            QCOMPARE(RowShown(form, row), shown.contains(row) ? 1 : 0);
        QVERIFY2(LastLine(form).startsWith("Get: (TvSNMP++) Ok!"), qPrintable(LastLine(form)));
        QCOMPARE(form.OffsetEdit()->text(), QString("60"));
        // Choosing another status changes the rows at once.
        form.StatusCombo()->setCurrentText("annual");
        QCOMPARE((QList<int>{RowShown(form, 2), RowShown(form, 3), RowShown(form, 4), RowShown(form, 5)}),
                 (QList<int>{0, 0, 1, 1}));
        form.StatusCombo()->setCurrentText("disable");
        for (int row = 2; row <= 5; ++row)
            QCOMPARE(RowShown(form, row), 0);
        // A later Refresh reads by the switch's status again, whatever a Set excluded before.
        form.StatusCombo()->setCurrentText("repeating");
        const size_t again = sim->Log().size();
        form.Panel->Buttons->RefreshButton->click();
        QVERIFY(Settled(form));
        QCOMPARE(ArcsSince(again, "GET"), reads);
    }

    // The parts show the octets of the rule; the weekday is two octets.
    void PartsShowTheRule_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("startParts");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QStringList>("endParts");
        QTest::newRow("weekday 00 07") << 1 << "010007030200" << QStringList{"Mar", "1st", "Sat", "2", "0"}
                                       << "0000010A0300" << QStringList{"Oct", "last", "Sun", "3", "0"};
        QTest::newRow("4th Wednesday") << 1 << "040004041E3B" << QStringList{"Apr", "4th", "Wed", "30", "59"}
                                       << "030006091700" << QStringList{"Sep", "3rd", "Fri", "23", "0"};
        QTest::newRow("annual") << 2 << "1F030200" << QStringList{"31", "Mar", "2", "0"} << "010C171E"
                                << QStringList{"1", "Dec", "23", "30"};
    }
    void PartsShowTheRule() {
        QFETCH(int, status);
        QFETCH(QString, start);
        QFETCH(QStringList, startParts);
        QFETCH(QString, end);
        QFETCH(QStringList, endParts);
        if (status == 1)
            PutRule(1, 60, start.toLatin1().constData(), end.toLatin1().constData());
        else
            PutRule(2, 60, "010001030200", "000001090300", start.toLatin1().constData(),
                    end.toLatin1().constData());
        TSummerTimeForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form));
        const int first = status == 1 ? 2 : 4;
        QCOMPARE(PartTexts(form, first), startParts);
        QCOMPARE(PartTexts(form, first + 1), endParts);
        QCOMPARE(form.Composites[size_t(first - 2)].Text(), QString("-"));
        QCOMPARE(qobject_cast<QLineEdit*>(Part(form, first, "Hour"))->placeholderText(), QString("Hour"));
    }

    // Every check before a write, and what each write sent.
    void SetChecksAndWritesInTwoStages_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QStringList>("first");  // parts of the start row of the mode
        QTest::addColumn<QStringList>("second"); // parts of the end row
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QStringList>("written"); // hex of the two rows of the mode after the write

        const QStringList march{"Mar", "1st", "Sun", "2", "0"};
        const QStringList october{"Oct", "last", "Sat", "3", "0"};
        const QString offsetMessage = "Error: Summer Time Offset must chosed from {30, 60, 90, 120}.";
        const QString timeError = "Error: Time error.";
        const QString sameMonth = "Error: From month and To month should not be the same.";

        QTest::newRow("offset 45") << "repeating" << QList<int>{1} << "45" << march << october
                                   << offsetMessage << QStringList{} << 0 << QStringList{};
        QTest::newRow("offset 90") << "repeating" << QList<int>{0, 1} << "90" << march << october << ""
                                   << QStringList{"1", "2"} << 2 << QStringList{};
        QTest::newRow("offset 150") << "disable" << QList<int>{1} << "150" << march << october
                                    << offsetMessage << QStringList{} << 0 << QStringList{};
        QTest::newRow("offset not a number") << "disable" << QList<int>{1} << "3x" << march << october
                                             << offsetMessage << QStringList{} << 0 << QStringList{};
        QTest::newRow("disable") << "disable" << QList<int>{0, 1} << "30" << march << october << ""
                                 << QStringList{"1", "2"} << 2 << QStringList{};
        QTest::newRow("repeating rule")
            << "repeating" << QList<int>{0, 2, 3} << "60" << march << october << ""
            << QStringList{"1", "3", "4"} << 2 << QStringList{"010001030200", "0000070A0300"};
        QTest::newRow("repeating, same month")
            << "repeating" << QList<int>{2, 3} << "60" << march << QStringList{"Mar", "last", "Sat", "3", "0"}
            << sameMonth << QStringList{} << 0 << QStringList{};
        QTest::newRow("repeating, same month, one row ticked")
            << "repeating" << QList<int>{2} << "60" << QStringList{"Apr", "2nd", "Mon", "1", "15"}
            << QStringList{"Apr", "last", "Sat", "3", "0"} << "" << QStringList{"3"} << 1
            << QStringList{"02000204010F", "000001090300"};
        QTest::newRow("repeating, hour 24")
            << "repeating" << QList<int>{2} << "60" << QStringList{"Mar", "1st", "Sun", "24", "0"} << october
            << timeError << QStringList{} << 0 << QStringList{};
        QTest::newRow("repeating, minute 60")
            << "repeating" << QList<int>{3} << "60" << march << QStringList{"Oct", "last", "Sat", "3", "60"}
            << timeError << QStringList{} << 0 << QStringList{};
        QTest::newRow("repeating, no weekday")
            << "repeating" << QList<int>{2} << "60" << QStringList{"Mar", "1st", "", "2", "0"} << october
            << timeError << QStringList{} << 0 << QStringList{};
        QTest::newRow("repeating, empty hour")
            << "repeating" << QList<int>{2} << "60" << QStringList{"Mar", "1st", "Sun", "", "0"} << october
            << timeError << QStringList{} << 0 << QStringList{};
        QTest::newRow("annual 30 April")
            << "annual" << QList<int>{0, 4, 5} << "60" << QStringList{"30", "Apr", "2", "30"}
            << QStringList{"1", "Oct", "3", "0"} << "" << QStringList{"1", "5", "6"} << 2
            << QStringList{"1E04021E", "010A0300"};
        QTest::newRow("annual 31 April")
            << "annual" << QList<int>{4} << "60" << QStringList{"31", "Apr", "2", "0"}
            << QStringList{"1", "Oct", "3", "0"} << timeError << QStringList{} << 0 << QStringList{};
        QTest::newRow("annual 29 February")
            << "annual" << QList<int>{5} << "60" << QStringList{"1", "Apr", "2", "0"}
            << QStringList{"29", "Feb", "3", "0"} << timeError << QStringList{} << 0 << QStringList{};
        QTest::newRow("annual day 0")
            << "annual" << QList<int>{4} << "60" << QStringList{"0", "Apr", "2", "0"}
            << QStringList{"1", "Oct", "3", "0"} << timeError << QStringList{} << 0 << QStringList{};
        QTest::newRow("annual, no month")
            << "annual" << QList<int>{4} << "60" << QStringList{"3", "", "2", "0"}
            << QStringList{"1", "Oct", "3", "0"} << timeError << QStringList{} << 0 << QStringList{};
        QTest::newRow("annual, same month")
            << "annual" << QList<int>{4, 5} << "60" << QStringList{"1", "Apr", "2", "0"}
            << QStringList{"30", "Apr", "3", "0"} << sameMonth << QStringList{} << 0 << QStringList{};
        QTest::newRow("status ticked, none chosen")
            << "" << QList<int>{0, 1} << "60" << march << october
            << "Error: Please choose Summer Time Status." << QStringList{} << 0 << QStringList{};
        QTest::newRow("no status, not ticked")
            << "" << QList<int>{1} << "60" << march << october << "" << QStringList{} << 0 << QStringList{};
    }
    void SetChecksAndWritesInTwoStages() {
        QFETCH(QString, status);
        QFETCH(QList<int>, ticks);
        QFETCH(QString, offset);
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, box);
        QFETCH(QStringList, sets);
        QFETCH(int, requests);
        QFETCH(QStringList, written);
        PutRule(1);
        TSummerTimeForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form));
        TEditsPanel* rows = form.Panel->EditsPanel;
        if (status.isEmpty())
            form.StatusCombo()->setCurrentIndex(-1);
        else
            form.StatusCombo()->setCurrentText(status);
        form.OffsetEdit()->setText(offset);
        const int row = status == "annual" ? 4 : 2;
        if (status != "disable" && !status.isEmpty()) {
            SetParts(form, row, first);
            SetParts(form, row + 1, second);
        }
        for (int r : ticks)
            rows->CheckRow(r);
        const size_t from = sim->Log().size();
        const long setsBefore = SetRequests();
        form.Panel->Buttons->SetCheckedButton->click();
        QVERIFY(Settled(form));
        QCOMPARE(boxes, box.isEmpty() ? QStringList{} : QStringList{box});
        QCOMPARE(ArcsSince(from), sets);
        QCOMPARE(SetRequests() - setsBefore, long(requests));
        if (requests > 0)
            QVERIFY2(LastLine(form).startsWith("Set: (TvSNMP++) Ok!"), qPrintable(LastLine(form)));
        if (sets.contains("2"))
            QCOMPARE(ReadSwitch(kRule + "2"), offset.toStdString());
        if (!written.isEmpty()) {
            QCOMPARE(QString::fromStdString(ReadSwitch(kRule + std::to_string(row + 1), synOctetHex)),
                     written[0]);
            QCOMPARE(QString::fromStdString(ReadSwitch(kRule + std::to_string(row + 2), synOctetHex)),
                     written[1]);
        }
        // Nothing stays excluded for the next read or write.
        for (int i = 0; i < form.Binding()->Request.VarList.Count(); ++i)
            QCOMPARE(form.Binding()->Request.VarList.Item(i).Access & accExcluded, 0);
    }

    // The status went in, the offset did not: the operator learns what the switch now holds.
    void EmptyOffsetStopsTheSecondStage() {
        PutRule(1, 60);
        TSummerTimeForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form));
        form.StatusCombo()->setCurrentText("annual");
        form.OffsetEdit()->clear();
        form.Panel->EditsPanel->CheckRow(0);
        form.Panel->EditsPanel->CheckRow(1);
        const size_t from = sim->Log().size();
        form.Panel->Buttons->SetCheckedButton->click();
        QVERIFY(Settled(form));
        QCOMPARE(boxes, QStringList{"Warning: Some items are empty!\nOffset"});
        QCOMPARE(ArcsSince(from), QStringList{"1"});
        QCOMPARE(ReadSwitch(kRule + "1"), std::string("2"));
        QCOMPARE(ReadSwitch(kRule + "2"), std::string("60"));
        QVERIFY2(LastLine(form).contains("Summer Time Status was written; the Offset and times were not!"),
                 qPrintable(LastLine(form)));
    }

    // The switch refuses the second stage after it took the status: the memo says what the switch now
    // runs.
    void RefusedSecondStageIsReported() {
        PutRule(1, 60);
        TSummerTimeForm form(nullptr, "127.0.0.1");
        QVERIFY(Settled(form));
        form.StatusCombo()->setCurrentText("disable");
        form.OffsetEdit()->setText("90");
        form.Panel->EditsPanel->CheckRow(0);
        form.Panel->EditsPanel->CheckRow(1);
        const size_t from = sim->Log().size();
        form.Panel->Buttons->SetCheckedButton->click();
        // The status is on its way; the offset will go with a community the switch refuses to write.
        QVERIFY(form.Waiting());
        form.Binding()->Request.Target.WriteCommunity = "rdcomm";
        QVERIFY(Settled(form));
        QCOMPARE(boxes, QStringList{});
        // The agent logs no SET of a community that may not write: the status alone is seen.
        QCOMPARE(ArcsSince(from), QStringList{"1"});
        const QStringList memo = form.Panel->MessagePanel->Memo->toPlainText().split('\n');
        QVERIFY(memo.size() >= 3);
        QVERIFY2(memo[memo.size() - 3].startsWith("Set: (TvSNMP++) Ok!"), qPrintable(memo.join('\n')));
        QVERIFY2(memo[memo.size() - 2].startsWith("Set: ") && !memo[memo.size() - 2].contains("Ok!"),
                 qPrintable(memo.join('\n')));
        QCOMPARE(ReadSwitch(kRule + "1"), std::string("0"));
        QCOMPARE(ReadSwitch(kRule + "2"), std::string("60"));
        QVERIFY2(LastLine(form).contains("Summer Time Status was written; the Offset and times were not!"),
                 qPrintable(LastLine(form)));
    }

    // One exchange at a time: while the two-stage read is on its way, Set and Refresh are refused and
    // nothing more is sent; while the two-stage write is, a second Set and a Refresh are refused and the
    // switch sees each stage once.
    void OneExchangeAtATime() {
        PutRule(1, 60);
        size_t from = sim->Log().size();
        TSummerTimeForm form(nullptr, "127.0.0.1");
        QPushButton* refresh = form.Panel->Buttons->RefreshButton;
        QPushButton* set = form.Panel->Buttons->SetCheckedButton;
        form.Panel->EditsPanel->CheckRow(1);
        QVERIFY(form.Waiting());
        QVERIFY(!refresh->isEnabled() && !set->isEnabled());
        form.Set();
        QVERIFY2(LastLine(form).contains(TvDedicatedWindow::kWaitingMessage), qPrintable(LastLine(form)));
        form.Refresh();
        QVERIFY(Settled(form));
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(ArcsSince(from, "GET"), (QStringList{"1", "1", "2", "3", "4"}));
        QCOMPARE(ArcsSince(from), QStringList{});
        QVERIFY(refresh->isEnabled() && set->isEnabled());

        form.StatusCombo()->setCurrentText("disable");
        form.OffsetEdit()->setText("120");
        form.Panel->EditsPanel->CheckRow(0);
        from = sim->Log().size();
        const long setsBefore = SetRequests();
        form.Set();
        QVERIFY(form.Waiting());
        form.Set();
        form.Refresh();
        QVERIFY(Settled(form));
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(ArcsSince(from), (QStringList{"1", "2"}));
        QCOMPARE(ArcsSince(from, "GET"), QStringList{});
        QCOMPARE(SetRequests() - setsBefore, 2L);
        QCOMPARE(ReadSwitch(kRule + "2"), std::string("120"));
    }

    // Closed while the status is on its way: the second stage never leaves.
    void CloseBetweenTheStages() {
        PutRule(1, 60);
        auto form = std::make_unique<TSummerTimeForm>(nullptr, "127.0.0.1");
        form->show();
        QVERIFY(Settled(*form));
        form->StatusCombo()->setCurrentText("disable");
        form->OffsetEdit()->setText("30");
        form->Panel->EditsPanel->CheckRow(0);
        form->Panel->EditsPanel->CheckRow(1);
        const size_t from = sim->Log().size();
        form->Panel->Buttons->SetCheckedButton->click();
        QVERIFY(form->Waiting());
        form->close();
        QVERIFY(!form->Waiting());
        form.reset();
        QTest::qWait(100); // the answer comes back to no window
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(ArcsSince(from), QStringList{"1"});
        QCOMPARE(ReadSwitch(kRule + "2"), std::string("60"));
    }

    void Screenshot() {
        PutRule(1, 60, "010007030200", "0000010A0300");
        TSummerTimeForm form(nullptr, "127.0.0.1");
        form.show();
        QVERIFY(Settled(form));
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.grab().save(QCoreApplication::applicationDirPath() + "/summer_time.png"));
    }
};

QTEST_MAIN(TestSummerTimeForm)
#include "tst_SummerTimeForm.moc"
