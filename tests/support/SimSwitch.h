#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// The simulated switch (qtr5190mx-sim) on a free loopback port with its default data, for tests that
// need the switch's own objects. Communities "rdcomm" and "wrtcomm"; the SNMPv3 users of
// docs/simulator.md.
class SimSwitch {
public:
    SimSwitch() = default;
    SimSwitch(const SimSwitch&) = delete;
    SimSwitch& operator=(const SimSwitch&) = delete;
    ~SimSwitch();

    // Starts the agent with extra command-line options and waits until it listens; false (with Error()
    // set) when it does not.
    bool Start(const std::vector<std::string>& options = {});
    void Stop();
    // Starts the stopped agent again on the same port with the same options (a switch coming back).
    bool Restart();
    // The same with other options (another engine ID, say).
    bool Restart(const std::vector<std::string>& options);

    std::uint16_t Port() const { return port_; }
    // What the agent printed so far, over restarts too (with "--log": one line per request and variable).
    std::string Log() const;
    const std::string& Error() const { return error_; }
    // Proves that the agent has taken every request sent before this call: sends a read of a marker
    // object of its own (SNMPv2c, `community`) and waits until the log shows it, as the agent handles
    // requests in order. False when the marker is not seen within `timeoutMs`. Needs "--log".
    bool AwaitMarker(const std::string& community = "rdcomm", int timeoutMs = 5000);

private:
    bool Launch(const std::vector<std::string>& options);

    std::vector<std::string> options_;
    std::string dir_;
    std::string error_;
    std::string earlier_; // what the agent printed before its last restart
    std::uint16_t port_ = 0;
    pid_t pid_ = -1;
};
