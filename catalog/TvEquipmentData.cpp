#include "catalog/TvEquipmentData.h"

const TvOptionList optEquipmentCapacity(TvOptionList::kStrings, {{"40", "Redundant Power"}});

constexpr TvSNMPVarDef kEquipmentBasicInfo[] = {
    {"1.3.6.1.4.1.59371.12.11.1.1", "Equipment Capacity", synOctetHex, accReadOnly, &optEquipmentCapacity},
    {"1.3.6.1.4.1.59371.12.11.1.9.1", "Stacking Version", synInteger, accReadOnly},
    {"1.3.6.1.4.1.59371.12.11.1.9.2", "Max SupportedUnits", synInteger, accReadOnly},
    {"1.3.6.1.4.1.59371.12.11.1.9.3", "Num Of Unit", synInteger, accReadOnly},
    {},
};
