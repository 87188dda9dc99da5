#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogIPWindows.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"
#include "windows/TBOOTCtrlTableForm.h"
#include "windows/TNewBootpCtrlForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

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
    std::unique_ptr<TBOOTCtrlTableForm> form;
    QStringList boxes;

    bool Settled() {
        TvSNMPRequest2Edits* b = form->Binding();
        return PumpUntil([b] { return !b->Busy; });
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
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log"}), sim->Error().c_str());
        WindowTest::UseSimulator(sim->Port());
        TvMessageBox::SetHook([this](TvMessageBox::Kind kind, const QString&, const QString& text) {
            boxes << (kind == TvMessageBox::Kind::Warning ? "Warning: " : "") + text;
            return QMessageBox::Ok;
        });
        form = std::make_unique<TBOOTCtrlTableForm>(nullptr, "127.0.0.1");
        form->show();
        QVERIFY(Settled());
    }
    void init() { boxes.clear(); }
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
        QVERIFY(Settled());
        QCOMPARE(Sets(sim->Log(), before), QStringList{StateOid("System", "10.90.90.7")});
        QVERIFY(!Column(form->ListView1, 1).contains("10.90.90.7"));
        QVERIFY(MemoLines().last().startsWith("Get: (TvSNMP++) Ok!"));
        // With a server fewer the interface takes one again.
        QCOMPARE(Add("System", "10.90.90.10"), QStringList{});
        QVERIFY(Settled());
        QVERIFY(Column(form->ListView1, 1).contains("10.90.90.10"));
    }

    void ARefusedWriteIsAnError() {
        TvSNMPRequest& request = form->Binding()->Request;
        request.WriteCommunity = "rdcomm"; // read-only
        const int rows = Column(form->ListView1, 0).size();
        QCOMPARE(Add("mgmt", "10.90.90.11"), QStringList{});
        QVERIFY(Settled());
        request.WriteCommunity = "wrtcomm";
        const QString last = MemoLines().last();
        QVERIFY2(last.startsWith("Set: ") && !last.contains("Ok!"), qPrintable(last));
        QCOMPARE(Column(form->ListView1, 0).size(), rows);
    }
};

QTEST_MAIN(TestBOOTCtrlTableForm)
#include "tst_BOOTCtrlTableForm.moc"
