#pragma once

#include "base/TvSNMPVarDef.h"
#include "values/TvOptionList.h"

// Data of the spanning tree window.

extern const TvOptionList optStpVersion; // 0 stp, 1 rstp, 2 mstp

// All seven global parameters, item type 0: Version, Max Age, Hello Time, Forward Delay, Max Hops,
// TX Hold Count, Forward BPDU.
extern const TvSNMPVarDef kStpParameters[];
enum TvStpRow : int {
    stpVersion = 0,
    stpMaxAge = 1,
    stpHelloTime = 2,
    stpForwardDelay = 3,
    stpMaxHops = 4,
    stpTxHoldCount = 5,
    stpForwardBpdu = 6,
    stpRowCount = 7,
};
// The same without Hello Time, which MSTP does not take: Version, Max Age, Forward Delay, Max Hops,
// TX Hold Count, Forward BPDU.
extern const TvSNMPVarDef kStpMstpParameters[];

inline constexpr const char* kStpMaxAgeFormat = "%i{n600x4000l4a}";
inline constexpr const char* kStpHelloTimeFormat = "%i{n100x1000l4a}";
inline constexpr const char* kStpForwardDelayFormat = "%i{n400x3000l4a}";
inline constexpr const char* kStpMaxHopsFormat = "%i{n1x20l2a}";
inline constexpr const char* kStpTxHoldCountFormat = "%i{n1x10l2a}";
inline constexpr int kStpTimeout = 300; // hundredths of a second
