#pragma once

#include <string>

// SNMPv3 context, copied into every PDU whatever the version.
class TvSNMPScope {
public:
    std::string ContextEngineID;
    std::string ContextName;
};
