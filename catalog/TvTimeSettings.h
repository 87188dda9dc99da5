#pragma once

#include "base/TvSNMPVarDef.h"
#include "values/TvOptionList.h"

// Data of the summer time and current time windows.

// Summer time rule, item type 0, rows in this order: Status, Offset, repeating Time Start and Time End
// (6 octets), annual Time Start and Time End (4 octets).
extern const TvSNMPVarDef kSummerTime[];
enum TvSummerTimeRow : int {
    stStatus = 0,
    stOffset = 1,
    stRepeatStart = 2,
    stRepeatEnd = 3,
    stAnnualStart = 4,
    stAnnualEnd = 5,
    stRowCount = 6,
};
inline constexpr const char* kSummerTimeOffsetFormat = "%i{n30x120l3}";
inline constexpr int kSummerTimeValueWidth = 240;

// Repeating rule (rows 2 and 3): week at octet 0, weekday at octets 1-2 (network order), month at 3,
// hour at 4, minute at 5. Annual rule (rows 4 and 5): day at 0, month at 1, hour at 2, minute at 3.
inline constexpr int kRepeatWeekOctet = 0;
inline constexpr int kRepeatWeekdayOctet = 1;
inline constexpr int kRepeatMonthOctet = 3;
inline constexpr int kRepeatHourOctet = 4;
inline constexpr int kRepeatMinuteOctet = 5;
inline constexpr int kAnnualDayOctet = 0;
inline constexpr int kAnnualMonthOctet = 1;
inline constexpr int kAnnualHourOctet = 2;
inline constexpr int kAnnualMinuteOctet = 3;

extern const TvOptionList optSummerTimeStatus; // 0 disable, 1 repeating, 2 annual
extern const TvOptionList optMonths;           // 1 Jan .. 12 Dec
extern const TvOptionList optWeeksOfMonth;     // 1st .. 4th, 0 last
extern const TvOptionList optWeekdays;         // 1 Sun .. 7 Sat

// Current time: Time Capacity (hex, read-only), Current Clock (DateAndTime), Clock Reset On Reboot
// (read-only, 1 true, 2 false); item type 0.
extern const TvSNMPVarDef kCurrentTime[];
inline constexpr const char* kCurrentClockFormat = "%s{l22}";
