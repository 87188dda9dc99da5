#include "values/TvRawValueCodec.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "base/TvSNMPVarDef.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Octets(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out += static_cast<char>(b);
    return out;
}

// Code of the exception `f` raises, 0 when it returns; catalog errors carry their catalog text.
int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const TvException& e) {
        if (e.Message().find("is not a valid date and time") == std::string::npos) {
            EXPECT_EQ(e.Message(), CatalogText(e.Code()));
        }
        return e.Code();
    }
    return 0;
}

struct TextCase {
    const char* text;
    int syntax;
    std::string raw;
};

TEST(RawValueCodec, TextToRawForms) {
    const TextCase cases[] = {
        {"true", synTruthValue, Octets({1, 0, 0, 0})},
        {"True", synTruthValue, Octets({0, 0, 0, 0})},
        {"-2", synInteger, Octets({0xFE, 0xFF, 0xFF, 0xFF})},
        {"  300abc", synCounter32, Octets({0x2C, 0x01, 0, 0})},
        {"xyz", synGauge32, Octets({0, 0, 0, 0})},
        {"4294967295", synUInteger32, Octets({0xFF, 0xFF, 0xFF, 0xFF})},
        {"0a1B", synOctetString, Octets({0x0A, 0x1B})},
        {"001122334455", synMacAddress, Octets({0, 0x11, 0x22, 0x33, 0x44, 0x55})},
        {"1.3.258", synObjectId, Octets({1, 0, 0, 0, 3, 0, 0, 0, 2, 1, 0, 0})},
        {"10.1.2.3", synIpAddress, Octets({10, 1, 2, 3})},
        {"192.168.1.260", synNsapAddress, Octets({192, 168, 1, 4})},
        {"0:00:01.00", synTimeTicks, Octets({100, 0, 0, 0})},
        {"4294967296", synCounter64, Octets({0, 0, 0, 0, 1, 0, 0, 0})},
        // Above 2^53 a double would round: the counter stays exact.
        {"18446744073709551615", synCounter64, Octets({255, 255, 255, 255, 255, 255, 255, 255})},
        {"1.5e3", synCounter64, Octets({0xDC, 0x05, 0, 0, 0, 0, 0, 0})},
        {"1", synReal, Octets({0, 0, 0, 0, 0, 0, 0xF0, 0x3F})},
        {"2008-1-23,13:4:5.6,+8:0", synDateAndTime, Octets({0x07, 0xD8, 1, 23, 13, 4, 5, 6, '+', 8, 0})},
        {"abc", synDisplayString, "abc"},
        {"", synDisplayString, ""},
        {"true", synPartBool8, Octets({1})},
        {"-1", synPartInt8, Octets({0xFF})},
        {"257", synPartUInt8, Octets({1})},
        {"true", synPartBool16, Octets({0, 1})},
        {"false", synPartBool16, Octets({0, 0})},
        {"300", synPartUInt16, Octets({0x01, 0x2C})},
        {"300", synPartUInt16b, Octets({0x01, 0x2C})},
        {"65537", synPartUInt16b, Octets({0, 1})},
        {"(NULL)", synInteger, ""},
        {"(NULL)", synDisplayString, ""},
        {"(NULL)", synPartUInt16, ""},
        {"anything", synNull, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToRaw(c.text, c.syntax), c.raw) << c.text << " syntax " << c.syntax;
}

TEST(RawValueCodec, RawToTextForms) {
    const TextCase cases[] = {
        {"true", synTruthValue, Octets({0, 1, 0, 0})},
        {"false", synTruthValue, Octets({0, 0, 0, 0, 9})},
        {"-2", synInteger, Octets({0xFE, 0xFF, 0xFF, 0xFF})},
        {"4294967295", synCounter32, Octets({0xFF, 0xFF, 0xFF, 0xFF})},
        {"0A1B", synOpaque, Octets({0x0A, 0x1B})},
        {"1.3.258", synObjectId, Octets({1, 0, 0, 0, 3, 0, 0, 0, 2, 1, 0, 0})},
        // A short last group reads as if padded with zero octets.
        {"1.513", synObjectId, Octets({1, 0, 0, 0, 1, 2})},
        {"10.1.2.3", synIpAddress, Octets({10, 1, 2, 3, 4})},
        {"0:00:01.00", synTimeTicks, Octets({100, 0, 0, 0})},
        {"18446744073709551615", synCounter64, Octets({255, 255, 255, 255, 255, 255, 255, 255})},
        {"0.1", synReal, Octets({0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F})},
        {"2008-1-23,13:4:5.6,+8:0", synDateAndTime, Octets({0x07, 0xD8, 1, 23, 13, 4, 5, 6, '+', 8, 0})},
        {"1899/12/30 12:00:00 am", synDateTimeReal, Octets({0, 0, 0, 0, 0, 0, 0, 0})},
        {"ab", synDisplayString, Octets({'a', 'b', 0, 'c'})},
        {"", synDisplayString, ""},
        {"(NULL)", synInteger, ""},
        {"(NULL)", synOctetString, ""},
        {"(NULL)", synNull, Octets({1, 2})},
        {"true", synPartBool8, Octets({2})},
        {"-1", synPartInt8, Octets({0xFF})},
        {"255", synPartUInt8, Octets({0xFF})},
        {"true", synPartBool16, Octets({1, 0})},
        {"false", synPartBool16, Octets({0, 0})},
        {"300", synPartUInt16, Octets({0x01, 0x2C})},
        {"65535", synPartUInt16b, Octets({0xFF, 0xFF})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RawToText(c.raw, c.syntax), c.text) << c.text << " syntax " << c.syntax;
}

// Every text the reading side produces comes back unchanged through the raw form.
TEST(RawValueCodec, TextsRoundTrip) {
    const struct {
        const char* text;
        int syntax;
    } cases[] = {
        {"true", synTruthValue},
        {"false", synTruthValue},
        {"-2147483648", synInteger},
        {"2147483647", synInteger},
        {"0", synGauge32},
        {"4294967295", synUInteger32},
        {"00FF10", synOctetHex},
        {"0A0B0C0D0E0F", synMacAddress},
        {"1.3.6.1.4.1.59371", synObjectId},
        {"255.255.255.0", synIpAddress},
        {"3:07:09.05", synTimeTicks},
        {"497 days, 2:27:52.95", synTimeTicks},
        {"9007199254740993", synCounter64},
        {"-1.25", synReal},
        {"2008-1-23,13:4:5.6,-5:30", synDateAndTime},
        {"2008/01/23 01:04:05 pm", synDateTimeReal},
        {"hello world", synDisplayString},
        {"00112233445566778899AABBCCDDEEFF", synOctet16},
        {"false", synPartBool8},
        {"-128", synPartInt8},
        {"200", synPartUInt8},
        {"true", synPartBool16},
        {"0", synPartUInt16},
        {"65535", synPartUInt16b},
        {"(NULL)", synInteger},
        {"(NULL)", synPartUInt8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RawToText(TextToRaw(c.text, c.syntax), c.syntax), c.text) << "syntax " << c.syntax;
}

TEST(RawValueCodec, ExtractsParts) {
    const std::string five = Octets({1, 2, 3, 4, 5});
    const struct {
        std::string raw;
        int offset;
        int syntax;
        std::string part;
    } cases[] = {
        {five, 3, synPartUInt16b, Octets({4, 5})},
        {five, 0, synPartUInt8, Octets({1})},
        {five, 4, synPartBool8, Octets({5})},
        {five, 1, synInteger, Octets({2, 3, 4, 5})},
        {five, 2, synOctetString, Octets({3, 4, 5})},
        {five, 5, synDisplayString, ""},
        {five, 9, synObjectId, ""},
        {five, 4, synNull, ""},
        {"", 7, synPartUInt16, ""},
        {"", 0, synCounter64, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractRawPart(c.raw, c.offset, c.syntax), c.part)
            << "offset " << c.offset << " syntax " << c.syntax;
}

TEST(RawValueCodec, RefusesWhatDoesNotFit) {
    const std::string five = Octets({1, 2, 3, 4, 5});
    const struct {
        const char* what;
        std::function<void()> call;
        int code;
    } cases[] = {
        {"part past the end", [&] { ExtractRawPart(five, 4, synPartUInt16); }, errPartialIndex},
        {"integer past the end", [&] { ExtractRawPart(five, 2, synInteger); }, errPartialIndex},
        {"counter64 in five octets", [&] { ExtractRawPart(five, 0, synCounter64); }, errPartialIndex},
        {"negative offset", [&] { ExtractRawPart(five, -1, synPartUInt8); }, errPartialIndex},
        {"negative offset, rest", [&] { ExtractRawPart(five, -1, synOctetString); }, errPartialIndex},
        {"short integer",
         [&] {
             RawToText(Octets({1, 2, 3}), synInteger);
         },
         errPartialValue},
        {"short 16-bit", [&] { RawToText(Octets({1}), synPartUInt16); }, errPartialValue},
        {"short MAC",
         [&] {
             RawToText(Octets({1, 2, 3, 4, 5}), synMacAddress);
         },
         errPartialValue},
        {"short DateAndTime",
         [&] {
             RawToText(Octets({7, 216, 1, 1}), synDateAndTime);
         },
         errPartialValue},
        {"short 16-octet", [&] { RawToText(five, synOctet16); }, errPartialValue},
        {"date-time real out of the calendar",
         [&] { RawToText(TextToRaw("1e300", synReal), synDateTimeReal); }, errPartialValue},
        {"text that is no date", [&] { TextToRaw("yesterday", synDateTimeReal); }, errPartialValue},
        {"unknown to TextToRaw", [&] { TextToRaw("1", 0x30); }, errBadSyntax},
        {"unknown to TextToRaw, null", [&] { TextToRaw("(NULL)", 0x30); }, errBadSyntax},
        {"unknown to RawToText", [&] { RawToText(five, 0x30); }, errBadSyntax},
        {"unknown to RawToText, empty", [&] { RawToText("", 0xC7); }, errBadSyntax},
        {"unknown to ExtractRawPart", [&] { ExtractRawPart(five, 0, 0x30); }, errBadSyntax},
        {"unknown to ExtractRawPart, empty", [&] { ExtractRawPart("", 0, 0); }, errBadSyntax},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeOf(c.call), c.code) << c.what;
}

TEST(RawValueCodec, NamesTheTextThatIsNoDate) {
    try {
        TextToRaw("2008/02/30", synDateTimeReal);
        FAIL() << "no exception";
    } catch (const TvException& e) {
        EXPECT_EQ(e.Message(), "'2008/02/30' is not a valid date and time");
    }
}

// The way the bindings edit one part of a value: cut it out, change it, put it back.
TEST(RawValueCodec, PartEditLeavesTheRestAlone) {
    std::string whole = TextToRaw("0102030405", synOctetString);
    const std::string part = ExtractRawPart(whole, 1, synPartUInt16);
    EXPECT_EQ(RawToText(part, synPartUInt16), "515");
    const std::string changed = TextToRaw("4660", synPartUInt16);
    whole.replace(1, changed.size(), changed);
    EXPECT_EQ(RawToText(whole, synOctetString), "0112340405");
}

} // namespace
