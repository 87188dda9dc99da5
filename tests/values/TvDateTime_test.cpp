#include "values/TvDateTime.h"
#include "values/TvValueText.h"

#include <gtest/gtest.h>

namespace {

std::string Octets(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

TEST(DateAndTime, WireOctetsToTextAndBack) {
    const struct {
        std::string octets;
        const char* text;
    } cases[] = {
        {Octets({0x07, 0xd8, 0x01, 0x17, 0x0d, 0x1e, 0x0f, 0x00, '+', 0, 0}), "2008-1-23,13:30:15.0"},
        {Octets({0x07, 0xd8, 0x01, 0x17, 0x0d, 0x1e, 0x0f, 0x00, '+', 8, 0}), "2008-1-23,13:30:15.0,+8:0"},
        {Octets({0x07, 0xd8, 0x01, 0x17, 0x0d, 0x1e, 0x0f, 0x03, '-', 5, 30}), "2008-1-23,13:30:15.3,-5:30"},
        {Octets({0xff, 0xff, 12, 31, 23, 59, 60, 9, '+', 14, 0}), "65535-12-31,23:59:60.9,+14:0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TvDateTime::FromOctets(c.octets).ToText(), c.text);
        EXPECT_EQ(TvValueText::OctetsToHex(TvDateTime(c.text).ToOctets()), TvValueText::OctetsToHex(c.octets))
            << c.text;
    }
}

TEST(DateAndTime, OffsetShownOnlyWithSignAndNonZero) {
    // 8-octet form: no offset octets, read as local time.
    EXPECT_EQ(TvDateTime::FromOctets(Octets({0x07, 0xd8, 1, 23, 9, 5, 0, 0})).ToText(), "2008-1-23,9:5:0.0");
    // A zero offset and a direction octet that is neither sign are not shown.
    EXPECT_EQ(TvDateTime::FromOctets(Octets({0x07, 0xd8, 1, 23, 9, 5, 0, 0, '-', 0, 0})).ToText(),
              "2008-1-23,9:5:0.0");
    EXPECT_EQ(TvDateTime::FromOctets(Octets({0x07, 0xd8, 1, 23, 9, 5, 0, 0, 0, 8, 0})).ToText(),
              "2008-1-23,9:5:0.0");
}

TEST(DateAndTime, ParsesTexts) {
    const struct {
        const char* text;
        TvDateTime expected;
    } cases[] = {
        {"2008-1-23,13:30:15.0,-5:30",
         TvDateTime::FromOctets(Octets({7, 0xd8, 1, 23, 13, 30, 15, 0, '-', 5, 30}))},
        {"2008-1-23", TvDateTime::FromOctets(Octets({7, 0xd8, 1, 23, 0, 0, 0, 0, '+', 0, 0}))},
        {"2008-1-23,13:30:15.0,+8",
         TvDateTime::FromOctets(Octets({7, 0xd8, 1, 23, 13, 30, 15, 0, '+', 0, 0}))},
        {"2008-1-23 13:30", TvDateTime::FromOctets(Octets({7, 0xd8, 1, 23, 0, 0, 0, 0, '+', 0, 0}))},
        {"", TvDateTime::FromOctets(Octets({0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0}))},
        {"70000-300-1", TvDateTime::FromOctets(Octets({0x11, 0x70, 44, 1, 0, 0, 0, 0, '+', 0, 0}))},
        {" 2008- 1-23", TvDateTime::FromOctets(Octets({7, 0xd8, 1, 23, 0, 0, 0, 0, '+', 0, 0}))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TvDateTime(c.text), c.expected) << c.text;
}

TEST(DateAndTime, ChecksOperatorTexts) {
    const struct {
        const char* text;
        const char* shown; // nullptr: refused
    } cases[] = {
        {"2007-5-26,15:30:15.0", "2007-5-26,15:30:15.0"},
        {"2008-1-23", "2008-1-23,0:0:0.0"},
        {" 2008-1-23,13:30 ", "2008-1-23,13:30:0.0"},
        {"2008-1-23,13:30:15", "2008-1-23,13:30:15.0"},
        {"2008-1-23,13:30:15.0,-5:30", "2008-1-23,13:30:15.0,-5:30"},
        {"2008-1-23,13:30:15.0,+14:0", "2008-1-23,13:30:15.0,+14:0"},
        {"2008-2-29,0:0:0.0", "2008-2-29,0:0:0.0"},
        {"2007-2-29", nullptr},
        {"2007-4-31", nullptr},
        {"2007-0-1", nullptr},
        {"2007-1-0", nullptr},
        {"2007-13-1", nullptr},
        {"2007-5-26,24:0", nullptr},
        {"2007-5-26,23:60", nullptr},
        {"2007-5-26,23:59:61", nullptr},
        {"2007-5-26,23:59:59.10", nullptr},
        {"2007-5-26,23:59:59.0,+15:0", nullptr},
        {"2007-5-26,23:59:59.0,8:0", nullptr},
        {"2007-5-26,13", nullptr},
        {"2007-5-26 13:30", nullptr},
        {"2007/5/26", nullptr},
        {"2007-5-26,13:30:15.0x", nullptr},
        {"now", nullptr},
        {"", nullptr},
        {"70000-1-1", nullptr},
    };
    for (const auto& c : cases) {
        const auto read = TvDateTime::ReadChecked(c.text);
        if (c.shown) {
            ASSERT_TRUE(read.has_value()) << c.text;
            EXPECT_EQ(read->ToText(), c.shown);
            EXPECT_EQ(*read, TvDateTime(c.text)) << c.text; // the same value the sender makes of it
        } else {
            EXPECT_FALSE(read.has_value()) << c.text;
        }
    }
}

TEST(DateAndTime, SwapYearExchangesOctets) {
    TvDateTime t("2008-1-1");
    t.SwapYear();
    EXPECT_EQ(t.Year, 0xd807);
    t.SwapYear();
    EXPECT_EQ(t.Year, 2008);
}

TEST(DateAndTime, DefaultIsNowWithoutOffset) {
    const TvDateTime t;
    EXPECT_GE(t.Year, 2000);
    EXPECT_GE(t.Month, 1);
    EXPECT_EQ(t.UtcDirection, '+');
    EXPECT_EQ(t.UtcHours, 0);
    EXPECT_EQ(t.DeciSeconds, 0);
}

TEST(DateTimeReal, FormatsDayCounts) {
    const struct {
        double days;
        const char* text;
    } cases[] = {
        {39470.5, "2008/01/23 12:00:00 pm"},
        {39470.0, "2008/01/23 12:00:00 am"},
        {39470.75, "2008/01/23 06:00:00 pm"},
        {0.0, "1899/12/30 12:00:00 am"},
        {-1.25, "1899/12/29 06:00:00 am"},
        {2.0 / 86400.0, "1899/12/30 12:00:02 am"},
        {39470.0 + 86399.9999 / 86400.0, "2008/01/24 12:00:00 am"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TvDateTime::DaysToText(c.days).value_or("none"), c.text) << c.days;
    }
    for (double bad :
         {1e300, -1e7, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(TvDateTime::DaysToText(bad).has_value()) << bad;
}

TEST(DateTimeReal, ReadsTexts) {
    const struct {
        const char* text;
        double days;
    } cases[] = {
        {"2008/01/23 12:00:00 pm", 39470.5},
        {"2008/01/23 12:00:00 am", 39470.0},
        {"2008/1/23 6:00:00 PM", 39470.75},
        {"2008/01/23 18:00:00", 39470.75},
        {"2008/01/23", 39470.0},
        {"2008/01/23 18:00", 39470.75},
        {"1899/12/29 06:00:00 am", -1.25},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TvDateTime::TextToDays(c.text).value_or(-9e9), c.days) << c.text;
    for (const char* bad :
         {"", "(NULL)", "2008/13/01", "2008/02/30", "2008/01/23 13:00:00 pm", "2008/01/23 24:00:00",
          "2008/01/23 12:00:00 xm", "2008-01-23", "0/01/01", "2008/01/23 12"})
        EXPECT_FALSE(TvDateTime::TextToDays(bad).has_value()) << bad;
    // Leap days.
    EXPECT_TRUE(TvDateTime::TextToDays("2000/02/29").has_value());
    EXPECT_FALSE(TvDateTime::TextToDays("1900/02/29").has_value());
}

TEST(DateTimeReal, TextRoundTripsEverySecondOfADay) {
    for (int s = 0; s < 86400; s += 37) {
        const double days = 40000 + s / 86400.0;
        const std::optional<std::string> text = TvDateTime::DaysToText(days);
        ASSERT_TRUE(text);
        EXPECT_NEAR(TvDateTime::TextToDays(*text).value_or(0), days, 1e-9) << *text;
    }
}

TEST(DateTimeReal, NowLiesBetweenTwoReadings) {
    const TvDateTime before;
    const double now = TvDateTime::NowDays();
    EXPECT_GT(now, 36526.0); // after 2000-01-01
    const std::optional<std::string> text = TvDateTime::DaysToText(now);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->substr(0, 4), std::to_string(before.Year));
}

} // namespace
