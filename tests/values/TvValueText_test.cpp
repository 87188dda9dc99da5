#include "values/TvValueText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(HexText, ReadsAndWrites) {
    const struct {
        const char* text;
        std::string octets;
    } cases[] = {
        {"001AFF", std::string("\x00\x1a\xff", 3)},
        {"1A2", std::string("\x01\xa2", 2)},
        {"1a 2b", std::string("\x1a\x2b", 2)},
        {"", ""},
        {"   ", ""},
        {"G", std::string("\x00", 1)},
        {"zz12", std::string("\x00\x12", 2)},
        {"f", "\x0f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TvValueText::HexToOctets(c.text), c.octets) << c.text;
    EXPECT_EQ(TvValueText::OctetsToHex(std::string("\x00\x1a\xff", 3)), "001AFF");
    EXPECT_EQ(TvValueText::OctetsToHex(""), "");
}

TEST(TimeText, Formats) {
    const struct {
        std::uint32_t ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {3 * 360000 + 7 * 6000 + 9 * 100 + 5, "3:07:09.05"},
        {8640000 - 1, "23:59:59.99"},
        {8640000, "1 day 0:00:00.00"},
        {2 * 8640000 + 4, "2 days, 0:00:00.04"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TvValueText::TicksToText(c.ticks), c.text);
        EXPECT_EQ(TvValueText::TextToTicks(c.text), c.ticks) << c.text;
    }
}

TEST(TimeText, ReadsPartialAndLooseTexts) {
    const struct {
        const char* text;
        std::uint32_t ticks;
    } cases[] = {
        {"1:02:03.04", 372304},
        {"1:02:03", 372000}, // no decimal point, no seconds
        {"1:02", 360000},    // no second colon, no minutes
        {"5", 0},
        {"", 0},
        {"3 days", 3 * 8640000},
        {"1 day 1:00:00.00", 8640000 + 360000},
        {"2 days, 0:00:01.5", 2 * 8640000 + 105},
        {"x:y:z.w", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TvValueText::TextToTicks(c.text), c.ticks) << c.text;
}

TEST(NumberText, ReadsAsAtolOnThirtyTwoBits) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"42", 42}, {"  -17abc", -17},  {"+5", 5},         {"abc", 0},
        {"", 0},    {"4294967295", -1}, {"4294967296", 0}, {"2147483648", -2147483647 - 1},
        {"- 3", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TvValueText::Atol(c.text), c.value) << c.text;
    EXPECT_EQ(TvValueText::AtolUnsigned("4294967295"), 4294967295u);
    EXPECT_EQ(TvValueText::AtoU64("18446744073709551615"), 18446744073709551615ull);
    EXPECT_EQ(TvValueText::AtoU64(" 12x"), 12u);
}

TEST(RealText, RoundTripsThroughOctetsAndHalves) {
    for (double v : {0.0, -1.5, 3.14159265358979, 1e300, 39470.5}) {
        const std::string octets = TvValueText::RealToOctets(v);
        ASSERT_EQ(octets.size(), 8u);
        EXPECT_EQ(TvValueText::OctetsToReal(octets), v);
        EXPECT_EQ(TvValueText::RealFromHalves(TvValueText::RealLow(v), TvValueText::RealHigh(v)), v);
    }
    // Little-endian: 1.0 is 00 00 00 00 00 00 F0 3F.
    EXPECT_EQ(TvValueText::OctetsToHex(TvValueText::RealToOctets(1.0)), "000000000000F03F");
    EXPECT_EQ(TvValueText::RealToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(TvValueText::RealToText(1e20), "1e+20");
    EXPECT_EQ(TvValueText::TextToReal(" 2.5kg"), 2.5);
}

TEST(AddressText, IpAndOid) {
    EXPECT_EQ(TvValueText::IpToText(std::string("\x0a\x00\x00\x01", 4)), "10.0.0.1");
    EXPECT_EQ(TvValueText::IpOctets("192.168.1.254"), "\xc0\xa8\x01\xfe");
    EXPECT_EQ(TvValueText::IpOctets("10.1"), std::string("\x0a\x01\x00\x00", 4));
    EXPECT_EQ(TvValueText::IpOctets("256.0.0.1"), std::string("\x00\x00\x00\x01", 4));
    EXPECT_EQ(TvValueText::TextToOid(".1.3.6"), (std::vector<std::uint32_t>{1, 3, 6}));
    EXPECT_TRUE(TvValueText::TextToOid("").empty());
    // Plain digits and the general reading agree: empty parts are 0, values wrap modulo 2^32.
    for (const char* text : {"1..2.", "1.3.4294967297", " 1 . +3 . 4294967297 ", "1.-1"}) {
        const std::vector<std::uint32_t> ids = TvValueText::TextToOid(text);
        std::vector<std::uint32_t> expected;
        std::string_view rest(text);
        for (size_t dot; (dot = rest.find('.')) != std::string_view::npos; rest.remove_prefix(dot + 1))
            expected.push_back(TvValueText::AtolUnsigned(rest.substr(0, dot)));
        expected.push_back(TvValueText::AtolUnsigned(rest));
        EXPECT_EQ(ids, expected) << text;
    }
    EXPECT_EQ(TvValueText::TextToOid("1..2."), (std::vector<std::uint32_t>{1, 0, 2, 0}));
    EXPECT_EQ(TvValueText::OidToText({1, 3, 4294967295u}), "1.3.4294967295");
}

TEST(AddressText, OidOrderIsNumeric) {
    struct Case {
        const char* a;
        const char* b;
        int order;
    };
    const Case cases[] = {
        {"1.3.6.1.2", "1.3.6.1.2", 0},
        {"1.3.6.1.10", "1.3.6.1.9", 1},   // text order would say less
        {"1.3.6.1.2", "1.3.6.1.20", -1},  // parting inside a sub-identifier
        {"1.3.6.1.2", "1.3.6.1.2.0", -1}, // a prefix comes first
        {"1.3.6.1.2.1", "1.3.6.1.2", 1},
        {"1.3.6.1.9.5", "1.3.6.1.10.1", -1}, // the first differing sub-identifier decides
        {"2", "10", -1},
        {"", "0", -1},
        {"", "", 0},
        {".1.3.6", "1.3.6", 0}, // a leading dot is only a separator
        {"1.3.6.4294967295", "1.3.6.4294967294", 1},
        {"1.3.6.01", "1.3.6.1", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TvValueText::CompareOids(c.a, c.b), c.order) << c.a << " vs " << c.b;
        EXPECT_EQ(TvValueText::CompareOids(c.b, c.a), -c.order) << c.b << " vs " << c.a;
    }
    EXPECT_TRUE(TvValueText::OidInRange("1.3.6.4294967295"));
    EXPECT_TRUE(TvValueText::OidInRange("1.3.6.00000000001"));
    EXPECT_FALSE(TvValueText::OidInRange("1.3.6.4294967296"));
    EXPECT_FALSE(TvValueText::OidInRange("1.3.99999999999999999999999.1"));
}

} // namespace
