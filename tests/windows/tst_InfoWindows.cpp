#include "binding/TvSNMPRequest2Edits.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/TestPaths.h"
#include "windows/TAboutForm.h"
#include "windows/TEquipmentBasicInfoForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestInfoWindows : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<SimSwitch> sim_;
    QStringList boxes_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start(), sim_->Error().c_str());
        gSNMPDevice.Address = "127.0.0.1";
        gSNMPDevice.Port = sim_->Port();
        gSNMPSecurity.Version = 1;
        gSNMPSecurity.ReadCommunity = "rdcomm";
        gSNMPTimeout = 100;
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return QMessageBox::Ok;
        });
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void everyTargetHasItsOpener() {
        for (const char* target : {"TfrmConfigSNMP", "SaveConfig", "Reboot", "Help", "TAboutForm",
                                   "TMSInformationForm", "TEquipmentBasicInfoForm"})
            QVERIFY2(TvWindowRegistry::Find(target), target);
    }

    void aboutBox() {
        TAboutForm about(nullptr);
        QCOMPARE(about.windowTitle(), QString("About QTR-5190MX Management Module"));
        QCOMPARE(about.ProductName->text(), QString("Tarvo QTR-5190MX Management Module"));
        QVERIFY(about.ProductName->font().bold());
        QCOMPARE(about.Version->text(), QString("Version 4.50R10"));
        const QStringList build = about.BuildInfo->text().split('\n');
        QCOMPARE(build.size(), 3);
        QVERIFY2(build[0].startsWith("Build ") && build[0] != "Build unknown", qPrintable(build[0]));
        QCOMPARE(build[1], QString("Qt ") + qVersion());
        QVERIFY2(build[2].startsWith("net-snmp 5."), qPrintable(build[2]));
        QCOMPARE(about.ProgramIcon->pixmap().size(), QSize(32, 32));
        QCOMPARE(about.BT_Ok->text(), QString("Ok"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(about.grab().save(QString::fromStdString(SourceDir()) + "/docs/about.png"));
        about.BT_Ok->click();
        QVERIFY(!about.isVisible());
    }

    void equipmentShowsRedundantPower() {
        TEquipmentBasicInfoForm form(nullptr, "127.0.0.1");
        QCOMPARE(form.windowTitle(), QString("Equipment Basic Information :127.0.0.1"));
        QCOMPARE(form.Edit1->text(), QString("Redundant Power and Stacking"));
        TvSNMPRequest2Edits* b = form.Binding();
        QVERIFY(b->Asynchronous);
        QVERIFY(PumpUntil([b] { return !b->Busy; }));
        QCOMPARE(form.Edit1->text(), QString("Redundant Power"));
        QCOMPARE(form.Edit4->text(), QString("1"));
        QCOMPARE(form.Edit2->text(), QString("12"));
        QCOMPARE(form.Edit3->text(), QString("1"));
        QVERIFY(form.Edit2->isReadOnly() && form.Edit3->isReadOnly() && form.Edit4->isReadOnly());
        QVERIFY(form.Memo1->toPlainText().startsWith("Get: (TvSNMP++) Ok!"));

        sim_->Stop();
        b->Request.Target.Timeout = 20;
        form.BitBtn1->click();
        QVERIFY(PumpUntil([&] { return !b->Busy && form.Memo1->toPlainText().contains("timed out"); }));
        QCOMPARE(form.Edit1->text(), QString("Redundant Power")); // the last answer stays
        QVERIFY(boxes_.isEmpty());
        form.close();
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_InfoWindows.moc"
