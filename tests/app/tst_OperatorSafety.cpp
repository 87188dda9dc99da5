#include "app/TfrmMain.h"
#include "app/TvMainMenu.h"
#include "base/TvSNMPVarDef.h"
#include "binding/TvDedicatedWindow.h"
#include "binding/TvLedShape.h"
#include "binding/TvListSortProxy.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
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
#include "support/RecipeWindowRun.h"
#include "support/SimSwitch.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <functional>
#include <memory>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class ProbeMain : public TfrmMain {
public:
    using TfrmMain::OpenRecipeWindow;

protected:
    void BuildFrontPanel() override {}
    void ReadRmonState() override {}
    void ReleaseFrontPanel() override {}
};

// A UDP port on the loopback that takes datagrams and never answers.
class SilentAgent {
public:
    SilentAgent() {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&a), len) == 0 &&
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) == 0)
            port_ = ntohs(a.sin_port);
    }
    ~SilentAgent() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    SilentAgent(const SilentAgent&) = delete;
    SilentAgent& operator=(const SilentAgent&) = delete;
    std::uint16_t Port() const { return port_; }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

TSNMPEditorPanel* Editor(const TConfigForm& form, int page = 0) {
    return qobject_cast<TSNMPEditorPanel*>(form.Panel(page));
}

bool FirstReadDone(const TConfigForm& form) {
    const TvSNMPRequest2Edits* b = form.Binding(0);
    const TSNMPPanel* panel = form.Panel(0);
    return b && !b->Busy && panel && panel->MessagePanel &&
           !panel->MessagePanel->Memo->toPlainText().isEmpty();
}

} // namespace

class TestOperatorSafety : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    std::unique_ptr<SimSwitch> sim_;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    std::unique_ptr<ProbeMain> main_;
    QStringList boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes;

    // Opens the entry's window, runs `inside` once its first read is done, then closes it.
    void Open(const char* name, const std::function<void(TConfigForm&)>& inside) {
        const TvWindowRecipe* recipe = TvCatalog::FindRecipe(name);
        QVERIFY2(recipe, name);
        const bool ran = RunInRecipeWindow(*main_, *recipe, [&](TConfigForm& form) {
            // A failed check returns early: the window closes all the same.
            struct Closer {
                TConfigForm& form;
                QMessageBox::StandardButton& answer;
                ~Closer() {
                    answer = QMessageBox::Yes; // whatever was typed may go
                    form.close();
                }
            } closer{form, answer_};
            form.activateWindow();
            (void)QTest::qWaitForWindowActive(&form);
            QElapsedTimer clock;
            clock.start();
            QVERIFY(PumpUntil([&] { return FirstReadDone(form); }, 60000));
            qInfo("%s: first read %lld ms", name, clock.elapsed());
            inside(form);
        });
        QVERIFY2(ran, name);
    }

    // The variables the switch was asked to write since `from` (an offset into its log).
    // Clicks Set Checked and waits for the switch's answer: the write goes through the event pump.
    static void SetChecked(TSNMPEditorPanel* panel) {
        panel->Buttons->SetCheckedButton->click();
        QVERIFY(PumpUntil([panel] { return !panel->Binding() || !panel->Binding()->Busy; }));
    }
    QStringList SetsSince(size_t from) const {
        QStringList sets;
        for (const QString& line : QString::fromStdString(sim_->Log().substr(from)).split('\n'))
            if (line.startsWith("SET"))
                sets << line.section(' ', -1);
        return sets;
    }
    int ReadsSince(size_t from) const {
        int reads = 0;
        for (const QString& line : QString::fromStdString(sim_->Log().substr(from)).split('\n'))
            reads += line.startsWith("GET") ? 1 : 0;
        return reads;
    }

    // Types `text` over the row's value as the operator does and leaves the field with Tab.
    static void TypeAndLeave(TEditsPanel* rows, int row, const QString& text) {
        QLineEdit* edit = rows->Row(row).Edit();
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(root_.path() + "/suite"));
        QVERIFY(QDir::setCurrent(root_.path()));
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return answer_;
        });
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start({"--log"}), sim_->Error().c_str());
        main_ = std::make_unique<ProbeMain>();
        main_->SetProgramFile((root_.path() + "/suite/qtr5190mx").toStdString());
        QVERIFY(main_->FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm"}));
    }
    void init() {
        gSNMPDevice.Port = sim_->Port();
        gSNMPSecurity.Version = 1;
        gSNMPTimeout = 100;
        boxes_.clear();
        answer_ = QMessageBox::Yes;
    }
    void cleanup() {
        const std::string faults = sim_ ? witness_->Compare(*sim_) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() {
        main_.reset();
        TvMessageBox::SetHook({});
    }

    // An address part that does not fit its octet, or a fifth part, is refused when the field is left
    // and again at Set Checked; the text stays for mending and nothing reaches the switch.
    void PartialAddressesAreRefusedWithNothingSent_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("octet too large") << "300.1.1.1";
        QTest::newRow("five parts") << "1.2.3.4.5";
    }
    void PartialAddressesAreRefusedWithNothingSent() {
        QFETCH(QString, typed);
        Open("SNTP1", [&](TConfigForm& form) {
            TEditsPanel* rows = Editor(form)->EditsPanel;
            QCOMPARE(rows->Row(2).Label->text(), QString("Server1 IP Addr"));
            const size_t mark = sim_->Log().size();
            rows->Row(2).Check->click();
            TypeAndLeave(rows, 2, typed);
            const QString message =
                "Error: \"Server1 IP Addr\": \"" + typed +
                "\" is not an IP address: four numbers from 0 to 255 separated by points.";
            QCOMPARE(boxes_, QStringList{message});
            QCOMPARE(rows->Row(2).Edit()->text(), typed);
            SetChecked(Editor(form));
            QCOMPARE(boxes_, (QStringList{message, message}));
            QCOMPARE(SetsSince(mark), QStringList());
            // Mended, it goes out.
            rows->Row(2).Edit()->setText("10.1.1.1");
            SetChecked(Editor(form));
            QCOMPARE(SetsSince(mark), QStringList{".1.3.6.1.4.1.59371.12.10.11.3.0"});
        });
    }

    // "Check All" leaves the reset row unticked; ticked by hand it is written only after Yes, with a
    // question that names what happens; its harmless value needs no question.
    void ResetIsWrittenOnlyAfterYesAndNeverByCheckAll() {
        const QString systemReset = ".1.3.6.1.4.1.59371.12.1.2.3.0";
        Open("BasicConfig2", [&](TConfigForm& form) {
            TSNMPEditorPanel* panel = Editor(form);
            TEditsPanel* rows = panel->EditsPanel;
            QCOMPARE(rows->Row(0).Label->text(), QString("System Reset"));
            QVERIFY(rows->IsDisruptiveRow(0));
            size_t mark = sim_->Log().size();
            panel->Buttons->CheckAllButton->click();
            QVERIFY(!rows->IsRowTicked(0));
            QVERIFY(rows->IsRowTicked(1) && rows->IsRowTicked(2));
            SetChecked(panel);
            QVERIFY(boxes_.isEmpty());
            QCOMPARE(SetsSince(mark).size(), 2);
            QVERIFY(!SetsSince(mark).contains(systemReset));

            panel->Buttons->ClearChecksButton->click();
            rows->Row(0).Check->click();
            rows->SetRowValue(0, "warm-start");
            for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
                boxes_.clear();
                answer_ = answer;
                mark = sim_->Log().size();
                SetChecked(panel);
                QCOMPARE(boxes_.size(), 1);
                QVERIFY2(boxes_[0].startsWith(
                             "Confirm: \"System Reset\" = \"warm-start\": writing it restarts the "
                             "switch"),
                         qPrintable(boxes_[0]));
                QCOMPARE(SetsSince(mark),
                         answer == QMessageBox::Yes ? QStringList{systemReset} : QStringList());
            }
            boxes_.clear();
            rows->SetRowValue(0, "no-reset");
            mark = sim_->Log().size();
            SetChecked(panel);
            QVERIFY(boxes_.isEmpty());
            QCOMPARE(SetsSince(mark), QStringList{systemReset});
        });
        // The one-row "Reset" window writes at once only what resets nothing.
        Open("Reset1", [&](TConfigForm& form) {
            TSNMPEditorPanel* panel = Editor(form);
            QCOMPARE(panel->Buttons->SetCheckedButton->text(), QString("Set"));
            panel->EditsPanel->SetRowValue(0, "system");
            answer_ = QMessageBox::No;
            const size_t mark = sim_->Log().size();
            SetChecked(panel);
            QCOMPARE(boxes_.size(), 1);
            QVERIFY(
                boxes_[0].startsWith("Confirm: \"Reset\" = \"system\": writing it resets the configuration"));
            QCOMPARE(SetsSince(mark), QStringList());
        });
    }

    // Enter after typing keeps the typed value: no button is pressed, nothing is read again. Refresh
    // and Close then ask before the change is given up.
    void EnterKeepsTheTypedValueAndDiscardingAsks() {
        Open("SNTP1", [&](TConfigForm& form) {
            TSNMPEditorPanel* panel = Editor(form);
            QLineEdit* edit = panel->EditsPanel->Row(4).Edit();
            const size_t mark = sim_->Log().size();
            edit->setFocus(Qt::MouseFocusReason);
            edit->selectAll();
            QTest::keyClicks(edit, "45");
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(edit, Qt::Key_Enter);
            QCoreApplication::processEvents();
            QCOMPARE(edit->text(), QString("45"));
            QVERIFY(form.isVisible());
            QCOMPARE(ReadsSince(mark), 0);
            for (const QPushButton* b : form.findChildren<QPushButton*>())
                QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));

            const QString question =
                "These values were changed and not sent:\nPoll Interval\n\nDiscard them?";
            answer_ = QMessageBox::No;
            panel->Buttons->RefreshButton->click();
            QCOMPARE(boxes_, QStringList{"Refresh: " + question});
            QCOMPARE(ReadsSince(mark), 0);
            QCOMPARE(edit->text(), QString("45"));
            boxes_.clear();
            QVERIFY(!form.close());
            QCOMPARE(boxes_, QStringList{"Close: " + question});
            QVERIFY(form.isVisible());
            // Sent, the change is no longer pending.
            boxes_.clear();
            panel->EditsPanel->Row(4).Check->click();
            SetChecked(panel);
            QVERIFY(PumpUntil([&] { return !form.Binding(0)->Busy; }));
            panel->Buttons->RefreshButton->click();
            QVERIFY(boxes_.isEmpty());
            QVERIFY(PumpUntil([&] { return ReadsSince(mark) > 0; }));
        });
    }

    void EmptyRowsAreNamed() {
        Open("SNTP1", [&](TConfigForm& form) {
            TSNMPEditorPanel* panel = Editor(form);
            TEditsPanel* rows = panel->EditsPanel;
            const size_t mark = sim_->Log().size();
            for (int row : {2, 3}) {
                rows->Row(row).Check->click();
                rows->Row(row).Edit()->clear();
            }
            SetChecked(panel);
            QCOMPARE(boxes_, QStringList{"Warning: Some items are empty!\nServer1 IP Addr\nServer2 IP Addr"});
            QCOMPARE(SetsSince(mark), QStringList());
        });
    }

    // A write to a switch that never answers: the click returns at once and the windows stay live
    // while the write's tries time out; then the status line says it failed, never Ok.
    void WriteToASilentAgentLeavesTheWindowLive() {
        SilentAgent silent;
        QVERIFY(silent.Port() != 0);
        Open("SNTP1", [&](TConfigForm& form) {
            TSNMPEditorPanel* panel = Editor(form);
            TvSNMPRequest2Edits* binding = form.Binding(0);
            binding->Request.Target.Port = silent.Port();
            binding->Request.Target.Timeout = 40; // 0.4 s, two tries
            binding->Request.Target.Retries = 1;
            panel->EditsPanel->Row(4).Check->click();
            panel->EditsPanel->SetRowValue(4, "60");
            panel->Buttons->SetCheckedButton->click();
            QVERIFY(binding->Busy);
            QVERIFY(!QApplication::activeModalWidget());
            // A second write meanwhile is refused, with the reason.
            panel->Buttons->SetCheckedButton->click();
            QVERIFY(panel->MessagePanel->Memo->toPlainText().contains(TvDedicatedWindow::kWaitingMessage));
            QVERIFY(PumpUntil([&] { return !binding->Busy; }));
            const QString last = panel->MessagePanel->Memo->toPlainText().section('\n', -1);
            QVERIFY2(last.startsWith("Set: ") && !last.contains("Ok!"), qPrintable(last));
        });
    }

    // Table windows an operator can read: columns as wide as their contents, the window widened for
    // them, numbers sorted as numbers, and a filter that narrows the lines.
    void ForwardingTableIsReadableSortableAndFilterable() {
        Open("ForwardingFiltering1", [&](TConfigForm& form) {
            auto* panel = qobject_cast<TSNMPListViewPanel*>(form.Panel(0));
            QVERIFY(panel);
            TvSNMPRequest2Edits* binding = form.Binding(0);
            QVERIFY(PumpUntil([&] { return !binding->Busy && binding->ReceivedCount > 0; }));
            QTreeView* view = panel->ListViewPanel->ListView;
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            QHeaderView* header = view->header();
            // No cell of the first lines and no caption is cut short.
            for (int k = 0; k < header->count(); ++k) {
                const QFontMetrics metrics = view->fontMetrics();
                int widest =
                    metrics.horizontalAdvance(view->model()->headerData(k, Qt::Horizontal).toString());
                for (int r = 0; r < 20; ++r)
                    widest = std::max(
                        widest, metrics.horizontalAdvance(view->model()->index(r, k).data().toString()));
                QVERIFY2(header->sectionSize(k) > widest, qPrintable(QString::number(k)));
            }
            QVERIFY2(view->viewport()->width() >= header->length(),
                     qPrintable(QString("%1 < %2").arg(view->viewport()->width()).arg(header->length())));
            QVERIFY(form.width() > 277);

            // A click on "Port" sorts the lines by port number, 2 before 10.
            const int rows = view->model()->rowCount();
            QVERIFY(rows > 20);
            header->setSortIndicator(2, Qt::AscendingOrder);
            int previous = -1;
            for (int r = 0; r < rows; ++r) {
                const int port = view->model()->index(r, 2).data().toInt();
                QVERIFY(port >= previous);
                previous = port;
            }
            // A selected line is the row it shows, sorted or not.
            view->selectionModel()->select(view->model()->index(rows - 1, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            const int source = binding->SelectedRow();
            QCOMPARE(binding->ListModel()->Cell(source, 1),
                     view->model()->index(rows - 1, 1).data().toString());
            QCOMPARE(QString::fromStdString(binding->Request.VarList.Item(1).Value),
                     view->model()->index(rows - 1, 1).data().toString());

            // Ctrl+F opens the filter; typing narrows the lines; Escape gives them all back.
            QLineEdit* filter = panel->ListViewPanel->FilterEdit;
            QVERIFY(!filter->isVisible());
            QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
            QVERIFY(filter->isVisible());
            const QString address = view->model()->index(0, 1).data().toString();
            QTest::keyClicks(filter, address);
            QVERIFY(view->model()->rowCount() >= 1);
            QVERIFY(view->model()->rowCount() < rows);
            for (int r = 0; r < view->model()->rowCount(); ++r) {
                bool found = false;
                for (int k = 0; k < view->model()->columnCount(); ++k)
                    found |=
                        view->model()->index(r, k).data().toString().contains(address, Qt::CaseInsensitive);
                QVERIFY(found);
            }
            QTest::keyClick(filter, Qt::Key_Escape);
            QVERIFY(form.isVisible());
            QVERIFY(!filter->isVisible());
            QCOMPARE(view->model()->rowCount(), rows);
            QCOMPARE(view->accessibleName(), form.windowTitle());

            const QString dir = QCoreApplication::applicationDirPath();
            header->setSortIndicator(-1, Qt::AscendingOrder);
            view->scrollToTop();
            QCoreApplication::processEvents();
            QVERIFY(form.grab().save(dir + "/forwarding-table-after.png"));
            qInfo("forwarding table %dx%d grabbed to %s", form.width(), form.height(), qPrintable(dir));
        });
    }

    // In the Add dialog too a bad address is refused with nothing sent, and closing asks before the
    // typed value is given up.
    void AddDialogRefusesAndAsksBeforeDiscarding() {
        Open("SysLog", [&](TConfigForm& form) {
            form.PageControl()->setCurrentIndex(1);
            auto* panel = qobject_cast<TSNMPListViewPanel*>(form.Panel(1));
            QVERIFY(panel);
            QVERIFY(PumpUntil([&] { return !form.Binding(1)->Busy && form.Binding(1)->ReceivedCount > 0; }));
            const size_t mark = sim_->Log().size();
            bool stillOpen = false;
            bool closed = false;
            QTimer::singleShot(0, this, [&] {
                QDialog* dialog = panel->OpenDialog();
                QVERIFY(dialog);
                dialog->activateWindow();
                (void)QTest::qWaitForWindowActive(dialog);
                TEditsPanel* rows = panel->EditsPanel;
                QCOMPARE(rows->Row(1).Label->text(), QString("IP Address"));
                rows->Row(0).Edit()->setText("5");
                rows->Row(1).Check->click();
                // Typed (the field is not left: the check before sending refuses it).
                QLineEdit* edit = rows->Row(1).Edit();
                edit->selectAll();
                QTest::keyClicks(edit, "300.1.1.1");
                dialog->findChild<QPushButton*>("SetCheckedButton")->click();
                answer_ = QMessageBox::No;
                dialog->findChild<QPushButton*>("CloseButton")->click();
                stillOpen = dialog->isVisible();
                answer_ = QMessageBox::Yes;
                dialog->findChild<QPushButton*>("CloseButton")->click();
                closed = !dialog->isVisible();
            });
            panel->Buttons->AddButton->click();
            QVERIFY(stillOpen);
            QVERIFY(closed);
            const QString refused =
                "Error: \"IP Address\": \"300.1.1.1\" is not an IP address: four numbers from 0 "
                "to 255 separated by points.";
            const QString question =
                "Close: These values were changed and not sent:\nIP Address\n\nDiscard them?";
            QCOMPARE(boxes_, (QStringList{refused, question, question}));
            QCOMPARE(SetsSince(mark), QStringList());
        });
    }

    // A table read row by row with blocking exchanges still ends and reports.
    void BlockingTableReadEnds() {
        Open("DatabaseTable1", [&](TConfigForm& form) {
            QVERIFY(form.Panel(0)->MessagePanel->Memo->toPlainText().startsWith("Get: (TvSNMP++) Ok!"));
        });
    }

    // The delete question names the line it will delete.
    void DeleteQuestionNamesTheRow() {
        Open("SysLog", [&](TConfigForm& form) {
            form.PageControl()->setCurrentIndex(1);
            auto* panel = qobject_cast<TSNMPListViewPanel*>(form.Panel(1));
            QVERIFY(panel);
            QVERIFY(PumpUntil([&] { return !form.Binding(1)->Busy && form.Binding(1)->ReceivedCount > 0; }));
            QTreeView* view = panel->ListViewPanel->ListView;
            view->selectionModel()->select(view->model()->index(1, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            answer_ = QMessageBox::No;
            const size_t mark = sim_->Log().size();
            panel->Buttons->DeleteButton->click();
            QCOMPARE(boxes_, QStringList{"Delete: Are you sure to delete ?\nIndex: 2"});
            QCOMPARE(SetsSince(mark), QStringList());
        });
    }

    // Tab reaches each row's check box in screen order, Space ticks it; fields, boxes and labels carry
    // their row's label for assistive technology.
    void RowsWorkFromTheKeyboardAndCarryTheirNames() {
        Open("SNTP1", [&](TConfigForm& form) {
            TSNMPEditorPanel* panel = Editor(form);
            TEditsPanel* rows = panel->EditsPanel;
            rows->Row(0).Check->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), rows->Row(0).Check);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), rows->Row(0).Value);
            // Row 1 is read-only: neither its box nor its field takes the focus.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), rows->Row(2).Check);
            QVERIFY(!rows->IsRowTicked(2));
            QTest::keyClick(rows->Row(2).Check, Qt::Key_Space);
            QVERIFY(rows->IsRowTicked(2));
            QVERIFY(panel->Buttons->SetCheckedButton->isEnabled());
            for (int r = 0; r < rows->RowCount(); ++r) {
                const QString label = rows->Row(r).Label->text();
                QCOMPARE(rows->Row(r).Value->accessibleName(), label);
                QCOMPARE(rows->Row(r).Check->accessibleName(), label);
                QCOMPARE(rows->Row(r).Label->buddy(), rows->Row(r).Value);
            }
            // The message panel shows a long status line whole, wrapped.
            QCOMPARE(panel->MessagePanel->Memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        });
    }

    void LedsTellTheirPortAndState() {
        TvLedShape led(nullptr);
        led.SetName("Port 5");
        const struct {
            TvLedColor color;
            bool blinking;
            const char* text;
        } cases[] = {
            {kLedGreen, true, "Port 5: green, blinking"},
            {kLedOrange, false, "Port 5: orange"},
            {kLedBlack, true, "Port 5: dark"},
        };
        for (const auto& c : cases) {
            led.Describe(c.color, c.blinking);
            QCOMPARE(led.toolTip(), QString(c.text));
            QCOMPARE(led.accessibleName(), QString(c.text));
        }
    }

    void MainWindowOpensOnTheScreen_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("room");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("room to spare")
            << QSize(925, 160) << QRect(0, 0, 1920, 1050) << QRect(497, 445, 925, 160);
        // A display scaled by 2: fewer logical pixels than the window wants.
        QTest::newRow("scaled display")
            << QSize(925, 160) << QRect(0, 0, 683, 384) << QRect(0, 112, 683, 160);
        QTest::newRow("second screen")
            << QSize(925, 160) << QRect(1920, 30, 800, 570) << QRect(1920, 235, 800, 160);
    }
    void MainWindowOpensOnTheScreen() {
        QFETCH(QSize, size);
        QFETCH(QRect, room);
        QFETCH(QRect, placed);
        QCOMPARE(TfrmMain::PlaceOnScreen(size, room), placed);
        QVERIFY(room.contains(placed));
    }

    void SortingComparesNumbersAndAddressesByValue() {
        const struct {
            const char* a;
            const char* b;
            int syntax;
            int sign;
        } cases[] = {
            {"2", "10", synInteger, -1},
            {"-5", "3", synInteger, -1},
            {"9.1.1.1", "10.1.1.1", synIpAddress, -1},
            {"10.1.1.9", "10.1.1.10", synIpAddress, -1},
            {"Port 2", "Port 10", synDisplayString, -1},
            {"001A2B000000", "00094F000000", synMacAddress, 1},
            {"0a", "0B", synOctetHex, -1},
            {"learned", "Learned", synDisplayString, 0},
            {"7", "7", synGauge32, 0},
        };
        for (const auto& c : cases) {
            const int got = TvListSortProxy::Compare(c.a, c.b, c.syntax);
            QVERIFY2((got > 0) - (got < 0) == c.sign, c.a);
        }
    }
};

QTEST_MAIN(TestOperatorSafety)
#include "tst_OperatorSafety.moc"
