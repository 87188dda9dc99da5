// Windows side by side, soaked: the main window against the simulated switch over a slow link, the front
// panel polling, while this driver opens and closes windows of the menu in a random, overlapping order (up
// to eight open at once, each closed while its read may still be on its way). Prints resident memory, heap
// in use and open descriptors at the start, after the first round and at the end: after the first round
// (caches warm), the figures stay flat when nothing leaks. Each round ends with its windows closed.
// Usage: bench_windows_soak [WINDOWS] [ROUND]   (default 300 30; QT_QPA_PLATFORM=offscreen)

#include "BenchInstall.h"
#include "BenchProcess.h"
#include "SoakMain.h"
#include "app/TfrmMain.h"
#include "catalog/TvCatalog.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvOpenWindows.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/TvSNMPEngine.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

void Print(const char* when, long windows) {
    std::printf("%-18s resident %6ld kB, heap in use %6ld kB, open descriptors %3ld (windows opened %ld, "
                "exchanges outstanding %zu)\n",
                when, BenchProcess::ResidentKb(), BenchProcess::HeapInUseKb(), BenchProcess::OpenFds(),
                windows, TvSNMPEngine::Instance() ? TvSNMPEngine::Instance()->OutstandingCount() : 0);
    std::fflush(stdout);
}

// Generic entries (by recipe) and dedicated windows (by target).
const char* const kRecipes[] = {"MIB2Information", "MIB2IFTable",  "IFXTable1",   "SNTP1",
                                "SysLog",          "USMUserTable", "N8021QVLAN1", "ForwardingFiltering1"};
const char* const kDedicated[] = {"TIF_Counters",       "TIP_Counters",    "TTpBridgePortInfo_Table",
                                  "TCurrentTimeForm",   "TSummerTimeForm", "TIP_Routing",
                                  "TSSLManagementForm", "TACLMeterForm"};

} // namespace

int main(int argc, char** argv) {
    // The offscreen platform says for every window that it cannot raise it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && !text.startsWith("This plugin does not support"))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    // Qt's style keeps the pixmaps it draws in a cache (10 MB by default) that fills slowly; a smaller one
    // (QTR_SOAK_PIXMAP_CACHE_KB) shows that nothing else grows.
    if (const char* kb = std::getenv("QTR_SOAK_PIXMAP_CACHE_KB"))
        QPixmapCache::setCacheLimit(std::atoi(kb));
    const long total = argc > 1 ? std::atol(argv[1]) : 300;
    const long round = argc > 2 ? std::atol(argv[2]) : 30;
    TvMessageBox::SetHook(
        [](TvMessageBox::Kind, const QString&, const QString&) { return QMessageBox::Yes; });
    QTemporaryDir root;
    SimSwitch sim;
    if (!sim.Start({"--delay", "20"})) {
        std::fprintf(stderr, "windows soak: %s\n", sim.Error().c_str());
        return 1;
    }
    auto main = SoakMain::Start(root.path(), sim.Port(), "windows soak", 2000);
    if (!main)
        return 1;
    Print("start:", 0);

    std::mt19937 random(5190);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    const int entries = std::size(kRecipes) + std::size(kDedicated);
    long opened = 0;
    int most = 0;
    QElapsedTimer clock;
    clock.start();
    while (opened < total) {
        const std::vector<QWidget*> open = TvOpenWindows::All();
        most = std::max(most, static_cast<int>(open.size()));
        if (open.size() < 8 && (open.empty() || chance(60))) {
            const int k = static_cast<int>(random() % entries);
            const size_t before = open.size();
            if (k < static_cast<int>(std::size(kRecipes))) {
                main->OpenRecipeWindow(*TvCatalog::FindRecipe(kRecipes[k]));
            } else {
                TvMenuNode entry;
                entry.Target = kDedicated[k - std::size(kRecipes)];
                (*TvWindowRegistry::Find(entry.Target))(*main, entry);
            }
            // An entry already open is raised, not opened again.
            if (TvOpenWindows::All().size() > before && ++opened % round == 0) {
                // Like with like: every window of the round closed, before the figures are taken.
                for (QWidget* w : TvOpenWindows::All())
                    w->close();
                PumpUntil([] {
                    return TvOpenWindows::ClosedCount() == 0 &&
                           TvSNMPEngine::Instance()->OutstandingCount() == 0;
                });
                PumpUntil([] { return false; }, 500);
                const long n = opened / round;
                if (n == 1 || n == 2 || n == 5 || opened >= total)
                    Print(("after round " + std::to_string(n) + ":").c_str(), opened);
            }
        } else {
            open[random() % open.size()]->close();
        }
        PumpUntil([] { return false; }, static_cast<int>(10 + random() % 120));
    }
    std::printf("%ld windows in %.1f s, at most %d open at once\n", opened, clock.elapsed() / 1000.0, most);
    main.reset();
    return 0;
}
