// Click to last row: the program's "Forwarding/Filtering" window over the simulated switch's 4,000-row
// forwarding table, with every reply held back --delay ms (a slow link). Each run triggers the menu entry
// as a click does and stops the clock when the window's list shows the whole table and its read is over;
// prints every run and the median.
// Usage: QT_QPA_PLATFORM=offscreen bench_table_window [DELAY_MS] [RUNS] [PROGRAM SWITCHES...]
//        (default 20 ms, 5 runs, SNMPv2c; add /B0 for the GET-NEXT walk)
#include "BenchInstall.h"
#include "app/TfrmMain.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TConfigForm.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 4000;

QAction* FindEntry(QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text().remove('&') == text && !action->menu())
            return action;
    return nullptr;
}

// Milliseconds from the click until the list holds every row and the read is over; -1 on failure.
long ClickToLastRow(QAction& entry) {
    QElapsedTimer clock;
    long took = -1;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* form = qobject_cast<TConfigForm*>(QApplication::activeModalWidget());
        const TvSNMPRequest2Edits* binding = form ? form->Binding(0) : nullptr;
        if (!binding || binding->Busy)
            return;
        if (binding->ReceivedCount >= kRows)
            took = static_cast<long>(clock.elapsed());
        else
            std::fprintf(stderr, "the window shows %d rows\n", binding->ReceivedCount);
        poll.stop();
        form->close();
    });
    poll.start();
    clock.start();
    entry.trigger(); // the window is modal: this returns when it closes
    return took;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string delay = argc > 1 ? argv[1] : "20";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<std::string> params = {"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm"};
    for (int i = 3; i < argc; ++i)
        params.emplace_back(argv[i]);

    QTemporaryDir root;
    SimSwitch sim;
    if (!sim.Start({"--delay", delay})) {
        std::fprintf(stderr, "table window: %s\n", sim.Error().c_str());
        return 1;
    }
    const QString program = MakeStandaloneInstall(root.path(), sim.Port());
    if (program.isEmpty())
        return 1;

    TfrmMain window;
    window.SetProgramFile(program.toStdString());
    if (!window.FormCreate(params)) {
        std::fprintf(stderr, "table window: the main window did not start\n");
        return 1;
    }
    window.show();
    PumpUntil([] { return false; }, 1000); // the front panel's first reads
    QAction* entry = FindEntry(window, "Forwarding/Filtering");
    if (!entry) {
        std::fprintf(stderr, "table window: no menu entry \"Forwarding/Filtering\"\n");
        return 1;
    }
    std::vector<long> times;
    for (int r = 0; r < runs; ++r) {
        const long ms = ClickToLastRow(*entry);
        if (ms < 0)
            return 1;
        times.push_back(ms);
        std::printf("run %d: %ld ms\n", r + 1, ms);
        std::fflush(stdout);
    }
    std::sort(times.begin(), times.end());
    std::printf("--delay %s, %d rows: click to last row, median %ld ms of %d runs\n", delay.c_str(), kRows,
                times[times.size() / 2], runs);
    return 0;
}
