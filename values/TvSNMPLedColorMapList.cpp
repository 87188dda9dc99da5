#include "values/TvSNMPLedColorMapList.h"

TvSNMPLedColorMapList::TvSNMPLedColorMapList(const TvLedColorPair* table, std::uint8_t valueMask,
                                             std::uint8_t blinkMask, TvLedColor offColor,
                                             TvLedColor absentColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), OffColor(offColor), AbsentColor(absentColor) {
    for (const TvLedColorPair* p = table; p && p->Color != kNoLedColor; ++p)
        entries_.push_back(*p);
}

TvLedColor TvSNMPLedColorMapList::ColorOf(std::uint8_t key) const {
    for (const TvLedColorPair& e : entries_)
        if (e.Key == key)
            return e.Color;
    return kLedBlack;
}
