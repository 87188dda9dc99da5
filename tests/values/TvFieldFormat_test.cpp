#include "values/TvFieldFormat.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FieldFormat, ReadsFields) {
    constexpr double kI32Min = std::numeric_limits<std::int32_t>::min();
    constexpr double kI32Max = std::numeric_limits<std::int32_t>::max();
    constexpr double kU32Max = std::numeric_limits<std::uint32_t>::max();
    constexpr double kReal = std::numeric_limits<double>::max();
    const struct {
        const char* format;
        char type;
        char delimiter;
        double min;
        double max;
        int maxLength;
        int flags;
        char jump;
        int width;
    } cases[] = {
        {"%i", 'i', 0, kI32Min, kI32Max, 0, 0, 0, 0},
        {"%i{}", 'i', 0, kI32Min, kI32Max, 0, 0, 0, 0},
        {"%u", 'u', 0, 0, kU32Max, 0, 0, 0, 0},
        {"%f", 'f', 0, -kReal, kReal, 0, 0, 0, 0},
        {"%s{l32}", 's', 0, 0, 0, 32, 0, 0, 0},
        {"%i{n-779x839}", 'i', 0, -779, 839, 0, 0, 0, 0},
        {"%i{n600x4000l4a}", 'i', 0, 600, 4000, 4, 1, 0, 0},
        {"%i{w30n0x255l3}", 'i', 0, 0, 255, 3, 0, 0, 30},
        {"%s{l8f}", 's', 0, 0, 0, 8, 2, 0, 0},
        // The n right after the length digits is the required flag, then a minimum follows.
        {"%i{l3nx9n5}", 'i', 0, 5, 9, 3, 4, 0, 0},
        {"%h{l12afn}", 'h', 0, 0, 0, 12, 7, 0, 0},
        {"%f{n-1.5x2.25}", 'f', 0, -1.5, 2.25, 0, 0, 0, 0},
        {"%n,{n1x24l3}", 'n', ',', 1, 24, 3, 0, 0, 0},
        {"%n.", 'n', '.', 0, kU32Max, 0, 0, 0, 0},
        {"%i{e.n0x255}", 'i', 0, 0, 255, 0, 0, '.', 0},
        {"%i{n1n2x3x4}", 'i', 0, 2, 4, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const TvFieldFormat f = TvFieldFormat::Parse(c.format);
        EXPECT_EQ(f.Type, c.type) << c.format;
        EXPECT_EQ(f.Delimiter, c.delimiter) << c.format;
        EXPECT_EQ(f.Min, c.min) << c.format;
        EXPECT_EQ(f.Max, c.max) << c.format;
        EXPECT_EQ(f.MaxLength, c.maxLength) << c.format;
        EXPECT_EQ(f.Flags, c.flags) << c.format;
        EXPECT_EQ(f.JumpChar, c.jump) << c.format;
        EXPECT_EQ(f.Width, c.width) << c.format;
    }
}

TEST(FieldFormat, RefusesBadFormats) {
    for (const char* bad : {"", "%", "i", "%z", "%n", "%ix", "%i{n1", "%i{z}", "%i{n}", "%i{x}", "%i{l}",
                            "%i{w}", "%i{e}", "%i{n1}x", "%i{n1}}", "%s{l99999999999}"}) {
        try {
            TvFieldFormat::Parse(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const TvException& e) {
            EXPECT_EQ(e.Code(), errBadFormatSpecifier) << bad;
            EXPECT_EQ(e.Message(), "Bad format specifier of edit's constraint!") << bad;
        }
    }
    // A run that is no number fails with the conversion error of that run.
    for (const char* bad : {"%i{n-}", "%i{x1-2}", "%f{n1.2.3}"}) {
        try {
            TvFieldFormat::Parse(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const TvException& e) {
            EXPECT_EQ(e.Code(), errBadFormatSpecifier) << bad;
            EXPECT_NE(e.Message().find("is not a valid floating point value"), std::string::npos) << bad;
        }
    }
}

TEST(FieldFormat, FindsTheFirstRefusedCharacter) {
    constexpr size_t kNone = std::string::npos;
    const struct {
        const char* format;
        const char* text;
        size_t refused;
    } cases[] = {
        {"%i", "12a", 2},         {"%i", "-12", kNone}, {"%i", "1-2", 1},   {"%u", "-1", 0},
        {"%f", "-1.5", kNone},    {"%f", "1.5.", 3},    {"%h", "0aF9g", 4}, {"%s", "any text!", kNone},
        {"%n,", "1,5,24", kNone}, {"%n,", "1,,5", 2},   {"%n,", ",1", 0},   {"%n,", "1;2", 1},
    };
    for (const auto& c : cases) {
        const auto at = TvFieldFormat::Parse(c.format).FirstRefused(c.text);
        EXPECT_EQ(at.value_or(kNone), c.refused) << c.format << " " << c.text;
    }
}

TEST(FieldFormat, ChecksLeftTexts) {
    const struct {
        const char* format;
        const char* text;
        const char* message; // nullptr: accepted
    } cases[] = {
        {"%i{n1x4094}", "0", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "4094", nullptr},
        {"%i{n1x4094}", "-", "Please enter a number between 1 and 4094!"},
        {"%i", "2147483648", "Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "4294967295", nullptr},
        {"%f{n-1.5x2.25}", "2.5", "Please enter a number between -1.5 and 2.25!"},
        {"%f", "-1e308", nullptr},
        {"%s{l8f}", "abcde", "Please enter a string whose length is 8!"},
        {"%s{l8f}", "abcdefgh", nullptr},
        {"%s{l4}", "abcde", "Please enter a string whose length is less than 4!"},
        {"%s{l4}", "abcd", nullptr},
        {"%h{l4}", "ABCDE", "Please enter a hex string whose length is less than 4!"},
        {"%h{l4f}", "ABC", "Please enter a hex string whose length is 4!"},
        {"%n,{n1x24l3}", "1,5,24", nullptr},
        {"%n,{n1x24l3}", "1,30",
         "Please enter a delimited number string with delimiter ','.\\nHere,each "
         "number is between 1 and 24!"},
        {"%n,{n1x24l3}", "1,2,3,4",
         "Please enter a delimited number string with delimiter ','.\\nHere,the "
         "count of the number is less than 3!"},
        {"%n:{l2f}", "7",
         "Please enter a delimited number string with delimiter ':'.\\nHere,the count of "
         "the number is equal to 2!"},
        {"%n,{n1.9x24.7}", "1,24", nullptr},
        {"%n,", "99999999999",
         "Please enter a delimited number string with delimiter ','.\\nHere,each "
         "number is between 0 and 4294967295!"},
        {"%i{n1x4094}", "", nullptr},
        {"%i{n1x4094l4n}", "", TvFieldFormat::kRequiredMessage},
        {"%i{n1x4094l4n}", "(NULL)", nullptr},
        {"%s{l2f}", "(NOTDONE)", nullptr},
    };
    for (const auto& c : cases) {
        const auto message = TvFieldFormat::Parse(c.format).Check(c.text);
        EXPECT_EQ(message.value_or("(accepted)"), c.message ? c.message : "(accepted)")
            << c.format << " " << c.text;
    }
}

} // namespace
