#include "guibase/TvMessageBox.h"
#include "guibase/TvTableExport.h"
#include "guibase/TvWindowRegistry.h"
#include "snapshot/TvSnapshotFile.h"
#include "snapshot/TvSnapshotPlan.h"
#include "snapshot/TvSnapshotTaker.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"
#include "windows/TSnapshotForm.h"

#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

constexpr const char* kTrapState = "1.3.6.1.4.1.59371.12.1.2.22";     // 1 enabled, 2 disabled
constexpr const char* kLogsSeverity = "1.3.6.1.4.1.59371.12.1.4.1.2"; // 0 critical, 1 warning, 2 information

const TvSnapshotValue* Value(const TvSnapshot& s, const char* key, const char* oid) {
    const TvSnapshotEntry* e = s.Find(key);
    return e && !e->Rows.empty() ? e->Rows.front().Find(oid) : nullptr;
}

void Write(const std::string& oid, const std::string& value) {
    TvSNMPRequest request;
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itInstance;
    list.AddItem(oid, oid, synInteger, accReadWrite);
    list.Item(0).Value = value;
    request.VarList.Assign(list);
    request.Source = "test";
    request.Set();
}

int Mode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? static_cast<int>(st.st_mode & 0777) : -1;
}

} // namespace

class TestSnapshots : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes;
    QStringList files; // answers to the file questions, in order
    QString before;    // a snapshot saved by the first test

    QString Status(TSnapshotForm& form) const { return form.StatusBar1->currentMessage(); }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log"}), sim->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes << title + ": " + text;
            return title == "Write Back" ? QMessageBox::Yes : QMessageBox::Ok;
        });
        TSnapshotForm::SetFileNameHook([this](QWidget*, const QString&, bool) {
            return files.isEmpty() ? QString() : files.takeFirst();
        });
        before = dir.filePath("before.json");
    }
    void init() {
        WindowTest::UseSimulator(sim->Port());
        gSNMPTimeout = 200;
        boxes.clear();
        files.clear();
    }
    void cleanup() {
        const std::string faults = sim ? witness_->Compare(*sim) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() {
        TvMessageBox::SetHook({});
        TSnapshotForm::SetFileNameHook({});
        TvTableExport::SetFileNameHook({});
    }

    void RegisteredForTheSnapshotMenu() {
        for (const char* target : {"TSnapshotSave", "TSnapshotCompareLive", "TSnapshotCompareFiles"})
            QVERIFY2(TvWindowRegistry::Find(target), target);
    }

    // A cancelled snapshot writes nothing, at once and after the replies in flight came; a finished one is
    // written owner-only with every table and group of the catalog.
    void SaveWritesTheWholeSwitchAndCancelNothing() {
        {
            TSnapshotForm form(nullptr, TSnapshotForm::mdSave);
            files = {before};
            QVERIFY(form.Begin());
            QVERIFY(form.Taking());
            QVERIFY(form.BT_Cancel->isEnabled());
            form.BT_Cancel->click();
            QVERIFY(!form.Taking());
            QCOMPARE(Status(form), QString("Cancelled: nothing was written."));
            QVERIFY(sim->AwaitMarker());
            QVERIFY(PumpUntil([] { return TvSNMPEngine::Instance()->OutstandingCount() == 0; }));
            QVERIFY(!QFile::exists(before));
        }
        {
            TSnapshotForm form(nullptr, TSnapshotForm::mdSave);
            files = {before};
            QVERIFY(form.Begin());
            QVERIFY(PumpUntil([&] { return !form.Taking(); }, 60000));
            QVERIFY2(Status(form).startsWith("Saved "), qPrintable(Status(form)));
            QCOMPARE(form.pbProgress->value(), form.pbProgress->maximum());
        }
        QCOMPARE(Mode(before), 0600);
        TvSnapshot s;
        std::string error;
        QVERIFY2(TvSnapshotFile::Read(before.toStdString(), s, error), error.c_str());
        QCOMPARE(s.Entries.size(), TvSnapshotPlan::All().size());
        QVERIFY(s.FailedEntries().empty());
        QCOMPARE(s.Port, static_cast<int>(sim->Port()));
    }

    // Two settings drifted; writing back the one ticked sends exactly that value, reads it back, and leaves
    // the other listed.
    void RestoreWritesExactlyTheTickedAndReadsThemBack() {
        TvSnapshot saved;
        std::string error;
        QVERIFY2(TvSnapshotFile::Read(before.toStdString(), saved, error), error.c_str());
        const TvSnapshotValue* trap = Value(saved, "BasicConfig2#0", kTrapState);
        const TvSnapshotValue* severity = Value(saved, "AgentNotify1#0", kLogsSeverity);
        QVERIFY(trap && severity);
        Write(std::string(kTrapState) + ".0", trap->Raw == "1" ? "2" : "1");
        Write(std::string(kLogsSeverity) + ".0", severity->Raw == "2" ? "1" : "2");

        TSnapshotForm form(nullptr, TSnapshotForm::mdCompareLive);
        files = {before};
        QVERIFY(form.Begin());
        QVERIFY(PumpUntil([&] { return !form.Taking(); }, 60000));
        const auto& diffs = form.Comparison().Differences;
        QCOMPARE(diffs.size(), size_t(2));
        int ticked = -1;
        for (size_t i = 0; i < diffs.size(); ++i)
            if (diffs[i].Label == "SNMP Trap State")
                ticked = static_cast<int>(i);
        QVERIFY(ticked >= 0);
        QCOMPARE(QString::fromStdString(diffs[static_cast<size_t>(ticked)].Old),
                 QString::fromStdString(trap->Text));
        form.SetTicked(ticked, true);
        QCOMPARE(form.Ticked(), std::vector<int>{ticked});

        const size_t from = sim->Log().size();
        form.BT_Restore->click();
        QVERIFY(PumpUntil([&] { return Status(form).contains("read back"); }));
        QVERIFY2(boxes.size() == 1 && boxes[0].contains("SNMP Trap State") && boxes[0].contains("1 value(s)"),
                 qPrintable(boxes.join('\n')));
        QCOMPARE(WindowTest::Sets(sim->Log(), from), QStringList{QString(kTrapState) + ".0"});
        const QString after = QString::fromStdString(sim->Log().substr(from));
        QVERIFY(after.indexOf(QRegularExpression("GET +\\S+ \\S+ \\." +
                                                 QRegularExpression::escape(kTrapState) + "\\.0")) >
                after.indexOf("SET"));
        QCOMPARE(Status(form), QString("1 value(s) written back and read back as written."));
        QCOMPARE(form.Comparison().Differences.size(), size_t(1));
        QCOMPARE(form.Comparison().Differences[0].Label, std::string("Logs Severity"));
    }

    // Two files: filtered, exported as shown; two snapshots with nothing in common say so.
    void CompareTwoFilesFiltersAndExports() {
        const QString now = dir.filePath("now.json");
        {
            std::optional<TvSnapshot> taken;
            TvSnapshotTaker taker;
            taker.OnFinished = [&](TvSnapshot& s) { taken = s; };
            taker.Start();
            QVERIFY(PumpUntil([&] { return taken.has_value(); }, 60000));
            std::string error;
            QVERIFY2(TvSnapshotFile::Write(now.toStdString(), *taken, error), error.c_str());
        }
        TSnapshotForm form(nullptr, TSnapshotForm::mdCompareFiles);
        files = {before, now};
        QVERIFY(form.Begin());
        QVERIFY(!form.BT_Restore->isVisible());
        QCOMPARE(form.Comparison().Differences.size(), size_t(1));
        form.edtFilter->setText("nothing like this");
        QCOMPARE(form.LV_Differences->model()->rowCount(), 0);
        form.edtFilter->setText("logs sev");
        QCOMPARE(form.LV_Differences->model()->rowCount(), 1);
        const QString csv = dir.filePath("diff.csv");
        TvTableExport::SetFileNameHook([&](QWidget*, const QString&) { return csv; });
        form.BT_Export->click();
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QString("Table or group,Row,Label,Old,New"));
        QVERIFY2(lines[1].startsWith("Agent Notify,0,Logs Severity,"), qPrintable(lines[1]));

        const QString empty = dir.filePath("empty.json");
        std::string error;
        QVERIFY(TvSnapshotFile::Write(empty.toStdString(), TvSnapshot{}, error));
        TSnapshotForm none(nullptr, TSnapshotForm::mdCompareFiles);
        files = {before, empty};
        QVERIFY(none.Begin());
        QVERIFY2(Status(none).startsWith("Nothing to compare"), qPrintable(Status(none)));
        QVERIFY(!none.BT_Export->isEnabled());

        // A file that is no snapshot is refused with its name.
        QFile junk(dir.filePath("junk.json"));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("{}") == 2);
        junk.close();
        TSnapshotForm refused(nullptr, TSnapshotForm::mdCompareFiles);
        files = {junk.fileName(), now};
        boxes.clear();
        QVERIFY(!refused.Begin());
        QVERIFY2(boxes.size() == 1 && boxes[0].contains("junk.json"), qPrintable(boxes.join('\n')));
    }
};

QTEST_MAIN(TestSnapshots)
#include "tst_Snapshots.moc"
