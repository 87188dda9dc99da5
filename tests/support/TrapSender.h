#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Notifications for tests of the receiver: encoded here (SNMPv2c, small integers only) so that a test can
// send thousands quickly or malformed ones on purpose, and net-snmp's snmptrap and snmpinform run as
// child processes for the real thing.
namespace TrapSender {

// An INTEGER varbind, or an OCTET STRING one.
struct Bind {
    Bind(std::string oid, std::int32_t value) : Oid(std::move(oid)), Value(value) {}
    Bind(std::string oid, std::string text) : Oid(std::move(oid)), Text(std::move(text)) {}
    std::string Oid;
    std::int32_t Value = 0;
    std::optional<std::string> Text;
};

// A BER type-length-value.
std::string Tlv(std::uint8_t tag, const std::string& contents);
std::string Integer(std::int64_t v);
std::string ObjectId(const std::string& dotted);
// An SNMPv2c message; `pduTag` 0xA7 is a trap, 0xA6 an inform, 0xA0 a get. With `kind` empty the
// snmpTrapOID.0 varbind is left out (a malformed notification).
std::string V2Message(const std::string& community, const std::string& kind, const std::vector<Bind>& binds,
                      std::int32_t requestId = 1, std::uint8_t pduTag = 0xA7);

// A UDP socket bound to `fromAddress` (port chosen by the system) that sends datagrams to 127.0.0.1.
class Socket {
public:
    explicit Socket(const std::string& fromAddress = "127.0.0.1");
    ~Socket();
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    bool Send(std::uint16_t port, const std::string& datagram);

private:
    int fd_ = -1;
};

// Runs a net-snmp command (snmptrap, snmpinform) with a private configuration folder and no MIBs;
// `wait` false starts it and returns its pid (for an inform that needs the receiver to answer), true
// waits and returns its exit status.
int RunTool(const std::vector<std::string>& args, bool wait, std::string* output = nullptr);
// Whether the child `pid` has ended, and with which status (-1 while it runs).
int Reap(int pid);

} // namespace TrapSender
