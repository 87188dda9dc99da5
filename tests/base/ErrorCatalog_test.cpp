#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace {

struct MappingCase {
    int status;
    int code;
    const char* message;
};

// Every range edge in the order the mapping tests them, plus the neighbours just outside.
const MappingCase kMappingCases[] = {
    {0, 0, "(TvSNMP++) Ok!"},
    {1400, 0, "(TvSNMP++) Ok!"},
    {-1401, 0, "(TvSNMP++) Ok!"},
    {1401, -301, "(SNMPv3USM) error!"},
    {1408, -308, "(SNMPv3USM) Authentication failure!"},
    {1414, -314, "(SNMPv3USM) Address error!"},
    {1415, -528, "(TvSNMP++) Unknown error code!"},
    {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
    {-1403, -202, "(SNMPv3) Message not in Time Window!"},
    {-1418, -217, "(SNMPv3) Report sent!"},
    {-1419, -528, "(TvSNMP++) Unknown error code!"},
    {1, -101, "(SNMP) Response PDU Too Big!"},
    {2, -102, "(SNMP) Variable does not exist!"},
    {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
    {19, -528, "(TvSNMP++) Unknown error code!"},
    {-1, -401, "(SNMPClass) Operation failed!"},
    {-5, -405, "(SNMPClass) SNMP request timed out!"},
    {-8, -408, "(SNMPClass) Closing session with outstanding requests!"},
    {-20, -420, "(SNMP Class) Transport is not supported!"},
    {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
    {-24, -528, "(TvSNMP++) Unknown error code!"},
    {1399, -528, "(TvSNMP++) Unknown error code!"},
    {-1400, -528, "(TvSNMP++) Unknown error code!"},
};

class MapSnmpStatusTest : public ::testing::TestWithParam<MappingCase> {};

TEST_P(MapSnmpStatusTest, MapsToCodeAndMessage) {
    const MappingCase& c = GetParam();
    const TvStatusMapping m = MapSnmpStatus(c.status);
    EXPECT_EQ(m.Code, c.code) << "status " << c.status;
    EXPECT_EQ(m.Message, c.message) << "status " << c.status;
    // The message of the mapped code is the same text, whichever way it is asked for.
    EXPECT_EQ(CatalogText(m.Code), c.message);
}

INSTANTIATE_TEST_SUITE_P(Ranges, MapSnmpStatusTest, ::testing::ValuesIn(kMappingCases),
                         [](const ::testing::TestParamInfo<MappingCase>& param) {
                             const int s = param.param.status;
                             return (s < 0 ? "minus" : "status") + std::to_string(s < 0 ? -s : s);
                         });

TEST(CatalogText, CodesOutsideTheMappingRanges) {
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {-501, "(TvSNMP++) Fail to read SNMP variables from file([FILENAME])!"},
        {-509, "(TvSNMP++) Invalid IP Address or DNS name!"},
        {-514, "(TvSNMP++) Bad key count of SNMP variable list!"},
        {-528, "(TvSNMP++) Unknown error code!"},
        {-1, "Bad logic operand!"},
        {-2, "Bad format specifier of edit's constraint!"},
        {-119, "(TvSNMP++) Unknown error code!"},
        {-537, "(TvSNMP++) [VARIABLE] is not [RULE]; nothing was sent!"},
        {-538, "(TvSNMP++) Unknown error code!"},
        {5, "(TvSNMP++) Unknown error code!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CatalogText(c.code), c.message) << c.code;
}

TEST(RaiseError, CarriesMessageAndCode) {
    try {
        RaiseError(errBadKeyCount);
        FAIL() << "no exception";
    } catch (const TvException& e) {
        EXPECT_EQ(e.Code(), -514);
        EXPECT_EQ(e.Message(), "(TvSNMP++) Bad key count of SNMP variable list!");
    }
}

class MessageFileTest : public ::testing::Test {
protected:
    void TearDown() override { ResetMessageTables(); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = dir.path().toStdString() + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(MessageFileTest, LinesAreReadAsSpecified) {
    const struct {
        const char* name;
        const char* bytes;
        int loaded; // lines taken from the file; -1 = table kept
        const char* entry0;
        const char* entry1;
    } cases[] = {
        {"plain", "first\nsecond\n", 2, "first", "second"},
        {"blank lines skipped", "\n   \nfirst\n\t\n\nsecond\n", 2, "first", "second"},
        {"leading blanks kept", "  first\n\tsecond\n", 2, "  first", "\tsecond"},
        {"trailing blanks kept", "first  \nsecond\n", 2, "first  ", "second"},
        {"CR LF cut", "first\r\nsecond\r\n", 2, "first", "second"},
        {"no final line end", "first\nsecond", 2, "first", "second"},
        {"only blanks", "  \n\r\n\t\n", -1, "(SNMP) Response PDU Too Big!",
         "(SNMP) Variable does not exist!"},
        {"empty", "", -1, "(SNMP) Response PDU Too Big!", "(SNMP) Variable does not exist!"},
        {"short file falls back", "only one\n", 1, "only one", "(SNMP) Variable does not exist!"},
    };
    for (const auto& c : cases) {
        ResetMessageTables();
        const bool replaced = LoadMessageFile(gSnmpErrorStatusTable, Write("snmp.err", c.bytes));
        EXPECT_EQ(replaced, c.loaded >= 0) << c.name;
        if (c.loaded >= 0) {
            EXPECT_EQ(gSnmpErrorStatusTable.LoadedCount(), c.loaded) << c.name;
        }
        EXPECT_EQ(gSnmpErrorStatusTable.Text(0), c.entry0) << c.name;
        EXPECT_EQ(gSnmpErrorStatusTable.Text(1), c.entry1) << c.name;
        // Past the end of a short file the built-in text stands; nothing is read outside the file.
        EXPECT_EQ(gSnmpErrorStatusTable.Text(17), "(SNMP) Cannot create variable, Inconsistent Name!")
            << c.name;
    }
}

TEST_F(MessageFileTest, MissingFileKeepsBuiltinTexts) {
    EXPECT_FALSE(LoadMessageFile(gSnmpErrorStatusTable, dir.path().toStdString() + "/none.err"));
    EXPECT_EQ(MapSnmpStatus(2).Message, "(SNMP) Variable does not exist!");
}

TEST_F(MessageFileTest, LongLineIsReadAsSeveralLines) {
    const std::string longLine(1023 + 1023 + 10, 'x');
    LoadMessageFile(gSnmpErrorStatusTable, Write("snmp.err", longLine + "\nnext\n"));
    ASSERT_EQ(gSnmpErrorStatusTable.LoadedCount(), 4);
    EXPECT_EQ(gSnmpErrorStatusTable.Text(0), std::string(1023, 'x'));
    EXPECT_EQ(gSnmpErrorStatusTable.Text(1), std::string(1023, 'x'));
    EXPECT_EQ(gSnmpErrorStatusTable.Text(2), std::string(10, 'x'));
    EXPECT_EQ(gSnmpErrorStatusTable.Text(3), "next");
}

TEST_F(MessageFileTest, LoadedFileRewordsLaterMessages) {
    LoadMessageFile(gSnmpClassTable, Write("snmpclass.err", "a\nb\nc\nd\nTimed out, try again\n"));
    EXPECT_EQ(MapSnmpStatus(-5).Message, "Timed out, try again");
    EXPECT_EQ(CatalogText(-405), "Timed out, try again");
    try {
        RaiseError(errTimeout);
    } catch (const TvException& e) {
        EXPECT_EQ(e.Message(), "Timed out, try again");
    }
}

TEST_F(MessageFileTest, StartupLoadsAllSevenFilesFromTheFolder) {
    Write("snmpclass.err", "c0\n");
    Write("snmp.err", "e0\n");
    Write("snmp.msg", "Get [ERROR]\nSet [ERROR]\n");
    Write("tvsnmp.err", "ok0\n");
    Write("snmpv3.err", "v0\n");
    Write("snmpusm.err", "u0\n");
    Write("common.err", "k0\nk1\n");
    LoadMessageFiles(dir.path().toStdString() + "/");
    EXPECT_EQ(gSnmpClassTable.Text(0), "c0");
    EXPECT_EQ(gSnmpErrorStatusTable.Text(0), "e0");
    EXPECT_EQ(gSnmpMsgTable.Text(1), "Set [ERROR]");
    EXPECT_EQ(gTvSnmpTable.Text(0), "ok0");
    EXPECT_EQ(gSnmpV3Table.Text(0), "v0");
    EXPECT_EQ(gSnmpUsmTable.Text(0), "u0");
    EXPECT_EQ(gCommonTable.Text(1), "k1");
}

// The message files shipped beside the program say exactly what the built-in tables say.
TEST(ShippedMessageFiles, MatchBuiltinTexts) {
    const std::string folder = SourceDir() + "/assets/errMSg/";
    for (TvMessageTable* t : {&gSnmpClassTable, &gSnmpErrorStatusTable, &gSnmpMsgTable, &gTvSnmpTable,
                              &gSnmpV3Table, &gSnmpUsmTable, &gCommonTable}) {
        t->Reset();
        ASSERT_TRUE(LoadMessageFile(*t, folder + t->FileName())) << t->FileName();
        EXPECT_EQ(t->LoadedCount(), t->Count()) << t->FileName();
        for (int i = 0; i < t->Count(); ++i)
            EXPECT_EQ(t->Text(i), t->BuiltinText(i)) << t->FileName() << " entry " << i;
        t->Reset();
    }
}

} // namespace
