#include "values/TvIPAddressCheck.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using C = TvIPAddressCheck;

TEST(TvIPAddressCheck, EveryRuleAndEdge) {
    const struct {
        const char* text;
        C::Outcome verdict;
        const char* rule; // for kRefusedByRule
    } cases[] = {
        {"10.1.1.1", C::kAccepted, nullptr},
        {"223.1.1.1", C::kAccepted, nullptr},
        {"248.1.1.1", C::kAccepted, nullptr}, // above class E
        {"1.0.0.0", C::kAccepted, nullptr},
        {"0.1.2.3", C::kAccepted, nullptr}, // class A is not applied
        {"128.0.0.1", C::kAccepted, nullptr},
        {"192.168.10.1", C::kAccepted, nullptr},
        {"255.255.255.254", C::kAccepted, nullptr},
        {"01.2.3.4", C::kAccepted, nullptr},       // a leading zero is still the decimal 1
        {"001.002.003.04", C::kAccepted, nullptr}, // 14 characters
        {"", C::kEmptyOrTooLong, nullptr},
        {"0001.0002.0003.04", C::kEmptyOrTooLong, nullptr}, // 17 characters
        {"1.2.3.4567890123", C::kBadPart, nullptr},         // 16 characters: the length passes
        {"1.2.3.99999999999", C::kEmptyOrTooLong, nullptr},
        {"1.2.3.4.5", C::kBadCharacter, nullptr},
        {"1.2.3.4.", C::kBadCharacter, nullptr},
        {"a.b.c.d", C::kBadCharacter, nullptr},
        {"10.1.1.1a", C::kBadCharacter, nullptr},
        {" 10.1.1.1", C::kBadCharacter, nullptr},
        {"10.1.1.-1", C::kBadCharacter, nullptr},
        {"10,1,1,1", C::kBadCharacter, nullptr},
        {"1.2.3.", C::kBadPart, nullptr}, // a trailing dot leaves an empty part
        {".1.2.3", C::kBadPart, nullptr},
        {"1..2.3", C::kBadPart, nullptr},
        {".", C::kBadPart, nullptr},
        {"256.1.1.1", C::kBadPart, nullptr},
        {"1.2.3.300", C::kBadPart, nullptr},
        {"1.2.3", C::kRefusedByRule, "Unix Style"},
        {"10.1.1", C::kRefusedByRule, "Unix Style"},
        {"7", C::kRefusedByRule, "Unix Style"},
        {"0.0.0.0", C::kRefusedByRule, "All Zero"},
        {"255.255.255.255", C::kRefusedByRule, "All Boardcast"},
        {"127.0.0.1", C::kRefusedByRule, "Local Host"},
        {"127.255.255.254", C::kRefusedByRule, "Local Host"},
        {"224.0.0.1", C::kRefusedByRule, "Class D"},
        {"239.255.255.255", C::kRefusedByRule, "Class D"},
        {"240.1.1.1", C::kRefusedByRule, "Class E"},
        {"247.0.0.1", C::kRefusedByRule, "Class E"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const C::Result r = C::Check(c.text);
        EXPECT_EQ(r.Verdict, c.verdict);
        EXPECT_EQ(C::IsValid(c.text), c.verdict == C::kAccepted);
        if (c.rule) {
            ASSERT_NE(r.Rule, nullptr);
            EXPECT_STREQ(r.Rule->Name, c.rule);
        } else {
            EXPECT_EQ(r.Rule, nullptr);
        }
    }
}

TEST(TvIPAddressCheck, RuleListIsFixedData) {
    const struct {
        const char* name;
        bool applied;
    } expected[] = {
        {"Unix Style", true},
        {"All Zero", true},
        {"All Boardcast", true},
        {"LAN Boardcast", false},
        {"Local Host", true},
        {"Class A", false},
        {"Class B", false},
        {"Class C", false},
        {"Class D", true},
        {"Class E", true},
        {"Zero Above Non-zero", false},
    };
    const auto rules = C::Rules();
    ASSERT_EQ(rules.size(), std::size(expected));
    for (size_t i = 0; i < rules.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_STREQ(rules[i].Name, expected[i].name);
        EXPECT_LE(std::strlen(rules[i].Name), 32u);
        EXPECT_EQ(rules[i].Applied, expected[i].applied);
    }
    // The rules left out would refuse whole classes that interfaces use every day.
    TvIPAddressParts p{{10, 1, 1, 1}, 4};
    EXPECT_TRUE(rules[5].Refuses(p));
    EXPECT_TRUE(C::IsValid("10.1.1.1"));
}

TEST(TvIPAddressCheck, InterfaceMasksAndNetworks) {
    const struct {
        const char* address;
        const char* mask;
        bool interfaceMask;
        const char* network;
    } cases[] = {
        {"10.1.2.1", "255.255.255.0", true, "10.1.2.0"},    {"10.1.2.7", "255.255.255.0", true, "10.1.2.0"},
        {"10.1.3.7", "255.255.255.0", true, "10.1.3.0"},    {"172.16.9.9", "255.255.0.0", true, "172.16.0.0"},
        {"10.90.90.90", "255.0.0.0", true, "10.0.0.0"},     {"010.1.2.1", "255.255.255.0", true, "10.1.2.0"},
        {"10.1.2.1", "255.255.255.128", false, "10.1.2.1"}, {"10.1.2.1", "", false, "10.1.2.1"},
        {"10.1.2.1", "255.255.255.0 ", false, "10.1.2.1"},  {"10.1", "255.255.255.0", true, "10.1.0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.address) + "/" + c.mask);
        EXPECT_EQ(C::IsInterfaceMask(c.mask), c.interfaceMask);
        EXPECT_EQ(C::Network(c.address, c.mask), c.network);
    }
}

} // namespace

// Two interfaces' networks share addresses when one lies inside the other, whichever is typed first.
TEST(TvIPAddressCheck, NetworksThatOverlap) {
    const struct {
        const char *a1, *m1, *a2, *m2;
        bool overlap;
    } cases[] = {
        {"10.90.1.1", "255.255.255.0", "10.90.90.90", "255.0.0.0", true},
        {"10.90.90.90", "255.0.0.0", "10.90.1.1", "255.255.255.0", true},
        {"10.1.2.1", "255.255.255.0", "10.1.2.9", "255.255.255.0", true},
        {"10.1.2.1", "255.255.255.0", "10.1.3.1", "255.255.255.0", false},
        {"172.18.2.1", "255.255.0.0", "10.0.0.1", "255.0.0.0", false},
        {"192.168.1.5", "255.255.255.252", "192.168.1.6", "255.255.255.0", true},
        {"192.168.1.5", "255.255.255.252", "192.168.1.9", "255.255.255.252", false},
        {"10.1.1", "255.0.0.0", "10.1.1.1", "255.0.0.0", false}, // not an address: nothing to compare
        {"10.1.1.1", "255.0.0.0", "10.1.1.300", "255.0.0.0", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TvIPAddressCheck::Overlap(c.a1, c.m1, c.a2, c.m2), c.overlap)
            << c.a1 << "/" << c.m1 << " " << c.a2 << "/" << c.m2;
}
