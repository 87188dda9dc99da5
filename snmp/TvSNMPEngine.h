#pragma once

#include "snmp/TvNotification.h"
#include "snmp/TvSNMPTarget.h"
#include "snmp/TvSnmpValue.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class TvPduKind { Get, GetNext, Set, GetBulk };

struct TvSNMPReply {
    int Status = 0;
    int ErrorIndex = 0;
    bool FromAgent = false;       // a response PDU arrived; ErrorStatus is the agent's
    std::int64_t ErrorStatus = 0; // as the agent sent it, also when outside 0..18
    std::vector<TvVarBind> VarBinds;
    std::string AgentAddress;
    std::uint16_t AgentPort = 0;
};

// Security protocol codes: the session library's codes, plus the further ones net-snmp offers, chosen
// so that they collide with none of the others (priv never 3).
enum TvAuthProtocolCode {
    apNone = 1,
    apHmacMd5 = 2,
    apHmacSha = 3,
    apHmacSha224 = 4,
    apHmacSha256 = 5,
    apHmacSha384 = 6,
    apHmacSha512 = 7,
};
enum TvPrivProtocolCode {
    ppNone = 1,
    ppCbcDes = 2,
    ppAes128 = 4,
    ppAes192 = 5,
    ppAes256 = 6,
    ppCbcIdea = 9,
};

// The one SNMP session of the process, over net-snmp's single-session API. Every outcome is a status
// in the numbering MapSnmpStatus takes: 0, PDU error-status 1..18, -5 timeout, -8 closing, USM
// 1401..1414, SNMPv3 -1402..-1418, class errors -1..-23.
class TvSNMPEngine {
public:
    using Callback = std::function<void(int status, TvSNMPReply& reply)>;

    // Status of a response whose error-status SNMP does not define (the number is in the reply);
    // outside every range of the catalog mapping, so it never reads as success.
    static constexpr int kUndefinedErrorStatus = 100000;

    // Asynchronous exchanges in flight to the switch at once; the rest wait in a queue, in order, so
    // that many open windows do not flood the switch's CPU. Writes leave before waiting reads.
    static constexpr std::size_t kDefaultMaxInFlight = 4;

    static TvSNMPEngine* Instance(); // null before Create
    // Opens the session (once; later calls return the existing one). Throws TvException -506.
    static TvSNMPEngine& Create();
    // Ends every outstanding exchange with -8 and closes the session; Instance() is null afterwards.
    // Not to be called from inside an exchange's callback.
    static void Shutdown();

    ~TvSNMPEngine();
    TvSNMPEngine(const TvSNMPEngine&) = delete;
    TvSNMPEngine& operator=(const TvSNMPEngine&) = delete;

    // Local SNMPv3 engine ID and boots counter.
    void SetLocalEngine(const std::string& engineId, int boots);

    // Blocking. Throws TvException -509 for an address that does not resolve, before sending.
    int Exchange(const TvSNMPTarget& target, TvPduKind kind, const std::vector<TvVarBind>& vbs,
                 TvSNMPReply& out);
    // Asynchronous: the callback gets the outcome later, from ProcessPendingEvents, never from inside
    // this call or a blocking Exchange. Throws TvException on a failure to send.
    long ExchangeAsync(const TvSNMPTarget& target, TvPduKind kind, const std::vector<TvVarBind>& vbs,
                       Callback callback);
    // A blocking exchange in two halves, so that it can be in flight while the caller works: Send starts
    // it and returns its id (throws as Exchange does); Await waits for its outcome as Exchange does.
    // Exchange is Await(Send(...)). One sent and never awaited is given up with Cancel.
    long Send(const TvSNMPTarget& target, TvPduKind kind, const std::vector<TvVarBind>& vbs);
    int Await(long id, TvSNMPReply& out);
    // The callback of `id` is never called afterwards; a sent exchange is given up.
    void Cancel(long id);
    // Reads a ready datagram (one a call: call again while the socket has more), runs timeouts and
    // retries, and calls the callbacks of finished exchanges.
    void ProcessPendingEvents();

    // Milliseconds until ProcessPendingEvents has work that is not a datagram (a finished exchange to
    // deliver, a retry or timeout due); -1 when no exchange is outstanding.
    int NextWakeMs() const;
    // Called whenever an exchange starts or finishes outside ProcessPendingEvents, so that a pump
    // sleeping while nothing was outstanding re-aims its timer.
    void SetWakeHook(std::function<void()> hook);

    // Sets the bound of asynchronous exchanges in flight (at least 1). Blocking exchanges never wait
    // in the queue: their caller waits already.
    void SetMaxInFlight(std::size_t bound);
    std::size_t MaxInFlight() const;

    int SocketDescriptor() const;
    std::size_t OutstandingCount() const; // asynchronous exchanges not yet delivered

    // What the engine keeps and has done for SNMPv3 security, for tests and diagnosis.
    struct SecurityCounts {
        std::size_t Engines = 0;        // engine IDs whose keys or users are kept
        std::size_t CachedKeys = 0;     // keys kept, derived from passwords and localized
        std::size_t LibraryUsers = 0;   // users the SNMP library holds (also those of other sessions)
        std::size_t KeysDerived = 0;    // password-to-key derivations so far (a megabyte hashed each)
        std::size_t KeysLocalized = 0;  // keys localized to an engine ID so far
        std::size_t EnginesLearned = 0; // new engine IDs taken from reports to requests in flight
        std::size_t Refused = 0;        // SNMPv3 messages dropped unread: another engine ID, no request
    };
    SecurityCounts Security() const;

    // Receiving notifications: traps and informs from one switch, on a UDP port of every local address.
    using NotificationSink = std::function<void(TvNotification&&)>;
    struct NotificationCounts {
        std::size_t Accepted = 0; // handed to the sink (informs acknowledged)
        std::size_t Foreign = 0;  // from another address than the switch's
        std::size_t Dropped = 0;  // malformed, unauthenticated, wrong community or version, no notification
    };
    // Listens on `port` (0: any free one) for notifications from `from`'s address, accepted with its
    // version (SNMPv1 and SNMPv2c alike, with its read community; SNMPv3 with its user, keys and at
    // least its security level). Returns 0, or the errno of the failed bind (EACCES for a port below
    // 1024 without the privilege, EADDRINUSE); -18 for an address that does not resolve. Listening
    // again replaces the earlier port; the counts start again.
    int Listen(const TvSNMPTarget& from, std::uint16_t port, NotificationSink sink);
    void StopListening();
    int ListenSocket() const;         // -1 while not listening
    std::uint16_t ListenPort() const; // the port bound, 0 while not listening
    // Reads the datagrams waiting on the listening socket, at most a batch of them so that a flood
    // leaves the event loop its turn, and hands the accepted notifications to the sink.
    void ReceiveNotifications();
    NotificationCounts Notifications() const;

    struct Impl;

private:
    TvSNMPEngine();
    std::unique_ptr<Impl> d_;
};
