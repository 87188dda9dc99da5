#include "catalog/TvMemberSwitchData.h"

#include "catalog/CatalogOptions.h"

constexpr TvSNMPVarDef kMemberSwitchTable[] = {
    {"1.3.6.1.4.1.59371.12.8.1.3.1.1", "MS ID", synInteger, accIndex},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.2", "MS Device Name", synDisplayString, accReadOnly},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.3", "MS MAC Addr", synMacAddress, accReadOnly},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.4", "MS Firmware Ver", synDisplayString, accReadOnly},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.5", "MS Capability", synDisplayString, accReadOnly},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.6", "MS Platform", synDisplayString, accReadOnly},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.7", "MS Holdtime", synInteger, accReadOnly},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.8", "MS CAS Source", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.9", "MS Password", synDisplayString, accReadWrite},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.10", "MS Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef kMemberSwitchEntry[] = {
    {"1.3.6.1.4.1.59371.12.8.1.3.1.1", "ID", synInteger, accIndex},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.8", "Member Candidate Source", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.9", "Member Password", synDisplayString, accReadWrite},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.10", "Member Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};
