#include "profile/TvIni.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace {

class TvIniTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes) {
        const std::string path = dir_.path().toStdString() + "/t.cfg";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(TvIniTest, LooksUpKeysOfTheNamedSectionOnly) {
    const TvIni ini(Write(
        "[Other]\r\nVersion=1\r\n[Program Information]\r\nVERSION = 3 \r\nName= a=b \r\n[Last]\r\nx=9"));
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Program Information", "Version", "3"}, // case-insensitive key, blanks trimmed
        {"program information", "version", "3"}, // case-insensitive section
        {"Other", "Version", "1"},
        {"Program Information", "Name", "a=b"}, // value runs from the first "="
        {"Program Information", "x", "dflt"},   // key of a later section
        {"Last", "X", "9"},                     // last line without line end
        {"Missing", "Version", "dflt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.expected) << c.section << "/" << c.key;
}

TEST_F(TvIniTest, EmptyValueAndMissingFileGiveTheDefault) {
    const TvIni ini(Write("[S]\nSecurityName=\nBlank=  \t \n"));
    EXPECT_EQ(ini.ReadString("S", "SecurityName", "d"), "d");
    EXPECT_EQ(ini.ReadString("S", "Blank", "d"), "d");
    EXPECT_EQ(ini.ReadString("S", "SecurityName", ""), "");
    EXPECT_EQ(TvIni(dir_.path().toStdString() + "/none.cfg").ReadString("S", "k", "d"), "d");
    EXPECT_EQ(TvIni(dir_.path().toStdString()).ReadString("S", "k", "d"), "d"); // a folder, not a file
}

TEST_F(TvIniTest, SurvivesBinaryGarbageAndHugeLines) {
    std::string bytes = "[S]\n";
    for (int i = 0; i < 4096; ++i)
        bytes.push_back(static_cast<char>((i * 37) % 256 == '\n' ? 0 : (i * 37) % 256));
    bytes += "\nlong=" + std::string(3'000'000, 'x') + "\n";
    bytes += std::string(100'000, '[') + "\n[S]\n";
    bytes += std::string("nul=ab\0cd\n", 10);
    bytes.push_back('\0');
    bytes += "\nafter=ok";
    const TvIni ini(Write(bytes));
    EXPECT_EQ(ini.ReadString("S", "long", "").size(), TvIni::MaxValueLength);
    EXPECT_EQ(ini.ReadString("S", "nul", ""), "ab");
    EXPECT_EQ(ini.ReadString("S", "after", ""), "ok"); // lines after the huge ones are still found
    EXPECT_EQ(ini.ReadString("S", "missing", "d"), "d");
}

TEST_F(TvIniTest, LinesEndWithLfCrLfOrCr) {
    const TvIni ini(Write("[S]\ra=1\r\nb=2\nc=3\r"));
    EXPECT_EQ(ini.ReadString("S", "a", ""), "1");
    EXPECT_EQ(ini.ReadString("S", "b", ""), "2");
    EXPECT_EQ(ini.ReadString("S", "c", ""), "3");
}

TEST(JoinPathTest, PutsOneSeparatorBetweenFolderAndName) {
    struct Case {
        const char* folder;
        const char* name;
        const char* expected;
    } cases[] = {
        {"", "TvSNMP_PP_BootCounter", "TvSNMP_PP_BootCounter"},
        {"/var/q", "f", "/var/q/f"},
        {"/var/q/", "f", "/var/q/f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinPath(c.folder, c.name), c.expected);
}

} // namespace
