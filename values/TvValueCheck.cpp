#include "values/TvValueCheck.h"

#include "base/TvHexDigit.h"
#include "base/TvSNMPVarDef.h"
#include "values/TvDateTime.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <strings.h>
#include <vector>

namespace {

std::string_view Trim(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHex(char c) {
    return TvHexDigit(c) >= 0;
}

// A run of decimal digits no larger than `max`; an optional leading "-" when `min` is negative.
bool Whole(std::string_view t, long double min, long double max) {
    t = Trim(t);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || t.size() > 20)
        return false;
    long double v = 0;
    for (char c : t) {
        if (!IsDigit(c))
            return false;
        v = v * 10 + (c - '0');
    }
    if (negative)
        v = -v;
    return v >= min && v <= max;
}

// Numbers separated by `separator`, each from 0 to `max`; `count` of them (0: any count from 2).
bool Dotted(std::string_view t, char separator, std::uint64_t max, size_t count) {
    t = Trim(t);
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= t.size(); ++i)
        if (i == t.size() || t[i] == separator) {
            parts.push_back(t.substr(start, i - start));
            start = i + 1;
        }
    if (count ? parts.size() != count : parts.size() < 2)
        return false;
    for (std::string_view p : parts) {
        if (p.empty() || p.size() > 10)
            return false;
        std::uint64_t v = 0;
        for (char c : p) {
            if (!IsDigit(c))
                return false;
            v = v * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (v > max)
            return false;
    }
    return true;
}

// Hexadecimal digits, blanks between octets allowed; `octets` of them (0: any whole number of octets).
bool Hex(std::string_view t, size_t octets) {
    size_t digits = 0;
    for (char c : t) {
        if (c == ' ')
            continue;
        if (!IsHex(c))
            return false;
        ++digits;
    }
    if (digits % 2 != 0)
        return false;
    return octets == 0 || digits == 2 * octets;
}

// "y-m-d,h:m:s.d" with an optional ",+h:m" or ",-h:m", every field within its calendar range.
bool DateAndTime(std::string_view t) {
    t = Trim(t);
    std::vector<long> f;
    std::vector<char> seps;
    long v = -1;
    for (char c : t) {
        if (IsDigit(c)) {
            v = (v < 0 ? 0 : v) * 10 + (c - '0');
            if (v > 65535)
                return false;
            continue;
        }
        if (v < 0 && !(c == '+' || c == '-'))
            return false;
        if (v >= 0)
            f.push_back(v);
        v = -1;
        seps.push_back(c);
    }
    if (v < 0)
        return false;
    f.push_back(v);
    const std::string got(seps.begin(), seps.end());
    const bool plain = got == "--,::" || got == "--,::.";
    // The zone is read only after the tenths.
    const bool zoned = got == "--,::.,+:" || got == "--,::.,-:";
    if (!plain && !zoned)
        return false;
    const bool deci = got.find('.') != std::string::npos;
    const size_t fields = 6 + (deci ? 1 : 0) + (zoned ? 2 : 0);
    if (f.size() != fields)
        return false;
    const long max[] = {65535, 12, 31, 23, 59, 60};
    const long min[] = {0, 1, 1, 0, 0, 0};
    for (size_t i = 0; i < 6; ++i)
        if (f[i] < min[i] || f[i] > max[i])
            return false;
    size_t k = 6;
    if (deci && f[k++] > 9)
        return false;
    if (zoned && (f[k] > 13 || f[k + 1] > 59))
        return false;
    return true;
}

// A run of digits at `from` (exactly `width` of them when given) read into `value`; `from` moves past it.
bool Digits(std::string_view t, size_t& from, std::uint64_t& value, size_t width = 0) {
    const size_t start = from;
    value = 0;
    while (from < t.size() && IsDigit(t[from]) && from - start < 10)
        value = value * 10 + static_cast<std::uint64_t>(t[from++] - '0');
    const size_t n = from - start;
    return n > 0 && (width == 0 || n == width) && !(from < t.size() && IsDigit(t[from]));
}

bool Literal(std::string_view t, size_t& from, std::string_view word) {
    if (t.substr(from, word.size()) != word)
        return false;
    from += word.size();
    return true;
}

// Time ticks as the program shows them: "H:MM:SS.hh", "1 day H:MM:SS.hh" or "N days, H:MM:SS.hh", within
// 32 bits of hundredths.
bool Ticks(std::string_view t) {
    t = Trim(t);
    size_t at = 0;
    std::uint64_t days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;
    if (t.find(" day") != std::string_view::npos) {
        if (!Digits(t, at, days) || !Literal(t, at, " day"))
            return false;
        Literal(t, at, "s");
        Literal(t, at, ",");
        if (!Literal(t, at, " "))
            return false;
    }
    if (!Digits(t, at, hours) || !Literal(t, at, ":") || !Digits(t, at, minutes, 2) || !Literal(t, at, ":") ||
        !Digits(t, at, seconds, 2) || !Literal(t, at, ".") || !Digits(t, at, hundredths, 2) || at != t.size())
        return false;
    if (hours > 23 || minutes > 59 || seconds > 59)
        return false;
    return days * 8640000 + hours * 360000 + minutes * 6000 + seconds * 100 + hundredths <= 4294967295u;
}

// A finite number strtod reads to its end.
bool Real(std::string_view t) {
    const std::string s(Trim(t));
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    return !s.empty() && end == s.c_str() + s.size() && std::isfinite(v);
}

} // namespace

std::optional<std::string> TvValueCheck::Broken(std::string_view text, int syntax) {
    if (Trim(text).empty() || text == "(NULL)" || text == "(NOTDONE)")
        return std::nullopt;
    switch (syntax) {
    case synIpAddress:
    case synNsapAddress:
        if (!Dotted(text, '.', 255, 4))
            return "an IP address: four numbers from 0 to 255 separated by points";
        break;
    case synMacAddress:
        if (!Hex(text, 6))
            return "a MAC address: six octets of two hexadecimal digits, such as 001A2B3C4D5E";
        break;
    case synOctet16:
        if (!Hex(text, 16))
            return "sixteen octets of two hexadecimal digits";
        break;
    case synOctetHex:
    case synOctetString:
    case synOpaque:
        if (!Hex(text, 0))
            return "octets of two hexadecimal digits each";
        break;
    case synInteger:
        if (!Whole(text, -2147483648.0L, 2147483647.0L))
            return "a whole number from -2147483648 to 2147483647";
        break;
    case synCounter32:
    case synGauge32:
    case synUInteger32:
        if (!Whole(text, 0, 4294967295.0L))
            return "a whole number from 0 to 4294967295";
        break;
    case synCounter64:
        if (!Whole(text, 0, 18446744073709551615.0L))
            return "a whole number from 0 to 18446744073709551615";
        break;
    case synObjectId:
        if (!Dotted(text, '.', 4294967295u, 0))
            return "an object identifier: numbers from 0 to 4294967295 separated by points";
        break;
    case synDateAndTime:
        if (!DateAndTime(text))
            return "a date and time such as 2026-12-10,13:45:00.0 or 2026-12-10,13:45:00.0,+1:0";
        break;
    case synTruthValue:
        if (strcasecmp(std::string(Trim(text)).c_str(), "true") != 0 &&
            strcasecmp(std::string(Trim(text)).c_str(), "false") != 0)
            return "true or false";
        break;
    case synTimeTicks:
        if (!Ticks(text))
            return "a time such as 3:07:09.05, 1 day 0:00:00.00 or 2 days, 0:00:00.04";
        break;
    case synReal:
        if (!Real(text))
            return "a number such as 2.5 or -1e-3";
        break;
    case synDateTimeReal:
        if (!TvDateTime::TextToDays(text))
            return "a date and time such as 2008/01/23 12:00:00 pm";
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::string TvValueCheck::Message(std::string_view label, std::string_view text, std::string_view rule) {
    return "\"" + std::string(label) + "\": \"" + std::string(text) + "\" is not " + std::string(rule) + ".";
}
