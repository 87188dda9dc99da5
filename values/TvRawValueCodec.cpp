#include "values/TvRawValueCodec.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "base/TvSNMPVarDef.h"
#include "values/TvDateTime.h"
#include "values/TvValueText.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::string_view kNull = "(NULL)";
constexpr int kRest = -1; // the part runs to the end of the value

// Octets a part of `syntax` occupies (kRest: to the end), or nothing for an unknown syntax.
bool PartSize(int syntax, int& size) {
    switch (syntax) {
    case synNull:
        size = 0;
        return true;
    case synOctetHex:
    case synOctetString:
    case synObjectId:
    case synOpaque:
    case synDisplayString:
        size = kRest;
        return true;
    case synTruthValue:
    case synInteger:
    case synIpAddress:
    case synCounter32:
    case synGauge32:
    case synTimeTicks:
    case synNsapAddress:
    case synUInteger32:
        size = 4;
        return true;
    case synCounter64:
    case synReal:
    case synDateTimeReal:
        size = 8;
        return true;
    case synMacAddress:
        size = 6;
        return true;
    case synDateAndTime:
        size = 11;
        return true;
    case synOctet16:
        size = 16;
        return true;
    case synPartBool8:
    case synPartInt8:
    case synPartUInt8:
        size = 1;
        return true;
    case synPartBool16:
    case synPartUInt16:
    case synPartUInt16b:
        size = 2;
        return true;
    default:
        return false;
    }
}

// Octets RawToText needs at least.
int MinimumLength(int syntax) {
    switch (syntax) {
    case synOctetHex:
    case synOctetString:
    case synOpaque:
    case synObjectId:
    case synDisplayString:
        return 1;
    default: {
        int size = 0;
        PartSize(syntax, size);
        return size;
    }
    }
}

std::string Le32(std::uint32_t v) {
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

std::uint32_t ReadLe32(std::string_view raw, size_t at = 0) {
    std::uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(raw[at + i])) << (8 * i);
    return v;
}

std::string Be16(std::uint32_t v) {
    return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}

std::uint32_t ReadBe16(std::string_view raw) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(raw[0])) << 8) |
           static_cast<unsigned char>(raw[1]);
}

// A decimal integer text converts exactly to 64 bits; a real goes through the double. The double
// alone would round every counter above 2^53.
std::uint64_t TextToCounter64(std::string_view text) {
    const std::string s(text);
    const size_t start = s.find_first_not_of(" \t");
    const bool integral =
        start != std::string::npos && s.find_first_not_of("0123456789 \t", start) == std::string::npos;
    if (integral)
        return TvValueText::AtoU64(s);
    const double d = TvValueText::TextToReal(s);
    if (!(d > 0))
        return 0; // NaN and negatives
    if (d >= 18446744073709551616.0)
        return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(d);
}

[[noreturn]] void RaiseNotDateTime(std::string_view text) {
    throw TvException("'" + std::string(text) + "' is not a valid date and time", errPartialValue);
}

} // namespace

std::string TextToRaw(std::string_view text, int syntax) {
    int size = 0;
    if (!PartSize(syntax, size))
        RaiseError(errBadSyntax);
    if (syntax == synNull || text == kNull)
        return {};
    switch (syntax) {
    case synTruthValue:
        return Le32(text == "true" ? 1 : 0);
    case synInteger:
    case synCounter32:
    case synGauge32:
    case synUInteger32:
        return Le32(TvValueText::AtolUnsigned(text));
    case synOctetHex:
    case synOctetString:
    case synOpaque:
    case synMacAddress:
    case synOctet16:
        return TvValueText::HexToOctets(text);
    case synObjectId: {
        std::string out;
        for (std::uint32_t id : TvValueText::TextToOid(text))
            out += Le32(id);
        return out;
    }
    case synIpAddress:
    case synNsapAddress: {
        std::string out;
        for (std::uint32_t id : TvValueText::TextToOid(text))
            out += static_cast<char>(id & 0xFF);
        return out;
    }
    case synTimeTicks:
        return Le32(TvValueText::TextToTicks(text));
    case synCounter64: {
        const std::uint64_t v = TextToCounter64(text);
        return Le32(static_cast<std::uint32_t>(v)) + Le32(static_cast<std::uint32_t>(v >> 32));
    }
    case synReal:
        return TvValueText::RealToOctets(TvValueText::TextToReal(text));
    case synDateAndTime:
        return TvDateTime(text).ToOctets();
    case synDateTimeReal: {
        const auto days = TvDateTime::TextToDays(text);
        if (!days)
            RaiseNotDateTime(text);
        return TvValueText::RealToOctets(*days);
    }
    case synDisplayString:
        return std::string(text);
    case synPartBool8:
        return std::string(1, text == "true" ? '\1' : '\0');
    case synPartInt8:
    case synPartUInt8:
        return std::string(1, static_cast<char>(TvValueText::AtolUnsigned(text) & 0xFF));
    case synPartBool16:
        return Be16(text == "true" ? 1 : 0);
    case synPartUInt16:
    case synPartUInt16b:
        return Be16(TvValueText::AtolUnsigned(text) & 0xFFFF);
    default:
        RaiseError(errBadSyntax);
    }
}

std::string RawToText(std::string_view raw, int syntax) {
    int size = 0;
    if (!PartSize(syntax, size))
        RaiseError(errBadSyntax);
    if (syntax == synNull)
        return std::string(kNull);
    if (raw.empty())
        return syntax == synDisplayString ? std::string() : std::string(kNull);
    if (raw.size() < static_cast<size_t>(MinimumLength(syntax)))
        RaiseError(errPartialValue);
    switch (syntax) {
    case synTruthValue:
        return ReadLe32(raw) != 0 ? "true" : "false";
    case synInteger:
        return std::to_string(static_cast<std::int32_t>(ReadLe32(raw)));
    case synCounter32:
    case synGauge32:
    case synUInteger32:
        return std::to_string(ReadLe32(raw));
    case synOctetHex:
    case synOctetString:
    case synOpaque:
    case synMacAddress:
    case synOctet16:
        return TvValueText::OctetsToHex(raw);
    case synObjectId: {
        std::vector<std::uint32_t> ids;
        for (size_t at = 0; at < raw.size(); at += 4) {
            std::string group(raw.substr(at, 4));
            group.resize(4, '\0');
            ids.push_back(ReadLe32(group));
        }
        return TvValueText::OidToText(ids);
    }
    case synIpAddress:
    case synNsapAddress:
        return TvValueText::IpToText(raw);
    case synTimeTicks:
        return TvValueText::TicksToText(ReadLe32(raw));
    case synCounter64:
        return std::to_string(static_cast<std::uint64_t>(ReadLe32(raw)) |
                              (static_cast<std::uint64_t>(ReadLe32(raw, 4)) << 32));
    case synReal:
        return TvValueText::RealToText(TvValueText::OctetsToReal(raw));
    case synDateAndTime:
        return TvDateTime::FromOctets(raw.substr(0, 11)).ToText();
    case synDateTimeReal: {
        // A day count outside the calendar has no text: refuse it rather than show garbage.
        const auto text = TvDateTime::DaysToText(TvValueText::OctetsToReal(raw));
        if (!text)
            RaiseError(errPartialValue);
        return *text;
    }
    case synDisplayString:
        return std::string(raw.substr(0, raw.find('\0')));
    case synPartBool8:
        return raw[0] != 0 ? "true" : "false";
    case synPartInt8:
        return std::to_string(static_cast<int>(static_cast<signed char>(raw[0])));
    case synPartUInt8:
        return std::to_string(static_cast<int>(static_cast<unsigned char>(raw[0])));
    case synPartBool16:
        return ReadBe16(raw) != 0 ? "true" : "false";
    case synPartUInt16:
    case synPartUInt16b:
        return std::to_string(ReadBe16(raw));
    default:
        RaiseError(errBadSyntax);
    }
}

std::string ExtractRawPart(std::string_view raw, int offset, int syntax) {
    int size = 0;
    if (!PartSize(syntax, size))
        RaiseError(errBadSyntax);
    if (raw.empty() || size == 0)
        return {};
    if (offset < 0)
        RaiseError(errPartialIndex);
    const auto at = static_cast<size_t>(offset);
    if (size == kRest)
        return at >= raw.size() ? std::string() : std::string(raw.substr(at));
    if (at + static_cast<size_t>(size) > raw.size())
        RaiseError(errPartialIndex);
    return std::string(raw.substr(at, static_cast<size_t>(size)));
}
