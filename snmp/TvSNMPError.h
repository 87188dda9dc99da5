#pragma once

#include <cstdint>
#include <string>

// The reply record handed to completion callbacks; it lives only during the call.
struct TvSNMPError {
    int Code = 0;       // program error code, 0 = success
    int ErrorIndex = 0; // error-index of the reply PDU
    std::string Message;
    std::string AgentAddress;
    std::uint16_t AgentPort = 0;
    bool Finished = true; // no further reply belongs to this exchange
};
