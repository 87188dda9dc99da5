#include "catalog/TvSpanningTree.h"

#include "catalog/CatalogOptions.h"

const TvOptionList optStpVersion(TvOptionList::kIntegers, {{0, "stp"}, {1, "rstp"}, {2, "mstp"}});

constexpr TvSNMPVarDef kStpParameters[] = {
    {"1.3.6.1.4.1.59371.12.15.1.2", "Version", synInteger, accReadWrite, &optStpVersion},
    {"1.3.6.1.4.1.59371.12.15.1.3", "Max Age", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.4", "Hello Time", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.5", "Forward Delay", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.6", "Max Hops", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.7", "TX Hold Count", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.8", "Forward BPDU", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef kStpMstpParameters[] = {
    {"1.3.6.1.4.1.59371.12.15.1.2", "Version", synInteger, accReadWrite, &optStpVersion},
    {"1.3.6.1.4.1.59371.12.15.1.3", "Max Age", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.5", "Forward Delay", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.6", "Max Hops", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.7", "TX Hold Count", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.15.1.8", "Forward BPDU", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};
