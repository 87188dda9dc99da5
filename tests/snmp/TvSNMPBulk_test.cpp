// Table walks with GETBULK give exactly the rows of the GET-NEXT walk: the same rows in the same order,
// the same ends of columns, the same outcomes; against the simulated switch, net-snmp's snmpd and an
// agent that answers GETBULK wrongly.

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"
#include "support/AsyncWalk.h"
#include "support/RogueAgent.h"
#include "support/SimSwitch.h"
#include "support/SnmpdAgent.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <sstream>

namespace {

void EnsureSession() {
    static int argc = 1;
    static char name[] = "test_snmp";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives until the process ends, like the application's
    static QTemporaryDir dir;
    if (!TvSNMPEngine::Instance())
        InitSNMPSession(dir.path().toStdString());
    gSnmpEventProcessor.Start();
}

struct Walk {
    int Code = 0;
    std::vector<std::string> Rows;
};

std::string RowText(const TvSNMPVarList& list) {
    std::string line;
    for (int i = 0; i < list.Count(); ++i)
        line += (i ? "\t" : "") + list.Item(i).Value;
    return line;
}

Walk Run(const TvSNMPVarList& list, bool bulk, bool async) {
    Walk out;
    TvSNMPRequest request;
    request.UseGetBulk = bulk;
    request.VarList.Assign(list);
    if (!async) {
        try {
            for (bool more = request.GetStep(true); more; more = request.GetStep(false))
                out.Rows.push_back(RowText(request.VarList));
        } catch (const TvException& e) {
            out.Code = e.Code();
        }
        return out;
    }
    const std::optional<TvSNMPError> end = AsyncWalk(
        request,
        [&](const TvSNMPVarList& l) {
            out.Rows.push_back(RowText(l));
            return true;
        },
        60000);
    out.Code = end ? end->Code : errTimeout;
    return out;
}

void UseAgent(std::uint16_t port, const std::string& community, int version = 1) {
    gSNMPDevice.Address = "127.0.0.1";
    gSNMPDevice.Port = port;
    gSNMPSecurity.Version = static_cast<std::int8_t>(version);
    gSNMPSecurity.ReadCommunity = community;
    gSNMPTimeout = 100;
}

// The GET-NEXT walk is the reference; the bulk walk, blocking and asynchronous, must match it.
void ExpectSameRows(const TvSNMPVarList& list, const std::string& name, size_t minRows) {
    const Walk reference = Run(list, false, false);
    EXPECT_EQ(reference.Code, 0) << name;
    EXPECT_GE(reference.Rows.size(), minRows) << name;
    for (const bool async : {false, true}) {
        const Walk bulk = Run(list, true, async);
        EXPECT_EQ(bulk.Code, reference.Code) << name << (async ? " async" : "");
        EXPECT_EQ(bulk.Rows, reference.Rows) << name << (async ? " async" : "");
    }
}

constexpr TvSNMPVarDef kMixed[] = {
    // ifDescr has a row per interface, dot1dBasePortIfIndex one per bridge port: columns that end apart.
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex},
    {"1.3.6.1.2.1.2.2.1.2", "Descr", synDisplayString, accReadOnly},
    {"1.3.6.1.2.1.17.1.4.1.2", "Bridge Port If Index", synInteger, accReadOnly},
    {nullptr},
};
constexpr TvSNMPVarDef kFdb[] = {
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "VLAN", synGauge32, accIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", synMacAddress, accIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", synInteger, accReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", synInteger, accReadOnly},
    {nullptr},
};
constexpr TvSNMPVarDef kEmpty[] = {
    {"1.3.6.1.4.1.59371.424242.1.1", "Nothing", synInteger, accReadOnly},
    {nullptr},
};
constexpr TvSNMPVarDef kRogueRows[] = {
    {"1.3.6.1.4.1.59371.99.2.1.1", "Index", synInteger, accIndex},
    {"1.3.6.1.4.1.59371.99.2.1.2", "Name", synDisplayString, accReadOnly},
    {"1.3.6.1.4.1.59371.99.2.1.3", "Size", synGauge32, accReadOnly},
    {nullptr},
};

TEST(BulkWalk, SameRowsAsGetNextOnTheSimulatedSwitch) {
    EnsureSession();
    SimSwitch sim;
    ASSERT_TRUE(sim.Start()) << sim.Error();
    for (const int version : {1, 3}) {
        UseAgent(sim.Port(), "rdcomm", version);
        gSNMPSecurity.SecurityName = "shaaesuser";
        gSNMPSecurity.SecurityLevel = 3;
        gSNMPSecurity.AuthProtocol = apHmacSha;
        gSNMPSecurity.AuthPassword = "authpass123";
        gSNMPSecurity.PrivProtocol = ppAes128;
        gSNMPSecurity.PrivPassword = "privpass123";
        const std::string v = version == 3 ? " v3" : " v2c";
        ExpectSameRows(TvSNMPVarList(kMixed, 2, 1), "columns of different lengths" + v, 29);
        if (version == 1)
            ExpectSameRows(TvSNMPVarList(kFdb, 2, 2), "forwarding table" + v, 4000);
        ExpectSameRows(TvSNMPVarList(kEmpty, 2, 0), "empty table" + v, 0);
    }
    gSNMPSecurity.Version = 1;
    // A slow link: every reply held back 20 ms; the rows are the same.
    SimSwitch slow;
    ASSERT_TRUE(slow.Start({"--delay", "20"})) << slow.Error();
    UseAgent(slow.Port(), "rdcomm");
    ExpectSameRows(TvSNMPVarList(kMixed, 2, 1), "columns of different lengths, --delay 20", 29);
}

TEST(BulkWalk, SameRowsAsGetNextOnSnmpd) {
    EnsureSession();
    SnmpdAgent snmpd;
    ASSERT_TRUE(snmpd.Start()) << snmpd.Error();
    UseAgent(snmpd.Port(), "public");
    constexpr TvSNMPVarDef ifTable[] = {
        {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex},
        {"1.3.6.1.2.1.2.2.1.2", "Descr", synDisplayString, accReadOnly},
        {"1.3.6.1.2.1.2.2.1.5", "Speed", synGauge32, accReadOnly},
        {nullptr},
    };
    // The view table of snmpd's access control, near the end of what it serves.
    constexpr TvSNMPVarDef lastTable[] = {
        {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask", synOctetHex, accReadOnly},
        {"1.3.6.1.6.3.16.1.5.2.1.6", "Status", synInteger, accReadOnly},
        {nullptr},
    };
    ExpectSameRows(TvSNMPVarList(ifTable, 2, 1), "ifTable", 1);
    ExpectSameRows(TvSNMPVarList(lastTable, 2, 0), "view table", 1);
    ExpectSameRows(TvSNMPVarList(kEmpty, 2, 0), "empty table", 0);
}

// An agent that answers GETBULK with an error, tooBig or rows going backwards: the walk falls back (or
// asks for fewer rows) and shows the rows of the GET-NEXT walk, without an error.
TEST(BulkWalk, AgentsThatAnswerGetBulkWrongly) {
    EnsureSession();
    for (const char* mode : {"honest", "nobulk", "toobig", "badbulk"}) {
        RogueAgent rogue;
        ASSERT_TRUE(rogue.Start(mode, {"--log"})) << rogue.Error();
        UseAgent(rogue.Port(), "public");
        // The table is the last thing the agent serves: its end is the end of the MIB view.
        ExpectSameRows(TvSNMPVarList(kRogueRows, 2, 1), mode, 5);
        // An agent that answered GETBULK wrongly is asked with GET-NEXT from then on: one GETBULK in
        // all three walks, never again after it.
        const std::string log = rogue.Log();
        size_t bulks = 0;
        for (size_t at = log.find("GETBULK"); at != std::string::npos; at = log.find("GETBULK", at + 1))
            ++bulks;
        if (std::string(mode) == "nobulk" || std::string(mode) == "badbulk") {
            EXPECT_EQ(bulks, 1u) << mode;
            EXPECT_GT(log.find("GETNEXT", log.find("GETBULK")), log.find("GETBULK")) << mode;
        } else {
            EXPECT_GE(bulks, 2u) << mode; // both bulk walks used it
        }
    }
}

// The next rows are asked for while the last ones are handed out, with GETBULK or GET-NEXT, but never
// more than the owner can use: on an endless table with room for 40 rows, a walk asks for 40 rows in
// all. A walk begun again on the same request, or a request let go, with rows still on their way, is
// unharmed.
TEST(BulkWalk, ReadAheadStaysWithinTheRowLimit) {
    EnsureSession();
    RogueAgent rogue;
    ASSERT_TRUE(rogue.Start("endless", {"--log"})) << rogue.Error();
    UseAgent(rogue.Port(), "public");
    const TvSNMPVarList list(kRogueRows, 2, 1);
    const auto askedRows = [&](size_t from) {
        long rows = 0;
        std::istringstream lines(rogue.Log().substr(from));
        for (std::string kind; lines >> kind;)
            if (kind == "GETBULK") {
                long n = 0;
                lines >> n;
                rows += n;
            } else if (kind == "GETNEXT") {
                ++rows;
            }
        return rows;
    };
    constexpr int kLimit = 40;
    for (const auto& [bulk, async] : {std::pair{true, false}, {true, true}, {false, false}, {false, true}}) {
        SCOPED_TRACE(std::string(bulk ? "GETBULK" : "GET-NEXT") + (async ? ", async" : ", blocking"));
        auto request = std::make_unique<TvSNMPRequest>();
        request->VarList.Assign(list);
        request->UseGetBulk = bulk;
        std::vector<std::string> firstRows;
        for (int walk = 0; walk < 2; ++walk) {
            const size_t mark = rogue.Log().size();
            std::vector<std::string> rows;
            if (!async) {
                // As a window reads: the limit is looked at before each step.
                for (bool first = true; rows.size() < kLimit; first = false) {
                    request->BulkRowLimit = kLimit - static_cast<std::int32_t>(rows.size());
                    if (!request->GetStep(first))
                        break;
                    rows.push_back(RowText(request->VarList));
                }
            } else {
                request->BulkRowLimit = kLimit;
                AsyncWalk(*request, [&](const TvSNMPVarList& l) {
                    rows.push_back(RowText(l));
                    request->BulkRowLimit = kLimit - static_cast<std::int32_t>(rows.size());
                    return rows.size() < kLimit;
                });
            }
            ASSERT_EQ(rows.size(), static_cast<size_t>(kLimit));
            EXPECT_LE(askedRows(mark), kLimit) << "walk " << walk;
            if (walk == 0)
                firstRows = rows;
            else
                EXPECT_EQ(rows, firstRows);
        }
        // One more row asked for, then the request let go while its rows may be on their way.
        request->BulkRowLimit = 0;
        if (async)
            request->GetAsync([](TvSNMPError&, TvSNMPVarList&) {}, false);
        else
            request->GetStep(false);
        request.reset();
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
    }
}

} // namespace
