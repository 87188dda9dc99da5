#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"
#include "values/TvMd5KeyCheck.h"
#include "windows/TACLMeterForm.h"
#include "windows/TMd5EditForm.h"
#include "windows/TMd5InformationForm.h"
#include "windows/TSSLManagementForm.h"
#include "windows/TfrmACCServerCtrl.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

const QString kMd5 = QStringLiteral(".1.3.6.1.4.1.59371.11.69.2.3.4.1");
const QString kSsl = QStringLiteral(".1.3.6.1.4.1.59371.12.7.1");
const QString kAcc = QStringLiteral(".1.3.6.1.4.1.59371.12.5.12.1");
const QString kAcl = QStringLiteral(".1.3.6.1.4.1.59371.12.9.6.1.1");

QString Hex(const QString& text) {
    return QStringLiteral("0x") + QString::fromLatin1(text.toLatin1().toHex().toUpper());
}

QStringList Column(TvSNMPRequest2Edits* b, int column) {
    QStringList cells;
    if (const TvListViewModel* model = b->ListModel())
        for (int row = 0; row < model->RowCount(); ++row)
            cells << model->Cell(row, column);
    return cells;
}

int RowOf(TvSNMPRequest2Edits* b, const QStringList& keys) {
    const TvListViewModel* model = b->ListModel();
    for (int row = 0; model && row < model->RowCount(); ++row) {
        bool match = true;
        for (int k = 0; k < keys.size(); ++k)
            match = match && model->Cell(row, k) == keys[k];
        if (match)
            return row;
    }
    return -1;
}

void Select(QTreeView* view, int row) {
    view->setCurrentIndex(view->model()->index(row, 0));
}

bool Idle(TvSNMPRequest2Edits* b) {
    return b && !b->Busy;
}

// A stand-in for the main window: what the openers use of it.
class FakeHost : public TvWindowHost {
public:
    QWidget* HostWindow() override { return nullptr; }
    const ConnectionTexts& Connection() const override { return texts; }
    const std::string& ProgramFile() const override { return file; }
    OperatingMode Mode() const override { return OperatingMode{}; }
    QLabel* HostStatus() override { return &status; }
    QLabel* StpVersionHolder() override { return &stp; }
    void ReadStpVersion() override {}

    ConnectionTexts texts;
    std::string file;
    QLabel status, stp;
};

// Everything the program writes to standard error, and every message of Qt's logging, while it lives.
class ErrorCapture {
public:
    ErrorCapture() {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const QByteArray path = QFile::encodeName(dir_.filePath(QStringLiteral("stderr")));
        const int fd = open(path.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
        dup2(fd, STDERR_FILENO);
        close(fd);
        previous_ = qInstallMessageHandler(&ErrorCapture::Handler);
        Messages().clear();
    }
    ~ErrorCapture() {
        qInstallMessageHandler(previous_);
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    QString Text() const {
        std::fflush(stderr);
        QFile f(dir_.filePath(QStringLiteral("stderr")));
        (void)f.open(QIODevice::ReadOnly);
        return QString::fromLatin1(f.readAll()) + Messages().join('\n');
    }

private:
    static QStringList& Messages() {
        static QStringList messages;
        return messages;
    }
    static void Handler(QtMsgType, const QMessageLogContext&, const QString& message) {
        Messages() << message;
    }

    QTemporaryDir dir_;
    int saved_ = -1;
    QtMessageHandler previous_ = nullptr;
};

} // namespace

class TestSecurityWindows : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes;
    QStringList statusLines;                               // every line a status bar of these windows showed
    QMessageBox::StandardButton answer = QMessageBox::Yes; // to every question

    // Lines of the agent's log written since `from`.
    QStringList LogSince(size_t from, const QString& kind) const {
        QStringList lines;
        for (const QString& line : QString::fromStdString(sim->Log().substr(from)).split('\n'))
            if (line.startsWith(kind))
                lines << line.simplified();
        return lines;
    }
    // The variables and values of each write since `from`, one string per request.
    QStringList WritesSince(size_t from) const {
        QStringList writes;
        for (const QString& line : LogSince(from, QStringLiteral("VALUES")))
            writes << line.section(' ', 3);
        return writes;
    }
    void Record(QStatusBar* bar) {
        connect(bar, &QStatusBar::messageChanged, this, [this](const QString& text) {
            if (!text.isEmpty())
                statusLines << text;
        });
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start({"--log"}), sim->Error().c_str());
    }
    void cleanupTestCase() { sim.reset(); }
    void init() {
        WindowTest::UseSimulator(sim->Port());
        boxes.clear();
        statusLines.clear();
        answer = QMessageBox::Yes;
        TvMessageBox::SetHook([this](TvMessageBox::Kind kind, const QString& title, const QString& text) {
            boxes << title + ": " + text;
            return kind == TvMessageBox::Kind::YesNo ? answer : QMessageBox::Ok;
        });
    }
    void cleanup() {
        TvMessageBox::SetHook({});
        const std::string faults = sim ? witness_->Compare(*sim) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }

    void EveryWindowHasAnOpenerWithTheMenuCaption() {
        FakeHost host;
        host.texts.AgentIP = "10.90.90.90";
        const std::pair<const char*, const char*> windows[] = {
            {"MD5Information1", "MD5 Information Table: 10.90.90.90"},
            {"SSLControl1", "SSL Control Table : 10.90.90.90"},
            {"AACServerControlTable1", "ACC Server Control Table : 10.90.90.90"},
            {"MeterTable1", "ACL Meter Table: 10.90.90.90"},
        };
        gSNMPDevice.Address = "127.0.0.1";
        for (const auto& [name, title] : windows) {
            const TvMenuNode* entry = TvMenuTree::Find(name);
            QVERIFY(entry);
            const TvWindowRegistry::Opener* opener = TvWindowRegistry::Find(entry->Target);
            QVERIFY2(opener, entry->Target);
            (*opener)(host, *entry);
            // A window of its own, beside the main window.
            const std::vector<QWidget*> open = TvOpenWindows::All();
            QCOMPARE(open.size(), size_t(1));
            const QString shown = open.front()->windowTitle();
            open.front()->close();
            QCOMPARE(shown, QString::fromLatin1(title));
        }
    }

    // ---- MD5 keys ----------------------------------------------------------------------------

    void Md5KeyAddedEditedAndDeleted() {
        TMd5InformationForm form(nullptr, QStringLiteral("127.0.0.1"));
        TvSNMPRequest2Edits* b = form.Binding();
        TMd5EditForm* dialog = form.EditForm();
        form.show();
        QVERIFY(PumpUntil([&] { return Idle(b) && Column(b, 0).size() >= 2; }));
        QCOMPARE(Column(b, 0), (QStringList{"1", "2"}));
        QVERIFY(!form.EditButton->isEnabled());

        // Refused before anything is sent: each check's message, the dialog stays open.
        struct Refusal {
            QString keyId, key, message;
        };
        const Refusal refusals[] = {
            {"", "goodkey", "Warning: KeyID is needed."},
            {"2", "has space", "Warning: KeyID must be different."},
            {"7", "", "Warning: Key is needed."},
            {"7", "has space", QString("Warning: ") + TvMd5KeyCheck::kInvalidKey},
            {"7", "seventeen-chars-x", QString("Warning: ") + TvMd5KeyCheck::kInvalidKey},
            {"7", QString::fromUtf8("schl\xc3\xbcssel"), QString("Warning: ") + TvMd5KeyCheck::kInvalidKey},
            {"7", QString::fromUtf8("\xd0\xba\xd0\xbb\xd1\x8e\xd1\x87"),
             QString("Warning: ") + TvMd5KeyCheck::kInvalidKey},
        };
        size_t logStart = sim->Log().size();
        for (const Refusal& r : refusals) {
            boxes.clear();
            bool stillOpen = false;
            QTimer::singleShot(0, this, [&] {
                dialog->KeyIDEdit->setText(r.keyId);
                dialog->KeyEdit->setText(r.key);
                dialog->SetButton->click();
                stillOpen = dialog->isVisible();
                dialog->CloseButton->click();
            });
            form.AddButton->click();
            QCOMPARE(boxes, QStringList{r.message});
            QVERIFY(stillOpen);
        }
        QVERIFY(LogSince(logStart, "SET").isEmpty());

        // Add: the Key ID is free, the status fixed to createAndGo.
        QStringList looks;
        QTimer::singleShot(0, this, [&] {
            looks << dialog->windowTitle()
                  << QString("id %1 '%2'").arg(dialog->KeyIDEdit->isEnabled()).arg(dialog->KeyIDEdit->text())
                  << QString("status %1 %2")
                         .arg(dialog->ComboBox1->currentText())
                         .arg(dialog->ComboBox1->isEnabled());
            dialog->KeyIDEdit->setText("7");
            dialog->KeyEdit->setText("newkey7");
            dialog->SetButton->click();
        });
        boxes.clear();
        logStart = sim->Log().size();
        form.AddButton->click();
        QCOMPARE(boxes, QStringList{});
        QCOMPARE(looks,
                 (QStringList{"MD5 Information Table: 127.0.0.1(Add)", "id 1 ''", "status createAndGo 0"}));
        QVERIFY(PumpUntil([&] { return Idle(b) && Column(b, 0).contains("7"); }));
        QCOMPARE(WritesSince(logStart), QStringList{kMd5 + ".2.7=" + Hex("newkey7") + " " + kMd5 + ".3.7=4"});
        QCOMPARE(dialog->KeyEdit->text(), QString()); // forgotten when the dialog closed

        // Edit: the row's Key ID is fixed, the status "active"; the key is shown to be changed.
        const int row = RowOf(b, {"7"});
        Select(form.ListView1, row);
        QVERIFY(form.EditButton->isEnabled());
        looks.clear();
        QTimer::singleShot(0, this, [&] {
            looks << dialog->windowTitle()
                  << QString("id %1 %2").arg(dialog->KeyIDEdit->isEnabled()).arg(dialog->KeyIDEdit->text())
                  << "key " + dialog->KeyEdit->text()
                  << QString("status %1 %2")
                         .arg(dialog->ComboBox1->currentText())
                         .arg(dialog->ComboBox1->isEnabled());
            dialog->KeyEdit->setText("changed7");
            dialog->SetButton->click();
        });
        logStart = sim->Log().size();
        form.EditButton->click();
        QCOMPARE(looks, (QStringList{"MD5 Information Table: 127.0.0.1", "id 0 7", "key newkey7",
                                     "status active 0"}));
        QVERIFY(!form.EditButton->isEnabled());
        QVERIFY(PumpUntil([&] { return Idle(b) && Column(b, 1).contains("changed7"); }));
        QCOMPARE(WritesSince(logStart),
                 QStringList{kMd5 + ".2.7=" + Hex("changed7") + " " + kMd5 + ".3.7=1"});

        // Delete without a selection asks for one; with one, only the row status is sent.
        form.ListView1->clearSelection();
        boxes.clear();
        logStart = sim->Log().size();
        form.DeleteButton->click();
        QCOMPARE(boxes, QStringList{"Warning: Choose the item first."});
        QVERIFY(LogSince(logStart, "SET").isEmpty());
        Select(form.ListView1, RowOf(b, {"7"}));
        boxes.clear();
        answer = QMessageBox::No;
        form.DeleteButton->click();
        QCOMPARE(boxes, QStringList{"Delete: Are you sure to delete ?\nMD5 key ID: 7"});
        QVERIFY(sim->AwaitMarker());
        QVERIFY(LogSince(logStart, "SET").isEmpty());
        answer = QMessageBox::Yes;
        form.DeleteButton->click();
        QVERIFY(PumpUntil([&] { return Idle(b) && !Column(b, 0).contains("7"); }));
        QCOMPARE(WritesSince(logStart), QStringList{kMd5 + ".3.7=6"});
        QCOMPARE(Column(b, 0), (QStringList{"1", "2"}));
        QVERIFY(!form.EditButton->isEnabled());
        QVERIFY(form.Memo1->toPlainText().contains("Set: (TvSNMP++) Ok!"));
        form.close();
    }

    void SecretsAreInNoLogAndForgottenOnClose() {
        const QString key = QStringLiteral("Zq7-Secret-Key");
        ErrorCapture capture;
        TMd5InformationForm form(nullptr, QStringLiteral("127.0.0.1"));
        TvSNMPRequest2Edits* b = form.Binding();
        TMd5EditForm* dialog = form.EditForm();
        form.show();
        QVERIFY(PumpUntil([&] { return Idle(b) && Column(b, 0).size() >= 2; }));
        const auto add = [&](const QString& id, const QString& secret) {
            QTimer::singleShot(0, this, [&] {
                dialog->KeyIDEdit->setText(id);
                dialog->KeyEdit->setText(secret);
                dialog->SetButton->click();
                if (dialog->isVisible())
                    dialog->CloseButton->click();
            });
            form.AddButton->click();
        };
        add("9", key); // written
        QVERIFY(PumpUntil([&] { return Idle(b) && Column(b, 0).contains("9"); }));
        add("10", key + " x");               // refused: a space
        add("11", key + "-far-too-long-16"); // refused: too long
        // A write that fails: the switch is gone, the failure is reported without the key.
        sim->Stop();
        Select(form.ListView1, RowOf(b, {"9"}));
        QTimer::singleShot(0, this, [&] {
            dialog->KeyEdit->setText(key + "2");
            dialog->SetButton->click();
        });
        form.EditButton->click();
        QVERIFY(PumpUntil([&] { return Idle(b) && form.Memo1->toPlainText().contains("Set:"); }, 30000));
        QVERIFY2(sim->Restart(), sim->Error().c_str());
        WindowTest::UseSimulator(sim->Port());

        const QString memo = form.Memo1->toPlainText();
        QVERIFY(memo.contains("Set:"));
        QCOMPARE(boxes.size(), 2);
        for (const QString& log :
             {memo, boxes.join('\n'), capture.Text(), QString::fromLatin1(witness_->Bytes())})
            QVERIFY2(!log.contains(key), qPrintable(log));

        // Closing the dialog forgets the key; closing the window forgets every key it listed.
        QCOMPARE(dialog->KeyEdit->text(), QString());
        QVERIFY(b->Request.VarList.Item(1).Value.empty());
        QTreeView* view = form.ListView1;
        form.close();
        QCOMPARE(view->model()->rowCount(), 0);
    }

    // ---- SSL ---------------------------------------------------------------------------------

    void SslSettingsWrittenAsOneRequest() {
        TSSLManagementForm form(nullptr);
        Record(form.StatusBar1);
        TvSNMPRequest2Edits* b = form.Binding();
        QComboBox* suites[] = {form.cbxciphersuites1, form.cbxciphersuites2, form.cbxciphersuites3,
                               form.cbxciphersuites4};
        form.show();
        QVERIFY(PumpUntil([&] { return Idle(b) && !form.cbxSSLVersion->currentText().isEmpty(); }));
        QVERIFY(!form.edtciphersuites->isVisible());
        QCOMPARE(form.edtciphersuites->text(), "0F");
        QCOMPARE(form.edtCacheTimeOut->text(), "600");
        for (QComboBox* c : suites)
            QCOMPARE(c->currentText(), "disabled");

        // An empty choice: a warning, nothing sent.
        size_t logStart = sim->Log().size();
        suites[2]->setCurrentIndex(-1);
        form.btnSetClick();
        QCOMPARE(boxes, QStringList{"Warning: Some items are empty."});
        QVERIFY(form.btnSet->hasFocus() || !form.isActiveWindow());
        QVERIFY(LogSince(logStart, "SET").isEmpty());

        // Suites 2 and 4 write 5, the bits the window does not show (F) as read, with the status and the
        // time-out, in one request.
        boxes.clear();
        const int enabled[] = {0, 1, 0, 1};
        for (int i = 0; i < 4; ++i)
            suites[i]->setCurrentIndex(enabled[i]);
        form.cbxSSLVersion->setCurrentText("enabled");
        form.edtCacheTimeOut->setText("900");
        form.btnSet->click();
        QVERIFY(PumpUntil([&] { return Idle(b) && !LogSince(logStart, "VALUES").isEmpty(); }));
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QCOMPARE(WritesSince(logStart),
                 QStringList{kSsl + ".1.0=3 " + kSsl + ".2.0=0x5F " + kSsl + ".3.0=900"});
        QVERIFY(statusLines.last().startsWith("Set: (TvSNMP++) Ok!"));

        // AF read back selects suites 1 and 3. Only the suites changed: only they are written.
        const int a0[] = {1, 0, 1, 0};
        for (int i = 0; i < 4; ++i)
            suites[i]->setCurrentIndex(a0[i]);
        logStart = sim->Log().size();
        form.btnSet->click();
        QVERIFY(PumpUntil([&] { return Idle(b) && !LogSince(logStart, "VALUES").isEmpty(); }));
        QCOMPARE(WritesSince(logStart), QStringList{kSsl + ".2.0=0xAF"});
        // Nothing changed, nothing sent.
        logStart = sim->Log().size();
        form.btnSet->click();
        QVERIFY(statusLines.last().contains("Nothing was changed: nothing was sent."));
        QVERIFY(sim->AwaitMarker());
        QVERIFY(LogSince(logStart, "SET").isEmpty());
        for (QComboBox* c : suites)
            c->setCurrentIndex(-1);
        form.btnGet->click();
        QVERIFY(PumpUntil([&] { return Idle(b) && !suites[0]->currentText().isEmpty(); }));
        QCOMPARE(form.edtciphersuites->text(), "AF");
        QStringList shown;
        for (QComboBox* c : suites)
            shown << c->currentText();
        QCOMPARE(shown, (QStringList{"enabled", "disabled", "enabled", "disabled"}));
        QCOMPARE(boxes, QStringList{});

        // A non-number time-out is refused rather than sent as 0.
        form.edtCacheTimeOut->setText("ten");
        logStart = sim->Log().size();
        form.btnSetClick();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].startsWith("Warning: Cache Time Out"));
        QVERIFY(LogSince(logStart, "SET").isEmpty());
        form.close();
    }

    // ---- access-control server groups ----------------------------------------------------------

    void ServerAddedToAndRemovedFromAGroup() {
        TfrmACCServerCtrl form(nullptr);
        Record(form.StatusBar1);
        TvSNMPRequest2Edits* b = form.Binding();
        form.show();
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QCOMPARE(Column(b, 1), (QStringList{"10.90.90.10", "10.90.90.11"}));
        QCOMPARE(form.edtGroupName->text(), QString());
        QCOMPARE(form.cbRowState->currentIndex(), -1);

        // Any field empty: the message goes to the status bar, not a box; nothing is sent.
        size_t logStart = sim->Log().size();
        form.edtGroupName->setText("radius");
        form.edtIPAddr->setText("10.90.90.20");
        form.cbAuthProtocol->setCurrentText("radius");
        form.Button1->click();
        QCOMPARE(form.StatusBar1->currentMessage(), "Don't Leave Empty Fileds !");
        QCOMPARE(boxes, QStringList{});
        QVERIFY(LogSince(logStart, "SET").isEmpty());

        // Add: the new membership is listed and the fields keep what was set.
        const QString row = ".6.114.97.100.105.117.115.10.90.90.20.4";
        form.cbRowState->setCurrentText("add");
        form.Button1->click();
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QCOMPARE(WritesSince(logStart), QStringList{kAcc + ".4" + row + "=1"});
        QCOMPARE(Column(b, 1), (QStringList{"10.90.90.10", "10.90.90.20", "10.90.90.11"}));
        QCOMPARE(form.edtGroupName->text(), "radius");
        QCOMPARE(form.edtIPAddr->text(), "10.90.90.20");
        QCOMPARE(form.cbAuthProtocol->currentText(), "radius");
        QVERIFY(form.StatusBar1->currentMessage().startsWith("Set: Ok!. Receive at "));

        // Remove it again.
        logStart = sim->Log().size();
        form.cbRowState->setCurrentText("delete");
        form.Button1->click();
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QCOMPARE(WritesSince(logStart), QStringList{kAcc + ".4" + row + "=2"});
        QCOMPARE(Column(b, 1), (QStringList{"10.90.90.10", "10.90.90.11"}));
        QCOMPARE(boxes, QStringList{});

        // Removing a server that is not in the group: the switch refuses, the window says so.
        form.Button1->click();
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QCOMPARE(boxes, QStringList{"Error: Set entry failed!"});
        QVERIFY(form.StatusBar1->currentMessage().startsWith("Set: "));
        QVERIFY(!form.StatusBar1->currentMessage().contains("Ok!"));

        // A membership picked from the list fills the fields.
        Select(form.ListView1, 1);
        QCOMPARE(form.edtGroupName->text(), "tacacs");
        QCOMPARE(form.cbAuthProtocol->currentText(), "tacacs");

        // Not an address: refused before sending.
        boxes.clear();
        logStart = sim->Log().size();
        form.edtIPAddr->setText("10.90.90");
        form.Button1->click();
        QVERIFY(form.StatusBar1->currentMessage().startsWith("IP Addr"));
        QVERIFY(LogSince(logStart, "SET").isEmpty());
        form.close();
    }

    // ---- ACL meters ----------------------------------------------------------------------------

    void AclMeterRowKeepsItsIdsWhileSelected() {
        TACLMeterForm form(nullptr);
        TvSNMPRequest2Edits* b = form.Binding();
        form.show();
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QCOMPARE(Column(b, 0), (QStringList{"1", "2"}));
        QVERIFY(!form.EditButton->isEnabled());
        QCOMPARE(form.RateEdit->text(), QString());
        QCOMPARE(form.CBox_Active->currentIndex(), -1);

        Select(form.ListView1, RowOf(b, {"2", "5"}));
        QVERIFY(form.EditButton->isEnabled());
        QVERIFY(!form.ProfileIDEdit->isEnabled());
        QVERIFY(!form.AccessIDEdit->isEnabled());
        QCOMPARE(form.ProfileIDEdit->text(), "2");
        QCOMPARE(form.AccessIDEdit->text(), "5");
        QCOMPARE(form.RateEdit->text(), "64");
        QCOMPARE(form.CBox_Active->currentText(), "set-drop-precedence");

        // Whatever the ID fields say, the selected row is the one written: rate and action only.
        form.ProfileIDEdit->setText("9");
        form.RateEdit->setText("2048");
        form.CBox_Active->setCurrentText("drop-packet");
        const size_t logStart = sim->Log().size();
        form.EditButton->click();
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QCOMPARE(WritesSince(logStart), QStringList{kAcl + ".3.2.5=2048 " + kAcl + ".4.2.5=2"});
        QCOMPARE(Column(b, 2), (QStringList{"1024", "2048"}));
        // Refreshed: no selection, fields empty, IDs free, Set off.
        QVERIFY(!form.EditButton->isEnabled());
        QVERIFY(form.ProfileIDEdit->isEnabled());
        QCOMPARE(form.RateEdit->text(), QString());

        // Deselecting frees the IDs and empties the fields.
        Select(form.ListView1, 0);
        QVERIFY(!form.ProfileIDEdit->isEnabled());
        form.ListView1->clearSelection();
        QVERIFY(form.ProfileIDEdit->isEnabled());
        QVERIFY(form.AccessIDEdit->isEnabled());
        QVERIFY(!form.EditButton->isEnabled());
        QCOMPARE(form.ProfileIDEdit->text(), QString());
        form.close();
    }

    // A walk or a write on its way takes no second Refresh or Set: they are refused and nothing runs
    // twice. Closing the window with an exchange on its way (and destroying it) gives the exchange up:
    // nothing more reaches the switch, no reply reaches the window.
    void OneExchangeAtATimeAndCloseCancels_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("ACL meter") << "ACL";
        QTest::newRow("access-control server") << "ACC";
    }
    void OneExchangeAtATimeAndCloseCancels() {
        QFETCH(QString, window);
        const bool acl = window == "ACL";
        const size_t opened = sim->Log().size();
        std::unique_ptr<TvDedicatedWindow> form;
        TvSNMPRequest2Edits* b = nullptr;
        QString firstColumn;
        std::function<void()> refresh;          // the Refresh handler, where the window has one
        std::function<void(const char*)> write; // fills the fields with a valid entry and runs Set
        if (acl) {
            auto* f = new TACLMeterForm(nullptr);
            form.reset(f);
            Record(f->StatusBar1);
            b = f->Binding();
            firstColumn = kAcl + ".1";
            refresh = [f] { f->GetButtonClick(); };
            write = [f, b](const char*) {
                if (const int row = RowOf(b, {"2", "5"}); row >= 0)
                    Select(f->ListView1, row);
                f->RateEdit->setText("2048");
                f->CBox_Active->setCurrentText("drop-packet");
                f->EditButtonClick();
            };
        } else {
            auto* f = new TfrmACCServerCtrl(nullptr);
            form.reset(f);
            Record(f->StatusBar1);
            b = f->Binding();
            firstColumn = kAcc + ".1";
            write = [f](const char* state) {
                f->edtGroupName->setText("radius");
                f->edtIPAddr->setText("10.90.90.30");
                f->cbAuthProtocol->setCurrentText("radius");
                f->cbRowState->setCurrentText(state);
                f->Button1Click();
            };
        }
        form->show();
        // Walks started since `from`: each asks the first column from its start once.
        const auto walks = [&](size_t from) {
            return static_cast<int>(
                LogSince(from, "GETNEXT")
                    .filter(QRegularExpression(" " + QRegularExpression::escape(firstColumn) + "$"))
                    .size());
        };

        // The opening walk is on its way: Set and Refresh are refused, with the reason.
        QVERIFY(b->Busy);
        statusLines.clear();
        write("add");
        if (refresh)
            refresh();
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(walks(opened), 1);
        QVERIFY(LogSince(opened, "SET").isEmpty());
        if (refresh)
            QVERIFY(statusLines.filter(TvDedicatedWindow::kWaitingMessage).size() >= 1);

        // A write is on its way: a second Set and a Refresh are refused; the write is read back once.
        size_t from = sim->Log().size();
        write("add");
        QVERIFY(b->Busy);
        write("add");
        if (refresh)
            refresh();
        QVERIFY(PumpUntil([&] { return Idle(b); }));
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(LogSince(from, "VALUES").size(), 1);
        QCOMPARE(walks(from), 1);

        // Closed (and gone) during a walk (ACL) or a write (ACC): nothing follows.
        from = sim->Log().size();
        if (acl)
            refresh();
        else
            write("delete");
        QVERIFY(b->Busy);
        form->close();
        QVERIFY(!form->isVisible());
        QVERIFY(!form->Waiting());
        QVERIFY(sim->AwaitMarker());
        const size_t closed = sim->Log().size();
        form.reset();
        QTest::qWait(100); // the answer comes back to no window
        QVERIFY(sim->AwaitMarker());
        QCOMPARE(LogSince(closed, "GET").filter(QRegularExpression("^GET(?!.*\\.99999\\.)")), QStringList{});
        QCOMPARE(LogSince(closed, "SET"), QStringList{});
        // The walk asked once; the write went out and was not read back.
        QCOMPARE(walks(from), acl ? 1 : 0);
        QCOMPARE(LogSince(from, "VALUES").size(), acl ? 0 : 1);
    }

    // Pictures of the four windows for the documentation (docs/), taken after their first read.
    void GrabWindows() {
        const QString out = QCoreApplication::applicationDirPath();
        {
            TMd5InformationForm form(nullptr, QStringLiteral("10.90.90.90"));
            form.setWindowTitle("MD5 Information Table: 10.90.90.90");
            form.show();
            QVERIFY(PumpUntil([&] { return Idle(form.Binding()) && Column(form.Binding(), 0).size() >= 2; }));
            Select(form.ListView1, 0);
            QVERIFY(form.grab().save(out + "/security-md5.png"));
            TMd5EditForm* dialog = form.EditForm();
            dialog->SetMode(TMd5EditForm::Mode::Add);
            dialog->show();
            dialog->KeyIDEdit->setText("3");
            dialog->KeyEdit->setText("area0key");
            QVERIFY(dialog->grab().save(out + "/security-md5-add.png"));
            dialog->hide();
            form.close();
        }
        {
            TSSLManagementForm form(nullptr);
            form.setWindowTitle("SSL Control Table : 10.90.90.90");
            form.show();
            QVERIFY(PumpUntil(
                [&] { return Idle(form.Binding()) && !form.cbxciphersuites1->currentText().isEmpty(); }));
            QVERIFY(form.grab().save(out + "/security-ssl.png"));
            form.close();
        }
        {
            TfrmACCServerCtrl form(nullptr);
            form.setWindowTitle("ACC Server Control Table : 10.90.90.90");
            form.show();
            QVERIFY(PumpUntil([&] { return Idle(form.Binding()); }));
            Select(form.ListView1, 0);
            form.cbRowState->setCurrentText("add");
            QVERIFY(form.grab().save(out + "/security-acc.png"));
            form.close();
        }
        {
            TACLMeterForm form(nullptr);
            form.setWindowTitle("ACL Meter Table: 10.90.90.90");
            form.show();
            QVERIFY(PumpUntil([&] { return Idle(form.Binding()); }));
            Select(form.ListView1, 0);
            QVERIFY(form.grab().save(out + "/security-aclmeter.png"));
            form.close();
        }
    }
};

QTEST_MAIN(TestSecurityWindows)
#include "tst_SecurityWindows.moc"
