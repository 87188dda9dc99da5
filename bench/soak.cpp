// A bounded soak: the program's main window against the simulated switch, the front panel polling,
// while this driver opens and closes generic and dedicated windows, walks the forwarding table and
// restarts the switch. Prints resident memory and open file descriptors at the start, after every
// minute and at the end.
// Usage: bench_soak [SECONDS]   (default 600; QT_QPA_PLATFORM=offscreen)

#include "BenchInstall.h"
#include "BenchProcess.h"
#include "SoakMain.h"
#include "app/TfrmMain.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
#include "configform/TConfigForm.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"
#include "support/AsyncWalk.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"

#include "catalog/TvMenuTree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// An asynchronous walk of the forwarding table's port column; rows read.
int WalkForwardingTable() {
    constexpr TvSNMPVarDef fdb[] = {
        {"1.3.6.1.2.1.17.7.1.2.2.1.1", "VLAN", synGauge32, accIndex},
        {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", synMacAddress, accIndex},
        {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", synInteger, accReadOnly},
        {nullptr},
    };
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(fdb, 2, 2));
    int rows = 0;
    AsyncWalk(
        request,
        [&](const TvSNMPVarList&) {
            ++rows;
            return true;
        },
        120000);
    return rows;
}

// Opens a dedicated window through its menu entry's opener and closes it (and any message box it shows)
// once its first reads had time to finish.
bool OpenAndCloseDedicated(TfrmMain& main, const char* target) {
    const TvWindowRegistry::Opener* open = TvWindowRegistry::Find(target);
    if (!open)
        return false;
    TvMenuNode entry;
    entry.Target = target;
    (*open)(main, entry);
    PumpUntil([] { return false; }, 700);
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    for (QWidget* window : TvOpenWindows::All())
        window->close();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 600;
    // Qt's style keeps the pixmaps it draws in a cache of 10 MB by default, which fills slowly over a soak;
    // a smaller one (QTR_SOAK_PIXMAP_CACHE_KB) shows that nothing else grows.
    if (const char* kb = std::getenv("QTR_SOAK_PIXMAP_CACHE_KB"))
        QPixmapCache::setCacheLimit(std::atoi(kb));
    QTemporaryDir root;
    SimSwitch sim;
    if (!sim.Start()) {
        std::fprintf(stderr, "soak: %s\n", sim.Error().c_str());
        return 1;
    }
    auto main = SoakMain::Start(root.path(), sim.Port(), "soak", 3000);
    if (!main)
        return 1;
    const long rssStart = BenchProcess::ResidentKb(), fdsStart = BenchProcess::OpenFds();
    std::printf("start: resident %ld kB, heap in use %ld kB, open descriptors %ld\n", rssStart,
                BenchProcess::HeapInUseKb(), fdsStart);
    std::fflush(stdout);

    const char* const recipes[] = {"MIB2Information", "MIB2IFTable", "ForwardingFiltering1", "USMUserTable"};
    const char* const dedicated[] = {"TIP_Counters",     "TIF_Counters",    "TTpBridgePortInfo_Table",
                                     "TCurrentTimeForm", "TSummerTimeForm", "TIP_Routing"};
    long windows = 0, dedicatedWindows = 0, walks = 0, walkedRows = 0, restarts = 0, cycle = 0, minute = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000LL) {
        ++cycle;
        if (const TvWindowRecipe* recipe = TvCatalog::FindRecipe(recipes[cycle % 4])) {
            main->RecipeWindowShown = [](TConfigForm& form) {
                QTimer::singleShot(0, &form, [&form] {
                    PumpUntil([&] {
                        const TvSNMPRequest2Edits* b = form.Binding(0);
                        return b && !b->Busy;
                    });
                    form.close();
                });
            };
            main->OpenRecipeWindow(*recipe);
            main->RecipeWindowShown = nullptr;
            PumpUntil([] { return TvOpenWindows::All().empty(); });
            ++windows;
        }
        if (cycle % 3 == 0 && OpenAndCloseDedicated(*main, dedicated[(cycle / 3) % 6])) {
            ++windows;
            ++dedicatedWindows;
        }
        if (cycle % 5 == 0) {
            walkedRows += WalkForwardingTable();
            ++walks;
        }
        if (cycle % 20 == 0) {
            sim.Restart();
            ++restarts;
        }
        PumpUntil([] { return false; }, 200);
        if (clock.elapsed() >= (minute + 1) * 60000LL) {
            ++minute;
            std::printf(
                "after %ld min: resident %ld kB, heap in use %ld kB, open descriptors %ld (windows %ld, "
                "walks %ld, restarts %ld)\n",
                minute, BenchProcess::ResidentKb(), BenchProcess::HeapInUseKb(), BenchProcess::OpenFds(),
                windows, walks, restarts);
            std::fflush(stdout);
        }
    }
    const long rssEnd = BenchProcess::ResidentKb(), fdsEnd = BenchProcess::OpenFds();
    std::printf("end after %d s: resident %ld kB, open descriptors %ld\n", seconds, rssEnd, fdsEnd);
    std::printf(
        "windows opened and closed %ld (%ld dedicated), table walks %ld (%ld rows), switch restarts %ld\n",
        windows, dedicatedWindows, walks, walkedRows, restarts);
    main->RecipeWindowShown = nullptr;
    main.reset();
    return 0;
}
