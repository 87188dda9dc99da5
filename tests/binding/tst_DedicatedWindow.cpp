#include "binding/TvDedicatedWindow.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvWindowHost.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SimTables.h"
#include "support/WindowTest.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>

namespace {

// A window with one table, a Refresh and an Edit that only a selected row allows.
class Window : public TvDedicatedWindow {
public:
    explicit Window(QWidget* parent = nullptr) : TvDedicatedWindow(parent, "Window") {
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

// What ShowFor uses of the main window: the entry's caption.
class Host : public TvWindowHost {
public:
    QWidget* HostWindow() override { return nullptr; }
    const ConnectionTexts& Connection() const override { return texts; }
    const std::string& ProgramFile() const override { return file; }
    OperatingMode Mode() const override { return OperatingMode{}; }
    QLabel* HostStatus() override { return nullptr; }
    QLabel* StpVersionHolder() override { return nullptr; }
    void ReadStpVersion() override {}
    ConnectionTexts texts;
    std::string file;
};

// Opens a window for `entry` through ShowFor, runs `inside` and closes it.
void OpenAndRun(const TvMenuNode& entry, const std::function<void(Window&)>& inside) {
    Host host;
    Window w;
    w.ShowFor(host, entry);
    QVERIFY(w.isVisible());
    inside(w);
    w.close();
}

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

    // An entry's window is a window of its own: choosing the entry again raises it instead of opening a
    // second; Ctrl+W closes it; once closed it is deleted, and the entry opens a fresh one.
    void SameEntryRaisesItsWindow() {
        Host host;
        TvMenuNode entry, other;
        entry.Target = "TRaiseTest";
        other.Target = "TRaiseOther";
        QPointer<Window> first = TvDedicatedWindow::Open<Window>(host, entry);
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowModality(), Qt::NonModal);
        QVERIFY(!first->parentWidget());
        QVERIFY(!TvDedicatedWindow::Open<Window>(host, entry));
        QPointer<Window> second = TvDedicatedWindow::Open<Window>(host, other);
        QVERIFY(second);
        QCOMPARE(TvOpenWindows::All(), (std::vector<QWidget*>{first, second}));

        auto* close = first->findChild<QAction*>("CloseWindowAction");
        QVERIFY(close);
        QCOMPARE(close->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
        QCOMPARE(close->shortcutContext(), Qt::WindowShortcut);
        close->trigger();
        QVERIFY(PumpUntil([&] { return first.isNull(); }));
        QCOMPARE(TvOpenWindows::All(), std::vector<QWidget*>{second});
        QPointer<Window> again = TvDedicatedWindow::Open<Window>(host, entry);
        QVERIFY(again);
        again->close();
        second->close();
        QVERIFY(PumpUntil([&] { return again.isNull() && second.isNull(); }));
    }

    // A closed window is not deleted while a question of any window waits: the question's code may be
    // the window's own, still on the stack.
    void ClosedWindowOutlivesAWaitingQuestion() {
        Host host;
        TvMenuNode entry;
        entry.Target = "TQuestionTest";
        QPointer<Window> w = TvDedicatedWindow::Open<Window>(host, entry);
        QVERIFY(w);
        bool aliveAfterQuestion = false;
        TvMessageBox::SetHook({}); // a real box, answered from inside its loop
        QTimer::singleShot(0, w, [&] {
            w->close();
            QTest::qWait(3 * 50);
            aliveAfterQuestion = !w.isNull();
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->done(QMessageBox::No);
        });
        const bool yes = TvMessageBox::YesNo(w, "Still there?", "Question");
        QVERIFY(!yes);
        QVERIFY(aliveAfterQuestion);
        QVERIFY(PumpUntil([&] { return w.isNull(); }));
    }

    // A window opens where the operator left the window of its entry last time, per entry; a place no
    // screen shows any more is moved onto the screen.
    void OpensWhereItWasLeft() {
        QTemporaryDir config;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        TvMenuNode entry, other;
        entry.Target = "TPlaceTest";
        other.Target = "TOtherPlace";
        const QRect left(140, 120, 420, 260);
        OpenAndRun(entry, [&](Window& w) { w.setGeometry(left); });
        QRect reopened, fresh;
        OpenAndRun(entry, [&](Window& w) { reopened = w.geometry(); });
        OpenAndRun(other, [&](Window& w) { fresh = w.geometry(); });
        QCOMPARE(reopened, left);
        QVERIFY(fresh != left);

        // Left far beyond the screen: it comes back on it.
        OpenAndRun(entry, [&](Window& w) { w.setGeometry(QRect(9000, 7000, 420, 260)); });
        QRect back;
        OpenAndRun(entry, [&](Window& w) { back = w.frameGeometry(); });
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.intersects(back), qPrintable(QString("%1,%2").arg(back.x()).arg(back.y())));
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
