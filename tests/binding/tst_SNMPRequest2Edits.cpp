#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvListViewModel.h"
#include "binding/TvOptionControls.h"
#include "binding/TvRadioGroup.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/CatalogOptions.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/SimSwitch.h"
#include "support/SimTables.h"
#include "support/WindowTest.h"
#include "values/TvRawValueCodec.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

namespace {

const TvOptionList optForwarding(TvOptionList::kIntegers, {{1, "forwarding"}, {2, "notForwarding"}});
const TvOptionList optSpeed(TvOptionList::kIntegers, {{2, "auto"}, {3, "forced"}});
const TvOptionList optSmall(TvOptionList::kIntegers, {{5, "five"}, {7, "seven"}});
const TvOptionList optWide(TvOptionList::kIntegers, {{300, "three hundred"}, {2, "two"}});
const TvOptionList optPrefix(TvOptionList::kPrefixes, {{"GE", "Gigabit "}});

// Writable objects of the simulated switch, one of each kind of control.
constexpr TvSNMPVarDef kScalars[] = {
    {"1.3.6.1.2.1.1.4", "Contact", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.4.1", "Forwarding", synInteger, accReadWrite, &optForwarding},
    {"1.3.6.1.2.1.11.30", "Auth Traps", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.7.1.2", "Ports", synOctetHex, accReadWrite},
    {"1.3.6.1.4.1.59371.12.10.12.3", "Start", synOctetHex, accReadWrite},
    {"1.3.6.1.2.1.4.2", "TTL", synInteger, accReadWrite},
    {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadOnly},
    {nullptr},
};

// A binding over items made here, for the value logic without an agent.
std::unique_ptr<TvSNMPRequest2Edits> Local(std::initializer_list<std::pair<int, const TvOptionList*>> items) {
    auto b = std::make_unique<TvSNMPRequest2Edits>(nullptr);
    int n = 0;
    for (const auto& [syntax, options] : items)
        b->Request.VarList.AddItem("1.3.6.1.4.1.1." + std::to_string(++n), "Item", syntax, accReadWrite,
                                   options);
    return b;
}

int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const TvException& e) {
        return e.Code();
    }
    return 0;
}

QString Hex(const std::string& v) {
    return FromBytes(v);
}

} // namespace

class TestSNMPRequest2Edits : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimSwitch> sim;
    QStringList boxes;

private slots:
    void initTestCase() {
        InitSNMPSession(dir.path().toStdString());
        sim = std::make_unique<SimSwitch>();
        QVERIFY2(sim->Start(), sim->Error().c_str());
    }
    void cleanupTestCase() { sim.reset(); }
    void init() {
        WindowTest::UseSimulator(sim->Port());
        boxes.clear();
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString& title, const QString& text) {
            boxes << title + ": " + text;
            return QMessageBox::Ok;
        });
    }
    void cleanup() { TvMessageBox::SetHook({}); }

    // ---- value logic ---------------------------------------------------------------------------

    void comboOfAnEnumeration() {
        auto b = Local({{synInteger, &optSpeed}});
        QComboBox combo;
        combo.setEditable(true);
        b->BindComboBox(0, &combo);
        QVERIFY(!combo.isEditable());
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.itemText(1), "forced");
        b->Request.VarList.Item(0).Value = "forced";
        b->LoadControls(-1);
        QCOMPARE(combo.currentText(), "forced");
        combo.setCurrentIndex(0);
        b->StoreControls(-1);
        QCOMPARE(b->Request.VarList.Item(0).Value, "auto");
        // A value outside the list selects nothing, and nothing selected stores no option.
        b->Request.VarList.Item(0).Value = "9";
        b->LoadControls(0);
        QCOMPARE(combo.currentIndex(), -1);
    }

    void partialListsOfOctets() {
        auto b = Local({{synOctetHex, nullptr}});
        QComboBox first, rest;
        b->BindPartialList(0, 0, synPartUInt8, &optSmall, &first);
        b->BindPartialList(0, 1, synPartUInt16b, &optWide, &rest);
        b->Request.VarList.Item(0).Value = "05012C";
        b->LoadControls(-1);
        QCOMPARE(first.currentText(), "five");
        QCOMPARE(rest.currentText(), "three hundred");
        first.setCurrentIndex(1);
        rest.setCurrentIndex(1);
        b->StoreControls(-1);
        QCOMPARE(Hex(b->Request.VarList.Item(0).Value), "070002");
    }

    void bitCheckBoxes_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("ticked"); // boxes for bits 0, 1, 9 as "x" and "."
        QTest::addColumn<QString>("tickAfter");
        QTest::addColumn<QString>("stored");
        QTest::newRow("two octets") << "8040"
                                    << "x.x"
                                    << ".x."
                                    << "4000";
        QTest::newRow("longer value keeps its tail") << "FFFFAB"
                                                     << "xxx"
                                                     << "x.."
                                                     << "8000AB"; // unlisted bits of the reached octets clear
        QTest::newRow("all clear") << "0000"
                                   << "..."
                                   << "xxx"
                                   << "C040";
    }
    void bitCheckBoxes() {
        QFETCH(QString, value);
        QFETCH(QString, ticked);
        QFETCH(QString, tickAfter);
        QFETCH(QString, stored);
        auto b = Local({{synOctetHex, nullptr}});
        QCheckBox c0, c1, c9;
        const QList<QCheckBox*> all{&c0, &c1, &c9};
        b->BindBitCheckBoxes(0, "0,1,9", all);
        b->Request.VarList.Item(0).Value = ToBytes(value);
        b->LoadControls(-1);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(all[k]->isChecked(), ticked[k] == 'x');
        for (int k = 0; k < 3; ++k)
            all[k]->setChecked(tickAfter[k] == 'x');
        b->StoreControls(-1);
        QCOMPARE(Hex(b->Request.VarList.Item(0).Value), stored);
    }

    void severalEdits_data() {
        QTest::addColumn<int>("syntax");
        QTest::addColumn<int>("edits");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("address") << int(synIpAddress) << 4 << "10.90.0.254"
                                 << QStringList{"10", "90", "0", "254"};
        QTest::newRow("MAC") << int(synMacAddress) << 6 << "0001A4519000"
                             << QStringList{"00", "01", "A4", "51", "90", "00"};
        QTest::newRow("octets") << int(synOctetHex) << 3 << "0AFF01" << QStringList{"0A", "FF", "01"};
        QTest::newRow("object id") << int(synObjectId) << 4 << "1.3.6.1" << QStringList{"1", "3", "6", "1"};
        QTest::newRow("time ticks") << int(synTimeTicks) << 5 << "1 day 2:03:04.05"
                                    << QStringList{"1", "2", "3", "4", "5"};
    }
    void severalEdits() {
        QFETCH(int, syntax);
        QFETCH(int, edits);
        QFETCH(QString, value);
        QFETCH(QStringList, shown);
        auto b = Local({{syntax, nullptr}});
        std::vector<std::unique_ptr<QLineEdit>> owned;
        QList<QLineEdit*> further;
        for (int i = 0; i < edits; ++i) {
            owned.push_back(std::make_unique<QLineEdit>());
            if (i)
                further << owned.back().get();
        }
        b->BindEdits(0, QString("%s").repeated(edits), owned[0].get(), further);
        b->Request.VarList.Item(0).Value = ToBytes(value);
        b->LoadControls(-1);
        QStringList got;
        for (auto& e : owned)
            got << e->text();
        QCOMPARE(got, shown);
        // Round trip: the edits give the same value back.
        b->Request.VarList.Item(0).Value.clear();
        b->StoreControls(-1);
        QCOMPARE(FromBytes(b->Request.VarList.Item(0).Value), value);
    }

    void wholeValuesAreReplacedNotMerged() {
        // A shorter text over a longer old one must not keep the old tail.
        auto b = Local({{synOctetHex, nullptr}, {synDisplayString, nullptr}});
        QLineEdit hex, text1, text2;
        b->BindEdits(0, "%s", &hex);
        b->BindPartialEdits(1, 0, synDisplayString, nullptr, "%s", &text1);
        b->BindPartialEdits(1, 3, synDisplayString, nullptr, "%s", &text2);
        b->Request.VarList.Item(0).Value = "AABBCCDD";
        b->Request.VarList.Item(1).Value = "a long old text";
        hex.setText("0102");
        text1.setText("abc");
        text2.setText("de");
        b->StoreControls(-1);
        QCOMPARE(b->Request.VarList.Item(0).Value, "0102");
        QCOMPARE(b->Request.VarList.Item(1).Value, "abcde");
    }

    void excludedAndReadOnlyItemsAreLeftAlone() {
        auto b = Local({{synDisplayString, nullptr}, {synDisplayString, nullptr}});
        QLineEdit e0, e1;
        b->BindEdits(0, "%s", &e0);
        b->BindEdits(1, "%s", &e1);
        b->Request.VarList.Item(0).Access = accReadWrite | accExcluded;
        b->Request.VarList.Item(1).Access = accReadOnly;
        b->Request.VarList.Item(0).Value = "zero";
        b->Request.VarList.Item(1).Value = "one";
        e0.setText("typed 0");
        e1.setText("typed 1");
        b->LoadControls(-1);
        QCOMPARE(e0.text(), "typed 0"); // excluded: not loaded
        QCOMPARE(e1.text(), "one");
        e1.setText("typed 1");
        b->StoreControls(-1);
        QCOMPARE(b->Request.VarList.Item(0).Value, "zero");
        QCOMPARE(b->Request.VarList.Item(1).Value, "one");
    }

    void errors() {
        QLineEdit a, b3, c;
        QComboBox combo;
        QCheckBox box;
        QWidget plain;
        auto b = Local({{synInteger, nullptr},
                        {synIpAddress, nullptr},
                        {synOctetHex, nullptr},
                        {synOctetString, &optPrefix}});
        QCOMPARE(CodeOf([&] { b->BindComboBox(0, &combo); }), int(errNoOptionList));
        QCOMPARE(CodeOf([&] { b->BindComboBox(3, &combo); }), int(errControlCount));
        QCOMPARE(CodeOf([&] { b->BindPartialEdits(2, 0, 0x99, nullptr, "%s", &a); }), int(errPartialSyntax));
        QCOMPARE(CodeOf([&] { b->BindEdits(9, "%s", &a); }), int(errPartialIndex));
        QVERIFY(b->Bindings.empty()); // refused binds leave nothing behind

        b->BindEdits(1, "%s%s%s", &a, {&b3, &c});
        b->Request.VarList.Item(1).Value = "1.2.3.4";
        QCOMPARE(CodeOf([&] { b->LoadControls(1); }), int(errControlCount));

        b->BindBitCheckBoxes(2, "16", {&box});
        b->Request.VarList.Item(2).Value = "8040";
        QCOMPARE(CodeOf([&] { b->LoadControls(2); }), int(errPartialIndex));

        auto other = Local({{synInteger, nullptr}});
        other->Bindings.push_back(ControlBinding{0, 0, synInteger, nullptr, {&plain}, {}});
        QCOMPARE(CodeOf([&] { other->LoadControls(-1); }), int(errControlType));
    }

    void radioGroupOptions() {
        TvRadioGroup group("Mode");
        FillItems(optSpeed, &group);
        QCOMPARE(group.Items(), QStringList({"auto", "forced"}));
        SelectOption(optSpeed, &group, "3"); // by value once the text lookup fails
        QCOMPARE(group.ItemIndex(), 1);
        SelectOption(optSpeed, &group, "AUTO");
        QCOMPARE(group.ItemIndex(), 0);
        SelectOption(optSpeed, &group, "nothing");
        QCOMPARE(group.ItemIndex(), -1);
        FillItems(TvOptionList(TvOptionList::kIntegers, {}), &group);
        QCOMPARE(group.Count(), 0);
    }

    // ---- against the simulated switch -----------------------------------------------------------

    void scalarGroupReadAndWrittenBack() {
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        auto* contact = new QLineEdit;
        auto* forwarding = new QComboBox;
        auto* traps = new TvRadioGroup("Authentication traps");
        auto* start = new QComboBox;
        auto* ttl = new QLineEdit;
        auto* name = new QLabel;
        QList<QCheckBox*> ports;
        for (QWidget* w : std::initializer_list<QWidget*>{contact, forwarding, traps, start, ttl, name})
            layout->addWidget(w);
        for (int i = 0; i < 8; ++i) {
            ports << new QCheckBox(QString("Port %1").arg(i + 1));
            layout->addWidget(ports.back());
        }

        TvSNMPRequest2Edits b(&window);
        b.Asynchronous = false;
        b.Request.VarList.Assign(TvSNMPVarList(kScalars, 0, 0));
        b.BindEdits(0, "%s", contact);
        b.BindComboBox(1, forwarding);
        b.BindRadioGroup(2, traps);
        b.BindBitCheckBoxes(3, "0,1,2,3,4,5,6,7", ports);
        b.BindPartialList(4, 0, synPartUInt8, &optSmall, start);
        b.BindEdits(5, "%i{n1x255}", ttl);
        b.BindStaticText(6, name);
        b.Get();
        QCOMPARE(contact->text(), "noc@example.net");
        QCOMPARE(forwarding->currentText(), "forwarding");
        QCOMPARE(traps->ItemIndex(), 1); // 2 = disabled
        for (int i = 0; i < 8; ++i)
            QCOMPARE(ports[i]->isChecked(), i >= 4); // 0F
        QCOMPARE(start->currentIndex(), -1);         // octet 0 is 01, not in the list
        QCOMPARE(ttl->text(), "64");
        QCOMPARE(name->text(), "QTR-5190MX");
        window.resize(320, 520);
        window.grab().save(QDir::temp().filePath("qtr-editbind-scalars.png"));

        contact->setText("ops@example.org");
        forwarding->setCurrentIndex(1);
        traps->SetItemIndex(0);
        ports[0]->setChecked(true);
        ports[7]->setChecked(false);
        start->setCurrentIndex(1);
        ttl->setText("32");
        b.Set(false, true);

        TvSNMPRequest2Edits check(nullptr);
        check.Asynchronous = false;
        check.Request.VarList.Assign(TvSNMPVarList(kScalars, 0, 0));
        check.Get();
        const TvSNMPVarList& v = check.Request.VarList;
        QCOMPARE(v.Item(0).Value, "ops@example.org");
        QCOMPARE(v.Item(1).Value, "notForwarding");
        QCOMPARE(v.Item(2).Value, "enabled");
        QCOMPARE(v.Item(3).Value, "8E");
        QCOMPARE(v.Item(4).Value, "070001030200"); // only octet 0 changed
        QCOMPARE(v.Item(5).Value, "32");
        QCOMPARE(v.Item(6).Value, "QTR-5190MX");

        // A character the switch's bytes cannot hold is refused, naming the field, never sent as "?";
        // a Latin-1 one goes out as its byte.
        auto* label = new QLabel("Con&tact", &window);
        label->setBuddy(contact);
        contact->setText(
            QString::fromUtf8("\xd0\xb4\xd0\xb5\xd0\xb6\xd1\x83\xd1\x80\xd0\xbd\xd1\x8b\xd0\xb9"));
        try {
            b.Set(false, true);
            QFAIL("a character outside Latin-1 was written");
        } catch (const TvException& e) {
            QVERIFY2(e.Message().rfind("Contact holds a character the switch cannot store", 0) == 0,
                     e.Message().c_str());
        }
        check.Get();
        QCOMPARE(check.Request.VarList.Item(0).Value, "ops@example.org");
        contact->setText(QString::fromUtf8("B\xc3\xa4"
                                           "cker"));
        b.Set(false, true);
        check.Get();
        QCOMPARE(check.Request.VarList.Item(0).Value, "B\xe4"
                                                      "cker");
    }

    void tableIntoListViewAndSelectionIntoEdits() {
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        auto* view = new QTreeView;
        auto* nameEdit = new QLineEdit;
        auto* status = new QComboBox;
        layout->addWidget(view);
        layout->addWidget(nameEdit);
        layout->addWidget(status);
        int handlerCalls = 0;

        TvSNMPRequest2Edits b(&window);
        b.Request.VarList.Assign(TvSNMPVarList(kSimVlanStatic, 2, 1));
        b.BindListView(view, true);
        b.BindEdits(1, "%s", nameEdit);
        b.BindComboBox(3, status);
        b.ListViewSelectHandler = [&](QTreeView* sender, int, bool) {
            QCOMPARE(sender, view);
            ++handlerCalls;
        };
        QCOMPARE(b.ListModel()->ColumnCount(), 4);
        b.Get();
        QTRY_VERIFY(!b.Busy);
        QCOMPARE(b.ListModel()->RowCount(), 2);
        QCOMPARE(b.ListModel()->Cell(1, 0), "2");
        QCOMPARE(b.ListModel()->Cell(1, 1), "name2");
        QCOMPARE(b.ListModel()->Cell(1, 3), "active");
        QVERIFY(!nameEdit->isEnabled());
        QVERIFY(!status->isEnabled());

        view->selectionModel()->select(b.ListModel()->index(1, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(handlerCalls, 1);
        QVERIFY(nameEdit->isEnabled());
        QCOMPARE(nameEdit->text(), "name2");
        QCOMPARE(status->currentText(), "active");
        window.resize(480, 300);
        window.show();
        window.grab().save(QDir::temp().filePath("qtr-editbind-table.png"));

        // The selected row plus the edits make the row written back.
        nameEdit->setText("backbone");
        b.Asynchronous = false;
        b.Set(true, true, {1});
        QCOMPARE(b.ListModel()->RowCount(), 2); // read again after the write
        QCOMPARE(b.ListModel()->Cell(1, 1), "backbone");
        QCOMPARE(b.ListModel()->Cell(0, 1), "name1");
    }

    void closeDuringABlockingReadWaitsForItsEnd() {
        // The window manager's close box is not user input: a blocking walk holds the close until it
        // has finished, and the window closes then. A blocking read asked for meanwhile is refused.
        SimSwitch slow; // a slow link, so that the walk waits for replies
        QVERIFY2(slow.Start({"--delay", "30"}), slow.Error().c_str());
        WindowTest::UseSimulator(slow.Port());
        gSNMPTimeout = 200;
        QDialog window;
        auto* view = new QTreeView(&window);
        TvSNMPRequest2Edits b(&window);
        b.Asynchronous = false;
        b.Request.VarList.Assign(TvSNMPVarList(kSimFdb, 2, 2));
        b.MaxRows = 300;
        b.BindListView(view, true);
        window.show();
        TvSNMPRequest2Edits other(nullptr);
        other.Asynchronous = false;
        other.Request.VarList.Assign(TvSNMPVarList(kSimFdb, 2, 2));
        int rowsWhenClosed = -1;
        int nestedCode = 0;
        QTimer::singleShot(0, &window, [&] { // runs in the walk's first wait
            rowsWhenClosed = b.ReceivedCount;
            QCoreApplication::postEvent(&window, new QCloseEvent);
            try {
                other.Get();
            } catch (const TvException& e) {
                nestedCode = e.Code();
            }
        });
        b.Get();
        QVERIFY(rowsWhenClosed >= 0);
        QCOMPARE(b.ReceivedCount, 300);
        QCOMPARE(nestedCode, errWaitInProgress);
        QCOMPARE(other.ReceivedCount, 0);
        QVERIFY(window.isVisible()); // held
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    }

    // A caption stands over its own item's values, also when an item not shown follows a shown one.
    void captionsStandOverTheirCells() {
        static constexpr TvSNMPVarDef table[] = {
            {"1.3.6.1.4.1.59371.99.1.1", "Index", synInteger, accIndex},
            {"1.3.6.1.4.1.59371.99.1.2", "Name", synDisplayString, accReadWrite},
            {"1.3.6.1.4.1.59371.99.1.3", "Secret", synDisplayString, accReadWrite | accHidden},
            {"1.3.6.1.4.1.59371.99.1.4", "Status", synInteger, accReadWrite},
            {nullptr},
        };
        QTreeView view;
        TvSNMPRequest2Edits b(nullptr);
        b.Request.VarList.Assign(TvSNMPVarList(table, 2, 1));
        b.BindListView(&view, false);
        const char* values[] = {"7", "uplink", "hidden value", "active"};
        for (int i = 0; i < 4; ++i)
            b.Request.VarList.Item(i).Value = values[i];
        b.BeforeGet();
        b.ReceiveOne();
        const QAbstractItemModel* model = view.model();
        QCOMPARE(model->columnCount(), 4);
        for (int k = 0; k < 4; ++k) {
            const QString caption = model->headerData(k, Qt::Horizontal).toString();
            QCOMPARE(model->index(0, k).data().toString(),
                     QString(values[QStringList{"Index", "Name", "Secret", "Status"}.indexOf(caption)]));
        }
        QCOMPARE(view.header()->sectionSize(2), 0);
        QVERIFY(view.header()->sectionSize(3) > 0);
    }

    void asyncReadShowsRowsWhileReading() {
        QTreeView view;
        TvSNMPRequest2Edits b(nullptr);
        b.Request.VarList.Assign(TvSNMPVarList(kSimFdb, 2, 2));
        b.BindListView(&view, false);
        view.resize(400, 300);
        view.show();
        int seenMidway = 0;
        b.Get();
        QTRY_VERIFY_WITH_TIMEOUT((seenMidway = b.ListModel()->RowCount()) > 0 || !b.Busy, 5000);
        QVERIFY(b.Busy); // rows show before the read ends
        QVERIFY(seenMidway < 4000);
        // A bound on a hang only: under a sanitizer on a loaded machine 4000 rows take a while.
        QTRY_VERIFY_WITH_TIMEOUT(!b.Busy, 120000);
        QCOMPARE(b.ListModel()->RowCount(), 4000);
        QCOMPARE(b.ReceivedCount, 4000);
        QCOMPARE(b.ListModel()->Cell(0, 3), "learned");
    }
};

QTEST_MAIN(TestSNMPRequest2Edits)
#include "tst_SNMPRequest2Edits.moc"
