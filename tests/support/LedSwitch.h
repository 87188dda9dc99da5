#pragma once

#include "support/SimSwitch.h"

#include <cstdint>
#include <string>

// A simulated switch serving only a front-panel LED status and an RMON state, both writable, so that
// tests can put any value in front of the LED binding and the main window. Communities "rdcomm" and
// "wrtcomm".
class LedSwitch {
public:
    static constexpr const char* kLedOid = "1.3.6.1.4.1.59371.12.11.1.9.4.1.5";
    static constexpr const char* kRmonOid = "1.3.6.1.4.1.59371.11.69.2.2.1.2.3";

    LedSwitch() = default;
    LedSwitch(const LedSwitch&) = delete;
    LedSwitch& operator=(const LedSwitch&) = delete;
    ~LedSwitch();

    // Starts the agent with `leds` (at least one octet) as the status value; false (with Error()) when it
    // does not start.
    bool Start(const std::string& leds, int rmonState = 3);
    // Writes the status value or the RMON state through a blocking SET; raises the catalog exception.
    void SetLeds(const std::string& octets);
    void SetRmonState(int state);

    SimSwitch& Sim() { return sim_; }
    std::uint16_t Port() const { return sim_.Port(); }
    const std::string& Error() const { return error_.empty() ? sim_.Error() : error_; }

private:
    SimSwitch sim_;
    std::string dataFile_;
    std::string error_;
};
