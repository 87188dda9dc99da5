// The notification receiver against net-snmp's snmptrap and snmpinform over loopback: every version is
// decoded with its names and varbinds, an inform is acknowledged, and what comes from another address,
// with other credentials or malformed is counted and never handed on.

#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvNotification.h"
#include "snmp/TvNotificationLog.h"
#include "snmp/TvSNMPEngine.h"
#include "support/CoreSession.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"
#include "support/SnmpdAgent.h"
#include "support/TrapSender.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

TvSNMPTarget SwitchTarget(int version) {
    TvSNMPTarget t;
    t.Address = "127.0.0.1";
    t.Port = 161;
    t.Version = static_cast<std::int8_t>(version);
    t.ReadCommunity = "public";
    t.WriteCommunity = "private";
    t.SecurityName = "shaaesuser";
    t.SecurityLevel = 3;
    t.AuthProtocol = apHmacSha;
    t.PrivProtocol = ppAes128;
    t.AuthPassword = "authpass123";
    t.PrivPassword = "privpass123";
    return t;
}

const std::vector<std::string> kV3AuthPriv = {"-v3", "-u",  "shaaesuser", "-l",          "authPriv",
                                              "-a",  "SHA", "-A",         "authpass123", "-x",
                                              "AES", "-X",  "privpass123"};

class NotificationTest : public ::testing::Test {
protected:
    void Listen(int version) {
        EnsureCoreSession();
        received_.clear();
        port_ = SnmpdAgent::ClosedPort();
        ASSERT_EQ(TvSNMPEngine::Instance()->Listen(
                      SwitchTarget(version), port_,
                      [this](TvNotification&& n) { received_.push_back(std::move(n)); }),
                  0);
        gSnmpEventProcessor.WatchNotifications();
    }
    void TearDown() override {
        if (TvSNMPEngine* e = TvSNMPEngine::Instance())
            e->StopListening();
        gSnmpEventProcessor.WatchNotifications();
    }
    std::string To() const { return "127.0.0.1:" + std::to_string(port_); }
    TvSNMPEngine::NotificationCounts Counts() const { return TvSNMPEngine::Instance()->Notifications(); }
    // Waits until `n` datagrams were dealt with in any way.
    bool Settled(std::size_t n) {
        return PumpUntil([&] {
            const auto c = Counts();
            return c.Accepted + c.Foreign + c.Dropped >= n;
        });
    }

    std::uint16_t port_ = 0;
    std::vector<TvNotification> received_;
};

std::vector<std::string> Cat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct TrapCase {
    const char* Name;
    int SessionVersion;
    std::vector<std::string> Security; // snmptrap options before the destination
    bool V1;
    int Version;
};

TEST_F(NotificationTest, TrapsOfEveryVersionAreDecoded) {
    const TrapCase cases[] = {
        {"v1", 1, {"-v1", "-c", "public"}, true, 0},
        {"v2c", 1, {"-v2c", "-c", "public"}, false, 1},
        {"v3 authPriv", 3, kV3AuthPriv, false, 3},
    };
    for (const TrapCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Listen(c.SessionVersion);
        std::vector<std::string> args = Cat({"snmptrap"}, c.Security);
        if (c.V1) // enterprise, agent address, generic 2 (linkDown), specific 0, uptime
            args = Cat(args, {To(), "1.3.6.1.4.1.59371", "127.0.0.1", "2", "0", "4242"});
        else
            args = Cat(args, {To(), "4242", TvNotification::kLinkDown});
        args = Cat(args, {"1.3.6.1.2.1.2.2.1.1.7", "i", "7", "1.3.6.1.2.1.1.5.0", "s", "core-sw"});
        std::string out;
        ASSERT_EQ(TrapSender::RunTool(args, true, &out), 0) << out;
        ASSERT_TRUE(PumpUntil([&] { return !received_.empty(); })) << out;
        const TvNotification& n = received_.front();
        EXPECT_EQ(n.Version, c.Version);
        EXPECT_EQ(n.Kind, TvNotification::kLinkDown);
        EXPECT_EQ(n.Uptime, 4242u);
        EXPECT_FALSE(n.Inform);
        EXPECT_TRUE(n.Source.starts_with("127.0.0.1:"));
        ASSERT_EQ(n.VarBinds.size(), 2u);
        EXPECT_EQ(n.VarBinds[0].Oid, "1.3.6.1.2.1.2.2.1.1.7");
        EXPECT_EQ(n.VarBinds[0].Value.Int, 7);
        EXPECT_EQ(n.VarBinds[1].Value.Octets, "core-sw");
        EXPECT_EQ(n.LinkInterface(), 7u);
        EXPECT_GT(n.ReceivedMs, 0);
        EXPECT_EQ(Counts().Accepted, 1u);
        EXPECT_EQ(Counts().Dropped, 0u);
    }
}

TEST_F(NotificationTest, EnterpriseTrapOfSnmpV1KeepsItsEnterprise) {
    Listen(0);
    ASSERT_EQ(TrapSender::RunTool({"snmptrap", "-v1", "-c", "public", To(), "1.3.6.1.4.1.59371.12",
                                   "127.0.0.1", "6", "17", "0"},
                                  true),
              0);
    ASSERT_TRUE(PumpUntil([&] { return !received_.empty(); }));
    EXPECT_EQ(received_.front().Kind, "1.3.6.1.4.1.59371.12.0.17");
    EXPECT_EQ(received_.front().LinkInterface(), 0u);
}

TEST_F(NotificationTest, InformsAreAcknowledged) {
    for (int version : {1, 3}) {
        SCOPED_TRACE(version);
        Listen(version);
        const std::vector<std::string> security =
            version == 3 ? kV3AuthPriv : std::vector<std::string>{"-v2c", "-c", "public"};
        const int pid = TrapSender::RunTool(
            Cat(Cat({"snmpinform", "-r", "0", "-t", "5"}, security), {To(), "", "1.3.6.1.6.3.1.1.5.1"}),
            false);
        ASSERT_GT(pid, 0);
        int status = -1;
        ASSERT_TRUE(PumpUntil([&] { return status >= 0 || (status = TrapSender::Reap(pid)) >= 0; }));
        EXPECT_EQ(status, 0); // snmpinform got its response
        ASSERT_EQ(received_.size(), 1u);
        EXPECT_TRUE(received_.front().Inform);
        EXPECT_EQ(received_.front().Kind, "1.3.6.1.6.3.1.1.5.1");
        EXPECT_EQ(received_.front().Version, version);
    }
}

TEST_F(NotificationTest, OtherSendersAndCredentialsAreCountedNotShown) {
    struct Case {
        const char* Name;
        int SessionVersion;
        std::vector<std::string> Args;
        bool Foreign;
    };
    const Case cases[] = {
        {"another address", 1, {"snmptrap", "--clientaddr=127.0.0.2", "-v2c", "-c", "public"}, true},
        {"wrong community", 1, {"snmptrap", "-v2c", "-c", "guess"}, false},
        {"SNMPv3 under a community session", 1, Cat({"snmptrap"}, kV3AuthPriv), false},
        {"SNMPv2c under an SNMPv3 session", 3, {"snmptrap", "-v2c", "-c", "public"}, false},
        {"wrong SNMPv3 password",
         3,
         {"snmptrap", "-v3", "-u", "shaaesuser", "-l", "authPriv", "-a", "SHA", "-A", "wrongpass99", "-x",
          "AES", "-X", "privpass123"},
         false},
        {"lower SNMPv3 level",
         3,
         {"snmptrap", "-v3", "-u", "shaaesuser", "-l", "authNoPriv", "-a", "SHA", "-A", "authpass123"},
         false},
        {"another SNMPv3 user", 3, {"snmptrap", "-v3", "-u", "noauthuser", "-l", "noAuthNoPriv"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Listen(c.SessionVersion);
        std::string out;
        ASSERT_EQ(TrapSender::RunTool(Cat(c.Args, {To(), "", TvNotification::kLinkUp}), true, &out), 0)
            << out;
        ASSERT_TRUE(Settled(1));
        EXPECT_TRUE(received_.empty());
        EXPECT_EQ(Counts().Accepted, 0u);
        EXPECT_EQ(Counts().Foreign, c.Foreign ? 1u : 0u);
        EXPECT_EQ(Counts().Dropped, c.Foreign ? 0u : 1u);
    }
}

// Only a few engine IDs' users are kept: traps naming many (a spoofer can do it from the switch's
// address) push the others out, and the receiver registers the user again when one comes back.
TEST_F(NotificationTest, ManyEngineIdsDoNotLockOutTheSwitch) {
    constexpr std::size_t kTraps = 12; // more than the engine IDs kept, so that some go and come back
    Listen(3);
    auto trap = [&](const std::string& engineId) {
        return TrapSender::RunTool(
            Cat(Cat({"snmptrap", "-e", engineId}, kV3AuthPriv), {To(), "", TvNotification::kLinkUp}), true);
    };
    for (std::size_t i = 0; i < kTraps; ++i)
        ASSERT_EQ(trap("0x80001F8804" + std::to_string(10 + i) + "0102030405"), 0);
    ASSERT_TRUE(PumpUntil([&] { return received_.size() == kTraps; }));
    ASSERT_EQ(trap("0x80001F8804100102030405"), 0); // the first again
    ASSERT_TRUE(PumpUntil([&] { return received_.size() == kTraps + 1; }));
    const int pid = TrapSender::RunTool(
        Cat(Cat({"snmpinform", "-r", "0", "-t", "5"}, kV3AuthPriv), {To(), "", "1.3.6.1.6.3.1.1.5.1"}),
        false);
    int status = -1;
    ASSERT_TRUE(PumpUntil([&] { return status >= 0 || (status = TrapSender::Reap(pid)) >= 0; }));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Counts().Dropped, 0u);
    EXPECT_LE(TvSNMPEngine::Instance()->Security().Engines, 8u);
}

TEST_F(NotificationTest, MalformedDatagramsAreDropped) {
    using TrapSender::V2Message;
    const std::string good = V2Message("public", TvNotification::kLinkUp, {{"1.3.6.1.2.1.2.2.1.1.2", 2}});
    const std::vector<std::string> bad = {
        "",
        "garbage",
        std::string("\x30\x82\xff\xff", 4),
        good.substr(0, good.size() / 2),
        V2Message("public", "", {}),                               // no snmpTrapOID
        V2Message("public", TvNotification::kLinkUp, {}, 7, 0xA0), // a GET, no notification
        V2Message("public", TvNotification::kLinkUp, {}, 7, 0xA2), // a response
        std::string(2000, '\x30'),
    };
    Listen(1);
    TrapSender::Socket socket;
    for (const std::string& d : bad)
        ASSERT_TRUE(socket.Send(port_, d) || d.empty());
    ASSERT_TRUE(socket.Send(port_, good)); // the receiver goes on working after them
    ASSERT_TRUE(PumpUntil([&] { return !received_.empty(); }));
    ASSERT_TRUE(Settled(bad.size() + 1));
    EXPECT_EQ(received_.size(), 1u);
    EXPECT_EQ(received_.front().LinkInterface(), 2u);
    EXPECT_EQ(Counts().Dropped, bad.size());
}

TEST_F(NotificationTest, APrivilegedOrTakenPortIsRefusedWithItsReason) {
    EnsureCoreSession();
    TvSNMPEngine& engine = *TvSNMPEngine::Instance();
    const auto sink = [](TvNotification&&) {};
    if (geteuid() != 0) {
        EXPECT_EQ(engine.Listen(SwitchTarget(1), 162, sink), EACCES);
    }
    SnmpdAgent agent;
    ASSERT_TRUE(agent.Start()) << agent.Error();
    EXPECT_EQ(engine.Listen(SwitchTarget(1), agent.Port(), sink), EADDRINUSE);
    EXPECT_EQ(engine.ListenSocket(), -1);
    ASSERT_EQ(engine.Listen(SwitchTarget(1), 0, sink), 0);
    EXPECT_NE(engine.ListenPort(), 0);
}

// The simulated switch sends coldStart at start, linkDown and linkUp as a port's administrative status
// changes, and authenticationFailure for a wrong community, with the version and user asked for.
TEST_F(NotificationTest, TheSimulatedSwitchReportsStartLinksAndBadCommunities) {
    struct Case {
        const char* Name;
        int SessionVersion;
        std::vector<std::string> Options;
    };
    const Case cases[] = {
        {"v2c traps", 1, {"--trap-version", "2c", "--trap-community", "public"}},
        {"v1 traps", 0, {"--trap-version", "1", "--trap-community", "public"}},
        {"v3 authPriv traps", 3, {"--trap-version", "3", "--trap-user", "shaaesuser"}},
        {"v3 authPriv informs", 3, {"--trap-version", "3", "--trap-user", "shaaesuser", "--trap-inform"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Listen(c.SessionVersion);
        SimSwitch sim;
        ASSERT_TRUE(sim.Start(Cat({"--led-period", "86400", "--log", "--trap-to", To()}, c.Options)))
            << sim.Error();
        ASSERT_TRUE(PumpUntil([&] { return !received_.empty(); }, 4000))
            << sim.Log() << Counts().Dropped << " " << Counts().Foreign;
        EXPECT_EQ(received_.front().Kind, "1.3.6.1.6.3.1.1.5.1");
        EXPECT_EQ(received_.front().Inform, std::string(c.Name).ends_with("informs"));

        // Port 5 administratively down, then up again.
        TvSNMPTarget agent;
        agent.Address = "127.0.0.1";
        agent.Port = sim.Port();
        agent.Version = 1;
        agent.WriteCommunity = "wrtcomm";
        for (const int status : {2, 1}) {
            TvSnmpValue v;
            v.Type = TvValueType::Integer;
            v.Int = status;
            TvSNMPReply reply;
            ASSERT_EQ(TvSNMPEngine::Instance()->Exchange(agent, TvPduKind::Set,
                                                         {{"1.3.6.1.2.1.2.2.1.7.5", v}}, reply),
                      0);
            const std::size_t before = received_.size();
            ASSERT_TRUE(PumpUntil([&] { return received_.size() > before; })) << sim.Log();
            const TvNotification& n = received_.back();
            EXPECT_EQ(n.Kind, status == 2 ? TvNotification::kLinkDown : TvNotification::kLinkUp);
            EXPECT_EQ(n.LinkInterface(), 5u);
            ASSERT_GE(n.VarBinds.size(), 3u); // the agent library may add snmpTrapEnterprise
            EXPECT_EQ(n.VarBinds[1].Oid, "1.3.6.1.2.1.2.2.1.7.5");
            EXPECT_EQ(n.VarBinds[1].Value.Int, status);
        }

        // A read with a community the switch does not know.
        agent.ReadCommunity = "guess";
        agent.Timeout = 5;
        agent.Retries = 0;
        TvSNMPReply reply;
        TvSNMPEngine::Instance()->Exchange(agent, TvPduKind::Get, {{"1.3.6.1.2.1.1.1.0", {}}}, reply);
        ASSERT_TRUE(PumpUntil([&] { return received_.back().Kind == "1.3.6.1.6.3.1.1.5.5"; })) << sim.Log();
        EXPECT_EQ(Counts().Dropped, 0u);
    }
}

TEST(NotificationLog, KeepsTheNewestWithinItsCapacity) {
    TvNotificationLog log(3);
    for (int i = 1; i <= 5; ++i) {
        TvNotification n;
        n.Uptime = static_cast<std::uint32_t>(i);
        log.Add(std::move(n));
    }
    ASSERT_EQ(log.Size(), 3u);
    EXPECT_EQ(log.Total(), 5u);
    EXPECT_EQ(log.Entries().front().Seq, 3u);
    EXPECT_EQ(log.Entries().front().Item->Uptime, 3u);
    EXPECT_EQ(log.Entries().back().Item->Uptime, 5u);
    EXPECT_EQ(log.Rate(), 5u);
}

TEST(NotificationLinkInterface, NamesThePortOfALinkChange) {
    struct Case {
        const char* Kind;
        std::vector<TvVarBind> Binds;
        std::uint32_t Port;
    };
    TvSnmpValue three;
    three.Type = TvValueType::Integer;
    three.Int = 3;
    TvSnmpValue down = three;
    down.Int = 2;
    const Case cases[] = {
        {TvNotification::kLinkDown, {{"1.3.6.1.2.1.2.2.1.1.3", three}}, 3},
        {TvNotification::kLinkUp, {{"1.3.6.1.2.1.2.2.1.7.12", down}, {"1.3.6.1.2.1.2.2.1.8.12", down}}, 12},
        {TvNotification::kLinkUp, {}, 0},
        {"1.3.6.1.6.3.1.1.5.1", {{"1.3.6.1.2.1.2.2.1.1.3", three}}, 0},
        {TvNotification::kLinkDown, {{"1.3.6.1.2.1.2.2.1.8", down}}, 0},
    };
    for (const Case& c : cases) {
        TvNotification n;
        n.Kind = c.Kind;
        n.VarBinds = c.Binds;
        EXPECT_EQ(n.LinkInterface(), c.Port) << c.Kind;
    }
}

} // namespace
