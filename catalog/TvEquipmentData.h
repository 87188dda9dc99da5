#pragma once

#include "base/TvSNMPVarDef.h"
#include "values/TvOptionList.h"

// Equipment basic information: scalars under 1.3.6.1.4.1.59371.12.11.1, item type 0.
extern const TvSNMPVarDef kEquipmentBasicInfo[];
// "Equipment Capacity" shown in hexadecimal: "40" is "Redundant Power".
extern const TvOptionList optEquipmentCapacity;
