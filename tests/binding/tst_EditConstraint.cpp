#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvEditConstraint.h"
#include "guibase/TvMessageBox.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

// A window of three edits and a button; the first edit carries the constraint under test.
class Form : public QWidget {
public:
    Form() {
        auto* layout = new QVBoxLayout(this);
        for (QLineEdit** e : {&first, &second, &third}) {
            *e = new QLineEdit(this);
            layout->addWidget(*e);
        }
        layout->addWidget(new QPushButton(QStringLiteral("OK"), this));
        show();
        activateWindow();
    }
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QLineEdit* third = nullptr;
};

class TestEditConstraint : public QObject {
    Q_OBJECT

    struct Box {
        QString title;
        QString text;
    };
    QList<Box> boxes;
    int beeps = 0;
    std::unique_ptr<Form> form;
    std::unique_ptr<TvEditConstraint> constraint;

    // Types into the first edit as the operator would, starting from an empty field.
    void Type(const QString& keys) {
        form->first->setFocus();
        form->first->clear();
        QTest::keyClicks(form->first, keys);
    }
    // Types each key into whatever has the focus at that moment.
    static void TypeAlong(const QString& keys) {
        for (QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    // Moves the focus on with Tab: the first edit is left.
    void Leave() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

private slots:
    void init() {
        QCoreApplication::setApplicationName("QTR-5190MX");
        boxes.clear();
        beeps = 0;
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes.append({title, text});
            return QMessageBox::Ok;
        });
        TvEditConstraint::SetBeep([this] { ++beeps; });
        form = std::make_unique<Form>();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        constraint = std::make_unique<TvEditConstraint>(form.get(), true);
    }
    void cleanup() {
        constraint.reset();
        form.reset();
        TvMessageBox::SetHook({});
        TvEditConstraint::SetBeep({});
        ResetMessageTables();
    }

    void refusedKeystrokesAreRemovedWithABeep_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sounds");
        QTest::newRow("integer") << "%i{n1x4094}"
                                 << "12a"
                                 << "12" << 1;
        QTest::newRow("integer sign") << "%i"
                                      << "-1-2"
                                      << "-12" << 1;
        QTest::newRow("unsigned") << "%u"
                                  << "-7"
                                  << "7" << 1;
        QTest::newRow("real") << "%f"
                              << "1.5.2"
                              << "1.52" << 1;
        QTest::newRow("hex") << "%h"
                             << "0aFxg9"
                             << "0aF9" << 2;
        QTest::newRow("string") << "%s"
                                << "a b!"
                                << "a b!" << 0;
        QTest::newRow("list") << "%n,{n1x24l3}"
                              << "1,5,24"
                              << "1,5,24" << 0;
        QTest::newRow("list double delimiter") << "%n,{n1x24l3}"
                                               << "1,,5"
                                               << "1,5" << 1;
        QTest::newRow("list leading delimiter") << "%n,"
                                                << ",3"
                                                << "3" << 1;
    }
    void refusedKeystrokesAreRemovedWithABeep() {
        QFETCH(QString, format);
        QFETCH(QString, keys);
        constraint->Attach(format, form->first);
        Type(keys);
        QFETCH(QString, text);
        QFETCH(int, sounds);
        QCOMPARE(form->first->text(), text);
        QCOMPARE(beeps, sounds);
    }

    void leavingChecksTheText_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("good");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("message");
        QTest::newRow("range") << "%i{n1x4094}"
                               << "12"
                               << "0"
                               << "Please enter a number between 1 and 4094!";
        QTest::newRow("full length") << "%s{l8f}"
                                     << "abcdefgh"
                                     << "abcde"
                                     << "Please enter a string whose length is 8!";
        QTest::newRow("list range") << "%n,{n1x24l3}"
                                    << "1,5,24"
                                    << "1,30"
                                    << "Please enter a delimited number string with delimiter ','.\n"
                                       "Here,each number is between 1 and 24!";
        QTest::newRow("required") << "%s{l8n}"
                                  << "x"
                                  << "" << TvFieldFormat::kRequiredMessage;
    }
    // A refused text brings the message box (titled with the program's name) and the focus back; the
    // typed text stays for mending. Leaving again with the same text says nothing more.
    void leavingChecksTheText() {
        QFETCH(QString, format);
        QFETCH(QString, good);
        QFETCH(QString, bad);
        QFETCH(QString, message);
        constraint->Attach(format, form->first);
        Type(good);
        Leave();
        QVERIFY(boxes.isEmpty());
        QCOMPARE(constraint->Record(form->first)->SavedText, good);

        Type(bad);
        Leave();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(boxes[0].title, QString("QTR-5190MX")); // the program's name, not its file's
        QCOMPARE(form->first->text(), bad);
        QCOMPARE(QApplication::focusWidget(), form->first);
        Leave();
        QCOMPARE(boxes.size(), 1);
    }

    // The message names the field by its label.
    void messageNamesTheField() {
        auto* label = new QLabel(QStringLiteral("Max &Age"), form.get());
        label->setBuddy(form->first);
        constraint->Attach(QStringLiteral("%i{n6x40}"), form->first);
        Type(QStringLiteral("77"));
        Leave();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.startsWith(QStringLiteral("Max Age: ")), qPrintable(boxes[0].text));
        QCOMPARE(form->first->text(), QStringLiteral("77"));
    }

    void messagesFollowTheCommonTable() {
        gCommonTable.Replace({"Ok!", "x", "y", "z", "z", "z", "z", "Zwischen [MIN] und [MAX]!\\n([MIN])"});
        constraint->Attach(QStringLiteral("%i{n-5x5}"), form->first);
        Type(QStringLiteral("9"));
        Leave();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Zwischen -5 und 5!\n(-5)"));
    }

    void fullFieldAdvances() {
        constraint->Attach(QStringLiteral("%i{n600x4000l4a}"), form->first);
        Type(QStringLiteral("123"));
        QCOMPARE(QApplication::focusWidget(), form->first);
        QTest::keyClicks(form->first, QStringLiteral("4"));
        QCOMPARE(QApplication::focusWidget(), form->second);
        QCOMPARE(form->first->text(), QStringLiteral("1234"));
        QVERIFY(boxes.isEmpty());
        QTest::keyClicks(form->first, QStringLiteral("5"));
        QCOMPARE(form->first->text(), QStringLiteral("1234")); // no fifth digit
        // A full value put in by the program leaves the focus where it is.
        form->third->setFocus();
        form->first->setText(QStringLiteral("4000"));
        QCOMPARE(QApplication::focusWidget(), form->third);
    }

    void jumpCharacterMovesOn() {
        constraint->Attach(QStringLiteral("%i{w30n0x255l3e.}"), form->first);
        constraint->Attach(QStringLiteral("%i{w30n0x255l3e.}"), form->second);
        Type(QStringLiteral("12."));
        QCOMPARE(form->first->text(), QStringLiteral("12"));
        QCOMPARE(QApplication::focusWidget(), form->second);
        QCOMPARE(beeps, 0);
        QCOMPARE(form->first->width(), 30);
    }

    void emptyFieldIsAcceptedWithoutTheOldLeaveHook() {
        int exits = 0;
        constraint->Attach(QStringLiteral("%i{n1x4094}"), form->first).OldOnExit = [&](QLineEdit&) {
            ++exits;
            return true;
        };
        Type(QString());
        Leave();
        QCOMPARE(exits, 0);
        QVERIFY(boxes.isEmpty());
        Type(QStringLiteral("7"));
        Leave();
        QCOMPARE(exits, 1);
    }

    void oldHooksCanRefuse() {
        EditConstraint_s& r = constraint->Attach(QStringLiteral("%i{l2a}"), form->first);
        r.SavedText = QStringLiteral("5");
        r.OldOnChange = [](QLineEdit& e) { return e.text() != QLatin1String("13"); };
        r.OldOnExit = [](QLineEdit& e) { return e.text() != QLatin1String("99"); };
        Type(QStringLiteral("13"));
        QCOMPARE(QApplication::focusWidget(), form->first); // the change hook stopped the advance
        Type(QStringLiteral("99"));
        QCOMPARE(QApplication::focusWidget(), form->second);
        QCOMPARE(form->first->text(), QStringLiteral("5")); // the leave hook put the old text back
        QVERIFY(boxes.isEmpty());
    }

    void placeholdersPass() {
        constraint->Attach(QStringLiteral("%i{n1x9l1n}"), form->first);
        for (const QString& text : {QStringLiteral("(NULL)"), QStringLiteral("(NOTDONE)")}) {
            form->first->setFocus();
            form->first->setText(text);
            Leave();
            QCOMPARE(form->first->text(), text);
        }
        QCOMPARE(beeps, 0);
        QVERIFY(boxes.isEmpty());
    }

    void detachLeavesTheEditFree() {
        constraint->Attach(QStringLiteral("%u{l3}"), form->first);
        constraint->Detach(form->first);
        QVERIFY(!constraint->Record(form->first));
        Type(QStringLiteral("abc9"));
        Leave();
        QCOMPARE(form->first->text(), QStringLiteral("abc9"));
        QCOMPARE(beeps, 0);
        QVERIFY(boxes.isEmpty());
    }

    void badFormatsAttachNothing() {
        for (const char* bad : {"%ix", "%i{n1", "%i{z}", "%"}) {
            QVERIFY_THROWS_EXCEPTION(TvException, constraint->Attach(QString::fromLatin1(bad), form->first));
            QVERIFY(!constraint->Record(form->first));
        }
    }

    void attachAllCutsAtEveryPercent() {
        constraint->AttachAll(QStringLiteral("%i{n1x9}%s{l4}%"), {form->first, form->second});
        QCOMPARE(constraint->Record(form->first)->Type, 'i');
        QCOMPARE(constraint->Record(form->second)->MaxLength, 4);
        QVERIFY(!constraint->Record(form->third));

        try {
            constraint->AttachAll(QStringLiteral("%u%u%u%u"), {form->first, form->second, form->third});
            QFAIL("four pieces went to three edits");
        } catch (const TvException& e) {
            QCOMPARE(e.Code(), static_cast<int>(errControlCount));
        }
        QVERIFY_THROWS_EXCEPTION(TvException,
                                 constraint->AttachAll(QStringLiteral("%u%z"), {form->third, form->second}));
        QVERIFY(!constraint->Record(form->third)); // the good first piece was not attached either
        QCOMPARE(constraint->Record(form->second)->Type, 's');
    }

    void buildFieldsLaysOutARow() {
        QFrame panel;
        panel.setFrameShape(QFrame::Panel);
        QList<QLineEdit*> edits;
        constraint->BuildFields(&panel, QStringLiteral("Port %i{n1x28} of %i{n1x28}"), &edits);
        const QList<QWidget*> children = panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), 4);
        QCOMPARE(edits.size(), 2);
        QCOMPARE(qobject_cast<QLabel*>(children[0])->text(), QStringLiteral("Port "));
        QCOMPARE(children[1], edits[0]);
        QCOMPARE(qobject_cast<QLabel*>(children[2])->text(), QStringLiteral(" of "));
        QCOMPARE(children[3], edits[1]);
        for (int k = 1; k < 4; ++k) {
            QCOMPARE(children[k]->x(), children[k - 1]->geometry().right() + 2);
            QCOMPARE(children[k]->y(), 0);
        }
        QCOMPARE(constraint->Record(edits[1])->Max, 28.0);
        QCOMPARE(panel.frameShape(), QFrame::NoFrame);
    }

    void buildFieldsAddressRow() {
        auto* panel = new QFrame(form.get());
        form->layout()->addWidget(panel);
        panel->show();
        QList<QLineEdit*> edits;
        constraint->BuildFields(panel,
                                QStringLiteral("%i{w30n0x255l3ae.}.%i{w30n0x255l3ae.}.%i{w30n0x255l3ae.}."
                                               "%i{w30n0x255l3ae.}  100%% / %n,{l3}"),
                                &edits);
        QCOMPARE(edits.size(), 5);
        const QList<QLabel*> labels = panel->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 4);
        QCOMPARE(labels.last()->text(), QStringLiteral("  100% / "));
        QCOMPARE(constraint->Record(edits[4])->Delimiter, ',');
        for (int k = 0; k < 4; ++k)
            QCOMPARE(edits[k]->width(), 30);
        // Typing an address runs through the octets.
        edits[0]->setFocus();
        TypeAlong(QStringLiteral("10.1.255"));
        QCOMPARE(QApplication::focusWidget(), edits[3]);
        TypeAlong(QStringLiteral("7"));
        QCOMPARE(edits[0]->text() + edits[1]->text() + edits[2]->text() + edits[3]->text(),
                 QStringLiteral("1012557"));
        form->adjustSize();
        QVERIFY(form->grab().save(QDir::temp().filePath(QStringLiteral("qtr-edit-constraint-row.png"))));
    }
};

QTEST_MAIN(TestEditConstraint)
#include "tst_EditConstraint.moc"
