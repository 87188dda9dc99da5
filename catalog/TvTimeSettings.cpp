#include "catalog/TvTimeSettings.h"

#include "catalog/CatalogOptions.h"

const TvOptionList optSummerTimeStatus(TvOptionList::kIntegers,
                                       {{0, "disable"}, {1, "repeating"}, {2, "annual"}});
const TvOptionList optMonths(TvOptionList::kIntegers, {{1, "Jan"},
                                                       {2, "Feb"},
                                                       {3, "Mar"},
                                                       {4, "Apr"},
                                                       {5, "May"},
                                                       {6, "Jun"},
                                                       {7, "Jul"},
                                                       {8, "Aug"},
                                                       {9, "Sep"},
                                                       {10, "Oct"},
                                                       {11, "Nov"},
                                                       {12, "Dec"}});
const TvOptionList optWeeksOfMonth(TvOptionList::kIntegers,
                                   {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {0, "last"}});
const TvOptionList
    optWeekdays(TvOptionList::kIntegers,
                {{1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"}, {5, "Thu"}, {6, "Fri"}, {7, "Sat"}});

constexpr TvSNMPVarDef kSummerTime[] = {
    {"1.3.6.1.4.1.59371.12.10.12.1", "Status", synInteger, accReadWrite, &optSummerTimeStatus},
    {"1.3.6.1.4.1.59371.12.10.12.2", "Offset", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.10.12.3", "Time Start", synOctetHex, accReadWrite},
    {"1.3.6.1.4.1.59371.12.10.12.4", "Time End", synOctetHex, accReadWrite},
    {"1.3.6.1.4.1.59371.12.10.12.5", "Time Start", synOctetHex, accReadWrite},
    {"1.3.6.1.4.1.59371.12.10.12.6", "Time End", synOctetHex, accReadWrite},
    {},
};

constexpr TvSNMPVarDef kCurrentTime[] = {
    {"1.3.6.1.4.1.59371.12.10.1", "Time Capacity", synOctetHex, accReadOnly},
    {"1.3.6.1.4.1.59371.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", synDateAndTime,
     accReadWrite},
    {"1.3.6.1.4.1.59371.12.10.3", "Clock Reset On Reboot", synInteger, accReadOnly, &optTruthValue},
    {},
};
