#include "support/SimTables.h"

#include "catalog/CatalogOptions.h"
#include "values/TvOptionList.h"

namespace {
const TvOptionList optFdbStatus(TvOptionList::kIntegers, {{2, "invalid"}, {3, "learned"}, {4, "self"}});
} // namespace

constexpr TvSNMPVarDef kSimVlanStatic[] = {
    {" ", "Index", synGauge32, accIndex},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Static Name", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Static Egress Ports", synOctetHex, accReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Static Row Status", synInteger, accReadWrite, &optRowStatus},
    {nullptr},
};

constexpr TvSNMPVarDef kSimFdb[] = {
    {" ", "ID", synGauge32, accIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", synMacAddress, accIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", synInteger, accReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", synInteger, accReadOnly, &optFdbStatus},
    {nullptr},
};
