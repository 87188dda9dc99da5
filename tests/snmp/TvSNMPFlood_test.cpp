// A hostile sender at the agent's own address floods the engine with unauthenticated SNMPv3 reports,
// each naming a new engine ID, while a request to the real agent is in flight. What the engine does for
// them (keys derived, users registered, engine IDs kept) stays bounded, and the session goes on working.

#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvBerReply.h"
#include "snmp/TvSNMPEngine.h"
#include "support/CoreSession.h"
#include "support/PumpUntil.h"
#include "support/SnmpdAgent.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace {

// ---- BER, as much as a report needs ----

// Lengths in the shortest form, or (`wide`) each in the long form with eight octets, which the SNMP
// library reads as well.
struct Ber {
    bool wide = false;

    std::string Tlv(std::uint8_t tag, const std::string& contents) const {
        std::string len;
        if (contents.size() < 0x80 && !wide) {
            len = std::string(1, static_cast<char>(contents.size()));
        } else {
            for (int i = 0; i < 8; ++i)
                len.insert(len.begin(), static_cast<char>((contents.size() >> (8 * i)) & 0xFF));
            while (!wide && len.size() > 1 && len[0] == 0)
                len.erase(0, 1);
            len.insert(len.begin(), static_cast<char>(0x80 | len.size()));
        }
        return std::string(1, static_cast<char>(tag)) + len + contents;
    }
    std::string Int(std::int64_t v) const {
        std::string out;
        for (int i = 7; i >= 0; --i)
            out += static_cast<char>((static_cast<std::uint64_t>(v) >> (i * 8)) & 0xFF);
        while (out.size() > 1 && ((out[0] == 0 && !(out[1] & 0x80)) ||
                                  (static_cast<std::uint8_t>(out[0]) == 0xFF && (out[1] & 0x80))))
            out.erase(0, 1);
        return Tlv(0x02, out);
    }
    std::string Octets(const std::string& s) const { return Tlv(0x04, s); }

    // An unauthenticated usmStatsUnknownEngineIDs report naming `user`, as an agent sends it when a
    // request names an engine ID it does not have; `model` 3 is the user-based security model.
    std::string UnknownEngineReport(std::int64_t messageId, const std::string& engineId,
                                    const std::string& user, int model = 3) const {
        const std::string global =
            Tlv(0x30, Int(messageId) + Int(65507) + Octets(std::string(1, '\0')) + Int(model));
        const std::string usm =
            Tlv(0x30, Octets(engineId) + Int(1) + Int(1) + Octets(user) + Octets("") + Octets(""));
        const std::string unknownEngineIds =
            Tlv(0x06, std::string("\x2b\x06\x01\x06\x03\x0f\x01\x01\x04\x00", 10));
        const std::string varbinds =
            Tlv(0x30, Tlv(0x30, unknownEngineIds + Tlv(0x41, std::string(1, '\x07'))));
        const std::string pdu = Tlv(0xA8, Int(messageId) + Int(0) + Int(0) + varbinds);
        const std::string scoped = Tlv(0x30, Octets(engineId) + Octets("") + pdu);
        return Tlv(0x30, Int(3) + global + Octets(usm) + scoped);
    }
};

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    return a;
}

// Stands between the engine and the real agent: the engine's agent address is this relay's, so what it
// sends of its own comes from the agent's address as far as the engine can tell. It can hold back the
// next request, so that it stays in flight while the flood arrives.
class HostileRelay {
public:
    explicit HostileRelay(std::uint16_t agentPort) {
        front_ = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        back_ = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        sockaddr_in a = Loopback(0);
        bind(front_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        getsockname(front_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        const sockaddr_in agent = Loopback(agentPort);
        connect(back_, reinterpret_cast<const sockaddr*>(&agent), sizeof agent);
    }
    ~HostileRelay() {
        close(front_);
        close(back_);
    }
    std::uint16_t Port() const { return port_; }

    // Passes on what waits on either side, holding back the next request when told to.
    void Shuttle() {
        char buf[65536];
        sockaddr_in from{};
        socklen_t len = sizeof from;
        for (ssize_t n;
             (n = recvfrom(front_, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &len)) >= 0;
             len = sizeof from) {
            client_ = from;
            if (hold_ && !held_) {
                held_ = std::string(buf, static_cast<std::size_t>(n));
                hold_ = false;
            } else {
                send(back_, buf, static_cast<std::size_t>(n), 0);
            }
        }
        for (ssize_t n; (n = recv(back_, buf, sizeof buf, 0)) >= 0;)
            sendto(front_, buf, static_cast<std::size_t>(n), 0, reinterpret_cast<const sockaddr*>(&client_),
                   sizeof client_);
    }
    void HoldNext() { hold_ = true; }
    bool Holding() const { return held_.has_value(); }
    std::int64_t HeldMessageId() const {
        TvBerReply::V3Header header;
        return held_ && TvBerReply::ReadV3Header(*held_, header) ? header.MessageId : -1;
    }
    void Release() {
        if (held_)
            send(back_, held_->data(), held_->size(), 0);
        held_.reset();
    }
    void Send(const std::string& datagram) {
        sendto(front_, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&client_),
               sizeof client_);
    }

private:
    int front_ = -1;
    int back_ = -1;
    std::uint16_t port_ = 0;
    sockaddr_in client_{};
    bool hold_ = false;
    std::optional<std::string> held_;
};

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long ResidentKiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int Queued(int fd) {
    int n = 0;
    ioctl(fd, FIONREAD, &n);
    return n;
}

constexpr std::size_t kEngineBound = 8; // engine IDs whose keys and users the engine keeps

// A v3 user at the relay, whose every request can be held there while the test floods the engine.
class EngineFlood : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureCoreSession();
        ASSERT_TRUE(agent_.Start()) << agent_.Error();
        relay_ = std::make_unique<HostileRelay>(agent_.Port());
        target_.Address = "127.0.0.1";
        target_.Port = relay_->Port();
        target_.Version = 3;
        target_.SecurityName = "desuser";
        target_.SecurityLevel = 3;
        target_.AuthProtocol = apHmacSha;
        target_.AuthPassword = "authpass123";
        target_.PrivProtocol = ppCbcDes;
        target_.PrivPassword = "privpass123";
        target_.Timeout = 3000; // only ends a hang: a held request waits for the whole flood
        target_.Retries = 0;
        std::optional<int> warmUp;
        Get(warmUp);
        ASSERT_EQ(Finish(warmUp), 0) << "through the relay before the flood";
    }
    // Starts a GET; when `hold`, waits until the relay holds it and gives its message ID.
    std::int64_t Get(std::optional<int>& status, bool hold = false) {
        if (hold)
            relay_->HoldNext();
        engine().ExchangeAsync(target_, TvPduKind::Get, {{"1.3.6.1.2.1.1.3.0", {}}},
                               [&status](int s, TvSNMPReply&) { status = s; });
        if (!hold)
            return -1;
        PumpUntil([&] {
            relay_->Shuttle();
            return relay_->Holding();
        });
        return relay_->HeldMessageId();
    }
    // Lets a held request go on and waits for its outcome.
    int Finish(std::optional<int>& status) {
        relay_->Release();
        PumpUntil([&] {
            relay_->Shuttle();
            return status.has_value();
        });
        return status.value_or(-5);
    }
    // A fresh request answered by the real agent.
    int GetNow() {
        std::optional<int> status;
        Get(status);
        return Finish(status);
    }
    // Every other one with lengths in the long form.
    void Report(std::int64_t messageId) {
        const std::string engineId = "\x80\x00\x1f\x88\x04rogue-" + std::to_string(++serial_);
        relay_->Send(Ber{serial_ % 2 == 0}.UnknownEngineReport(messageId, engineId, target_.SecurityName));
    }
    static TvSNMPEngine& engine() { return *TvSNMPEngine::Instance(); }

    SnmpdAgent agent_;
    std::unique_ptr<HostileRelay> relay_;
    TvSNMPTarget target_;
    int serial_ = 0;
};

} // namespace

// What the engine reads of every SNMPv3 message before the library does.
TEST(V3Header, MessageIdAndEngineIdOfEveryForm) {
    const std::string engineId("\x80\x00\x1f\x88\x04"
                               "agent",
                               10);
    struct Case {
        const char* name;
        std::string datagram;
        int version;
        bool read;
    };
    const Case cases[] = {
        {"report", Ber{}.UnknownEngineReport(396369114, engineId, "desuser"), 3, true},
        {"lengths in the long form", Ber{true}.UnknownEngineReport(396369114, engineId, "desuser"), 3, true},
        {"another security model", Ber{}.UnknownEngineReport(396369114, engineId, "desuser", 4), 3, false},
        {"empty engine ID", Ber{}.UnknownEngineReport(7, "", ""), 3, true},
        {"SNMPv2c", Ber{}.Tlv(0x30, Ber{}.Int(1) + Ber{}.Octets("public") + Ber{}.Tlv(0xA2, "")), 1, false},
        {"cut short", Ber{}.UnknownEngineReport(7, engineId, "desuser").substr(0, 30), -1, false},
        {"nothing", "", -1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TvBerReply::MessageVersion(c.datagram), c.version) << c.name;
        TvBerReply::V3Header header;
        ASSERT_EQ(TvBerReply::ReadV3Header(c.datagram, header), c.read) << c.name;
        if (c.read && c.name != std::string("empty engine ID")) {
            EXPECT_EQ(header.MessageId, 396369114) << c.name;
            EXPECT_EQ(header.EngineId, engineId) << c.name;
        }
    }
}

// Thousands of reports with new engine IDs, first with message IDs of no request (anyone can send those),
// then repeating the message ID of the request in flight (only someone who sees the request can): the
// first kind costs no key and no user at all, the second at most one new engine ID for the request.
TEST_F(EngineFlood, ReportsNamingNewEngineIdsCostBoundedWork) {
    constexpr int kReports = 5000;
    constexpr int kBatch = 100; // what the engine's socket holds without dropping
    struct Variant {
        const char* name;
        bool copyMessageId;
    };
    for (const Variant v :
         {Variant{"message IDs of no request", false}, Variant{"the request's message ID", true}}) {
        std::optional<int> status;
        const std::int64_t messageId = Get(status, true);
        ASSERT_GE(messageId, 0) << v.name;
        const TvSNMPEngine::SecurityCounts before = engine().Security();
        const double cpu = CpuSeconds();
        const long rss = ResidentKiB();
        for (int sent = 0; sent < kReports; sent += kBatch) {
            for (int i = 0; i < kBatch; ++i)
                Report(v.copyMessageId ? messageId : messageId + 1 + serial_);
            ASSERT_TRUE(PumpUntil([&] { return Queued(engine().SocketDescriptor()) == 0; })) << v.name;
        }
        const TvSNMPEngine::SecurityCounts after = engine().Security();
        std::printf("%s: %d reports cost %.3f s of CPU, resident memory %+ld KiB; engine IDs learned %zu, "
                    "keys derived %zu, localized %zu, engines kept %zu, library users %zu, refused %zu\n",
                    v.name, kReports, CpuSeconds() - cpu, ResidentKiB() - rss,
                    after.EnginesLearned - before.EnginesLearned, after.KeysDerived - before.KeysDerived,
                    after.KeysLocalized - before.KeysLocalized, after.Engines, after.LibraryUsers,
                    after.Refused - before.Refused);
        // The library never reads the rest: it would keep a record of each engine ID for ever.
        EXPECT_EQ(after.Refused - before.Refused, kReports - (v.copyMessageId ? 1u : 0u)) << v.name;
        EXPECT_EQ(after.KeysDerived, before.KeysDerived) << v.name << ": the passwords' keys are kept";
        EXPECT_EQ(after.EnginesLearned - before.EnginesLearned, v.copyMessageId ? 1u : 0u) << v.name;
        EXPECT_LE(after.KeysLocalized - before.KeysLocalized, v.copyMessageId ? 2u : 0u) << v.name;
        EXPECT_LE(after.Engines, kEngineBound) << v.name;
        EXPECT_LE(after.LibraryUsers, before.LibraryUsers + (v.copyMessageId ? 1u : 0u)) << v.name;

        const int outcome = Finish(status);
        if (!v.copyMessageId) {
            EXPECT_EQ(outcome, 0) << v.name << ": the request in flight is answered by the agent";
        }
        // A report repeating the request's message ID answers it, whoever sent it: the request may fail
        // (the agent does not know the engine ID it was sent again with), but nothing else does.
        EXPECT_EQ(GetNow(), 0) << v.name << ": the session works with the real agent afterwards";
    }
}

// One forged report for each of many requests: each costs one engine ID, and the engine keeps the keys
// and users of a few only, the one the agent is known by among them.
TEST_F(EngineFlood, EngineIdsLearnedOneARequestStayBounded) {
    for (int round = 0; round < 3 * static_cast<int>(kEngineBound); ++round) {
        std::optional<int> status;
        Report(Get(status, true));
        Finish(status); // taken over by the report: the agent does not know the engine ID sent again
        const TvSNMPEngine::SecurityCounts now = engine().Security();
        ASSERT_LE(now.Engines, kEngineBound) << round;
        ASSERT_LE(now.LibraryUsers, kEngineBound) << round;
        ASSERT_LE(now.CachedKeys, kEngineBound * 2 + 2) << round;
    }
    const TvSNMPEngine::SecurityCounts end = engine().Security();
    EXPECT_EQ(end.KeysDerived, 2u) << "one for each password, at the start";
    EXPECT_GE(end.EnginesLearned, 3 * kEngineBound);
    EXPECT_EQ(GetNow(), 0) << "the session works with the real agent afterwards";
}
