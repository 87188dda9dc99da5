#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// The checks an IPv4 address typed for a new interface or a relay server must pass, and the network an
// interface covers. Pure logic over texts.

// The parts of a dotted address as the check reads them.
struct TvIPAddressParts {
    std::array<int, 4> Part{};
    int Count = 0; // 1 to 4
};

// One rule of the fixed rule list: its name (at most 32 characters), whether the program applies it,
// and what it refuses.
struct TvIPAddressRule {
    const char* Name;
    bool Applied;
    bool (*Refuses)(const TvIPAddressParts& parts);
};

class TvIPAddressCheck {
public:
    // Why a text was refused; kRefusedByRule names the rule in Rule.
    enum Outcome {
        kAccepted,
        kEmptyOrTooLong, // empty, or longer than 16 characters
        kBadCharacter,   // something other than digits and dots, or more than four parts
        kBadPart,        // an empty part, or one outside 0-255
        kRefusedByRule,
    };
    struct Result {
        Outcome Verdict = kAccepted;
        const TvIPAddressRule* Rule = nullptr; // for kRefusedByRule
        bool Accepted() const { return Verdict == kAccepted; }
    };

    static constexpr size_t kMaxLength = 16;

    // The rule list in its fixed order; every rule marked Applied is checked.
    static std::span<const TvIPAddressRule> Rules();

    static Result Check(std::string_view text);
    static bool IsValid(std::string_view text) { return Check(text).Accepted(); }

    // Whether `mask` is one of the interface masks "255.0.0.0", "255.255.0.0" and "255.255.255.0".
    static bool IsInterfaceMask(std::string_view mask);
    // The first m parts of `address` followed by zeros: m is 1, 2 or 3 for the masks above and 4 for any
    // other mask. Parts are read as decimal numbers, so "010.1.1.1" and "10.1.1.1" share a network; parts
    // that are not numbers count as 0.
    static std::string Network(std::string_view address, std::string_view mask);
    // Whether the networks of two interfaces share addresses: the same network, or one inside the other
    // (10.90.1.0/24 inside 10.0.0.0/8). False when a text is no dotted address.
    static bool Overlap(std::string_view address1, std::string_view mask1, std::string_view address2,
                        std::string_view mask2);
};
