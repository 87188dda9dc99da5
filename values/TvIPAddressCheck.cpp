#include "values/TvIPAddressCheck.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

bool FewerThanFour(const TvIPAddressParts& p) {
    return p.Count < 4;
}
bool AllEqual(const TvIPAddressParts& p, int value) {
    if (p.Count < 4)
        return false;
    for (int v : p.Part)
        if (v != value)
            return false;
    return true;
}
bool FirstIn(const TvIPAddressParts& p, int low, int high) {
    return p.Part[0] >= low && p.Part[0] <= high;
}
bool Never(const TvIPAddressParts&) {
    return false;
}

// The rules without a defined test ("LAN Boardcast", "Zero Above Non-zero") are not applied and refuse
// nothing. The names keep the switch documentation's spelling.
constexpr TvIPAddressRule kRules[] = {
    {"Unix Style", true, FewerThanFour},
    {"All Zero", true, [](const TvIPAddressParts& p) { return AllEqual(p, 0); }},
    {"All Boardcast", true, [](const TvIPAddressParts& p) { return AllEqual(p, 255); }},
    {"LAN Boardcast", false, Never},
    {"Local Host", true, [](const TvIPAddressParts& p) { return p.Part[0] == 127; }},
    {"Class A", false, [](const TvIPAddressParts& p) { return FirstIn(p, 0, 127); }},
    {"Class B", false, [](const TvIPAddressParts& p) { return FirstIn(p, 128, 191); }},
    {"Class C", false, [](const TvIPAddressParts& p) { return FirstIn(p, 192, 223); }},
    {"Class D", true, [](const TvIPAddressParts& p) { return FirstIn(p, 224, 239); }},
    {"Class E", true, [](const TvIPAddressParts& p) { return FirstIn(p, 240, 247); }},
    {"Zero Above Non-zero", false, Never},
};

// Splits at dots. Numbers are bounded while read, so a long run of digits cannot overflow. Missing parts
// count as absent; -1 marks an empty part and 256 any part above 255.
struct Split {
    std::array<int, 5> Part{};
    int Count = 0;
    bool TooMany = false;
    bool Empty = false;
};
Split SplitParts(std::string_view text) {
    Split s;
    int value = 0;
    bool digits = false;
    auto close = [&] {
        if (s.Count == 5) {
            s.TooMany = true;
            return;
        }
        if (!digits)
            s.Empty = true;
        s.Part[static_cast<size_t>(s.Count++)] = digits ? value : -1;
        value = 0;
        digits = false;
    };
    for (char c : text) {
        if (c == '.') {
            close();
        } else {
            digits = true;
            value = value * 10 + (c - '0');
            if (value > 256)
                value = 256;
        }
    }
    close();
    return s;
}

// A dotted address of four parts 0-255 as a number.
std::optional<std::uint32_t> AddressValue(std::string_view text) {
    if (text.empty() ||
        std::any_of(text.begin(), text.end(), [](char c) { return c != '.' && (c < '0' || c > '9'); }))
        return std::nullopt;
    const Split s = SplitParts(text);
    if (s.TooMany || s.Empty || s.Count != 4)
        return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const int part = s.Part[static_cast<size_t>(i)];
        if (part > 255)
            return std::nullopt;
        value = value << 8 | static_cast<std::uint32_t>(part);
    }
    return value;
}

} // namespace

std::span<const TvIPAddressRule> TvIPAddressCheck::Rules() {
    return kRules;
}

TvIPAddressCheck::Result TvIPAddressCheck::Check(std::string_view text) {
    if (text.empty() || text.size() > kMaxLength)
        return {kEmptyOrTooLong};
    for (char c : text)
        if (c != '.' && (c < '0' || c > '9'))
            return {kBadCharacter};
    const Split s = SplitParts(text);
    if (s.TooMany || s.Count > 4)
        return {kBadCharacter};
    if (s.Empty)
        return {kBadPart};
    TvIPAddressParts parts;
    parts.Count = s.Count;
    for (int i = 0; i < s.Count; ++i) {
        const int v = s.Part[static_cast<size_t>(i)];
        if (v < 0 || v > 255)
            return {kBadPart};
        parts.Part[static_cast<size_t>(i)] = v;
    }
    for (const TvIPAddressRule& rule : kRules)
        if (rule.Applied && rule.Refuses(parts))
            return {kRefusedByRule, &rule};
    return {kAccepted};
}

bool TvIPAddressCheck::IsInterfaceMask(std::string_view mask) {
    return mask == "255.0.0.0" || mask == "255.255.0.0" || mask == "255.255.255.0";
}

std::string TvIPAddressCheck::Network(std::string_view address, std::string_view mask) {
    const size_t kept = mask == "255.0.0.0" ? 1 : mask == "255.255.0.0" ? 2 : mask == "255.255.255.0" ? 3 : 4;
    std::array<long, 4> parts{};
    size_t at = 0;
    long value = 0;
    bool number = true;
    for (size_t i = 0; i <= address.size() && at < 4; ++i) {
        if (i == address.size() || address[i] == '.') {
            parts[at++] = number ? value : 0;
            value = 0;
            number = true;
        } else if (address[i] >= '0' && address[i] <= '9') {
            if (value < 1000000)
                value = value * 10 + (address[i] - '0');
        } else {
            number = false;
        }
    }
    std::string network;
    for (size_t k = 0; k < 4; ++k) {
        if (k)
            network += '.';
        network += std::to_string(k < kept ? parts[k] : 0);
    }
    return network;
}

bool TvIPAddressCheck::Overlap(std::string_view address1, std::string_view mask1, std::string_view address2,
                               std::string_view mask2) {
    const auto a1 = AddressValue(address1), m1 = AddressValue(mask1);
    const auto a2 = AddressValue(address2), m2 = AddressValue(mask2);
    if (!a1 || !m1 || !a2 || !m2)
        return false;
    // The shorter of two prefix masks is what both keep: the networks meet when they agree on it.
    const std::uint32_t common = *m1 & *m2;
    return (*a1 & common) == (*a2 & common);
}
