#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text forms of SNMP values shared by variable lists, expressions and bindings. Every parser here
// is total: any input gives a defined result, never a read outside the text.
class TvValueText {
public:
    // Compact hex: two upper-case digits per octet, no separators.
    static std::string OctetsToHex(std::string_view octets);
    // Blanks are dropped; an odd count makes the first digit an octet by itself; characters that
    // are not hex digits count as 0.
    static std::string HexToOctets(std::string_view text);

    // C atol on a 32-bit long: blanks, sign, digits accumulated modulo 2^32.
    static std::int32_t Atol(std::string_view text);
    static std::uint32_t AtolUnsigned(std::string_view text) {
        return static_cast<std::uint32_t>(Atol(text));
    }
    // Unsigned decimal of up to 64 bits, accumulated modulo 2^64; a leading "-" negates.
    static std::uint64_t AtoU64(std::string_view text);
    // A whole-text integer (blanks around allowed) within 32 bits, or nothing.
    static std::optional<std::int32_t> StrictInteger(std::string_view text);

    // Hundredths of a second as "3:07:09.05", "1 day 0:00:00.00" or "2 days, 0:00:00.04".
    static std::string TicksToText(std::uint32_t ticks);
    static std::uint32_t TextToTicks(std::string_view text);

    // General real form with up to 15 significant digits; read back with strtod.
    static std::string RealToText(double value);
    static double TextToReal(std::string_view text);
    // The 8 octets of an IEEE-754 double, little-endian, and back (needs 8 octets).
    static std::string RealToOctets(double value);
    static double OctetsToReal(std::string_view octets);
    // Low-order and high-order 32-bit halves of a double's bit pattern, and back.
    static std::uint32_t RealLow(double value);
    static std::uint32_t RealHigh(double value);
    static double RealFromHalves(std::uint32_t low, std::uint32_t high);

    // Dotted quad of the first 4 octets; IpOctets reads up to four dotted numbers (missing ones
    // are 0, each keeps its low 8 bits).
    static std::string IpToText(std::string_view octets);
    static std::string IpOctets(std::string_view text);

    // Dotted decimal of sub-identifiers and back; an empty text (or a lone ".") has none.
    static std::string OidToText(const std::vector<std::uint32_t>& ids);
    static std::vector<std::uint32_t> TextToOid(std::string_view text);
    // No sub-identifier of a dotted OID above 2^32-1, which SNMP does not allow.
    static bool OidInRange(std::string_view text);
    // Numeric order of two dotted OIDs, read in place as walks compare several OIDs a row: negative,
    // zero or positive; a prefix comes first.
    static int CompareOids(std::string_view a, std::string_view b);
};
