// The program with one counter window sampling: the main window (its front panel polling every 3 s)
// and the interface counter window at its 1 s interval, for bench/counter-cpu to measure. Takes the
// program's command line; ends after QTR_BENCH_SECONDS (default 70).

#include "app/TfrmMain.h"
#include "catalog/TvMenuTree.h"
#include "guibase/TvWindowRegistry.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::vector<std::string> params(argv + 1, argv + argc);
    const char* env = std::getenv("QTR_BENCH_SECONDS");
    const int seconds = env ? std::atoi(env) : 70;

    TfrmMain window;
    if (!window.FormCreate(params))
        return 1;
    window.show();
    const TvMenuNode* entry = TvMenuTree::Find("MIB2IFCounter");
    const TvWindowRegistry::Opener* open = entry ? TvWindowRegistry::Find(entry->Target) : nullptr;
    if (!open) {
        std::fprintf(stderr, "no interface counter window\n");
        return 1;
    }
    // The window is modal: it runs its own loop until the end closes it.
    QTimer::singleShot(0, &window, [&] { (*open)(window, *entry); });
    QTimer::singleShot(seconds * 1000, &app, [&] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    });
    return QApplication::exec();
}
