#include "base/TvException.h"
#include "binding/TvDedicatedWindow.h"
#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogOptions.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TListViewPanel.h"
#include "configform/TMsgPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SimTables.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace {

// The system group: three writable texts and a read-only one.
constexpr TvSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", synDisplayString, accReadOnly},
    {"1.3.6.1.2.1.1.4", "Contact", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", synDisplayString, accReadWrite},
    {nullptr},
};

constexpr TvSNMPVarDef kUpTime[] = {
    {"1.3.6.1.2.1.1.3", "Up Time", synTimeTicks, accReadOnly},
    {nullptr},
};

constexpr TvSNMPVarDef kOneWritable[] = {
    {"1.3.6.1.2.1.1.1", "Description", synDisplayString, accReadOnly},
    {"1.3.6.1.2.1.1.6", "Location", synDisplayString, accReadWrite},
    {nullptr},
};

// A port list edited in the bit-map dialog.
constexpr TvSNMPVarDef kPorts[] = {
    {"1.3.6.1.4.1.59371.12.7.1.2", "Ports", synOctetHex, accReadWrite},
    {nullptr},
};

std::unique_ptr<TvSNMPRequest2Edits> Bind(QWidget* owner, const TvSNMPVarDef* table, int itemType = 0,
                                          int keyCount = 0) {
    auto b = std::make_unique<TvSNMPRequest2Edits>(owner);
    b->Request.VarList.Assign(TvSNMPVarList(table, itemType, keyCount));
    return b;
}

// Values of `table` read now with a request of its own.
std::vector<std::string> ReadBack(const TvSNMPVarDef* table) {
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(table, 0, 0));
    request.GetStep(true);
    std::vector<std::string> values;
    for (int i = 0; i < request.VarList.Count(); ++i)
        values.push_back(request.VarList.Item(i).Value);
    return values;
}

QStringList MemoLines(const TSNMPPanel* panel) {
    const QString text = panel->MessagePanel->Memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

QStringList Column(const TSNMPListViewPanel* panel, int column) {
    QStringList cells;
    const QAbstractItemModel* model = panel->ListViewPanel->ListView->model();
    for (int r = 0; r < model->rowCount(); ++r)
        cells << model->index(r, column).data().toString();
    return cells;
}

void SelectRow(TSNMPListViewPanel* panel, const QString& key) {
    QTreeView* view = panel->ListViewPanel->ListView;
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, 0).data().toString() == key) {
            view->selectionModel()->select(model->index(r, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            panel->ListViewClick();
            return;
        }
    QFAIL(qPrintable("no row " + key));
}

QStringList ComboEntries(const QWidget* control) {
    QStringList entries;
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        for (int k = 0; k < combo->count(); ++k)
            entries << combo->itemText(k);
    return entries;
}

} // namespace

class TestConfigForm : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes;
    QMessageBox::StandardButton answer = QMessageBox::Yes;

    // The window's first read (posted at creation) has come back.
    bool Settled(TvSNMPRequest2Edits* b) {
        return PumpUntil([b] { return b->ReceivedCount > 0 && !b->Busy; });
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log"}), sim->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes << title + ": " + text;
            return answer;
        });
    }
    void init() {
        WindowTest::UseSimulator(sim->Port());
        boxes.clear();
        answer = QMessageBox::Yes;
    }
    void cleanup() {
        const std::string faults = sim ? witness_->Compare(*sim) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void ScalarWindowWritesOnlyTickedRows() {
        TConfigForm form(nullptr);
        TSNMPEditorPanel* panel = form.AddEditorPanel(Bind(&form, kSystem));
        TEditsPanel* rows = panel->EditsPanel;
        form.show();
        TvSNMPRequest2Edits* b = form.Binding(0);
        QVERIFY(PumpUntil([b] { return b->ReceivedCount == 1 && !b->Busy; }));
        QCOMPARE(qobject_cast<QLineEdit*>(rows->Row(2).Value)->text(), QString("QTR-5190MX"));
        QVERIFY(MemoLines(panel).last().startsWith("Get: (TvSNMP++) Ok!"));
        // The read-only row has no check box; Set Checked waits for a tick.
        QVERIFY(rows->Row(0).Check->isHidden());
        QVERIFY(!panel->Buttons->SetCheckedButton->isEnabled());

        qobject_cast<QLineEdit*>(rows->Row(1).Value)->setText("ops@example.net");
        qobject_cast<QLineEdit*>(rows->Row(3).Value)->setText("Somewhere else");
        rows->Row(1).Check->click();
        QVERIFY(panel->Buttons->SetCheckedButton->isEnabled());
        panel->Buttons->SetCheckedButton->click();
        QVERIFY(PumpUntil([&] { return !panel->Binding()->Busy; }));
        QVERIFY(MemoLines(panel).last().startsWith("Set: (TvSNMP++) Ok!"));
        const auto values = ReadBack(kSystem);
        QCOMPARE(values[1], std::string("ops@example.net"));
        QCOMPARE(values[3], std::string("Rack 3, Server Room"));

        // A ticked empty row stops the write; nothing stays excluded afterwards.
        rows->Row(3).Check->click();
        qobject_cast<QLineEdit*>(rows->Row(3).Value)->clear();
        qobject_cast<QLineEdit*>(rows->Row(1).Value)->setText("never@example.net");
        const int lines = MemoLines(panel).size();
        panel->Buttons->SetCheckedButton->click();
        QVERIFY(PumpUntil([&] { return !panel->Binding()->Busy; }));
        // The empty row is named.
        QCOMPARE(boxes, QStringList{"Warning: Some items are empty!\nLocation"});
        QCOMPARE(MemoLines(panel).size(), lines);
        QCOMPARE(ReadBack(kSystem)[1], std::string("ops@example.net"));
        for (int i = 0; i < b->Request.VarList.Count(); ++i)
            QCOMPARE(b->Request.VarList.Item(i).Access & accExcluded, 0);
        panel->Buttons->RefreshButton->click();
        QVERIFY(Settled(b));
        QCOMPARE(qobject_cast<QLineEdit*>(rows->Row(3).Value)->text(), QString("Rack 3, Server Room"));
        form.close();
    }

    void ButtonsFollowTheRows_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<QString>("setCaption");
        QTest::newRow("several writable") << 0
                                          << QStringList{"RefreshButton", "SetCheckedButton",
                                                         "CheckAllButton", "ClearChecksButton", "CloseButton"}
                                          << "Set Checked";
        QTest::newRow("one writable")
            << 1 << QStringList{"RefreshButton", "SetCheckedButton", "CloseButton"} << "Set";
        QTest::newRow("read-only") << 2 << QStringList{"RefreshButton", "CloseButton"} << "Set Checked";
    }
    void ButtonsFollowTheRows() {
        QFETCH(int, table);
        QFETCH(QStringList, visible);
        QFETCH(QString, setCaption);
        const TvSNMPVarDef* tables[] = {kSystem, kOneWritable, kUpTime};
        TConfigForm form(nullptr);
        TSNMPEditorPanel* panel = form.AddEditorPanel(Bind(&form, tables[table]));
        QStringList shown;
        for (QWidget* w : panel->Buttons->Members())
            if (w->isVisibleTo(panel->Buttons))
                shown << w->objectName();
        QCOMPARE(shown, visible);
        QCOMPARE(panel->Buttons->SetCheckedButton->text(), setCaption);
        if (table == 1) {
            // A single writable row: the Set button is ready and no check box is shown.
            QVERIFY(panel->Buttons->SetCheckedButton->isEnabled());
            for (int i = 0; i < panel->EditsPanel->RowCount(); ++i)
                QVERIFY(!panel->EditsPanel->Row(i).Check->isVisibleTo(panel->EditsPanel));
        }
    }

    void WrongStateIsRefused() {
        TConfigForm form(nullptr);
        form.AddEditorPanel(Bind(&form, kSystem));
        const auto refused = [&](auto call, const char* message) {
            try {
                call();
            } catch (const TvException& e) {
                QCOMPARE(QString::fromStdString(e.Message()), QString(message));
                return;
            }
            QFAIL("no error");
        };
        refused([&] { form.AddEditorPanel(Bind(&form, kSystem)); }, "Can not change Type of a Config Form!");
        refused([&] { form.MakePaged(); }, "Can not change Type of a Config Form!");
        refused([&] { form.AddEditorPage("x", Bind(&form, kSystem)); },
                "Can not add editor page to a none-page pannel!");
        refused(
            [&] { form.AddListViewPage("x", Bind(&form, kSimVlanStatic, 2, 1), -1, nullptr, -1, nullptr); },
            "Can not add listview page to a none-page pannel!");
        QCOMPARE(form.ConfigFormType(), TConfigForm::ftEditor);
        QCOMPARE(form.BindingCount(), 1);
        TConfigForm table(nullptr);
        refused(
            [&] {
                table.AddListViewPanel(Bind(&table, kSimVlanStatic, 2, 1), 3, "createAndWait", -1, nullptr);
            },
            "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndWait");
    }

    void PagesReadOnlyTheVisiblePage() {
        TConfigForm form(nullptr);
        form.MakePaged();
        form.AddEditorPage("First", Bind(&form, kSystem));
        form.AddEditorPage("Second", Bind(&form, kUpTime));
        auto* third = form.AddEditorPage("Third", Bind(&form, kOneWritable));
        form.show();
        QVERIFY(PumpUntil([&] { return form.Binding(0)->ReceivedCount == 1 && !form.Binding(0)->Busy; }));
        QTest::qWait(50);
        QCOMPARE(form.Binding(1)->ReceivedCount, 0);
        QCOMPARE(form.Binding(2)->ReceivedCount, 0);
        form.PageControl()->setCurrentIndex(2);
        QVERIFY(PumpUntil([&] { return form.Binding(2)->ReceivedCount == 1 && !form.Binding(2)->Busy; }));
        QCOMPARE(form.CurrentBinding(), form.Binding(2));
        QVERIFY(!form.Binding(0)->Request.Enabled);
        QCOMPARE(form.Binding(1)->ReceivedCount, 0);
        QCOMPARE(qobject_cast<QLineEdit*>(third->EditsPanel->Row(1).Value)->text(),
                 QString("Rack 3, Server Room"));
        form.close();
    }

    void TableAddEditDelete() {
        TConfigForm form(nullptr);
        form.setWindowTitle("VLAN Static Table : 127.0.0.1");
        TSNMPListViewPanel* panel =
            form.AddListViewPanel(Bind(&form, kSimVlanStatic, 2, 1), 3, "CreateAndGo", 3, "destroy");
        TEditsPanel* rows = panel->EditsPanel;
        TvSNMPRequest2Edits* b = form.Binding(0);
        form.show();
        QVERIFY(PumpUntil([&] { return b->ReceivedCount == 2 && !b->Busy; }));
        QCOMPARE(Column(panel, 0), (QStringList{"1", "2"}));
        QCOMPARE(panel->Buttons->CountText->text(), QString("2"));
        QVERIFY(!panel->Buttons->EditButton->isEnabled());
        QVERIFY(!panel->Buttons->DeleteButton->isEnabled());

        // Add: keys ticked and locked, status fixed to the add value; the new row appears after the refresh.
        QStringList addLooks;
        QTimer::singleShot(0, this, [&] {
            QDialog* dialog = panel->OpenDialog();
            QVERIFY(dialog);
            addLooks << dialog->windowTitle();
            const EditRow& key = rows->Row(0);
            addLooks << QString("key %1 %2").arg(key.Check->isChecked()).arg(key.Check->isEnabled());
            addLooks << "status " + qobject_cast<QComboBox*>(rows->Row(3).Value)->currentText() +
                            (rows->Row(3).Value->isEnabled() ? " open" : " fixed");
            qobject_cast<QLineEdit*>(key.Value)->setText("7");
            qobject_cast<QLineEdit*>(rows->Row(1).Value)->setText("seven");
            rows->Row(1).Check->click();
            dialog->findChild<QPushButton*>("SetCheckedButton")->click();
        });
        panel->Buttons->AddButton->click();
        QCOMPARE(addLooks,
                 (QStringList{"VLAN Static Table : 127.0.0.1 (Add)", "key 1 0", "status createAndGo fixed"}));
        QVERIFY(!panel->OpenDialog());
        QVERIFY(PumpUntil([&] { return b->ReceivedCount == 3 && !b->Busy; }));
        QCOMPARE(Column(panel, 0), (QStringList{"1", "2", "7"}));
        QCOMPARE(Column(panel, 1).last(), QString("seven"));
        QVERIFY(MemoLines(panel).join('\n').contains("Set: (TvSNMP++) Ok!"));

        // Edit: the status list offers neither the add nor the delete value, and gets both back after.
        SelectRow(panel, "7");
        QVERIFY(panel->Buttons->EditButton->isEnabled());
        QStringList during;
        QTimer::singleShot(0, this, [&] {
            QDialog* dialog = panel->OpenDialog();
            QVERIFY(dialog);
            during = ComboEntries(rows->Row(3).Value);
            QVERIFY(!rows->Row(0).Check->isVisibleTo(rows));
            qobject_cast<QLineEdit*>(rows->Row(1).Value)->setText("renamed");
            rows->Row(1).Check->click();
            dialog->findChild<QPushButton*>("SetCheckedButton")->click();
        });
        panel->Buttons->EditButton->click();
        QCOMPARE(during, QStringList{"active"});
        QCOMPARE(ComboEntries(rows->Row(3).Value), (QStringList{"active", "createAndGo", "destroy"}));
        QVERIFY(PumpUntil([&] { return !b->Busy && Column(panel, 1).contains("renamed"); }));

        // Delete asks first; No sends nothing.
        SelectRow(panel, "7");
        answer = QMessageBox::No;
        panel->Buttons->DeleteButton->click();
        // The question names the line it deletes.
        QCOMPARE(boxes, QStringList{"Delete: Are you sure to delete ?\nIndex: 7"});
        QVERIFY(Column(panel, 0).contains("7"));
        answer = QMessageBox::Yes;
        SelectRow(panel, "7");
        const size_t logBefore = sim->Log().size();
        panel->Buttons->DeleteButton->click();
        QVERIFY(PumpUntil([&] { return !b->Busy && !Column(panel, 0).contains("7"); }));
        // Exactly one variable was written: the row-status column at the row's index.
        QStringList sets;
        for (const QString& line : QString::fromStdString(sim->Log().substr(logBefore)).split('\n'))
            if (line.startsWith("SET"))
                sets << line.section(' ', -1);
        QCOMPARE(sets, QStringList{"." + QString::fromStdString(b->Request.VarList.Item(3).Oid) + ".7"});
        QCOMPARE(Column(panel, 0), (QStringList{"1", "2"}));
        for (int i = 0; i < b->Request.VarList.Count(); ++i)
            QCOMPARE(b->Request.VarList.Item(i).Access & accExcluded, 0);
        QVERIFY(b->Asynchronous);
        form.close();
    }

    void AddDialogKeepsEmptyRowsOpen() {
        TConfigForm form(nullptr);
        TSNMPListViewPanel* panel =
            form.AddListViewPanel(Bind(&form, kSimVlanStatic, 2, 1), 3, "createAndGo", 3, "destroy");
        form.show();
        QVERIFY(Settled(form.Binding(0)));
        bool stillOpen = false;
        QTimer::singleShot(0, this, [&] {
            QDialog* dialog = panel->OpenDialog();
            dialog->findChild<QPushButton*>("SetCheckedButton")->click(); // the key is still empty
            stillOpen = dialog->isVisible();
            dialog->findChild<QPushButton*>("CloseButton")->click();
        });
        panel->Buttons->AddButton->click();
        QVERIFY(stillOpen);
        QCOMPARE(boxes, QStringList{"Warning: Some items are empty!\nIndex"});
        QVERIFY(Settled(form.Binding(0)));
        QCOMPARE(Column(panel, 0), (QStringList{"1", "2"}));
        form.close();
    }

    void HintShowsEveryColumn() {
        TConfigForm form(nullptr);
        TSNMPListViewPanel* panel =
            form.AddListViewPanel(Bind(&form, kSimVlanStatic, 2, 1), -1, nullptr, -1, nullptr);
        form.show();
        QVERIFY(PumpUntil([&] { return form.Binding(0)->ReceivedCount == 2 && !form.Binding(0)->Busy; }));
        QVERIFY(panel->Buttons->AddButton->isHidden());
        QVERIFY(panel->Buttons->DeleteButton->isHidden());
        QTreeView* view = panel->ListViewPanel->ListView;
        QCoreApplication::processEvents();
        const QPoint first = view->visualRect(view->model()->index(0, 0)).center();
        QCOMPARE(panel->HintAt(first),
                 QString("Index" + QString(14, '\t') + "  1\n" + "Static Name" + QString(8, '\t') +
                         "  name1\n" + "Static Egress Ports  FFFFFFF0\n" +
                         "Static Row Status\t\t  active\n"));
        QVERIFY(panel->HintAt(QPoint(5, view->viewport()->height() - 2)).isEmpty());
        form.close();
    }

    void CloseDuringAWalkWaits_data() {
        QTest::addColumn<bool>("asynchronous");
        QTest::newRow("event pump") << true;
        QTest::newRow("blocking") << false;
    }
    void CloseDuringAWalkWaits() {
        QFETCH(bool, asynchronous);
        // A blocking walk lets timers run only while it waits for a reply: a slow link makes it wait.
        SimSwitch slow;
        if (!asynchronous) {
            QVERIFY2(slow.Start({"--delay", "30"}), slow.Error().c_str());
            WindowTest::UseSimulator(slow.Port());
            gSNMPTimeout = 200;
        }
        auto form = std::make_unique<TConfigForm>(nullptr);
        TSNMPListViewPanel* panel =
            form->AddListViewPanel(Bind(form.get(), kSimFdb, 2, 2), -1, nullptr, -1, nullptr);
        TvSNMPRequest2Edits* b = form->Binding(0);
        b->Asynchronous = asynchronous;
        if (!asynchronous)
            b->MaxRows = 400;
        QPointer<TConfigForm> watch(form.get());
        // Close once a few hundred rows are in: from the event loop, which ends the walk at once, or from
        // inside the blocking walk, which holds the close until the walk has finished.
        QTimer closer;
        bool busyShown = false;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (panel->ListViewPanel->ListView->model()->rowCount() > 200 || b->ReceivedCount > 200) {
                closer.stop();
                // The running read shows.
                busyShown = panel->cursor().shape() == Qt::BusyCursor;
                form->close();
            }
        });
        closer.start(5);
        form->show();
        QVERIFY(PumpUntil([&] { return !form->isVisible(); }, 30000));
        QCOMPARE(form->BindingCount(), 0);
        QVERIFY(form->Closing());
        QVERIFY(busyShown);
        const int rows = panel->ListViewPanel->ListView->model()->rowCount();
        if (asynchronous) {
            QVERIFY2(rows < 4000, qPrintable(QString::number(rows))); // given up at once
        } else {
            QCOMPARE(rows, 400);
            QVERIFY(panel->Buttons->CountText->text().toInt() > 0);
        }
        form.reset();
        QTest::qWait(50);
        QVERIFY(!watch);
    }

    void BitmapDialogSetsTheBits_data() {
        QTest::addColumn<bool>("afterFirstRead");
        QTest::newRow("after the first read") << true;
        QTest::newRow("while the first read runs") << false;
    }
    void BitmapDialogSetsTheBits() {
        QFETCH(bool, afterFirstRead);
        TConfigForm form(nullptr);
        TSNMPEditorPanel* panel = form.AddEditorPanel(Bind(&form, kPorts));
        TEditsPanel* rows = panel->EditsPanel;
        rows->SetOctetItem(0, 20, 28);
        form.show();
        if (!afterFirstRead) {
            // The dialog would work on values the read is about to replace: refused, with a status line.
            QCoreApplication::sendPostedEvents(&form, TConfigForm::WM_CONFIG_REFRESH);
            QVERIFY(form.Binding(0)->Busy);
            rows->OpenBitmapDialog(0);
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(MemoLines(panel).last().contains(TvDedicatedWindow::kWaitingMessage));
        }
        QVERIFY(Settled(form.Binding(0)));
        auto* edit = qobject_cast<QLineEdit*>(rows->Row(0).Value);
        QVERIFY(edit->isReadOnly());
        QList<QPoint> places;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "BitmapDialog")
                return;
            driver.stop();
            for (int n : {0, 19, 20, 27})
                places << dialog->findChild<QCheckBox*>(QString("Bit%1").arg(n))->pos();
            dialog->findChild<QPushButton*>("ClearChecks")->click();
            dialog->findChild<QCheckBox*>("Bit2")->setChecked(true);
            dialog->findChild<QPushButton*>("OK")->click();
        });
        driver.start(5);
        rows->OpenBitmapDialog(0);
        QCOMPARE(places.size(), 4);
        // Two lines: 1 to 20 and 21 to 28.
        QCOMPARE(places[0].y(), places[1].y());
        QCOMPARE(places[2].x(), places[0].x());
        QVERIFY(places[2].y() > places[0].y());
        QCOMPARE(places[3].y(), places[2].y());
        QVERIFY2(edit->text().startsWith("200000"), qPrintable(edit->text()));
        QCOMPARE(form.Binding(0)->Request.VarList.Item(0).Value.substr(0, 6), std::string("200000"));
        QVERIFY(MemoLines(panel).last().startsWith("Get: (TvSNMP++) Ok!"));
        form.close();
    }

    void MulticastEntries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("multicast");
        QTest::newRow("lowest") << "224.1.1.1" << true;
        QTest::newRow("highest") << "239.255.255.255" << true;
        QTest::newRow("unicast") << "223.1.1.1" << false;
        QTest::newRow("empty piece ignored") << "224.1..1.1" << true;
        QTest::newRow("leading dot") << ".224.1.1.1" << false;
        QTest::newRow("trailing dot") << "224.1.1.1." << false;
        QTest::newRow("three pieces") << "224.1.1" << false;
        QTest::newRow("piece too big") << "224.1.256.1" << false;
        QTest::newRow("leading number of a piece") << "230.1x.2.3" << true;
    }
    void MulticastEntries() {
        QFETCH(QString, text);
        QFETCH(bool, multicast);
        QCOMPARE(IsMulticastAddress(text), multicast);
    }

    void ConstraintRefusedNothingSent() {
        TConfigForm form(nullptr);
        TSNMPEditorPanel* panel = form.AddEditorPanel(Bind(&form, kSystem));
        panel->SetVarFormat(3, "%s{l5}");
        form.show();
        QVERIFY(Settled(form.Binding(0)));
        TEditsPanel* rows = panel->EditsPanel;
        qobject_cast<QLineEdit*>(rows->Row(3).Value)->setText("far too long a place");
        rows->Row(3).Check->click();
        panel->Buttons->SetCheckedButton->click();
        QVERIFY(PumpUntil([&] { return !panel->Binding()->Busy; }));
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(ReadBack(kSystem)[3], std::string("Rack 3, Server Room"));
        try {
            panel->SetVarFormat(0, "%s");
        } catch (const TvException&) {
            QFAIL("a read-only edit takes a format");
        }
        form.close();
    }
};

QTEST_MAIN(TestConfigForm)
#include "tst_ConfigForm.moc"
