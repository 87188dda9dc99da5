#include "app/TfrmMain.h"
#include "app/TvMainMenu.h"
#include "app/TvMenuQuickFind.h"
#include "app/TvProcessLauncher.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvWindowRegistry.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <set>

namespace {

class ProbeMain : public TfrmMain {
protected:
    void BuildFrontPanel() override {}
    void ReadRmonState() override {}
    void ReleaseFrontPanel() override {}
};

struct Start {
    QString program;
    QStringList arguments;
};

// One line of the reviewed menu reference, as far as the menu bar shows it: depth, quoted caption,
// name and whether it is hidden; separators as depth and "-".
QStringList ReferenceShape() {
    QFile f(QString::fromStdString(SourceDir() + "/tests/catalog/menu_tree.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        if (raw.isEmpty())
            continue;
        const QStringList cols = QString::fromLatin1(raw).split('\t');
        if (cols.size() == 2)
            lines << cols[0] + "\t-";
        else
            lines << cols[0] + '\t' + cols[1] + '\t' + cols[2] + '\t' +
                         (cols[4].contains("hidden") ? "hidden" : "");
    }
    return lines;
}

QString WithoutMnemonic(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

bool OwnEntry(const QAction* a) {
    const auto own = TfrmMain::OwnEntries();
    return std::any_of(own.begin(), own.end(),
                       [a](const TvMenuNode& n) { return a->objectName() == n.Name; });
}

// The menu bar as the tree makes it: the main window's own entries are left out.
void Shape(const QList<QAction*>& actions, int depth, QStringList& out) {
    for (QAction* a : actions) {
        if (OwnEntry(a))
            continue;
        if (a->isSeparator()) {
            out << QString::number(depth) + "\t-";
            continue;
        }
        // The menus of the bar carry a mnemonic; the captions are the catalog's.
        QString caption = depth == 0 ? WithoutMnemonic(a->text()) : a->text();
        caption.replace('\n', "\\n");
        out << QString::number(depth) + "\t\"" + caption + "\"\t" + a->objectName() + '\t' +
                   (a->isVisible() ? "" : "hidden");
        if (a->menu())
            Shape(a->menu()->actions(), depth + 1, out);
    }
}

QStringList Found(const TvMenuQuickFind& f) {
    QStringList items;
    for (int i = 0; i < f.lstFound->count(); ++i)
        items << f.lstFound->item(i)->text();
    return items;
}

const QString kSep = QString::fromUtf8(" \u203a ");

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QList<Start> starts_;
    QStringList boxes_;
    bool startResult_ = true;

    std::unique_ptr<ProbeMain> MakeWindow(const std::vector<std::string>& params) {
        auto w = std::make_unique<ProbeMain>();
        w->SetProgramFile((root_.path() + "/suite/qtr5190mx").toStdString());
        if (!w->FormCreate(params))
            return nullptr;
        return w;
    }
    void RecordStarts() {
        TvProcessLauncher::SetHook(
            [this](const QString& program, const QStringList& arguments, QString* reason) {
                starts_.append({program, arguments});
                if (!startResult_)
                    *reason = "refused by the test";
                return startResult_;
            });
    }

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(root_.path() + "/suite"));
        QVERIFY(QDir::setCurrent(root_.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root_.path() + "/etc");
        TvMessageBox::SetHook([this](TvMessageBox::Kind, const QString&, const QString& text) {
            boxes_ << text;
            return QMessageBox::Yes;
        });
    }
    void init() {
        starts_.clear();
        boxes_.clear();
        startResult_ = true;
        RecordStarts();
    }
    void cleanupTestCase() {
        TvMessageBox::SetHook({});
        TvProcessLauncher::SetHook({});
    }

    // The menu bar holds every entry of the reference in its order, with exact captions, names,
    // separators and hidden entries.
    void menuBarFollowsTheReference() {
        ProbeMain w;
        QStringList shape;
        // The Window menu (the open windows) comes before Help, after the management menu.
        QList<QAction*> bar = w.menuBar()->actions();
        QVERIFY(bar.size() >= 2 && bar[bar.size() - 2]->menu());
        QCOMPARE(bar[bar.size() - 2]->menu()->objectName(), QString("WindowMenu"));
        QCOMPARE(bar[bar.size() - 2]->text(), QString("&Window"));
        bar.removeAt(bar.size() - 2);
        // So does the Snapshot menu, the program's own.
        QVERIFY(bar.size() >= 2 && bar[bar.size() - 2]->menu());
        QCOMPARE(bar[bar.size() - 2]->menu()->objectName(), QString("SnapshotMenu"));
        QStringList snapshots;
        for (const QAction* a : bar[bar.size() - 2]->menu()->actions())
            snapshots << a->objectName();
        QCOMPARE(snapshots, (QStringList{"SaveSnapshot1", "CompareWithSnapshot1", "CompareTwoSnapshots1"}));
        bar.removeAt(bar.size() - 2);
        Shape(bar, 0, shape);
        const QStringList expected = ReferenceShape();
        QVERIFY(!expected.isEmpty());
        for (int i = 0; i < std::min(shape.size(), expected.size()); ++i)
            QCOMPARE(shape[i], expected[i]);
        QCOMPARE(shape.size(), expected.size());

        QStringList shown;
        QString mnemonics;
        for (const QAction* a : w.menuBar()->actions())
            if (a->isVisible()) {
                shown << WithoutMnemonic(a->text());
                // Alt and a letter of its own opens each menu of the bar.
                const qsizetype at = a->text().indexOf('&');
                QVERIFY2(at >= 0 && at + 1 < a->text().size(), qPrintable(a->text()));
                const QChar key = a->text()[at + 1].toLower();
                QVERIFY2(!mnemonics.contains(key), qPrintable(a->text()));
                mnemonics += key;
            }
        QCOMPARE(shown, (QStringList{"Basic Configuration", "Single IP Configuration", "Bridge", "VLAN",
                                     "RMON", "SNMP V3", "Security ", "Layer2 Management",
                                     "Layer 3 Management", "Snapshot", "Window", "Help"}));
    }

    // An entry can be clicked exactly when what it opens exists: a recipe for the generic entries, the
    // sibling program, or an opener registered for its target. Derived from the tree and the registry,
    // so it stays true as windows land.
    void entriesAreEnabledExactlyWhenTheyCanOpen() {
        ProbeMain w;
        int checked = 0;
        TvMenuTree::Walk([&](const TvMenuNode& node, std::span<const TvMenuNode* const>) {
            if (!node.IsLeaf())
                return;
            bool opens = false;
            switch (node.Kind) {
            case TvMenuKind::Sibling:
            case TvMenuKind::NoAction:
                opens = true;
                break;
            case TvMenuKind::Hidden:
                break;
            default:
                opens = node.IsGeneric() ? TvMenuTree::Recipe(node) != nullptr
                                         : TvWindowRegistry::Find(node.Target) != nullptr;
            }
            opens = opens && !node.Disabled;
            const QAction* a = w.MainMenu().Entry(node.Name);
            QVERIFY2(a && a->isEnabled() == opens, node.Name);
            ++checked;
        });
        QCOMPARE(checked, TvMenuTree::LeafCount());
    }

    // Every registered target names an entry of the tree (a typo would leave its window unreachable);
    // the targets still without an opener are listed.
    void registeredTargetsBelongToTheTree() {
        std::set<std::string> targets;
        QStringList missing;
        TvMenuTree::Walk([&](const TvMenuNode& node, std::span<const TvMenuNode* const>) {
            if (!node.IsLeaf() || node.IsGeneric() || node.Kind == TvMenuKind::Sibling || !*node.Target)
                return;
            targets.insert(node.Target);
            if (!TvWindowRegistry::Find(node.Target))
                missing << QString::fromLatin1(node.Target);
        });
        for (const TvMenuNode& node : TfrmMain::OwnEntries())
            targets.insert(node.Target);
        for (const TvMenuNode& node : TfrmMain::SnapshotEntries())
            targets.insert(node.Target);
        for (const std::string& t : TvWindowRegistry::Targets())
            QVERIFY2(targets.count(t), t.c_str());
        missing.removeDuplicates();
        qInfo().noquote() << "targets without an opener:" << (missing.isEmpty() ? "none" : missing.join(' '));
    }

    // An opener registered for a target enables its entry and receives the click with the main window
    // as host; without one the entry stays disabled. The main window's own entries (the change journal
    // and the notifications) open the same way, from the Help menu before About.
    void registeredOpenerOpensItsEntry_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("name");
        QTest::newRow("tree") << "TAboutForm"
                              << "About1";
        QTest::newRow("own") << "TChangeJournalForm"
                             << "ChangeJournal1";
        QTest::newRow("own notifications") << "TNotificationsForm"
                                           << "NotificationLog1";
    }
    void registeredOpenerOpensItsEntry() {
        QFETCH(QString, target);
        QFETCH(QString, name);
        const std::string key = target.toStdString();
        const auto saved =
            TvWindowRegistry::Find(key) ? *TvWindowRegistry::Find(key) : TvWindowRegistry::Opener{};
        TvWindowRegistry::Unregister(key);
        {
            ProbeMain w;
            QVERIFY(!w.findChild<QAction*>(name)->isEnabled());
        }
        QStringList opened;
        TvWindowHost* host = nullptr;
        TvWindowRegistry::Register(key, [&](TvWindowHost& h, const TvMenuNode& entry) {
            host = &h;
            opened << entry.Name;
        });
        {
            auto w = MakeWindow({"/I127.0.0.1", "/v1"});
            QVERIFY(w);
            QAction* entry = w->findChild<QAction*>(name);
            QVERIFY(entry->isEnabled());
            QStringList help;
            for (const QAction* a : w->menuBar()->findChild<QMenu*>("Help1")->actions())
                help << a->objectName();
            QCOMPARE(help, (QStringList{"H1", "ChangeJournal1", "NotificationLog1", "About1"}));
            entry->trigger();
            QCOMPARE(opened, QStringList{name});
            QCOMPARE(host, static_cast<TvWindowHost*>(w.get()));
            QCOMPARE(host->Connection().AgentIP, std::string("127.0.0.1"));
        }
        TvWindowRegistry::Unregister(key);
        if (saved)
            TvWindowRegistry::Register(key, saved);
    }

    void siblingLaunchesWithTheConnectionSettings_data() {
        QTest::addColumn<QStringList>("params");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("SNMPv1") << QStringList{"/I127.0.0.1", "/v0", "/Rpub lic", "/Wpriv"} << "OSPFGeneral1"
                                << "Layer3"
                                << QStringList{"/I127.0.0.1", "/Rpub lic", "/Wpriv", "/TLayer3_OSPF", ""};
        QTest::newRow("SNMPv2c") << QStringList{"/I127.0.0.1", "/v1"} << "UnicastMulticastStaticForwardTable1"
                                 << "VLan"
                                 << QStringList{"/I127.0.0.1", "/Rrdcomm", "/Wwrtcomm",
                                                "/TVLan_Tp8021QStatic", ""};
        QTest::newRow("SNMPv3") << QStringList{"/I127.0.0.1", "/v3",        "/t1161", "/m3",
                                               "/nadmin",     "/l3",        "/a2",    "/p2",
                                               "/Aauth pass", "/Pprivpass", "/cctx",  "/d8000"}
                                << "dot3Statistics1"
                                << "EthernetLike"
                                << QStringList{"/I127.0.0.1",
                                               "/t1161",
                                               "/v3",
                                               "/d8000",
                                               "/m3",
                                               "/nadmin",
                                               "/l3",
                                               "/a2",
                                               "/p2",
                                               "/Aauth pass",
                                               "/Pprivpass",
                                               "/cctx",
                                               "/TEthernetLike_dot3StatsTable",
                                               ""};
    }
    void siblingLaunchesWithTheConnectionSettings() {
        QFETCH(QStringList, params);
        QFETCH(QString, entry);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        std::vector<std::string> args;
        for (const QString& p : params)
            args.push_back(p.toStdString());
        auto w = MakeWindow(args);
        QVERIFY(w);
        w->MainMenu().Entry(entry.toStdString())->trigger();
        QCOMPARE(starts_.size(), 1);
        QCOMPARE(starts_[0].program, program);
        QCOMPARE(starts_[0].arguments, arguments);
        QVERIFY(boxes_.isEmpty());
    }

    void failedStartIsReported() {
        startResult_ = false;
        auto w = MakeWindow({"/I127.0.0.1", "/v1"});
        QVERIFY(w);
        w->MainMenu().Entry("CIDRRFC20961")->trigger();
        QCOMPARE(starts_.size(), 1);
        QCOMPARE(boxes_, QStringList{"Cannot start the program \"Layer3\".\nrefused by the test"});
    }

    // A real start: the program is found through PATH and receives one argument per parameter.
    void realStartThroughThePath() {
        TvProcessLauncher::SetHook({});
        QTemporaryDir bin;
        const QString out = bin.path() + "/args.txt";
        {
            QFile script(bin.path() + "/Rmon");
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"" + out.toUtf8() +
                         ".tmp\" && /bin/mv \"" + out.toUtf8() + ".tmp\" \"" + out.toUtf8() + "\"\n");
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        auto w = MakeWindow({"/I127.0.0.1", "/v1", "/Rmy community"});
        QVERIFY(w);
        w->MainMenu().Entry("AlarmEvent1")->trigger();
        w->MainMenu().Entry("IpMroute1")->trigger(); // no Layer3 on this PATH
        qputenv("PATH", oldPath);
        QCOMPARE(boxes_.size(), 1);
        QVERIFY2(boxes_[0].startsWith("Cannot start the program \"Layer3\".\nThe program was not found"),
                 qPrintable(boxes_[0]));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 5000);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()),
                 QString("[/I127.0.0.1]\n[/Rmy community]\n[/Wwrtcomm]\n[/TRmon_AlarmEvent]\n[]\n"));
    }

    void noActionEntryDoesNothing() {
        auto w = MakeWindow({"/I127.0.0.1", "/v1"});
        QVERIFY(w);
        QAction* a = w->MainMenu().Entry("RadiusAuthenticationServerTable1");
        QVERIFY(a->isVisible());
        a->trigger();
        QVERIFY(starts_.isEmpty());
        QVERIFY(boxes_.isEmpty());
    }

    void rmonStateSwitchesItsThreeEntries() {
        auto w = MakeWindow({"/I127.0.0.1", "/v1"});
        QVERIFY(w);
        const char* rmon[] = {"Statistics1", "History1", "AlarmEvent1"};
        for (bool enabled : {false, true, false}) {
            w->SetRmonEntriesEnabled(enabled);
            for (const char* e : rmon)
                QCOMPARE(w->MainMenu().Entry(e)->isEnabled(), enabled);
            QVERIFY(w->MainMenu().Entry("S1")->isEnabled()); // "RMON State" is not one of them
        }
        w->MainMenu().Entry("History1")->trigger();
        QVERIFY(starts_.isEmpty());
    }

    void snmpV3EntriesFollowTheVersion() {
        const char* v3[] = {"Engine", "MPD", "TARGET", "USM", "VACM", "Notification1", "CommunityMIB"};
        for (const char* version : {"/v1", "/v3"}) {
            auto w = MakeWindow({"/I127.0.0.1", version});
            QVERIFY(w);
            const bool on = std::string(version) == "/v3";
            for (const char* e : v3)
                QVERIFY2(w->MainMenu().IsAllowed(e) == on, e);
            QCOMPARE(w->MainMenu().Entry("USM")->isEnabled(), on);
            QCOMPARE(w->MainMenu().Entry("Engine")->isEnabled(), on);
            QVERIFY(w->MainMenu().Entry("CommunityMIB") == w->MenuEntry("Community"));
        }
    }

    void quickFindFiltersAndOpens() {
        auto w = MakeWindow({"/I127.0.0.1", "/v1"});
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        TvMenuQuickFind& f = *w->QuickFind;

        QTest::keyClick(w.get(), Qt::Key_K, Qt::ControlModifier);
        QVERIFY(f.isVisible());
        QTest::keyClicks(f.edtFind, "ALARM/");
        QCOMPARE(Found(f), QStringList{"RMON" + kSep + "Alarm/Event"});
        QTest::keyClick(f.edtFind, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(starts_.isEmpty());

        // "/" opens it too, with an empty search; words may come from the path.
        QTest::keyClick(w.get(), Qt::Key_Slash);
        QVERIFY(f.isVisible());
        QCOMPARE(f.edtFind->text(), QString());
        QTest::keyClicks(f.edtFind, "rmon");
        QCOMPARE(Found(f), (QStringList{"RMON" + kSep + "RMON State", "RMON" + kSep + "Statistics",
                                        "RMON" + kSep + "History", "RMON" + kSep + "Alarm/Event"}));
        QCOMPARE(f.lstFound->currentRow(), 0); // the first one that can be opened
        QTest::keyClick(f.edtFind, Qt::Key_Down);
        QTest::keyClick(f.edtFind, Qt::Key_Down);
        QTest::keyClick(f.edtFind, Qt::Key_Return);
        QVERIFY(!f.isVisible());
        QCOMPARE(starts_.size(), 1);
        QCOMPARE(starts_[0].arguments.value(3), QString("/TRmon_History"));
    }

    void quickFindNeverOpensHiddenOrDisabledEntries() {
        auto w = MakeWindow({"/I127.0.0.1", "/v1"});
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        TvMenuQuickFind& f = *w->QuickFind;
        const struct {
            const char* text;
            int found;
        } hidden[] = {{"POE", 0},
                      {"EtherLike", 0},
                      {"MAC Binding Information", 0},
                      {"SNMP Configure", 0},
                      {"exit", 0},
                      {"RSTP", 0},
                      {"Refresh Panel", 0}};
        for (const auto& h : hidden) {
            f.Open();
            QTest::keyClicks(f.edtFind, h.text);
            QVERIFY2(f.lstFound->count() == h.found, h.text);
            QCOMPARE(f.lblHint->text(), QString("No menu entry matches."));
        }

        // A generic entry of SNMPv3 under SNMPv1, and a sibling switched off by the RMON state.
        w->SetRmonEntriesEnabled(false);
        for (const char* text : {"model user table", "rmon history"}) {
            f.Open();
            QTest::keyClicks(f.edtFind, text);
            QCOMPARE(f.lstFound->count(), 1);
            QVERIFY(f.lstFound->item(0)->foreground().color() != f.palette().color(QPalette::Text));
            QCOMPARE(f.lblHint->text(), QString("This entry is not available now."));
            QTest::keyClick(f.edtFind, Qt::Key_Return);
            QVERIFY2(f.isVisible(), text);
        }
        QVERIFY(starts_.isEmpty());
        f.hide();
    }

    // Pictures of the menu and the quick-find for the eye and the documentation.
    void grabMenuAndQuickFind() {
        auto w = MakeWindow({"/I127.0.0.1", "/v1"});
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QMenu* top = w->MainMenu().Entry("VLAN1")->menu();
        QMenu* sub = w->MainMenu().Entry("N8021Q1")->menu();
        const QPoint at = w->menuBar()->actionGeometry(top->menuAction()).bottomLeft();
        top->popup(w->menuBar()->mapToGlobal(at));
        QVERIFY(QTest::qWaitForWindowExposed(top));
        const QRect subRect = top->actionGeometry(sub->menuAction());
        sub->popup(top->mapToGlobal(subRect.topRight()));
        QVERIFY(QTest::qWaitForWindowExposed(sub));

        // Offscreen windows are separate surfaces: put the open menus onto the window's picture.
        const QRect win = w->frameGeometry();
        QRect all = win | top->geometry() | sub->geometry();
        QPixmap shot(all.size());
        shot.fill(Qt::white);
        {
            QPainter p(&shot);
            p.drawPixmap(w->geometry().topLeft() - all.topLeft(), w->grab());
            p.drawPixmap(top->pos() - all.topLeft(), top->grab());
            p.drawPixmap(sub->pos() - all.topLeft(), sub->grab());
        }
        const QString dir = QCoreApplication::applicationDirPath();
        QVERIFY(shot.save(dir + "/main_menu.png"));
        sub->hide();
        top->hide();

        TvMenuQuickFind& f = *w->QuickFind;
        f.Open();
        QTest::keyClicks(f.edtFind, "ospf");
        QVERIFY(f.lstFound->count() > 3);
        all = win | f.geometry();
        QPixmap find(all.size());
        find.fill(Qt::white);
        {
            QPainter p(&find);
            p.drawPixmap(w->geometry().topLeft() - all.topLeft(), w->grab());
            p.drawPixmap(f.pos() - all.topLeft(), f.grab());
        }
        QVERIFY(find.save(dir + "/menu_quickfind.png"));
        qInfo("menu and quick-find grabbed to %s", qPrintable(dir));
        f.hide();
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_MainMenu.moc"
