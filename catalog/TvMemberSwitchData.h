#pragma once

#include "base/TvSNMPVarDef.h"

// The member switch table of single-IP management.

// The listing: item type 3, one key column (MS ID).
extern const TvSNMPVarDef kMemberSwitchTable[];
// The entry dialog's columns, item type 1 with one key column: the row is addressed by the list's
// instance and the MS ID is never written.
extern const TvSNMPVarDef kMemberSwitchEntry[];

enum TvMemberSwitchEntryItem { msID = 0, msCandidate = 1, msPassword = 2, msRowStatus = 3 };

inline constexpr int kMemberSwitchTimeout = 500; // hundredths: a listing waits 5 s
