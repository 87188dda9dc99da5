#include "app/TfrmMain.h"
#include "binding/TvListSortProxy.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
#include "catalog/TvSecretVars.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TListViewPanel.h"
#include "configform/TMsgPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "configform/TvRecipeWindow.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvTableExport.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/TestPaths.h"
#include "support/WindowTest.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>

namespace {

class ProbeMain : public TfrmMain {
public:
    using TfrmMain::OpenRecipeWindow;

protected:
    void BuildFrontPanel() override {}
    void ReadRmonState() override {}
    void ReleaseFrontPanel() override {}
};

const QString kMask = TvListSortProxy::Masked("x");
// Community strings and an OSPF authentication key the switch holds.
const QString kPrivate = QStringLiteral("Pr1vate-rw");
const QString kPublic = QStringLiteral("Publ1c-ro");
const QString kOspfKey = QStringLiteral("0spfKey1");

QByteArray DataWithSecrets() {
    QFile file(QString::fromStdString(BinDir() + "/qtr5190mx-sim.data"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    const auto replace = [&](const QByteArray& from, const QByteArray& to) {
        const qsizetype at = data.indexOf(from);
        if (at < 0)
            return false;
        data.replace(at, from.size(), to);
        return true;
    };
    const bool all =
        replace("row \"default\" : \"name1\" \"name1\"",
                "row \"default\" : \"" + kPrivate.toLatin1() + "\" \"name1\"") &&
        replace("row \"office\" : \"name2\" \"name2\"",
                "row \"office\" : \"" + kPublic.toLatin1() + "\" \"name2\"") &&
        replace("row 10.90.1.1 10.90.1.1 : 1 30 30 30 1 1000+1 0 \"\" 1 1",
                "row 10.90.1.1 10.90.1.1 : 1 30 30 30 1 1000+1 0 \"" + kOspfKey.toLatin1() + "\" 1 1");
    return all ? data : QByteArray();
}

QStringList Headers(const QTreeView* view) {
    QStringList headers;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        headers << view->model()->headerData(c, Qt::Horizontal).toString();
    return headers;
}

// The cells of the column captioned `header`.
QStringList ColumnOf(const QTreeView* view, const QString& header) {
    return WindowTest::Column(view, static_cast<int>(Headers(view).indexOf(header)));
}

QString Memo(const TSNMPPanel* panel) {
    return panel && panel->MessagePanel ? panel->MessagePanel->Memo->toPlainText() : QString();
}

} // namespace

class TestSecretColumns : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    std::unique_ptr<SimSwitch> sim_;
    std::unique_ptr<ProbeMain> main_;
    QStringList boxes_;

    // Opens the window of the menu entry captioned `entry` as the operator does; `inside` runs once its
    // first read is in, then the window closes. Whether it ran.
    bool OpenEntry(const QString& entry, const std::function<void(TConfigForm&)>& inside) {
        QAction* action = main_->MenuEntry(entry);
        if (!action || !action->isEnabled())
            return false;
        bool ran = false;
        QPointer<TConfigForm> window;
        std::function<void()> check;
        main_->RecipeWindowShown = [&](TConfigForm& form) {
            window = &form;
            check = [&] {
                const TvSNMPRequest2Edits* b = form.Binding(0);
                if (!b || b->Busy || b->ReceivedCount == 0) {
                    QTimer::singleShot(10, &form, check);
                    return;
                }
                ran = true;
                inside(form);
                form.close();
            };
            QTimer::singleShot(0, &form, check);
        };
        action->trigger();
        main_->RecipeWindowShown = nullptr;
        // The window is one of its own: it runs beside the main window until `inside` is done.
        (void)PumpUntil([&] { return ran && (!window || !window->isVisible()); });
        return ran;
    }

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(root_.path() + "/suite"));
        QVERIFY(QDir::setCurrent(root_.path()));
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return QMessageBox::Yes;
        });
        const QByteArray data = DataWithSecrets();
        QVERIFY2(!data.isEmpty(), "the simulator's data file changed: the secrets found no place");
        QFile out(root_.filePath("secrets.data"));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(data) == data.size());
        out.close();
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start({"--log", "--data", out.fileName().toStdString()}), sim_->Error().c_str());
        main_ = std::make_unique<ProbeMain>();
        main_->SetProgramFile((root_.path() + "/suite/qtr5190mx").toStdString());
        QVERIFY(main_->FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm"}));
    }
    void init() {
        gSNMPDevice.Port = sim_->Port();
        gSNMPSecurity.Version = 1;
        gSNMPTimeout = 1000;
        boxes_.clear();
    }
    void cleanupTestCase() {
        main_.reset();
        TvMessageBox::SetHook({});
    }

    // In every generic window, exactly the columns and rows of the catalog's secrets are masked (dots in
    // the list view, a password echo in the editor rows) and a "Show secrets" box shows them.
    void EveryGenericWindowMasksExactlyItsSecrets() {
        QStringList failures;
        QSet<QString> covered;
        for (const TvWindowRecipe* recipe : TvCatalog::Recipes()) {
            TConfigForm form(nullptr);
            TvRecipeWindow::Build(form, *recipe);
            for (int p = 0; p < form.BindingCount(); ++p) {
                const TvSNMPRequest2Edits* binding = form.Binding(p);
                auto* panel = qobject_cast<TSNMPEditorPanel*>(form.Panel(p));
                const TvSNMPVarList& list = binding->Request.VarList;
                const QString where = QString("%1 panel %2").arg(recipe->Name).arg(p);
                QSet<QString> secret;
                for (int i = 0; i < list.Count(); ++i)
                    if (const TvSecretVar* v = TvSecretVars::FindInstance(list.Item(i).Oid)) {
                        secret << FromBytes(list.Item(i).Label);
                        covered << v->Oid;
                    }
                if (panel->Buttons->ShowSecrets->isVisibleTo(panel->Buttons) != !secret.isEmpty())
                    failures << where + ": Show secrets box";
                QSet<QString> echoed;
                for (int i = 0; i < panel->EditsPanel->RowCount(); ++i) {
                    const QLineEdit* edit = panel->EditsPanel->Row(i).Edit();
                    if (edit && edit->echoMode() == QLineEdit::Password)
                        echoed << FromBytes(list.Item(i).Label);
                }
                if (echoed != secret)
                    failures << where + ": password echo on " + QStringList(echoed.values()).join(',');
                TvListViewModel* model = binding->ListModel();
                if (!model)
                    continue;
                QStringList row;
                for (int c = 0; c < model->ColumnCount(); ++c)
                    row << QString("value%1").arg(c);
                model->Append(row);
                model->Flush();
                const QTreeView* view = qobject_cast<TSNMPListViewPanel*>(panel)->ListViewPanel->ListView;
                QSet<QString> masked;
                for (int c = 0; c < view->model()->columnCount(); ++c)
                    if (view->model()->index(0, c).data().toString() == kMask)
                        masked << view->model()->headerData(c, Qt::Horizontal).toString();
                if (masked != secret)
                    failures << where + ": masked " + QStringList(masked.values()).join(',');
                panel->Buttons->ShowSecrets->click();
                for (int c = 0; c < view->model()->columnCount(); ++c)
                    if (view->model()->index(0, c).data().toString() == kMask)
                        failures << where + ": still masked when shown";
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
        // The community, the SNMPv3 key changes, the OSPF, VRRP and server keys, the passwords.
        QVERIFY2(covered.size() >= 10, qPrintable(QStringList(covered.values()).join(' ')));
    }

    // A value a secret field refuses is named by its field in the message, not repeated.
    void RefusedSecretIsNotRepeated() {
        TConfigForm form(nullptr);
        TvRecipeWindow::Build(form, *TvCatalog::FindRecipe("USMUserTable"));
        QStringList messages;
        for (int p = 0; p < form.BindingCount(); ++p) {
            TEditsPanel* rows = qobject_cast<TSNMPEditorPanel*>(form.Panel(p))->EditsPanel;
            for (int i = 0; i < rows->RowCount(); ++i)
                if (rows->Row(i).Secret && rows->Row(i).Edit()) {
                    rows->MakeRowWritable(i);
                    rows->Row(i).Edit()->setText("not-hex-s3cret");
                    messages << rows->BrokenValue(i);
                }
        }
        QVERIFY(!messages.isEmpty());
        for (const QString& message : messages) {
            QVERIFY2(message.contains("\"(hidden)\" is not"), qPrintable(message));
            QVERIFY2(!message.contains("s3cret"), qPrintable(message));
        }
    }

    // The Community Table under SNMP v3 / Community: the community strings are dots in the list, its hint,
    // its copy and its export, and the filter cannot find them, until "Show secrets" is ticked.
    void CommunityTableMasksUntilRevealed() {
        const bool opened = OpenEntry("Community String Table", [&](TConfigForm& form) {
            auto* panel = qobject_cast<TSNMPListViewPanel*>(form.Panel(0));
            QTreeView* view = panel->ListViewPanel->ListView;
            TvTableExport* exporter = TvTableExport::Of(view);
            const auto shows = [&](const QString& text) {
                return exporter->Csv().contains(text.toUtf8()) ||
                       ColumnOf(view, "Community Name").contains(text);
            };
            QCOMPARE(ColumnOf(view, "Community Name"), (QStringList{kMask, kMask}));
            QCOMPARE(ColumnOf(view, "Community Security Name"), (QStringList{"name1", "name2"}));
            QVERIFY(!shows(kPrivate) && !shows(kPublic));
            QVERIFY(exporter->Csv().contains(kMask.toUtf8()));
            QVERIFY(WindowTest::SelectRow(view, "default"));
            QVERIFY(exporter->SelectedRowsText().contains(kMask));
            QVERIFY(!exporter->SelectedRowsText().contains(kPrivate));
            const QPoint first = view->visualRect(view->model()->index(0, 0)).center();
            QVERIFY(!panel->HintAt(first).contains(kPrivate));
            panel->ListViewPanel->FilterEdit->setText(kPrivate);
            QCOMPARE(view->model()->rowCount(), 0);
            panel->ListViewPanel->FilterEdit->clear();
            QVERIFY(panel->Buttons->ShowSecrets->isVisible());

            panel->Buttons->ShowSecrets->click();
            QCOMPARE(ColumnOf(view, "Community Name"), (QStringList{kPrivate, kPublic}));
            QVERIFY(exporter->Csv().contains(kPrivate.toUtf8()));
            panel->ListViewPanel->FilterEdit->setText(kPrivate);
            QCOMPARE(view->model()->rowCount(), 1);
            panel->ListViewPanel->FilterEdit->clear();
            panel->Buttons->ShowSecrets->click();
            QCOMPARE(ColumnOf(view, "Community Name"), (QStringList{kMask, kMask}));
            QVERIFY(form.grab().save(QCoreApplication::applicationDirPath() + "/secrets_community.png"));
        });
        QVERIFY(opened);
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
    }

    // The Edit dialog shows a community string in a password echo (its "Show secrets" box shows it), and
    // writes what was typed; neither the status lines nor a message names it.
    void EditDialogEchoesDotsAndWritesTheSecret() {
        const QString typed = QStringLiteral("N3w-s3cret");
        QStringList looks;
        size_t logged = 0;
        const bool opened = OpenEntry("Community String Table", [&](TConfigForm& form) {
            auto* panel = qobject_cast<TSNMPListViewPanel*>(form.Panel(0));
            TEditsPanel* rows = panel->EditsPanel;
            QTreeView* view = panel->ListViewPanel->ListView;
            QVERIFY(WindowTest::SelectRow(view, "office"));
            int name = -1;
            for (int i = 0; i < rows->RowCount(); ++i)
                if (rows->Row(i).Label->text() == "Community Name")
                    name = i;
            QVERIFY(name >= 0);
            logged = sim_->Log().size();
            QTimer::singleShot(0, &form, [&] {
                QDialog* dialog = panel->OpenDialog();
                QVERIFY(dialog);
                QLineEdit* edit = rows->Row(name).Edit();
                auto* reveal = dialog->findChild<QCheckBox*>("ShowSecrets");
                looks << QString("echo %1, text %2, box %3")
                             .arg(edit->echoMode() == QLineEdit::Password ? "dots" : "plain", edit->text())
                             .arg(reveal && reveal->isVisibleTo(dialog) && !reveal->isChecked() ? "off"
                                                                                                : "missing");
                QVERIFY(dialog->grab().save(QCoreApplication::applicationDirPath() + "/secrets_edit.png"));
                reveal->click();
                looks << QString("shown: %1").arg(edit->echoMode() == QLineEdit::Normal ? "plain" : "dots");
                reveal->click();
                edit->selectAll();
                QTest::keyClicks(edit, typed);
                if (!rows->Row(name).Check->isChecked())
                    rows->Row(name).Check->click();
                dialog->findChild<QPushButton*>("SetCheckedButton")->click();
            });
            panel->Buttons->EditButton->click();
            QVERIFY(PumpUntil([&] { return !form.Binding(0)->Busy; }));
            QVERIFY(!Memo(panel).contains(typed));
            QVERIFY2(Memo(panel).contains("Set: (TvSNMP++) Ok!"), qPrintable(Memo(panel)));
            // The main panel's box was left off, as the dialog's.
            QVERIFY(!panel->Buttons->ShowSecrets->isChecked());
            QCOMPARE(ColumnOf(view, "Community Name"), (QStringList{kMask, kMask}));
        });
        QVERIFY(opened);
        QCOMPARE(looks, (QStringList{"echo dots, text " + kPublic + ", box off", "shown: plain"}));
        QVERIFY(sim_->AwaitMarker());
        // The write carried the typed community string: its hex is in the agent's record of the SET.
        const std::string log = sim_->Log().substr(logged);
        QVERIFY2(WindowTest::Sets(sim_->Log(), logged).join(' ').contains("1.3.6.1.6.3.18.1.1.1.2."),
                 log.c_str());
        QVERIFY2(QString::fromStdString(log).contains(typed.toLatin1().toHex().toUpper()), log.c_str());
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
    }

    // An authentication key column (OSPF virtual interfaces): dots, and dots in the CSV export, until shown.
    void AuthKeyColumnIsMaskedInTheExport() {
        const TvWindowRecipe* recipe = TvCatalog::FindRecipe("InterfaceTable1");
        QVERIFY(recipe);
        TConfigForm form(nullptr);
        TvRecipeWindow::Build(form, *recipe);
        form.show();
        TvSNMPRequest2Edits* b = form.Binding(0);
        QVERIFY(PumpUntil([b] { return b->ReceivedCount > 0 && !b->Busy; }));
        auto* panel = qobject_cast<TSNMPListViewPanel*>(form.Panel(0));
        QTreeView* view = panel->ListViewPanel->ListView;
        QVERIFY(ColumnOf(view, "Authentication Key").contains(kMask));
        const QString path = root_.filePath("ospf.csv");
        QVERIFY(TvTableExport::Of(view)->WriteCsv(path));
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray masked = csv.readAll();
        QVERIFY(!masked.contains(kOspfKey.toUtf8()) && masked.contains(kMask.toUtf8()));
        panel->Buttons->ShowSecrets->click();
        QVERIFY(ColumnOf(view, "Authentication Key").contains(kOspfKey));
        QVERIFY(TvTableExport::Of(view)->Csv().contains(kOspfKey.toUtf8()));
        form.close();
    }
};

QTEST_MAIN(TestSecretColumns)
#include "tst_SecretColumns.moc"
