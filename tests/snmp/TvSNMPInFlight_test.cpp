// The engine keeps a bound on exchanges in flight to the switch and queues the rest in order, writes
// first; the switch's own count of the replies it holds back on a slow link is the witness.

#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvSNMPEngine.h"
#include "support/CoreSession.h"
#include "support/PumpUntil.h"
#include "support/SimSwitch.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <sstream>

namespace {

TvSNMPTarget Sim(std::uint16_t port) {
    TvSNMPTarget t;
    t.Address = "127.0.0.1";
    t.Port = port;
    t.Version = 1;
    t.ReadCommunity = "rdcomm";
    t.WriteCommunity = "wrtcomm";
    t.Timeout = 300;
    return t;
}

// The most replies the switch held back at once: the requests in flight from the program.
int MostHeld(const std::string& log) {
    int most = 0;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("HELD"))
            most = std::max(most, std::stoi(line.substr(4)));
    return most;
}

// The request lines of the log (GET and SET), in the order the switch took them.
QStringList Requests(const std::string& log) {
    QStringList out;
    for (const QString& line : QString::fromStdString(log).split('\n'))
        if (line.startsWith("GET ") || line.startsWith("SET "))
            out << line.section(' ', 0, 0) + " " + line.section(' ', -1);
    return out;
}

class InFlightTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureCoreSession();
        ASSERT_TRUE(sim.Start({"--log", "--delay", "60", "--log-held"})) << sim.Error();
    }
    void TearDown() override { TvSNMPEngine::Instance()->SetMaxInFlight(TvSNMPEngine::kDefaultMaxInFlight); }

    // Sends `reads` reads of sysUpTime and then one write of sysContact, all at once; waits for all.
    void SendReadsThenWrite(int reads) {
        TvSNMPEngine& engine = *TvSNMPEngine::Instance();
        int done = 0;
        int failed = 0;
        auto count = [&](int status, TvSNMPReply&) {
            ++done;
            failed += status != 0;
        };
        for (int i = 0; i < reads; ++i)
            engine.ExchangeAsync(Sim(sim.Port()), TvPduKind::Get, {{"1.3.6.1.2.1.1.3.0", {}}}, count);
        TvSnmpValue contact;
        contact.Type = TvValueType::OctetString;
        contact.Octets = "ops@example.net";
        engine.ExchangeAsync(Sim(sim.Port()), TvPduKind::Set, {{"1.3.6.1.2.1.1.4.0", contact}}, count);
        ASSERT_TRUE(PumpUntil([&] { return done == reads + 1; }));
        EXPECT_EQ(failed, 0);
        EXPECT_EQ(engine.OutstandingCount(), 0u);
    }

    SimSwitch sim;
};

TEST_F(InFlightTest, AtMostTheBoundInFlightAndTheWriteLeavesFirst) {
    ASSERT_EQ(TvSNMPEngine::Instance()->MaxInFlight(), TvSNMPEngine::kDefaultMaxInFlight);
    SendReadsThenWrite(12);
    ASSERT_TRUE(sim.AwaitMarker());
    const std::string log = sim.Log();
    EXPECT_EQ(MostHeld(log), static_cast<int>(TvSNMPEngine::kDefaultMaxInFlight)) << log;
    // Sent after twelve reads, the write waits for one free slot only, not for the reads queued before it.
    const QStringList requests = Requests(log);
    const qsizetype write = requests.indexOf("SET .1.3.6.1.2.1.1.4.0");
    ASSERT_GE(write, 0) << log;
    EXPECT_EQ(write, static_cast<qsizetype>(TvSNMPEngine::kDefaultMaxInFlight)) << log;
    EXPECT_EQ(requests.count("GET .1.3.6.1.2.1.1.3.0"), 12);
}

TEST_F(InFlightTest, TheBoundIsAnOption) {
    struct Case {
        std::size_t bound;
        int expected;
    } cases[] = {{1, 1}, {0, 1}, {8, 8}};
    for (const Case& c : cases) {
        TvSNMPEngine::Instance()->SetMaxInFlight(c.bound);
        const size_t from = sim.Log().size();
        // Every reply is in when this returns, so nothing of the case before is held any more; a marker
        // read here would be held itself and counted with the next case.
        SendReadsThenWrite(10);
        EXPECT_EQ(MostHeld(sim.Log().substr(from)), c.expected) << "bound " << c.bound;
    }
}

} // namespace
