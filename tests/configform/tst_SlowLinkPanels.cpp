#include "binding/TvDedicatedWindow.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TListViewPanel.h"
#include "configform/TMsgPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/SimTables.h"
#include "support/SlowLink.h"
#include "support/WindowTest.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr TvSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", synDisplayString, accReadOnly},
    {"1.3.6.1.2.1.1.4", "Contact", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", synDisplayString, accReadWrite},
    {nullptr},
};

std::unique_ptr<TvSNMPRequest2Edits> Bind(QWidget* owner, const TvSNMPVarDef* table, int itemType, int keys) {
    auto b = std::make_unique<TvSNMPRequest2Edits>(owner);
    b->Request.VarList.Assign(TvSNMPVarList(table, itemType, keys));
    return b;
}

// A generic window of one scalar group or one table, as the menu builds them, and how to use it.
struct Panel {
    std::unique_ptr<TConfigForm> Form;
    TSNMPPanel* View = nullptr;
    std::function<void()> Write; // a valid change, sent with the window's own write
};

Panel OpenScalar() {
    Panel p;
    p.Form = std::make_unique<TConfigForm>(nullptr);
    TSNMPEditorPanel* editor = p.Form->AddEditorPanel(Bind(p.Form.get(), kSystem, 0, 0));
    p.View = editor;
    p.Write = [editor] {
        qobject_cast<QLineEdit*>(editor->EditsPanel->Row(3).Value)->setText("slow closet");
        if (!editor->EditsPanel->IsRowTicked(3))
            editor->EditsPanel->Row(3).Check->click();
        editor->Buttons->SetCheckedButton->click();
    };
    return p;
}

Panel OpenTable() {
    Panel p;
    p.Form = std::make_unique<TConfigForm>(nullptr);
    TSNMPListViewPanel* table =
        p.Form->AddListViewPanel(Bind(p.Form.get(), kSimVlanStatic, 2, 1), 3, "createAndGo", 3, "destroy");
    p.View = table;
    p.Write = [table] {
        WindowTest::SelectRow(table->ListViewPanel->ListView, "2");
        table->ListViewClick();
        table->Buttons->DeleteButton->click();
    };
    return p;
}

bool Idle(TConfigForm& form) {
    return !form.Binding(0) || !form.Binding(0)->Busy;
}

} // namespace

class TestSlowLinkPanels : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;

    bool Settled(TConfigForm& form) {
        return PumpUntil([&] { return Idle(form); }) && sim->AwaitMarker();
    }

private slots:
    void initTestCase() { QVERIFY2(SlowLink::StartAgent(dir, sim), sim->Error().c_str()); }
    void cleanupTestCase() { SlowLink::StopAgent(sim); }
    void init() { WindowTest::UseSimulator(sim->Port()); }

    void EveryScenario_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("scenario");
        SlowLink::AddRows("scalar group");
        SlowLink::AddRows("table");
    }
    void EveryScenario() {
        QFETCH(QString, window);
        QFETCH(int, scenario);
        const bool table = window == "table";
        Panel p = table ? OpenTable() : OpenScalar();
        TConfigForm& form = *p.Form;
        QPushButton* refresh = p.View->Buttons->RefreshButton;
        form.show();
        QVERIFY(Settled(form));
        if (scenario == SlowLink::kRefreshTwice) {
            SlowLink::RefreshTwice(
                *sim, [&] { return !Idle(form); }, refresh);
            return;
        }
        refresh->click();
        QVERIFY(!Idle(form));
        const size_t start = sim->Log().size();
        switch (scenario) {
        case SlowLink::kSetDuringRead:
            // Refused (a table's rows are gone while they are read again, and Delete with them; a
            // group says why in its message lines); nothing written, then or later.
            p.Write();
            if (!table)
                QVERIFY(
                    p.View->MessagePanel->Memo->toPlainText().contains(TvDedicatedWindow::kWaitingMessage));
            QVERIFY(Settled(form));
            QCOMPARE(SlowLink::Sets(*sim, start), QStringList());
            break;
        case SlowLink::kCloseDuringRead:
            SlowLink::CloseNow(*sim, &form, [&] { return form.BindingCount() > 0 && !Idle(form); });
            break;
        default: {
            // The write goes through the event pump: closing while it is on its way closes the window at
            // once, the write already sent is the only one, and nothing else is sent.
            QVERIFY(Settled(form));
            const size_t before = sim->Log().size();
            p.Write();
            QVERIFY(!Idle(form));
            bool loopRan = false;
            QTimer::singleShot(0, &form, [&loopRan] { loopRan = true; });
            form.close();
            QVERIFY(!loopRan);
            QVERIFY(!form.isVisible());
            QVERIFY(sim->AwaitMarker());
            QCOMPARE(SlowLink::Sets(*sim, before).size(), 1);
            QVERIFY(sim->AwaitMarker());
            QVERIFY(SlowLink::NothingAfter(*sim, sim->Log().size()));
            break;
        }
        }
    }
};

QTEST_MAIN(TestSlowLinkPanels)
#include "tst_SlowLinkPanels.moc"
