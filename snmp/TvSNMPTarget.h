#pragma once

#include <cstdint>
#include <string>

// Everything one exchange needs to reach the agent: a request's copy of the connection parameters
// plus its timeout and retries. Protocol codes as in TvSNMPSecurity. The passwords and communities are
// wiped when a copy goes.
struct TvSNMPTarget {
    TvSNMPTarget() = default;
    TvSNMPTarget(const TvSNMPTarget&) = default;
    TvSNMPTarget(TvSNMPTarget&&) = default;
    TvSNMPTarget& operator=(const TvSNMPTarget&) = default;
    TvSNMPTarget& operator=(TvSNMPTarget&&) = default;
    ~TvSNMPTarget();

    std::string Address;
    std::uint16_t Port = 161;
    std::int8_t Version = 0; // 0 v1, 1 v2c, 3 v3
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::int32_t SecurityModel = 3;
    std::int32_t SecurityLevel = 1; // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::int32_t AuthProtocol = 1;
    std::int32_t PrivProtocol = 1;
    std::string ContextEngineID;
    std::string ContextName;
    std::int32_t Timeout = 100;       // hundredths of a second, per try
    std::int32_t Retries = 1;         // tries after the first
    std::int32_t MaxRepetitions = 10; // of a GETBULK (no non-repeaters)
};
