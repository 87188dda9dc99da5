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
        Case{"TableOrderNotPositionDecides",
             {"/v3", "/nxx/cyy"},
             {"127.0.0.1", 161, 3, "rdcomm", "wrtcomm", "", "yy"}},
        Case{"CommunityKeepsWhatFollowsIt", {"/Wxx/Ryy"}, {"127.0.0.1", 161, 0, "rdcomm", "xx/Ryy", "", ""}},
        Case{"CommunityHoldingAVersion",
             {"/v1", "/Rab/v3"},
             {"127.0.0.1", 161, 1, "ab/v3", "wrtcomm", "", ""}},
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
        Case{"ContextUnderV3", {"/v3", "/cctx"}, {"127.0.0.1", 161, 3, "rdcomm", "wrtcomm", "", "ctx"}},
        // docs/simulator.md: the simulated switch's port under SNMPv2c.
        Case{"SimulatorExampleOfTheDocs",
             {"/I127.0.0.1", "/v3", "/t16161", "/v1", "/Rrdcomm", "/Wwrtcomm"},
             {"127.0.0.1", 16161, 1, "rdcomm", "wrtcomm", "", ""}}),
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

// Passwords and communities on a command line, right or wrong: no message repeats any part of them, and
// nothing but a real "/I" value is looked up as a host (a lookup would carry the text to a DNS server).
TEST(ScanSecrets, NoFragmentInAMessageOrALookup) {
    using Field = std::string TvSNMPSecurity::*;
    struct SecretCase {
        const char* name;
        std::vector<std::string> params;
        const char* fragment;
        bool ok;
        Field field = nullptr; // when ok: where the whole value went
        const char* value = "";
    } cases[] = {
        {"password holding /v",
         {"/v3", "/Amy/versecret"},
         "ersecret",
         true,
         &TvSNMPSecurity::AuthPassword,
         "my/versecret"},
        {"password holding /I",
         {"/v3", "/Amy/Isecretword"},
         "secretword",
         true,
         &TvSNMPSecurity::AuthPassword,
         "my/Isecretword"},
        {"priv password holding /A",
         {"/v3", "/Pab/Asecretword"},
         "secretword",
         true,
         &TvSNMPSecurity::PrivPassword,
         "ab/Asecretword"},
        {"community holding /I",
         {"/Rab/Isecretword"},
         "secretword",
         true,
         &TvSNMPSecurity::ReadCommunity,
         "ab/Isecretword"},
        {"community holding /t",
         {"/v3", "/Wmy/tsecret9"},
         "secret9",
         true,
         &TvSNMPSecurity::WriteCommunity,
         "my/tsecret9"},
        {"password before version 3 is ignored", {"/Amy/v3x/Isecretword"}, "secretword", true},
        {"number before a password", {"/v3", "/t16/Asecretword"}, "secretword", false},
        {"version before a community", {"/v1/Rsecretword"}, "secretword", false},
        {"bad number then a password", {"/v3", "/lx/Psecretword"}, "secretword", false},
        {"host before a password", {"/v3", "/I10.0.0.1/Psecretword"}, "secretword", false},
        {"host before a community", {"/Isw1/Wsecretword"}, "secretword", false},
        {"host with a blank", {"/Isw1 secretword"}, "secretword", false},
    };
    for (const auto& c : cases) {
        SetSessionDefaults();
        std::vector<std::string> asked;
        const auto record = [&asked](const std::string& host) {
            asked.push_back(host);
            return FakeResolve(host);
        };
        const CommandLineResult result = ScanCommandLine(c.params, record);
        EXPECT_EQ(result.Ok, c.ok) << c.name << ": " << result.Message;
        EXPECT_EQ(result.Message.find(c.fragment), std::string::npos) << c.name << ": " << result.Message;
        for (const std::string& host : asked)
            EXPECT_EQ(host.find(c.fragment), std::string::npos) << c.name << ": looked up " << host;
        if (c.field) {
            EXPECT_EQ(gSNMPSecurity.*c.field, c.value) << c.name;
        }
    }
    // Without a password or community in the parameter, the value is still shown.
    SetSessionDefaults();
    EXPECT_EQ(ScanCommandLine({"/v3", "/lx/n"}, FakeResolve).Message, "'x/n' is not a valid integer value");
}

TEST(ScanSecrets, SwitchOfAParameter) {
    const std::pair<const char*, const char*> cases[] = {
        {"/Asecret", "/A"}, {"/Aa/Ib", "/A"}, {"/Ia/Ab", "/I"}, {"/Rabc/W", "/R"},
        {"/Wabc/R", "/W"},  {"/Pa/Ab", "/P"}, {"/Aa/Pb", "/A"}, {"x/v3", "/v"},
        {"/nx/cy", "/c"},   {"/cx/Iy", "/I"}, {"/cx/Ay", "/c"}, {"plain", ""},
    };
    for (const auto& [param, expected] : cases)
        EXPECT_EQ(SwitchOf(param), expected) << param;
}

TEST(ScanSecrets, HostNamesThatCannotBeAreNotLookedUp) {
    const std::pair<std::string, bool> cases[] = {
        {"sw1", true},
        {"10.0.0.1", true},
        {"host-a.example_b.org", true},
        {"", false},
        {"a b", false},
        {"10.0.0.1/Apass", false},
        {"sw1:161", false},
        {"caf\xc3\xa9", false},
        {std::string(254, 'a'), false},
        {std::string(253, 'a'), true},
    };
    for (const auto& [host, plausible] : cases)
        EXPECT_EQ(PlausibleHostName(host), plausible) << host;
}

// The program's own arguments, as /proc/<pid>/cmdline shows them to every local user: what follows a
// password or community switch is overwritten, nothing else.
TEST(ScanSecrets, HideSecretArgumentsOverwritesOnlyTheSecrets) {
    const std::pair<std::string, std::string> args[] = {
        {"qtr5190mx", "qtr5190mx"},
        {"/I10.0.0.1", "/I10.0.0.1"},
        {"/v3", "/v3"},
        {"/Aauthsecret", "/A**********"},
        {"/Pab/Ivx", "/P******"},
        {"/Rcomm", "/R****"},
        {"x/Wwc", "x/W**"},
        {"/nadmin", "/nadmin"},
        {"/Amy/vq", "/A*****"},
        {"/A", "/A"},
        {"/v3/Asecret", "/v3/A******"},
    };
    std::vector<std::string> storage;
    for (const auto& [given, hidden] : args)
        storage.push_back(given);
    std::vector<char*> argv;
    for (std::string& a : storage)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    HideSecretArguments(static_cast<int>(argv.size()) - 1, argv.data());
    for (std::size_t i = 0; i < std::size(args); ++i)
        EXPECT_EQ(std::string(argv[i]), args[i].second) << args[i].first;
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

// "/L162" receives notifications on port 162, under any version; without it none are received, and a
// number that is no port turns it off.
TEST(ScanNotificationPort, SwitchSetsThePort) {
    const struct {
        std::vector<std::string> params;
        int port;
    } cases[] = {
        {{"/I127.0.0.1", "/v1"}, -1},
        {{"/I127.0.0.1", "/v1", "/L162"}, 162},
        {{"/L16162", "/v3"}, 16162},
        {{"/L162", "/L-1"}, -1},
        {{"/L65536"}, -1},
        {{"/L0"}, 0},
        {{"/Apass/L162"}, -1}, // part of a password, as ever
    };
    for (const auto& c : cases) {
        SetSessionDefaults();
        gNotificationPort = -1;
        EXPECT_TRUE(ScanCommandLine(c.params, FakeResolve).Ok);
        EXPECT_EQ(gNotificationPort, c.port) << c.params.back();
    }
    SetSessionDefaults();
    EXPECT_FALSE(ScanCommandLine({"/Lx"}, FakeResolve).Ok);
    gNotificationPort = -1;
}
