// Time per row of filling a bound list view with forwarding-table rows, as a blocking table read
// does (a row, then pending window messages), for growing row counts: the time per row must stay
// flat, not grow with the table.
// Usage: QT_QPA_PLATFORM=offscreen bench_listview_fill [ROWS...]
#include "binding/TvListViewModel.h"
#include "binding/TvSNMPRequest2Edits.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double FillMicrosPerRow(int rows) {
    QTreeView view;
    view.resize(800, 600);
    view.show();
    TvSNMPRequest2Edits b(nullptr);
    b.Asynchronous = false;
    TvSNMPVarList& list = b.Request.VarList;
    list.ItemType = TvSNMPVarList::itTable;
    list.AddItem("1.3.6.1.2.1.17.7.1.2.2.1.0", "ID", synGauge32, accIndex);
    list.AddItem("1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", synMacAddress, accIndex);
    list.AddItem("1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", synInteger, accReadOnly);
    list.AddItem("1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", synInteger, accReadOnly);
    b.BindListView(&view, true);
    QCoreApplication::processEvents();

    char mac[16];
    QElapsedTimer timer;
    timer.start();
    b.BeforeGet();
    for (int r = 0; r < rows; ++r) {
        std::snprintf(mac, sizeof mac, "0001A4%06X", r);
        list.Item(0).Value = std::to_string(1 + r % 4);
        list.Item(1).Value = mac;
        list.Item(2).Value = std::to_string(1 + r % 28);
        list.Item(3).Value = "learned";
        b.ReceiveOne();
    }
    b.AfterGet();
    QCoreApplication::processEvents(); // the final layout and paint
    const double us = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / rows;
    if (b.ListModel()->RowCount() != rows)
        std::fprintf(stderr, "expected %d rows, view has %d\n", rows, b.ListModel()->RowCount());
    return us;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::atoi(argv[i]));
    if (counts.empty())
        counts = {1000, 4000, 16000};
    FillMicrosPerRow(200); // warm-up: fonts, style
    for (int n : counts)
        std::printf("list view fill: %6d rows  %8.2f us/row\n", n, FillMicrosPerRow(n));
    return 0;
}
