#include "snmp/TvSNMPEngine.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/RuntimeFolder.h"
#include "snmp/TvBerReply.h"
#include "snmp/TvBlockingWait.h"
#include "snmp/TvSnmpLibrary.h"

// net-snmp wants its configuration header first and its main header before the library ones.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/library/keytools.h>
#include <net-snmp/library/lcd_time.h>
#include <net-snmp/library/scapi.h>
#include <net-snmp/library/snmp_transport.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/snmpv3.h>
#include <net-snmp/library/transform_oids.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <limits>
#include <list>
#include <map>
#include <set>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// Status numbers the catalog mapping takes.
constexpr int kTimeout = -5;
constexpr int kClosing = -8;
constexpr int kOperationFailed = -1;

// A blocking exchange looks at the socket this often and lets windows repaint in between.
constexpr int kBlockingSliceMs = 20;
constexpr int kNotSupportedOnTarget = -16;
constexpr int kInvalidOid = -17;
constexpr int kInvalidEngineId = -1406;
constexpr int kUsmUnsupportedSecLevel = 1403;
constexpr int kUsmUnknownUser = 1404;
constexpr int kUsmEncryption = 1405;
constexpr int kUsmDecryption = 1406;
constexpr int kUsmAuthError = 1407;
constexpr int kUsmAuthFailure = 1408;
constexpr int kUsmParse = 1409;
constexpr int kUsmUnknownEngine = 1410;
constexpr int kUsmNotInTime = 1411;
constexpr int kUsmUnsupportedAuth = 1412;
constexpr int kUsmUnsupportedPriv = 1413;

// Grace beyond the library's own timeout before an exchange is given up without its help.
constexpr auto kWatchdogGrace = std::chrono::milliseconds(1000);

// SNMPv3 keys and users are kept for this many engine IDs at most, the least recently used forgotten
// first (never the one an agent is known by): a program speaks to one switch, a test to a few agents.
constexpr std::size_t kMaxEngines = 8;
// Localized keys kept for one engine ID (two for each user and its passwords).
constexpr std::size_t kMaxKeysPerEngine = 8;
// Keys derived from passwords, before localization (the costly step: a megabyte hashed for each).
constexpr std::size_t kMaxMasterKeys = 4;

struct ProtocolOid {
    const oid* Oid;
    u_int Len;
};

ProtocolOid AuthOid(int code) {
    switch (code) {
    case apHmacMd5:
        return {usmHMACMD5AuthProtocol, USM_AUTH_PROTO_MD5_LEN};
    case apHmacSha:
        return {usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN};
    case apHmacSha224:
        return {usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)};
    case apHmacSha256:
        return {usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)};
    case apHmacSha384:
        return {usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)};
    case apHmacSha512:
        return {usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)};
    default:
        return {nullptr, 0};
    }
}

ProtocolOid PrivOid(int code) {
    switch (code) {
    case ppCbcDes:
        return {usmDESPrivProtocol, USM_PRIV_PROTO_DES_LEN};
    case ppAes128:
        return {usmAESPrivProtocol, USM_PRIV_PROTO_AES_LEN};
    case ppAes192:
        return {usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)};
    case ppAes256:
        return {usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)};
    default:
        return {nullptr, 0};
    }
}

// net-snmp errors met while sending or in reports, as USM/class statuses.
int StatusOfLibraryError(int err) {
    switch (err) {
    case SNMPERR_TIMEOUT:
        return kTimeout;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return kUsmUnknownEngine;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return kUsmUnknownUser;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
    case SNMPERR_BAD_SEC_LEVEL:
        return kUsmUnsupportedSecLevel;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return kUsmAuthFailure;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return kUsmNotInTime;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return kUsmDecryption;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return kUsmEncryption;
    case SNMPERR_USM_PARSEERROR:
        return kUsmParse;
    case SNMPERR_BAD_ADDRESS:
        return -18;
    default:
        return kOperationFailed;
    }
}

bool ParseOid(const std::string& text, std::vector<oid>& out) {
    out.clear();
    out.reserve(MAX_OID_LEN);
    std::size_t i = (!text.empty() && text[0] == '.') ? 1 : 0;
    if (i >= text.size())
        return false;
    while (i <= text.size()) {
        std::uint64_t v = 0;
        std::size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            v = v * 10 + static_cast<unsigned>(text[i] - '0');
            if (v > 0xFFFFFFFFull)
                return false;
            ++i;
            ++digits;
        }
        if (digits == 0)
            return false;
        out.push_back(static_cast<oid>(v));
        if (out.size() > MAX_OID_LEN)
            return false;
        if (i == text.size())
            break;
        if (text[i] != '.')
            return false;
        ++i;
    }
    return true;
}

std::string OidText(const oid* o, std::size_t len) {
    // Every reply's OIDs pass here: written in one buffer, without a string per sub-identifier.
    char buf[MAX_OID_LEN * 21]; // twenty digits and a dot each
    char* p = buf;
    for (std::size_t i = 0; i < std::min<std::size_t>(len, MAX_OID_LEN); ++i) {
        if (i)
            *p++ = '.';
        p = std::to_chars(p, buf + sizeof buf, static_cast<unsigned long long>(o[i])).ptr;
    }
    return std::string(buf, p);
}

TvSnmpValue ValueOf(const netsnmp_variable_list* v) {
    TvSnmpValue out;
    auto octets = [&] { return std::string(reinterpret_cast<const char*>(v->val.string), v->val_len); };
    switch (v->type) {
    case ASN_INTEGER:
        out.Type = TvValueType::Integer;
        out.Int = static_cast<std::int32_t>(*v->val.integer);
        break;
    case ASN_OCTET_STR:
    case ASN_BIT_STR:
        out.Type = TvValueType::OctetString;
        out.Octets = octets();
        break;
    case ASN_OPAQUE:
        out.Type = TvValueType::Opaque;
        out.Octets = octets();
        break;
    case ASN_OBJECT_ID:
        out.Type = TvValueType::ObjectId;
        for (std::size_t i = 0; i < v->val_len / sizeof(oid); ++i)
            out.Oid.push_back(static_cast<std::uint32_t>(v->val.objid[i]));
        break;
    case ASN_IPADDRESS:
        out.Type = TvValueType::IpAddress;
        out.Octets = octets();
        break;
    case ASN_COUNTER:
        out.Type = TvValueType::Counter32;
        out.Int = static_cast<std::uint32_t>(*v->val.integer);
        break;
    case ASN_GAUGE: // also Unsigned32
        out.Type = TvValueType::Gauge32;
        out.Int = static_cast<std::uint32_t>(*v->val.integer);
        break;
    case ASN_TIMETICKS:
        out.Type = TvValueType::TimeTicks;
        out.Int = static_cast<std::uint32_t>(*v->val.integer);
        break;
    case ASN_COUNTER64:
        out.Type = TvValueType::Counter64;
        out.Counter64 = (static_cast<std::uint64_t>(v->val.counter64->high & 0xFFFFFFFFu) << 32) |
                        (v->val.counter64->low & 0xFFFFFFFFu);
        break;
    case SNMP_NOSUCHOBJECT:
        out.Type = TvValueType::NoSuchObject;
        break;
    case SNMP_NOSUCHINSTANCE:
        out.Type = TvValueType::NoSuchInstance;
        break;
    case SNMP_ENDOFMIBVIEW:
        out.Type = TvValueType::EndOfMibView;
        break;
    default:
        out.Type = TvValueType::Null;
        break;
    }
    return out;
}

// Adds a varbind for a SET; false when the value cannot be encoded.
bool AddValue(netsnmp_pdu* pdu, const std::vector<oid>& name, const TvSnmpValue& v) {
    long n = static_cast<long>(v.Int);
    const auto* bytes = reinterpret_cast<const u_char*>(v.Octets.data());
    switch (v.Type) {
    case TvValueType::Null:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0) != nullptr;
    case TvValueType::Integer:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &n, sizeof n) != nullptr;
    case TvValueType::Counter32:
    case TvValueType::Gauge32:
    case TvValueType::TimeTicks: {
        u_char type = v.Type == TvValueType::Counter32 ? ASN_COUNTER
                      : v.Type == TvValueType::Gauge32 ? ASN_GAUGE
                                                       : ASN_TIMETICKS;
        u_long u = static_cast<std::uint32_t>(v.Int);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &u, sizeof u) != nullptr;
    }
    case TvValueType::OctetString:
    case TvValueType::Opaque:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(),
                                     v.Type == TvValueType::Opaque ? ASN_OPAQUE : ASN_OCTET_STR, bytes,
                                     v.Octets.size()) != nullptr;
    case TvValueType::IpAddress: {
        if (v.Octets.size() != 4)
            return false;
        in_addr_t a;
        std::memcpy(&a, v.Octets.data(), 4);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_IPADDRESS, &a, sizeof a) != nullptr;
    }
    case TvValueType::ObjectId: {
        std::vector<oid> o(v.Oid.begin(), v.Oid.end());
        if (o.size() < 2 || o.size() > MAX_OID_LEN)
            return false;
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, o.data(),
                                     o.size() * sizeof(oid)) != nullptr;
    }
    case TvValueType::Counter64: {
        counter64 c{};
        c.high = static_cast<u_long>(v.Counter64 >> 32);
        c.low = static_cast<u_long>(v.Counter64 & 0xFFFFFFFFu);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c) != nullptr;
    }
    case TvValueType::NoSuchObject:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), SNMP_NOSUCHOBJECT, nullptr, 0) != nullptr;
    case TvValueType::NoSuchInstance:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), SNMP_NOSUCHINSTANCE, nullptr, 0) !=
               nullptr;
    case TvValueType::EndOfMibView:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), SNMP_ENDOFMIBVIEW, nullptr, 0) != nullptr;
    case TvValueType::Unknown:
        return false;
    }
    return false;
}

// Clears a copy of a secret before its memory is given back (an empty vector may have no memory).
template <typename Bytes> void Wipe(Bytes& b) {
    if (!b.empty())
        explicit_bzero(b.data(), b.size());
}

u_char* Dup(const std::string& s) {
    auto* p = static_cast<u_char*>(std::malloc(s.size() + 1));
    if (p) {
        std::memcpy(p, s.data(), s.size());
        p[s.size()] = 0;
    }
    return p;
}

// Resolves an IPv4 address the way the platform does: getaddrinfo AF_INET, first address.
bool Resolve(const std::string& host, std::uint16_t port, sockaddr_in& out) {
    if (host.empty())
        return false;
    // A dotted quad needs no lookup (every exchange resolves its agent's address).
    if (in_addr numeric{}; inet_pton(AF_INET, host.c_str(), &numeric) == 1) {
        out = sockaddr_in{};
        out.sin_family = AF_INET;
        out.sin_addr = numeric;
        out.sin_port = htons(port);
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &res) != 0 || !res)
        return false;
    std::memcpy(&out, res->ai_addr, sizeof out);
    freeaddrinfo(res);
    out.sin_port = htons(port);
    return true;
}

// Dotted quad of an IPv4 address, as inet_ntop writes it (which formats through sprintf: every reply
// needs this text).
std::string AddressText(const in_addr& a) {
    unsigned char octets[4];
    std::memcpy(octets, &a.s_addr, 4);
    char buf[INET_ADDRSTRLEN];
    char* p = buf;
    for (int i = 0; i < 4; ++i) {
        if (i)
            *p++ = '.';
        const unsigned v = octets[i];
        if (v >= 100)
            *p++ = static_cast<char>('0' + v / 100);
        if (v >= 10)
            *p++ = static_cast<char>('0' + v / 10 % 10);
        *p++ = static_cast<char>('0' + v % 10);
    }
    return std::string(buf, p);
}

std::string PeerKey(const sockaddr_in& a) {
    return AddressText(a.sin_addr) + ":" + std::to_string(ntohs(a.sin_port));
}

// Memory net-snmp's callback data points at. The library may write a status word through that
// pointer after the callback, so it starts with one and stays alive until the library call returns.
struct Slot {
    int LibraryScratch[4] = {};
    long ExchangeId = 0;
    long RequestId = 0;  // of the PDU sent, for replies read without the library
    long MessageId = -1; // of an SNMPv3 PDU sent, which its reply or report repeats
    bool Probe = false;
    bool Learned = false; // a report of a new engine ID answered it, and its user was registered for that
    int TimeWindowReports = 0;
};

// A datagram read here ahead of the library (to catch replies it would drop), handed to the library by
// the transport's receive hook when it reads next: one read of the socket a datagram.
struct HeldDatagram {
    using Receiver = int (*)(netsnmp_transport*, void*, int, void**, int*);
    Receiver Receive = nullptr; // the transport's own, for reads not prepared here
    char Data[65536];
    int Length = -1;                                // -1: nothing held
    netsnmp_indexed_addr_pair* Addresses = nullptr; // malloc'd: the library frees it with the PDU
    sockaddr_in Local{};
    bool LocalKnown = false;

    // Reads what waits in the socket, without waiting: the datagram's length, or -1.
    int Read(int fd) {
        Drop();
        auto* pair =
            static_cast<netsnmp_indexed_addr_pair*>(std::calloc(1, sizeof(netsnmp_indexed_addr_pair)));
        if (!pair)
            return -1;
        socklen_t fromLen = sizeof pair->remote_addr;
        ssize_t n;
        do
            n = recvfrom(fd, Data, sizeof Data, MSG_DONTWAIT, &pair->remote_addr.sa, &fromLen);
        while (n < 0 && errno == EINTR);
        if (n < 0) {
            std::free(pair);
            return -1; // nothing queued (an unconnected socket keeps no errors to read)
        }
        // The socket's own address, as the library's transport gives it with every datagram; it
        // cannot change once a datagram came in, so it is asked once instead of for each.
        if (!LocalKnown) {
            socklen_t localLen = sizeof Local;
            LocalKnown = getsockname(fd, reinterpret_cast<sockaddr*>(&Local), &localLen) == 0;
        }
        if (LocalKnown)
            std::memcpy(&pair->local_addr.sin, &Local, sizeof Local);
        Addresses = pair;
        Length = static_cast<int>(n);
        return Length;
    }

    void Drop() {
        std::free(Addresses);
        Addresses = nullptr;
        Length = -1;
    }
};

HeldDatagram gHeld;             // of the session that sends requests
HeldDatagram gHeldNotification; // of the socket that receives notifications

template <HeldDatagram* Held>
int HandOver(netsnmp_transport* t, void* buf, int size, void** opaque, int* olength) {
    if (Held->Length < 0)
        return Held->Receive(t, buf, size, opaque, olength);
    const int n = std::min(Held->Length, size);
    std::memcpy(buf, Held->Data, static_cast<std::size_t>(n));
    *opaque = std::exchange(Held->Addresses, nullptr);
    *olength = sizeof(netsnmp_indexed_addr_pair);
    Held->Length = -1;
    return n;
}

struct Event {
    Slot* From = nullptr;
    int Op = 0;
    int Command = 0;
    std::int64_t ErrorStatus = 0;
    int ErrorIndex = 0;
    int ReportType = 0;
    std::string EngineId;
    std::vector<TvVarBind> VarBinds;
    std::string Address;
    std::uint16_t Port = 0;
};

struct PendingExchange {
    long Id = 0;
    TvSNMPTarget Target;
    sockaddr_in Peer{};
    TvPduKind Kind = TvPduKind::Get;
    std::vector<TvVarBind> VarBinds;
    TvSNMPEngine::Callback Done;
    bool Blocking = false;
    bool Awaited = false; // a blocking exchange whose outcome is being waited for
    bool Queued = false;
    bool Finished = false;
    bool Rediscovered = false;
    int RetriesLeft = 0;
    Slot* Current = nullptr;
    Clock::time_point Deadline;
    int Status = 0;
    TvSNMPReply Reply;
};

std::unique_ptr<TvSNMPEngine> gEngine;

} // namespace

struct TvSNMPEngine::Impl {
    void* Session = nullptr;
    netsnmp_session* Ss = nullptr;
    long NextId = 1;
    std::map<long, std::unique_ptr<PendingExchange>> Exchanges;
    std::unordered_map<Slot*, std::unique_ptr<Slot>> Slots;
    std::deque<Event> Events;
    std::deque<long> Ready;                       // finished asynchronous exchanges, in order of completion
    std::deque<long> Waiting;                     // held back by the in-flight cap
    std::vector<oid> OidScratch;                  // kept between requests: no allocation for each
    std::map<std::string, std::string> EngineIds; // peer -> authoritative engine ID
    // What is kept for one engine ID: its localized keys and the users registered with the library.
    struct EngineEntry {
        std::string EngineId;
        std::vector<std::pair<std::string, std::vector<u_char>>> Keys; // protocol and password -> key
        std::set<std::string> Users;
    };
    std::list<EngineEntry> Engines;                                    // most recently used first
    std::list<std::pair<std::string, std::vector<u_char>>> MasterKeys; // protocol and password -> key
    TvSNMPEngine::SecurityCounts Counts;
    std::size_t InFlight = 0;
    std::size_t MaxInFlight = TvSNMPEngine::kDefaultMaxInFlight;
    std::function<void()> WakeHook;

    static int OnLibrary(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic);

    int Start(PendingExchange& ex);
    int SendAttempt(PendingExchange& ex);
    int SendProbe(PendingExchange& ex);
    int SendRequest(PendingExchange& ex, const std::string& engineId);
    int RegisterUser(const TvSNMPTarget& t, const std::string& engineId);
    bool LocalKey(int authCode, EngineEntry& engine, const std::string& password, std::vector<u_char>& key);
    bool MasterKey(int authCode, const std::string& password, std::vector<u_char>& key);
    // The entry of `engineId`, made the most recently used; forgets the least recently used past the bound.
    EngineEntry& Engine(const std::string& engineId);
    void Forget(EngineEntry& engine);
    int Transmit(PendingExchange& ex, netsnmp_pdu* pdu, bool probe);
    void Finish(PendingExchange& ex, int status);
    void Retire(Slot* slot, bool orphan);
    void HandleEvents();
    void Handle(Event& ev);
    void Advance(PendingExchange& ex, Event& ev, bool probe);
    // Waits up to `waitMs` for a datagram, reads every one queued, at most `most` (until *done turns
    // true, when given: a blocking wait has what it waited for), then runs timeouts and retries.
    void Pump(int waitMs, const bool* done = nullptr, int most = std::numeric_limits<int>::max());
    // What waits in the socket: nothing, a datagram for the library to read, or a reply the library
    // would refuse, taken here.
    enum class Inbox { Nothing, ForLibrary, Taken };
    Inbox TakeRefusedReply(netsnmp_transport* t);
    // Whether an SNMPv3 message goes on to the library (see there).
    bool Admit(const sockaddr_in& from, const TvBerReply::V3Header& header);
    void CheckDeadlines();
    void LaunchWaiting();
    void Deliver();
    void ForgetLibraryEngineId();

    // The notification receiver: its own session on the listening socket.
    void* NoteSession = nullptr;
    TvSNMPTarget NoteFrom;
    in_addr NoteAddress{};
    TvSNMPEngine::NotificationSink NoteSink;
    TvSNMPEngine::NotificationCounts NoteCounts;
    std::deque<TvNotification> NoteReady; // accepted while the library reads, handed on afterwards
    std::set<std::string> NoteEngines;    // engine IDs the switch's user was registered for since Listen
    bool NoteTaken = false;               // the datagram being read was an accepted notification

    static int OnNotification(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic);
    bool Decode(const netsnmp_pdu* pdu, TvNotification& out) const;
    void ReadNotification(netsnmp_transport* t, int length);
    void CloseListener();
};

TvSNMPEngine::TvSNMPEngine() : d_(std::make_unique<Impl>()) {}

TvSNMPEngine::~TvSNMPEngine() {
    d_->CloseListener();
    gHeld.Drop();
    // Only our copies of the keys: this may run at exit, after the library's cryptography is gone.
    for (auto& engine : d_->Engines)
        for (auto& [name, key] : engine.Keys) {
            Wipe(name);
            Wipe(key);
        }
    for (auto& [name, key] : d_->MasterKeys) {
        Wipe(name);
        Wipe(key);
    }
    if (d_->Session)
        snmp_sess_close(d_->Session);
}

TvSNMPEngine* TvSNMPEngine::Instance() {
    return gEngine.get();
}

namespace {

// net-snmp logs a line for each malformed datagram it reads, so a switch sending garbage would fill
// standard error at its own pace. Its warnings and errors pass here: a burst of a few lines, then one
// every ten seconds, with the number of lines left out meanwhile. Control characters are not passed on.
constexpr int kLibraryLogBurst = 10;
constexpr auto kLibraryLogInterval = std::chrono::seconds(10);

int LimitLibraryLog(int, int, void* message, void*) {
    static int budget = kLibraryLogBurst;
    static Clock::time_point refill;
    static long leftOut = 0;
    const auto* m = static_cast<const snmp_log_message*>(message);
    if (!m || !m->msg)
        return SNMPERR_SUCCESS;
    const auto now = Clock::now();
    if (budget == 0 && now >= refill)
        budget = 1;
    if (budget == 0) {
        ++leftOut;
        return SNMPERR_SUCCESS;
    }
    if (--budget == 0)
        refill = now + kLibraryLogInterval;
    std::string line = m->msg;
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    if (leftOut > 0)
        std::fprintf(stderr, "(%ld more messages of the SNMP library left out)\n", leftOut);
    leftOut = 0;
    std::fprintf(stderr, "%s\n", line.c_str());
    return SNMPERR_SUCCESS;
}

} // namespace

TvSNMPEngine& TvSNMPEngine::Create() {
    if (gEngine)
        return *gEngine;
    static bool libraryReady = false;
    if (!libraryReady) {
        // Its state folder is made and checked here, inside the private runtime folder, so the library
        // never creates folders where another user could have pointed it.
        const std::string runtime = RuntimeFolder();
        const std::string dir = runtime + "/qtr5190mx-snmp-" + std::to_string(getuid());
        if (runtime.empty() || !MakePrivateFolder(dir))
            RaiseError(errCreateSession);
        // The library's own log: warnings and errors only, and limited (see LimitLibraryLog).
        snmp_disable_log();
        snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, LimitLibraryLog, nullptr);
        netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_WARNING);
        // No MIB loading (and no warnings about it, no scan of MIB folders: names are never looked up),
        // no user or system snmp.conf, nothing persisted.
        setenv("MIBS", "", 1);
        setenv("MIBDIRS", "", 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
        netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, dir.c_str());
        init_snmp("qtr5190mx");
        libraryReady = true;
    }
    netsnmp_session s;
    snmp_sess_init(&s);
    s.version = SNMP_VERSION_2c;
    std::string peer = "udp:127.0.0.1:161"; // only a default; every PDU names its own agent
    s.peername = peer.data();
    s.flags |= SNMP_FLAGS_DONT_PROBE;
    s.retries = 0; // retries are counted per exchange here
    s.timeout = 1000000;
    std::unique_ptr<TvSNMPEngine> engine(new TvSNMPEngine());
    engine->d_->Session = snmp_sess_open(&s);
    if (!engine->d_->Session)
        RaiseError(errCreateSession);
    engine->d_->Ss = snmp_sess_session(engine->d_->Session);
    engine->d_->Ss->flags |= SNMP_FLAGS_DONT_PROBE;
    // Between sends the session has no version of its own, so the library takes each message's version
    // from the message, as the engine's reading of SNMPv3 headers ahead of it assumes (a session of
    // SNMPv3 would read any message as SNMPv3, whatever its version field says).
    engine->d_->Ss->version = SNMP_DEFAULT_VERSION;
    if (netsnmp_transport* t = snmp_sess_transport(engine->d_->Session); t && t->f_recv != HandOver<&gHeld>) {
        gHeld.Receive = t->f_recv;
        gHeld.LocalKnown = false;
        t->f_recv = HandOver<&gHeld>;
    }
    gEngine = std::move(engine);
    return *gEngine;
}

void TvSNMPEngine::Shutdown() {
    if (!gEngine)
        return;
    std::unique_ptr<TvSNMPEngine> engine = std::move(gEngine);
    Impl& d = *engine->d_;
    // Every asynchronous exchange still open learns that the session is going away.
    auto exchanges = std::move(d.Exchanges);
    for (auto& [id, ex] : exchanges) {
        if (ex->Blocking || !ex->Done)
            continue;
        TvSNMPReply reply;
        reply.Status = kClosing;
        reply.AgentAddress = AddressText(ex->Peer.sin_addr);
        reply.AgentPort = ntohs(ex->Peer.sin_port);
        ex->Done(kClosing, reply);
    }
}

void TvSNMPEngine::SetLocalEngine(const std::string& engineId, int boots) {
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());
    // The library's configuration hook takes the counter of the previous start and adds one itself.
    std::string previous = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", previous.data());
}

int TvSNMPEngine::SocketDescriptor() const {
    netsnmp_transport* t = snmp_sess_transport(d_->Session);
    return t ? t->sock : -1;
}

std::size_t TvSNMPEngine::OutstandingCount() const {
    std::size_t n = 0;
    for (const auto& [id, ex] : d_->Exchanges)
        n += ex->Blocking ? 0 : 1;
    return n;
}

TvSNMPEngine::SecurityCounts TvSNMPEngine::Security() const {
    SecurityCounts c = d_->Counts;
    c.Engines = d_->Engines.size();
    c.CachedKeys = d_->MasterKeys.size();
    for (const auto& e : d_->Engines)
        c.CachedKeys += e.Keys.size();
    c.LibraryUsers = 0;
    for (const usmUser* u = usm_get_userList(); u; u = u->next)
        ++c.LibraryUsers;
    return c;
}

int TvSNMPEngine::Exchange(const TvSNMPTarget& target, TvPduKind kind, const std::vector<TvVarBind>& vbs,
                           TvSNMPReply& out) {
    return Await(Send(target, kind, vbs), out);
}

long TvSNMPEngine::Send(const TvSNMPTarget& target, TvPduKind kind, const std::vector<TvVarBind>& vbs) {
    // A blocking exchange started from a timer while another waits would nest its wait inside that one.
    if (TvBlockingWait::Depth() > 0)
        RaiseError(errWaitInProgress);
    auto ex = std::make_unique<PendingExchange>();
    if (!Resolve(target.Address, target.Port, ex->Peer))
        RaiseError(errInvalidAddress);
    const long id = d_->NextId++;
    ex->Id = id;
    ex->Target = target;
    ex->Kind = kind;
    ex->VarBinds = vbs;
    ex->Blocking = true;
    PendingExchange& ref = *ex;
    d_->Exchanges[id] = std::move(ex);
    const int status = d_->Start(ref);
    if (status != 0)
        d_->Finish(ref, status);
    return id;
}

int TvSNMPEngine::Await(long id, TvSNMPReply& out) {
    const auto it = d_->Exchanges.find(id);
    if (it == d_->Exchanges.end() || !it->second->Blocking || it->second->Awaited)
        throw std::logic_error("no exchange to await");
    PendingExchange& ref = *it->second;
    ref.Awaited = true;
    int status = 0;
    {
        TvBlockingWait wait;
        while (!ref.Finished) {
            d_->Pump(kBlockingSliceMs, &ref.Finished);
            if (!ref.Finished)
                wait.LetEventsIn();
        }
    }
    ref.Reply.Status = ref.Status;
    out = std::move(ref.Reply);
    status = ref.Status;
    d_->Exchanges.erase(id);
    // The wait may have finished asynchronous exchanges that are now due for delivery.
    if (d_->WakeHook)
        d_->WakeHook();
    return status;
}

long TvSNMPEngine::ExchangeAsync(const TvSNMPTarget& target, TvPduKind kind,
                                 const std::vector<TvVarBind>& vbs, Callback callback) {
    auto ex = std::make_unique<PendingExchange>();
    if (!Resolve(target.Address, target.Port, ex->Peer))
        RaiseError(errInvalidAddress);
    const long id = d_->NextId++;
    ex->Id = id;
    ex->Target = target;
    ex->Kind = kind;
    ex->VarBinds = vbs;
    ex->Done = std::move(callback);
    PendingExchange& ref = *ex;
    d_->Exchanges[id] = std::move(ex);
    const int status = d_->Start(ref);
    if (status != 0) {
        // Refused before anything left: a bad protocol or security setting is an outcome the callback
        // reports; a failure of the send itself is raised.
        const bool refusedSetting = status == kUsmUnsupportedAuth || status == kUsmUnsupportedPriv ||
                                    status == kUsmUnsupportedSecLevel || status == kNotSupportedOnTarget;
        if (!refusedSetting) {
            d_->Exchanges.erase(id);
            throw TvException(MapSnmpStatus(status).Message, MapSnmpStatus(status).Code);
        }
        d_->Finish(ref, status);
    }
    if (d_->WakeHook)
        d_->WakeHook();
    return id;
}

void TvSNMPEngine::Cancel(long id) {
    auto it = d_->Exchanges.find(id);
    if (it == d_->Exchanges.end() || it->second->Awaited)
        return;
    if (it->second->Current)
        it->second->Current->ExchangeId = 0; // a late reply finds nobody
    if (it->second->Current && !it->second->Finished)
        --d_->InFlight;
    it->second->Current = nullptr;
    d_->Exchanges.erase(it);
    std::erase(d_->Waiting, id);
    d_->LaunchWaiting();
}

int TvSNMPEngine::NextWakeMs() const {
    if (!d_->Ready.empty())
        return 0;
    bool outstanding = !d_->Waiting.empty();
    auto earliest = Clock::time_point::max();
    for (const auto& [id, ex] : d_->Exchanges)
        if (ex->Current && !ex->Finished) {
            outstanding = true;
            earliest = std::min(earliest, ex->Deadline);
        }
    if (!outstanding)
        return -1;
    // Queued exchanges start when a reply frees a slot; the socket wakes the pump for those.
    long ms = earliest == Clock::time_point::max()
                  ? 1000
                  : std::chrono::ceil<std::chrono::milliseconds>(earliest - Clock::now()).count() + 1;
    if (d_->Session) {
        int numfds = 0, block = 1;
        fd_set fds;
        FD_ZERO(&fds);
        timeval tv{};
        snmp_sess_select_info(d_->Session, &numfds, &fds, &tv, &block);
        if (!block)
            ms = std::min<long>(ms, tv.tv_sec * 1000 + tv.tv_usec / 1000 + 1);
    }
    return static_cast<int>(std::clamp<long>(ms, 0, 60'000));
}

void TvSNMPEngine::SetMaxInFlight(std::size_t bound) {
    d_->MaxInFlight = std::max<std::size_t>(bound, 1);
    d_->LaunchWaiting();
    if (d_->WakeHook)
        d_->WakeHook();
}

std::size_t TvSNMPEngine::MaxInFlight() const {
    return d_->MaxInFlight;
}

void TvSNMPEngine::SetWakeHook(std::function<void()> hook) {
    d_->WakeHook = std::move(hook);
}

void TvSNMPEngine::ProcessPendingEvents() {
    // One datagram a call: the socket's notifier calls again while more wait, so no read is spent
    // finding the socket empty, and the event loop gets its turn between datagrams of a burst.
    d_->Pump(0, nullptr, 1);
    d_->Deliver();
}

// ---------------------------------------------------------------------------------------------------

int TvSNMPEngine::Impl::Start(PendingExchange& ex) {
    const TvSNMPTarget& t = ex.Target;
    if (t.Version != 0 && t.Version != 1 && t.Version != 3)
        return kNotSupportedOnTarget;
    for (const auto& vb : ex.VarBinds)
        if (!ParseOid(vb.Oid, OidScratch))
            return kInvalidOid;
    if (t.Version == 3) {
        if (t.SecurityLevel < 1 || t.SecurityLevel > 3)
            return kUsmUnsupportedSecLevel;
        if (t.AuthProtocol != apNone && !AuthOid(t.AuthProtocol).Oid)
            return kUsmUnsupportedAuth;
        if (t.PrivProtocol != ppNone && !PrivOid(t.PrivProtocol).Oid)
            return kUsmUnsupportedPriv; // CBC-IDEA among them: net-snmp has none
        if (t.SecurityLevel >= 2 && t.AuthProtocol == apNone)
            return kUsmUnsupportedSecLevel;
        if (t.SecurityLevel == 3 && t.PrivProtocol == ppNone)
            return kUsmUnsupportedSecLevel;
    }
    ex.RetriesLeft = std::max(0, t.Retries);
    if (InFlight >= MaxInFlight && !ex.Blocking) {
        ex.Queued = true;
        Waiting.push_back(ex.Id);
        return 0;
    }
    return SendAttempt(ex);
}

int TvSNMPEngine::Impl::SendAttempt(PendingExchange& ex) {
    if (ex.Target.Version == 3) {
        auto it = EngineIds.find(PeerKey(ex.Peer));
        if (it == EngineIds.end())
            return SendProbe(ex);
        return SendRequest(ex, it->second);
    }
    return SendRequest(ex, {});
}

int TvSNMPEngine::Impl::SendProbe(PendingExchange& ex) {
    // Engine discovery as an ordinary asynchronous exchange, so that a dead agent never blocks the
    // caller for a whole timeout inside the library.
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    pdu->version = SNMP_VERSION_3;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityName = reinterpret_cast<char*>(Dup(""));
    pdu->securityNameLen = 0;
    return Transmit(ex, pdu, true);
}

namespace {

// Protocol and password as one cache key.
std::string KeyName(int authCode, const std::string& password) {
    return std::to_string(authCode) + '\0' + password;
}

} // namespace

bool TvSNMPEngine::Impl::MasterKey(int authCode, const std::string& password, std::vector<u_char>& key) {
    std::string name = KeyName(authCode, password);
    for (auto it = MasterKeys.begin(); it != MasterKeys.end(); ++it)
        if (it->first == name) {
            MasterKeys.splice(MasterKeys.begin(), MasterKeys, it);
            key = it->second;
            Wipe(name);
            return true;
        }
    const ProtocolOid auth = AuthOid(authCode);
    u_char ku[SNMP_MAXBUF_SMALL];
    size_t kuLen = sizeof ku;
    ++Counts.KeysDerived;
    const bool ok = generate_Ku(auth.Oid, auth.Len, reinterpret_cast<const u_char*>(password.data()),
                                password.size(), ku, &kuLen) == SNMPERR_SUCCESS;
    if (ok) {
        key.assign(ku, ku + kuLen);
        MasterKeys.emplace_front(name, key);
        if (MasterKeys.size() > kMaxMasterKeys) {
            Wipe(MasterKeys.back().first);
            Wipe(MasterKeys.back().second);
            MasterKeys.pop_back();
        }
    }
    Wipe(name);
    explicit_bzero(ku, sizeof ku);
    return ok;
}

bool TvSNMPEngine::Impl::LocalKey(int authCode, EngineEntry& engine, const std::string& password,
                                  std::vector<u_char>& key) {
    std::string name = KeyName(authCode, password);
    for (const auto& [known, value] : engine.Keys)
        if (known == name) {
            key = value;
            Wipe(name);
            return true;
        }
    std::vector<u_char> ku;
    if (!MasterKey(authCode, password, ku))
        return false;
    const ProtocolOid auth = AuthOid(authCode);
    u_char kul[SNMP_MAXBUF_SMALL];
    size_t kulLen = sizeof kul;
    ++Counts.KeysLocalized;
    const bool ok =
        generate_kul(auth.Oid, auth.Len, reinterpret_cast<const u_char*>(engine.EngineId.data()),
                     engine.EngineId.size(), ku.data(), ku.size(), kul, &kulLen) == SNMPERR_SUCCESS;
    Wipe(ku);
    if (ok) {
        key.assign(kul, kul + kulLen);
        if (engine.Keys.size() >= kMaxKeysPerEngine) {
            // Passwords changed often: start the engine's keys afresh.
            for (auto& [n, k] : engine.Keys) {
                Wipe(n);
                Wipe(k);
            }
            engine.Keys.clear();
        }
        engine.Keys.emplace_back(name, key);
    }
    Wipe(name);
    explicit_bzero(kul, sizeof kul);
    return ok;
}

TvSNMPEngine::Impl::EngineEntry& TvSNMPEngine::Impl::Engine(const std::string& engineId) {
    auto it = std::find_if(Engines.begin(), Engines.end(),
                           [&](const EngineEntry& e) { return e.EngineId == engineId; });
    if (it != Engines.end())
        Engines.splice(Engines.begin(), Engines, it);
    else
        Engines.push_front(EngineEntry{engineId, {}, {}});
    // The engine ID an agent is known by stays: its exchanges need their user.
    const auto inUse = [&](const EngineEntry& e) {
        return std::any_of(EngineIds.begin(), EngineIds.end(),
                           [&](const auto& peer) { return peer.second == e.EngineId; });
    };
    for (auto old = std::prev(Engines.end()); Engines.size() > kMaxEngines && old != Engines.begin();) {
        auto before = std::prev(old);
        if (!inUse(*old)) {
            Forget(*old);
            Engines.erase(old);
        }
        old = before;
    }
    return Engines.front();
}

void TvSNMPEngine::Impl::Forget(EngineEntry& engine) {
    const auto* eid = reinterpret_cast<const u_char*>(engine.EngineId.data());
    for (const std::string& user : engine.Users)
        if (usmUser* u = usm_get_user(eid, engine.EngineId.size(), user.c_str())) {
            usm_remove_user(u);
            usm_free_user(u);
        }
    engine.Users.clear();
    std::vector<u_char> id(engine.EngineId.begin(), engine.EngineId.end());
    free_enginetime(id.data(), id.size()); // the library's record of the engine's boots and time
    for (auto& [name, key] : engine.Keys) {
        Wipe(name);
        Wipe(key);
    }
    engine.Keys.clear();
}

int TvSNMPEngine::Impl::RegisterUser(const TvSNMPTarget& t, const std::string& engineId) {
    // The user is registered afresh from the exchange's own copy, so a changed password counts at once.
    const auto* eid = reinterpret_cast<const u_char*>(engineId.data());
    if (usmUser* old = usm_get_user(eid, engineId.size(), t.SecurityName.c_str())) {
        usm_remove_user(old);
        usm_free_user(old);
    }
    EngineEntry& engine = Engine(engineId);
    std::vector<u_char> authKey, privKey;
    if (t.SecurityLevel >= 2 && !LocalKey(t.AuthProtocol, engine, t.AuthPassword, authKey))
        return kUsmAuthError;
    if (t.SecurityLevel == 3) {
        if (!LocalKey(t.AuthProtocol, engine, t.PrivPassword, privKey))
            return kUsmEncryption;
        const ProtocolOid priv = PrivOid(t.PrivProtocol);
        const int need = sc_get_proper_priv_length(priv.Oid, priv.Len);
        if (need > 0 && privKey.size() < static_cast<std::size_t>(need)) {
            const netsnmp_priv_alg_info* alg = sc_get_priv_alg_byoid(priv.Oid, priv.Len);
            const ProtocolOid auth = AuthOid(t.AuthProtocol);
            constexpr u_int kBuf = 128;
            auto* buf = static_cast<u_char*>(std::malloc(kBuf));
            std::memcpy(buf, privKey.data(), privKey.size());
            size_t len = privKey.size();
            std::vector<oid> hash(auth.Oid, auth.Oid + auth.Len);
            std::vector<u_char> eidCopy(eid, eid + engineId.size());
            const int rc = alg ? netsnmp_extend_kul(need, hash.data(), auth.Len, alg->type, eidCopy.data(),
                                                    engineId.size(), &buf, &len, kBuf)
                               : SNMPERR_GENERR;
            if (rc == SNMPERR_SUCCESS)
                privKey.assign(buf, buf + len);
            std::free(buf);
            if (rc != SNMPERR_SUCCESS)
                return kUsmEncryption;
        }
    }
    usmUser* u = usm_create_user();
    if (!u)
        return kOperationFailed;
    u->engineID = Dup(engineId);
    u->engineIDLen = engineId.size();
    u->name = strdup(t.SecurityName.c_str());
    u->secName = strdup(t.SecurityName.c_str());
    u->userStorageType = ST_VOLATILE;
    if (t.SecurityLevel >= 2) {
        const ProtocolOid auth = AuthOid(t.AuthProtocol);
        SNMP_FREE(u->authProtocol);
        u->authProtocol = snmp_duplicate_objid(auth.Oid, auth.Len);
        u->authProtocolLen = auth.Len;
        u->authKey = static_cast<u_char*>(netsnmp_memdup(authKey.data(), authKey.size()));
        u->authKeyLen = authKey.size();
    }
    if (t.SecurityLevel == 3) {
        const ProtocolOid priv = PrivOid(t.PrivProtocol);
        SNMP_FREE(u->privProtocol);
        u->privProtocol = snmp_duplicate_objid(priv.Oid, priv.Len);
        u->privProtocolLen = priv.Len;
        u->privKey = static_cast<u_char*>(netsnmp_memdup(privKey.data(), privKey.size()));
        u->privKeyLen = privKey.size();
    }
    usm_add_user(u);
    engine.Users.insert(t.SecurityName);
    Wipe(authKey);
    Wipe(privKey);
    return 0;
}

int TvSNMPEngine::Impl::SendRequest(PendingExchange& ex, const std::string& engineId) {
    const TvSNMPTarget& t = ex.Target;
    const int command = ex.Kind == TvPduKind::Set       ? SNMP_MSG_SET
                        : ex.Kind == TvPduKind::GetNext ? SNMP_MSG_GETNEXT
                        : ex.Kind == TvPduKind::GetBulk ? SNMP_MSG_GETBULK
                                                        : SNMP_MSG_GET;
    if (t.Version == 3) {
        if (int rc = RegisterUser(t, engineId); rc != 0)
            return rc;
    }
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    if (command == SNMP_MSG_GETBULK) {
        pdu->non_repeaters = 0;
        pdu->max_repetitions = std::max<std::int32_t>(1, t.MaxRepetitions);
    }
    if (t.Version == 3) {
        pdu->version = SNMP_VERSION_3;
        pdu->securityModel = SNMP_SEC_MODEL_USM;
        pdu->securityLevel = t.SecurityLevel;
        pdu->securityName = reinterpret_cast<char*>(Dup(t.SecurityName));
        pdu->securityNameLen = t.SecurityName.size();
        pdu->securityEngineID = Dup(engineId);
        pdu->securityEngineIDLen = engineId.size();
        const std::string& ctxEngine = t.ContextEngineID.empty() ? engineId : t.ContextEngineID;
        pdu->contextEngineID = Dup(ctxEngine);
        pdu->contextEngineIDLen = ctxEngine.size();
        pdu->contextName = reinterpret_cast<char*>(Dup(t.ContextName));
        pdu->contextNameLen = t.ContextName.size();
    } else {
        pdu->version = t.Version == 0 ? SNMP_VERSION_1 : SNMP_VERSION_2c;
        const std::string& community = ex.Kind == TvPduKind::Set ? t.WriteCommunity : t.ReadCommunity;
        pdu->community = Dup(community);
        pdu->community_len = community.size();
    }
    std::vector<oid>& name = OidScratch;
    for (const auto& vb : ex.VarBinds) {
        ParseOid(vb.Oid, name);
        const bool ok = ex.Kind == TvPduKind::Set
                            ? AddValue(pdu, name, vb.Value)
                            : snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
        if (!ok) {
            snmp_free_pdu(pdu);
            return -11; // invalid PDU: a value that cannot be encoded
        }
    }
    return Transmit(ex, pdu, false);
}

int TvSNMPEngine::Impl::Transmit(PendingExchange& ex, netsnmp_pdu* pdu, bool probe) {
    auto* to = static_cast<netsnmp_indexed_addr_pair*>(std::calloc(1, sizeof(netsnmp_indexed_addr_pair)));
    std::memcpy(&to->remote_addr.sin, &ex.Peer, sizeof ex.Peer);
    pdu->transport_data = to;
    pdu->transport_data_length = sizeof(netsnmp_indexed_addr_pair);

    auto slot = std::make_unique<Slot>();
    slot->ExchangeId = ex.Id;
    slot->Probe = probe;
    Slot* raw = slot.get();
    const long hundredths = std::max<std::int32_t>(1, ex.Target.Timeout);
    Ss->timeout = hundredths * 10000L; // the library copies it into the request at send time
    Ss->retries = 0;
    // The library insists that the session's version matches the PDU's when sending.
    Ss->version = pdu->version;
    const int sent = snmp_sess_async_send(Session, pdu, &Impl::OnLibrary, raw);
    Ss->version = SNMP_DEFAULT_VERSION;
    if (sent == 0) {
        const int err = Ss->s_snmp_errno;
        snmp_free_pdu(pdu); // still ours when the send fails
        return StatusOfLibraryError(err);
    }
    raw->RequestId = sent;
    raw->MessageId = pdu->msgid; // the library keeps the PDU it sent until the exchange ends
    Slots[raw] = std::move(slot);
    ex.Current = raw;
    ex.Queued = false;
    ex.Deadline = Clock::now() + std::chrono::milliseconds(hundredths * 10) + kWatchdogGrace;
    ++InFlight;
    return 0;
}

int TvSNMPEngine::Impl::OnLibrary(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic) {
    if (!gEngine || op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_SEND_FAILED ||
        op == NETSNMP_CALLBACK_OP_SEC_ERROR || op == NETSNMP_CALLBACK_OP_CONNECT)
        return 1; // not final: the request stays in the library
    Impl& d = *gEngine->d_;
    auto* slot = static_cast<Slot*>(magic);
    if (!d.Slots.count(slot))
        return 1;
    Event ev;
    ev.From = slot;
    ev.Op = op;
    if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
        // Only the agent the request went to may answer it; anything else is dropped as a spoofed reply
        // would be, and the request goes on waiting for the real one.
        auto ex = d.Exchanges.find(slot->ExchangeId);
        if (ex != d.Exchanges.end()) {
            sockaddr_in from{};
            if (!pdu->transport_data || pdu->transport_data_length < static_cast<int>(sizeof from))
                return 0;
            std::memcpy(&from, pdu->transport_data, sizeof from);
            if (from.sin_family != AF_INET || from.sin_addr.s_addr != ex->second->Peer.sin_addr.s_addr ||
                from.sin_port != ex->second->Peer.sin_port)
                return 0;
        }
        ev.Command = pdu->command;
        ev.ErrorStatus = static_cast<std::int64_t>(pdu->errstat);
        ev.ErrorIndex = static_cast<int>(pdu->errindex);
        if (pdu->securityEngineID && pdu->securityEngineIDLen)
            ev.EngineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID),
                               pdu->securityEngineIDLen);
        if (pdu->command == SNMP_MSG_REPORT)
            ev.ReportType = snmpv3_get_report_type(pdu);
        for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
            ev.VarBinds.push_back({OidText(v->name, v->name_length), ValueOf(v)});
        if (pdu->transport_data && pdu->transport_data_length >= static_cast<int>(sizeof(sockaddr_in))) {
            sockaddr_in from;
            std::memcpy(&from, pdu->transport_data, sizeof from);
            if (from.sin_family == AF_INET) {
                ev.Address = AddressText(from.sin_addr);
                ev.Port = ntohs(from.sin_port);
            }
        }
        // A notInTimeWindow report makes the library resend once by itself; only the second is final.
        if (ev.ReportType == SNMPERR_NOT_IN_TIME_WINDOW && slot->TimeWindowReports++ == 0)
            return 1;
    }
    d.Events.push_back(std::move(ev));
    return 1;
}

void TvSNMPEngine::Impl::Retire(Slot* slot, bool orphan) {
    if (!slot)
        return;
    if (orphan) {
        slot->ExchangeId = 0; // the library may still answer; keep the memory it points at
        return;
    }
    Slots.erase(slot);
}

void TvSNMPEngine::Impl::Finish(PendingExchange& ex, int status) {
    if (ex.Current) {
        ex.Current = nullptr;
        --InFlight;
    }
    ex.Finished = true;
    ex.Status = status;
    if (ex.Reply.AgentAddress.empty()) {
        ex.Reply.AgentAddress = AddressText(ex.Peer.sin_addr);
        ex.Reply.AgentPort = ntohs(ex.Peer.sin_port);
    }
    ex.Reply.Status = status;
    if (!ex.Blocking)
        Ready.push_back(ex.Id);
}

void TvSNMPEngine::Impl::HandleEvents() {
    while (!Events.empty()) {
        Event ev = std::move(Events.front());
        Events.pop_front();
        Handle(ev);
    }
}

void TvSNMPEngine::Impl::Handle(Event& ev) {
    Slot* slot = ev.From;
    const long id = slot->ExchangeId;
    const bool probe = slot->Probe;
    Retire(slot, false);
    auto it = Exchanges.find(id);
    if (id == 0 || it == Exchanges.end())
        return;
    PendingExchange& ex = *it->second;
    if (ex.Current != slot || ex.Finished)
        return;
    ex.Current = nullptr;
    --InFlight;
    Advance(ex, ev, probe);
}

void TvSNMPEngine::Impl::Advance(PendingExchange& ex, Event& ev, bool probe) {

    auto retryOrFinish = [&](int status) {
        if (ex.RetriesLeft > 0) {
            --ex.RetriesLeft;
            const int rc = SendAttempt(ex);
            if (rc != 0)
                Finish(ex, rc);
            return;
        }
        Finish(ex, status);
    };

    const std::string peer = PeerKey(ex.Peer);
    if (ev.Op == NETSNMP_CALLBACK_OP_TIMED_OUT) {
        // A silent SNMPv3 agent may have come back with another engine ID: discover it again.
        if (ex.Target.Version == 3)
            EngineIds.erase(peer);
        retryOrFinish(kTimeout);
        return;
    }
    if (ev.Op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) {
        Finish(ex, kOperationFailed);
        return;
    }
    if (!ev.Address.empty()) {
        ex.Reply.AgentAddress = ev.Address;
        ex.Reply.AgentPort = ev.Port;
    }
    if (probe) {
        if (ev.EngineId.empty()) {
            Finish(ex, kInvalidEngineId);
            return;
        }
        EngineIds[peer] = ev.EngineId;
        const int rc = SendRequest(ex, ev.EngineId);
        if (rc != 0)
            Finish(ex, rc);
        return;
    }
    if (ev.Command == SNMP_MSG_REPORT) {
        if (ev.ReportType == SNMPERR_UNKNOWN_ENG_ID && !ex.Rediscovered) {
            // The agent restarted with a new engine ID: learn it and send again, once.
            ex.Rediscovered = true;
            EngineIds.erase(peer);
            int rc;
            if (!ev.EngineId.empty()) {
                EngineIds[peer] = ev.EngineId;
                rc = SendRequest(ex, ev.EngineId);
            } else {
                rc = SendProbe(ex);
            }
            if (rc != 0)
                Finish(ex, rc);
            return;
        }
        Finish(ex, StatusOfLibraryError(ev.ReportType));
        return;
    }
    ex.Reply.ErrorIndex = ev.ErrorIndex;
    ex.Reply.VarBinds = std::move(ev.VarBinds);
    ex.Reply.FromAgent = true;
    ex.Reply.ErrorStatus = ev.ErrorStatus;
    // A status SNMP does not define must not pass for one of the library's own numbers (1400 is
    // success there).
    Finish(ex, ev.ErrorStatus >= 0 && ev.ErrorStatus <= 18 ? static_cast<int>(ev.ErrorStatus)
                                                           : TvSNMPEngine::kUndefinedErrorStatus);
}

void TvSNMPEngine::Impl::ForgetLibraryEngineId() {
    // The library copies the engine ID of any report into the session; engine IDs are kept per agent
    // here, so the session must not carry one into the next probe.
    SNMP_FREE(Ss->securityEngineID);
    Ss->securityEngineIDLen = 0;
    SNMP_FREE(Ss->contextEngineID);
    Ss->contextEngineIDLen = 0;
}

void TvSNMPEngine::Impl::Pump(int waitMs, const bool* done, int most) {
    netsnmp_transport* t = snmp_sess_transport(Session);
    const int fd = t ? t->sock : -1;
    if (waitMs > 0 && fd >= 0) {
        int numfds = 0, block = 1;
        fd_set fds;
        FD_ZERO(&fds);
        timeval tv{};
        snmp_sess_select_info(Session, &numfds, &fds, &tv, &block);
        int ms = waitMs;
        if (!block)
            ms = std::min<long>(ms, tv.tv_sec * 1000 + tv.tv_usec / 1000 + 1);
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, std::max(0, ms));
    }
    // The read of what waits also tells whether anything does: no poll for each datagram.
    for (Inbox next;
         fd >= 0 && most-- > 0 && !(done && *done) && (next = TakeRefusedReply(t)) != Inbox::Nothing;) {
        if (next == Inbox::Taken) {
            HandleEvents();
            continue;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        snmp_sess_read(Session, &fds);
        gHeld.Drop(); // not taken by the library: never hand it over late
        ForgetLibraryEngineId();
        HandleEvents();
    }
    snmp_sess_timeout(Session);
    HandleEvents();
    CheckDeadlines();
    LaunchWaiting();
}

bool TvSNMPEngine::Impl::Admit(const sockaddr_in& from, const TvBerReply::V3Header& header) {
    // The library keeps a record of every engine ID it reads, for ever, and anyone can send reports
    // naming new ones. A message naming the engine ID its sender is known by goes on to the library;
    // one naming another only when it answers a request of ours in flight to that sender (it repeats
    // the request's message ID), and once for each request.
    const auto known = EngineIds.find(PeerKey(from));
    if (known != EngineIds.end() && known->second == header.EngineId)
        return true;
    for (auto& [slot, owned] : Slots) {
        if (slot->MessageId != header.MessageId || slot->ExchangeId == 0 || slot->Learned)
            continue;
        auto it = Exchanges.find(slot->ExchangeId);
        if (it == Exchanges.end())
            continue;
        PendingExchange& ex = *it->second;
        if (ex.Current != slot || ex.Finished || ex.Target.Version != 3 ||
            ex.Peer.sin_addr.s_addr != from.sin_addr.s_addr || ex.Peer.sin_port != from.sin_port)
            continue;
        slot->Learned = true;
        if (header.EngineId.empty())
            return true;
        Engine(header.EngineId); // kept, and forgotten, like the others (the library's record with it)
        // An agent that restarted with another engine ID reports so without authentication, naming our
        // user; the library drops that report unless the user is known for the new engine. Registering
        // it first lets the report through, so the exchange rediscovers at once instead of timing out.
        if (!slot->Probe && !ex.Rediscovered) {
            ++Counts.EnginesLearned;
            RegisterUser(ex.Target, header.EngineId);
        }
        return true;
    }
    return false;
}

TvSNMPEngine::Impl::Inbox TvSNMPEngine::Impl::TakeRefusedReply(netsnmp_transport* t) {
    const int n = gHeld.Read(t->sock);
    if (n < 0)
        return Inbox::Nothing;
    const sockaddr_in from = gHeld.Addresses->remote_addr.sin;
    if (n == 0 || from.sin_family != AF_INET)
        return Inbox::ForLibrary;
    const std::string_view datagram(gHeld.Data, static_cast<std::size_t>(n));
    if (TvBerReply::MessageVersion(datagram) == 3) {
        // Ours are all of the user-based security model: any other message of SNMPv3 answers nothing.
        if (TvBerReply::V3Header header; TvBerReply::ReadV3Header(datagram, header) && Admit(from, header))
            return Inbox::ForLibrary;
        gHeld.Drop();
        ++Counts.Refused;
        return Inbox::Taken;
    }
    if (!TvBerReply::Refused(datagram))
        return Inbox::ForLibrary;
    TvBerReply reply;
    reply.Decode(datagram);
    gHeld.Drop(); // the library would drop it unread
    for (auto& [slot, owned] : Slots) {
        if (slot->RequestId != reply.RequestId || slot->ExchangeId == 0 || slot->Probe)
            continue;
        auto it = Exchanges.find(slot->ExchangeId);
        if (it == Exchanges.end())
            continue;
        PendingExchange& ex = *it->second;
        if (ex.Current != slot || ex.Finished || ex.Target.Version == 3 ||
            from.sin_addr.s_addr != ex.Peer.sin_addr.s_addr || from.sin_port != ex.Peer.sin_port)
            continue;
        Event ev;
        ev.From = slot;
        ev.Op = NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE;
        ev.Command = SNMP_MSG_RESPONSE;
        ev.ErrorStatus = reply.ErrorStatus;
        ev.ErrorIndex = static_cast<int>(std::clamp<std::int64_t>(reply.ErrorIndex, -1, 1 << 30));
        ev.VarBinds = std::move(reply.VarBinds);
        ev.Address = AddressText(from.sin_addr);
        ev.Port = ntohs(from.sin_port);
        // The library still holds the request until its own timeout; the slot stays for it.
        Retire(slot, true);
        ex.Current = nullptr;
        --InFlight;
        Advance(ex, ev, false);
        return Inbox::Taken;
    }
    return Inbox::Taken;
}

void TvSNMPEngine::Impl::CheckDeadlines() {
    const auto now = Clock::now();
    std::vector<long> late;
    for (auto& [id, ex] : Exchanges)
        if (ex->Current && !ex->Finished && now > ex->Deadline)
            late.push_back(id);
    for (long id : late) {
        auto it = Exchanges.find(id);
        if (it == Exchanges.end())
            continue;
        PendingExchange& ex = *it->second;
        // The library dropped the request without telling: treat it as a timeout of this try, and
        // keep the memory the library may still point at.
        Slot* slot = ex.Current;
        const bool probe = slot->Probe;
        Retire(slot, true);
        ex.Current = nullptr;
        --InFlight;
        Event ev;
        ev.Op = NETSNMP_CALLBACK_OP_TIMED_OUT;
        Advance(ex, ev, probe);
    }
}

void TvSNMPEngine::Impl::LaunchWaiting() {
    while (!Waiting.empty() && InFlight < MaxInFlight) {
        // A write never waits behind another window's walk: it takes the first free slot.
        auto next = std::find_if(Waiting.begin(), Waiting.end(), [this](long id) {
            const auto it = Exchanges.find(id);
            return it != Exchanges.end() && it->second->Kind == TvPduKind::Set;
        });
        if (next == Waiting.end())
            next = Waiting.begin();
        const long id = *next;
        Waiting.erase(next);
        auto it = Exchanges.find(id);
        if (it == Exchanges.end())
            continue;
        const int rc = SendAttempt(*it->second);
        if (rc != 0)
            Finish(*it->second, rc);
    }
}

void TvSNMPEngine::Impl::Deliver() {
    while (!Ready.empty()) {
        const long id = Ready.front();
        Ready.pop_front();
        auto it = Exchanges.find(id);
        if (it == Exchanges.end())
            continue; // cancelled
        std::unique_ptr<PendingExchange> ex = std::move(it->second);
        Exchanges.erase(it);
        if (ex->Done)
            ex->Done(ex->Status, ex->Reply);
    }
}

// ---------------------------------------------------------------------------------------------------
// Notifications

namespace {

// Datagrams read for each wake of the listening socket's notifier: a flood leaves the event loop a turn
// between batches.
constexpr int kNotificationBatch = 64;

const oid kSysUpTime0[] = {1, 3, 6, 1, 2, 1, 1, 3, 0};
const oid kSnmpTrapOid0[] = {1, 3, 6, 1, 6, 3, 1, 1, 4, 1, 0};

bool NameIs(const netsnmp_variable_list* v, const oid* name, std::size_t len) {
    return v && v->name_length == len && std::equal(name, name + len, v->name);
}

} // namespace

int TvSNMPEngine::Listen(const TvSNMPTarget& from, std::uint16_t port, NotificationSink sink) {
    sockaddr_in peer{};
    if (!Resolve(from.Address, from.Port, peer))
        return -18;
    StopListening();
    // The port is tried first with a socket of our own: the library's transport does not say why a
    // bind failed, and the operator needs to know (a privileged port, or one in use).
    const int probe = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return errno;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(port);
    if (bind(probe, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        const int err = errno;
        close(probe);
        return err;
    }
    socklen_t len = sizeof local;
    getsockname(probe, reinterpret_cast<sockaddr*>(&local), &len);
    close(probe);
    const std::string spec = "udp:0.0.0.0:" + std::to_string(ntohs(local.sin_port));
    netsnmp_transport* t = netsnmp_transport_open_server("qtr5190mx", spec.c_str());
    if (!t)
        return EADDRINUSE;
    netsnmp_session s;
    snmp_sess_init(&s);
    s.callback = &Impl::OnNotification;
    s.retries = 0;
    void* session = snmp_sess_add(&s, t, nullptr, nullptr);
    if (!session)
        return EADDRINUSE; // the library has closed the transport
    // Each message's own version is read, as on the request session.
    snmp_sess_session(session)->version = SNMP_DEFAULT_VERSION;
    gHeldNotification.Drop();
    gHeldNotification.Receive = t->f_recv;
    gHeldNotification.LocalKnown = false;
    t->f_recv = HandOver<&gHeldNotification>;
    Impl& d = *d_;
    d.NoteSession = session;
    d.NoteFrom = from;
    d.NoteAddress = peer.sin_addr;
    d.NoteSink = std::move(sink);
    d.NoteCounts = {};
    return 0;
}

void TvSNMPEngine::Impl::CloseListener() {
    if (NoteSession)
        snmp_sess_close(NoteSession);
    NoteSession = nullptr;
    gHeldNotification.Drop();
    NoteReady.clear();
    NoteEngines.clear();
    NoteFrom = {};
}

void TvSNMPEngine::StopListening() {
    d_->CloseListener();
    d_->NoteSink = {};
}

int TvSNMPEngine::ListenSocket() const {
    netsnmp_transport* t = d_->NoteSession ? snmp_sess_transport(d_->NoteSession) : nullptr;
    return t ? t->sock : -1;
}

std::uint16_t TvSNMPEngine::ListenPort() const {
    const int fd = ListenSocket();
    sockaddr_in local{};
    socklen_t len = sizeof local;
    if (fd < 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&local), &len) != 0)
        return 0;
    return ntohs(local.sin_port);
}

TvSNMPEngine::NotificationCounts TvSNMPEngine::Notifications() const {
    return d_->NoteCounts;
}

void TvSNMPEngine::ReceiveNotifications() {
    Impl& d = *d_;
    for (int i = 0; i < kNotificationBatch && d.NoteSession; ++i) {
        netsnmp_transport* t = snmp_sess_transport(d.NoteSession);
        if (!t)
            break;
        const int n = gHeldNotification.Read(t->sock);
        if (n < 0)
            break;
        d.ReadNotification(t, n);
    }
    // Handed on only now, outside the library: the sink may start exchanges or stop listening.
    std::deque<TvNotification> ready = std::move(d.NoteReady);
    d.NoteReady.clear();
    const NotificationSink sink = d.NoteSink;
    if (sink)
        for (TvNotification& n : ready)
            sink(std::move(n));
}

void TvSNMPEngine::Impl::ReadNotification(netsnmp_transport* t, int length) {
    const sockaddr_in from = gHeldNotification.Addresses->remote_addr.sin;
    // Only the switch's own address is heard; the rest is counted and never reaches the library.
    if (from.sin_family != AF_INET || from.sin_addr.s_addr != NoteAddress.s_addr) {
        ++NoteCounts.Foreign;
        gHeldNotification.Drop();
        return;
    }
    const std::string_view datagram(gHeldNotification.Data, static_cast<std::size_t>(length));
    const int version = TvBerReply::MessageVersion(datagram);
    const bool wantV3 = NoteFrom.Version == 3;
    bool discovery = false;
    bool admit = version >= 0 && (version == 3) == wantV3;
    netsnmp_session* session = snmp_sess_session(NoteSession);
    session->isAuthoritative = SNMP_SESS_UNKNOWNAUTH;
    if (admit && version == 3) {
        TvBerReply::V3Header header;
        admit = TvBerReply::ReadV3Header(datagram, header);
        // An inform's sender first asks for this engine's ID with an empty one: the library answers.
        discovery = admit && header.EngineId.empty();
        // This engine is the authority of an inform (and of that question); a trap's is its sender.
        u_char local[SNMP_MAXBUF_SMALL];
        const std::size_t localLen = snmpv3_get_engineID(local, sizeof local);
        const bool authority = discovery || (localLen == header.EngineId.size() &&
                                             std::memcmp(local, header.EngineId.data(), localLen) == 0);
        if (authority)
            session->isAuthoritative = SNMP_SESS_AUTHORITATIVE;
        // A trap is authenticated with keys localized to its sender's engine ID, an inform with keys
        // localized to this engine's: the switch's user is registered for the one it names, once for
        // each listening, and again when the library no longer has it (the users of only a few engine
        // IDs are kept, so a spoofed flood naming many pushes out the real one).
        if (admit && !discovery &&
            (!NoteEngines.count(header.EngineId) ||
             !usm_get_user(reinterpret_cast<const u_char*>(header.EngineId.data()), header.EngineId.size(),
                           NoteFrom.SecurityName.c_str()))) {
            admit = RegisterUser(NoteFrom, header.EngineId) == 0;
            if (admit) {
                if (NoteEngines.size() >= kMaxEngines)
                    NoteEngines.clear();
                NoteEngines.insert(header.EngineId);
            }
        }
        // The library knows an engine by its record of boots and time, this one's included (its ID is
        // set after the library starts). Set last: forgetting another engine's record (above, when the
        // user is registered) drops every record of its hash bucket, this one's among them at times.
        if (authority)
            set_enginetime(local, localLen, snmpv3_local_snmpEngineBoots(), snmpv3_local_snmpEngineTime(),
                           TRUE);
    }
    if (!admit) {
        ++NoteCounts.Dropped;
        gHeldNotification.Drop();
        return;
    }
    NoteTaken = false;
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(t->sock, &fds);
    snmp_sess_read(NoteSession, &fds);
    gHeldNotification.Drop();
    if (!NoteTaken && !discovery)
        ++NoteCounts.Dropped;
}

int TvSNMPEngine::Impl::OnNotification(int op, netsnmp_session* session, int, netsnmp_pdu* pdu, void*) {
    // The library also calls here with a message that failed authentication, its error in the session.
    if (!gEngine || op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu ||
        (session && session->s_snmp_errno == SNMPERR_USM_AUTHENTICATIONFAILURE))
        return 1;
    Impl& d = *gEngine->d_;
    TvNotification n;
    if (!d.NoteSession || !d.Decode(pdu, n))
        return 1;
    if (pdu->command == SNMP_MSG_INFORM) {
        // Acknowledged with the inform's own contents and security, to the address it came from.
        netsnmp_pdu* reply = snmp_clone_pdu(pdu);
        if (!reply)
            return 1;
        reply->command = SNMP_MSG_RESPONSE;
        reply->errstat = 0;
        reply->errindex = 0;
        if (snmp_sess_send(d.NoteSession, reply) == 0) {
            snmp_free_pdu(reply);
            return 1;
        }
    }
    d.NoteTaken = true;
    ++d.NoteCounts.Accepted;
    d.NoteReady.push_back(std::move(n));
    return 1;
}

bool TvSNMPEngine::Impl::Decode(const netsnmp_pdu* pdu, TvNotification& out) const {
    const int command = pdu->command;
    if (command != SNMP_MSG_TRAP && command != SNMP_MSG_TRAP2 && command != SNMP_MSG_INFORM)
        return false;
    // Accepted with the session's own credentials only.
    if (NoteFrom.Version == 3) {
        if (pdu->version != SNMP_VERSION_3 || pdu->securityModel != SNMP_SEC_MODEL_USM ||
            pdu->securityLevel < NoteFrom.SecurityLevel || !pdu->securityName ||
            std::string_view(pdu->securityName, pdu->securityNameLen) != NoteFrom.SecurityName)
            return false;
        out.Version = 3;
    } else {
        if ((pdu->version != SNMP_VERSION_1 && pdu->version != SNMP_VERSION_2c) || !pdu->community ||
            std::string_view(reinterpret_cast<const char*>(pdu->community), pdu->community_len) !=
                NoteFrom.ReadCommunity)
            return false;
        out.Version = pdu->version == SNMP_VERSION_1 ? 0 : 1;
    }
    const netsnmp_variable_list* v = pdu->variables;
    if (command == SNMP_MSG_TRAP) {
        // An SNMPv1 trap in the form of the later versions (generic traps under snmpTraps, enterprise
        // ones as enterprise.0.specific).
        out.Uptime = static_cast<std::uint32_t>(pdu->time);
        if (pdu->trap_type == SNMP_TRAP_ENTERPRISESPECIFIC) {
            if (!pdu->enterprise || pdu->enterprise_length == 0)
                return false;
            out.Kind = OidText(pdu->enterprise, pdu->enterprise_length) + ".0." +
                       std::to_string(static_cast<unsigned long>(pdu->specific_type));
        } else if (pdu->trap_type >= 0 && pdu->trap_type < SNMP_TRAP_ENTERPRISESPECIFIC) {
            out.Kind = "1.3.6.1.6.3.1.1.5." + std::to_string(pdu->trap_type + 1);
        } else {
            return false;
        }
    } else {
        // sysUpTime.0 and snmpTrapOID.0 come first, or it is no notification.
        if (!NameIs(v, kSysUpTime0, OID_LENGTH(kSysUpTime0)) || v->type != ASN_TIMETICKS || !v->val.integer)
            return false;
        out.Uptime = static_cast<std::uint32_t>(*v->val.integer);
        v = v->next_variable;
        if (!NameIs(v, kSnmpTrapOid0, OID_LENGTH(kSnmpTrapOid0)) || v->type != ASN_OBJECT_ID ||
            v->val_len < 2 * sizeof(oid))
            return false;
        out.Kind = OidText(v->val.objid, v->val_len / sizeof(oid));
        v = v->next_variable;
    }
    for (; v; v = v->next_variable)
        out.VarBinds.push_back({OidText(v->name, v->name_length), ValueOf(v)});
    out.Inform = command == SNMP_MSG_INFORM;
    if (pdu->transport_data && pdu->transport_data_length >= static_cast<int>(sizeof(sockaddr_in))) {
        sockaddr_in from;
        std::memcpy(&from, pdu->transport_data, sizeof from);
        if (from.sin_family == AF_INET)
            out.Source = PeerKey(from);
    }
    out.ReceivedMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    return true;
}

std::string SnmpLibraryVersion() {
    const char* version = netsnmp_get_version();
    return version ? version : "";
}
