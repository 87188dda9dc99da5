#include "values/TvValueText.h"

#include "base/TvHexDigit.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Any other character than a hex digit counts as 0: the reading is total.
int Nibble(char c) {
    const int digit = TvHexDigit(c);
    return digit < 0 ? 0 : digit;
}

// Reads the next sub-identifier of a dotted OID from `pos`; false at the end. Values past 2^32 are held at
// 2^32, which no valid OID reaches.
bool NextSubId(std::string_view text, size_t& pos, std::uint64_t& out) {
    while (pos < text.size() && !IsDigit(text[pos]))
        ++pos;
    if (pos == text.size())
        return false;
    std::uint64_t n = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        n = std::min<std::uint64_t>(n * 10 + static_cast<unsigned>(text[pos] - '0'), 0x100000000ull);
    out = n;
    return true;
}

// Length of the common beginning of two texts, eight octets at a time.
size_t CommonPrefix(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= n; i += 8) {
            std::uint64_t x = 0, y = 0;
            std::memcpy(&x, a.data() + i, 8);
            std::memcpy(&y, b.data() + i, 8);
            if (x != y)
                return i + static_cast<size_t>(std::countr_zero(x ^ y) / 8);
        }
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

constexpr std::uint32_t kTicksPerDay = 8640000;

} // namespace

std::string TvValueText::OctetsToHex(std::string_view octets) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(octets.size() * 2);
    for (char c : octets) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0f];
    }
    return out;
}

std::string TvValueText::HexToOctets(std::string_view text) {
    std::string digits;
    digits.reserve(text.size());
    for (char c : text)
        if (!IsBlank(c))
            digits += c;
    std::string out;
    size_t i = 0;
    if (digits.size() % 2 == 1) {
        out += static_cast<char>(Nibble(digits[0]));
        i = 1;
    }
    for (; i + 1 < digits.size(); i += 2)
        out += static_cast<char>(Nibble(digits[i]) * 16 + Nibble(digits[i + 1]));
    return out;
}

std::int32_t TvValueText::Atol(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t v = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        v = v * 10u + static_cast<std::uint32_t>(text[i] - '0');
    if (negative)
        v = 0u - v;
    return static_cast<std::int32_t>(v);
}

std::uint64_t TvValueText::AtoU64(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t v = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        v = v * 10u + static_cast<std::uint64_t>(text[i] - '0');
    return negative ? 0u - v : v;
}

std::optional<std::int32_t> TvValueText::StrictInteger(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    bool negative = false;
    if (b < e && (text[b] == '+' || text[b] == '-')) {
        negative = text[b] == '-';
        ++b;
    }
    if (b == e)
        return std::nullopt;
    std::int64_t v = 0;
    for (size_t i = b; i < e; ++i) {
        if (!IsDigit(text[i]))
            return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::string TvValueText::TicksToText(std::uint32_t ticks) {
    const unsigned long days = ticks / kTicksPerDay;
    unsigned long rest = ticks % kTicksPerDay;
    const unsigned long hours = rest / 360000;
    rest %= 360000;
    const unsigned long minutes = rest / 6000;
    rest %= 6000;
    const unsigned long seconds = rest / 100;
    const unsigned long hundredths = rest % 100;
    char buf[64];
    if (days == 0)
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else if (days == 1)
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds,
                      hundredths);
    return buf;
}

std::uint32_t TvValueText::TextToTicks(std::string_view text) {
    std::uint32_t total = 0;
    auto add = [&total](std::int32_t n, std::uint32_t unit) {
        total += static_cast<std::uint32_t>(n) * unit;
    };
    std::string_view s = text;
    size_t word = s.find("days");
    size_t wordLen = 4;
    if (word == std::string_view::npos) {
        word = s.find("day");
        wordLen = 3;
    }
    if (word != std::string_view::npos) {
        add(Atol(s.substr(0, word)), kTicksPerDay);
        s = s.substr(word + wordLen);
    }
    if (const size_t comma = s.find(','); comma != std::string_view::npos)
        s = s.substr(comma + 1);
    size_t colon = s.find(':');
    if (colon == std::string_view::npos)
        return total;
    add(Atol(s.substr(0, colon)), 360000);
    s = s.substr(colon + 1);
    colon = s.find(':');
    if (colon == std::string_view::npos)
        return total;
    add(Atol(s.substr(0, colon)), 6000);
    s = s.substr(colon + 1);
    const size_t point = s.find('.');
    if (point == std::string_view::npos)
        return total;
    add(Atol(s.substr(0, point)), 100);
    add(Atol(s.substr(point + 1)), 1);
    return total;
}

std::string TvValueText::RealToText(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

double TvValueText::TextToReal(std::string_view text) {
    const std::string s(text); // strtod needs a terminated text
    return std::strtod(s.c_str(), nullptr);
}

std::string TvValueText::RealToOctets(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::string out(8, '\0');
    for (int i = 0; i < 8; ++i)
        out[static_cast<size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xff);
    return out;
}

double TvValueText::OctetsToReal(std::string_view octets) {
    std::uint64_t bits = 0;
    for (size_t i = 0; i < 8 && i < octets.size(); ++i)
        bits |= static_cast<std::uint64_t>(static_cast<unsigned char>(octets[i])) << (8 * i);
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::uint32_t TvValueText::RealLow(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return static_cast<std::uint32_t>(bits & 0xffffffffu);
}

std::uint32_t TvValueText::RealHigh(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return static_cast<std::uint32_t>(bits >> 32);
}

double TvValueText::RealFromHalves(std::uint32_t low, std::uint32_t high) {
    const std::uint64_t bits = (static_cast<std::uint64_t>(high) << 32) | low;
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string TvValueText::IpToText(std::string_view octets) {
    std::string out;
    for (size_t i = 0; i < 4; ++i) {
        if (i)
            out += '.';
        out += std::to_string(i < octets.size() ? static_cast<unsigned char>(octets[i]) : 0);
    }
    return out;
}

std::string TvValueText::IpOctets(std::string_view text) {
    std::string out(4, '\0');
    std::string_view s = text;
    for (size_t i = 0; i < 4; ++i) {
        out[i] = static_cast<char>(AtolUnsigned(s) & 0xffu);
        const size_t dot = s.find('.');
        if (dot == std::string_view::npos)
            break;
        s = s.substr(dot + 1);
    }
    return out;
}

std::string TvValueText::OidToText(const std::vector<std::uint32_t>& ids) {
    std::string out;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i)
            out += '.';
        out += std::to_string(ids[i]);
    }
    return out;
}

std::vector<std::uint32_t> TvValueText::TextToOid(std::string_view text) {
    std::vector<std::uint32_t> ids;
    std::string_view s = text;
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    // A leading "." is the usual way to write an absolute OID.
    if (!s.empty() && s.front() == '.')
        s.remove_prefix(1);
    if (s.empty())
        return ids;
    // Plain dotted digits, as every OID from an agent is, in one pass (as Atol reads them).
    if (std::all_of(s.begin(), s.end(), [](char c) { return IsDigit(c) || c == '.'; })) {
        std::uint32_t n = 0;
        for (char c : s) {
            if (c == '.') {
                ids.push_back(n);
                n = 0;
            } else {
                n = n * 10u + static_cast<std::uint32_t>(c - '0');
            }
        }
        ids.push_back(n);
        return ids;
    }
    for (;;) {
        const size_t dot = s.find('.');
        ids.push_back(AtolUnsigned(s.substr(0, dot)));
        if (dot == std::string_view::npos)
            break;
        s = s.substr(dot + 1);
    }
    return ids;
}

// Only a run of ten or more digits can pass 2^32-1.
bool TvValueText::OidInRange(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        size_t end = pos;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
        if (end - pos >= 10) {
            size_t at = pos;
            std::uint64_t id = 0;
            if (NextSubId(text, at, id) && id > 0xFFFFFFFFull)
                return false;
        }
        pos = end + 1;
    }
    return true;
}

// The common text is skipped at once; from the sub-identifier where they part, numbers decide.
int TvValueText::CompareOids(std::string_view a, std::string_view b) {
    const size_t common = CommonPrefix(a, b);
    if (common == a.size() && common == b.size())
        return 0;
    const size_t from = a.substr(0, common).rfind('.');
    size_t i = from == std::string_view::npos ? 0 : from, j = i;
    for (;;) {
        std::uint64_t x = 0, y = 0;
        const bool hasX = NextSubId(a, i, x), hasY = NextSubId(b, j, y);
        if (!hasX || !hasY)
            return static_cast<int>(hasX) - static_cast<int>(hasY); // a prefix comes first
        if (x != y)
            return x < y ? -1 : 1;
    }
}
