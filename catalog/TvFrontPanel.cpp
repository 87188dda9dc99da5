#include "catalog/TvFrontPanel.h"

#include "catalog/CatalogOptions.h"
#include "catalog/TvSpanningTree.h"

namespace {

constexpr TvLedColorPair kPowerColors[] = {{1, kLedGreen}, {2, kLedGreen}, {3, kLedGreen}, {0, kNoLedColor}};
constexpr TvLedColorPair kConsoleColors[] = {
    {1, kLedBlack}, {2, kLedGreen}, {3, kLedBlack}, {0, kNoLedColor}};
constexpr TvLedColorPair kPortColors[] = {{0, kLedBlack}, {1, kLedOrange}, {2, kLedGreen}, {0, kNoLedColor}};
constexpr TvLedColorPair kComboColors[] = {{0, kLedBlack}, {1, kLedOrange}, {2, kLedOrange},
                                           {3, kLedGreen}, {4, kLedGreen},  {0, kNoLedColor}};

} // namespace

const TvSNMPLedColorMapList PowerLedColors(kPowerColors, 0xFF, 0, kLedBlack, kLedBlack);
const TvSNMPLedColorMapList ConsoleLedColors(kConsoleColors, 0xFF, 0, kLedBlack, kLedBlack);
const TvSNMPLedColorMapList PortLedColors(kPortColors, 7, 0x80, kLedBlack, kLedBlack);
const TvSNMPLedColorMapList ComboLedColors(kComboColors, 7, 0x80, kLedBlack, kLedBlack);

constexpr TvSNMPVarDef kFrontPanelLedStatus[] = {
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.5", "Front Panel LED Status", synDisplayString, accReadOnly},
    {},
};

constexpr TvSNMPVarDef kRmonState[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.3", "RMON State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef kStpVersion[] = {
    {"1.3.6.1.4.1.59371.12.15.1.2", "Version", synInteger, accReadWrite, &optStpVersion},
    {},
};

namespace {

// Ports 1-12 and 13-24 sit at the odd octets: each port's state octet is followed by its colour octet.
constexpr TvLedPanelRow kPanels[] = {
    {"PowerLedPanel", 66, 36, 7, 7, "0", &PowerLedColors, 1, 10},
    {"ConsoleLedPanel", 66, 52, 7, 7, "1", &ConsoleLedColors, 1, 10},
    {"LedPanel1", 432, 6, 159, 7, "3,5,7,9,11,13,15,17,19,21,23,25", &PortLedColors, 0, 8},
    {"LedPanel2", 618, 6, 162, 7, "27,29,31,33,35,37,39,41,43,45,47,49", &PortLedColors, 0, 8},
    {"Combo1Panel", 803, 6, 7, 7, "51", &ComboLedColors, 0, 10},
    {"Combo2Panel", 852, 6, 7, 7, "53", &ComboLedColors, 0, 10},
    {"GEPanel1", 115, 36, 7, 7, "55", &ComboLedColors, 0, 10},
    {"GEPanel2", 115, 70, 7, 7, "57", &ComboLedColors, 0, 10},
};

} // namespace

std::span<const TvLedPanelRow> FrontPanelLedPanels() {
    return kPanels;
}
