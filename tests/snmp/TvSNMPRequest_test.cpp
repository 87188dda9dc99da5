#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"
#include "support/AsyncWalk.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SnmpdAgent.h"
#include "values/TvOptionList.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <map>
#include <memory>

namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "test_snmp";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

void EnsureSession() {
    App();
    static QTemporaryDir dir;
    if (!TvSNMPEngine::Instance())
        InitSNMPSession(dir.path().toStdString());
}

void UseAgent(std::uint16_t port, int version, const std::string& read, const std::string& write) {
    gSNMPDevice.Address = "127.0.0.1";
    gSNMPDevice.Port = port;
    gSNMPSecurity.Version = static_cast<std::int8_t>(version);
    gSNMPSecurity.ReadCommunity = read;
    gSNMPSecurity.WriteCommunity = write;
    gSNMPTimeout = 100;
}

// Column values of a table, read with net-snmp's own snmpwalk: {column -> {row index -> value}}.
std::map<std::string, std::map<std::string, std::string>>
ReferenceWalk(std::uint16_t port, const std::string& version, const std::vector<std::string>& columns) {
    std::map<std::string, std::map<std::string, std::string>> out;
    for (const std::string& column : columns) {
        const std::string cmd = "MIBS= SNMPCONFPATH=/nonexistent snmpwalk -v" + version +
                                " -c public -On -Oq -Oe -t 2 127.0.0.1:" + std::to_string(port) + " " +
                                column + " 2>/dev/null";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), &pclose);
        char line[4096];
        while (pipe && fgets(line, sizeof line, pipe.get())) {
            std::string s(line);
            while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
                s.pop_back();
            const size_t blank = s.find(' ');
            std::string oid = s.substr(1, blank - 1); // numeric OIDs start with "."
            std::string value = blank == std::string::npos ? "" : s.substr(blank + 1);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            if (oid.rfind(column + ".", 0) == 0)
                out[column][oid.substr(column.size() + 1)] = value;
        }
    }
    return out;
}

constexpr TvSNMPVarDef kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex},
    {"1.3.6.1.2.1.2.2.1.2", "Descr", synDisplayString, accReadOnly},
    {"1.3.6.1.2.1.2.2.1.3", "Type", synInteger, accReadOnly},
    {"1.3.6.1.2.1.2.2.1.4", "Mtu", synInteger, accReadOnly},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", synGauge32, accReadOnly},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", synInteger, accReadWrite},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", synInteger, accReadOnly},
    {nullptr},
};

class RequestSnmpdTest : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        EnsureSession();
        agent_ = std::make_unique<SnmpdAgent>();
        ASSERT_TRUE(agent_->Start()) << agent_->Error();
    }
    static void TearDownTestSuite() { agent_.reset(); }
    static std::unique_ptr<SnmpdAgent> agent_;
};
std::unique_ptr<SnmpdAgent> RequestSnmpdTest::agent_;

// A blocking walk ends at noSuchName (SNMPv1) or at the end of the view (SNMPv2c) and gives the same
// rows as net-snmp's own walker.
TEST_P(RequestSnmpdTest, WalkOfIfTableEqualsSnmpwalk) {
    const int version = GetParam();
    UseAgent(agent_->Port(), version, "public", "private");
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(kIfTable, 2, 1));

    std::map<std::string, std::vector<std::string>> rows; // index -> values of columns 1..6
    bool more = request.GetStep(true);
    while (more) {
        std::vector<std::string> values;
        for (int i = 1; i < request.VarList.Count(); ++i)
            values.push_back(request.VarList.Item(i).Value);
        rows[request.VarList.Item(0).Value] = values;
        more = request.GetStep(false);
    }

    std::vector<std::string> columns;
    for (int i = 1; kIfTable[i].Oid; ++i)
        columns.push_back(kIfTable[i].Oid);
    auto reference = ReferenceWalk(agent_->Port(), version == 0 ? "1" : "2c", columns);
    ASSERT_FALSE(reference[columns[0]].empty());
    ASSERT_EQ(rows.size(), reference[columns[0]].size());
    for (const auto& [index, values] : rows)
        for (size_t c = 0; c < columns.size(); ++c)
            EXPECT_EQ(values[c], reference[columns[c]][index]) << "row " << index << " column " << columns[c];
}

INSTANTIATE_TEST_SUITE_P(Versions, RequestSnmpdTest, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& p) { return p.param == 0 ? "v1" : "v2c"; });

// The same walk through the event pump, and the destruction rule: a request destroyed with reads in
// flight gives them up at once; none of their callbacks runs, also when the replies come.
TEST_F(RequestSnmpdTest, AsyncWalkAndDestructionCancelsOutstandingReads) {
    UseAgent(agent_->Port(), 1, "public", "private");
    int rows = 0;
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(kIfTable, 2, 1));
    const std::optional<TvSNMPError> end = AsyncWalk(request, [&](const TvSNMPVarList&) {
        ++rows;
        return true;
    });
    ASSERT_TRUE(end);
    EXPECT_EQ(end->Code, 0);
    EXPECT_EQ(static_cast<size_t>(rows),
              ReferenceWalk(agent_->Port(), "2c", {kIfTable[1].Oid})[kIfTable[1].Oid].size());

    int callbacks = 0;
    {
        auto reader = std::make_unique<TvSNMPRequest>();
        reader->VarList.Assign(TvSNMPVarList(kIfTable, 2, 1));
        reader->GetAsync([&](TvSNMPError&, TvSNMPVarList&) { ++callbacks; }, true);
        reader->GetAsync([&](TvSNMPError&, TvSNMPVarList&) { ++callbacks; }, true);
        EXPECT_EQ(reader->Outstanding, 2);
        reader.reset();
    }
    EXPECT_EQ(TvSNMPEngine::Instance()->OutstandingCount(), 0u);
    PumpUntil([] { return false; }, 300); // the replies arrive meanwhile
    EXPECT_EQ(callbacks, 0);
}

TEST_F(RequestSnmpdTest, ShortRowInstanceAndScalarContinuationRaise) {
    UseAgent(agent_->Port(), 1, "public", "private");
    // Two integer keys, but ifTable rows carry one sub-identifier.
    constexpr TvSNMPVarDef twoKeys[] = {
        {" ", "Key 1", synInteger, accIndex},
        {" ", "Key 2", synInteger, accIndex},
        {"1.3.6.1.2.1.2.2.1.2", "Descr", synDisplayString, accReadOnly},
        {nullptr},
    };
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(twoKeys, 2, 2));
    try {
        request.GetStep(true);
        FAIL() << "no exception";
    } catch (const TvException& e) {
        EXPECT_EQ(e.Code(), -514);
    }

    constexpr TvSNMPVarDef scalars[] = {{"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite},
                                        {nullptr}};
    TvSNMPRequest scalar;
    scalar.VarList.Assign(TvSNMPVarList(scalars, 0, 0));
    EXPECT_FALSE(scalar.GetStep(true));
    try {
        scalar.GetStep(false);
        FAIL() << "no exception";
    } catch (const TvException& e) {
        EXPECT_EQ(e.Code(), -510);
    }
}

TEST_F(RequestSnmpdTest, TimeoutOfAClosedPortRaisesMinus405) {
    UseAgent(SnmpdAgent::ClosedPort(), 1, "public", "private");
    gSNMPTimeout = 20;
    constexpr TvSNMPVarDef scalars[] = {{"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite},
                                        {nullptr}};
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(scalars, 0, 0));
    try {
        request.GetStep(true);
        FAIL() << "no exception";
    } catch (const TvException& e) {
        EXPECT_EQ(e.Code(), -405);
        EXPECT_EQ(e.Message(), "(SNMPClass) SNMP request timed out!");
    }
}

// An empty table under SNMPv1 answers the first GET-NEXT with noSuchName: the walk ends without rows
// and without an error.
TEST_F(RequestSnmpdTest, EmptyTableUnderSnmpV1EndsWithoutError) {
    UseAgent(agent_->Port(), 0, "public", "private");
    constexpr TvSNMPVarDef beyond[] = {
        {"2.1.1.1", "Index", synInteger, accIndex},
        {"2.1.1.2", "Value", synInteger, accReadOnly},
        {nullptr},
    };
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(beyond, 2, 1));
    EXPECT_FALSE(request.GetStep(true));
}

// Whether a returned OID has left its column, or stopped moving forward within it.
TEST(RequestOutOfColumn, Cases) {
    const struct {
        int itemType;
        const char* current;
        const char* returned;
        bool out;
    } cases[] = {
        {2, "", "1.3.6.1.2.1.2.2.1.2.1", false},
        {2, "1.3.6.1.2.1.2.2.1.2.1", "1.3.6.1.2.1.2.2.1.2.2", false},
        {2, "1.3.6.1.2.1.2.2.1.2.9", "1.3.6.1.2.1.2.2.1.2.10", false}, // numeric, not text order
        {2, "1.3.6.1.2.1.2.2.1.2.2", "1.3.6.1.2.1.2.2.1.2.2", true},   // no progress (endOfMibView)
        {2, "1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.2.3", true},   // going backwards: would loop
        {2, "1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.3.1", true},   // next column
        {2, "1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.20.1", true},  // same prefix, other column
        {2, "1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.2", true},     // the column itself
        {3, "1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.3.1", true},
        {0, "1.3.6.1.2.1.2.2.1.2.5", "1.3.6.1.2.1.2.2.1.3.1", false}, // scalars never leave a column
        {1, "", "1.9", false},
    };
    for (const auto& c : cases) {
        TvSNMPRequest request;
        request.VarList.ItemType = static_cast<std::uint8_t>(c.itemType);
        EXPECT_EQ(request.OutOfColumn("1.3.6.1.2.1.2.2.1.2", c.current, c.returned), c.out)
            << c.itemType << " " << c.current << " -> " << c.returned;
    }
}

class RequestSimTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureSession();
        sim_ = std::make_unique<SimSwitch>();
        ASSERT_TRUE(sim_->Start()) << sim_->Error();
    }
    static void TearDownTestSuite() { sim_.reset(); }
    void SetUp() override { UseAgent(sim_->Port(), 1, "rdcomm", "wrtcomm"); }
    static std::unique_ptr<SimSwitch> sim_;
};
std::unique_ptr<SimSwitch> RequestSimTest::sim_;

constexpr TvSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.4", "Contact", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", synDisplayString, accReadWrite},
    {nullptr},
};

std::vector<std::string> ReadSystem() {
    TvSNMPRequest r;
    r.VarList.Assign(TvSNMPVarList(kSystem, 0, 0));
    r.GetStep(true);
    return {r.VarList.Item(0).Value, r.VarList.Item(1).Value, r.VarList.Item(2).Value};
}

// A write with an include list sends exactly the included items with the given values, and the list is
// as it was afterwards, also after a refused write.
TEST_F(RequestSimTest, IncludeListWritesOnlyTheIncludedItems) {
    const std::vector<std::string> before = ReadSystem();
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(kSystem, 0, 0));
    request.GetStep(true);
    request.VarList.Item(1).Value = "not sent";
    request.Set("0,2", {"ops@example.net", "Rack 7"});
    EXPECT_EQ(ReadSystem(), (std::vector<std::string>{"ops@example.net", before[1], "Rack 7"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(request.VarList.Item(i).Access, accReadWrite) << i;
    EXPECT_EQ(request.VarList.Item(0).Value, before[0]);
    EXPECT_EQ(request.VarList.Item(1).Value, "not sent");

    // A value of the wrong type for the agent is refused; nothing changes, here or there.
    request.VarList.Item(0).Syntax = synInteger;
    try {
        request.Set("0", {"5"});
        FAIL() << "no exception";
    } catch (const TvException& e) {
        EXPECT_EQ(e.Code(), -107);
    }
    EXPECT_EQ(request.VarList.Item(0).Value, before[0]);
    EXPECT_EQ(request.VarList.Item(0).Access, accReadWrite);
    EXPECT_EQ(ReadSystem()[0], "ops@example.net");
    request.VarList.Item(0).Syntax = synDisplayString;
    request.Set("0,2", {before[0], before[2]});
}

// Columns of different lengths: the ended columns read "(NOTDONE)" until every column has ended.
TEST_F(RequestSimTest, ColumnsEndingAtDifferentRowsReadNotDone) {
    // ifDescr has a row per interface (28 ports and the CPU); dot1dBasePortIfIndex one per bridge port.
    constexpr TvSNMPVarDef mixed[] = {
        {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex},
        {"1.3.6.1.2.1.2.2.1.2", "Descr", synDisplayString, accReadOnly},
        {"1.3.6.1.2.1.17.1.4.1.2", "Bridge Port If Index", synInteger, accReadOnly},
        {nullptr},
    };
    TvSNMPRequest request;
    request.VarList.Assign(TvSNMPVarList(mixed, 2, 1));
    int rows = 0, notDone = 0;
    for (bool more = request.GetStep(true); more; more = request.GetStep(false)) {
        ++rows;
        EXPECT_NE(request.VarList.Item(1).Value, "(NOTDONE)");
        if (request.VarList.Item(2).Value == "(NOTDONE)")
            ++notDone;
    }
    EXPECT_EQ(rows, 29);
    EXPECT_EQ(notDone, 1);
}

} // namespace

// Reads and writes address the same OIDs as the variable list builds them, for every item type,
// instance and row index; a table row without an index is written at the column, never at "column.".
TEST(RequestOids, WritesGoWhereTheListSaysForEveryItemTypeInstanceAndRowIndex) {
    EnsureSession();
    SimSwitch sim;
    ASSERT_TRUE(sim.Start({"--log"})) << sim.Error();
    UseAgent(sim.Port(), 1, "rdcomm", "wrtcomm");
    static constexpr TvSNMPVarDef kRow[] = {
        {"1.3.6.1.2.1.1.9.1.1", "Index", synInteger, accIndex},
        {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite},
        {nullptr},
    };
    struct Case {
        std::uint8_t itemType;
        const char* instance;
        const char* rowIndex; // null: a table without key columns
        const char* written;  // the OID the agent must receive
    };
    const Case cases[] = {
        {0, "", "", "1.3.6.1.2.1.1.5.0"},  {0, "2", "", "1.3.6.1.2.1.1.5.2.0"},
        {1, "", "", "1.3.6.1.2.1.1.5"},    {1, "5", "", "1.3.6.1.2.1.1.5.5"},
        {2, "", "7", "1.3.6.1.2.1.1.5.7"}, {2, "", nullptr, "1.3.6.1.2.1.1.5"},
        {3, "", "7", "1.3.6.1.2.1.1.5.7"}, {2, "4", "7", "1.3.6.1.2.1.1.5.4.7"},
    };
    for (const Case& c : cases) {
        TvSNMPRequest request;
        request.VarList.Assign(TvSNMPVarList(kRow, c.itemType, c.itemType >= 2 && c.rowIndex ? 1 : 0));
        request.VarList.Instance = c.instance;
        request.VarList.Item(0).Value = c.rowIndex ? c.rowIndex : "";
        request.VarList.Item(1).Value = "oid-probe";
        EXPECT_EQ(request.VarList.WriteOid(1), c.written);
        const size_t before = sim.Log().size();
        try {
            request.Set("1", {});
        } catch (const TvException&) {
            // The agent may refuse a made-up row; what counts is where the write went.
        }
        const std::string log = sim.Log().substr(before);
        const std::string at = std::string(" .") + c.written;
        EXPECT_TRUE(log.find(at + "\n") != std::string::npos ||
                    log.find(at + " refused") != std::string::npos)
            << int(c.itemType) << " '" << c.instance << "' '" << (c.rowIndex ? c.rowIndex : "-") << "':\n"
            << log;
    }
}

// A text that is not a value of its item's syntax is refused before the write is built, whichever caller
// gave it, blocking or not, with or without an option list: nothing reaches the switch, and the message
// names the item and the rule but not the text (it may be a key).
TEST(RequestValueCheck, AValueNotOfItsSyntaxIsRefusedAndNothingIsSent) {
    EnsureSession();
    SimSwitch sim;
    ASSERT_TRUE(sim.Start({"--log"})) << sim.Error();
    UseAgent(sim.Port(), 1, "rdcomm", "wrtcomm");
    static const TvOptionList kOnOff(TvOptionList::kIntegers, {{1, "on"}, {2, "off"}});
    const struct {
        int syntax;
        const TvOptionList* options;
        const char* text;
        const char* rule;
    } cases[] = {
        {synInteger, nullptr, "4294967295", "a whole number from -2147483648 to 2147483647"},
        {synGauge32, nullptr, "-1", "a whole number from 0 to 4294967295"},
        {synTimeTicks, nullptr, "12345", "a time such as"},
        {synIpAddress, nullptr, "300.1.1.1", "an IP address"},
        {synMacAddress, nullptr, "0A0B0C0D0E", "a MAC address"},
        {synTruthValue, nullptr, "yes", "true or false"},
        {synReal, nullptr, "2.5x", "a number"},
        {synInteger, &kOnOff, "maybe", "a whole number"},
    };
    for (const auto& c : cases) {
        for (const bool async : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.text << (async ? " async" : " blocking"));
            TvSNMPRequest request;
            request.VarList.AddItem("1.3.6.1.2.1.1.6", "Location", c.syntax, accReadWrite, c.options);
            const size_t before = sim.Log().size();
            try {
                if (async)
                    request.SetAsync([](TvSNMPError&, TvSNMPVarList&) { ADD_FAILURE() << "answered"; }, "0",
                                     {c.text});
                else
                    request.Set("0", {c.text});
                ADD_FAILURE() << "not refused";
            } catch (const TvException& e) {
                EXPECT_EQ(e.Code(), errBadValue);
                EXPECT_NE(e.Message().find("\"Location\" is not " + std::string(c.rule)), std::string::npos)
                    << e.Message();
                EXPECT_EQ(e.Message().find(c.text), std::string::npos) << e.Message();
            }
            EXPECT_EQ(request.VarList.Item(0).Value, "");
            ASSERT_TRUE(sim.AwaitMarker());
            EXPECT_EQ(sim.Log().substr(before).find("SET"), std::string::npos) << sim.Log().substr(before);
        }
    }
}
