#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvBootCounter.h"
#include "snmp/TvSNMPEngine.h"
#include "support/SnmpdAgent.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <optional>

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysObjectId = "1.3.6.1.2.1.1.2.0";
const std::string kSysUpTime = "1.3.6.1.2.1.1.3.0";
const std::string kSysContact = "1.3.6.1.2.1.1.4.0";

// The session is process-wide: opened once, with its boots counter in a folder of the test's own.
void EnsureSession() {
    static QTemporaryDir dir;
    if (!TvSNMPEngine::Instance())
        InitSNMPSession(dir.path().toStdString());
}

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "test_snmp";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// A UDP socket that counts what it receives and never answers.
class SilentAgent {
public:
    SilentAgent() {
        fd_ = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~SilentAgent() { close(fd_); }
    std::uint16_t Port() const { return port_; }
    int Drain() {
        int n = 0;
        char buf[2048];
        pollfd p{fd_, POLLIN, 0};
        while (poll(&p, 1, 0) > 0 && recv(fd_, buf, sizeof buf, 0) >= 0)
            ++n;
        return n;
    }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

class EngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        agent_ = std::make_unique<SnmpdAgent>();
        ASSERT_TRUE(agent_->Start()) << agent_->Error();
    }
    static void TearDownTestSuite() { agent_.reset(); }
    void SetUp() override {
        ASSERT_TRUE(agent_) << "no agent";
        EnsureSession();
    }

    static TvSNMPTarget Community(int version, const std::string& read,
                                  const std::string& write = "private") {
        TvSNMPTarget t;
        t.Address = "127.0.0.1";
        t.Port = agent_->Port();
        t.Version = static_cast<std::int8_t>(version);
        t.ReadCommunity = read;
        t.WriteCommunity = write;
        t.Timeout = 100;
        t.Retries = 1;
        return t;
    }
    static TvSNMPTarget User(const std::string& name, int level, int auth = apNone,
                             const std::string& authPass = {}, int priv = ppNone,
                             const std::string& privPass = {}) {
        TvSNMPTarget t = Community(3, "", "");
        t.SecurityName = name;
        t.SecurityLevel = level;
        t.AuthProtocol = auth;
        t.AuthPassword = authPass;
        t.PrivProtocol = priv;
        t.PrivPassword = privPass;
        return t;
    }
    static int Get(const TvSNMPTarget& t, const std::vector<std::string>& oids, TvSNMPReply& reply,
                   TvPduKind kind = TvPduKind::Get) {
        std::vector<TvVarBind> vbs;
        for (const auto& o : oids)
            vbs.push_back({o, {}});
        return TvSNMPEngine::Instance()->Exchange(t, kind, vbs, reply);
    }

    static std::unique_ptr<SnmpdAgent> agent_;
};
std::unique_ptr<SnmpdAgent> EngineTest::agent_;

struct TargetCase {
    const char* name;
    TvSNMPTarget (*make)();
};

} // namespace

// ------------------------------------------------------------------------------------------------
// Boots counter and session initialisation

TEST(BootCounterPath, JoinsFolderAndName) {
    EXPECT_EQ(BootCounterPath(""), "TvSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath("/var/tmp"), "/var/tmp/TvSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath("/var/tmp/"), "/var/tmp/TvSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath("rel"), "rel/TvSNMP_PP_BootCounter");
}

TEST(BootCounter, KeepsOtherEnginesEntries) {
    QTemporaryDir dir;
    const std::string path = BootCounterPath(dir.path().toStdString());
    int boot = -7;
    EXPECT_EQ(getBootCounter(path, "engine-a", boot), -2);
    EXPECT_EQ(boot, 0);
    ASSERT_EQ(saveBootCounter(path, "engine-a", 5), 0);
    ASSERT_EQ(saveBootCounter(path, "engine-b", 9), 0);
    ASSERT_EQ(saveBootCounter(path, "engine-a", 6), 0);
    EXPECT_EQ(getBootCounter(path, "engine-a", boot), 0);
    EXPECT_EQ(boot, 6);
    EXPECT_EQ(getBootCounter(path, "engine-b", boot), 0);
    EXPECT_EQ(boot, 9);
    EXPECT_EQ(getBootCounter(path, "engine-c", boot), -1);
}

TEST(BootCounter, MalformedFilesAreRefusedAndKept) {
    const char* bodies[] = {"5476 x\n",           "ZZ 3\n", "54765 3\n", "5476 3 extra\n",
                            "5476 99999999999\n", "5476\n"};
    for (const char* body : bodies) {
        QTemporaryDir dir;
        const std::string path = BootCounterPath(dir.path().toStdString());
        FILE* f = std::fopen(path.c_str(), "w");
        std::fputs(body, f);
        std::fclose(f);
        int boot = 0;
        const int rc = getBootCounter(path, "Tv", boot);
        EXPECT_NE(rc, 0) << body;
        EXPECT_NE(rc, -1) << body;
        EXPECT_NE(rc, -2) << body;
        EXPECT_NE(saveBootCounter(path, "Tv", 1), 0) << "overwrote " << body;
    }
}

TEST(InitSNMPSession, EachStartRaisesTheStoredCounter) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    for (int expected = 1; expected <= 3; ++expected) {
        InitSNMPSession(folder);
        int boot = 0;
        ASSERT_EQ(getBootCounter(BootCounterPath(folder), "TvSNMP_PP_Application", boot), 0);
        EXPECT_EQ(boot, expected);
    }
    EXPECT_EQ(gSNMPDevice.Address, "127.0.0.1");
    EXPECT_EQ(gSNMPDevice.Port, 161);
    EXPECT_EQ(gSNMPSecurity.ReadCommunity, "rdcomm");
    EXPECT_EQ(gSNMPSecurity.WriteCommunity, "wrtcomm");
    EXPECT_EQ(gSNMPSecurity.PrivProtocol, 1);
    EXPECT_EQ(gSNMPTimeout, 100);
    EXPECT_NE(TvSNMPEngine::Instance(), nullptr);
}

TEST(InitSNMPSession, FailuresRaiseAndLeaveTheGlobalsAlone) {
    struct Case {
        const char* what;
        const char* fileBody; // null: no file, folder missing
        int code;
    };
    const Case cases[] = {
        {"malformed entry", "5476535E4D505F50505F4170706C69636174696F6E three\n", -507},
        {"folder missing", nullptr, -508},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        std::string folder = dir.path().toStdString();
        if (c.fileBody) {
            FILE* f = std::fopen(BootCounterPath(folder).c_str(), "w");
            std::fputs(c.fileBody, f);
            std::fclose(f);
        } else {
            folder += "/missing";
        }
        gSNMPSecurity = TvSNMPSecurity{};
        gSNMPDevice = TvSNMPDevice{};
        try {
            InitSNMPSession(folder);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const TvException& e) {
            EXPECT_EQ(e.Code(), c.code) << c.what;
            EXPECT_EQ(e.Message(), CatalogText(c.code)) << c.what;
        }
        EXPECT_EQ(gSNMPSecurity.ReadCommunity, "") << c.what;
        EXPECT_EQ(gSNMPDevice.Port, 0) << c.what;
    }
}

// ------------------------------------------------------------------------------------------------
// Blocking exchanges against snmpd

TEST_F(EngineTest, ReadsSystemGroupUnderEveryVersionAndUser) {
    const std::pair<const char*, TvSNMPTarget> cases[] = {
        {"v1", Community(0, "public")},
        {"v2c", Community(1, "public")},
        {"v3 noAuthNoPriv", User("noauthuser", 1)},
        {"v3 MD5", User("md5user", 2, apHmacMd5, "authpass123")},
        {"v3 SHA+DES", User("desuser", 3, apHmacSha, "authpass123", ppCbcDes, "privpass123")},
        {"v3 SHA+AES", User("aesuser", 3, apHmacSha, "authpass123", ppAes128, "privpass123")},
        {"v3 SHA-256+AES", User("sha256user", 3, apHmacSha256, "authpass123", ppAes128, "privpass123")},
    };
    for (const auto& [name, target] : cases) {
        TvSNMPReply reply;
        ASSERT_EQ(Get(target, {kSysDescr, kSysObjectId, kSysUpTime}, reply), 0) << name;
        ASSERT_EQ(reply.VarBinds.size(), 3u) << name;
        EXPECT_EQ(reply.VarBinds[0].Oid, kSysDescr) << name;
        EXPECT_EQ(reply.VarBinds[0].Value.Type, TvValueType::OctetString) << name;
        EXPECT_FALSE(reply.VarBinds[0].Value.Octets.empty()) << name;
        EXPECT_EQ(reply.VarBinds[1].Value.Type, TvValueType::ObjectId) << name;
        EXPECT_GE(reply.VarBinds[1].Value.Oid.size(), 7u) << name;
        EXPECT_EQ(reply.VarBinds[2].Value.Type, TvValueType::TimeTicks) << name;
        EXPECT_EQ(reply.AgentAddress, "127.0.0.1") << name;
        EXPECT_EQ(reply.AgentPort, agent_->Port()) << name;
    }
}

TEST_F(EngineTest, SecurityFailuresReportTheirUsmStatus) {
    struct Case {
        const char* name;
        TvSNMPTarget target;
        int status;
        int code; // after the catalog mapping
    };
    const Case cases[] = {
        {"wrong auth password", User("md5user", 2, apHmacMd5, "wrongpass123"), 1408, -308},
        {"wrong SHA password", User("desuser", 3, apHmacSha, "wrongpass123", ppCbcDes, "privpass123"), 1408,
         -308},
        {"unknown user", User("nobody", 2, apHmacMd5, "authpass123"), 1404, -304},
        {"level above the user's", User("md5user", 3, apHmacMd5, "authpass123", ppCbcDes, "privpass123"),
         1403, -303},
        {"CBC-IDEA", User("desuser", 3, apHmacSha, "authpass123", ppCbcIdea, "privpass123"), 1413, -313},
        {"priv code 3 is no protocol", User("desuser", 3, apHmacSha, "authpass123", 3, "privpass123"), 1413,
         -313},
        {"auth code 8 is no protocol", User("md5user", 2, 8, "authpass123"), 1412, -312},
    };
    for (const Case& c : cases) {
        TvSNMPReply reply;
        const int status = Get(c.target, {kSysDescr}, reply);
        EXPECT_EQ(status, c.status) << c.name;
        EXPECT_EQ(MapSnmpStatus(status).Code, c.code) << c.name;
        EXPECT_TRUE(reply.VarBinds.empty()) << c.name;
    }
    EXPECT_EQ(MapSnmpStatus(1408).Message, "(SNMPv3USM) Authentication failure!");
}

TEST_F(EngineTest, ChangedPasswordCountsFromTheNextExchange) {
    const char* passwords[] = {"wrongpass123", "authpass123", "wrongpass123", "authpass123"};
    const int expected[] = {1408, 0, 1408, 0};
    for (int i = 0; i < 4; ++i) {
        TvSNMPReply reply;
        EXPECT_EQ(Get(User("md5user", 2, apHmacMd5, passwords[i]), {kSysUpTime}, reply), expected[i]) << i;
    }
}

TEST_F(EngineTest, WritesWithTheWriteCommunityOnly) {
    TvSNMPReply reply;
    std::vector<TvVarBind> set = {{kSysContact, {TvValueType::OctetString, 0, 0, "ops@example.net", {}}}};

    const auto denied = Community(1, "public", "public");
    const int status = TvSNMPEngine::Instance()->Exchange(denied, TvPduKind::Set, set, reply);
    EXPECT_EQ(status, 6) << "snmpd answers a v2c SET outside the write view with noAccess";
    EXPECT_EQ(MapSnmpStatus(status).Code, -106);
    EXPECT_EQ(reply.ErrorIndex, 1);

    ASSERT_EQ(
        TvSNMPEngine::Instance()->Exchange(Community(1, "public", "private"), TvPduKind::Set, set, reply), 0);
    ASSERT_EQ(Get(Community(0, "public"), {kSysContact}, reply), 0);
    EXPECT_EQ(reply.VarBinds.at(0).Value.Octets, "ops@example.net");

    set[0].Value.Octets = "v3 writer";
    ASSERT_EQ(TvSNMPEngine::Instance()->Exchange(
                  User("aesuser", 3, apHmacSha, "authpass123", ppAes128, "privpass123"), TvPduKind::Set, set,
                  reply),
              0);
    ASSERT_EQ(Get(Community(1, "public"), {kSysContact}, reply), 0);
    EXPECT_EQ(reply.VarBinds.at(0).Value.Octets, "v3 writer");
}

TEST_F(EngineTest, ExceptionValuesAndVersionOneErrors) {
    struct Case {
        const char* name;
        int version;
        TvPduKind kind;
        std::string oid;
        int status;
        TvValueType type; // of the first varbind when status is 0
    };
    const Case cases[] = {
        {"no such object", 1, TvPduKind::Get, "1.3.6.1.2.1.1.99.0", 0, TvValueType::NoSuchObject},
        {"no such instance", 1, TvPduKind::Get, "1.3.6.1.2.1.1.1.1", 0, TvValueType::NoSuchInstance},
        {"end of MIB view", 1, TvPduKind::GetNext, "1.3.6.1.6.3.99999", 0, TvValueType::EndOfMibView},
        {"v1 noSuchName", 0, TvPduKind::Get, "1.3.6.1.2.1.1.99.0", 2, TvValueType::Null},
        {"v1 walk past the end", 0, TvPduKind::GetNext, "1.3.6.1.6.3.99999", 2, TvValueType::Null},
        {"get-next", 1, TvPduKind::GetNext, "1.3.6.1.2.1.1", 0, TvValueType::OctetString},
    };
    for (const Case& c : cases) {
        TvSNMPReply reply;
        EXPECT_EQ(Get(Community(c.version, "public"), {c.oid}, reply, c.kind), c.status) << c.name;
        if (c.status == 0) {
            ASSERT_EQ(reply.VarBinds.size(), 1u) << c.name;
            EXPECT_EQ(reply.VarBinds[0].Value.Type, c.type) << c.name;
        } else {
            EXPECT_EQ(reply.ErrorIndex, 1) << c.name;
        }
    }
    TvSNMPReply reply;
    ASSERT_EQ(Get(Community(1, "public"), {"1.3.6.1.2.1.1"}, reply, TvPduKind::GetNext), 0);
    EXPECT_EQ(reply.VarBinds.at(0).Oid, kSysDescr);
}

TEST_F(EngineTest, ValuesOfEveryTypeSurviveAWrite) {
    // Types the agent rejects come back as wrongType; what matters is that each is encoded and sent.
    const TvSnmpValue values[] = {
        {TvValueType::Integer, -5, 0, "", {}},
        {TvValueType::Counter32, 7, 0, "", {}},
        {TvValueType::Gauge32, 7, 0, "", {}},
        {TvValueType::TimeTicks, 7, 0, "", {}},
        {TvValueType::IpAddress, 0, 0, std::string("\x0a\x00\x00\x01", 4), {}},
        {TvValueType::ObjectId, 0, 0, "", {1, 3, 6, 1}},
        {TvValueType::Counter64, 0, 1ull << 40, "", {}},
        {TvValueType::Opaque, 0, 0, "ab", {}},
        {TvValueType::Null, 0, 0, "", {}},
    };
    for (const auto& v : values) {
        TvSNMPReply reply;
        const int status = TvSNMPEngine::Instance()->Exchange(Community(1, "public", "private"),
                                                              TvPduKind::Set, {{kSysContact, v}}, reply);
        EXPECT_EQ(status, 7) << static_cast<int>(v.Type)
                             << " should reach the agent and be refused as wrongType";
    }
}

TEST_F(EngineTest, SilentAgentTimesOutAfterEveryTry) {
    struct Case {
        const char* name;
        int version;
        int retries;
    };
    const Case cases[] = {{"v2c, 1 retry", 1, 1}, {"v2c, 2 retries", 1, 2}, {"v3 discovery, 1 retry", 3, 1}};
    for (const Case& c : cases) {
        SilentAgent silent;
        TvSNMPTarget t =
            c.version == 3 ? User("md5user", 2, apHmacMd5, "authpass123") : Community(1, "public");
        t.Port = silent.Port();
        t.Timeout = 10;
        t.Retries = c.retries;
        TvSNMPReply reply;
        const auto start = std::chrono::steady_clock::now();
        const int status = Get(t, {kSysDescr}, reply);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(status, -5) << c.name;
        EXPECT_EQ(MapSnmpStatus(status).Code, -405) << c.name;
        EXPECT_EQ(silent.Drain(), c.retries + 1) << c.name;
        EXPECT_GE(elapsed, std::chrono::milliseconds(100 * (c.retries + 1))) << c.name << ": gave up early";
    }
}

TEST_F(EngineTest, AddressesThatDoNotResolveRaiseBeforeSending) {
    for (const char* address : {"", "no-such-host.invalid", "300.1.2.3"}) {
        TvSNMPTarget t = Community(1, "public");
        t.Address = address;
        TvSNMPReply reply;
        try {
            Get(t, {kSysDescr}, reply);
            ADD_FAILURE() << address;
        } catch (const TvException& e) {
            EXPECT_EQ(e.Code(), -509) << address;
        }
        EXPECT_THROW(TvSNMPEngine::Instance()->ExchangeAsync(t, TvPduKind::Get, {{kSysDescr, {}}}, nullptr),
                     TvException)
            << address;
    }
}

TEST_F(EngineTest, AgentRestartWithNewEngineIdIsDiscoveredAgain) {
    const TvSNMPTarget t = User("desuser", 3, apHmacSha, "authpass123", ppCbcDes, "privpass123");
    TvSNMPReply reply;
    ASSERT_EQ(Get(t, {kSysUpTime}, reply), 0);
    ASSERT_TRUE(agent_->Restart("renewed-engine")) << agent_->Error();
    EXPECT_EQ(Get(t, {kSysUpTime}, reply), 0);
    ASSERT_TRUE(agent_->Restart()) << agent_->Error();
    EXPECT_EQ(Get(t, {kSysUpTime}, reply), 0) << "same engine ID, boots raised";
}

// ------------------------------------------------------------------------------------------------
// Asynchronous exchanges through the event pump

class AsyncEngineTest : public EngineTest {
protected:
    void SetUp() override {
        App();
        EngineTest::SetUp();
        gSnmpEventProcessor.Start(); // the session may predate the application object
    }
    // Lets the application's event loop (and so the pump) run until `done` or a generous limit.
    static void RunUntil(const std::function<bool()>& done) {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        poll.start(5);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (!done())
            loop.exec();
    }
};

TEST_F(AsyncEngineTest, ReplyArrivesThroughThePump) {
    const std::pair<const char*, TvSNMPTarget> cases[] = {
        {"v2c", Community(1, "public")},
        {"v3 SHA+AES", User("aesuser", 3, apHmacSha, "authpass123", ppAes128, "privpass123")},
    };
    for (const auto& [name, target] : cases) {
        std::optional<int> status;
        TvSNMPReply got;
        TvSNMPEngine::Instance()->ExchangeAsync(target, TvPduKind::Get, {{kSysDescr, {}}},
                                                [&](int s, TvSNMPReply& r) {
                                                    status = s;
                                                    got = r;
                                                });
        EXPECT_FALSE(status.has_value()) << name << ": called back from inside the send";
        RunUntil([&] { return status.has_value(); });
        ASSERT_TRUE(status.has_value()) << name;
        EXPECT_EQ(*status, 0) << name;
        ASSERT_EQ(got.VarBinds.size(), 1u) << name;
        EXPECT_EQ(got.VarBinds[0].Value.Type, TvValueType::OctetString) << name;
        EXPECT_EQ(got.AgentPort, agent_->Port()) << name;
    }
}

TEST_F(AsyncEngineTest, CancelledExchangeNeverCallsBack) {
    TvSNMPEngine& engine = *TvSNMPEngine::Instance();
    bool cancelledCalled = false;
    int laterStatus = 99;
    const long first = engine.ExchangeAsync(Community(1, "public"), TvPduKind::Get, {{kSysDescr, {}}},
                                            [&](int, TvSNMPReply&) { cancelledCalled = true; });
    engine.ExchangeAsync(Community(1, "public"), TvPduKind::Get, {{kSysUpTime, {}}},
                         [&](int s, TvSNMPReply&) { laterStatus = s; });
    engine.Cancel(first);
    RunUntil([&] { return laterStatus != 99; });
    EXPECT_EQ(laterStatus, 0);
    engine.ProcessPendingEvents();
    EXPECT_FALSE(cancelledCalled);
    EXPECT_EQ(engine.OutstandingCount(), 0u);
}

TEST_F(AsyncEngineTest, TimeoutAndRefusedSettingsArriveAsStatuses) {
    SilentAgent silent;
    TvSNMPTarget quiet = Community(1, "public");
    quiet.Port = silent.Port();
    quiet.Timeout = 5;
    std::optional<int> timedOut, idea;
    TvSNMPEngine::Instance()->ExchangeAsync(quiet, TvPduKind::Get, {{kSysDescr, {}}},
                                            [&](int s, TvSNMPReply&) { timedOut = s; });
    TvSNMPEngine::Instance()->ExchangeAsync(
        User("desuser", 3, apHmacSha, "authpass123", ppCbcIdea, "privpass123"), TvPduKind::Get,
        {{kSysDescr, {}}}, [&](int s, TvSNMPReply&) { idea = s; });
    EXPECT_FALSE(idea.has_value());
    RunUntil([&] { return timedOut && idea; });
    EXPECT_EQ(timedOut.value_or(0), -5);
    EXPECT_EQ(idea.value_or(0), 1413);
    EXPECT_EQ(silent.Drain(), 2);
}

// The pump sleeps while nothing is outstanding and wakes for each retry and the final timeout.
TEST_F(AsyncEngineTest, PumpIsArmedOnlyWhileAnExchangeIsOutstanding) {
    TvSNMPEngine& engine = *TvSNMPEngine::Instance();
    RunUntil([&] { return engine.OutstandingCount() == 0; });
    QCoreApplication::processEvents();
    EXPECT_FALSE(gSnmpEventProcessor.IsArmed());
    EXPECT_EQ(engine.NextWakeMs(), -1);

    SilentAgent silent;
    TvSNMPTarget quiet = Community(1, "public");
    quiet.Port = silent.Port();
    quiet.Timeout = 20; // 200 ms a try
    quiet.Retries = 2;
    std::optional<int> status;
    QElapsedTimer clock;
    clock.start();
    engine.ExchangeAsync(quiet, TvPduKind::Get, {{kSysDescr, {}}}, [&](int s, TvSNMPReply&) { status = s; });
    EXPECT_TRUE(gSnmpEventProcessor.IsArmed());
    EXPECT_GE(engine.NextWakeMs(), 0);
    RunUntil([&] { return status.has_value(); });
    EXPECT_EQ(status.value_or(0), -5);
    EXPECT_GE(clock.elapsed(), 3 * 200 - 20) << "every try waits its whole timeout";
    EXPECT_EQ(silent.Drain(), 3);
    QCoreApplication::processEvents();
    EXPECT_FALSE(gSnmpEventProcessor.IsArmed());

    // A reply still arrives at once through the socket.
    std::optional<int> answered;
    engine.ExchangeAsync(Community(1, "public"), TvPduKind::Get, {{kSysDescr, {}}},
                         [&](int s, TvSNMPReply&) { answered = s; });
    RunUntil([&] { return answered.has_value(); });
    EXPECT_EQ(answered.value_or(-1), 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(gSnmpEventProcessor.IsArmed());
}

TEST_F(AsyncEngineTest, DiscoveryOfADeadAgentDoesNotBlockTheCaller) {
    SilentAgent silent;
    TvSNMPTarget t = User("md5user", 2, apHmacMd5, "authpass123");
    t.Port = silent.Port();
    t.Timeout = 1000;
    bool called = false;
    const long id = TvSNMPEngine::Instance()->ExchangeAsync(t, TvPduKind::Get, {{kSysDescr, {}}},
                                                            [&](int, TvSNMPReply&) { called = true; });
    // Back before the first try could have timed out: exactly one probe is out, nothing answered.
    EXPECT_EQ(silent.Drain(), 1);
    EXPECT_FALSE(called);
    TvSNMPEngine::Instance()->Cancel(id);
}

TEST_F(AsyncEngineTest, ManyInFlightAllComplete) {
    constexpr int kCount = 500;
    int ok = 0, failed = 0;
    for (int i = 0; i < kCount; ++i)
        TvSNMPEngine::Instance()->ExchangeAsync(Community(1, "public"), TvPduKind::Get, {{kSysUpTime, {}}},
                                                [&](int s, TvSNMPReply&) { (s == 0 ? ok : failed)++; });
    RunUntil([&] { return ok + failed == kCount; });
    EXPECT_EQ(ok, kCount);
    EXPECT_EQ(failed, 0);
}

TEST_F(AsyncEngineTest, ShutdownEndsOutstandingExchangesWithClosing) {
    SilentAgent silent;
    TvSNMPTarget t = Community(1, "public");
    t.Port = silent.Port();
    std::optional<int> status;
    TvSNMPEngine::Instance()->ExchangeAsync(t, TvPduKind::Get, {{kSysDescr, {}}},
                                            [&](int s, TvSNMPReply&) { status = s; });
    TvSNMPEngine::Shutdown();
    EXPECT_EQ(status.value_or(0), -8);
    EXPECT_EQ(TvSNMPEngine::Instance(), nullptr);
    EnsureSession();
    TvSNMPReply reply;
    EXPECT_EQ(Get(Community(1, "public"), {kSysDescr}, reply), 0) << "a new session after closing";
}
