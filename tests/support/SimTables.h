#pragma once

#include "base/TvSNMPVarDef.h"

// Descriptor tables of the simulated switch's default data that several GUI tests bind.

// dot1qVlanStaticTable with its row-status column: rows 1 and 2.
extern const TvSNMPVarDef kSimVlanStatic[];
// dot1qTpFdbTable: 4000 learned addresses, keyed by FDB ID (index-only) and MAC address.
extern const TvSNMPVarDef kSimFdb[];
