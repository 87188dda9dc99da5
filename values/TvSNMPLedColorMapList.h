#pragma once

#include <cstdint>
#include <span>
#include <vector>

// LED colours: red in the lowest octet, then green, then blue.
using TvLedColor = std::uint32_t;
// "No such colour": a map without an absent colour fails a reading that is too short for an LED.
inline constexpr TvLedColor kNoLedColor = 0xFFFFFFFFu;

inline constexpr TvLedColor kLedBlack = 0x000000;
inline constexpr TvLedColor kLedGreen = 0x00FF00;
inline constexpr TvLedColor kLedOrange = 0x4080FF;

// One entry of a colour map's table; a table ends with an entry whose colour is kNoLedColor.
struct TvLedColorPair {
    std::uint8_t Key;
    TvLedColor Color;
};

// Turns LED octets into colours: which bits pick the colour, which make the LED blink, and the colours
// of a dark and of an absent LED.
class TvSNMPLedColorMapList {
public:
    TvSNMPLedColorMapList(const TvLedColorPair* table, std::uint8_t valueMask, std::uint8_t blinkMask,
                          TvLedColor offColor, TvLedColor absentColor);

    std::uint8_t ValueMask;
    std::uint8_t BlinkMask;
    TvLedColor OffColor;
    TvLedColor AbsentColor;

    // Colour of the first entry with `key`; black when none has it.
    TvLedColor ColorOf(std::uint8_t key) const;
    std::span<const TvLedColorPair> Entries() const { return entries_; }

private:
    std::vector<TvLedColorPair> entries_;
};
