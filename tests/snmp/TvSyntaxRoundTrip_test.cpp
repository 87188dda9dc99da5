// What an operator types for a variable is either refused by the value check, naming the rule, or
// written as a value that the window shows again as the same text: nothing is cut, wrapped or guessed
// on the way. One table for every syntax, edge values included.
#include "base/TvSNMPVarDef.h"
#include "snmp/TvSNMPVarList.h"
#include "values/TvValueCheck.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct RoundTrip {
    int syntax;
    const char* typed;
    const char* shown; // null: refused by the check
};

constexpr RoundTrip kCases[] = {
    {synTruthValue, "true", "true"},
    {synTruthValue, "FALSE", "false"},
    {synTruthValue, "yes", nullptr},
    {synTruthValue, "1", nullptr},

    {synInteger, "0", "0"},
    {synInteger, "-2147483648", "-2147483648"},
    {synInteger, "2147483647", "2147483647"},
    {synInteger, "+17", "17"},
    {synInteger, "2147483648", nullptr},
    {synInteger, "-2147483649", nullptr},
    {synInteger, "4294967295", nullptr},
    {synInteger, "12abc", nullptr},

    {synCounter32, "0", "0"},
    {synCounter32, "4294967295", "4294967295"},
    {synCounter32, "4294967296", nullptr},
    {synCounter32, "-1", nullptr},
    {synGauge32, "4294967295", "4294967295"},
    {synGauge32, "-1", nullptr},
    {synUInteger32, "4294967295", "4294967295"},
    {synUInteger32, "12abc", nullptr},
    {synCounter64, "0", "0"},
    {synCounter64, "18446744073709551615", "18446744073709551615"},
    {synCounter64, "18446744073709551616", nullptr},
    {synCounter64, "-1", nullptr},

    {synTimeTicks, "0:00:00.00", "0:00:00.00"},
    {synTimeTicks, "1:02:03.04", "1:02:03.04"},
    {synTimeTicks, "1 day 0:00:00.00", "1 day 0:00:00.00"},
    {synTimeTicks, "2 days, 23:59:59.99", "2 days, 23:59:59.99"},
    {synTimeTicks, "497 days, 2:27:52.95", "497 days, 2:27:52.95"}, // 2^32 - 1 hundredths
    {synTimeTicks, "497 days, 2:27:52.96", nullptr},
    {synTimeTicks, "1:02:03", nullptr},   // read as 1:02:00 before
    {synTimeTicks, "12345", nullptr},     // read as 0 before
    {synTimeTicks, "1:02:03.5", nullptr}, // tenths or hundredths?
    {synTimeTicks, "24:00:00.00", nullptr},
    {synTimeTicks, "1:60:00.00", nullptr},

    {synIpAddress, "0.0.0.0", "0.0.0.0"},
    {synIpAddress, "255.255.255.255", "255.255.255.255"},
    {synIpAddress, "256.0.0.0", nullptr},
    {synIpAddress, "10.1.2", nullptr},
    {synIpAddress, "10.1.2.3.4", nullptr},
    {synNsapAddress, "10.0.0.2", "10.0.0.2"},
    {synNsapAddress, "10.0.0", nullptr},

    {synObjectId, "0.0", "0.0"},
    {synObjectId, "1.3.6.1.4.1.4294967295", "1.3.6.1.4.1.4294967295"},
    {synObjectId, "1.3.6.1.4.1.4294967296", nullptr},
    {synObjectId, "1", nullptr},
    {synObjectId, "1..3", nullptr},

    {synOctetHex, "", ""},
    {synOctetHex, "0a ff", "0AFF"},
    {synOctetHex, "F", nullptr},
    {synOctetString, "00FF", "00FF"},
    {synOctetString, "0G", nullptr},
    {synOpaque, "FF", "FF"},
    {synOpaque, "FFF", nullptr},
    {synMacAddress, "001a2b3c4d5e", "001A2B3C4D5E"},
    {synMacAddress, "001A2B3C4D", nullptr},
    {synMacAddress, "001A2B3C4D5E6F", nullptr},
    {synOctet16, "00112233445566778899AABBCCDDEEFF", "00112233445566778899AABBCCDDEEFF"},
    {synOctet16, "00112233445566778899AABBCCDDEE", nullptr},

    {synDisplayString, "", ""},
    {synDisplayString, "Rack 7, row 2", "Rack 7, row 2"},

    {synReal, "2.5", "2.5"},
    {synReal, "-0.001", "-0.001"},
    {synReal, "1e300", "1e+300"},
    {synReal, "abc", nullptr},
    {synReal, "2.5x", nullptr},
    {synReal, "1e999", nullptr},
    {synReal, "nan", nullptr},

    {synDateAndTime, "2026-12-10,13:45:00.0", "2026-12-10,13:45:0.0"},
    {synDateAndTime, "2026-12-10,13:45:00.0,+1:0", "2026-12-10,13:45:0.0,+1:0"},
    {synDateAndTime, "2026-13-10,13:45:00.0", nullptr},
    {synDateAndTime, "2026-12-10", nullptr},

    {synDateTimeReal, "2008/01/23 12:00:00 pm", "2008/01/23 12:00:00 pm"},
    {synDateTimeReal, "2008/13/23 12:00:00 pm", nullptr},
    {synDateTimeReal, "yesterday", nullptr},

    {synNull, "anything", "(NULL)"},
};

TvSNMPVarList One(int syntax, const std::string& text) {
    TvSNMPVarList list;
    list.AddItem("1.3.6.1.4.1.59371.1", "Value", syntax, accReadWrite);
    list.Item(0).Value = text;
    return list;
}

TEST(SyntaxRoundTrip, TypedTextIsRefusedOrShownAgainAsTyped) {
    for (const RoundTrip& c : kCases) {
        SCOPED_TRACE(testing::Message()
                     << "syntax 0x" << std::hex << c.syntax << " typed \"" << c.typed << "\"");
        const auto rule = TvValueCheck::Broken(c.typed, c.syntax);
        if (!c.shown) {
            EXPECT_TRUE(rule.has_value()) << "passed the check";
            continue;
        }
        ASSERT_FALSE(rule.has_value()) << *rule;
        const TvSnmpValue sent = One(c.syntax, c.typed).MakeVarbind(0);
        EXPECT_EQ(TvSNMPVarList::ValueText(c.syntax, sent), c.shown);
        // The text shown reads back as the very value sent: showing and typing agree.
        EXPECT_FALSE(TvValueCheck::Broken(c.shown, c.syntax).has_value());
        EXPECT_EQ(One(c.syntax, c.shown).MakeVarbind(0), sent);
    }
}

TEST(SyntaxRoundTrip, EverySyntaxHasItsCases) {
    std::set<int> covered;
    for (const RoundTrip& c : kCases)
        covered.insert(c.syntax);
    for (int syntax = 0; syntax < 0x100; ++syntax) {
        if (TvSNMPVarList::IsKnownSyntax(syntax)) {
            EXPECT_TRUE(covered.count(syntax))
                << "syntax 0x" << std::hex << syntax << " has no round-trip case";
        }
    }
}

} // namespace
