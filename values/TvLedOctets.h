#pragma once

#include "values/TvSNMPLedColorMapList.h"

#include <string_view>

// What one LED shows after a reading.
struct TvLedState {
    TvLedColor Color = kLedBlack;
    bool Blinking = false;

    bool operator==(const TvLedState&) const = default;
};

// LED octet layouts of a status value.
enum TvLedMode : int {
    lmSingle = 1, // one octet per LED
    lmPaired = 2, // header octets of one LED each, then a state octet and a colour octet per LED
};

// The state of the LED at octet `byteIndex` of the raw status value. In paired mode an LED at or past
// `headerLength` reads its state octet there (1: absent port; otherwise the blink bits) and its colour
// from the next octet. A value too short for the LED's octets gives the map's absent colour, or raises
// -519 when the map has none.
TvLedState EvaluateLedOctets(std::string_view raw, int byteIndex, int ledMode, int headerLength,
                             const TvSNMPLedColorMapList& map);
