#include "base/TvException.h"
#include "values/TvLedOctets.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

// The LED status octets come from the switch. The first octets of the input choose the LED (its octet
// index, the layout, the header length) and a colour map (masks, colours, an absent colour or none);
// the rest is the status value. Every LED reads a colour of the map, or the map's absent colour for a
// value too short; only a map without an absent colour may refuse a short value, and with -519.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 7)
        return 0;
    const int byteIndex = static_cast<std::int8_t>(data[0]) * 3; // reaches before, inside and past the value
    const int mode = data[1] % 3;                                // lmSingle, lmPaired, and one of neither
    const int header = static_cast<std::int8_t>(data[2]);
    const std::uint8_t valueMask = data[3], blinkMask = data[4];
    const int entries = data[5] % 8;
    const bool hasAbsent = data[6] & 1;
    std::vector<TvLedColorPair> table;
    for (int i = 0; i < entries; ++i)
        table.push_back({static_cast<std::uint8_t>(i * 37), 0x010101u * static_cast<TvLedColor>(i + 1)});
    table.push_back({0, kNoLedColor});
    constexpr TvLedColor kOff = 0x202020, kAbsent = 0x303030;
    const TvSNMPLedColorMapList map(table.data(), valueMask, blinkMask, kOff,
                                    hasAbsent ? kAbsent : kNoLedColor);
    const std::string_view raw(reinterpret_cast<const char*>(data + 7), size - 7);

    TvLedState state;
    try {
        state = EvaluateLedOctets(raw, byteIndex, mode, header, map);
    } catch (const TvException& e) {
        if (hasAbsent || e.Code() != -519)
            std::abort();
        return 0;
    }
    bool known = state.Color == kLedBlack || state.Color == kOff || state.Color == kAbsent;
    for (const TvLedColorPair& e : map.Entries())
        known = known || state.Color == e.Color;
    if (!known || (state.Color == kAbsent && !hasAbsent))
        std::abort();
    if (byteIndex < 0 || static_cast<size_t>(byteIndex) >= raw.size()) {
        if (state.Color != kAbsent || state.Blinking)
            std::abort();
    }
    return 0;
}
