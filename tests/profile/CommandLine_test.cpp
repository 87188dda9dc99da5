#include "profile/CommandLine.h"

#include "SessionDefaults.h"

#include <gtest/gtest.h>

namespace {

// Resolves "sw1" and dotted addresses without asking the network.
std::optional<std::string> FakeResolve(const std::string& host) {
    if (host == "sw1")
        return "10.9.8.7";
    if (!host.empty() && host.find_first_not_of("0123456789.") == std::string::npos)
        return host;
    return std::nullopt;
}

struct Expect {
    std::string address;
    int port;
    int version;
    std::string read;
    std::string write;
    std::string securityName;
    std::string contextName;
};

struct Case {
    const char* name;
    std::vector<std::string> params;
    Expect expected;
};

class ScanTest : public ::testing::TestWithParam<Case> {};

TEST_P(ScanTest, SetsTheSession) {
    SetSessionDefaults();
    const Case& c = GetParam();
    const auto result = ScanCommandLine(c.params, FakeResolve);
    ASSERT_TRUE(result.Ok) << result.Message;
    EXPECT_EQ(gSNMPDevice.Address, c.expected.address);
    EXPECT_EQ(gSNMPDevice.Port, c.expected.port);
    EXPECT_EQ(gSNMPSecurity.Version, c.expected.version);
    EXPECT_EQ(gSNMPSecurity.ReadCommunity, c.expected.read);
    EXPECT_EQ(gSNMPSecurity.WriteCommunity, c.expected.write);
    EXPECT_EQ(gSNMPSecurity.SecurityName, c.expected.securityName);
    EXPECT_EQ(gSNMPScope.ContextName, c.expected.contextName);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

// Expected: address, port, version, read community, write community, security name, context name.
INSTANTIATE_TEST_SUITE_P(
    Rules, ScanTest,
    ::testing::Values(
        Case{"VersionFirstOpensTheV3Switches",
             {"/I10.0.0.5", "/v3", "/t1161", "/nadmin"},
             {"10.0.0.5", 1161, 3, "rdcomm", "wrtcomm", "admin", ""}},
        Case{"VersionLastIgnoresEarlierV3Switches",
             {"/I10.0.0.5", "/t1161", "/nadmin", "/v3"},
             {"10.0.0.5", 161, 3, "rdcomm", "wrtcomm", "", ""}},
        Case{"SwitchFoundInsideAParameter", {"x/R"}, {"127.0.0.1", 161, 0, "", "wrtcomm", "", ""}},
        Case{"OnlyTheFirstSwitchOfTheTableIsTaken",
             {"/Rabc/W"},
             {"127.0.0.1", 161, 0, "abc/W", "wrtcomm", "", ""}},
        Case{"TableOrderNotPositionDecides", {"/Wxx/Ryy"}, {"127.0.0.1", 161, 0, "yy", "wrtcomm", "", ""}},
        Case{"LaterParameterWins",
             {"/Rone", "/Rtwo", "/Wthree"},
             {"127.0.0.1", 161, 0, "two", "three", "", ""}},
        Case{"UnknownParametersAreIgnored",
             {"hello", "-x", "/z"},
             {"127.0.0.1", 161, 0, "rdcomm", "wrtcomm", "", ""}},
        Case{"HostNameIsResolved", {"/Isw1"}, {"10.9.8.7", 161, 0, "rdcomm", "wrtcomm", "", ""}},
        Case{"PortKeepsLow16Bits", {"/v3", "/t65697"}, {"127.0.0.1", 161, 3, "rdcomm", "wrtcomm", "", ""}},
        Case{"VersionKeepsLow8Bits", {"/v259"}, {"127.0.0.1", 161, 3, "rdcomm", "wrtcomm", "", ""}},
        Case{"V3SwitchesDroppedAfterVersionLeaves3",
             {"/v3", "/v1", "/cctx"},
             {"127.0.0.1", 161, 1, "rdcomm", "wrtcomm", "", ""}},
        Case{"ContextUnderV3", {"/v3", "/cctx"}, {"127.0.0.1", 161, 3, "rdcomm", "wrtcomm", "", "ctx"}}),
    CaseName);

TEST(ScanFailure, StopsAtTheFirstBadParameter) {
    struct FailCase {
        std::vector<std::string> params;
        std::string message;
    } cases[] = {
        {{"/Ino-such-host", "/Rlater"}, "Error Host Name!"},
        {{"/I", "/Rlater"}, "Error Host Name!"},
        {{"/vx", "/Rlater"}, "'x' is not a valid integer value"},
        {{"/v", "/Rlater"}, "'' is not a valid integer value"},
        {{"/v3", "/t16x", "/Rlater"}, "'16x' is not a valid integer value"},
        {{"/v99999999999", "/Rlater"}, "'99999999999' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        SetSessionDefaults();
        const auto result = ScanCommandLine(c.params, FakeResolve);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Message, c.message);
        EXPECT_EQ(gSNMPSecurity.ReadCommunity, "rdcomm") << "scan went on after " << c.params[0];
    }
}

TEST(ScanFailure, NegativeAndSignedNumbersAreNumbers) {
    SetSessionDefaults();
    EXPECT_TRUE(ScanCommandLine({"/v3", "/l-1", "/a+2"}, FakeResolve).Ok);
    EXPECT_EQ(gSNMPSecurity.SecurityLevel, -1);
    EXPECT_EQ(gSNMPSecurity.AuthProtocol, 2);
}

TEST(Resolver, GivesTheFirstIPv4Address) {
    EXPECT_EQ(ResolveIPv4("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(ResolveIPv4("localhost"), "127.0.0.1");
    EXPECT_EQ(ResolveIPv4(""), std::nullopt);
    EXPECT_EQ(ResolveIPv4("no-such-host.invalid"), std::nullopt);
}

TEST(SingleInstanceTitle, UsesTheLastIParameterAsTyped) {
    struct TitleCase {
        std::vector<std::string> params;
        std::string title;
    } cases[] = {
        {{"/Isw1", "/v1"}, "QTR5190MX : sw1"},
        {{"/I10.0.0.1", "/Isw2"}, "QTR5190MX : sw2"},
        {{"/I"}, ""},     // too short
        {{"x/Isw1"}, ""}, // must start the parameter
        {{"/v3", "/Rp"}, ""},
        {{"/Isw1", "/I"}, "QTR5190MX : sw1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SingleInstanceTitle(c.params), c.title);
}

} // namespace

// "/B0" turns GETBULK off for table walks, "/B1" leaves it on; without the switch it stays on.
TEST(ScanGetBulk, SwitchTurnsItOff) {
    const struct {
        std::vector<std::string> params;
        bool on;
    } cases[] = {
        {{"/I127.0.0.1", "/v1"}, true},
        {{"/I127.0.0.1", "/v1", "/B0"}, false},
        {{"/B0", "/B1"}, true},
        {{"/v3", "/B0"}, false}, // also under SNMPv3
    };
    for (const auto& c : cases) {
        SetSessionDefaults();
        gSNMPUseGetBulk = true;
        EXPECT_TRUE(ScanCommandLine(c.params, FakeResolve).Ok);
        EXPECT_EQ(gSNMPUseGetBulk, c.on) << c.params.back();
    }
    SetSessionDefaults();
    gSNMPUseGetBulk = true;
    EXPECT_FALSE(ScanCommandLine({"/Bx"}, FakeResolve).Ok);
}
