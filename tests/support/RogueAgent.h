#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// The misbehaving agent (qtr5190mx-rogue) on a free loopback port: SNMPv1/v2c, any community, a few
// scalars and a small table under 1.3.6.1.4.1.59371.99, answered wrongly in the way "--mode" names.
class RogueAgent {
public:
    static constexpr const char* kInteger = "1.3.6.1.4.1.59371.99.1.1.0"; // INTEGER 42
    static constexpr const char* kString = "1.3.6.1.4.1.59371.99.1.2.0";  // OCTET STRING "rogue"
    static constexpr const char* kCounter = "1.3.6.1.4.1.59371.99.1.3.0"; // Counter32 7
    static constexpr const char* kTable = "1.3.6.1.4.1.59371.99.2.1";     // .1 index, .2 name, .3 Gauge32

    RogueAgent() = default;
    RogueAgent(const RogueAgent&) = delete;
    RogueAgent& operator=(const RogueAgent&) = delete;
    ~RogueAgent();

    // Starts the agent with `mode` and extra options and waits until it listens.
    bool Start(const std::string& mode, const std::vector<std::string>& options = {});
    void Stop();
    std::uint16_t Port() const { return port_; }
    // What the agent printed so far (with "--log": one line per request, its PDU type and a GETBULK's
    // max-repetitions).
    std::string Log() const;
    const std::string& Error() const { return error_; }

private:
    std::string log_;
    std::string error_;
    std::uint16_t port_ = 0;
    pid_t pid_ = -1;
};
