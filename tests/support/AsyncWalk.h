#pragma once

#include "snmp/TvSNMPRequest.h"
#include "support/PumpUntil.h"

#include <functional>
#include <optional>

// An asynchronous walk of `request` from its first row, as the windows read: `onRow` sees each row and
// says whether to go on. Returns the outcome that ended the walk (an error, or Finished); none when
// `onRow` stopped it or `ms` passed.
inline std::optional<TvSNMPError>
AsyncWalk(TvSNMPRequest& request, const std::function<bool(const TvSNMPVarList&)>& onRow, int ms = 15000) {
    std::optional<TvSNMPError> end;
    bool stopped = false;
    TvSNMPRequest::Callback step = [&](TvSNMPError& e, TvSNMPVarList& l) {
        if (e.Code != 0 || e.Finished)
            end = e;
        else if (!onRow(l))
            stopped = true;
        else
            request.GetAsync(step, false);
    };
    request.GetAsync(step, true);
    PumpUntil([&] { return end || stopped; }, ms);
    return end;
}
