#include "values/TvDateTime.h"

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

const std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);
constexpr std::int64_t kMsPerDay = 86400000;

bool IsLeap(std::int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned DaysInMonth(std::int64_t y, unsigned m) {
    static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// sscanf "%d": blanks, sign, at least one digit; accumulated modulo 2^32 so overflow is defined.
bool ScanInt(std::string_view s, size_t& pos, int& out) {
    size_t i = pos;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i >= s.size() || s[i] < '0' || s[i] > '9')
        return false;
    std::uint32_t v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        v = v * 10u + static_cast<std::uint32_t>(s[i] - '0');
    out = static_cast<int>(negative ? 0u - v : v);
    pos = i;
    return true;
}

// A tiny sscanf for formats made of "%d" and literal characters; returns the numbers read.
int Scan(std::string_view s, std::string_view format, int* values) {
    size_t pos = 0;
    int n = 0;
    for (size_t f = 0; f < format.size(); ++f) {
        if (format[f] == '%' && f + 1 < format.size() && format[f + 1] == 'd') {
            if (!ScanInt(s, pos, values[n]))
                return n;
            ++n;
            ++f;
        } else {
            if (pos >= s.size() || s[pos] != format[f])
                return n;
            ++pos;
        }
    }
    return n;
}

// Reads an unsigned decimal field of at least one digit.
bool ReadField(std::string_view s, size_t& pos, unsigned& out) {
    if (pos >= s.size() || !std::isdigit(static_cast<unsigned char>(s[pos])))
        return false;
    unsigned v = 0;
    for (; pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])); ++pos) {
        v = v * 10 + static_cast<unsigned>(s[pos] - '0');
        if (v > 100000)
            return false;
    }
    out = v;
    return true;
}

void SkipBlanks(std::string_view s, size_t& pos) {
    while (pos < s.size() && std::isspace(static_cast<unsigned char>(s[pos])))
        ++pos;
}

} // namespace

TvDateTime::TvDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    Year = static_cast<std::uint16_t>(tm.tm_year + 1900);
    Month = static_cast<std::uint8_t>(tm.tm_mon + 1);
    Day = static_cast<std::uint8_t>(tm.tm_mday);
    Hour = static_cast<std::uint8_t>(tm.tm_hour);
    Minutes = static_cast<std::uint8_t>(tm.tm_min);
    Seconds = static_cast<std::uint8_t>(tm.tm_sec);
}

TvDateTime::TvDateTime(std::string_view text) {
    int v[9] = {};
    char direction = '+';
    if (Scan(text, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", v) == 9) {
        direction = '+';
    } else if (int w[9] = {}; Scan(text, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", w) == 9) {
        for (int i = 0; i < 9; ++i)
            v[i] = w[i];
        direction = '-';
    } else {
        for (int& x : v)
            x = 0;
        Scan(text, "%d-%d-%d,%d:%d:%d.%d", v);
    }
    Year = static_cast<std::uint16_t>(v[0]);
    Month = static_cast<std::uint8_t>(v[1]);
    Day = static_cast<std::uint8_t>(v[2]);
    Hour = static_cast<std::uint8_t>(v[3]);
    Minutes = static_cast<std::uint8_t>(v[4]);
    Seconds = static_cast<std::uint8_t>(v[5]);
    DeciSeconds = static_cast<std::uint8_t>(v[6]);
    UtcDirection = direction;
    UtcHours = static_cast<std::uint8_t>(v[7]);
    UtcMinutes = static_cast<std::uint8_t>(v[8]);
}

std::optional<TvDateTime> TvDateTime::ReadChecked(std::string_view text) {
    size_t pos = 0;
    SkipBlanks(text, pos);
    unsigned f[9] = {};
    auto literal = [&](char c) {
        if (pos < text.size() && text[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    };
    // y-m-d
    if (!ReadField(text, pos, f[0]) || !literal('-') || !ReadField(text, pos, f[1]) || !literal('-') ||
        !ReadField(text, pos, f[2]))
        return std::nullopt;
    char direction = '+';
    if (literal(',')) {
        if (!ReadField(text, pos, f[3]) || !literal(':') || !ReadField(text, pos, f[4]))
            return std::nullopt;
        if (literal(':')) {
            if (!ReadField(text, pos, f[5]))
                return std::nullopt;
            if (literal('.')) {
                if (!ReadField(text, pos, f[6]))
                    return std::nullopt;
                if (literal(',')) {
                    if (literal('+'))
                        direction = '+';
                    else if (literal('-'))
                        direction = '-';
                    else
                        return std::nullopt;
                    if (!ReadField(text, pos, f[7]) || !literal(':') || !ReadField(text, pos, f[8]))
                        return std::nullopt;
                }
            }
        }
    }
    SkipBlanks(text, pos);
    if (pos != text.size())
        return std::nullopt;
    if (f[0] > 0xFFFF || f[1] < 1 || f[1] > 12 || f[2] < 1 || f[2] > DaysInMonth(f[0], f[1]) || f[3] > 23 ||
        f[4] > 59 || f[5] > 60 || f[6] > 9 || f[7] > 14 || f[8] > 59)
        return std::nullopt;
    TvDateTime t{Uninitialised{}};
    t.Year = static_cast<std::uint16_t>(f[0]);
    t.Month = static_cast<std::uint8_t>(f[1]);
    t.Day = static_cast<std::uint8_t>(f[2]);
    t.Hour = static_cast<std::uint8_t>(f[3]);
    t.Minutes = static_cast<std::uint8_t>(f[4]);
    t.Seconds = static_cast<std::uint8_t>(f[5]);
    t.DeciSeconds = static_cast<std::uint8_t>(f[6]);
    t.UtcDirection = direction;
    t.UtcHours = static_cast<std::uint8_t>(f[7]);
    t.UtcMinutes = static_cast<std::uint8_t>(f[8]);
    return t;
}

TvDateTime TvDateTime::FromOctets(std::string_view octets) {
    unsigned char o[11] = {};
    for (size_t i = 0; i < 11 && i < octets.size(); ++i)
        o[i] = static_cast<unsigned char>(octets[i]);
    TvDateTime t{Uninitialised{}};
    t.Year = static_cast<std::uint16_t>(o[0] << 8 | o[1]);
    t.Month = o[2];
    t.Day = o[3];
    t.Hour = o[4];
    t.Minutes = o[5];
    t.Seconds = o[6];
    t.DeciSeconds = o[7];
    t.UtcDirection = static_cast<char>(o[8]);
    t.UtcHours = o[9];
    t.UtcMinutes = o[10];
    return t;
}

std::string TvDateTime::ToOctets() const {
    std::string o(11, '\0');
    o[0] = static_cast<char>(Year >> 8);
    o[1] = static_cast<char>(Year & 0xff);
    o[2] = static_cast<char>(Month);
    o[3] = static_cast<char>(Day);
    o[4] = static_cast<char>(Hour);
    o[5] = static_cast<char>(Minutes);
    o[6] = static_cast<char>(Seconds);
    o[7] = static_cast<char>(DeciSeconds);
    o[8] = UtcDirection;
    o[9] = static_cast<char>(UtcHours);
    o[10] = static_cast<char>(UtcMinutes);
    return o;
}

void TvDateTime::SwapYear() {
    Year = static_cast<std::uint16_t>((Year >> 8) | (Year << 8));
}

std::string TvDateTime::ToText() const {
    char buf[96];
    if ((UtcHours != 0 || UtcMinutes != 0) && (UtcDirection == '+' || UtcDirection == '-'))
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", Year, Month, Day, Hour, Minutes,
                      Seconds, DeciSeconds, UtcDirection, UtcHours, UtcMinutes);
    else
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds,
                      DeciSeconds);
    return buf;
}

std::optional<std::string> TvDateTime::DaysToText(double days) {
    // Years 1 to 9999, as the original date type allows.
    if (!std::isfinite(days) || days < -693594.0 || days >= 2958466.0)
        return std::nullopt;
    // Negative counts keep the time of day as a positive fraction, as the original date type does.
    const double whole = std::trunc(days);
    std::int64_t day = static_cast<std::int64_t>(whole);
    std::int64_t ms = std::llround(std::fabs(days - whole) * static_cast<double>(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++day;
    }
    std::int64_t y = 0;
    unsigned m = 0;
    unsigned d = 0;
    CivilFromDays(day + kEpoch, y, m, d);
    if (y < 1 || y > 9999)
        return std::nullopt;
    const auto secs = static_cast<unsigned>(ms / 1000);
    const unsigned h = secs / 3600;
    const unsigned h12 = h % 12 == 0 ? 12 : h % 12;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02u/%02u %02u:%02u:%02u %s", static_cast<int>(y), m, d, h12,
                  secs / 60 % 60, secs % 60, h < 12 ? "am" : "pm");
    return std::string(buf);
}

std::optional<double> TvDateTime::TextToDays(std::string_view text) {
    size_t pos = 0;
    SkipBlanks(text, pos);
    unsigned y = 0;
    unsigned m = 0;
    unsigned d = 0;
    if (!ReadField(text, pos, y) || pos >= text.size() || text[pos++] != '/' || !ReadField(text, pos, m) ||
        pos >= text.size() || text[pos++] != '/' || !ReadField(text, pos, d))
        return std::nullopt;
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m))
        return std::nullopt;
    unsigned h = 0;
    unsigned n = 0;
    unsigned s = 0;
    SkipBlanks(text, pos);
    const bool hasTime = pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]));
    if (hasTime) {
        if (!ReadField(text, pos, h) || pos >= text.size() || text[pos++] != ':' || !ReadField(text, pos, n))
            return std::nullopt;
        if (pos < text.size() && text[pos] == ':') {
            ++pos;
            if (!ReadField(text, pos, s))
                return std::nullopt;
        }
        SkipBlanks(text, pos);
        if (pos + 2 <= text.size()) {
            const char a = static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos])));
            const char b = static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos + 1])));
            if ((a == 'a' || a == 'p') && b == 'm') {
                if (h < 1 || h > 12)
                    return std::nullopt;
                h = h % 12 + (a == 'p' ? 12 : 0);
                pos += 2;
                SkipBlanks(text, pos);
            }
        }
        if (h > 23 || n > 59 || s > 59)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    const std::int64_t day = DaysFromCivil(y, m, d) - kEpoch;
    const double frac = (h * 3600.0 + n * 60.0 + s) / 86400.0;
    // Before the epoch the fraction counts forward from the day, as in DaysToText.
    return day >= 0 ? static_cast<double>(day) + frac : static_cast<double>(day) - frac;
}

double TvDateTime::NowDays() {
    const TvDateTime now;
    const std::int64_t day = DaysFromCivil(now.Year, now.Month, now.Day) - kEpoch;
    return static_cast<double>(day) + (now.Hour * 3600.0 + now.Minutes * 60.0 + now.Seconds) / 86400.0;
}
