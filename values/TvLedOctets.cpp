#include "values/TvLedOctets.h"

#include "base/ErrorCatalog.h"

namespace {

std::uint8_t Octet(std::string_view raw, size_t at) {
    return static_cast<std::uint8_t>(raw[at]);
}

TvLedState Missing(const TvSNMPLedColorMapList& map) {
    if (map.AbsentColor == kNoLedColor)
        RaiseError(errPartialIndex);
    return {map.AbsentColor, false};
}

} // namespace

TvLedState EvaluateLedOctets(std::string_view raw, int byteIndex, int ledMode, int headerLength,
                             const TvSNMPLedColorMapList& map) {
    if (byteIndex < 0 || static_cast<size_t>(byteIndex) >= raw.size())
        return Missing(map);
    const auto at = static_cast<size_t>(byteIndex);
    const std::uint8_t b = Octet(raw, at);
    if (ledMode != lmPaired || byteIndex < headerLength)
        return {map.ColorOf(b & map.ValueMask), (b & map.BlinkMask) != 0};
    if (b == 1) // absent port; a map without an absent colour shows it dark rather than as "no colour"
        return {map.AbsentColor == kNoLedColor ? map.OffColor : map.AbsentColor, false};
    // The colour octet must be there too: a state octet at the very end has nothing to show.
    if (at + 1 >= raw.size())
        return Missing(map);
    return {map.ColorOf(Octet(raw, at + 1) & map.ValueMask), (b & map.BlinkMask) != 0};
}
