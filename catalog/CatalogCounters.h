#pragma once

#include "base/TvSNMPVarDef.h"

// Descriptor tables and row captions of the counter monitors. The group tables are read as one row
// (item type 2, no key); the instance tables' index lists are walked (item type 3, one key) and their
// counter lists read at one instance (item type 1).

// UDP group: four counters and the UDP listener table, which is listed but never read.
extern const TvSNMPVarDef tblUdpCounters[];
inline constexpr const char* kUdpCounterRows[] = {"udpInDatagrams", "udpNoPorts", "udpInErrors",
                                                  "udpOutDatagramsms"};

// IP group: ten shown counters, then seven read but not shown.
extern const TvSNMPVarDef tblIpCounters[];
inline constexpr const char* kIpCounterRows[] = {
    "ipInReceives", "ipInHdrErrors", "ipInAddrErrors", "ipForwDatagrams", "ipInUnknownProtols",
    "ipInDiscards", "ipInDelivers",  "ipOutRequests",  "ipOutDiscards",   "ipOutNoRoutes"};

// SNMP group: 27 counters, then snmpEnableAuthenTraps (read, not sampled).
extern const TvSNMPVarDef tblSnmpCounters[];
inline constexpr const char* kSnmpCounterRows[] = {"snmpInPkts",
                                                   "snmpOutPkts",
                                                   "snmpInBadVersions",
                                                   "snmpInBadCommunityNames",
                                                   "snmpInBadCommunityUses",
                                                   "snmpInASNParseErrs",
                                                   "snmpInTooBigs",
                                                   "snmpInNoSuchNames",
                                                   "snmpInBadValues",
                                                   "snmpInReadOnlys",
                                                   "snmpInGenErrs",
                                                   "snmpInTotalReqVars",
                                                   "snmpInTotalSetVars",
                                                   "snmpInGetRequests",
                                                   "snmpInGetNexts",
                                                   "snmpInSetRequests",
                                                   "snmpInGetResponses",
                                                   "snmpInTraps",
                                                   "snmpOutTooBigs",
                                                   "snmpOutNoSuchNames",
                                                   "snmpOutBadValues",
                                                   "snmpOutGenErrs",
                                                   "snmpOutGetRequests",
                                                   "snmpOutGetNexts",
                                                   "snmpOutSetRequests",
                                                   "snmpOutGetResponses",
                                                   "snmpOutTraps"};

// ICMP group: 26 counters, row r reads 1.3.6.1.2.1.5.(r + 1).
extern const TvSNMPVarDef tblIcmpCounters[];
inline constexpr const char* kIcmpCounterRows[] = {
    "icmpInMsgs",         "icmpInErrors",       "icmpInDestUnreachs",  "icmpInTimeExcdsms",
    "icmpInParmProbs",    "icmpInSrcQuenchs",   "icmpInRedirects",     "icmpInEchos",
    "icmpInEchoReps",     "icmpInTimestamps",   "icmpInTimestampReps", "icmpInAddrMasks",
    "icmpInAddrMaskReps", "icmpOutMsgs",        "icmpOutErrors",       "icmpOutDestUnreachs",
    "icmpOutTimeExcds",   "icmpOutParmProbs",   "icmpOutSrcQuenchs",   "icmpOutRedirects",
    "icmpOutEchos",       "icmpOutEchoReps",    "icmpOutTimestamps",   "icmpOutTimestampReps",
    "icmpOutAddrMasks",   "icmpOutAddrMaskReps"};

// Interfaces: the index list (ifIndex, ifDescr) and the counter list (ifIndex, ifDescr, the eleven
// counters ifInOctets .. ifOutErrors).
extern const TvSNMPVarDef tblIfIndex[];
extern const TvSNMPVarDef tblIfCounters[];
inline constexpr const char* kIfCounterRows[] = {
    "InOctets",  "InUcastPkts",  "InNUcastPkts",  "InDiscards",  "InErrors", "InUnknownProtos",
    "OutOctets", "OutUcastPkts", "OutNUcastPkts", "OutDiscards", "OutErrors"};
// The 64-bit siblings of ifXTable, appended to the counter list where the switch has them:
// ifHCInOctets, ifHCInUcastPkts, ifHCInMulticastPkts, ifHCInBroadcastPkts and the four Out ones.
extern const TvSNMPVarDef tblIfHCCounters[];

// Transparent bridge ports: dot1dTpPortTable, the index list and the counter list.
extern const TvSNMPVarDef tblTpPortIndex[];
extern const TvSNMPVarDef tblTpPortCounters[];
inline constexpr const char* kTpPortCounterRows[] = {"Input Frames", "Output Frames", "Discard Frames"};
