#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvMemberSwitchData.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/JournalWitness.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/WindowTest.h"
#include "windows/TMSEditForm.h"
#include "windows/TMSInformationForm.h"

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

class TestMemberSwitch : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<SimSwitch> sim_;
    // Every write of these tests is held against what the switch received.
    std::unique_ptr<JournalWitness> witness_;
    QStringList boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes; // to every question

    QStringList SetsSince(size_t from) const {
        QStringList sets;
        for (const QString& line : QString::fromStdString(sim_->Log().substr(from)).split('\n'))
            if (line.startsWith("SET"))
                sets << line.section(' ', -1);
        return sets;
    }
    static QStringList Ids(const TMSInformationForm& form) {
        QStringList ids;
        const TvListViewModel* model = form.Listing()->ListModel();
        for (int row = 0; row < model->RowCount(); ++row)
            ids << model->Cell(row, 0);
        return ids;
    }
    // The listing has been read (again) and shows `ids`.
    static bool Lists(const TMSInformationForm& form, const QStringList& ids) {
        return PumpUntil([&] { return !form.Listing()->Busy && Ids(form) == ids; });
    }
    static void Select(TMSInformationForm& form, const QString& id) {
        const int row = static_cast<int>(Ids(form).indexOf(id));
        QVERIFY(row >= 0);
        form.ListView1->selectionModel()->select(form.Listing()->ListModel()->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    }

private slots:
    void initTestCase() {
        witness_ = std::make_unique<JournalWitness>();
        QVERIFY(dir_.isValid());
        InitSNMPSession(dir_.path().toStdString());
        sim_ = std::make_unique<SimSwitch>();
        QVERIFY2(sim_->Start({"--log"}), sim_->Error().c_str());
        TvMessageBox::SetHook([this](TvMessageBox::Kind kind, const QString& title, const QString& text) {
            boxes_ << title + ": " + text;
            return kind == TvMessageBox::Kind::YesNo ? answer_ : QMessageBox::Ok;
        });
    }
    void init() {
        WindowTest::UseSimulator(sim_->Port());
        boxes_.clear();
        answer_ = QMessageBox::Yes;
    }
    void cleanup() {
        const std::string faults = sim_ ? witness_->Compare(*sim_) : std::string();
        QVERIFY2(faults.empty(), faults.c_str());
    }
    void cleanupTestCase() { TvMessageBox::SetHook({}); }

    void listsTheMemberSwitches() {
        TMSInformationForm form(nullptr);
        QVERIFY(Lists(form, {"1", "2"}));
        QCOMPARE(form.StaticText1->text(), QString("2"));
        QCOMPARE(form.Listing()->Request.Target.Timeout, 500);
        QVERIFY(form.Listing()->Asynchronous);
        QCOMPARE(form.Listing()->ListModel()->Cell(1, 1), QString("QTR-5120"));
        QVERIFY(form.Memo1->toPlainText().startsWith("Get: (TvSNMP++) Ok!"));
        QVERIFY(!form.DeleteButton->isEnabled());
        Select(form, "2");
        QVERIFY(form.DeleteButton->isEnabled());
        form.GetButton->click();
        QVERIFY(!form.DeleteButton->isEnabled());
        QVERIFY(Lists(form, {"1", "2"}));
    }

    void addChecksInOrder_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("focus");
        QTest::newRow("listed ID, other fields empty")
            << "2"
            << ""
            << "Warning: There is already a record with the same Member Siwitch ID. Please modified it."
            << "";
        QTest::newRow("no ID") << ""
                               << ""
                               << ": Member Siwitch ID is needed."
                               << "MSIDEdit";
        QTest::newRow("no candidate") << "5"
                                      << ""
                                      << ": Member Candidate ID is needed."
                                      << "KeyIDEdit";
    }
    void addChecksInOrder() {
        QFETCH(QString, id);
        QFETCH(QString, candidate);
        QFETCH(QString, box);
        QFETCH(QString, focus);
        TMSInformationForm form(nullptr);
        QVERIFY(Lists(form, {"1", "2"}));
        TMSEditForm& dialog = *form.EditForm();
        dialog.EditMode = TMSEditForm::Mode::Add;
        dialog.SelectRowStatus("createAndGo");
        dialog.show();
        QVERIFY(dialog.MSIDEdit->text().isEmpty());
        dialog.MSIDEdit->setText(id);
        dialog.KeyIDEdit->setText(candidate);
        const size_t from = sim_->Log().size();
        dialog.SetButton->click();
        const QString app = QApplication::applicationName();
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0], box.startsWith(':') ? app + box : box);
        QVERIFY(dialog.isVisible());
        if (!focus.isEmpty())
            QCOMPARE(dialog.focusWidget()->objectName(), focus);
        QVERIFY(sim_->AwaitMarker());
        QCOMPARE(SetsSince(from), QStringList{});
    }

    void addThenDelete() {
        TMSInformationForm form(nullptr);
        QVERIFY(Lists(form, {"1", "2"}));
        const size_t from = sim_->Log().size();
        bool filled = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TMSEditForm*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            filled = true;
            QCOMPARE(dialog->windowTitle(), QString("MS Add"));
            QCOMPARE(dialog->Row_Status->currentText(), QString("createAndGo"));
            QVERIFY(!dialog->Row_Status->isEnabled());
            QVERIFY(dialog->KeyIDEdit->isEnabled());
            dialog->MSIDEdit->setText("5");
            dialog->KeyIDEdit->setText("3");
            dialog->MS_Password->setText("member5pw");
            dialog->SetButton->click();
        });
        form.AddButton->click();
        QVERIFY(filled);
        QVERIFY(boxes_.isEmpty());
        QVERIFY(Lists(form, {"1", "2", "5"}));
        const QString column = ".1.3.6.1.4.1.59371.12.8.1.3.1.";
        QCOMPARE(SetsSince(from), (QStringList{column + "8.5", column + "9.5", column + "10.5"}));
        QCOMPARE(form.StaticText1->text(), QString("3"));
        QVERIFY2(form.EditForm()->MS_Password->text().isEmpty(), "the password does not stay in the dialog");

        // Delete asks first, naming the member; then it sends the row status alone, with the MS ID as
        // instance.
        Select(form, "5");
        const size_t before = sim_->Log().size();
        form.DeleteButton->click();
        QCOMPARE(boxes_, QStringList{"Delete: Are you sure to delete ?\nMS ID: 5"});
        QVERIFY(Lists(form, {"1", "2"}));
        QCOMPARE(SetsSince(before), QStringList{column + "10.5"});
        QCOMPARE(form.StaticText1->text(), QString("2"));
        QVERIFY(!form.DeleteButton->isEnabled());
        const TvSNMPVarList& list = form.EditForm()->Binding->Request.VarList;
        for (int i = 0; i < list.Count(); ++i)
            QCOMPARE(list.Item(i).Access & accExcluded, 0);
        QVERIFY(form.Memo1->toPlainText().contains("Set: (TvSNMP++) Ok!"));
    }

    // Delete asks before anything is sent; No sends nothing and keeps the member.
    void deleteDeclinedSendsNothing() {
        TMSInformationForm form(nullptr);
        QVERIFY(Lists(form, {"1", "2"}));
        Select(form, "2");
        answer_ = QMessageBox::No;
        const size_t from = sim_->Log().size();
        form.DeleteButton->click();
        QCOMPARE(boxes_, QStringList{"Delete: Are you sure to delete ?\nMS ID: 2"});
        QVERIFY(sim_->AwaitMarker());
        QCOMPARE(SetsSince(from), QStringList{});
        QVERIFY(!form.Waiting());
        QCOMPARE(Ids(form), (QStringList{"1", "2"}));
        QVERIFY(form.DeleteButton->isEnabled());
    }

    // While the list is read, Add, Delete and a second Refresh are refused: nothing is written and the
    // list is read once.
    void oneExchangeAtATime() {
        TMSInformationForm form(nullptr);
        QVERIFY(Lists(form, {"1", "2"}));
        Select(form, "2");
        const size_t from = sim_->Log().size();
        form.GetButtonClick();
        QVERIFY(form.Waiting());
        QVERIFY(!form.GetButton->isEnabled() && !form.AddButton->isEnabled());
        form.GetButtonClick();
        form.AddButtonClick();
        form.DeleteButtonClick();
        TMSEditForm& dialog = *form.EditForm();
        dialog.EditMode = TMSEditForm::Mode::Add;
        dialog.MSIDEdit->setText("6");
        dialog.KeyIDEdit->setText("3");
        dialog.SelectRowStatus("createAndGo");
        dialog.SetButtonClick();
        QVERIFY(form.Memo1->toPlainText().contains(TvDedicatedWindow::kWaitingMessage));
        QVERIFY(Lists(form, {"1", "2"}));
        QVERIFY(sim_->AwaitMarker());
        QCOMPARE(SetsSince(from), QStringList{});
        // A walk asks the first column it reads (the key is not read) from its start once.
        const QString firstColumn = ".1.3.6.1.4.1.59371.12.8.1.3.1.2";
        int walks = 0;
        for (const QString& line : QString::fromStdString(sim_->Log().substr(from)).split('\n'))
            walks += line.startsWith("GETNEXT") && line.endsWith(" " + firstColumn);
        QCOMPARE(walks, 1);
        QVERIFY(boxes_.isEmpty());
    }

    void deleteWithoutSelection() {
        TMSInformationForm form(nullptr);
        QVERIFY(Lists(form, {"1", "2"}));
        form.DeleteButtonClick();
        QCOMPARE(boxes_, QStringList{QApplication::applicationName() + ": Choose the item first."});
        QVERIFY(!form.DeleteButton->isEnabled());
    }

    void countFollowsDownToAnEmptyTable() {
        TMSInformationForm form(nullptr);
        QVERIFY(Lists(form, {"1", "2"}));
        Select(form, "1");
        form.DeleteButton->click();
        QVERIFY(Lists(form, {"2"}));
        QCOMPARE(form.StaticText1->text(), QString("1"));
        Select(form, "2");
        form.DeleteButton->click();
        QVERIFY(Lists(form, {}));
        QCOMPARE(form.StaticText1->text(), QString("0"));
    }

    void readErrorsGoToTheMemo() {
        TMSInformationForm form(nullptr);
        QVERIFY(Lists(form, {}));
        sim_->Stop();
        form.Listing()->Request.Target.Timeout = 20;
        form.GetButton->click();
        QVERIFY(PumpUntil([&] { return form.Memo1->toPlainText().contains("timed out"); }));
        QVERIFY(boxes_.isEmpty());
        QVERIFY(sim_->Restart());
    }
};

QTEST_MAIN(TestMemberSwitch)
#include "tst_MemberSwitch.moc"
