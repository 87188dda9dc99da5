#pragma once

#include "base/TvSNMPVarDef.h"
#include "values/TvSNMPLedColorMapList.h"

#include <span>

// Data of the main window's front panel: the LED status object, the colour maps, the LED panels on
// the picture, and the RMON state object the window tracks.

extern const TvSNMPLedColorMapList PowerLedColors;
extern const TvSNMPLedColorMapList ConsoleLedColors;
extern const TvSNMPLedColorMapList PortLedColors;
extern const TvSNMPLedColorMapList ComboLedColors;

// "Front Panel LED Status", read with item type 1 at instance "1".
extern const TvSNMPVarDef kFrontPanelLedStatus[];
inline constexpr const char* kFrontPanelInstance = "1";
inline constexpr const char* kFrontPanelListName = " Led Status"; // the blank shows after "Request:"
// Octets before this index are single-octet LEDs (power, console, spare); then pairs per port.
inline constexpr int kFrontPanelHeaderLength = 3;
inline constexpr int kFrontPanelTimeout = 300;      // hundredths: one try of a poll waits 3 s
inline constexpr int kFrontPanelPollInterval = 300; // tens of milliseconds: a poll every 3 s

// "RMON State": item type 0, options "disabled" (2) and "enabled" (3).
extern const TvSNMPVarDef kRmonState[];

// "Version" of the spanning tree, read into the main window's stSTP: item type 0, options 0 "stp",
// 1 "rstp", 2 "mstp".
extern const TvSNMPVarDef kStpVersion[];

// One panel of LEDs on the picture, in build order.
struct TvLedPanelRow {
    const char* Name;
    int Left, Top, Width, Height;
    const char* Octets; // comma-separated octet indexes of the status value, one LED each
    const TvSNMPLedColorMapList* Map;
    int FirstLeft; // left of the first LED inside the panel
    int Gap;       // pixels between two LEDs
};

std::span<const TvLedPanelRow> FrontPanelLedPanels();

inline constexpr int kLedSize = 6;
