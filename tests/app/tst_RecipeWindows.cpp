#include "app/TfrmMain.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
#include "configform/TConfigForm.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TListViewPanel.h"
#include "configform/TMsgPanel.h"
#include "configform/TSNMPListViewPanel.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/RecipeWindowRun.h"
#include "support/SimSwitch.h"

#include <QDir>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
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
    int rmonReads = 0;

protected:
    void BuildFrontPanel() override {}
    void ReadRmonState() override { ++rmonReads; }
    void ReleaseFrontPanel() override {}
};

// The panel the window shows first and the last line of its memo.
TSNMPPanel* FirstPanel(const TConfigForm& form) {
    return form.Panel(0);
}
QString LastLine(const TSNMPPanel* panel) {
    const TMsgPanel* messages = panel ? panel->MessagePanel : nullptr;
    return messages ? messages->Memo->toPlainText().section('\n', -1) : QString();
}

bool FirstReadDone(const TConfigForm& form) {
    const TvSNMPRequest2Edits* b = form.Binding(0);
    return b && !b->Busy && !LastLine(FirstPanel(form)).isEmpty();
}

} // namespace

class TestRecipeWindows : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    std::unique_ptr<SimSwitch> sim_;
    std::unique_ptr<ProbeMain> main_;
    QStringList boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::Ok;

    // Opens the entry's window; `inside` runs once the window is shown and closes it when done.
    void Open(const char* name, const std::function<void(TConfigForm&)>& inside) {
        const TvWindowRecipe* recipe = TvCatalog::FindRecipe(name);
        QVERIFY2(recipe, name);
        QVERIFY2(RunInRecipeWindow(*main_, *recipe,
                                   [&](TConfigForm& form) {
                                       inside(form);
                                       form.close();
                                   }),
                 name);
    }

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(root_.path() + "/suite"));
        QVERIFY(QDir::setCurrent(root_.path()));
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return answer_;
        });
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start(), sim_->Error().c_str());
        main_ = std::make_unique<ProbeMain>();
        main_->SetProgramFile((root_.path() + "/suite/qtr5190mx").toStdString());
        QVERIFY(main_->FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm"}));
    }
    void init() {
        gSNMPDevice.Port = sim_->Port();
        gSNMPSecurity.Version = 1;
        gSNMPTimeout = 100;
        boxes_.clear();
        answer_ = QMessageBox::Ok;
    }
    void cleanupTestCase() {
        main_.reset();
        TvMessageBox::SetHook({});
    }

    // Every generic entry builds its window, reads its first panel without an error and closes.
    void EveryGenericEntryReadsItsFirstPanel() {
        QStringList failures;
        int opened = 0;
        for (const TvWindowRecipe* recipe : TvCatalog::Recipes()) {
            QString line;
            Open(recipe->Name, [&](TConfigForm& form) {
                PumpUntil([&] { return FirstReadDone(form); });
                line = LastLine(FirstPanel(form));
                if (form.windowTitle() != QString::fromLatin1(recipe->Caption("127.0.0.1").c_str()))
                    failures << QString(recipe->Name) + ": caption " + form.windowTitle();
                if (recipe->Height > 0 && form.height() != recipe->Height)
                    failures << QString(recipe->Name) + QString(": height %1").arg(form.height());
            });
            ++opened;
            if (!line.startsWith("Get: (TvSNMP++) Ok!"))
                failures << QString(recipe->Name) + ": " + line;
        }
        QCOMPARE(opened, 213);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
        QVERIFY2(boxes_.isEmpty(), qPrintable(boxes_.join('\n')));
    }

    // The catalog's prefix has no separator; the caption gets one rather than running into the address.
    void UsmCaptionGetsASeparator() {
        Open("USMUserTable", [](TConfigForm& form) {
            QCOMPARE(form.windowTitle(), QString("USM User Table : 127.0.0.1"));
            QCOMPARE(form.PageControl()->count(), 2);
        });
    }

    void Counter64PromptUnderSnmpV1_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("version");
        QTest::newRow("ok") << int(QMessageBox::Ok) << 1;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << 0;
    }
    void Counter64PromptUnderSnmpV1() {
        QFETCH(int, answer);
        QFETCH(int, version);
        gSNMPSecurity.Version = 0;
        answer_ = static_cast<QMessageBox::StandardButton>(answer);
        int requestVersion = -1;
        Open("AuthenticationSessionStatistics1", [&](TConfigForm& form) {
            PumpUntil([&] { return FirstReadDone(form); });
            requestVersion = form.Binding(0)->Request.Target.Version;
        });
        QCOMPARE(
            boxes_,
            QStringList{
                "Changes SNMP Version: This table has Counter64 ! \n Do you want to chane to SNMP V2 ?"});
        QCOMPARE(int(gSNMPSecurity.Version), version);
        QCOMPARE(requestVersion, version);
        // Under SNMPv2c there is nothing to ask.
        boxes_.clear();
        gSNMPSecurity.Version = 1;
        Open("AuthenticationSessionStatistics1", [](TConfigForm&) {});
        QVERIFY(boxes_.isEmpty());
    }

    void IfxTableReadsWithSnmpV2cUnderSnmpV1() {
        gSNMPSecurity.Version = 0;
        QString line;
        Open("IFXTable1", [&](TConfigForm& form) {
            QCOMPARE(int(form.Binding(0)->Request.Target.Version), 1);
            PumpUntil([&] { return FirstReadDone(form); });
            line = LastLine(FirstPanel(form));
        });
        QVERIFY2(line.startsWith("Get: (TvSNMP++) Ok!"), qPrintable(line));
        QVERIFY(boxes_.isEmpty());
        QCOMPARE(int(gSNMPSecurity.Version), 0);
    }

    void RmonStateWindowRereadsTheStateOnClose() {
        const int before = main_->rmonReads;
        Open("S1", [&](TConfigForm& form) {
            QVERIFY(form.windowTitle().startsWith("RMON State:"));
            QCOMPARE(main_->rmonReads, before);
        });
        QCOMPARE(main_->rmonReads, before + 1);
        Open("SNTP1", [](TConfigForm&) {});
        QCOMPARE(main_->rmonReads, before + 1);
    }

    // Pictures of a scalar window, a table window and the Add dialog, for the eye and the documentation.
    void GrabWindows() {
        const QString dir = QCoreApplication::applicationDirPath();
        Open("MIB2Information", [&](TConfigForm& form) {
            PumpUntil([&] { return FirstReadDone(form); });
            QVERIFY(form.grab().save(dir + "/configform_scalar.png"));
        });
        Open("N8021QVLAN1", [&](TConfigForm& form) {
            auto* panel = qobject_cast<TSNMPListViewPanel*>(form.Panel(0));
            QVERIFY(panel);
            PumpUntil([&] { return !form.Binding(0)->Busy && form.Binding(0)->ReceivedCount > 0; });
            QTreeView* view = panel->ListViewPanel->ListView;
            view->selectionModel()->select(view->model()->index(0, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            panel->ListViewClick();
            QVERIFY(form.grab().save(dir + "/configform_table.png"));
            QTimer::singleShot(0, &form, [&] {
                QDialog* dialog = panel->OpenDialog();
                QVERIFY(dialog);
                QCoreApplication::processEvents();
                QVERIFY(dialog->grab().save(dir + "/configform_add.png"));
                dialog->close();
            });
            panel->Buttons->AddButton->click();
            PumpUntil([&] { return !form.Binding(0)->Busy; });
        });
        qInfo("configuration windows grabbed to %s", qPrintable(dir));
    }
};

QTEST_MAIN(TestRecipeWindows)
#include "tst_RecipeWindows.moc"
