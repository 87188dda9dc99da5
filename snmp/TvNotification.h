#pragma once

#include "snmp/TvSnmpValue.h"

#include <cstdint>
#include <string>
#include <vector>

// One trap or inform as it arrived, decoded to plain data: nothing here points into the SNMP library.
struct TvNotification {
    std::int64_t ReceivedMs = 0;     // wall clock, milliseconds since the epoch
    std::string Source;              // "address:port" of the datagram
    int Version = 0;                 // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    bool Inform = false;             // acknowledged to the sender
    std::string Kind;                // snmpTrapOID in dotted form (an SNMPv1 trap translated to it)
    std::uint32_t Uptime = 0;        // the sender's sysUpTime, hundredths of a second
    std::vector<TvVarBind> VarBinds; // after sysUpTime and snmpTrapOID

    static constexpr const char* kLinkDown = "1.3.6.1.6.3.1.1.5.3";
    static constexpr const char* kLinkUp = "1.3.6.1.6.3.1.1.5.4";

    bool IsLinkChange() const { return Kind == kLinkDown || Kind == kLinkUp; }
    // A varbind's value as the window, the export and the companion show it: numbers in decimal, time
    // ticks as a duration, addresses and OIDs dotted, an octet string as its bytes when they are text
    // and in hex otherwise.
    static std::string ValueText(const TvSnmpValue& value);

    // The interface a linkDown or linkUp names (its ifIndex, or the instance of an interface column);
    // 0 for any other notification or one that names none.
    std::uint32_t LinkInterface() const;
};
