#include "values/TvCipherSuites.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Flags = TvCipherSuites::Flags;

struct DecodeCase {
    const char* text;
    std::optional<Flags> suites; // nothing: the combos stay as they were
};

const DecodeCase kDecodes[] = {
    // The first digit carries suites 1 (8), 2 (4), 3 (2) and 4 (1); the second digit plays no part.
    {"A0", Flags{true, false, true, false}},
    {"50", Flags{false, true, false, true}},
    {"F0", Flags{true, true, true, true}},
    {"0F", Flags{false, false, false, false}},
    {"8F", Flags{true, false, false, false}},
    {"10", Flags{false, false, false, true}},
    {"90", Flags{true, false, false, true}},
    {"a0", Flags{true, false, true, false}},
    // Anything but two characters, or a first character that is no hexadecimal digit, decodes to nothing.
    {"A", std::nullopt},
    {"", std::nullopt},
    {"A00", std::nullopt},
    {"G0", std::nullopt},
    {" A", std::nullopt},
    {"(NULL)", std::nullopt},
};

TEST(TvCipherSuites, DecodesTheFirstDigit) {
    for (const DecodeCase& c : kDecodes)
        EXPECT_EQ(TvCipherSuites::Decode(c.text), c.suites) << c.text;
}

struct EncodeCase {
    Flags suites;
    const char* text;
};

const EncodeCase kEncodes[] = {
    {Flags{false, true, false, true}, "50"},   {Flags{true, false, true, false}, "A0"},
    {Flags{false, false, false, false}, "00"}, {Flags{true, true, true, true}, "F0"},
    {Flags{true, true, false, false}, "C0"},   {Flags{false, false, false, true}, "10"},
};

TEST(TvCipherSuites, EncodesOneUpperCaseDigitAndZero) {
    for (const EncodeCase& c : kEncodes)
        EXPECT_EQ(TvCipherSuites::Encode(c.suites), c.text);
}

// The second digit carries bits no suite of the window stands for: they go back as the switch had them.
TEST(TvCipherSuites, KeepsTheBitsItDoesNotShow) {
    const struct {
        Flags suites;
        const char* read;
        const char* text;
    } cases[] = {
        {Flags{true, false, false, false}, "0F", "8F"}, {Flags{false, false, false, false}, "A5", "05"},
        {Flags{true, true, true, true}, "3c", "FC"},    {Flags{false, true, false, false}, "", "40"},
        {Flags{false, true, false, false}, "G1", "40"}, {Flags{false, true, false, false}, "1G", "40"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TvCipherSuites::Encode(c.suites, c.read), c.text) << c.read;
}

TEST(TvCipherSuites, EveryChoiceComesBackAsItWasWritten) {
    for (int bits = 0; bits < 16; ++bits) {
        const Flags suites{(bits & 8) != 0, (bits & 4) != 0, (bits & 2) != 0, (bits & 1) != 0};
        EXPECT_EQ(TvCipherSuites::Decode(TvCipherSuites::Encode(suites)), suites) << bits;
    }
}

} // namespace
