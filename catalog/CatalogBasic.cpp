// Descriptor tables, option lists and window recipes of the "Basic Configuration" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList optProtocolCapability(TvOptionList::kIntegers,
                                         {{1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}});
const TvOptionList optConsoleInUse(TvOptionList::kIntegers, {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}});
const TvOptionList optSaveConfiguration(TvOptionList::kIntegers,
                                        {{1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}});
const TvOptionList optFileTransfer(TvOptionList::kIntegers, {{1, "other"},
                                                             {2, "in-process"},
                                                             {3, "invalid-file"},
                                                             {4, "violation"},
                                                             {5, "file-not-found"},
                                                             {6, "disk-full"},
                                                             {7, "complete"},
                                                             {8, "time-out"},
                                                             {9, "not-format"},
                                                             {10, "memory-full"}});
const TvOptionList optStatusReset(TvOptionList::kIntegers,
                                  {{1, "proceeding"}, {2, "completed"}, {3, "failed"}});
const TvOptionList optMibCapabilityType(TvOptionList::kIntegers,
                                        {{2, "standard"}, {3, "proprietary"}, {4, "experiment"}});
const TvOptionList optSystemReset(TvOptionList::kIntegers, {{3, "warm-start"}, {4, "no-reset"}});
const TvOptionList optRS232PortConfig(TvOptionList::kIntegers, {{2, "console"}});
const TvOptionList optGetIPFrom(TvOptionList::kIntegers, {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}});
const TvOptionList optTransferType(TvOptionList::kIntegers, {{2, "network-load"}, {3, "out-of-band-load"}});
const TvOptionList optLoadType(TvOptionList::kIntegers, {{2, "upload"}, {3, "download"}});
const TvOptionList optFileCtrl(TvOptionList::kIntegers,
                               {{2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}});
const TvOptionList optTrapsSeverity(TvOptionList::kIntegers,
                                    {{0, "critical"}, {1, "warning"}, {2, "information"}});
const TvOptionList optCtrlMode(TvOptionList::kIntegers, {{2, "auto"}, {3, "stand-alone"}});
const TvOptionList optFanStatus(TvOptionList::kIntegers, {{0, "other"}, {1, "working"}, {2, "fail"}});
const TvOptionList optPowerDisconnectMethod(TvOptionList::kIntegers,
                                            {{1, "denyNextPort"}, {2, "denyLowPriorityPort"}});
const TvOptionList optTimeSource(TvOptionList::kIntegers, {{0, "system"}, {1, "server1"}, {2, "server2"}});
const TvOptionList
    optMACAddrMaskState(TvOptionList::kIntegers,
                        {{1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}});
const TvOptionList
    optIPAddrMaskState(TvOptionList::kIntegers,
                       {{1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}});
const TvOptionList
    optUseProtoType(TvOptionList::kIntegers,
                    {{1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}});
const TvOptionList optICMPOption(TvOptionList::kIntegers,
                                 {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}});
const TvOptionList optTCPOption(TvOptionList::kIntegers,
                                {{1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}});
const TvOptionList optIpv6AddrMaskState(TvOptionList::kIntegers, {{1, "other"},
                                                                  {2, "dst-ipv6-addr"},
                                                                  {3, "src-ipv6-addr"},
                                                                  {4, "dst-src-ipv6-addr"}});
const TvOptionList optLinkUpDownTrapEnable(TvOptionList::kIntegers, {{2, "disabled"}, {1, "enabled"}});
const TvOptionList optPromiscuousMode(TvOptionList::kIntegers, {{2, "false"}});
const TvOptionList optConnectorPresent(TvOptionList::kIntegers, {{2, "false"}, {1, "true"}});
const TvOptionList optIfType(TvOptionList::kIntegers, {{2, "regular1822"},
                                                       {3, "hdh1822"},
                                                       {4, "ddn-x25"},
                                                       {5, "rfc877-x25"},
                                                       {6, "ethernet-csmacd"},
                                                       {7, "iso88023-csmacd"},
                                                       {8, "iso88024-tokenBus"},
                                                       {9, "iso88025-tokenRing"},
                                                       {10, "iso88026-man"},
                                                       {11, "starLan"},
                                                       {12, "proteon-10Mbit"},
                                                       {13, "proteon-80Mbit"},
                                                       {14, "hyperchannel"},
                                                       {15, "fddi"},
                                                       {16, "lapb"},
                                                       {17, "sdlc"},
                                                       {18, "ds1"},
                                                       {19, "e1"},
                                                       {20, "basicISDN"},
                                                       {21, "primaryISDN"},
                                                       {22, "propPointToPointSerial"},
                                                       {23, "ppp"},
                                                       {24, "softwareLoopback"},
                                                       {25, "eon"},
                                                       {26, "ethernet-3Mbit"},
                                                       {27, "nsip"},
                                                       {28, "slip"},
                                                       {29, "ultra"},
                                                       {30, "ds3"},
                                                       {31, "sip"},
                                                       {32, "frame-relay"},
                                                       {117, "gigabitEthernet"},
                                                       {135, "l2VLAN"}});
const TvOptionList optOperStatus(TvOptionList::kIntegers, {{1, "up"}, {2, "down"}, {3, "testing"}});
const TvOptionList optArpInterface(TvOptionList::kStrings, {{"5120", "System"}});
const TvOptionList optArpType(TvOptionList::kIntegers,
                              {{1, "other"}, {2, "invalid"}, {3, "dynamic"}, {4, "static"}});
const TvOptionList optFacility(TvOptionList::kIntegers, {{0, "local0"},
                                                         {1, "local1"},
                                                         {2, "local2"},
                                                         {3, "local3"},
                                                         {4, "local4"},
                                                         {5, "local5"},
                                                         {6, "local6"},
                                                         {7, "local7"}});
const TvOptionList optSeverity(TvOptionList::kIntegers, {{1, "all"}, {2, "warning"}, {3, "informational"}});
const TvOptionList optResetAction(TvOptionList::kIntegers,
                                  {{1, "none"}, {2, "config"}, {3, "system"}, {4, "reset"}});

constexpr TvSNMPVarDef tblBasicInformation2[] = {
    {"1.3.6.1.4.1.59371.12.1.1.1", "Protocol Capability", synInteger, accReadOnly, &optProtocolCapability},
    {"1.3.6.1.4.1.59371.12.1.1.3", "Console In Use", synInteger, accReadOnly, &optConsoleInUse},
    {"1.3.6.1.4.1.59371.12.1.1.4", "Save Configuration", synInteger, accReadOnly, &optSaveConfiguration},
    {"1.3.6.1.4.1.59371.12.1.1.5", "File Transfer", synInteger, accReadOnly, &optFileTransfer},
    {"1.3.6.1.4.1.59371.12.1.1.11", "Status Reset", synInteger, accReadOnly, &optStatusReset},
    {"1.3.6.1.4.1.59371.12.1.1.12", "Serial Number", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMibCapabilities1[] = {
    {"1.3.6.1.4.1.59371.12.1.1.2.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.1.1.2.1.2", "Descr", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.1.2.1.3", "Version", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.1.2.1.4", "Type", synInteger, accReadOnly, &optMibCapabilityType},
    {},
};

constexpr TvSNMPVarDef tblCPUUtilization2[] = {
    {"1.3.6.1.4.1.59371.12.1.1.6.1", "CPUutilization In 5sec", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.1.6.2", "CPUutilization In 1min", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.1.6.3", "CPUutilization In 5min", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPortUtilization1[] = {
    {"1.3.6.1.4.1.59371.12.1.1.7.1.1", "Port Utilization Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.1.1.7.1.2", "Port Utilization TX", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.1.7.1.3", "Port Utilization RX", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.1.7.1.4", "Port Utilization Util", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblBasicConfig2[] = {
    {"1.3.6.1.4.1.59371.12.1.2.3", "System Reset", synInteger, accReadWrite, &optSystemReset},
    {"1.3.6.1.4.1.59371.12.1.2.4", "RS232 Port Config", synInteger, accReadWrite, &optRS232PortConfig},
    {"1.3.6.1.4.1.59371.12.1.2.22", "SNMP Trap State", synInteger, accReadWrite, &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblIpProtoConfig1[] = {
    {"1.3.6.1.4.1.59371.12.1.3.1", "Num Of IF", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.3.3", "Get IP From", synInteger, accReadWrite, &optGetIPFrom},
    {},
};

constexpr TvSNMPVarDef tblFileTable1[] = {
    {"1.3.6.1.4.1.59371.12.1.2.1.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.2", "Dscr", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.3", "Addr", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.4", "Transfer Type", synInteger, accReadWrite, &optTransferType},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.5", "File", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.6", "Locate ID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.7", "Load Type", synInteger, accReadWrite, &optLoadType},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.8", "Ctrl", synInteger, accReadWrite, &optFileCtrl},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.9", "BIncrement", synInteger, accReadWrite, &optTruthValue},
    {"1.3.6.1.4.1.59371.12.1.2.1.1.10", "Multi Image Ctrl ID", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAgentNotify1[] = {
    {"1.3.6.1.4.1.59371.12.1.4.1.1", "Traps Severity", synInteger, accReadWrite, &optTrapsSeverity},
    {"1.3.6.1.4.1.59371.12.1.4.1.2", "Logs Severity", synInteger, accReadWrite, &optTrapsSeverity},
    {},
};

constexpr TvSNMPVarDef tblMultiImageInformation1[] = {
    {"1.3.6.1.4.1.59371.12.1.2.7.1.1", "Info ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.7.1.2", "Version", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.7.1.3", "Size", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.7.1.4", "Update Time", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.7.1.5", "From", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.7.1.6", "Send User", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblDualConfiguration1[] = {
    {"1.3.6.1.4.1.59371.12.1.2.10.1.1", "Info ID Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.10.1.2", "Version", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.10.1.3", "Size", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.10.1.4", "Update Time", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.10.1.5", "From", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.10.1.6", "Send User", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblFDBManagement1[] = {
    {"1.3.6.1.4.1.59371.12.1.2.11.1", "FDB Clear All State", synInteger, accReadWrite, &optOtherStart},
    {},
};

constexpr TvSNMPVarDef tblARPManagement1[] = {
    {"1.3.6.1.4.1.59371.12.1.2.12.1", "ARP Clear All State", synInteger, accReadWrite, &optOtherStart},
    {},
};

constexpr TvSNMPVarDef tblTrustHostDeleteAllState1[] = {
    {"1.3.6.1.4.1.59371.12.1.2.13.2", "Trust Host Delete All State", synInteger, accReadWrite, &optNoneStart},
    {},
};

constexpr TvSNMPVarDef tblTrustHostTable1[] = {
    {"1.3.6.1.4.1.59371.12.1.2.13.1.1.1", "Trust Host Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.13.1.1.2", "Trust Host IP Address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.1.2.13.1.1.3", "Trust Host Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.1.2.13.1.1.4", "Trust Host IP Subnet Mask", synIpAddress, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblUnitTable1[] = {
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.1", "ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.2", "MAC Addr", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.3", "Start Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.4", "Port Range", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.5", "Front Panel LED Status", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.6", "Ctrl Mode", synInteger, accReadOnly, &optCtrlMode},
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.7", "Current Mode", synInteger, accReadOnly, &optCtrlMode},
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.9", "Module Name", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPowerTable1[] = {
    {"1.3.6.1.4.1.59371.12.11.1.6.1.1", "Power Unit Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.6.1.2", "Power ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.6.1.3", "Power Status", synInteger, accReadOnly, &optPowerStatus},
    {},
};

constexpr TvSNMPVarDef tblFanTable1[] = {
    {"1.3.6.1.4.1.59371.12.11.1.7.1.1", "Fan Unit Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.7.1.2", "FanID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.11.1.7.1.3", "Fan Status", synInteger, accReadOnly, &optFanStatus},
    {},
};

constexpr TvSNMPVarDef tblPOESystemControl1[] = {
    {"1.3.6.1.4.1.59371.12.24.1.1", "Power Limit", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.24.1.2", "Power Disconnect Method", synInteger, accReadWrite,
     &optPowerDisconnectMethod},
    {},
};

constexpr TvSNMPVarDef tblSystemTime1[] = {
    {"1.3.6.1.4.1.59371.12.10.10.1", "Current Time", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.10.10.2", "UpTime", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.10.10.3", "Boot Time", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.10.10.4", "Time Zone [ -779..839]", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblSNTP1[] = {
    {"1.3.6.1.4.1.59371.12.10.11.1", "State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.10.11.2", "Time Source", synInteger, accReadOnly, &optTimeSource},
    {"1.3.6.1.4.1.59371.12.10.11.3", "Server1 IP Addr", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.10.11.4", "Server2 IP Addr", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.10.11.5", "Poll Interval", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblEthernetTable_1[] = {
    {"1.3.6.1.4.1.59371.12.9.2.1.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.1.1.2", "Use VLAN", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.2.1.1.3", "MAC Addr Mask State", synInteger, accReadWrite, &optMACAddrMaskState},
    {"1.3.6.1.4.1.59371.12.9.2.1.1.4", "Src MAC Addr Mask", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.1.1.5", "Dst MAC Addr Mask", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.1.1.6", "Use 8021p", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.2.1.1.7", "Use Ethernet Type", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.2.1.1.8", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.9.2.1.1.9", "Owner", synInteger, accReadOnly, &optAclOwner},
    {},
};

constexpr TvSNMPVarDef tblEthernetTable_2[] = {
    {"1.3.6.1.4.1.59371.12.9.3.1.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.2", "Access ID", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.3", "VLAN", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.4", "Src MAC Address", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.5", "Dst MAC Address", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.6", "8021P", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.7", "Ether Type", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.8", "Enable Priority", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.9", "Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.10", "Replace Priority", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.11", "Enable Replace DSCP", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.12", "Rep DSCP", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.13", "Permit", synInteger, accReadWrite, &optAclPermit},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.14", "Port", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.15", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.9.3.1.1.16", "Owner", synInteger, accReadOnly, &optAclOwner},
    {},
};

constexpr TvSNMPVarDef tblACLIPTable_1[] = {
    {"1.3.6.1.4.1.59371.12.9.2.2.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.2", "Use VLAN", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.3", "IP Addr Mask State", synInteger, accReadWrite, &optIPAddrMaskState},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.4", "Src IP Addr Mask", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.5", "Dst IP Addr Mask", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.6", "Use DSCP", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.7", "Use Proto Type", synInteger, accReadWrite, &optUseProtoType},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.8", "ICMP Option", synInteger, accReadWrite, &optICMPOption},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.9", "IGMP Option", synInteger, accReadWrite, &optEnableDisable},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.10", "TCP Option", synInteger, accReadWrite, &optTCPOption},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.11", "UDP Option", synInteger, accReadWrite, &optTCPOption},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.12", "TCP or UDP Src Port Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.13", "TCP or UDP Dst Port Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.14", "TCP Flag Bit", synInteger, accReadWrite, &optEnableDisable},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.15", "TCP Flag Bit Mask", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.16", "Proto ID Option", synInteger, accReadWrite, &optEnableDisable},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.17", "Proto ID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.18", "Proto ID Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.19", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.9.2.2.1.20", "Owner", synInteger, accReadOnly, &optAclOwner},
    {},
};

constexpr TvSNMPVarDef tblACLIPTable_2[] = {
    {"1.3.6.1.4.1.59371.12.9.3.2.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.2", "Access ID", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.3", "VLAN", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.4", "Src IP address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.5", "Dst IP address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.6", "DSCP", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.7", "Protocol", synInteger, accReadOnly, &optUseProtoType},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.8", "Type", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.9", "Code", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.10", "Src Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.11", "Dst Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.12", "Flag Bits", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.13", "Proto ID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.14", "User Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.15", "Enable Priority", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.16", "Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.17", "Replace Priority", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.18", "Enable Replace DSCP", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.19", "Rep DSCP", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.20", "Permit", synInteger, accReadWrite, &optAclPermit},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.21", "Port", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.22", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.9.3.2.1.23", "Owner", synInteger, accReadOnly, &optAclOwner},
    {},
};

constexpr TvSNMPVarDef tblPacketTable1_1[] = {
    {"1.3.6.1.4.1.59371.12.9.2.3.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.3.1.2", "Offset 0 to 15", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.3.1.3", "Offset 16 to 31", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.3.1.4", "Offset 32 to 47", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.3.1.5", "Offset 48 to 63", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.3.1.6", "Offset 64 to 79", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.3.1.7", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.9.2.3.1.8", "Owner", synInteger, accReadOnly, &optAclOwner},
    {},
};

constexpr TvSNMPVarDef tblPacketTable1_2[] = {
    {"1.3.6.1.4.1.59371.12.9.3.3.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.2", "Access ID", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.3", "Offset 0 to 15", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.4", "Offset 16 to 31", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.5", "Offset 32 to 47", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.6", "Offset 48 to 63", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.7", "Offset 64 to 79", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.8", "Enable Priority", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.9", "Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.10", "Replace Priority", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.11", "Enable Replace DSCP", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.12", "Rep DSCP", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.13", "Permit", synInteger, accReadWrite, &optAclPermit},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.14", "Port", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.15", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.9.3.3.1.16", "Owner", synInteger, accReadOnly, &optAclOwner},
    {},
};

constexpr TvSNMPVarDef tblIPV61_1[] = {
    {"1.3.6.1.4.1.59371.12.9.2.4.1.1", "Mask Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.4.1.2", "Mask Class", synInteger, accReadWrite, &optEnableDisable},
    {"1.3.6.1.4.1.59371.12.9.2.4.1.3", "Mask Flowlabel", synInteger, accReadWrite, &optEnableDisable},
    {"1.3.6.1.4.1.59371.12.9.2.4.1.4", "IP Addr Mask State", synInteger, accReadWrite, &optIpv6AddrMaskState},
    {"1.3.6.1.4.1.59371.12.9.2.4.1.5", "Mask Src IPv6 Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.4.1.6", "Mask Dst IPv6 Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.2.4.1.7", "Mask Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.9.2.4.1.8", "Owner", synInteger, accReadOnly, &optAclOwner},
    {},
};

constexpr TvSNMPVarDef tblIPV61_2[] = {
    {"1.3.6.1.4.1.59371.12.9.3.4.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.2", "Access ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.3", "Class", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.4", "Flow label", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.5", "Src IPv6 Addr", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.6", "Dst IPv6 Addr", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.7", "Enable Priority", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.8", "Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.9", "Replace Priority", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.12", "Permit", synInteger, accReadWrite, &optAclPermit},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.13", "Port", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.15", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.9.3.4.1.16", "Owner", synInteger, accReadOnly, &optAclOwner},
    {},
};

constexpr TvSNMPVarDef tblMaskDeleteAll1[] = {
    {"1.3.6.1.4.1.59371.12.9.2.5", "Mask Del All State", synInteger, accReadWrite, &optNoneStart},
    {},
};

constexpr TvSNMPVarDef tblMeterInformation1[] = {
    {"1.3.6.1.4.1.59371.12.9.6.2", "ACL Metering Number Of Entry In Use", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblACLControl1[] = {
    {"1.3.6.1.4.1.59371.12.9.1.1", "CPU Interface Filter State", synInteger, accReadWrite, &optEnableDisable},
    {},
};

constexpr TvSNMPVarDef tblCPUEthernetTable1_1[] = {
    {"1.3.6.1.4.1.59371.12.9.4.1.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.1.1.2", "Use VLAN", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.4.1.1.3", "MAC Addr Mask State", synInteger, accReadWrite, &optMACAddrMaskState},
    {"1.3.6.1.4.1.59371.12.9.4.1.1.4", "Src MAC Addr Mask", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.1.1.5", "Dst MAC Addr Mask", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.1.1.6", "Use 8021p", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.4.1.1.7", "Use Ethernet Type", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.4.1.1.8", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblCPUEthernetTable1_2[] = {
    {"1.3.6.1.4.1.59371.12.9.5.1.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.1.1.2", "Access ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.1.1.3", "VLAN", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.1.1.4", "Src MAC Address", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.1.1.5", "Dst MAC Address", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.1.1.6", "8021P", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.1.1.7", "Ether Type", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.1.1.8", "Permit", synInteger, accReadWrite, &optCpuAclPermit},
    {"1.3.6.1.4.1.59371.12.9.5.1.1.9", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblCPUIPTable1_1[] = {
    {"1.3.6.1.4.1.59371.12.9.4.2.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.2", "Use VLAN", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.3", "IP Addr Mask State", synInteger, accReadWrite, &optIPAddrMaskState},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.4", "Src IP Addr Mask", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.5", "Dst IP Addr Mask", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.6", "Use DSCP", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.7", "Use Proto Type", synInteger, accReadWrite, &optUseProtoType},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.8", "ICMP Option", synInteger, accReadWrite, &optICMPOption},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.9", "IGMP Option", synInteger, accReadWrite, &optEnableDisable},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.10", "TCP Option", synInteger, accReadWrite, &optTCPOption},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.11", "UDP Option", synInteger, accReadWrite, &optTCPOption},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.12", "TCP or UDP Src Port Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.13", "TCP or UDP Dst Port Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.14", "TCP Flag Bit", synInteger, accReadWrite, &optEnableDisable},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.15", "TCP Flag Bit Mask", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.16", "Proto ID Option", synInteger, accReadWrite, &optEnableDisable},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.17", "Proto ID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.18", "Proto ID Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.2.1.19", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblCPUIPTable1_2[] = {
    {"1.3.6.1.4.1.59371.12.9.5.2.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.2", "Access ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.3", "VLAN", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.4", "Src IP address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.5", "Dst IP address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.6", "DSCP", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.7", "Protocol", synInteger, accReadOnly, &optUseProtoType},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.8", "Type", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.9", "Code", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.10", "Src Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.11", "Dst Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.12", "Flag Bits", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.13", "Proto ID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.14", "User Mask", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.15", "Permit", synInteger, accReadWrite, &optCpuAclPermit},
    {"1.3.6.1.4.1.59371.12.9.5.2.1.16", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblCPUPacketCountTable1_1[] = {
    {"1.3.6.1.4.1.59371.12.9.4.3.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.3.1.2", "Offset 0 to 15", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.3.1.3", "Offset 16 to 31", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.3.1.4", "Offset 32 to 47", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.3.1.5", "Offset 48 to 63", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.3.1.6", "Offset 64 to 79", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.4.3.1.7", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblCPUPacketCountTable1_2[] = {
    {"1.3.6.1.4.1.59371.12.9.5.3.1.1", "Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.3.1.2", "Access ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.3.1.3", "Offset 0 to 15", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.3.1.4", "Offset 16 to 31", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.3.1.5", "Offset 32 to 47", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.3.1.6", "Offset 48 to 63", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.3.1.7", "Offset 64 to 79", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.9.5.3.1.8", "Permit", synInteger, accReadWrite, &optCpuAclPermit},
    {"1.3.6.1.4.1.59371.12.9.5.3.1.9", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblFilterDHCPPermitTable1[] = {
    {"1.3.6.1.4.1.59371.12.37.1.1.1.1", "Filter DHCP Server IP", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.37.1.1.1.2", "Filter DHCP Client MAC", synMacAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.37.1.1.1.3", "Filter DHCP Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.37.1.1.1.4", "Filter DHCP Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblFilterDHCPPortTable1[] = {
    {"1.3.6.1.4.1.59371.12.37.1.2.1.1", "Filter DHCP Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.37.1.2.1.2", "Filter DHCP Port State", synInteger, accReadWrite,
     &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblFilterNetBIOSTable1[] = {
    {"1.3.6.1.4.1.59371.12.37.2.1.1.1", "Filter NetBIOS Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.37.2.1.1.2", "Filter NetBIOS State", synInteger, accReadWrite,
     &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblFilterExtensiveNetBIOSTable1[] = {
    {"1.3.6.1.4.1.59371.12.37.3.1.1.1", "Filter Extensive NetBIOS Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.37.3.1.1.2", "Filter Extensive NetBIOS State", synInteger, accReadWrite,
     &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblFilterCPULayer3ControlPacketTable1[] = {
    {"1.3.6.1.4.1.59371.12.37.4.1.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.37.4.1.1.2", "RIP State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.37.4.1.1.3", "OSPF State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.37.4.1.1.4", "VRRP State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.37.4.1.1.5", "PIM State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.37.4.1.1.6", "DVMRP State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.37.4.1.1.7", "IGMP Query State", synInteger, accReadWrite, &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblPortList1[] = {
    {" ", "AggIndex", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.2.1.1", "AggPortListPorts", synOctetHex, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAggregatorTable1[] = {
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.2", "MAC Address", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.3", "Actor System Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.4", "Actor System ID", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.5", "regate Or Individual", synInteger, accReadOnly, &optTruthValue},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.6", "Actor Admin Key", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.7", "Actor Oper Key", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.8", "Partner System ID", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.9", "Partner System Priority", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.10", "Partner Oper Key", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.1.1.1.11", "Collector Max Delay", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblLinkAggregationControl1[] = {
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.14", "Actor Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.15", "Actor Port Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.16", "Partner Admin Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.17", "Partner Oper Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.18", "Partner Admin Port Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.19", "Partner Oper Port Priority", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.20", "Actor Admin State", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.21", "Actor Oper State", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.22", "Partner Admin State", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.23", "Partner Oper State", synOctetString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.24", "Aggregate Or Individual", synInteger, accReadOnly, &optTruthValue},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.2", "Actor System Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.3", "Actor System ID", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.4", "Actor Admin Key", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.5", "Actor Oper Key", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.6", "Partner Admin System Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.7", "Partner Oper System Priority", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.8", "Partner Admin System ID", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.9", "Partner Oper System ID", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.10", "Partner Admin Key", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.11", "Partner Oper Key", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.12", "Selected Agg ID", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.4.1.2.1.1.13", "Attached Agg ID", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblGeneralTable1[] = {
    {"1.3.6.1.2.1.31.1.5", "Table Last Change", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.6", "Stack Last Change", synTimeTicks, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIFXTable1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.2", "In Multicast Pkts", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.3", "In Broadcast Pkts", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.4", "Out Multicast Pkts", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.5", "Out Broadcast Pkts", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.7", "HC In Ucast Pkts", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.8", "HC In Multicast Pkts", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.9", "HC In Broadcast Pkts", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.11", "HC Out Ucast Pkts", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.12", "HC Out Multicast Pkts", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.13", "HC Out Broadcast Pkts", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap Enable", synInteger, accReadWrite,
     &optLinkUpDownTrapEnable},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", synInteger, accReadWrite, &optPromiscuousMode},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", synInteger, accReadOnly, &optConnectorPresent},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias(length less than 32 character)", synDisplayString, accReadWrite,
     nullptr},
    {"1.3.6.1.2.1.31.1.1.1.19", "Counter Discontinuity Time", synTimeTicks, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMIB2Information[] = {
    {"1.3.6.1.2.1.1.1", "Descr", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.2.1.1.2", "Object ID", synObjectId, accReadOnly, nullptr},
    {"1.3.6.1.2.1.1.3", "Up Time", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.1.4", "Contact", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.2.1.1.6", "Location", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.2.1.1.7", "Services", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMIB2IFTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Descr                        ", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.3", "Type", synInteger, accReadOnly, &optIfType},
    {"1.3.6.1.2.1.2.2.1.4", "Mtu  ", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.5", "Speed           ", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.6", "Phys Address     ", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", synInteger, accReadWrite, &optUpDown},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", synInteger, accReadOnly, &optOperStatus},
    {"1.3.6.1.2.1.2.2.1.9", "Last Change", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.21", "Out QLen", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.22", "Specific", synObjectId, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMIB2IPAddressTable[] = {
    {"1.3.6.1.2.1.4.20.1.1", "Addr", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.2.1.4.20.1.2", "IF Index", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.4.20.1.3", "Net Mask", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.2.1.4.20.1.4", "Bcast Addr", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.4.20.1.5", "Reasm Max Size", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblARP1[] = {
    {"1.3.6.1.2.1.4.22.1.1", "Interface Name", synInteger, accIndex, &optArpInterface},
    {"1.3.6.1.2.1.4.22.1.3", "IP Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.2.1.4.22.1.2", "MAC Address", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.2.1.4.22.1.4", "Type", synInteger, accReadWrite, &optArpType},
    {},
};

constexpr TvSNMPVarDef tblSysLog_1[] = {
    {"1.3.6.1.4.1.59371.12.12.1", "Systme Log Global State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblSysLog_2[] = {
    {"1.3.6.1.4.1.59371.12.12.2.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.12.2.1.2", "IP Address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.12.2.1.3", "Facility", synInteger, accReadWrite, &optFacility},
    {"1.3.6.1.4.1.59371.12.12.2.1.4", "Severity", synInteger, accReadWrite, &optSeverity},
    {"1.3.6.1.4.1.59371.12.12.2.1.5", "UDP Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.12.2.1.6", "State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.12.2.1.7", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblReset1[] = {
    {"1.3.6.1.4.1.59371.12.1.2.20", "Reset", synInteger, accReadWrite, &optResetAction},
    {},
};

constexpr TvTableRef kTables[] = {
    {"BasicInformation2", 0, tblBasicInformation2},
    {"MibCapabilities1", 0, tblMibCapabilities1},
    {"CPUUtilization2", 0, tblCPUUtilization2},
    {"PortUtilization1", 0, tblPortUtilization1},
    {"BasicConfig2", 0, tblBasicConfig2},
    {"IpProtoConfig1", 0, tblIpProtoConfig1},
    {"FileTable1", 0, tblFileTable1},
    {"AgentNotify1", 0, tblAgentNotify1},
    {"MultiImageInformation1", 0, tblMultiImageInformation1},
    {"DualConfiguration1", 0, tblDualConfiguration1},
    {"FDBManagement1", 0, tblFDBManagement1},
    {"ARPManagement1", 0, tblARPManagement1},
    {"TrustHostDeleteAllState1", 0, tblTrustHostDeleteAllState1},
    {"TrustHostTable1", 0, tblTrustHostTable1},
    {"UnitTable1", 0, tblUnitTable1},
    {"PowerTable1", 0, tblPowerTable1},
    {"FanTable1", 0, tblFanTable1},
    {"POESystemControl1", 0, tblPOESystemControl1},
    {"SystemTime1", 0, tblSystemTime1},
    {"SNTP1", 0, tblSNTP1},
    {"EthernetTable", 1, tblEthernetTable_1},
    {"EthernetTable", 2, tblEthernetTable_2},
    {"ACLIPTable", 1, tblACLIPTable_1},
    {"ACLIPTable", 2, tblACLIPTable_2},
    {"PacketTable1", 1, tblPacketTable1_1},
    {"PacketTable1", 2, tblPacketTable1_2},
    {"IPV61", 1, tblIPV61_1},
    {"IPV61", 2, tblIPV61_2},
    {"MaskDeleteAll1", 0, tblMaskDeleteAll1},
    {"MeterInformation1", 0, tblMeterInformation1},
    {"ACLControl1", 0, tblACLControl1},
    {"CPUEthernetTable1", 1, tblCPUEthernetTable1_1},
    {"CPUEthernetTable1", 2, tblCPUEthernetTable1_2},
    {"CPUIPTable1", 1, tblCPUIPTable1_1},
    {"CPUIPTable1", 2, tblCPUIPTable1_2},
    {"CPUPacketCountTable1", 1, tblCPUPacketCountTable1_1},
    {"CPUPacketCountTable1", 2, tblCPUPacketCountTable1_2},
    {"FilterDHCPPermitTable1", 0, tblFilterDHCPPermitTable1},
    {"FilterDHCPPortTable1", 0, tblFilterDHCPPortTable1},
    {"FilterNetBIOSTable1", 0, tblFilterNetBIOSTable1},
    {"FilterExtensiveNetBIOSTable1", 0, tblFilterExtensiveNetBIOSTable1},
    {"FilterCPULayer3ControlPacketTable1", 0, tblFilterCPULayer3ControlPacketTable1},
    {"PortList1", 0, tblPortList1},
    {"AggregatorTable1", 0, tblAggregatorTable1},
    {"LinkAggregationControl1", 0, tblLinkAggregationControl1},
    {"GeneralTable1", 0, tblGeneralTable1},
    {"IFXTable1", 0, tblIFXTable1},
    {"MIB2Information", 0, tblMIB2Information},
    {"MIB2IFTable", 0, tblMIB2IFTable},
    {"MIB2IPAddressTable", 0, tblMIB2IPAddressTable},
    {"ARP1", 0, tblARP1},
    {"SysLog", 1, tblSysLog_1},
    {"SysLog", 2, tblSysLog_2},
    {"Reset1", 0, tblReset1},
};

constexpr TvPanelRecipe pnlBasicInformation2[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblBasicInformation2, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlMibCapabilities1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblMibCapabilities1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlCPUUtilization2[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblCPUUtilization2, .ItemType = 3, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlPortUtilization1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortUtilization1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlBasicConfig2[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblBasicConfig2, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlIpProtoConfig1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblIpProtoConfig1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlFileTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblFileTable1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlAgentNotify1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAgentNotify1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlMultiImageInformation1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblMultiImageInformation1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlDualConfiguration1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblDualConfiguration1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlFDBManagement1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblFDBManagement1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlARPManagement1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblARPManagement1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlTrustHostDeleteAllState1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblTrustHostDeleteAllState1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlTrustHostTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblTrustHostTable1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {2, "Trust Host Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlUnitTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblUnitTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlPowerTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPowerTable1, .ItemType = 2, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlFanTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblFanTable1, .ItemType = 2, .KeyCount = 2},
};

constexpr TvColumnFormat fmtSystemTime1[] = {{3, "%i{n-779x839}"}};
constexpr TvPanelRecipe pnlSystemTime1[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblSystemTime1,
     .ItemType = 0,
     .KeyCount = 0,
     .Formats = fmtSystemTime1},
};

constexpr TvColumnFormat fmtSNTP1[] = {{4, "%i{n30x99999}"}};
constexpr TvPanelRecipe pnlSNTP1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSNTP1, .ItemType = 0, .KeyCount = 0, .Formats = fmtSNTP1},
};

constexpr int bmpEthernetTable_2[] = {13};
constexpr TvPanelRecipe pnlEthernetTable[] = {
    {.PageTitle = "ACL Ethernet Table",
     .Kind = TvPanelKind::Table,
     .Table = tblEthernetTable_1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {7, "Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
    {.PageTitle = "ACL Ethernet Rule Table",
     .Kind = TvPanelKind::Table,
     .Table = tblEthernetTable_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {14, "Row Status", "createAndGo", "destroy"},
     .PortBitmaps = bmpEthernetTable_2,
     .Flags = pnlAddOnly},
};

constexpr int bmpACLIPTable_2[] = {20};
constexpr TvPanelRecipe pnlACLIPTable[] = {
    {.PageTitle = "ACL IP Table",
     .Kind = TvPanelKind::Table,
     .Table = tblACLIPTable_1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {18, "Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
    {.PageTitle = "ACL IP Rule Table",
     .Kind = TvPanelKind::Table,
     .Table = tblACLIPTable_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {21, "Row Status", "createAndGo", "destroy"},
     .PortBitmaps = bmpACLIPTable_2,
     .Flags = pnlAddOnly},
};

constexpr int bmpPacketTable1_2[] = {13};
constexpr TvPanelRecipe pnlPacketTable1[] = {
    {.PageTitle = "ACL Packet Mask Table",
     .Kind = TvPanelKind::Table,
     .Table = tblPacketTable1_1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {6, "Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
    {.PageTitle = "ACL Packet Rule Table",
     .Kind = TvPanelKind::Table,
     .Table = tblPacketTable1_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {14, "Row Status", "createAndGo", "destroy"},
     .PortBitmaps = bmpPacketTable1_2,
     .Flags = pnlAddOnly},
};

constexpr int bmpIPV61_2[] = {10};
constexpr TvPanelRecipe pnlIPV61[] = {
    {.PageTitle = "ipv6 Mask Table",
     .Kind = TvPanelKind::Table,
     .Table = tblIPV61_1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {6, "Mask Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
    {.PageTitle = "IPv6 Rule Table",
     .Kind = TvPanelKind::Table,
     .Table = tblIPV61_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {11, "Row Status", "createAndGo", "destroy"},
     .PortBitmaps = bmpIPV61_2,
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlMaskDeleteAll1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblMaskDeleteAll1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlMeterInformation1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblMeterInformation1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlACLControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblACLControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlCPUEthernetTable1[] = {
    {.PageTitle = "ACL CPU Ethernet Table",
     .Kind = TvPanelKind::Table,
     .Table = tblCPUEthernetTable1_1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {7, "Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
    {.PageTitle = "ACL CPU Ethernet Rule Table",
     .Kind = TvPanelKind::Table,
     .Table = tblCPUEthernetTable1_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {8, "Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlCPUIPTable1[] = {
    {.PageTitle = "CPU ACL IP Table",
     .Kind = TvPanelKind::Table,
     .Table = tblCPUIPTable1_1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {18, "Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
    {.PageTitle = "CPU ACL IP Rule Table",
     .Kind = TvPanelKind::Table,
     .Table = tblCPUIPTable1_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {15, "Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlCPUPacketCountTable1[] = {
    {.PageTitle = "ACL CPU Packet Mask Table",
     .Kind = TvPanelKind::Table,
     .Table = tblCPUPacketCountTable1_1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {6, "Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
    {.PageTitle = "ACL CPU Packet Rule Table",
     .Kind = TvPanelKind::Table,
     .Table = tblCPUPacketCountTable1_2,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {8, "Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlFilterCPULayer3ControlPacketTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblFilterCPULayer3ControlPacketTable1,
     .ItemType = 3,
     .KeyCount = 1},
};

constexpr int bmpPortList1[] = {1};
constexpr TvPanelRecipe pnlPortList1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPortList1,
     .ItemType = 2,
     .KeyCount = 1,
     .PortBitmaps = bmpPortList1},
};

constexpr TvPanelRecipe pnlAggregatorTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblAggregatorTable1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlLinkAggregationControl1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblLinkAggregationControl1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlGeneralTable1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblGeneralTable1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvColumnFormat fmtIFXTable1[] = {{18, "%s{l32}"}};
constexpr TvPanelRecipe pnlIFXTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblIFXTable1,
     .ItemType = 2,
     .KeyCount = 1,
     .Formats = fmtIFXTable1,
     .Flags = pnlVersionFloor},
};

constexpr TvPanelRecipe pnlMIB2Information[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblMIB2Information,
     .ItemType = 0,
     .KeyCount = 0,
     .ValueWidth = 180},
};

constexpr TvPanelRecipe pnlMIB2IFTable[] = {
    {.Kind = TvPanelKind::Table, .Table = tblMIB2IFTable, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlMIB2IPAddressTable[] = {
    {.Kind = TvPanelKind::Table, .Table = tblMIB2IPAddressTable, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlARP1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblARP1, .ItemType = 2, .KeyCount = 2, .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlSysLog[] = {
    {.PageTitle = "System Log Control",
     .Kind = TvPanelKind::Scalar,
     .Table = tblSysLog_1,
     .ItemType = 0,
     .KeyCount = 0},
    {.PageTitle = "System Log Server",
     .Kind = TvPanelKind::Table,
     .Table = tblSysLog_2,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {6, "Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlReset1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblReset1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "BasicInformation2",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Basic Information",
     .CaptionSeparator = " : ",
     .Panels = pnlBasicInformation2},
    {.Name = "MibCapabilities1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MIB Capabilities",
     .CaptionSeparator = " : ",
     .Panels = pnlMibCapabilities1,
     .Height = 450},
    {.Name = "CPUUtilization2",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "CPU Utilization",
     .CaptionSeparator = " : ",
     .Panels = pnlCPUUtilization2},
    {.Name = "PortUtilization1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Utilization",
     .CaptionSeparator = " : ",
     .Panels = pnlPortUtilization1},
    {.Name = "BasicConfig2",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Basic Configuration",
     .Panels = pnlBasicConfig2},
    {.Name = "IpProtoConfig1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "IP Information",
     .CaptionSeparator = " : ",
     .Panels = pnlIpProtoConfig1},
    {.Name = "FileTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "File Table",
     .CaptionSeparator = " : ",
     .Panels = pnlFileTable1},
    {.Name = "AgentNotify1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Agent Notify Management",
     .CaptionSeparator = " : ",
     .Panels = pnlAgentNotify1},
    {.Name = "MultiImageInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Multi Image Information",
     .CaptionSeparator = " : ",
     .Panels = pnlMultiImageInformation1},
    {.Name = "DualConfiguration1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Dual Configuration Table",
     .CaptionSeparator = ": ",
     .Panels = pnlDualConfiguration1},
    {.Name = "FDBManagement1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "FDB Clear All State",
     .CaptionSeparator = " : ",
     .Panels = pnlFDBManagement1},
    {.Name = "ARPManagement1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "ARP Clear All State",
     .CaptionSeparator = " : ",
     .Panels = pnlARPManagement1},
    {.Name = "TrustHostDeleteAllState1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Trust Host Delete All State",
     .CaptionSeparator = " : ",
     .Panels = pnlTrustHostDeleteAllState1},
    {.Name = "TrustHostTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Trust Host Table",
     .CaptionSeparator = " : ",
     .Panels = pnlTrustHostTable1},
    {.Name = "UnitTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Unit Table",
     .CaptionSeparator = " : ",
     .Panels = pnlUnitTable1,
     .Height = 450},
    {.Name = "PowerTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Power Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPowerTable1,
     .Height = 450},
    {.Name = "FanTable1", .Kind = TvRecipeKind::Table, .CaptionTitle = "Fan Table: ", .Panels = pnlFanTable1},
    {.Name = "SystemTime1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "System Time: ",
     .Panels = pnlSystemTime1},
    {.Name = "SNTP1", .Kind = TvRecipeKind::Scalar, .CaptionTitle = "SNTP", .Panels = pnlSNTP1},
    {.Name = "EthernetTable",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "Ethernet Table : ",
     .Panels = pnlEthernetTable,
     .Height = 500},
    {.Name = "ACLIPTable",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "IP Table : ",
     .Panels = pnlACLIPTable},
    {.Name = "PacketTable1",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "Packet Table : ",
     .Panels = pnlPacketTable1},
    {.Name = "IPV61",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "IPv6 Table : ",
     .Panels = pnlIPV61,
     .Height = 500},
    {.Name = "MaskDeleteAll1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Mask Delete All : ",
     .Panels = pnlMaskDeleteAll1},
    {.Name = "MeterInformation1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "ACL Meter Information",
     .CaptionSeparator = " : ",
     .Panels = pnlMeterInformation1},
    {.Name = "ACLControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "CPU Filter Control",
     .CaptionSeparator = ": ",
     .Panels = pnlACLControl1},
    {.Name = "CPUEthernetTable1",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "CPU Ethernet Table : ",
     .Panels = pnlCPUEthernetTable1,
     .Height = 500},
    {.Name = "CPUIPTable1",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "CPU IP Table : ",
     .Panels = pnlCPUIPTable1},
    {.Name = "CPUPacketCountTable1",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "CPU Packet Table : ",
     .Panels = pnlCPUPacketCountTable1},
    {.Name = "FilterCPULayer3ControlPacketTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Filter Layer3 Control Packet Table",
     .CaptionSeparator = " : ",
     .Panels = pnlFilterCPULayer3ControlPacketTable1},
    {.Name = "PortList1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Aggregator Port List",
     .Panels = pnlPortList1,
     .Height = 450,
     .WidthIncrease = 50},
    {.Name = "AggregatorTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Aggregator Table",
     .Panels = pnlAggregatorTable1},
    {.Name = "LinkAggregationControl1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Aggregation Port Table",
     .Panels = pnlLinkAggregationControl1},
    {.Name = "GeneralTable1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "If General Table",
     .Panels = pnlGeneralTable1},
    {.Name = "IFXTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IFX Table : ",
     .Panels = pnlIFXTable1},
    {.Name = "MIB2Information",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "MIB-II Information",
     .Panels = pnlMIB2Information},
    {.Name = "MIB2IFTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IF Table",
     .Panels = pnlMIB2IFTable},
    {.Name = "MIB2IPAddressTable",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IP Address Table : ",
     .Panels = pnlMIB2IPAddressTable},
    {.Name = "ARP1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "ARP Table",
     .CaptionSeparator = ":",
     .Panels = pnlARP1,
     .Height = 200},
    {.Name = "SysLog", .Kind = TvRecipeKind::Pages, .CaptionTitle = "System Log", .Panels = pnlSysLog},
    {.Name = "Reset1", .Kind = TvRecipeKind::Scalar, .CaptionTitle = "Reset : ", .Panels = pnlReset1},
};

} // namespace

std::span<const TvWindowRecipe> CatalogBasicRecipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogBasicTables() {
    return kTables;
}
