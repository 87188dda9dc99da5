#pragma once

#include <cstdint>
#include <string>

// Agent address (dotted IPv4 or DNS name) and UDP port.
class TvSNMPDevice {
public:
    std::string Address;
    std::uint16_t Port = 0;
};
