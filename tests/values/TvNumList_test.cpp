#include "values/TvNumList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

template <typename T> std::vector<T> Values(const TvNumList<T>& list) {
    std::vector<T> v;
    for (int i = 0; i < list.Count(); ++i)
        v.push_back(list.Get(i));
    return v;
}

TEST(TvNumList, IntegerLists) {
    const struct {
        const char* text;
        std::vector<int> values;
        bool clean;
    } cases[] = {
        {"", {}, true},
        {"1,3,4", {1, 3, 4}, true},
        {"7", {7}, true},
        {"1,,5", {1, 0, 5}, true},
        {"1,2,", {1, 2, 0}, true},
        {",", {0, 0}, true},
        {"1.9,2", {1, 2}, true}, // the fraction's digits do not count
        {"1, 2", {1, 2}, true},  // blanks are not digits
        {"-3,4", {-3, 4}, true},
        {"1,a", {1, 0}, false},
        {"12a3,4", {12, 4}, false},
        {"3-,1", {3, 1}, false},
        {"-", {0}, false},
        {"2147483647", {2147483647}, true},
        {"-2147483648", {-2147483647 - 1}, true},
        {"2147483648", {2147483647}, false},
        {"99999999999999999999999", {2147483647}, false},
    };
    for (const auto& c : cases) {
        TvNumList<int> list(',');
        EXPECT_EQ(list.Parse(c.text), c.clean) << c.text;
        EXPECT_EQ(Values(list), c.values) << c.text;
    }
}

TEST(TvNumList, UnsignedListsAndDefaultSeparator) {
    TvNumList<unsigned int> list;
    EXPECT_EQ(list.Separator, '.');
    EXPECT_TRUE(list.Parse("192.168.0.4294967295"));
    EXPECT_EQ(Values(list), (std::vector<unsigned>{192, 168, 0, 4294967295u}));
    // Beyond 32 bits the number stops at the limit instead of wrapping into a small, valid one.
    EXPECT_FALSE(list.Parse("4294967297"));
    EXPECT_EQ(list.Get(0), 4294967295u);
    EXPECT_FALSE(list.Parse("-1"));
    EXPECT_EQ(list.Get(0), 0u);
}

TEST(TvNumList, IndexOfAndReparse) {
    TvNumList<int> list(',');
    list.Parse("5,9,5");
    EXPECT_EQ(list.IndexOf(5), 0);
    EXPECT_EQ(list.IndexOf(9), 1);
    EXPECT_EQ(list.IndexOf(4), -1);
    list.Parse("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.IndexOf(5), -1);
    EXPECT_THROW(list.Get(0), std::out_of_range);
}

} // namespace
