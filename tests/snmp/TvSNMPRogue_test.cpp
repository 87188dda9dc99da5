// What the core does with replies that do not answer their requests: an agent of our own misbehaves
// in one way per run, and every outcome is an error naming what went wrong, never a value shown as
// right.

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"
#include "support/PumpUntil.h"
#include "support/RogueAgent.h"
#include "support/SimSwitch.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

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

const std::string kTable = RogueAgent::kTable;

const TvSNMPVarDef kScalars[] = {
    {"1.3.6.1.4.1.59371.99.1.1", "Answer", synInteger, accReadOnly},
    {"1.3.6.1.4.1.59371.99.1.2", "Name", synDisplayString, accReadOnly},
    {"1.3.6.1.4.1.59371.99.1.3", "Count", synCounter32, accReadOnly},
    {nullptr},
};

const TvSNMPVarDef kRows[] = {
    {"1.3.6.1.4.1.59371.99.2.1.1", "Index", synInteger, accIndex},
    {"1.3.6.1.4.1.59371.99.2.1.2", "Name", synDisplayString, accReadOnly},
    {"1.3.6.1.4.1.59371.99.2.1.3", "Size", synGauge32, accReadOnly},
    {nullptr},
};

// The same columns without the key: the walk knows no row index.
const TvSNMPVarDef kKeyless[] = {
    {"1.3.6.1.4.1.59371.99.2.1.2", "Name", synDisplayString, accReadOnly},
    {"1.3.6.1.4.1.59371.99.2.1.3", "Size", synGauge32, accReadOnly},
    {nullptr},
};

struct Outcome {
    int Code = 0;
    std::string Message;
    int ErrorIndex = 0;
    std::vector<std::string> Rows; // values of the shown items, tab-separated, per row
};

std::string RowText(const TvSNMPVarList& list) {
    std::string line;
    for (int i = 0; i < list.Count(); ++i)
        line += (i ? "\t" : "") + list.Item(i).Value;
    return line;
}

// A blocking read (or walk) of the list.
Outcome Blocking(const TvSNMPVarList& list) {
    Outcome out;
    out.Message = CatalogText(0);
    TvSNMPRequest request;
    request.Target.Retries = 0;
    request.VarList.Assign(list);
    try {
        if (list.ItemType < 2) {
            request.GetStep(true);
            out.Rows.push_back(RowText(request.VarList));
        } else {
            for (bool more = request.GetStep(true); more && out.Rows.size() <= 50;
                 more = request.GetStep(false))
                out.Rows.push_back(RowText(request.VarList));
        }
    } catch (const TvException& e) {
        out.Code = e.Code();
        out.Message = e.Message();
    }
    return out;
}

// The same through the event pump.
Outcome Async(const TvSNMPVarList& list) {
    Outcome out;
    TvSNMPRequest request;
    request.Target.Retries = 0;
    request.VarList.Assign(list);
    QEventLoop loop;
    bool done = false;
    TvSNMPRequest::Callback step = [&](TvSNMPError& e, TvSNMPVarList& l) {
        if (e.Code != 0 || e.Finished || out.Rows.size() > 50) {
            if (e.Code == 0 && list.ItemType < 2)
                out.Rows.push_back(RowText(l));
            out.Code = e.Code;
            out.Message = e.Message;
            out.ErrorIndex = e.ErrorIndex;
            done = true;
            loop.quit();
            return;
        }
        out.Rows.push_back(RowText(l));
        request.GetAsync(step, false);
    };
    request.GetAsync(step, true);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!done)
        loop.exec();
    return out;
}

class RogueTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureSession(); }

    bool Use(const std::string& mode, const std::vector<std::string>& options = {}, int version = 1) {
        if (!agent_.Start(mode, options)) {
            ADD_FAILURE() << agent_.Error();
            return false;
        }
        gSNMPDevice.Address = "127.0.0.1";
        gSNMPDevice.Port = agent_.Port();
        gSNMPSecurity.Version = static_cast<std::int8_t>(version);
        gSNMPSecurity.ReadCommunity = "public";
        gSNMPTimeout = 50;
        return true;
    }

    // Both paths give the same outcome: code, message and the rows read before it.
    static void ExpectBoth(const TvSNMPVarList& list, int code, const std::string& message,
                           const std::vector<std::string>& rows, const std::string& name) {
        for (const bool async : {false, true}) {
            const Outcome o = async ? Async(list) : Blocking(list);
            const std::string how = name + (async ? " (async)" : " (blocking)");
            EXPECT_EQ(o.Code, code) << how << ": " << o.Message;
            EXPECT_NE(o.Message.find(message), std::string::npos) << how << ": " << o.Message;
            EXPECT_EQ(o.Rows, rows) << how;
        }
    }

    RogueAgent agent_;
};

const std::vector<std::string> kScalarRow = {"42\trogue\t7"};

// A reply is taken only when it answers the request: from the agent asked, with the OIDs asked, in
// their order, with a defined error-status and values of the variables' types.
TEST_F(RogueTest, ScalarRepliesMustAnswerTheirRequest) {
    const struct {
        const char* mode;
        std::vector<std::string> options;
        int code;
        const char* message;
    } cases[] = {
        {"honest", {}, 0, "(TvSNMP++) Ok!"},
        {"spoof", {}, 0, "(TvSNMP++) Ok!"}, // the forged reply from another port is dropped
        {"spoof-only", {}, -405, "(SNMPClass) SNMP request timed out!"},
        {"wrong-oid", {}, -529, "(TvSNMP++) The agent's reply does not answer the request!"},
        {"fewer", {}, -529, "does not answer"},
        {"more", {}, -529, "does not answer"},
        {"swap", {}, -529, "does not answer"},
        {"exception-noSuchObject", {}, -102, "(SNMP) Variable does not exist!"},
        {"exception-noSuchInstance", {}, -102, "(SNMP) Variable does not exist!"},
        {"exception-endOfMibView", {}, -102, "(SNMP) Variable does not exist!"},
        {"error-status",
         {"--error-status", "42", "--error-index", "1"},
         -531,
         "(TvSNMP++) The agent returned error-status 42, which SNMP does not define!"},
        {"error-status", {"--error-status", "1400", "--error-index", "1"}, -531, "error-status 1400,"},
        {"error-status", {"--error-status", "-1", "--error-index", "1"}, -531, "error-status -1,"},
        // Wider than 32 bits on the wire: the SNMP library alone would read 2^32 as 0, a success.
        {"error-status",
         {"--error-status", "4294967296", "--error-index", "0"},
         -531,
         "error-status 4294967296,"},
        {"error-status",
         {"--error-status", "-4294967296", "--error-index", "0"},
         -531,
         "error-status -4294967296,"},
        {"error-status",
         {"--error-status", "5", "--error-index", "9"},
         -105,
         "(SNMP) Cannot perform operation, General Error! (TvSNMP++) Error-index 9 of the reply is outside "
         "the request!"},
        {"type-string",
         {},
         -532,
         "(TvSNMP++) Wrong type from the agent: Answer (1.3.6.1.4.1.59371.99.1.1.0) is INTEGER, the agent "
         "returned OCTET STRING!"},
        {"type-counter64",
         {},
         -532,
         "Count (1.3.6.1.4.1.59371.99.1.3.0) is Counter32, the agent returned Counter64!"},
        {"type-null", {}, -532, "Answer (1.3.6.1.4.1.59371.99.1.1.0) is INTEGER, the agent returned NULL!"},
        {"type-tag", {}, -532, "is INTEGER, the agent returned an unknown type (tag 0x4E)!"},
    };
    const TvSNMPVarList list(kScalars, 0, 0);
    for (const auto& c : cases) {
        if (!Use(c.mode, c.options))
            return;
        ExpectBoth(list, c.code, c.message, c.code == 0 ? kScalarRow : std::vector<std::string>{},
                   std::string(c.mode) + (c.options.empty() ? "" : " " + c.options[1]));
    }
    // An error-index that points nowhere is not handed on.
    ASSERT_TRUE(Use("error-status", {"--error-status", "5", "--error-index", "9"}));
    EXPECT_EQ(Async(list).ErrorIndex, 0);
    ASSERT_TRUE(Use("error-status", {"--error-status", "5", "--error-index", "2"}));
    EXPECT_EQ(Async(list).ErrorIndex, 2);
}

// Types that agents mix up and that carry the same number are read as the variable's syntax.
TEST_F(RogueTest, TypesCarryingTheSameNumberAreRead) {
    ASSERT_TRUE(Use("honest"));
    const struct {
        int answer, count;
        const char* row;
    } cases[] = {
        {synGauge32, synGauge32, "42\trogue\t7"}, // INTEGER in range for an unsigned; Counter32 as Gauge32
        {synUInteger32, synTimeTicks, "42\trogue\t0:00:00.07"},
        {synInteger, synCounter64, "42\trogue\t7"},
    };
    for (const auto& c : cases) {
        TvSNMPVarList list(kScalars, 0, 0);
        list.Item(0).Syntax = c.answer;
        list.Item(2).Syntax = c.count;
        ExpectBoth(list, 0, "(TvSNMP++) Ok!", {c.row}, c.row);
    }
    // A Counter64 under SNMPv1, which has none, is refused even for a Counter64 variable.
    ASSERT_TRUE(Use("type-counter64", {}, 0));
    TvSNMPVarList list(kScalars, 0, 0);
    list.Item(2).Syntax = synCounter64;
    ExpectBoth(list, -532,
               "Count (1.3.6.1.4.1.59371.99.1.3.0) is Counter64, the agent returned Counter64, which SNMPv1 "
               "does not have!",
               {}, "Counter64 under SNMPv1");
}

// Walks end correctly whatever the table: rows are lined up by their index, a column that ends is
// left alone, and an agent that goes backwards or sends a sub-identifier above 2^32-1 ends the walk
// with an error after the rows read so far.
TEST_F(RogueTest, WalksEndCorrectly) {
    const std::vector<std::string> all = {"1\trow-1\t10", "2\trow-2\t20", "3\trow-3\t30", "4\trow-4\t40",
                                          "5\trow-5\t50"};
    const struct {
        const char* mode;
        const TvSNMPVarDef* columns;
        int keys;
        int code;
        const char* message;
        std::vector<std::string> rows;
    } cases[] = {
        {"honest", kRows, 1, 0, "(TvSNMP++) Ok!", all},
        {"spoof", kRows, 1, 0, "(TvSNMP++) Ok!", all},
        {"sparse",
         kRows,
         1,
         0,
         "(TvSNMP++) Ok!",
         {"1\trow-1\t10", "2\trow-2\t", "3\trow-3\t30", "4\trow-4\t", "5\t(NOTDONE)\t50"}},
        {"sparse",
         kKeyless,
         0,
         0,
         "(TvSNMP++) Ok!",
         {"row-1\t10", "row-2\t", "row-3\t30", "row-4\t", "(NOTDONE)\t50"}},
        {"backwards",
         kRows,
         1,
         -530,
         "(TvSNMP++) The agent returned OIDs out of order!",
         {"1\trow-1\t10", "2\trow-2\t20", "3\trow-3\t30"}},
        {"bigsubid",
         kRows,
         1,
         -533,
         "(TvSNMP++) The agent returned a sub-identifier above 4294967295!",
         {"1\trow-1\t10", "2\trow-2\t20", "3\trow-3\t30", "5\trow-5\t50"}},
        {"fewer", kRows, 1, -529, "does not answer", {}},
        {"swap", kRows, 1, -530, "(TvSNMP++) The agent returned OIDs out of order!", {}},
        {"hugesubid", // 2^64+7, which the SNMP library reads as 7
         kRows,
         1,
         -533,
         "(TvSNMP++) The agent returned a sub-identifier above 4294967295!",
         {"1\trow-1\t10", "2\trow-2\t20", "3\trow-3\t30", "5\trow-5\t50"}},
        {"walk-noSuchObject", kRows, 1, -529, "does not answer", {"1\trow-1\t10", "2\trow-2\t20"}},
        {"walk-noSuchInstance", kRows, 1, -529, "does not answer", {"1\trow-1\t10", "2\trow-2\t20"}},
        {"type-string", kRows, 1, 0, "(TvSNMP++) Ok!", all}, // the index column is not read by itself
        {"type-counter64",
         kRows,
         1,
         -532,
         "Size (1.3.6.1.4.1.59371.99.2.1.3.1) is Gauge32, the agent returned Counter64!",
         {}},
    };
    // Each case with GET-NEXT and with GETBULK, which must come to the same; a reply short of varbinds is
    // wrong for a GET-NEXT only (a GETBULK reply may be cut short).
    for (const bool bulk : {false, true}) {
        for (const auto& c : cases) {
            const bool shortReply = std::string(c.mode) == "fewer";
            if (!Use(c.mode))
                return;
            gSNMPUseGetBulk = bulk;
            ExpectBoth(TvSNMPVarList(c.columns, 2, c.keys), bulk && shortReply ? 0 : c.code,
                       bulk && shortReply ? "(TvSNMP++) Ok!" : c.message, bulk && shortReply ? all : c.rows,
                       std::string(c.mode) + " keys " + std::to_string(c.keys) + (bulk ? " bulk" : ""));
        }
    }
    gSNMPUseGetBulk = true;
}

// A write answered with an error-status that SNMP does not define fails, however wide it is on the wire.
TEST_F(RogueTest, UndefinedErrorStatusFailsAWrite) {
    for (const char* status : {"42", "4294967296", "4294967301"}) {
        for (const bool async : {false, true}) {
            ASSERT_TRUE(Use("error-status", {"--error-status", status, "--error-index", "1"}));
            TvSNMPRequest request;
            request.Target.Retries = 0;
            request.VarList.ItemType = TvSNMPVarList::itInstance;
            request.VarList.AddItem("1.3.6.1.4.1.59371.99.1.1.0", "Answer", synInteger, accReadWrite);
            request.VarList.Item(0).Value = "43";
            const std::string how = std::string(status) + (async ? " (async)" : " (blocking)");
            int code = 0;
            std::string message;
            if (async) {
                bool done = false;
                request.SetAsync([&](TvSNMPError& e, TvSNMPVarList&) {
                    code = e.Code;
                    message = e.Message;
                    done = true;
                });
                EXPECT_TRUE(PumpUntil([&] { return done; }, 5000)) << how;
            } else {
                try {
                    request.Set();
                } catch (const TvException& e) {
                    code = e.Code();
                    message = e.Message();
                }
            }
            EXPECT_EQ(code, errBadErrorStatus) << how << ": " << message;
            EXPECT_NE(message.find(std::string("error-status ") + status + ","), std::string::npos)
                << how << ": " << message;
        }
    }
}

// An SNMPv3 agent that restarted with a new engine ID answers with a report; the request learns the
// new ID and sends again at once, so it succeeds without a retry.
TEST(RogueV3, ReportAfterRestartIsAnsweredAtOnce) {
    EnsureSession();
    SimSwitch sim;
    ASSERT_TRUE(sim.Start({"--engine-id", "before-restart"})) << sim.Error();
    gSNMPDevice.Address = "127.0.0.1";
    gSNMPDevice.Port = sim.Port();
    gSNMPSecurity.Version = 3;
    gSNMPSecurity.SecurityName = "md5user";
    gSNMPSecurity.SecurityLevel = 2;
    gSNMPSecurity.AuthProtocol = apHmacMd5;
    gSNMPSecurity.AuthPassword = "authpass123";
    gSNMPSecurity.PrivProtocol = ppNone;
    gSNMPTimeout = 300;
    const TvSNMPVarDef uptime[] = {{"1.3.6.1.2.1.1.3", "Up Time", synTimeTicks, accReadOnly}, {nullptr}};
    const TvSNMPVarList list(uptime, 0, 0);
    ASSERT_EQ(Blocking(list).Code, 0);
    ASSERT_TRUE(sim.Restart({"--engine-id", "after-restart"})) << sim.Error();
    for (const bool async : {false, true}) {
        const Outcome o = async ? Async(list) : Blocking(list);
        EXPECT_EQ(o.Code, 0) << o.Message;
        ASSERT_TRUE(sim.Restart({"--engine-id", async ? "third" : "second"})) << sim.Error();
    }
    gSNMPSecurity.Version = 1;
}

} // namespace
