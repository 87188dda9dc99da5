#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profile/SiblingCommandLine.h"

namespace {

// Every field set, so a test shows which ones travel and which ones stay behind.
ConnectionTexts Connection(const std::string& version) {
    ConnectionTexts c;
    c.AgentIP = "10.90.90.90";
    c.AgentPort = "1161";
    c.Version = version;
    c.GetCommStr = "public";
    c.SetCommStr = "private";
    c.SecurityModel = "3";
    c.SecurityLevel = "3";
    c.SecurityName = "admin";
    c.AuthProtocol = "2";
    c.PrivProtocol = "9";
    c.AuthPassword = "authpass";
    c.PrivPassword = "privpass";
    c.ContextEngineID = "800007e5";
    c.ContextName = "ctx";
    return c;
}

} // namespace

TEST(SiblingCommandLine, CommunitiesUnderSnmpV1AndV2c) {
    const struct {
        const char* version;
        const char* argument;
        const char* text;
    } cases[] = {
        {"0", "/TLayer3_OSPF", "Layer3 /I10.90.90.90 /Rpublic /Wprivate /TLayer3_OSPF "},
        {"1", "/TEthernetLike_dot3StatsTable",
         "EthernetLike /I10.90.90.90 /Rpublic /Wprivate /TEthernetLike_dot3StatsTable "},
        // Only exactly "3" is SNMPv3.
        {"", "/TBridge_Forwarding", "Bridge /I10.90.90.90 /Rpublic /Wprivate /TBridge_Forwarding "},
        {"03", "/TVLan_Tp8021QStatic", "VLan /I10.90.90.90 /Rpublic /Wprivate /TVLan_Tp8021QStatic "},
    };
    for (const auto& c : cases) {
        const SiblingCommand cmd = BuildSiblingCommand(Connection(c.version), c.argument);
        EXPECT_EQ(cmd.Text(), c.text) << "version " << c.version;
    }
}

TEST(SiblingCommandLine, SnmpV3PassesTheUserAndBothPasswords) {
    const SiblingCommand cmd = BuildSiblingCommand(Connection("3"), "/TRmon_History");
    EXPECT_EQ(cmd.Text(), "Rmon /I10.90.90.90 /t1161 /v3 /d800007e5 /m3 /nadmin /l3 /a2 /p9 /Aauthpass "
                          "/Pprivpass /cctx /TRmon_History ");
    EXPECT_EQ(cmd.Program, "Rmon");
    const std::vector<std::string> args = {
        "/I10.90.90.90", "/t1161", "/v3",        "/d800007e5", "/m3",   "/nadmin",        "/l3",
        "/a2",           "/p9",    "/Aauthpass", "/Pprivpass", "/cctx", "/TRmon_History", ""};
    EXPECT_EQ(cmd.Arguments, args);
}

// Empty values still give their switch; a blank inside a value stays inside its parameter.
TEST(SiblingCommandLine, EmptyAndBlankValues) {
    ConnectionTexts v1 = Connection("0");
    v1.GetCommStr = "my community";
    v1.SetCommStr.clear();
    EXPECT_EQ(BuildSiblingCommand(v1, "/TRmon_Statistics").Arguments,
              (std::vector<std::string>{"/I10.90.90.90", "/Rmy community", "/W", "/TRmon_Statistics", ""}));

    ConnectionTexts v3 = Connection("3");
    v3.ContextEngineID.clear();
    v3.ContextName.clear();
    v3.PrivPassword = "two words";
    const SiblingCommand cmd = BuildSiblingCommand(v3, "/TLayer3_PIM");
    EXPECT_EQ(cmd.Arguments[3], "/d");
    EXPECT_EQ(cmd.Arguments[10], "/Ptwo words");
    EXPECT_EQ(cmd.Arguments[11], "/c");
}

TEST(SiblingCommandLine, ProgramNamedByTheArgument) {
    const struct {
        const char* argument;
        const char* program;
    } cases[] = {
        {"/TEthernetLike_dot3StatsTable", "EthernetLike"},
        {"/TLayer3_RIP2", "Layer3"},
        {"/TVLan_Tp8021QStatic", "VLan"},
        {"/TRmon_Alarm_Event", "Rmon"}, // the first "_" ends the name
        {"/TNoTable", "NoTable"},
        {"/T_x", ""},
        {"/T", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SiblingProgram(c.argument), c.program) << c.argument;
}
