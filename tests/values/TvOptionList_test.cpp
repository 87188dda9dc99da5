#include "values/TvOptionList.h"

#include <gtest/gtest.h>

namespace {

const TvOptionList kStatus(TvOptionList::kIntegers, {{2, "disabled"}, {3, "enabled"}, {3, "on"}, {2, "off"}});
const TvOptionList kAuth(TvOptionList::kStrings,
                         {{"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}});
const TvOptionList kPorts(TvOptionList::kPrefixes, {{"GE", "Gigabit "}, {"FE", "Fast "}});
const TvOptionList kExact(TvOptionList::kIntegers, {{1, "Up"}}, true);

struct ConversionCase {
    const TvOptionList* list;
    const char* input;
    const char* valueToText;
    const char* textToValue;
};

const ConversionCase kConversions[] = {
    // Known values and words in both directions; unknown input comes back unchanged.
    {&kStatus, "3", "enabled", "3"},
    {&kStatus, "4", "4", "4"},
    {&kStatus, "(NULL)", "(NULL)", "(NULL)"},
    {&kStatus, "ENABLED", "ENABLED", "3"},
    {&kStatus, "foo", "foo", "foo"},
    {&kStatus, " 2 ", "disabled", " 2 "},
    {&kStatus, "2x", "2x", "2x"},
    {&kStatus, "99999999999", "99999999999", "99999999999"},
    // Duplicates: the first entry wins both ways.
    {&kStatus, "on", "on", "3"},
    {&kStatus, "off", "off", "2"},
    {&kAuth, "1.3.6.1.6.3.10.1.1.3", "SHA", "1.3.6.1.6.3.10.1.1.3"},
    {&kAuth, "md5", "md5", "1.3.6.1.6.3.10.1.1.2"},
    {&kAuth, "1.3.6.1.6.3.10.1.1.2.0", "1.3.6.1.6.3.10.1.1.2.0", "1.3.6.1.6.3.10.1.1.2.0"},
    // Prefixes keep the rest of the text.
    {&kPorts, "GE1/0/1", "Gigabit 1/0/1", "GE1/0/1"},
    {&kPorts, "Gigabit 1/0/1", "Gigabit 1/0/1", "GE1/0/1"},
    {&kPorts, "ge2", "Gigabit 2", "ge2"},
    {&kPorts, "XE1", "XE1", "XE1"},
    {&kPorts, "G", "G", "G"},
    // A case-sensitive list.
    {&kExact, "up", "up", "up"},
    {&kExact, "Up", "Up", "1"},
};

class OptionConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(OptionConversion, BothDirections) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(c.list->ValueToText(c.input), c.valueToText);
    EXPECT_EQ(c.list->TextToValue(c.input), c.textToValue);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OptionConversion, ::testing::ValuesIn(kConversions));

TEST(TvOptionList, IndexesFollowTableOrder) {
    EXPECT_EQ(kStatus.Count(), 4);
    EXPECT_EQ(kStatus.IndexOfText("Enabled"), 1);
    EXPECT_EQ(kStatus.IndexOfValue("3"), 1);
    EXPECT_EQ(kStatus.IndexOfValue("-3"), -1);
    EXPECT_EQ(kStatus.IndexOfText("3"), -1); // a value is not a word: selection falls back to IndexOfValue
    EXPECT_EQ(kPorts.IndexOfValue("FE7"), 1);
    EXPECT_EQ(kPorts.IndexOfText("Fast 7"), 1);
}

TEST(TvOptionList, EmptyAndTerminatedTables) {
    const TvOptionList empty(TvOptionList::kIntegers, {});
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.ValueToText("1"), "1");
    // Catalog tables may carry their null-text end row: it ends the table and is no entry.
    static const TvOptionPair kTable[] = {{1, "yes"}, {2, "no"}, {0, nullptr}, {3, "beyond"}};
    TvOptionList list(TvOptionList::kIntegers, std::span<const TvOptionPair>(kTable));
    EXPECT_EQ(list.Count(), 2);
    list.AddPairs(std::span<const TvOptionPair>(kTable, 1));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(2).Text, "yes");
}

} // namespace
