// Every datagram that reaches the notification port from the switch's address is read by the engine:
// its version and SNMPv3 header first, then the library, then the conversion of the PDU into plain data.
// Each one sent is counted exactly once (accepted or dropped), and what is accepted is a notification
// of the session's version from the switch's address with a kind of at least two sub-identifiers. The
// first byte picks the session: SNMPv2c with community "public", or SNMPv3 with an authPriv user.
#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int gSender = -1;
int gMode = -1; // the session listened for: 0 SNMPv2c, 1 SNMPv3
std::vector<TvNotification> gAccepted;

void Listen(int mode) {
    TvSNMPTarget from;
    from.Address = "127.0.0.1";
    from.Version = mode == 0 ? 1 : 3;
    from.ReadCommunity = "public";
    from.SecurityName = "fuzzuser";
    from.SecurityLevel = 3;
    from.AuthProtocol = apHmacSha;
    from.PrivProtocol = ppAes128;
    from.AuthPassword = "authpass123";
    from.PrivPassword = "privpass123";
    if (TvSNMPEngine::Instance()->Listen(from, 0,
                                         [](TvNotification&& n) { gAccepted.push_back(std::move(n)); }) != 0)
        std::abort();
    gMode = mode;
}

std::size_t Settled() {
    const auto c = TvSNMPEngine::Instance()->Notifications();
    return c.Accepted + c.Dropped + c.Foreign;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    new QCoreApplication(*argc, *argv);
    static QTemporaryDir dir;
    InitSNMPSession(dir.path().toStdString());
    gSender = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(gSender, reinterpret_cast<sockaddr*>(&a), sizeof a);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int mode = data[0] & 1;
    if (mode != gMode)
        Listen(mode);
    TvSNMPEngine& engine = *TvSNMPEngine::Instance();
    const std::size_t before = Settled();
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(engine.ListenPort());
    if (sendto(gSender, data + 1, size - 1, 0, reinterpret_cast<sockaddr*>(&to), sizeof to) < 0)
        return 0; // too large for one datagram
    gAccepted.clear();
    pollfd p{engine.ListenSocket(), POLLIN, 0};
    if (poll(&p, 1, 5000) != 1)
        std::abort(); // sent on loopback, and never arrived
    engine.ReceiveNotifications();
    // An SNMPv3 message without an engine ID asks for this engine's: answered, and not counted.
    const std::size_t counted = Settled() - before;
    if (counted > 1 || (counted == 0 && mode == 0))
        std::abort();
    for (const TvNotification& n : gAccepted) {
        const bool rightVersion = mode == 0 ? (n.Version == 0 || n.Version == 1) : n.Version == 3;
        if (!rightVersion || n.Kind.find('.') == std::string::npos || !n.Source.starts_with("127.0.0.1:"))
            std::abort();
    }
    // The answers this engine sent (reports, acknowledgements) are read and dropped.
    char sink[65536];
    while (recv(gSender, sink, sizeof sink, MSG_DONTWAIT) >= 0) {
    }
    return 0;
}
