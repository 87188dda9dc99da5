#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

// net-snmp's snmpd on a free loopback port with a private configuration, for tests that must speak
// SNMP to a real agent. Users and communities:
//   communities "public" (read-only) and "private" (read-write)
//   noauthuser  noAuthNoPriv
//   md5user     MD5 "authpass123"                       (auth only)
//   desuser     SHA "authpass123", DES "privpass123"
//   aesuser     SHA "authpass123", AES "privpass123"
//   sha256user  SHA-256 "authpass123", AES "privpass123"
class SnmpdAgent {
public:
    SnmpdAgent() = default;
    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;
    ~SnmpdAgent();

    // Starts the agent and waits until it answers; false (with Error() set) when it does not.
    bool Start();
    void Stop();
    // Stops and starts again on the same port; a non-empty `engineId` replaces the agent's engine ID.
    bool Restart(const std::string& engineId = {});

    std::uint16_t Port() const { return port_; }
    const std::string& Error() const { return error_; }
    const std::string& Folder() const { return dir_; }
    // A loopback UDP port on which nothing listens.
    static std::uint16_t ClosedPort();

private:
    bool Launch();
    bool WaitUntilAnswering();

    std::string dir_;
    std::string engineId_;
    std::string error_;
    std::uint16_t port_ = 0;
    pid_t pid_ = -1;
};
