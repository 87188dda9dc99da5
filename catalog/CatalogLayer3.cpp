// Descriptor tables, option lists and window recipes of the "Layer 3 Management" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList optIpForwardingType(TvOptionList::kIntegers, {{2, "static"}, {3, "dynamic"}});
const TvOptionList optBackupState(TvOptionList::kIntegers, {{1, "primary"}, {2, "backup"}});
const TvOptionList optBootpOption82Policy(TvOptionList::kIntegers,
                                          {{1, "replace"}, {2, "drop"}, {3, "keep"}});
const TvOptionList
    optPoolNetBIOSNodeType(TvOptionList::kIntegers,
                           {{1, "broadcast"}, {2, "peer_to_peer"}, {3, "mixed"}, {4, "hybid"}});
const TvOptionList optPoolLeaseState(TvOptionList::kIntegers, {{1, "predefined"}, {2, "infinite"}});
const TvOptionList optManualBindingType(TvOptionList::kIntegers,
                                        {{1, "ethernet"}, {2, "ieee802"}, {3, "both"}});
const TvOptionList optDynamicBindingType(TvOptionList::kIntegers, {{1, "ethernet"}, {2, "iee802"}});
const TvOptionList optDynamicBindingStatus(TvOptionList::kIntegers, {{1, "manual"}, {2, "automatic"}});
const TvOptionList optConflictIPDetectionMethod(TvOptionList::kIntegers,
                                                {{1, "ping"}, {2, "gratuitous-arp"}});
const TvOptionList optOspfVirtIfState(TvOptionList::kIntegers, {{1, "down"}, {4, "pointToPoint"}});
const TvOptionList optOspfAuthType(TvOptionList::kIntegers, {{0, "none"}, {1, "simple"}, {2, "MD5"}});
const TvOptionList
    optOspfIfType(TvOptionList::kIntegers,
                  {{1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"}, {5, "pointToMultipoint"}});
const TvOptionList optOspfIfState(TvOptionList::kIntegers, {{1, "down"},
                                                            {2, "loopback"},
                                                            {3, "waiting"},
                                                            {4, "pointToPoint"},
                                                            {5, "designatedRouter"},
                                                            {6, "backupDesignatedRouter"},
                                                            {7, "otherDesignatedRouter"}});
const TvOptionList optMulticastForwarding(TvOptionList::kIntegers,
                                          {{1, "blocked"}, {2, "multicast"}, {3, "unicast"}});
const TvOptionList optVirtualRouterState(TvOptionList::kIntegers,
                                         {{1, "initialize"}, {2, "backup"}, {3, "master"}});
const TvOptionList optVrrpAuthType(TvOptionList::kIntegers, {{1, "noAuthentication"},
                                                             {2, "simpleTextPassword"},
                                                             {3, "ipAuthenticationHeader"}});
const TvOptionList optOperateProtocol(TvOptionList::kIntegers,
                                      {{1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}});
const TvOptionList optSourceFilterMode(TvOptionList::kIntegers, {{1, "include"}, {2, "exclude"}});

constexpr TvSNMPVarDef tblDeviceCtrl1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.1.1.1", "RIP State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.1.1.2", "OSPF State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.1.1.3", "DVMRP State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.1.1.4", "PIM State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.1.1.5", "VRRP State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.1.1.8", "OSPFECMP State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblIPForwardingTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.2.2.1.1.1", "IP Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.2.1.1.2", "Subnet Mask", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.2.1.1.3", "Port Number", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.2.1.1.4", "Type", synInteger, accReadOnly, &optIpForwardingType},
    {},
};

constexpr TvSNMPVarDef tblIPFilterAddressCtrlTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.2.4", "Arp Aging Time[0-65535]", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIPStaticRoutingTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.2.5.1.1", "Destination", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.5.1.2", "Mask", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.5.1.3", "Backup State", synInteger, accReadOnly, &optBackupState},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.5.1.4", "Next Hop", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.5.1.5", "Metric", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.5.1.6", "Status", synInteger, accReadWrite, &optEntryStatus},
    {},
};

constexpr TvSNMPVarDef tblBOOTPBasicConfiguration1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.1", "Bootp State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.2", "Bootp Hop Count", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.3", "Bootp Time Threshold", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.4", "Bootp Option82 State", synInteger, accReadWrite,
     &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.5", "Bootp Option82 Check", synInteger, accReadWrite,
     &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.6", "Bootp Option82 Policy", synInteger, accReadWrite,
     &optBootpOption82Policy},
    {},
};

constexpr TvSNMPVarDef tblDHCPServerTable1[] = {
    {"1.3.6.1.4.1.59371.12.38.1.1", "DHCP Server State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.38.1.2", "DHCP Server Ping Packet Number", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.1.3", "DHCP Server Ping Time Out", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblExcludedAddressTable1[] = {
    {"1.3.6.1.4.1.59371.12.38.3.1.1.1", "Excluded Address Begin", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.1.1.2", "Excluded Address End", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.1.1.3", "Excluded Address Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblPoolTable1[] = {
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.1", "Pool Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.2", "Pool Network Address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.3", "Pool Network Address Mask", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.4", "Pool Domain Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.5", "Pool NetBIOS Node Type", synInteger, accReadWrite,
     &optPoolNetBIOSNodeType},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.6", "Pool Lease State", synInteger, accReadWrite, &optPoolLeaseState},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.7", "Pool Lease Day", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.8", "Pool Lease Hour", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.9", "Pool Lease Minute", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.10", "Pool Boot File", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.11", "Pool Next Server", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.1.1.12", "Pool Status", synInteger, accReadWrite, &optRowStatusFull},
    {},
};

constexpr TvSNMPVarDef tblDNSServer1[] = {
    {"1.3.6.1.4.1.59371.12.38.3.2.2.1.1", "DNS Server Pool Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.2.1.2", "DNS Server AddressIndex", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.2.1.3", "DNS Server Address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.2.1.4", "DNS Server Address Status", synInteger, accReadWrite,
     &optRowStatusFull},
    {},
};

constexpr TvSNMPVarDef tblNetBIOSNameServerTable1[] = {
    {"1.3.6.1.4.1.59371.12.38.3.2.3.1.1", "Net BIOS Name Server Pool Name", synDisplayString, accIndex,
     nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.3.1.2", "Net BIOS Name Server Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.3.1.3", "Net BIOS Name Server", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.3.1.4", "Net BIOS Name Server Status", synInteger, accReadWrite,
     &optRowStatusFull},
    {},
};

constexpr TvSNMPVarDef tblDefaultRouterTable1[] = {
    {"1.3.6.1.4.1.59371.12.38.3.2.4.1.1", "Default Router Pool Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.4.1.2", "Default Router Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.4.1.3", "Default Router", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.2.4.1.4", "Default Router Status", synInteger, accReadWrite,
     &optRowStatusFull},
    {},
};

constexpr TvSNMPVarDef tblManualBindingTable1[] = {
    {"1.3.6.1.4.1.59371.12.38.3.3.1.1", "Manual Binding Pool Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.3.1.2", "Manual Binding IP Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.3.1.3", "Manual Binding Hardware Address", synMacAddress, accReadWrite,
     nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.3.1.4", "Manual Binding Type", synInteger, accReadWrite,
     &optManualBindingType},
    {"1.3.6.1.4.1.59371.12.38.3.3.1.5", "Manual Binding Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblDynamicBindingTable1[] = {
    {"1.3.6.1.4.1.59371.12.38.3.4.1.1", "Dynamic Binding Pool Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.4.1.2", "Dynamic Binding IP Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.4.1.3", "Dynamic Binding Hardware Address", synMacAddress, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.4.1.4", "Dynamic Binding Type", synInteger, accReadOnly,
     &optDynamicBindingType},
    {"1.3.6.1.4.1.59371.12.38.3.4.1.5", "Dynamic Binding Status", synInteger, accReadOnly,
     &optDynamicBindingStatus},
    {"1.3.6.1.4.1.59371.12.38.3.4.1.6", "Dynamic Binding Life Time", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.4.1.7", "Dynamic Binding Clear State", synInteger, accReadWrite,
     &optNoneStart},
    {},
};

constexpr TvSNMPVarDef tblConflictIPTable1[] = {
    {"1.3.6.1.4.1.59371.12.38.3.5.1.1", "Conflict IP IP Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.5.1.2", "Conflict IP Detection Method", synInteger, accReadOnly,
     &optConflictIPDetectionMethod},
    {"1.3.6.1.4.1.59371.12.38.3.5.1.3", "Conflict IP Detection Time", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.38.3.5.1.4", "Conflict IP Clear State", synInteger, accReadWrite, &optNoneStart},
    {},
};

constexpr TvSNMPVarDef tblDNSBasicConfiguration1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.3.2.1", "DNS State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.2.2", "DNS Primary Server", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.2.3", "DNS Secondary Server", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.2.4", "DNS Cache State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.2.5", "DNS Static Table State", synInteger, accReadWrite,
     &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblDNSCtrlTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.3.2.6.1.1", "Domain Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.2.6.1.2", "IP Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.2.6.1.3", "State", synInteger, accReadWrite, &optEntryStatus},
    {},
};

constexpr TvSNMPVarDef tblRIPManagement1[] = {
    {"1.3.6.1.4.1.59371.12.32.3.1", "RIP Update Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.32.3.2", "RIP Timeout Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.32.3.3", "RIP Garbage Collect Interval", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblInterfaceTable1_1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.1", "Area ID", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.2", "Neighbor Route ID", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.3", "Transmit Delay", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.4", "Retransmit Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.5", "Hello Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.6", "Router Dead Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.7", "State", synInteger, accReadOnly, &optOspfVirtIfState},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.8", "Number of Events", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.9", "Authentication Type", synInteger, accReadWrite, &optOspfAuthType},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.10", "Authentication Key", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.11", "MD5 Key ID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.12", "Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblInterfaceTable1_2[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.1", "IP Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.2", "Address Less IF", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.3", "Area ID", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.4", "Type", synInteger, accReadWrite, &optOspfIfType},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.5", "Admin Stat", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.6", "Rtr Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.7", "Transit Delay", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.8", "Retrans Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.9", "Hello Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.10", "Rtr Dead Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.11", "Poll Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.12", "State", synInteger, accReadOnly, &optOspfIfState},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.13", "Designated Router", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.14", "Backup Designated Router", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.15", "Events", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.16", "Multicast Forwarding", synInteger, accReadWrite,
     &optMulticastForwarding},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.17", "Demand", synInteger, accReadWrite, &optTruthValue},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.18", "Auth Type", synInteger, accReadWrite, &optOspfAuthType},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.19", "Auth Key", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.20", "Auth Key ID", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.21", "Status", synInteger, accReadWrite, &optActiveNotInService},
    {},
};

constexpr TvSNMPVarDef tblHostTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.6.1.1", "IP Address", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.6.1.2", "Tye Of Service", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.6.1.3", "Metric", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.6.1.4", "AreaID", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.6.1.5", "Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblVRRPControl1[] = {
    {"1.3.6.1.2.1.68.1.1", "Node Version", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.1.2", "Notification Cntl", synInteger, accReadWrite, &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblVRRPOperation1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", synInteger, accReadOnly, &optVirtualRouterState},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", synInteger, accReadWrite, &optUpDown},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", synInteger, accReadWrite, &optVrrpAuthType},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", synInteger, accReadWrite, &optTruthValue},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", synInteger, accReadWrite, &optOperateProtocol},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblVirtualRouteAddress1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.1", "Oper VR ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.68.1.4.1.1", "Asso IP Addr", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.2.1.68.1.4.1.2", "Asso IP Addr Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblVRRPErrorStatistics1[] = {
    {"1.3.6.1.2.1.68.2.1", "Router Checksum Errors", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.2", "Router Version Errors", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.3", "Router VR ID Errors", synCounter32, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblVirtualRouteStatistics1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", synCounter32, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPIMIPMulticastRoute1[] = {
    {" ", "Group", synIpAddress, accIndex, nullptr},
    {" ", "Source", synIpAddress, accIndex, nullptr},
    {" ", "Source Mask", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.3.61.1.1.4.1.1", "Upstream Assert Timer", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.3.61.1.1.4.1.2", "Assert Metric", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.3.61.1.1.4.1.3", "Assert Metric Pref", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.3.61.1.1.4.1.4", "Assert RPT Bit", synInteger, accReadOnly, &optTruthValue},
    {"1.3.6.1.3.61.1.1.4.1.5", "Flags", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPIMRPSetTable1[] = {
    {"1.3.6.1.3.61.1.1.6.1.6", "Component", synInteger, accIndex, nullptr},
    {"1.3.6.1.3.61.1.1.6.1.1", "Group Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.3.61.1.1.6.1.2", "Group Mask", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.3.61.1.1.6.1.3", "Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.3.61.1.1.6.1.4", "Hold Time", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", synTimeTicks, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPIMCandidateRPTable1[] = {
    {"1.3.6.1.3.61.1.1.11.1.1", "Group Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.3.61.1.1.11.1.2", "Group Mask", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.3.61.1.1.11.1.3", "Address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.3.61.1.1.11.1.4", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblCBSRInformation1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.1.1", "C-BSR Boot Strap Period", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.1.2", "C-BSR Hash Mask Len", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblCBSRTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.1.3.1.1", "C-BSR Interface", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.1.3.1.2", "C-BSR Priority", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblCandidateRPManagement1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.2.1", "Candidate RP Holdtime", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.2.2", "Candidate RP Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.2.3", "Candidate RP Wildcard Prefix Cnt", synInteger, accReadWrite,
     nullptr},
    {},
};

constexpr TvSNMPVarDef tblSPTManagement1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.3.1", "Last Hop SPT Threshold", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.3.2", "RP SPT Threshold", synDisplayString, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblRegisterChecksumIncludingDataInformation1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.4.1.1", "Reg Chksum Inc Data RP Addr", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.4.1.2", "Reg Chksum Inc Data State", synInteger, accReadWrite,
     &optRowStatusPause},
    {},
};

constexpr TvSNMPVarDef tblRegisterTime1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.5.1", "Register Probe Time", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.5.2", "Register Suppression Time", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPIMInformationTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.5.3.1.1", "Interface", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.5.3.1.2", "DR Priority", synGauge32, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblStaticRPTableInformation1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.6.1.1", "Static RP Group Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.6.1.2", "Static RP Group Mask", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.6.1.3", "Static RP Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.6.1.4", "Static RP Row Status", synInteger, accReadWrite,
     &optRowStatusPause},
    {},
};

constexpr TvSNMPVarDef tblActiveRPTableInformation1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.11.7.1.1", "Active RP Group Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.11.7.1.4", "Active RP Address", synIpAddress, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIGMPInterface1[] = {
    {"1.3.6.1.2.1.85.1.1.1.1", "IF Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.2", "Query Interval", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.3", "Status", synInteger, accReadWrite, &optActiveNotInService},
    {"1.3.6.1.2.1.85.1.1.1.4", "Version", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.5", "Querier", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.6", "Query Max Response Time", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.7", "Querier Up Time", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.8", "Querier Expiry Time", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.9", "Version1 Querier Timer", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.10", "Wrong Version Queries", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.11", "Joins", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.12", "Proxy IF Index", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.13", "Groups", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.14", "Robustness", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.2.1.85.1.1.1.15", "Last Memb Query Intvl", synGauge32, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIGMPCache1[] = {
    {"1.3.6.1.2.1.85.1.2.1.1", "Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.2.1.85.1.2.1.2", "IF Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.2.1.85.1.2.1.3", "Self", synInteger, accReadOnly, &optTruthValue},
    {"1.3.6.1.2.1.85.1.2.1.4", "Last Reporter", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.2.1.5", "UpTime", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.2.1.6", "Expiry Time", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.2.1.85.1.2.1.7", "Status", synInteger, accReadOnly, &optRowStatusPause},
    {"1.3.6.1.2.1.85.1.2.1.8", "Version1 Host Timer", synTimeTicks, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblInterfaceTable2[] = {
    {"1.3.6.1.4.1.59371.12.18.1.4.1.1", "IF Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.4.1.3", "Querier", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.4.1.4", "Query Interval", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.4.1.5", "Status", synInteger, accReadWrite, &optActiveNotInService},
    {"1.3.6.1.4.1.59371.12.18.1.4.1.6", "Version", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.4.1.7", "Query MaxResponse Time", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.4.1.9", "Querier Expiry Time", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.4.1.14", "Robustness", synGauge32, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.4.1.15", "Last Memb Query Intvl", synGauge32, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblCacheTable1[] = {
    {"1.3.6.1.4.1.59371.12.18.1.6.1.2", "IF Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.6.1.3", "Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.6.1.4", "Last Reporter", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.6.1.6", "Expiry Time", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.6.1.7", "Status", synInteger, accReadOnly, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.18.1.6.1.8", "Version1 Host Timer", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.6.1.9", "Version2 Host Timer", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.6.1.10", "Source Filter Mode", synInteger, accReadOnly, &optSourceFilterMode},
    {},
};

constexpr TvSNMPVarDef tblSourceListTable1[] = {
    {"1.3.6.1.4.1.59371.12.18.1.10.1.2", "IF Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.10.1.3", "Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.10.1.4", "Host Address", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.18.1.10.1.5", "Source Timer", synTimeTicks, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblRoutePreference2[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.9.1", "RIP", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.9.2", "OSPF Intra", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.9.3", "Static", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.9.4", "Local", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.9.5", "OSPF Inter", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.9.6", "OSPF ExtT1", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.3.9.7", "OSPF ExtT2", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblLayer3TraceRouteControl1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.13.1.1", "Layer3 Trace Route Control", synInteger, accReadWrite,
     &optDisabledEnabled},
    {},
};

constexpr TvTableRef kTables[] = {
    {"DeviceCtrl1", 0, tblDeviceCtrl1},
    {"IPForwardingTable1", 0, tblIPForwardingTable1},
    {"IPFilterAddressCtrlTable1", 0, tblIPFilterAddressCtrlTable1},
    {"IPStaticRoutingTable1", 0, tblIPStaticRoutingTable1},
    {"BOOTPBasicConfiguration1", 0, tblBOOTPBasicConfiguration1},
    {"DHCPServerTable1", 0, tblDHCPServerTable1},
    {"ExcludedAddressTable1", 0, tblExcludedAddressTable1},
    {"PoolTable1", 0, tblPoolTable1},
    {"DNSServer1", 0, tblDNSServer1},
    {"NetBIOSNameServerTable1", 0, tblNetBIOSNameServerTable1},
    {"DefaultRouterTable1", 0, tblDefaultRouterTable1},
    {"ManualBindingTable1", 0, tblManualBindingTable1},
    {"DynamicBindingTable1", 0, tblDynamicBindingTable1},
    {"ConflictIPTable1", 0, tblConflictIPTable1},
    {"DNSBasicConfiguration1", 0, tblDNSBasicConfiguration1},
    {"DNSCtrlTable1", 0, tblDNSCtrlTable1},
    {"RIPManagement1", 0, tblRIPManagement1},
    {"InterfaceTable1", 1, tblInterfaceTable1_1},
    {"InterfaceTable1", 2, tblInterfaceTable1_2},
    {"HostTable1", 0, tblHostTable1},
    {"VRRPControl1", 0, tblVRRPControl1},
    {"VRRPOperation1", 0, tblVRRPOperation1},
    {"VirtualRouteAddress1", 0, tblVirtualRouteAddress1},
    {"VRRPErrorStatistics1", 0, tblVRRPErrorStatistics1},
    {"VirtualRouteStatistics1", 0, tblVirtualRouteStatistics1},
    {"PIMIPMulticastRoute1", 0, tblPIMIPMulticastRoute1},
    {"PIMRPSetTable1", 0, tblPIMRPSetTable1},
    {"PIMCandidateRPTable1", 0, tblPIMCandidateRPTable1},
    {"CBSRInformation1", 0, tblCBSRInformation1},
    {"CBSRTable1", 0, tblCBSRTable1},
    {"CandidateRPManagement1", 0, tblCandidateRPManagement1},
    {"SPTManagement1", 0, tblSPTManagement1},
    {"RegisterChecksumIncludingDataInformation1", 0, tblRegisterChecksumIncludingDataInformation1},
    {"RegisterTime1", 0, tblRegisterTime1},
    {"PIMInformationTable1", 0, tblPIMInformationTable1},
    {"StaticRPTableInformation1", 0, tblStaticRPTableInformation1},
    {"ActiveRPTableInformation1", 0, tblActiveRPTableInformation1},
    {"IGMPInterface1", 0, tblIGMPInterface1},
    {"IGMPCache1", 0, tblIGMPCache1},
    {"InterfaceTable2", 0, tblInterfaceTable2},
    {"CacheTable1", 0, tblCacheTable1},
    {"SourceListTable1", 0, tblSourceListTable1},
    {"RoutePreference2", 0, tblRoutePreference2},
    {"Layer3TraceRouteControl1", 0, tblLayer3TraceRouteControl1},
};

constexpr TvPanelRecipe pnlDeviceCtrl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblDeviceCtrl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlIPForwardingTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblIPForwardingTable1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlIPFilterAddressCtrlTable1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblIPFilterAddressCtrlTable1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvColumnFormat fmtIPStaticRoutingTable1[] = {{4, "%i{n1x65535l5}"}};
constexpr TvPanelRecipe pnlIPStaticRoutingTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblIPStaticRoutingTable1,
     .ItemType = 3,
     .KeyCount = 3,
     .RowStatus = {5, "Status", "valid", "invalid"},
     .Formats = fmtIPStaticRoutingTable1,
     .Flags = pnlNoEdit},
};

constexpr TvColumnFormat fmtBOOTPBasicConfiguration1[] = {{1, "%i{n1x16l2}"}, {2, "%u{n0x65535l5}"}};
constexpr TvPanelRecipe pnlBOOTPBasicConfiguration1[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblBOOTPBasicConfiguration1,
     .ItemType = 0,
     .KeyCount = 0,
     .Formats = fmtBOOTPBasicConfiguration1},
};

constexpr TvPanelRecipe pnlDHCPServerTable1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblDHCPServerTable1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlExcludedAddressTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblExcludedAddressTable1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {2, "Excluded Address Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlPoolTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPoolTable1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {11, "Pool Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlDNSServer1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblDNSServer1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {3, "DNS Server Address Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlNetBIOSNameServerTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblNetBIOSNameServerTable1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {3, "Net BIOS Name Server Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlDefaultRouterTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblDefaultRouterTable1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {3, "Default Router Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlManualBindingTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblManualBindingTable1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {4, "Manual Binding Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlDynamicBindingTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblDynamicBindingTable1, .ItemType = 3, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlConflictIPTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblConflictIPTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlDNSBasicConfiguration1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblDNSBasicConfiguration1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlDNSCtrlTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblDNSCtrlTable1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {2, "State", "valid", "invalid"},
     .Flags = pnlNoEdit},
};

constexpr TvPanelRecipe pnlRIPManagement1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblRIPManagement1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlInterfaceTable1[] = {
    {.PageTitle = "OSPF Virtual Table",
     .Kind = TvPanelKind::Table,
     .Table = tblInterfaceTable1_1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {11, "Status", "createAndGo", "destroy"}},
    {.PageTitle = "OSPF Interface Table",
     .Kind = TvPanelKind::Table,
     .Table = tblInterfaceTable1_2,
     .ItemType = 3,
     .KeyCount = 2},
};

constexpr TvColumnFormat fmtHostTable1[] = {{2, "%u{n0x65535l5}"}};
constexpr TvPanelRecipe pnlHostTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblHostTable1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {4, "Status", "createAndGo", "destroy"},
     .Formats = fmtHostTable1,
     .Flags = pnlNoEdit},
};

constexpr TvPanelRecipe pnlVRRPControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblVRRPControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvColumnFormat fmtVRRPOperation1[] = {
    {1, "%i{n1x255l3}"}, {5, "%i{n0x255l3}"}, {11, "%i{n1x255l3}"}};
constexpr TvPanelRecipe pnlVRRPOperation1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblVRRPOperation1,
     .ItemType = 3,
     .KeyCount = 2,
     .Formats = fmtVRRPOperation1},
};

constexpr TvPanelRecipe pnlVirtualRouteAddress1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblVirtualRouteAddress1,
     .ItemType = 3,
     .KeyCount = 3,
     .RowStatus = {3, "Asso IP Addr Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlVRRPErrorStatistics1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblVRRPErrorStatistics1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlVirtualRouteStatistics1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblVirtualRouteStatistics1, .ItemType = 2, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlPIMIPMulticastRoute1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPIMIPMulticastRoute1, .ItemType = 2, .KeyCount = 3},
};

constexpr TvPanelRecipe pnlPIMRPSetTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPIMRPSetTable1, .ItemType = 2, .KeyCount = 4},
};

constexpr TvPanelRecipe pnlPIMCandidateRPTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPIMCandidateRPTable1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {3, "Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlCBSRInformation1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblCBSRInformation1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlCBSRTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblCBSRTable1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlCandidateRPManagement1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblCandidateRPManagement1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlSPTManagement1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSPTManagement1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlRegisterChecksumIncludingDataInformation1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblRegisterChecksumIncludingDataInformation1,
     .ItemType = 2,
     .KeyCount = 1,
     .RowStatus = {1, "Reg Chksum Inc Data State", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlRegisterTime1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblRegisterTime1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlPIMInformationTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPIMInformationTable1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlStaticRPTableInformation1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblStaticRPTableInformation1,
     .ItemType = 3,
     .KeyCount = 3,
     .RowStatus = {3, "Static RP Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlActiveRPTableInformation1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblActiveRPTableInformation1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlIGMPInterface1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblIGMPInterface1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlIGMPCache1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblIGMPCache1, .ItemType = 2, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlInterfaceTable2[] = {
    {.Kind = TvPanelKind::Table, .Table = tblInterfaceTable2, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlCacheTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblCacheTable1, .ItemType = 2, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlSourceListTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblSourceListTable1, .ItemType = 2, .KeyCount = 3},
};

constexpr TvPanelRecipe pnlRoutePreference2[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblRoutePreference2, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlLayer3TraceRouteControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblLayer3TraceRouteControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "DeviceCtrl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Device Control",
     .Panels = pnlDeviceCtrl1},
    {.Name = "IPForwardingTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IP Forwarding Table",
     .CaptionSeparator = ": ",
     .Panels = pnlIPForwardingTable1},
    {.Name = "IPFilterAddressCtrlTable1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "IP ARP Aging Time",
     .CaptionSeparator = ": ",
     .Panels = pnlIPFilterAddressCtrlTable1},
    {.Name = "IPStaticRoutingTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IP Static Routing Table",
     .CaptionSeparator = ": ",
     .Panels = pnlIPStaticRoutingTable1},
    {.Name = "BOOTPBasicConfiguration1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "BOOTP Basic Configuration",
     .CaptionSeparator = ": ",
     .Panels = pnlBOOTPBasicConfiguration1},
    {.Name = "DHCPServerTable1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "DHCP Server Control: ",
     .Panels = pnlDHCPServerTable1},
    {.Name = "ExcludedAddressTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Excluded Address Table",
     .CaptionSeparator = " : ",
     .Panels = pnlExcludedAddressTable1},
    {.Name = "PoolTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Pool Table: ",
     .Panels = pnlPoolTable1},
    {.Name = "DNSServer1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "DNS Server Address Table: ",
     .Panels = pnlDNSServer1},
    {.Name = "NetBIOSNameServerTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Net BIOS Name Server Table: ",
     .Panels = pnlNetBIOSNameServerTable1},
    {.Name = "DefaultRouterTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Default Router Table: ",
     .Panels = pnlDefaultRouterTable1},
    {.Name = "ManualBindingTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Manual Binding Table",
     .CaptionSeparator = " : ",
     .Panels = pnlManualBindingTable1},
    {.Name = "DynamicBindingTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Dynamic Binding Table: ",
     .Panels = pnlDynamicBindingTable1},
    {.Name = "ConflictIPTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Conflict IP Table: ",
     .Panels = pnlConflictIPTable1},
    {.Name = "DNSBasicConfiguration1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "DNS Basic Configuration",
     .CaptionSeparator = ": ",
     .Panels = pnlDNSBasicConfiguration1},
    {.Name = "DNSCtrlTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "DNS Ctrl Table",
     .CaptionSeparator = ": ",
     .Panels = pnlDNSCtrlTable1},
    {.Name = "RIPManagement1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "RIP Management: ",
     .Panels = pnlRIPManagement1},
    {.Name = "InterfaceTable1",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "OSPF Interface Table : ",
     .Panels = pnlInterfaceTable1,
     .Height = 500},
    {.Name = "HostTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Host Table",
     .CaptionSeparator = ": ",
     .Panels = pnlHostTable1},
    {.Name = "VRRPControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "VRRP Control",
     .CaptionSeparator = ": ",
     .Panels = pnlVRRPControl1},
    {.Name = "VRRPOperation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "VRRP Operations",
     .CaptionSeparator = ": ",
     .Panels = pnlVRRPOperation1},
    {.Name = "VirtualRouteAddress1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Virtual Route Address Table",
     .CaptionSeparator = ": ",
     .Panels = pnlVirtualRouteAddress1},
    {.Name = "VRRPErrorStatistics1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "VRRP Error Statistics Table",
     .CaptionSeparator = ": ",
     .Panels = pnlVRRPErrorStatistics1},
    {.Name = "VirtualRouteStatistics1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Virtual Router Statistics Table",
     .CaptionSeparator = ": ",
     .Panels = pnlVirtualRouteStatistics1},
    {.Name = "PIMIPMulticastRoute1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "PIM IP Multicast Route",
     .CaptionSeparator = ":",
     .Panels = pnlPIMIPMulticastRoute1,
     .Height = 200},
    {.Name = "PIMRPSetTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "PIM RP-Set Table",
     .CaptionSeparator = ":",
     .Panels = pnlPIMRPSetTable1,
     .Height = 200},
    {.Name = "PIMCandidateRPTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "PIM Candidate RP Table",
     .CaptionSeparator = ":",
     .Panels = pnlPIMCandidateRPTable1},
    {.Name = "CBSRInformation1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "C-BSR Information",
     .CaptionSeparator = ":",
     .Panels = pnlCBSRInformation1,
     .Height = 200},
    {.Name = "CBSRTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "C-BSR Table",
     .CaptionSeparator = ":",
     .Panels = pnlCBSRTable1,
     .Height = 200},
    {.Name = "CandidateRPManagement1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "CandidateRP Management",
     .CaptionSeparator = ":",
     .Panels = pnlCandidateRPManagement1},
    {.Name = "SPTManagement1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "SPT Management",
     .CaptionSeparator = ":",
     .Panels = pnlSPTManagement1,
     .Height = 200},
    {.Name = "RegisterChecksumIncludingDataInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Register Checksum Including Data Information",
     .CaptionSeparator = ":",
     .Panels = pnlRegisterChecksumIncludingDataInformation1,
     .Height = 250},
    {.Name = "RegisterTime1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Register Time",
     .CaptionSeparator = ":",
     .Panels = pnlRegisterTime1,
     .Height = 200},
    {.Name = "PIMInformationTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "PIM Information Table",
     .CaptionSeparator = ":",
     .Panels = pnlPIMInformationTable1,
     .Height = 200},
    {.Name = "StaticRPTableInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Static RP Table Information",
     .CaptionSeparator = ":",
     .Panels = pnlStaticRPTableInformation1},
    {.Name = "ActiveRPTableInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Active RP Table Information",
     .CaptionSeparator = ":",
     .Panels = pnlActiveRPTableInformation1},
    {.Name = "IGMPInterface1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Interface Information",
     .CaptionSeparator = ": ",
     .Panels = pnlIGMPInterface1},
    {.Name = "IGMPCache1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Group Information",
     .CaptionSeparator = ": ",
     .Panels = pnlIGMPCache1},
    {.Name = "InterfaceTable2",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IGMP V3 Interface Table",
     .CaptionSeparator = ": ",
     .Panels = pnlInterfaceTable2},
    {.Name = "CacheTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IGMP V3 Cache Table",
     .CaptionSeparator = ": ",
     .Panels = pnlCacheTable1},
    {.Name = "SourceListTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IGMP V3 Source List Table",
     .CaptionSeparator = ": ",
     .Panels = pnlSourceListTable1},
    {.Name = "RoutePreference2",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Route Preference : ",
     .Panels = pnlRoutePreference2},
    {.Name = "Layer3TraceRouteControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Layer3 Trace Route Control",
     .CaptionSeparator = " : ",
     .Panels = pnlLayer3TraceRouteControl1},
};

} // namespace

std::span<const TvWindowRecipe> CatalogLayer3Recipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogLayer3Tables() {
    return kTables;
}
