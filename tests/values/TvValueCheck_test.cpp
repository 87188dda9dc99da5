#include "values/TvValueCheck.h"

#include "base/TvSNMPVarDef.h"

#include <gtest/gtest.h>

namespace {

TEST(TvValueCheck, TextsThatFitTheirSyntaxPassAndOthersNameTheRule) {
    const struct {
        const char* text;
        int syntax;
        bool fits;
    } cases[] = {
        // Addresses: four parts, each within an octet; nothing cut, nothing wrapped.
        {"10.1.2.3", synIpAddress, true},
        {"255.255.255.0", synIpAddress, true},
        {" 10.1.2.3 ", synIpAddress, true},
        {"300.1.1.1", synIpAddress, false},
        {"1.2.3.4.5", synIpAddress, false},
        {"1.2.3", synIpAddress, false},
        {"1..2.3", synIpAddress, false},
        {"1.2.3.-4", synIpAddress, false},
        {"a.b.c.d", synIpAddress, false},
        {"256.0.0.0", synNsapAddress, false},
        // MAC addresses: exactly six octets.
        {"001A2B3C4D5E", synMacAddress, true},
        {"00 1A 2B 3C 4D 5e", synMacAddress, true},
        {"001A2B3C4D", synMacAddress, false},
        {"001A2B3C4D5E6F", synMacAddress, false},
        {"00:1A:2B:3C:4D:5E", synMacAddress, false},
        {"001A2B3C4D5G", synMacAddress, false},
        // Octet strings (port lists): whole octets of hex digits.
        {"FF00", synOctetHex, true},
        {"F", synOctetHex, false},
        {"FFX0", synOctetString, false},
        {"00112233445566778899AABBCCDDEEFF", synOctet16, true},
        {"0011", synOctet16, false},
        // Numbers within their 32 or 64 bits.
        {"-2147483648", synInteger, true},
        {"2147483647", synInteger, true},
        {"2147483648", synInteger, false},
        {"12abc", synInteger, false},
        {"4294967295", synGauge32, true},
        {"4294967296", synUInteger32, false},
        {"-1", synCounter32, false},
        {"18446744073709551615", synCounter64, true},
        {"18446744073709551616", synCounter64, false},
        // Object identifiers.
        {"1.3.6.1.4.1", synObjectId, true},
        {"1.3.6.4294967296", synObjectId, false},
        {"1", synObjectId, false},
        // Dates: the program's DateAndTime form, every field in its range.
        {"2026-12-10,13:45:00.0", synDateAndTime, true},
        {"2026-12-10,13:45:00.0,+1:0", synDateAndTime, true},
        {"2026-12-10,13:45:00", synDateAndTime, true},
        {"2026-13-10,13:45:00.0", synDateAndTime, false},
        {"2026-12-10,24:45:00.0", synDateAndTime, false},
        {"2026-12-10", synDateAndTime, false},
        {"2026-12-10,13:45:00.0,+1:0:5", synDateAndTime, false},
        // Not values at all: the empty-row check deals with them.
        {"", synIpAddress, true},
        {"(NULL)", synIpAddress, true},
        // Texts have no octet rule here.
        {"300.1.1.1", synDisplayString, true},
    };
    for (const auto& c : cases) {
        const auto rule = TvValueCheck::Broken(c.text, c.syntax);
        EXPECT_EQ(!rule.has_value(), c.fits) << c.text << " syntax " << c.syntax;
    }
}

TEST(TvValueCheck, MessageNamesTheFieldTheTextAndTheRule) {
    const auto rule = TvValueCheck::Broken("300.1.1.1", synIpAddress);
    ASSERT_TRUE(rule);
    EXPECT_EQ(TvValueCheck::Message("Destination", "300.1.1.1", *rule),
              "\"Destination\": \"300.1.1.1\" is not an IP address: four numbers from 0 to 255 separated by "
              "points.");
}

} // namespace
