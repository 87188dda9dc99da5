#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogIPWindows.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SlowLink.h"
#include "support/WindowTest.h"
#include "windows/TBOOTCtrlTableForm.h"
#include "windows/TNewBootpCtrlForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace WindowTest;

namespace {

const QString kState = "1.3.6.1.4.1.59371.11.69.2.3.3.1.7.1.3.";

// The State OID of the row of `name` and `server`: the name is length-prefixed.
QString StateOid(const QString& name, const QString& server) {
    QString index = QString::number(name.size());
    for (QChar c : name)
        index += "." + QString::number(c.unicode());
    return kState + index + "." + server;
}

} // namespace

class TestBOOTCtrlTableForm : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    std::unique_ptr<TBOOTCtrlTableForm> form;
    QStringList boxes;     // every box but the questions
    QStringList questions; // Yes/No questions, answered with `answer`
    QMessageBox::StandardButton answer = QMessageBox::Yes;

    // The table and the interface names beside it are in.
    bool Settled() {
        return PumpUntil([this] { return !form->Waiting(); });
    }
    QStringList Add(const QString& name, const QString& server, bool* stayedOpen = nullptr) {
        boxes.clear();
        WhileModal(form->AddBtn, form->EntryForm, [&] {
            form->EntryForm->Edit1->setText(name);
            form->EntryForm->Edit2->setText(server);
            form->EntryForm->DeleteBtn->click();
            if (stayedOpen)
                *stayedOpen = form->EntryForm->isVisible();
        });
        return boxes;
    }
    QStringList MemoLines() const { return form->Memo1->toPlainText().split('\n', Qt::SkipEmptyParts); }

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
            boxes << (kind == TvMessageBox::Kind::Warning ? "Warning: " : "") + text;
            return QMessageBox::Ok;
        });
        form = std::make_unique<TBOOTCtrlTableForm>(nullptr, "127.0.0.1");
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

    void OpensWithTheServers() {
        QCOMPARE(form->windowTitle(), QString("BOOTP Ctrl Table: 127.0.0.1"));
        QCOMPARE(Row(form->ListView1, 0), (QStringList{"System", "10.90.90.5", "valid"}));
        QVERIFY(MemoLines().last().startsWith("Get: (TvSNMP++) Ok!"));
        QVERIFY(form->ComboBox1->isHidden());
    }

    void AddChecksTheServerAddress() {
        const size_t before = sim->Log().size();
        const struct {
            const char* server;
            bool refused;
        } cases[] = {{"10.1.1", true}, {"127.0.0.1", true}, {"0.0.0.0", true},  {"224.0.0.1", true},
                     {"1.2.3.", true}, {"", true},          {"10.9.9.x", true}, {"255.255.255.255", true}};
        for (const auto& c : cases) {
            bool open = false;
            QCOMPARE(Add("System", c.server, &open),
                     QStringList{"Warning: Invalid Bootp Server IP Address."});
            QVERIFY(open);
        }
        QCOMPARE(form->EntryForm->windowTitle(), QString("BOOTP Ctrl Table: 127.0.0.1 (Add)"));
        QVERIFY(Sets(sim->Log(), before).isEmpty());
    }

    // A relay listens on an interface of the switch: a name no IP interface has is refused, naming those
    // the switch has.
    void AddNeedsAnInterfaceOfTheSwitch() {
        QVERIFY(PumpUntil([&] { return !form->Waiting(); }));
        const size_t before = sim->Log().size();
        bool open = false;
        const QStringList shown = Add("nosuch", "10.90.90.6", &open);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(
                     "Warning: The switch has no IP interface named \"nosuch\".\nIts interfaces: "),
                 qPrintable(shown[0]));
        QVERIFY(shown[0].contains("System"));
        QVERIFY(open);
        QVERIFY(sim->AwaitMarker());
        QVERIFY(Sets(sim->Log(), before).isEmpty());
    }

    void FourServersPerInterface() {
        size_t before = sim->Log().size();
        for (const QString server : {"10.90.90.6", "10.90.90.7", "10.90.90.8"}) {
            QCOMPARE(Add("System", server), QStringList{});
            QVERIFY(Settled());
            QCOMPARE(Sets(sim->Log(), before), QStringList{StateOid("System", server)});
            before = sim->Log().size();
        }
        // The dialog empties its fields after a write.
        QVERIFY(form->EntryForm->Edit1->text().isEmpty());
        QCOMPARE(Column(form->ListView1, 1).size(), 4);

        bool open = false;
        QCOMPARE(Add("System", "10.90.90.9", &open),
                 QStringList{"Warning: One Interface Can Only With Four Bootp Servers"});
        QVERIFY(open);
        QVERIFY(Sets(sim->Log(), before).isEmpty());
        // Another interface has servers of its own.
        QCOMPARE(Add("mgmt", "10.90.90.9"), QStringList{});
        QVERIFY(Settled());
        QCOMPARE(Sets(sim->Log(), before), QStringList{StateOid("mgmt", "10.90.90.9")});
        QVERIFY(SelectRow(form->ListView1, "mgmt"));
        QCOMPARE(Row(form->ListView1, form->Binding()->SelectedRow()),
                 (QStringList{"mgmt", "10.90.90.9", "valid"}));
    }

    void DeleteRemovesTheChosenServer() {
        size_t before = sim->Log().size();
        form->ListView1->clearSelection();
        form->DeleteBtn->click();
        QCOMPARE(boxes, QStringList{"Warning: Please select a row to delete."});
        QVERIFY(Sets(sim->Log(), before).isEmpty());

        QVERIFY(SelectRow(form->ListView1, "10.90.90.7", 1));
        QCOMPARE(form->EntryForm->Edit2->text(), QString("10.90.90.7"));
        form->DeleteBtn->click();
        QCOMPARE(
            questions,
            QStringList{"Are you sure to delete ?\nInterface Name: System, Bootp Server IP: 10.90.90.7"});
        QVERIFY(Settled());
        QCOMPARE(Sets(sim->Log(), before), QStringList{StateOid("System", "10.90.90.7")});
        QVERIFY(!Column(form->ListView1, 1).contains("10.90.90.7"));
        QVERIFY(MemoLines().last().startsWith("Get: (TvSNMP++) Ok!"));
        // With a server fewer the interface takes one again.
        QCOMPARE(Add("System", "10.90.90.10"), QStringList{});
        QVERIFY(Settled());
        QVERIFY(Column(form->ListView1, 1).contains("10.90.90.10"));
    }

    // Delete asks first, naming the server by its interface and address; on No nothing is sent.
    void DeleteAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("answered no") << false;
        QTest::newRow("answered yes") << true;
    }
    void DeleteAsksFirst() {
        QFETCH(bool, yes);
        QCOMPARE(Add("mgmt", "10.90.90.21"), QStringList{});
        QVERIFY(Settled());
        QVERIFY(SelectRow(form->ListView1, "10.90.90.21", 1));
        answer = yes ? QMessageBox::Yes : QMessageBox::No;
        const size_t before = sim->Log().size();
        form->DeleteBtn->click();
        QCOMPARE(questions,
                 QStringList{"Are you sure to delete ?\nInterface Name: mgmt, Bootp Server IP: 10.90.90.21"});
        QVERIFY(Settled());
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(Sets(sim->Log(), before),
                 yes ? QStringList{StateOid("mgmt", "10.90.90.21")} : QStringList{});
        QCOMPARE(Column(form->ListView1, 1).contains("10.90.90.21"), !yes);
        if (!yes) {
            answer = QMessageBox::Yes;
            form->DeleteBtn->click();
            QVERIFY(Settled());
            QVERIFY(!Column(form->ListView1, 1).contains("10.90.90.21"));
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
        form->RefreshBtn->click();
        QVERIFY(Settled());
        QCOMPARE(Add("mgmt", "10.90.90.22"), QStringList{});
        QVERIFY(Settled());
        TBOOTCtrlTableForm window(nullptr, "127.0.0.1");
        window.show();
        QVERIFY(PumpUntil([&window] { return !window.Waiting(); }));
        QVERIFY(SelectRow(window.ListView1, "10.90.90.22", 1));
        const size_t start = sim->Log().size();
        window.DeleteBtn->click();
        QVERIFY(window.Waiting());
        QVERIFY(!window.DeleteBtn->isEnabled() && !window.RefreshBtn->isEnabled() &&
                !window.AddBtn->isEnabled());
        if (again) {
            QTimer::singleShot(0, &window, [&window] { window.close(); });
            window.DeleteBtnClick();
            QVERIFY(window.Memo1->toPlainText().contains(TvDedicatedWindow::kWaitingMessage));
            QVERIFY(PumpUntil([&window] { return !window.isVisible(); }));
        } else {
            window.close();
            QVERIFY(!window.isVisible());
        }
        QVERIFY(!window.Waiting());
        const QString memo = window.Memo1->toPlainText();
        QVERIFY(sim->AwaitMarker());
        QVERIFY(SlowLink::NothingAfter(*sim, sim->Log().size()));
        QCOMPARE(Sets(sim->Log(), start), QStringList{StateOid("mgmt", "10.90.90.22")});
        if (!again)
            QVERIFY(SlowLink::Requests(*sim, start).last().startsWith("SET"));
        QCOMPARE(window.Memo1->toPlainText(), memo);
    }

    void ARefusedWriteIsAnError() {
        TvSNMPRequest& request = form->Binding()->Request;
        request.Target.WriteCommunity = "rdcomm"; // read-only
        const int rows = Column(form->ListView1, 0).size();
        QCOMPARE(Add("mgmt", "10.90.90.11"), QStringList{});
        QVERIFY(Settled());
        request.Target.WriteCommunity = "wrtcomm";
        const QString last = MemoLines().last();
        QVERIFY2(last.startsWith("Set: ") && !last.contains("Ok!"), qPrintable(last));
        QCOMPARE(Column(form->ListView1, 0).size(), rows);
    }
};

QTEST_MAIN(TestBOOTCtrlTableForm)
#include "tst_BOOTCtrlTableForm.moc"
