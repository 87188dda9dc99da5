#include "binding/TvDedicatedWindow.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SimTables.h"
#include "support/WindowTest.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {

// A window with one table, a Refresh and an Edit that only a selected row allows.
class Window : public TvDedicatedWindow {
public:
    Window() : TvDedicatedWindow(nullptr, "Window") {
        Memo = new QPlainTextEdit(this);
        Refresh = new QPushButton("Refresh", this);
        Edit = new QPushButton("Edit", this);
        Binding = std::make_unique<TvSNMPRequest2Edits>(this);
        Binding->Request.VarList.Assign(TvSNMPVarList(kSimVlanStatic, 2, 1));
        Binding->BindListView(new QTreeView(this), false);
        Binding->SetStatusTarget(Memo);
        Watch(*Binding);
        GateWhileBusy({Refresh, Edit});
        Edit->setEnabled(false);
    }
    void Read() {
        if (Idle(TvSNMPRequest2Controls::opGet))
            Binding->Get();
    }
    void UpdateActions() override {
        ++updates;
        Edit->setEnabled(rowChosen);
    }
    void Closing() override { closingSawWaiting = Waiting(); }

    QPlainTextEdit* Memo;
    QPushButton* Refresh;
    QPushButton* Edit;
    std::unique_ptr<TvSNMPRequest2Edits> Binding;
    bool rowChosen = false;
    int updates = 0;
    bool closingSawWaiting = true;
};

} // namespace

class TestDedicatedWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;

private slots:
    void initTestCase() {
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--delay", "100"}), sim->Error().c_str());
    }
    void init() { WindowTest::UseSimulator(sim->Port()); }

    // While the read is on its way the actions are held off, also one the window's own code enables
    // meanwhile; a second read is refused with a line that says why; at the end the window decides.
    void ActionsHeldOffWhileWaiting() {
        Window w;
        w.show();
        w.Read();
        QVERIFY(w.Waiting());
        QVERIFY(!w.Refresh->isEnabled());
        QCOMPARE(w.Refresh->toolTip(), QString(TvDedicatedWindow::kWaitingTip));
        w.rowChosen = true;
        w.Edit->setEnabled(true); // a selection handler, say
        QVERIFY(!w.Edit->isEnabled());
        w.Read();
        QVERIFY(w.Memo->toPlainText().contains(TvDedicatedWindow::kWaitingMessage));
        QVERIFY(PumpUntil([&] { return !w.Waiting(); }));
        QVERIFY(w.Refresh->isEnabled());
        QVERIFY(w.Refresh->toolTip().isEmpty());
        QVERIFY(w.Edit->isEnabled());
        QCOMPARE(w.updates, 1);
        QCOMPARE(w.Binding->ListModel()->RowCount(), 2);
    }

    // Closing cancels the read at once: the window waits for nothing, and no row arrives afterwards.
    void CloseCancels() {
        Window w;
        w.show();
        w.Read();
        QVERIFY(w.Waiting());
        w.close();
        QVERIFY(!w.closingSawWaiting);
        QVERIFY(!w.Waiting());
        QTest::qWait(300);
        QCOMPARE(w.Binding->ListModel()->RowCount(), 0);
        QCOMPARE(w.updates, 0);
    }
};

QTEST_MAIN(TestDedicatedWindow)
#include "tst_DedicatedWindow.moc"
