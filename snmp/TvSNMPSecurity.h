#pragma once

#include <cstdint>
#include <string>

// SNMP version, communities and SNMPv3 user settings. Codes are the session library's:
// Version 0 = v1, 1 = v2c, 3 = v3; SecurityLevel 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv;
// AuthProtocol 1 none, 2 HMAC-MD5, 3 HMAC-SHA; PrivProtocol 1 none, 2 CBC-DES, 9 CBC-IDEA.
// Codes of the further protocols are listed in docs/platform.md.
class TvSNMPSecurity {
public:
    std::int8_t Version = 0;
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::int32_t SecurityModel = 0;
    std::int32_t SecurityLevel = 0;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::int32_t AuthProtocol = 0;
    std::int32_t PrivProtocol = 0;
};
