#include "binding/TvSNMPRequest2Edits.h"
#include "binding/TvStatusPanel.h"
#include "catalog/CatalogIPWindows.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SlowLink.h"
#include "support/WindowTest.h"
#include "windows/TIPCtrlEdtForm.h"
#include "windows/TIpCtrlForm.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace WindowTest;

namespace {

const QString kTable = "1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.";

// The SET lines of a write to row `address` for the given columns.
QStringList RowSets(const QString& address, std::initializer_list<int> columns) {
    QStringList sets;
    for (int c : columns)
        sets << kTable + QString::number(c) + "." + address;
    return sets;
}

struct NewInterface {
    QString address, index, name, mask, vlan, secondary, mode, oper, arp;
};

void Fill(TIPCtrlEdtForm& d, const NewInterface& n) {
    d.edtIPAddr->setText(n.address);
    d.edtIndex->setText(n.index);
    d.edtInterface->setText(n.name);
    d.edtMask->setText(n.mask);
    d.edtVlan->setText(n.vlan);
    d.cbxSecondary->setCurrentIndex(d.cbxSecondary->findText(n.secondary));
    d.cbxMode->setCurrentIndex(d.cbxMode->findText(n.mode));
    d.cbxOper->setCurrentIndex(d.cbxOper->findText(n.oper));
    d.cbxARP->setCurrentIndex(d.cbxARP->findText(n.arp));
}

} // namespace

class TestIpCtrlForm : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    std::unique_ptr<TIpCtrlForm> form;
    QStringList boxes;     // every box but the questions
    QStringList questions; // Yes/No questions, answered with `answer`
    QMessageBox::StandardButton answer = QMessageBox::Yes;

    bool Settled() {
        TvSNMPRequest2Edits* b = form->Binding();
        return PumpUntil([b] { return !b->Busy; });
    }
    // Adds through the window's Add button and its dialog; the boxes the dialog showed.
    QStringList Add(const NewInterface& n) {
        boxes.clear();
        WhileModal(form->btnAdd, form->EntryForm, [&] {
            Fill(*form->EntryForm, n);
            form->EntryForm->btnSet->click();
        });
        return boxes;
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log"}), sim->Error().c_str());
        WindowTest::UseSimulator(sim->Port());
        TvMessageBox::SetHook([this](TvMessageBox::Kind kind, const QString&, const QString& text) {
            if (kind == TvMessageBox::Kind::YesNo) {
                questions << text;
                return answer;
            }
            boxes << text;
            return QMessageBox::Ok;
        });
        form = std::make_unique<TIpCtrlForm>(nullptr, "127.0.0.1");
        form->show();
        QVERIFY(Settled());
    }
    void init() {
        boxes.clear();
        questions.clear();
        answer = QMessageBox::Yes;
    }
    void cleanup() {
        const std::string faults = sim ? witness_->Compare(*sim) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() {
        form.reset();
        TvMessageBox::SetHook({});
    }

    void OpensWithTheInterfaces() {
        QCOMPARE(form->windowTitle(), QString("IP Control Table : 127.0.0.1"));
        QCOMPARE(Column(form->ListView1, 0), (QStringList{"10.90.90.90", "192.168.10.1"}));
        QCOMPARE(Row(form->ListView1, 0), (QStringList{"10.90.90.90", "29", "System", "255.0.0.0", "default",
                                                       "manual", "false", "active", "up", "disabled"}));
        QVERIFY(form->StatusPanel0->text().contains("Ok!"));
        QVERIFY(form->btnAdd->isEnabled());
        QVERIFY(!form->btnEdit->isEnabled());
        QVERIFY(!form->btnDel->isEnabled());
    }

    void TheSystemInterfaceStays() {
        QVERIFY(SelectRow(form->ListView1, "10.90.90.90"));
        QVERIFY(!form->btnDel->isEnabled());
        QVERIFY(!form->btnAdd->isEnabled());
        QVERIFY(form->btnEdit->isEnabled());
        const size_t before = sim->Log().size();
        form->btnDelClick();
        QCOMPARE(boxes, QStringList{"The system IP interface can't be deleted."});
        QVERIFY(Sets(sim->Log(), before).isEmpty());
        QVERIFY(SelectRow(form->ListView1, "192.168.10.1"));
        QVERIFY(form->btnDel->isEnabled());
        form->ListView1->clearSelection();
        QVERIFY(form->btnAdd->isEnabled());
    }

    void AddChecksInOrder_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vlan");
        QTest::addColumn<QString>("secondary");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("oper");
        QTest::addColumn<QString>("message");
        const QString ok = "172.18.2.1", m24 = "255.255.255.0";
        QTest::newRow("short address") << "172.18.1" << m24 << "40"
                                       << "lab"
                                       << "lab"
                                       << "false"
                                       << "manual"
                                       << "up"
                                       << "Please input valid IP Address.";
        QTest::newRow("loopback") << "127.0.0.1" << m24 << "40"
                                  << "lab"
                                  << "lab"
                                  << "false"
                                  << "manual"
                                  << "up"
                                  << "Please input valid IP Address.";
        QTest::newRow("bad mask") << ok << "255.255.255.128"
                                  << "40"
                                  << "lab"
                                  << "lab"
                                  << "false"
                                  << "manual"
                                  << "up"
                                  << "Please input valid Subnet Mask.";
        QTest::newRow("no mask") << ok << ""
                                 << "40"
                                 << "lab"
                                 << "lab"
                                 << "false"
                                 << "manual"
                                 << "up"
                                 << "Please input valid Subnet Mask.";
        QTest::newRow("network of System") << "10.7.7.7"
                                           << "255.0.0.0"
                                           << "40"
                                           << "lab"
                                           << "lab"
                                           << "false"
                                           << "manual"
                                           << "up"
                                           << "There is an same interface, please modify IP or Subnet Mask!";
        QTest::newRow("network of mgmt") << "192.168.10.7" << m24 << "40"
                                         << "lab"
                                         << "lab"
                                         << "false"
                                         << "manual"
                                         << "up"
                                         << "There is an same interface, please modify IP or Subnet Mask!";
        // A network inside another interface's network is refused like the same network, naming it.
        QTest::newRow("inside the network of System") << "10.90.1.1" << m24 << ""
                                                      << "lab"
                                                      << "lab"
                                                      << "false"
                                                      << "manual"
                                                      << "up"
                                                      << "The network overlaps interface System (10.90.90.90 "
                                                         "255.0.0.0), please modify IP or Subnet Mask!";
        QTest::newRow("no name") << ok << m24 << "40"
                                 << ""
                                 << "lab"
                                 << "false"
                                 << "manual"
                                 << "up"
                                 << "Please input Interface Name.";
        QTest::newRow("used name") << ok << m24 << "40"
                                   << "mgmt"
                                   << "lab"
                                   << "false"
                                   << "manual"
                                   << "up"
                                   << "Please input different Interface Name.";
        QTest::newRow("no secondary") << ok << m24 << "40"
                                      << "lab"
                                      << "lab"
                                      << ""
                                      << "manual"
                                      << "up"
                                      << "Please choose Secondary.";
        QTest::newRow("second primary on a VLAN")
            << ok << m24 << "40"
            << "lab"
            << "mgmt"
            << "false"
            << "manual"
            << "up"
            << "This vlan has been used to create primary interface.\nPlease choose true in Secondary";
        QTest::newRow("secondary first") << ok << m24 << "40"
                                         << "lab"
                                         << "lab"
                                         << "true"
                                         << "manual"
                                         << "up"
                                         << "You should create primary interface at first.";
        QTest::newRow("no mode") << ok << m24 << "40"
                                 << "lab"
                                 << "lab"
                                 << "false"
                                 << ""
                                 << "up"
                                 << "Please choose Mode";
        QTest::newRow("no link state") << ok << m24 << "40"
                                       << "lab"
                                       << "lab"
                                       << "false"
                                       << "manual"
                                       << ""
                                       << "Please choose Link State";
    }
    void AddChecksInOrder() {
        QFETCH(QString, address);
        QFETCH(QString, mask);
        QFETCH(QString, index);
        QFETCH(QString, name);
        QFETCH(QString, vlan);
        QFETCH(QString, secondary);
        QFETCH(QString, mode);
        QFETCH(QString, oper);
        QFETCH(QString, message);
        const size_t before = sim->Log().size();
        QStringList shown;
        bool stayedOpen = false;
        WhileModal(form->btnAdd, form->EntryForm, [&] {
            Fill(*form->EntryForm, {address, index, name, mask, vlan, secondary, mode, oper, "disabled"});
            form->EntryForm->btnSet->click();
            stayedOpen = form->EntryForm->isVisible();
            shown = boxes;
        });
        QCOMPARE(shown, QStringList{message});
        QVERIFY(stayedOpen);
        QVERIFY(Sets(sim->Log(), before).isEmpty());
    }

    void AddWritesTheRowInOneRequest() {
        const size_t before = sim->Log().size();
        QCOMPARE(Add({"172.18.2.1", "40", "lab", "255.255.255.0", "lab", "false", "manual", "up", "enabled"}),
                 QStringList{});
        QCOMPARE(form->EntryForm->windowTitle(), QString("IP Control Table(Add): 127.0.0.1"));
        QVERIFY(Settled());
        // A new row's columns are accepted only in the request that creates it: all came in one.
        QCOMPARE(Sets(sim->Log(), before), RowSets("172.18.2.1", {3, 4, 5, 6, 7, 8, 10}));
        QVERIFY(SelectRow(form->ListView1, "172.18.2.1"));
        const QStringList row = Row(form->ListView1, form->Binding()->SelectedRow());
        QCOMPARE(row.mid(2),
                 (QStringList{"lab", "255.255.255.0", "lab", "manual", "false", "active", "up", "enabled"}));
        form->ListView1->clearSelection();

        // The same network again; then one secondary on the VLAN; a third interface there is one too many.
        QCOMPARE(Add({"172.18.2.9", "41", "lab2", "255.255.255.0", "lab", "true", "manual", "up", "enabled"}),
                 QStringList{"There is an same interface, please modify IP or Subnet Mask!"});
        QCOMPARE(
            Add({"172.18.3.1", "41", "lab2", "255.255.255.0", "lab", "true", "manual", "up", "disabled"}),
            QStringList{});
        QVERIFY(Settled());
        QVERIFY(Column(form->ListView1, 0).contains("172.18.3.1"));
        QCOMPARE(
            Add({"172.18.4.1", "42", "lab3", "255.255.255.0", "lab", "true", "manual", "up", "disabled"}),
            QStringList{"A VLAN can just create two interface."});
        QVERIFY(!Column(form->ListView1, 0).contains("172.18.4.1"));
        QVERIFY(form->grab().save(QCoreApplication::applicationDirPath() + "/ip_control_table.png"));
    }

    void EditWritesOnlyTheStates() {
        QVERIFY(SelectRow(form->ListView1, "172.18.2.1"));
        TIPCtrlEdtForm& d = *form->EntryForm;
        const size_t before = sim->Log().size();
        bool lockedFields = false;
        QStringList offered;
        WhileModal(form->btnEdit, &d, [&] {
            lockedFields = !d.edtIPAddr->isEnabled() && !d.edtInterface->isEnabled() &&
                           !d.edtVlan->isEnabled() && !d.cbxSecondary->isEnabled() &&
                           !d.cbxOper->isEnabled() && d.cbxState->isEnabled();
            const auto* model = qobject_cast<QStandardItemModel*>(d.cbxState->model());
            for (int k = 0; k < model->rowCount(); ++k)
                if (model->item(k)->isEnabled())
                    offered << model->item(k)->text();
            d.cbxMode->setCurrentIndex(d.cbxMode->findText("bootp"));
            d.cbxState->setCurrentIndex(d.cbxState->findText("notInService"));
            d.btnSet->click();
        });
        QVERIFY(lockedFields);
        QCOMPARE(offered, (QStringList{"active", "notInService"}));
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions[0].startsWith("Take interface lab (172.18.2.1) out of service?"),
                 qPrintable(questions[0]));
        QCOMPARE(d.btnSet->text(), QString("Edit"));
        QCOMPARE(d.windowTitle(), QString("IP Control Table(Edit): 127.0.0.1"));
        QVERIFY(!form->btnEdit->isEnabled());
        QVERIFY(Settled());
        QCOMPARE(Sets(sim->Log(), before), RowSets("172.18.2.1", {6, 8, 10}));
        QVERIFY(SelectRow(form->ListView1, "172.18.2.1"));
        const QStringList row = Row(form->ListView1, form->Binding()->SelectedRow());
        QCOMPARE(row[icMode], QString("bootp"));
        QCOMPARE(row[icAdminState], QString("notInService"));
        QCOMPARE(row[icInterfaceName], QString("lab"));
        // Nothing stays left out of later writes.
        for (int i = 0; i < form->Binding()->Request.VarList.Count(); ++i)
            QCOMPARE(form->Binding()->Request.VarList.Item(i).Access & accExcluded, 0);
    }

    // Out of service asks first, naming the interface; No sends nothing and keeps the dialog open.
    void OutOfServiceAnsweredNoSendsNothing() {
        QVERIFY(SelectRow(form->ListView1, "172.18.2.1"));
        TIPCtrlEdtForm& d = *form->EntryForm;
        const size_t before = sim->Log().size();
        answer = QMessageBox::No;
        bool stayedOpen = false;
        WhileModal(form->btnEdit, &d, [&] {
            d.cbxState->setCurrentIndex(d.cbxState->findText("notInService"));
            d.btnSet->click();
            stayedOpen = d.isVisible();
        });
        QCOMPARE(questions.size(), 1);
        QVERIFY(stayedOpen);
        QVERIFY(sim->AwaitMarker());
        QVERIFY(Sets(sim->Log(), before).isEmpty());
        form->ListView1->clearSelection();
    }

    void DeleteTakesTheSecondaryFirst() {
        QVERIFY(SelectRow(form->ListView1, "172.18.2.1"));
        size_t before = sim->Log().size();
        form->btnDel->click();
        QCOMPARE(boxes, QStringList{"The secondary interface must be deleted first!"});
        QVERIFY(Sets(sim->Log(), before).isEmpty());

        boxes.clear();
        QVERIFY(SelectRow(form->ListView1, "172.18.3.1"));
        form->btnDel->click();
        QVERIFY(Settled());
        QCOMPARE(boxes, QStringList{});
        QCOMPARE(questions, QStringList{"Are you sure to delete ?\nInterface: lab2, IP Address: 172.18.3.1"});
        QCOMPARE(Sets(sim->Log(), before), RowSets("172.18.3.1", {8}));
        QVERIFY(!Column(form->ListView1, 0).contains("172.18.3.1"));
        QVERIFY(!form->btnDel->isEnabled());

        // Without a chosen line Delete asks for one.
        form->ListView1->clearSelection();
        before = sim->Log().size();
        form->btnDelClick();
        QCOMPARE(boxes, QStringList{"Please select a row to delete."});
        QVERIFY(Sets(sim->Log(), before).isEmpty());

        // After an edit, Add still creates and Delete still destroys.
        boxes.clear();
        QCOMPARE(
            Add({"172.18.5.1", "43", "lab5", "255.255.255.0", "lab5", "false", "dhcp", "up", "disabled"}),
            QStringList{});
        QVERIFY(Settled());
        QVERIFY(Column(form->ListView1, 0).contains("172.18.5.1"));
        QVERIFY(SelectRow(form->ListView1, "172.18.5.1"));
        form->btnDel->click();
        QVERIFY(Settled());
        QVERIFY(!Column(form->ListView1, 0).contains("172.18.5.1"));
    }

    // Delete asks first, naming the interface; on No nothing is sent.
    void DeleteAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("answered no") << false;
        QTest::newRow("answered yes") << true;
    }
    void DeleteAsksFirst() {
        QFETCH(bool, yes);
        QCOMPARE(
            Add({"172.18.7.1", "47", "lab7", "255.255.255.0", "lab7", "false", "manual", "up", "disabled"}),
            QStringList{});
        QVERIFY(Settled());
        QVERIFY(SelectRow(form->ListView1, "172.18.7.1"));
        answer = yes ? QMessageBox::Yes : QMessageBox::No;
        const size_t before = sim->Log().size();
        form->btnDel->click();
        QCOMPARE(questions, QStringList{"Are you sure to delete ?\nInterface: lab7, IP Address: 172.18.7.1"});
        QVERIFY(Settled());
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(Sets(sim->Log(), before), yes ? RowSets("172.18.7.1", {8}) : QStringList{});
        QCOMPARE(Column(form->ListView1, 0).contains("172.18.7.1"), !yes);
        if (!yes) {
            answer = QMessageBox::Yes;
            form->btnDel->click();
            QVERIFY(Settled());
            QVERIFY(!Column(form->ListView1, 0).contains("172.18.7.1"));
        }
    }

    // Closing gives up the Delete in flight at once: no read-back follows it, and a second Delete asked
    // for while it waits never leaves (it used to wait for the first in a loop, and go out after the
    // window had closed meanwhile).
    void CloseEndsTheDelete_data() {
        QTest::addColumn<bool>("again");
        QTest::newRow("delete, then close") << false;
        QTest::newRow("delete again while waiting, closing meanwhile") << true;
    }
    void CloseEndsTheDelete() {
        QFETCH(bool, again);
        form->btnRefresh->click();
        QVERIFY(Settled());
        QCOMPARE(
            Add({"172.18.8.1", "48", "lab8", "255.255.255.0", "lab8", "false", "manual", "up", "disabled"}),
            QStringList{});
        QVERIFY(Settled());
        TIpCtrlForm window(nullptr, "127.0.0.1");
        window.show();
        QVERIFY(PumpUntil([&window] { return !window.Waiting(); }));
        QVERIFY(SelectRow(window.ListView1, "172.18.8.1"));
        const size_t start = sim->Log().size();
        window.btnDel->click();
        QVERIFY(window.Waiting());
        QVERIFY(!window.btnDel->isEnabled() && !window.btnRefresh->isEnabled() &&
                !window.btnAdd->isEnabled());
        if (again) {
            QTimer::singleShot(0, &window, [&window] { window.close(); });
            window.btnDelClick();
            QVERIFY(window.StatusPanel0->text().contains(TvDedicatedWindow::kWaitingMessage));
            QVERIFY(PumpUntil([&window] { return !window.isVisible(); }));
        } else {
            window.close();
            QVERIFY(!window.isVisible());
        }
        QVERIFY(!window.Waiting());
        const QString status = window.StatusPanel0->text();
        QVERIFY(sim->AwaitMarker());
        QVERIFY(SlowLink::NothingAfter(*sim, sim->Log().size()));
        QCOMPARE(Sets(sim->Log(), start), RowSets("172.18.8.1", {8}));
        if (!again)
            QVERIFY(SlowLink::Requests(*sim, start).last().startsWith("SET"));
        QCOMPARE(window.StatusPanel0->text(), status);
    }

    void ARefusedWriteIsAnError() {
        QVERIFY(SelectRow(form->ListView1, "172.18.2.1"));
        // Meanwhile someone else removes the interface: making it active again is refused.
        TvSNMPRequest other;
        other.VarList.Assign(TvSNMPVarList(kIpCtrlTable, TvSNMPVarList::itTable, kIpCtrlKeys));
        other.VarList.Item(icIPAddress).Value = "172.18.2.1";
        other.Set(std::to_string(icAdminState), {"destroy"});
        const size_t before = sim->Log().size();
        WhileModal(form->btnEdit, form->EntryForm, [&] {
            form->EntryForm->cbxState->setCurrentIndex(form->EntryForm->cbxState->findText("active"));
            form->EntryForm->btnSet->click();
        });
        QVERIFY(Settled());
        const QStringList sets = Sets(sim->Log(), before);
        QVERIFY2(!sets.isEmpty() && sets.last().contains("refused"), qPrintable(sets.join('\n')));
        const QString status = form->StatusPanel0->text();
        QVERIFY2(status.startsWith("Set: ") && !status.contains("Ok!"), qPrintable(status));
        // The list still shows the interface as last read: no walk followed the refused write.
        QVERIFY(Column(form->ListView1, 0).contains("172.18.2.1"));
    }

    void Screenshot() {
        form->EntryForm->SetMode(TIPCtrlEdtForm::mdAdd);
        form->EntryForm->setWindowTitle("IP Control Table(Add): 127.0.0.1");
        form->EntryForm->show();
        Fill(*form->EntryForm,
             {"172.18.6.1", "44", "lab6", "255.255.255.0", "lab6", "false", "manual", "up", "disabled"});
        QVERIFY(form->EntryForm->grab().save(QCoreApplication::applicationDirPath() + "/ip_control_add.png"));
        form->EntryForm->hide();
        qInfo("windows grabbed to %s", qPrintable(QCoreApplication::applicationDirPath()));
    }
};

QTEST_MAIN(TestIpCtrlForm)
#include "tst_IpCtrlForm.moc"
