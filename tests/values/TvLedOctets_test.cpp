#include "base/TvException.h"
#include "catalog/TvFrontPanel.h"
#include "values/TvLedOctets.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Octets(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

// A status value of `length` octets: power and console codes, a spare, then every port lit steady with
// colour code 2 unless a test changes it.
std::string Status(int length = 59) {
    std::string s(static_cast<size_t>(length), '\0');
    for (int i = 0; i < length; ++i)
        s[static_cast<size_t>(i)] = static_cast<char>(i < 3 ? 1 : (i % 2 ? 0x00 : 0x02));
    return s;
}

void Put(std::string& s, int index, int value) {
    s[static_cast<size_t>(index)] = static_cast<char>(value);
}

constexpr TvLedColorPair kNoAbsentTable[] = {{2, kLedGreen}, {0, kNoLedColor}};
const TvSNMPLedColorMapList kNoAbsent(kNoAbsentTable, 7, 0x80, kLedBlack, kNoLedColor);

struct LedCase {
    const char* name;
    std::string raw;
    int byteIndex;
    int mode;
    int header;
    const TvSNMPLedColorMapList* map;
    TvLedState expected;
};

class LedOctets : public ::testing::TestWithParam<LedCase> {};

TEST_P(LedOctets, ColourAndBlinking) {
    const LedCase& c = GetParam();
    EXPECT_EQ(EvaluateLedOctets(c.raw, c.byteIndex, c.mode, c.header, *c.map), c.expected);
}

std::string WithPort(int port, int state, int colour) {
    std::string s = Status();
    Put(s, 2 * port + 1, state);
    Put(s, 2 * port + 2, colour);
    return s;
}

std::string WithHeader(int power, int console) {
    std::string s = Status();
    Put(s, 0, power);
    Put(s, 1, console);
    return s;
}

const LedCase kCases[] = {
    // The front panel: paired mode with three header octets.
    {"port2DarkWhateverColour", WithPort(2, 1, 2), 5, 2, 3, &PortLedColors, {kLedBlack, false}},
    {"port2DarkEvenWithBlinkColour", WithPort(2, 1, 0x82), 5, 2, 3, &PortLedColors, {kLedBlack, false}},
    {"port1BlinkingGreen", WithPort(1, 0x81, 2), 3, 2, 3, &PortLedColors, {kLedGreen, true}},
    {"port1SteadyGreen", WithPort(1, 0x00, 2), 3, 2, 3, &PortLedColors, {kLedGreen, false}},
    {"copperCode2Green", WithPort(1, 0, 2), 3, 2, 3, &PortLedColors, {kLedGreen, false}},
    {"comboCode2Orange", WithPort(25, 0, 2), 51, 2, 3, &ComboLedColors, {kLedOrange, false}},
    {"comboCode3Green", WithPort(26, 0, 3), 53, 2, 3, &ComboLedColors, {kLedGreen, false}},
    {"colourMaskedTo3Bits", WithPort(1, 0, 0x09), 3, 2, 3, &PortLedColors, {kLedOrange, false}},
    {"codeMissingFromMapIsBlack", WithPort(1, 0, 5), 3, 2, 3, &PortLedColors, {kLedBlack, false}},
    {"consoleCode3Black", WithHeader(1, 3), 1, 2, 3, &ConsoleLedColors, {kLedBlack, false}},
    {"consoleCode2Green", WithHeader(1, 2), 1, 2, 3, &ConsoleLedColors, {kLedGreen, false}},
    {"powerCode3Green", WithHeader(3, 3), 0, 2, 3, &PowerLedColors, {kLedGreen, false}},
    {"powerCode0Black", WithHeader(0, 3), 0, 2, 3, &PowerLedColors, {kLedBlack, false}},
    {"powerCodeHighBitsNotMasked", WithHeader(0x81, 3), 0, 2, 3, &PowerLedColors, {kLedBlack, false}},
    {"shortValuePort18Lit", Status(39), 37, 2, 3, &PortLedColors, {kLedGreen, false}},
    {"shortValuePort19Black", Status(39), 39, 2, 3, &PortLedColors, {kLedBlack, false}},
    {"shortValuePort28Black", Status(39), 57, 2, 3, &ComboLedColors, {kLedBlack, false}},
    {"valueShorterThanHeader", Octets({1}), 1, 2, 3, &ConsoleLedColors, {kLedBlack, false}},
    {"emptyValue", std::string(), 0, 2, 3, &PowerLedColors, {kLedBlack, false}},
    // A state octet with no colour octet after it shows the absent colour, never a guess.
    {"stateOctetLastInValue", Octets({1, 1, 0, 0x82}), 3, 2, 3, &PortLedColors, {kLedBlack, false}},
    {"absentPortAsLastOctet", Octets({1, 1, 0, 1}), 3, 2, 3, &PortLedColors, {kLedBlack, false}},
    // One octet per LED.
    {"singleModeBlinkingGreen", Octets({0, 0x82}), 1, 1, 4, &PortLedColors, {kLedGreen, true}},
    {"singleModeOctet1IsOrange", Octets({0, 1}), 1, 1, 4, &PortLedColors, {kLedOrange, false}},
    {"pairedHeader3AbsentAt5", Octets({0, 0, 0, 0, 0, 1, 2}), 5, 2, 3, &PortLedColors, {kLedBlack, false}},
    {"pairedOrangeBlinking", Octets({0, 0, 0, 0, 0, 0x80, 1}), 5, 2, 3, &PortLedColors, {kLedOrange, true}},
    {"pairedInsideHeaderIsSingle", Octets({0, 0, 0, 0x82}), 3, 2, 4, &PortLedColors, {kLedGreen, true}},
    {"beyondValueAbsentColour", Octets({2}), 9, 1, 4, &PortLedColors, {kLedBlack, false}},
    {"absentPortWithoutAbsentColourIsOff", Octets({0, 0, 0, 1, 2}), 3, 2, 3, &kNoAbsent, {kLedBlack, false}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LedOctets, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(LedOctetsErrors, TooShortWithoutAbsentColourRaises519) {
    for (const std::string& raw : {std::string(), Octets({0, 0, 0, 0x80})}) {
        try {
            EvaluateLedOctets(raw, 3, 2, 3, kNoAbsent);
            FAIL() << "no error for " << raw.size() << " octets";
        } catch (const TvException& e) {
            EXPECT_EQ(e.Code(), -519);
            EXPECT_EQ(e.Message(),
                      "(TvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
                      "(partial) data!");
        }
    }
}

TEST(LedColorMap, FirstEntryOfAKeyWinsAndTheTableEndsAtNoColour) {
    constexpr TvLedColorPair table[] = {{1, kLedGreen}, {1, kLedOrange}, {0, kNoLedColor}, {2, kLedGreen}};
    const TvSNMPLedColorMapList map(table, 0xFF, 0, kLedBlack, kLedBlack);
    EXPECT_EQ(map.Entries().size(), 2u);
    EXPECT_EQ(map.ColorOf(1), kLedGreen);
    EXPECT_EQ(map.ColorOf(2), kLedBlack);
    EXPECT_EQ(TvSNMPLedColorMapList(nullptr, 0xFF, 0, 1, 2).Entries().size(), 0u);
}

TEST(FrontPanelData, PanelsCoverEveryPortOnceAtItsStateOctet) {
    // Power, console and ports 1 to 28 in that order; port p at octet 2p + 1.
    std::vector<int> octets;
    for (const TvLedPanelRow& row : FrontPanelLedPanels()) {
        std::string list = row.Octets;
        size_t at = 0;
        while (at <= list.size()) {
            const size_t comma = list.find(',', at);
            octets.push_back(std::stoi(list.substr(at, comma - at)));
            if (comma == std::string::npos)
                break;
            at = comma + 1;
        }
    }
    ASSERT_EQ(octets.size(), 30u);
    EXPECT_EQ(octets[0], 0);
    EXPECT_EQ(octets[1], 1);
    for (int p = 1; p <= 28; ++p)
        EXPECT_EQ(octets[static_cast<size_t>(p + 1)], 2 * p + 1) << "port " << p;
}

} // namespace
