#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
#include "catalog/TvMenuTree.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TListViewPanel.h"
#include "configform/TMsgPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "configform/TvRecipeWindow.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvTableExport.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "journal/TvJournalReader.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SimTables.h"
#include "support/WindowTest.h"
#include "windows/TACLMeterForm.h"
#include "windows/TChangeJournalForm.h"
#include "windows/TSSLManagementForm.h"
#include "windows/TvJournalFilter.h"
#include "windows/TvJournalModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>

namespace {

constexpr const char* kLocation = "1.3.6.1.2.1.1.6.0";
const QString kVlan = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.");
const QString kAcl = QStringLiteral("1.3.6.1.4.1.59371.12.9.6.1.1.");
// An unknown value before.
const QString kUnknown = QStringLiteral("?");

// What a write path is expected to leave in the journal.
struct Expected {
    QString Source;
    QStringList Oids;
    QStringList Sent;
    QStringList Before; // kUnknown where the window had not read it
};

class FakeHost : public TvWindowHost {
public:
    QWidget Window;
    QLabel Status{&Window};
    ConnectionTexts Texts;
    std::string Program;

    QWidget* HostWindow() override { return &Window; }
    const ConnectionTexts& Connection() const override { return Texts; }
    const std::string& ProgramFile() const override { return Program; }
    OperatingMode Mode() const override { return OperatingMode::Standalone; }
    QLabel* HostStatus() override { return &Status; }
    QLabel* StpVersionHolder() override { return nullptr; }
    void ReadStpVersion() override {}
};

// Runs a menu entry as the main window does; `inside`, when given, acts in the window it opens (a window
// of its own, beside the main window), which then closes. A command (no window) runs to its end.
void RunEntry(const char* name, const std::function<void(QWidget* window)>& inside = {}) {
    FakeHost host;
    const TvMenuNode* entry = TvMenuTree::Find(name);
    QVERIFY2(entry, name);
    const TvWindowRegistry::Opener* open = TvWindowRegistry::Find(entry->Target);
    QVERIFY2(open, entry->Target);
    const size_t before = TvOpenWindows::All().size();
    (*open)(host, *entry);
    const std::vector<QWidget*> opened = TvOpenWindows::All();
    QPointer<QWidget> window = opened.size() > before ? opened.back() : nullptr;
    if (inside)
        inside(window);
    if (window && window->isVisible())
        window->close();
    QVERIFY(PumpUntil([&] { return window.isNull(); }));
}

QLineEdit* Edit(const EditRow& row) {
    return qobject_cast<QLineEdit*>(row.Value);
}

QString LastLine(const TSNMPPanel* panel) {
    return panel->MessagePanel->Memo->toPlainText().section('\n', -1);
}

void SelectLine(QTreeView* view, int row) {
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::string ReadLocation() {
    TvSNMPRequest r;
    r.VarList.AddItem("1.3.6.1.2.1.1.6", "", synDisplayString, accReadOnly);
    r.GetStep(true);
    return r.VarList.Item(0).Value;
}

} // namespace

class TestChangeJournal : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<SimSwitch> sim_;
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes;
    std::unique_ptr<TConfigForm> vlan_; // the table window of the add, edit and delete paths

    // A write path: performs one write and says what the journal should keep of it.
    using Path = Expected (TestChangeJournal::*)();

    TSNMPListViewPanel* VlanTable() {
        if (!vlan_) {
            vlan_ = std::make_unique<TConfigForm>(nullptr);
            vlan_->setWindowTitle("VLAN Static Table : 127.0.0.1");
            auto b = std::make_unique<TvSNMPRequest2Edits>(vlan_.get());
            b->Request.VarList.Assign(TvSNMPVarList(kSimVlanStatic, 2, 1));
            vlan_->AddListViewPanel(std::move(b), 3, "createAndGo", 3, "destroy");
            vlan_->show();
        }
        TvSNMPRequest2Edits* b = vlan_->Binding(0);
        if (!PumpUntil([b] { return b->ReceivedCount > 0 && !b->Busy; }))
            return nullptr;
        return qobject_cast<TSNMPListViewPanel*>(vlan_->Panel(0));
    }
    // Runs `act` inside the table's Add or Edit dialog, opened by `button`.
    void InDialog(TSNMPListViewPanel* panel, QPushButton* button,
                  const std::function<void(TEditsPanel*)>& act) {
        QTimer::singleShot(0, this, [panel, act] {
            QDialog* dialog = panel->OpenDialog();
            QVERIFY(dialog);
            act(panel->EditsPanel);
            dialog->findChild<QPushButton*>("SetCheckedButton")->click();
        });
        button->click();
        TvSNMPRequest2Edits* b = vlan_->Binding(0);
        QVERIFY(PumpUntil([b] { return !b->Busy; }));
    }
    void SelectVlan(TSNMPListViewPanel* panel, const QString& key) {
        QVERIFY(WindowTest::SelectRow(panel->ListViewPanel->ListView, key));
        panel->ListViewClick();
    }

    Expected ScalarSetChecked() {
        TConfigForm form(nullptr);
        TvRecipeWindow::Build(form, *TvCatalog::FindRecipe("MIB2Information"));
        form.show();
        TvSNMPRequest2Edits* b = form.Binding(0);
        if (!PumpUntil([b] { return b->ReceivedCount == 1 && !b->Busy; }))
            return {};
        auto* panel = qobject_cast<TSNMPEditorPanel*>(form.Panel(0));
        const EditRow& location = panel->EditsPanel->Row(5);
        const QString old = Edit(location)->text();
        Edit(location)->setText("Journal Rack");
        location.Check->click();
        panel->Buttons->SetCheckedButton->click();
        (void)PumpUntil([&] { return !panel->Binding()->Busy; }); // the write goes through the event pump
        form.close();
        return {"MIB-II Information", {kLocation}, {"Journal Rack"}, {old}};
    }
    Expected TableAdd() {
        TSNMPListViewPanel* panel = VlanTable();
        if (!panel)
            return {};
        InDialog(panel, panel->Buttons->AddButton, [](TEditsPanel* rows) {
            Edit(rows->Row(0))->setText("7");
            Edit(rows->Row(1))->setText("seven");
            rows->Row(1).Check->click();
        });
        return {"VLAN Static Table : 127.0.0.1",
                {kVlan + "1.7", kVlan + "5.7"},
                {"seven", "createAndGo"},
                {kUnknown, kUnknown}};
    }
    Expected TableEdit() {
        TSNMPListViewPanel* panel = VlanTable();
        if (!panel)
            return {};
        SelectVlan(panel, "7");
        InDialog(panel, panel->Buttons->EditButton, [](TEditsPanel* rows) {
            Edit(rows->Row(1))->setText("renamed");
            rows->Row(1).Check->click();
        });
        return {"VLAN Static Table : 127.0.0.1", {kVlan + "1.7"}, {"renamed"}, {"seven"}};
    }
    Expected TableDelete() {
        TSNMPListViewPanel* panel = VlanTable();
        if (!panel)
            return {};
        SelectVlan(panel, "7");
        panel->Buttons->DeleteButton->click();
        TvSNMPRequest2Edits* b = vlan_->Binding(0);
        PumpUntil([b] { return !b->Busy; });
        vlan_.reset();
        return {"VLAN Static Table : 127.0.0.1", {kVlan + "5.7"}, {"destroy"}, {"active"}};
    }
    // A dedicated window of a scalar group, opened directly: named after its title, or its class.
    Expected DedicatedScalar() {
        TSSLManagementForm form(nullptr);
        TvSNMPRequest2Edits* b = form.Binding();
        form.show();
        if (!PumpUntil([&] { return !b->Busy && !form.edtCacheTimeOut->text().isEmpty(); }))
            return {};
        const QString old = form.edtCacheTimeOut->text();
        form.edtCacheTimeOut->setText("900");
        form.btnSet->click();
        PumpUntil([b] { return !b->Busy; });
        form.close();
        const QString name = form.windowTitle().isEmpty() ? form.objectName() : form.windowTitle();
        return {name, {"1.3.6.1.4.1.59371.12.7.1.3.0"}, {"900"}, {old}};
    }
    // A dedicated table window opened from its menu entry: named after the entry.
    Expected DedicatedTableFromTheMenu() {
        RunEntry("MeterTable1", [](QWidget* window) {
            auto* form = qobject_cast<TACLMeterForm*>(window);
            QVERIFY(form);
            TvSNMPRequest2Edits* b = form->Binding();
            QVERIFY(PumpUntil([b] { return !b->Busy && b->ListModel()->RowCount() > 1; }));
            form->ListView1->setCurrentIndex(form->ListView1->model()->index(1, 0));
            form->RateEdit->setText("2048");
            form->CBox_Active->setCurrentText("drop-packet");
            form->EditButton->click();
            QVERIFY(PumpUntil([b] { return !b->Busy; }));
        });
        return {"ACL Meter Table",
                {kAcl + "3.2.5", kAcl + "4.2.5"},
                {"2048", "drop-packet"},
                {"64", "set-drop-precedence"}};
    }
    Expected SaveChanges() {
        RunEntry("SaveConfig");
        return {"Save Changes", {"1.3.6.1.4.1.59371.12.1.2.6.0"}, {"3"}, {kUnknown}};
    }
    Expected Reboot() {
        RunEntry("Reset");
        return {"Reboot", {"1.3.6.1.4.1.59371.12.1.2.19.0"}, {"1"}, {kUnknown}};
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir_.path().toStdString());
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start({"--log"}), sim_->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return answer_;
        });
    }
    void init() {
        WindowTest::UseSimulator(sim_->Port());
        boxes_.clear();
        answer_ = QMessageBox::Yes;
    }
    void cleanup() {
        const std::string faults = sim_ ? witness_->Compare(*sim_) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() {
        vlan_.reset();
        TvMessageBox::SetHook({});
    }

    // Each way of writing is one entry per SET the switch received, with the window or command that
    // sent it, the OIDs, the values sent, the values before where the window had read them, and Ok.
    void EveryWritePathIsJournaled_data() {
        QTest::addColumn<QString>("path");
        for (const char* path : {"generic scalar: Set Checked", "generic table: Add", "generic table: Edit",
                                 "generic table: Delete", "dedicated scalar window", "dedicated table window",
                                 "Save Changes", "Reboot"})
            QTest::newRow(path) << QString(path);
    }
    void EveryWritePathIsJournaled() {
        QFETCH(QString, path);
        const std::map<QString, Path> paths = {
            {"generic scalar: Set Checked", &TestChangeJournal::ScalarSetChecked},
            {"generic table: Add", &TestChangeJournal::TableAdd},
            {"generic table: Edit", &TestChangeJournal::TableEdit},
            {"generic table: Delete", &TestChangeJournal::TableDelete},
            {"dedicated scalar window", &TestChangeJournal::DedicatedScalar},
            {"dedicated table window", &TestChangeJournal::DedicatedTableFromTheMenu},
            {"Save Changes", &TestChangeJournal::SaveChanges},
            {"Reboot", &TestChangeJournal::Reboot},
        };
        const size_t entries = witness_->Entries().size();
        const size_t mark = sim_->Log().size();
        const Expected expected = (this->*paths.at(path))();
        QVERIFY(!expected.Oids.isEmpty());
        QVERIFY(sim_->AwaitMarker());
        const QStringList sets = WindowTest::Sets(sim_->Log(), mark);
        QCOMPARE(sets, expected.Oids);

        const std::vector<TvJournalEntry> journal = witness_->Entries();
        QCOMPARE(journal.size(), entries + 1);
        const TvJournalEntry& e = journal.back();
        QCOMPARE(QString::fromStdString(e.Source), expected.Source);
        QCOMPARE(QString::fromStdString(e.Switch()), QString("127.0.0.1:%1").arg(sim_->Port()));
        QCOMPARE(QString::fromStdString(e.OutcomeLine()), QString("Ok"));
        QStringList oids, sent, before;
        for (const TvJournalEntry::Var& v : e.Vars) {
            oids << QString::fromStdString(v.Oid);
            sent << QString::fromLatin1(v.Sent.c_str());
            before << (v.BeforeKnown ? QString::fromLatin1(v.Before.c_str()) : kUnknown);
        }
        QCOMPARE(oids, expected.Oids);
        QCOMPARE(sent, expected.Sent);
        QCOMPARE(before, expected.Before);
        // Questions only: no error or warning.
        for (const QString& box : boxes_)
            QVERIFY2(!box.startsWith("Error:") && !box.startsWith("Warning:"), qPrintable(box));
    }

    // The outcome is the window's own: Ok, the switch's refusal as the status line shows it, or no reply
    // from a switch that stays silent.
    void OutcomesAreTheWindowsOwn_data() {
        QTest::addColumn<QString>("community");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("taken") << "wrtcomm" << 12 << "Ok";
        QTest::newRow("refused") << "wrtcomm" << 300 << "";
        QTest::newRow("silent") << "nobody" << 12 << "no reply";
    }
    void OutcomesAreTheWindowsOwn() {
        QFETCH(QString, community);
        QFETCH(int, length);
        QFETCH(QString, outcome);
        gSNMPSecurity.WriteCommunity = community.toStdString();
        gSNMPTimeout = community == "nobody" ? 5 : 100;
        TConfigForm form(nullptr);
        TvRecipeWindow::Build(form, *TvCatalog::FindRecipe("MIB2Information"));
        form.show();
        TvSNMPRequest2Edits* b = form.Binding(0);
        QVERIFY(PumpUntil([b] { return b->ReceivedCount == 1 && !b->Busy; }));
        auto* panel = qobject_cast<TSNMPEditorPanel*>(form.Panel(0));
        const EditRow& contact = panel->EditsPanel->Row(3);
        Edit(contact)->setText(QString(length, 'c'));
        contact.Check->click();
        panel->Buttons->SetCheckedButton->click();
        QVERIFY(PumpUntil([&] { return !b->Busy; })); // the write goes through the event pump
        const QString status = LastLine(panel);
        form.close();
        const TvJournalEntry e = witness_->Entries().back();
        const QString kept = QString::fromStdString(e.OutcomeLine());
        if (outcome.isEmpty()) {
            QCOMPARE(e.Outcome, TvJournalEntry::Result::Error);
            QVERIFY2(status.startsWith("Set: " + kept), qPrintable(status + " / " + kept));
        } else {
            QCOMPARE(kept, outcome);
        }
        QCOMPARE(e.Vars.size(), size_t(1));
        QCOMPARE(e.Vars[0].Sent, std::string(static_cast<size_t>(length), 'c'));
        gSNMPSecurity.WriteCommunity = "wrtcomm";
    }

    // Undo asks first, naming the write it sends; the switch gets the value before back through the same
    // path, and the journal keeps the undo as an undo of that entry.
    void UndoWritesTheValueBefore() {
        const std::string original = ReadLocation();
        ScalarSetChecked();
        QCOMPARE(ReadLocation(), std::string("Journal Rack"));
        const TvJournalEntry written = witness_->Entries().back();

        TChangeJournalForm form(nullptr);
        form.show();
        // Newest first: the write is the first line.
        QCOMPARE(form.LV_Journal->model()->index(0, TvJournalModel::colOid).data().toString(),
                 QString(kLocation));
        QVERIFY(!form.BT_Undo->isEnabled());
        SelectLine(form.LV_Journal, 0);
        QVERIFY2(form.BT_Undo->isEnabled(), qPrintable(form.BT_Undo->toolTip()));

        // No: nothing is sent.
        answer_ = QMessageBox::No;
        size_t mark = sim_->Log().size();
        form.BT_Undo->click();
        QCOMPARE(boxes_.size(), 1);
        const QString question = boxes_.first();
        QVERIFY2(question.startsWith("Undo: Undo the write that \"MIB-II Information\" sent at "),
                 qPrintable(question));
        QVERIFY2(question.contains("This writes to 127.0.0.1:" + QString::number(sim_->Port()) +
                                   ":\n  Location (" + kLocation + ") := " +
                                   QString::fromStdString(original) + "   (the write set Journal Rack)"),
                 qPrintable(question));
        QVERIFY(sim_->AwaitMarker());
        QVERIFY(WindowTest::Sets(sim_->Log(), mark).isEmpty());

        answer_ = QMessageBox::Yes;
        mark = sim_->Log().size();
        const size_t entries = witness_->Entries().size();
        form.BT_Undo->click();
        QVERIFY(PumpUntil(
            [&] { return !form.UndoBinding()->Busy && witness_->Entries().size() == entries + 1; }));
        QVERIFY(sim_->AwaitMarker());
        QCOMPARE(WindowTest::Sets(sim_->Log(), mark), QStringList{kLocation});
        QVERIFY(QString::fromStdString(sim_->Log().substr(mark))
                    .contains(QString(".%1=0x%2")
                                  .arg(kLocation, QString(QByteArray(original.c_str()).toHex().toUpper()))));
        QCOMPARE(ReadLocation(), original);

        const std::vector<TvJournalEntry> journal = witness_->Entries();
        const TvJournalEntry& undo = journal.back();
        QCOMPARE(undo.UndoOf, written.Id);
        QCOMPARE(undo.Source, std::string("Change Journal"));
        QCOMPARE(undo.OutcomeLine(), std::string("Ok"));
        QCOMPARE(undo.Vars.at(0).Sent, original);
        QCOMPARE(journal[journal.size() - 2].UndoneBy, undo.Id);
        QVERIFY(form.StatusBar1->currentMessage().startsWith("Set: (TvSNMP++) Ok!"));

        // The window read the journal again: the undo is the newest line, the write is marked undone and
        // is not undone twice.
        const QAbstractItemModel* view = form.LV_Journal->model();
        QVERIFY(view->index(0, TvJournalModel::colSource)
                    .data()
                    .toString()
                    .startsWith("Change Journal (undo of the write at "));
        QCOMPARE(view->index(1, TvJournalModel::colOutcome).data().toString(), QString("Ok, undone"));
        SelectLine(form.LV_Journal, 1);
        QVERIFY(!form.BT_Undo->isEnabled());
        QCOMPARE(form.BT_Undo->toolTip(), QString("This write has been undone already."));
        form.close();
    }

    // The undo question quotes values of the switch: a value that looks like markup shows as it is.
    void QuestionsShowValuesAsText() {
        TvMessageBox::SetHook({});
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->text();
            format = box->textFormat();
            box->button(QMessageBox::No)->click();
        });
        const bool yes = TvMessageBox::YesNo(nullptr, "Location := <b>Rack</b>", "Undo");
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return answer_;
        });
        QVERIFY(!yes);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, QString("Location := <b>Rack</b>"));
    }

    // An undo is offered only where writing the values before back restores what was there.
    void UndoIsRefusedWhereItCannotRestore_data() {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<bool>("restorable");
        QTest::addColumn<bool>("otherSwitch");
        QTest::addColumn<QString>("refusal");
        const int ok = int(TvJournalEntry::Result::Ok);
        QTest::newRow("restorable") << ok << "Rack" << true << false << "";
        QTest::newRow("no answer came")
            << int(TvJournalEntry::Result::NoReply) << "Rack" << true << false << "";
        QTest::newRow("refused by the switch")
            << int(TvJournalEntry::Result::Error) << "Rack" << true << false << "refused";
        QTest::newRow("row created") << ok << "createAndGo" << true << false << "table row";
        QTest::newRow("row removed") << ok << "destroy" << true << false << "table row";
        QTest::newRow("nothing read before") << ok << "Rack" << false << false << "No value before";
        QTest::newRow("another switch") << ok << "Rack" << true << true << "undo it from the program";
    }
    void UndoIsRefusedWhereItCannotRestore() {
        QFETCH(int, outcome);
        QFETCH(QString, sent);
        QFETCH(bool, restorable);
        QFETCH(bool, otherSwitch);
        QFETCH(QString, refusal);
        TvJournalEntry e;
        e.Address = otherSwitch ? "10.9.9.9" : gSNMPDevice.Address;
        e.Port = gSNMPDevice.Port;
        e.Outcome = static_cast<TvJournalEntry::Result>(outcome);
        TvJournalEntry::Var v;
        v.Oid = kLocation;
        v.Sent = sent.toStdString();
        v.BeforeKnown = restorable;
        v.Restorable = restorable;
        v.Before = v.Restore = "Old";
        e.Vars = {v};
        const QString reason = TChangeJournalForm::UndoRefusal(e);
        if (refusal.isEmpty())
            QVERIFY2(reason.isEmpty(), qPrintable(reason));
        else
            QVERIFY2(reason.contains(refusal), qPrintable(reason));
    }

    // Filters by switch, window, OID or label and time; copy and CSV export take what the view shows.
    void FiltersCopyAndExport() {
        // Entries of other switches, written as another program would have (the switch log knows none).
        QFile file(QString::fromStdString(witness_->Folder() + "/changes.jsonl"));
        QVERIFY(file.open(QIODevice::Append));
        const auto line = [&](const char* id, const char* time, const char* sw, const char* source,
                              const char* oid, const char* label) {
            file.write(
                QString(R"({"type":"write","id":"%1","time":"%2","local":"%2","user":"op","switch":"%3",)"
                        R"("port":161,"version":"2c","security":"","source":"%4","vars":[{"oid":"%5",)"
                        R"("label":"%6","syntax":76,"before":"a","sent":"b"}]})"
                        "\n")
                    .arg(id, time, sw, source, oid, label)
                    .toUtf8());
            file.write(QString(R"({"type":"outcome","id":"%1","time":"%2","outcome":"ok"})"
                               "\n")
                           .arg(id, time)
                           .toUtf8());
        };
        line("f1", "2001-01-01T10:00:00.000Z", "10.0.0.1", "Port Settings", "1.3.6.1.4.1.59371.1.1", "Speed");
        line("f2", "2001-01-02T10:00:00.000Z", "10.0.0.2", "Port Settings", "1.3.6.1.4.1.59371.1.2",
             "Duplex");
        line("f3", "2001-01-03T10:00:00.000Z", "10.0.0.2", "VLAN Table", "1.3.6.1.4.1.59371.2.1", "Name");
        file.close();

        TChangeJournalForm form(nullptr);
        form.show();
        QAbstractItemModel* view = form.LV_Journal->model();
        const auto column = [&](int c) { return WindowTest::Column(form.LV_Journal, c); };
        // Newest first.
        QStringList times = column(TvJournalModel::colTime);
        QStringList sorted = times;
        std::sort(sorted.begin(), sorted.end(), std::greater<>());
        QCOMPARE(times, sorted);
        QVERIFY(view->rowCount() >= 3);

        form.cbxSwitch->setCurrentText("10.0.0.2:161");
        QCOMPARE(column(TvJournalModel::colLabel), (QStringList{"Name", "Duplex"}));
        form.cbxSource->setCurrentText("Port Settings");
        QCOMPARE(column(TvJournalModel::colLabel), QStringList{"Duplex"});
        form.cbxSwitch->setCurrentIndex(0);
        QCOMPARE(column(TvJournalModel::colLabel), (QStringList{"Duplex", "Speed"}));
        form.cbxSource->setCurrentIndex(0);
        form.edtFind->setText("59371.1.");
        QCOMPARE(column(TvJournalModel::colLabel), (QStringList{"Duplex", "Speed"}));
        form.edtFind->setText("nAmE");
        QVERIFY(column(TvJournalModel::colLabel).contains("Name"));
        QVERIFY(!column(TvJournalModel::colLabel).contains("Speed"));
        form.edtFind->clear();
        form.chkFrom->setChecked(true);
        form.dtpFrom->setDateTime(QDateTime::fromString("2001-01-02T00:00:00Z", Qt::ISODate));
        form.chkTo->setChecked(true);
        form.dtpTo->setDateTime(QDateTime::fromString("2001-01-02T23:00:00Z", Qt::ISODate));
        QCOMPARE(column(TvJournalModel::colLabel), QStringList{"Duplex"});
        form.chkTo->setChecked(false);
        QCOMPARE(column(TvJournalModel::colLabel).mid(column(TvJournalModel::colLabel).size() - 2),
                 (QStringList{"Name", "Duplex"}));

        // Copy: the selected lines with the header; export: every line shown.
        form.chkFrom->setChecked(false);
        form.cbxSwitch->setCurrentText("10.0.0.1:161");
        SelectLine(form.LV_Journal, 0);
        TvTableExport* exporter = TvTableExport::Of(form.LV_Journal);
        QVERIFY(exporter);
        const QStringList copied = exporter->SelectedRowsText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), 2);
        QCOMPARE(copied[0], QString("Time\tSwitch\tWindow or command\tOID\tLabel\tBefore\tSent\tOutcome"));
        QVERIFY2(copied[1].endsWith("\t10.0.0.1:161\tPort Settings\t1.3.6.1.4.1.59371.1.1\tSpeed\ta\tb\tOk"),
                 qPrintable(copied[1]));
        const QString csv = dir_.path() + "/journal.csv";
        TvTableExport::SetFileNameHook([csv](QWidget*, const QString&) { return csv; });
        form.BT_Export->click();
        TvTableExport::SetFileNameHook({});
        QFile out(csv);
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QStringList records = QString::fromUtf8(out.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0], QString("Time,Switch,Window or command,OID,Label,Before,Sent,Outcome"));

        // A picture for the eye and the documentation.
        form.cbxSwitch->setCurrentIndex(0);
        form.resize(1100, 420);
        QVERIFY(form.grab().save(QCoreApplication::applicationDirPath() + "/change_journal.png"));
        form.close();
    }

    // The test's own community strings, passwords and the community name it writes are in no file of the
    // journal; under SNMPv3 only the user name is kept.
    void SecretsNeverReachTheJournal() {
        gSNMPSecurity.Version = 3;
        gSNMPSecurity.SecurityName = "shaaesuser";
        gSNMPSecurity.SecurityLevel = 3;
        gSNMPSecurity.AuthProtocol = apHmacSha;
        gSNMPSecurity.AuthPassword = "authpass123";
        gSNMPSecurity.PrivProtocol = ppAes128;
        gSNMPSecurity.PrivPassword = "privpass123";
        ScalarSetChecked();
        QCOMPARE(witness_->Entries().back().Security, std::string("shaaesuser"));
        QCOMPARE(witness_->Entries().back().Version, std::string("3"));
        gSNMPSecurity.Version = 1;

        // A community name, read first so that its value before is known.
        TvSNMPRequest2Edits community(nullptr);
        community.Asynchronous = false;
        community.Request.VarList.ItemType = TvSNMPVarList::itInstance;
        community.Request.Source = "Community Table";
        community.Request.VarList.AddItem("1.3.6.1.6.3.18.1.1.1.2.111.102.102.105.99.101", "Community Name",
                                          synDisplayString, accReadWrite);
        community.Get();
        QCOMPARE(community.Request.VarList.Item(0).Value, std::string("name2"));
        community.Set(false, false, {0}, {"s3cretCommunity"});
        const TvJournalEntry e = witness_->Entries().back();
        QCOMPARE(e.Vars.at(0).Sent, std::string("(hidden)"));
        QCOMPARE(e.Vars.at(0).Before, std::string("(hidden)"));
        QVERIFY(!e.Vars.at(0).Restorable);

        const std::string bytes = witness_->Bytes();
        QVERIFY(bytes.find("shaaesuser") != std::string::npos);
        for (const char* secret :
             {"rdcomm", "wrtcomm", "authpass123", "privpass123", "s3cretCommunity", "name2"})
            QVERIFY2(bytes.find(secret) == std::string::npos, secret);
    }
};

QTEST_MAIN(TestChangeJournal)
#include "tst_ChangeJournal.moc"
