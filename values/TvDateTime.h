#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// SNMP DateAndTime (11 octets on the wire, year high octet first) and the 8-octet date-time real
// that counts days since 1899-12-30.
class TvDateTime {
public:
    std::uint16_t Year = 0;
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Minutes = 0;
    std::uint8_t Seconds = 0;
    std::uint8_t DeciSeconds = 0;
    char UtcDirection = '+';
    std::uint8_t UtcHours = 0;
    std::uint8_t UtcMinutes = 0;

    // The current local date and time, no offset.
    TvDateTime();
    // "y-m-d,h:m:s.d" with an optional ",+h:m" or ",-h:m"; fields the text does not supply are 0.
    explicit TvDateTime(std::string_view text);

    // The same text forms read strictly: the whole text is "y-m-d" optionally followed by ",h:m",
    // ",h:m:s" or ",h:m:s.d" and, after the full time, ",+h:m" or ",-h:m"; every field a real date
    // and time (leap years counted, UTC offset up to 14 hours). Anything else gives nothing, so that
    // an operator's typing is never sent as a different date.
    static std::optional<TvDateTime> ReadChecked(std::string_view text);

    // Wire octets: the first 11 are used; missing ones count as 0 (so the 8-octet form without
    // an offset reads as local time).
    static TvDateTime FromOctets(std::string_view octets);
    std::string ToOctets() const;

    // Exchanges the two year octets (host and network order).
    void SwapYear();
    std::string ToText() const;

    friend bool operator==(const TvDateTime&, const TvDateTime&) = default;

    // Date-time real: "yyyy/mm/dd hh:nn:ss am" on the 12-hour clock. Days outside the years 1 to
    // 9999, infinities and NaN have no text.
    static std::optional<std::string> DaysToText(double days);
    // Reads "yyyy/mm/dd[ hh:nn[:ss]][ am|pm]"; a text that is not a valid date gives nothing.
    static std::optional<double> TextToDays(std::string_view text);
    // The current local date-time as a day count.
    static double NowDays();

private:
    struct Uninitialised {};
    explicit TvDateTime(Uninitialised) {}
};
