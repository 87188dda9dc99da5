#pragma once

#include "snmp/TvSnmpValue.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A response of SNMPv1 or SNMPv2c decoded from its datagram without the SNMP library. The library
// drops a reply it cannot parse (a value of a type SNMP does not define) without a word, which leaves
// the request to time out, and cuts wide numbers to their low 32 bits (a sub-identifier of 2^64+7 reads
// as 7, an error-status of 2^32 as 0); read here, such a reply reaches its request and is refused for
// what it is.
class TvBerReply {
public:
    int Version = 0; // 0 SNMPv1, 1 SNMPv2c
    std::int64_t RequestId = 0;
    std::int64_t ErrorStatus = 0;
    std::int64_t ErrorIndex = 0;
    // OIDs in dotted text; a sub-identifier above 2^32-1 keeps its whole value.
    std::vector<TvVarBind> VarBinds;
    bool BigSubId = false;   // some OID has a sub-identifier above 2^32-1
    bool UnknownTag = false; // some value has a type SNMP does not define
    bool WideField = false;  // error-status or error-index beyond 32 bits

    // True when `datagram` is a whole, well-formed response PDU of SNMPv1 or SNMPv2c.
    bool Decode(std::string_view datagram);
    // What the header of an SNMPv3 message tells before anyone checks it: the message ID, which a reply
    // or report repeats from the request it answers, and the authoritative engine ID (from the security
    // parameters).
    struct V3Header {
        std::int64_t MessageId = 0;
        std::string EngineId;
    };
    // False when the datagram is no SNMPv3 message with the user-based security model.
    static bool ReadV3Header(std::string_view datagram, V3Header& out);
    // The version field of an SNMP message (0 SNMPv1, 1 SNMPv2c, 3 SNMPv3); -1 when there is none.
    static int MessageVersion(std::string_view datagram);
    // Whether the SNMP library would refuse the reply this decoder reads.
    bool LibraryRefuses() const { return BigSubId || UnknownTag || WideField; }
    // A whole, well-formed response that the library would refuse; checked without building the
    // varbinds, as every datagram is looked at before the library reads it.
    static bool Refused(std::string_view datagram);

private:
    bool Parse(std::string_view datagram, bool keepVarBinds);
};
