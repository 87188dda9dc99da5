#pragma once

#include "binding/TvDedicatedWindow.h"
#include "guibase/TvMessageBox.h"
#include "snmp/SNMPGlobals.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"

#include <QAbstractButton>
#include <QPointer>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

// Drives a dedicated window over a slow link: the simulated switch holds every reply back, so that a
// read is still on its way when the test clicks. What reached the switch is read from its log.
namespace SlowLink {

// The reply delay of the slow switch; the session's timeout must be well above it.
constexpr int kDelayMs = 150;

inline std::vector<std::string> AgentOptions() {
    return {"--log", "--delay", std::to_string(kDelayMs)};
}

// Starts the slow switch of a test executable, with the session's files in `dir`; every question of
// the windows is answered Yes. False, with the reason in `sim`, when the agent did not start.
inline bool StartAgent(const QTemporaryDir& dir, std::unique_ptr<SimSwitch>& sim) {
    InitSNMPSession(dir.path().toStdString());
    sim = std::make_unique<SimSwitch>();
    TvMessageBox::SetHook(
        [](TvMessageBox::Kind, const QString&, const QString&) { return QMessageBox::Yes; });
    return sim->Start(AgentOptions());
}

inline void StopAgent(std::unique_ptr<SimSwitch>& sim) {
    TvMessageBox::SetHook({});
    sim.reset();
}

// The requests the agent logged after `from` (its log's length earlier), without the markers.
inline QStringList Requests(const SimSwitch& sim, size_t from) {
    QStringList requests;
    for (const QString& line : QString::fromStdString(sim.Log().substr(from)).split('\n'))
        if ((line.startsWith("GET") || line.startsWith("SET")) && !line.contains(".1.3.6.1.4.1.99999."))
            requests << line.simplified();
    return requests;
}

inline QStringList Sets(const SimSwitch& sim, size_t from) {
    return Requests(sim, from).filter(QRegularExpression("^SET "));
}

// One window and how to use it: `refresh` clicks its read, `write` makes a valid change and clicks
// its write (answering any entry dialog on the way).
struct Case {
    TvDedicatedWindow* Window;
    QAbstractButton* Refresh;
    std::function<void()> Write;
};

inline bool Settled(SimSwitch& sim, TvDedicatedWindow* window) {
    return PumpUntil([&] { return !window->Waiting(); }) && sim.AwaitMarker();
}

// Waits twice the reply delay and proves that nothing reached the switch after `from`.
inline bool NothingAfter(SimSwitch& sim, size_t from) {
    QTest::qWait(2 * kDelayMs);
    return sim.AwaitMarker() && Requests(sim, from).isEmpty();
}

// How many reads started after `from`: the first request of a read (`first`, a line of the log) is asked
// again only by a read that starts again.
inline int ReadsStarted(const SimSwitch& sim, size_t from, const QString& first) {
    return static_cast<int>(Requests(sim, from).count(first));
}

// Refresh clicked while the read it started is on its way, twice more: the switch sees one read.
inline void RefreshTwice(SimSwitch& sim, const std::function<bool()>& waiting, QAbstractButton* refresh) {
    QVERIFY(PumpUntil([&] { return !waiting(); }) && sim.AwaitMarker());
    const size_t start = sim.Log().size();
    refresh->click();
    QVERIFY(waiting());
    refresh->click();
    refresh->click();
    QVERIFY(PumpUntil([&] { return !waiting(); }) && sim.AwaitMarker());
    const size_t again = sim.Log().size();
    refresh->click();
    QVERIFY(PumpUntil([&] { return !waiting(); }) && sim.AwaitMarker());
    const QStringList one = Requests(sim, again);
    QVERIFY(!one.isEmpty());
    QCOMPARE(ReadsStarted(sim, start, one.first()), 2); // the clicked read and the one after it
}

inline void RefreshTwice(SimSwitch& sim, const Case& c) {
    QVERIFY(c.Window->Waiting());
    QVERIFY(!c.Refresh->isEnabled()); // the first read, started as the window opened
    RefreshTwice(
        sim, [&c] { return c.Window->Waiting(); }, c.Refresh);
}

// A write asked for while a read is on its way sends nothing, then or later.
inline void SetDuringRead(SimSwitch& sim, const Case& c) {
    QVERIFY(Settled(sim, c.Window));
    c.Refresh->click();
    QVERIFY(c.Window->Waiting());
    const size_t start = sim.Log().size();
    c.Write();
    QVERIFY(Settled(sim, c.Window));
    QCOMPARE(Sets(sim, start), QStringList());
}

// Closing ends the window at once: no message loop runs inside close (a zero timer does not fire), and
// `waiting` is false when it returns; nothing more reaches the switch.
inline void CloseNow(SimSwitch& sim, QWidget* window, const std::function<bool()>& waiting) {
    bool loopRan = false;
    QTimer::singleShot(0, window, [&loopRan] { loopRan = true; });
    window->close();
    QVERIFY(!loopRan);
    QVERIFY(!window->isVisible());
    QVERIFY(!waiting());
    QVERIFY(sim.AwaitMarker());
    QVERIFY(NothingAfter(sim, sim.Log().size()));
}

inline void CloseNow(SimSwitch& sim, TvDedicatedWindow* window) {
    CloseNow(sim, window, [window] { return window->Waiting(); });
}

inline void CloseDuringRead(SimSwitch& sim, const Case& c) {
    QVERIFY(Settled(sim, c.Window));
    c.Refresh->click();
    QVERIFY(c.Window->Waiting());
    CloseNow(sim, c.Window);
}

// The write leaves, the window closes before its answer: no read-back or anything else follows.
inline void CloseDuringWrite(SimSwitch& sim, const Case& c) {
    QVERIFY(Settled(sim, c.Window));
    const size_t start = sim.Log().size();
    c.Write();
    QVERIFY(c.Window->Waiting());
    QVERIFY(sim.AwaitMarker());
    QVERIFY(!Sets(sim, start).isEmpty());
    CloseNow(sim, c.Window);
}

enum Scenario { kRefreshTwice, kSetDuringRead, kCloseDuringRead, kCloseDuringWrite, kScenarios };

// The data rows of a test over windows and scenarios (columns "window" and "scenario"): a window that
// writes nothing gets the read scenarios only, one without a Refresh of its own no Refresh twice.
inline void AddRows(const QString& window, bool writes = true, bool refreshes = true) {
    static const char* const names[kScenarios] = {"refresh twice", "set during a read", "close during a read",
                                                  "close during a write"};
    for (int s = 0; s < kScenarios; ++s)
        if ((writes || s == kRefreshTwice || s == kCloseDuringRead) && (refreshes || s != kRefreshTwice))
            QTest::newRow(qPrintable(window + ": " + names[s])) << window << s;
}

// The scenario `scenario` on a window just opened.
inline void Run(SimSwitch& sim, const Case& c, int scenario) {
    switch (scenario) {
    case kRefreshTwice:
        RefreshTwice(sim, c);
        break;
    case kSetDuringRead:
        SetDuringRead(sim, c);
        break;
    case kCloseDuringRead:
        CloseDuringRead(sim, c);
        break;
    default:
        CloseDuringWrite(sim, c);
        break;
    }
}

} // namespace SlowLink
