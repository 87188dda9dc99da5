#include "catalog/CatalogCounters.h"

#include "catalog/CatalogOptions.h"

const TvSNMPVarDef tblUdpCounters[] = {
    {"1.3.6.1.2.1.7.1", "udpInDatagrams", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.7.2", "udpNoPorts", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.7.3", "udpInErrors", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.7.4", "udpOutDatagrams", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.7.5", "Table", synOctetHex, accIndex},
    {nullptr},
};

const TvSNMPVarDef tblIpCounters[] = {
    {"1.3.6.1.2.1.4.3", "In Receives", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.4", "In Hdr Errors", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.5", "In Addr Errors", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.6", "Forw Datagrams", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.7", "In Unknown Protos", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.8", "In Discards", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.9", "In Delivers", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.10", "Out Requests", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.11", "Out Discards", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.12", "Out No Routes", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.14", "Reasm Reqds", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.15", "Reasm OKs", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.16", "Reasm Fails", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.17", "Frag OKs", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.18", "Frag Fails", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.19", "Frag Creates", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.4.23", "Routing Discards", synCounter32, accReadOnly},
    {nullptr},
};

#define SNMP_COUNTER(arc, label)                                                                             \
    { "1.3.6.1.2.1.11." #arc, label, synCounter32, accReadOnly }
const TvSNMPVarDef tblSnmpCounters[] = {
    SNMP_COUNTER(1, "snmpInPkts"),
    SNMP_COUNTER(2, "snmpOutPkts"),
    SNMP_COUNTER(3, "snmpInBadVersions"),
    SNMP_COUNTER(4, "snmpInBadCommunityNames"),
    SNMP_COUNTER(5, "snmpInBadCommunityUses"),
    SNMP_COUNTER(6, "snmpInASNParseErrs"),
    SNMP_COUNTER(8, "snmpInTooBigs"),
    SNMP_COUNTER(9, "snmpInNoSuchNames"),
    SNMP_COUNTER(10, "snmpInBadValues"),
    SNMP_COUNTER(11, "snmpInReadOnlys"),
    SNMP_COUNTER(12, "snmpInGenErrs"),
    SNMP_COUNTER(13, "snmpInTotalReqVars"),
    SNMP_COUNTER(14, "snmpInTotalSetVars"),
    SNMP_COUNTER(15, "snmpInGetRequests"),
    SNMP_COUNTER(16, "snmpInGetNexts"),
    SNMP_COUNTER(17, "snmpInSetRequests"),
    SNMP_COUNTER(18, "snmpInGetResponses"),
    SNMP_COUNTER(19, "snmpInTraps"),
    SNMP_COUNTER(20, "snmpOutTooBigs"),
    SNMP_COUNTER(21, "snmpOutNoSuchNames"),
    SNMP_COUNTER(22, "snmpOutBadValues"),
    SNMP_COUNTER(24, "snmpOutGenErrs"),
    SNMP_COUNTER(25, "snmpOutGetRequests"),
    SNMP_COUNTER(26, "snmpOutGetNexts"),
    SNMP_COUNTER(27, "snmpOutSetRequests"),
    SNMP_COUNTER(28, "snmpOutGetResponses"),
    SNMP_COUNTER(29, "snmpOutTraps"),
    {"1.3.6.1.2.1.11.30", "Enable Authen Traps", synInteger, accReadOnly, &optEnabledDisabled},
    {nullptr},
};
#undef SNMP_COUNTER

#define ICMP_COUNTER(arc, label)                                                                             \
    { "1.3.6.1.2.1.5." #arc, label, synCounter32, accReadOnly }
const TvSNMPVarDef tblIcmpCounters[] = {
    ICMP_COUNTER(1, "icmpInMsgs"),
    ICMP_COUNTER(2, "icmpInErrors"),
    ICMP_COUNTER(3, "icmpInDestUnreachs"),
    ICMP_COUNTER(4, "icmpInTimeExcds"),
    ICMP_COUNTER(5, "icmpInParmProbs"),
    ICMP_COUNTER(6, "icmpInSrcQuenchs"),
    ICMP_COUNTER(7, "icmpInRedirects"),
    ICMP_COUNTER(8, "icmpInEchos"),
    ICMP_COUNTER(9, "icmpInEchoReps"),
    ICMP_COUNTER(10, "icmpInTimestamps"),
    ICMP_COUNTER(11, "icmpInTimestampReps"),
    ICMP_COUNTER(12, "icmpInAddrMasks"),
    ICMP_COUNTER(13, "icmpInAddrMaskReps"),
    ICMP_COUNTER(14, "icmpOutMsgs"),
    ICMP_COUNTER(15, "icmpOutErrors"),
    ICMP_COUNTER(16, "icmpOutDestUnreachs"),
    ICMP_COUNTER(17, "icmpOutTimeExcds"),
    ICMP_COUNTER(18, "icmpOutParmProbs"),
    ICMP_COUNTER(19, "icmpOutSrcQuenchs"),
    ICMP_COUNTER(20, "icmpOutRedirects"),
    ICMP_COUNTER(21, "icmpOutEchos"),
    ICMP_COUNTER(22, "icmpOutEchoReps"),
    ICMP_COUNTER(23, "icmpOutTimestamps"),
    ICMP_COUNTER(24, "icmpOutTimestampReps"),
    ICMP_COUNTER(25, "icmpOutAddrMasks"),
    ICMP_COUNTER(26, "icmpOutAddrMaskReps"),
    {nullptr},
};
#undef ICMP_COUNTER

const TvSNMPVarDef tblIfIndex[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex},
    {"1.3.6.1.2.1.2.2.1.2", "Description      ", synDisplayString, accReadOnly},
    {nullptr},
};

#define IF_COUNTER(arc, label)                                                                               \
    { "1.3.6.1.2.1.2.2.1." #arc, label, synCounter32, accReadOnly }
const TvSNMPVarDef tblIfCounters[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accReadOnly},
    {"1.3.6.1.2.1.2.2.1.2", "Description      ", synDisplayString, accReadOnly},
    IF_COUNTER(10, "InOctets"),
    IF_COUNTER(11, "InUcastPkts"),
    IF_COUNTER(12, "InNUcastPkts"),
    IF_COUNTER(13, "InDiscards"),
    IF_COUNTER(14, "InErrors"),
    IF_COUNTER(15, "InUnknownProtos"),
    IF_COUNTER(16, "OutOctets"),
    IF_COUNTER(17, "OutUcastPkts"),
    IF_COUNTER(18, "OutNUcastPkts"),
    IF_COUNTER(19, "OutDiscards"),
    IF_COUNTER(20, "OutErrors"),
    {nullptr},
};
#undef IF_COUNTER

#define IF_HC_COUNTER(arc, label)                                                                            \
    { "1.3.6.1.2.1.31.1.1.1." #arc, label, synCounter64, accReadOnly }
const TvSNMPVarDef tblIfHCCounters[] = {
    IF_HC_COUNTER(6, "HCInOctets"),
    IF_HC_COUNTER(7, "HCInUcastPkts"),
    IF_HC_COUNTER(8, "HCInMulticastPkts"),
    IF_HC_COUNTER(9, "HCInBroadcastPkts"),
    IF_HC_COUNTER(10, "HCOutOctets"),
    IF_HC_COUNTER(11, "HCOutUcastPkts"),
    IF_HC_COUNTER(12, "HCOutMulticastPkts"),
    IF_HC_COUNTER(13, "HCOutBroadcastPkts"),
    {nullptr},
};
#undef IF_HC_COUNTER

const TvSNMPVarDef tblTpPortIndex[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port", synInteger, accIndex},
    {"1.3.6.1.2.1.17.4.4.1.2", "Port Max Info", synInteger, accReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.3", "Port In Frames", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.4", "Port Out Frames", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.5", "Port In Discards", synCounter32, accReadOnly},
    {nullptr},
};

const TvSNMPVarDef tblTpPortCounters[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port", synInteger, accReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.2", "Port Max Info", synInteger, accReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.3", "Port In Frames", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.4", "Port Out Frames", synCounter32, accReadOnly},
    {"1.3.6.1.2.1.17.4.4.1.5", "Port In Discards", synCounter32, accReadOnly},
    {nullptr},
};
