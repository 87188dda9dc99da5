// Descriptor tables, option lists and window recipes of the "Layer2 Management" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList optDeviceConsoleInUse(TvOptionList::kIntegers, {{2, "in-use"}, {3, "not-in-use"}});
const TvOptionList optFrontPanelLEDMode(TvOptionList::kIntegers,
                                        {{1, "portStatusMode"}, {2, "poeStatusMode"}});
const TvOptionList optCleanAllStatisticCounter(TvOptionList::kIntegers, {{1, "normal"}, {2, "active"}});
const TvOptionList optMediumType(TvOptionList::kIntegers, {{1, "copper"}, {2, "fiber"}});
const TvOptionList optPortType(TvOptionList::kIntegers, {{1, "portType-100Base-TX"},
                                                         {2, "portType-100Base-FX"},
                                                         {3, "portType-100Base-FL"},
                                                         {4, "portType-1000Base-TX"},
                                                         {5, "portType-1000Base-SX"},
                                                         {6, "portType-1000Base-LX"},
                                                         {7, "portType-1000Base-SX-GBIC"},
                                                         {8, "portType-1000Base-LX-GBIC"},
                                                         {9, "portType-1000Base-TX-GBIC"},
                                                         {10, "portType-1000Base-1394"},
                                                         {11, "portType-1000Base-TX-GBIC-COMBO"},
                                                         {12, "portType-1000Base-none-GBIC"},
                                                         {13, "portType-1000Base-SX-MGBIC"},
                                                         {14, "portType-1000Base-LX-MGBIC"},
                                                         {15, "portType-1000Base-TX-MGBIC"},
                                                         {16, "portType-1000Base-none-MGBIC"},
                                                         {17, "portType-SIO"},
                                                         {18, "portType-10G"},
                                                         {19, "portType-10G-xenpak-1310nm"},
                                                         {20, "portType-10G-xenpak-850nm"},
                                                         {21, "portType-10G-xenpak-empty"},
                                                         {22, "portType-10G-xfp-1310nm"},
                                                         {23, "portType-10G-xfp-850nm"},
                                                         {24, "portType-10G-xfp-empty"},
                                                         {25, "portType-none"}});
const TvOptionList optLinkStatus(TvOptionList::kIntegers, {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}});
const TvOptionList optNwayStatus(TvOptionList::kIntegers, {{0, "other"},
                                                           {1, "empty"},
                                                           {2, "link-down"},
                                                           {3, "half-10Mbps"},
                                                           {4, "full-10Mbps"},
                                                           {5, "half-100Mbps"},
                                                           {6, "full-100Mbps"},
                                                           {7, "half-1Gigabps"},
                                                           {8, "full-1Gigabps"},
                                                           {9, "full-10Gigabps"}});
const TvOptionList optModuleType(TvOptionList::kIntegers, {{0, "none"},
                                                           {1, "moduleType-COMBO"},
                                                           {2, "moduleType-1394"},
                                                           {3, "moduleType-1000T"},
                                                           {4, "moduleType-MGBIC"},
                                                           {5, "moduleType-1P-SC-SX"},
                                                           {6, "moduleType-2P-SC-SX"},
                                                           {7, "moduleType-1P-SC-LX"},
                                                           {8, "moduleType-2P-SC-LX"},
                                                           {9, "moduleType-1P-TX"},
                                                           {10, "moduleType-2P-TX"},
                                                           {11, "moduleType-1P-MTRJ-SX"},
                                                           {12, "moduleType-2P-MTRJ-SX"},
                                                           {13, "moduleType-1P-MTRJ-LX"},
                                                           {14, "moduleType-2P-MTRJ-LX"},
                                                           {15, "moduleType-1P-GBIC"},
                                                           {16, "moduleType-2P-GBIC"},
                                                           {17, "moduleType-1P-GBIC-1P-TX"},
                                                           {18, "moduleType-1P-GBIC-1P-STACK"},
                                                           {19, "moduleType-2P-STACK"},
                                                           {20, "moduleType-2P-100FX"},
                                                           {21, "moduleType-1P-100FX"},
                                                           {22, "moduleType-2P-100FX-NEW"},
                                                           {23, "moduleType-1P-100FL"},
                                                           {24, "moduleType-2P-100FL"},
                                                           {25, "moduleType-2P-100TX"},
                                                           {26, "moduleType-BaseModule-24PORT"}});
const TvOptionList optErrorDisabled(TvOptionList::kIntegers,
                                    {{0, "none"}, {1, "storm"}, {2, "lbd"}, {3, "unknow"}});
const TvOptionList optSNwayState(TvOptionList::kIntegers, {{1, "other"},
                                                           {2, "nway-enabled"},
                                                           {3, "nway-disabled-10Mbps-Half"},
                                                           {4, "nway-disabled-10Mbps-Full"},
                                                           {5, "nway-disabled-100Mbps-Half"},
                                                           {6, "nway-disabled-100Mbps-Full"},
                                                           {7, "nway-disabled-1Gigabps-Half"},
                                                           {8, "nway-disabled-1Gigabps-Full"},
                                                           {9, "nway-disabled-1Gigabps-Full-master"},
                                                           {10, "nway-disabled-1Gigabps-Full-slave"}});
const TvOptionList optMulticastFilter(TvOptionList::kIntegers, {{1, "forward-all-groups"},
                                                                {2, "forward-unregistered-groups"},
                                                                {3, "filter-unregistered-groups"}});
const TvOptionList optTrunkAlgorithm(TvOptionList::kIntegers, {{2, "mac-source"},
                                                               {3, "mac-destination"},
                                                               {4, "mac-source-dest"},
                                                               {5, "ip-source"},
                                                               {6, "ip-destination"},
                                                               {7, "ip-source-dest"}});
const TvOptionList optTrunkType(TvOptionList::kIntegers, {{2, "static"}, {3, "lacp"}});
const TvOptionList optSecurityMode(TvOptionList::kIntegers,
                                   {{2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}});
const TvOptionList optIgmpQuerierState(TvOptionList::kIntegers, {{2, "querier"}, {3, "non-querier"}});
const TvOptionList optPortAccessState(TvOptionList::kIntegers, {{1, "permit"}, {2, "deny"}});
const TvOptionList optTrapCtrl(TvOptionList::kIntegers,
                               {{1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}});
const TvOptionList optActionStatus(TvOptionList::kIntegers, {{1, "shutdown"}, {2, "drop"}});
const TvOptionList optShutdownForever(TvOptionList::kIntegers, {{1, "yes"}, {2, "no"}});
const TvOptionList optMLDSnoopingCurrentState(TvOptionList::kIntegers,
                                              {{1, "other"}, {2, "querier"}, {3, "non-querier"}});
const TvOptionList optMLDSnoopingControlState(TvOptionList::kIntegers,
                                              {{1, "other"}, {2, "disable"}, {3, "enable"}});
const TvOptionList optLoopbackMode(TvOptionList::kIntegers, {{1, "vlan-based"}, {2, "port-based"}});
const TvOptionList optPortLoopStatus(TvOptionList::kIntegers, {{1, "normal"}, {2, "loop"}, {3, "error"}});

constexpr TvSNMPVarDef tblDeviceInformation1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.1", "System Up Time", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.2", "Total Num Of Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.3", "Num Of Port In Use", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.4", "Console In Use", synInteger, accReadOnly, &optDeviceConsoleInUse},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.5", "Module Type", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.6", "Front Panel LED Mode", synInteger, accReadOnly,
     &optFrontPanelLEDMode},
    {},
};

constexpr TvSNMPVarDef tblPowerInformation1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.8.1.1", "Power Unit Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.8.1.2", "Power ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.1.8.1.3", "Power Status", synInteger, accReadOnly, &optPowerStatus},
    {},
};

constexpr TvSNMPVarDef tblDeviceControl1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.1", "STP State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.2", "IGMP Snooping", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.4", "Clean All Statistic Counter", synInteger, accReadWrite,
     &optCleanAllStatisticCounter},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.5", "VLAN ID Of FDB Table", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.6", "MAC Notify State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.7", "MAC Notify History Size", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.8", "MAC Notify Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.10.1", "Telnet State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.2.10.2", "Telnet Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.3", "Port Control Jumbo Frame", synInteger, accReadWrite,
     &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblAlarmControl1[] = {
    {"1.3.6.1.2.1.11.30", "SNMP Enable Authen Traps", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.3.1", "Alarm New Root", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.3.2", "Alarm Topology Change", synInteger, accReadWrite,
     &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.1.3.3", "Alarm Link Change", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblPortInformationTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.4.4.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.4.1.2", "Medium Type", synInteger, accIndex, &optMediumType},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.4.1.3", "Unit ID", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.4.1.4", "Type", synInteger, accReadOnly, &optPortType},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.4.1.5", "Link Status", synInteger, accReadOnly, &optLinkStatus},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.4.1.6", "Nway Status", synInteger, accReadOnly, &optNwayStatus},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.4.1.7", "Module Type", synInteger, accReadOnly, &optModuleType},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.4.1.8", "Error Disabled", synInteger, accReadOnly, &optErrorDisabled},
    {},
};

constexpr TvSNMPVarDef tblPortControlTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.2", "Medium Type", synInteger, accIndex, &optMediumType},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.3", "Unit Index", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.4", "Admin State", synInteger, accReadWrite,
     &optOtherDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.5", "sNway State", synInteger, accReadWrite, &optSNwayState},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.6", "Flow CtrlState", synInteger, accReadWrite,
     &optOtherDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.7", "Learning State", synInteger, accReadWrite,
     &optOtherDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.8", "MAC Notify State", synInteger, accReadWrite,
     &optOtherDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.4.5.1.9", "Multicast Filter", synInteger, accReadWrite,
     &optMulticastFilter},
    {},
};

constexpr TvSNMPVarDef tblPortTrunkMgmt1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.8.1", "Trunk Max Supported Entries", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.8.2", "Trunk Current Num Entries", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.8.4", "Trunk Algorithm", synInteger, accReadWrite, &optTrunkAlgorithm},
    {},
};

constexpr TvSNMPVarDef tblPortTrunkTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.8.3.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.8.3.1.2", "Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.8.3.1.3", "Master Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.8.3.1.4", "Member", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.8.3.1.5", "Flooding Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.8.3.1.6", "Type", synInteger, accReadWrite, &optTrunkType},
    {"1.3.6.1.4.1.59371.11.69.2.2.8.3.1.7", "State", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblPortMirrorTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.9.1", "Logic Target Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.9.2", "Port Source Ingress", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.9.3", "Port Source Egress", synOctetString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.9.4", "Port State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblPortSecurityTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.14.1.1.1", "Port Index", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.14.1.1.2", "Max Lern Address", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.14.1.1.3", "Security Mode", synInteger, accReadWrite, &optSecurityMode},
    {"1.3.6.1.4.1.59371.11.69.2.2.14.1.1.4", "Admin State", synInteger, accReadWrite, &optEnableDisableFrom2},
    {},
};

constexpr TvSNMPVarDef tblPortSecurityTrapLogState1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.14.2", "Trap Log State", synInteger, accReadWrite, &optEnableDisableFrom2},
    {},
};

constexpr TvSNMPVarDef tblBandwidthControlTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.6.1.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.6.1.1.2", "RX Rate", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.6.1.1.3", "TX Rate", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.6.1.1.4", "RADIUS RX Rate", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.6.1.1.5", "RADIUS TX Rate", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblSchedulingTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.6.2.1.1", "Class Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.6.2.1.2", "Max Pkts", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblN8021pUserPriorityTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.6.3.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.6.3.1.2", "Class", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblN8021pDefaultPriorityTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.6.4.1.1", "Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.6.4.1.2", "Priority", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.6.4.1.3", "RADIUS Priority", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblWREDState1[] = {
    {"1.3.6.1.4.1.59371.12.31.1.1", "WRED State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblWREDAverageTime1[] = {
    {"1.3.6.1.4.1.59371.12.31.3.1.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.31.3.1.1.2", "Average Time", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblWREDControl1[] = {
    {"1.3.6.1.4.1.59371.12.31.3.2.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.31.3.2.1.2", "Class Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.31.3.2.1.3", "Drop Start", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.31.3.2.1.4", "Drop Slope", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblWREDAllPortAverageTime1[] = {
    {"1.3.6.1.4.1.59371.12.31.3.3", "All Port Average Time", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIGMPControl1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.10.1", "Max Supported VLANs", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIGMPControlTable1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.1", "Ctrl VID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.2", "Query Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.3", "Max ResponseT ime", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.4", "Robustness", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.5", "Last Member Query Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.6", "Host Timeout", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.7", "Route Timeout", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.8", "Leave Timer", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.9", "Query State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.10", "Current State", synInteger, accReadOnly, &optIgmpQuerierState},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.11", "Ctrl State", synInteger, accReadWrite, &optDisableEnableFrom2},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.3.1.12", "swL2IGMPFastLeaveState", synInteger, accReadWrite,
     &optDisableEnableFrom2},
    {},
};

constexpr TvSNMPVarDef tblIGMPQueryInformation1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.10.4.1.1", "VID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.4.1.2", "Query Count", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.4.1.3", "TX Query Count", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIGMPManagement[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.10.5.1.1", "VID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.5.1.2", "Group IP Addr", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.5.1.3", "MAC Addr", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.5.1.4", "Port Map", synOctetHex, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.5.1.5", "IP Group Report Count", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblIGMPMulticastVlan1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.10.6.1.1", "ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.6.1.2", "Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.6.1.3", "Source Port", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.6.1.4", "Member Port", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.6.1.5", "Row Status", synInteger, accReadWrite, &optRowStatusPause},
    {},
};

constexpr TvSNMPVarDef tblIGMPRouterPort1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.10.7.1.1", "IGMP Router Port VLAN ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.7.1.2", "IGMP Router Port VLAN Name", synDisplayString, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.7.1.3", "IGMP Router Port Static Port List", synOctetHex, accReadWrite,
     nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.7.1.4", "IGMP Router Port Dynamic Port List", synOctetHex, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.10.7.1.5", "IGMP Router Port Forbidden Port List", synOctetHex,
     accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblTrafficManagement[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.13.1.1.1", "Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.13.1.1.2", "Forward Ports", synOctetString, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblProfileInformation1[] = {
    {"1.3.6.1.4.1.59371.12.53.1.1.1", "Profile Informaiton Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.53.1.1.2", "Profile Infomation Description", synDisplayString, accReadWrite,
     nullptr},
    {"1.3.6.1.4.1.59371.12.53.1.1.3", "Profile Information Row Status", synInteger, accReadWrite,
     &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblProfileControl1[] = {
    {"1.3.6.1.4.1.59371.12.53.2.1.1", "Profile Cotronl Profile Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.53.2.1.2", "Profile Cotronl Star tAddress", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.53.2.1.3", "Profile Cotronl End Address", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.53.2.1.4", "Profile Cotronl Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblPortGroup1[] = {
    {"1.3.6.1.4.1.59371.12.53.3.1.1", "Port Group Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.53.3.1.2", "Port Group Profile ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.53.3.1.3", "Port Group Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblPortAccess1[] = {
    {"1.3.6.1.4.1.59371.12.53.4.1.1", "Port Access Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.53.4.1.2", "Port Access State", synInteger, accReadWrite, &optPortAccessState},
    {},
};

constexpr TvSNMPVarDef tblPortMaxTable1[] = {
    {"1.3.6.1.4.1.59371.12.53.5.1.1", "Port Max Group Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.53.5.1.2", "Port Max Group", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.53.5.1.3", "Port Current Count", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblControlTable3[] = {
    {"1.3.6.1.4.1.59371.12.25.1.2", "Trap Ctrl", synInteger, accReadWrite, &optTrapCtrl},
    {},
};

constexpr TvSNMPVarDef tblManagementTable1[] = {
    {"1.3.6.1.4.1.59371.12.25.3.1.1.1", "Port Index", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.3", "Broadcast Status", synInteger, accReadWrite,
     &optDisabledEnabledFrom1},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.4", "Multicast Status", synInteger, accReadWrite,
     &optDisabledEnabledFrom1},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.5", "Unicast Status", synInteger, accReadWrite, &optDisabledEnabledFrom1},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.6", "Action Status", synInteger, accReadWrite, &optActionStatus},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.7", "Count Down", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.8", "Time Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.9", "Shutdown Forever", synInteger, accReadOnly, &optShutdownForever},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.10", "BCast Threshold", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.11", "MCast Threshold", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.25.3.1.1.12", "Unicast Threshold", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblManagement1[] = {
    {"1.3.6.1.4.1.59371.12.34.1.1", "MLD Snooping Global State", synInteger, accReadWrite,
     &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.34.1.2", "MLD Snooping MCST RT Only", synInteger, accReadWrite,
     &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblControl2[] = {
    {"1.3.6.1.4.1.59371.12.34.3.2.1.1", "MLD Snooping Control VLAN ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.2", "MLD Snooping Query Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.3", "MLD Snooping Max Response Time", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.4", "MLD Snooping Robustness", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.5", "MLD Snooping Last Member Query Interval", synInteger, accReadWrite,
     nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.6", "MLD Snooping Host Timeout", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.7", "MLD Snooping Route Timeout", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.8", "MLD Snooping Done Timer", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.9", "MLD Snooping Query State", synInteger, accReadWrite,
     &optOtherDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.10", "MLD Snooping Current State", synInteger, accReadOnly,
     &optMLDSnoopingCurrentState},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.11", "MLD Snooping Control State", synInteger, accReadWrite,
     &optMLDSnoopingControlState},
    {"1.3.6.1.4.1.59371.12.34.3.2.1.12", "MLD Snooping Fast Done State", synInteger, accReadWrite,
     &optMLDSnoopingControlState},
    {},
};

constexpr TvSNMPVarDef tblGroupInformation1[] = {
    {"1.3.6.1.4.1.59371.12.34.3.3.1.1", "MLD Snooping Group Information VLAN ID", synInteger, accIndex,
     nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.3.1.2", "MLD Snooping Group Informaiton IP Address", synOctet16, accIndex,
     nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.3.1.3", "MLD Snooping Group Informaiton MAC Address", synMacAddress,
     accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.3.1.4", "MLD Snooping Group Informaiton Port Map", synOctetHex, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.3.1.5", "MLD Snooping Group Informaiton Report Count", synInteger,
     accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblRouterPorts1[] = {
    {"1.3.6.1.4.1.59371.12.34.3.4.1.1", "MLD Snooping Router Ports VLAN ID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.4.1.2", "MLD Snooping Router Static Port List", synOctetHex, accReadWrite,
     nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.4.1.3", "MLD Snooping Dynamic Port List", synOctetHex, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.4.1.4", "MLD Snooping Router Forbidden Port List", synOctetHex, accReadWrite,
     nullptr},
    {},
};

constexpr TvSNMPVarDef tblForwardingInformation1[] = {
    {"1.3.6.1.4.1.59371.12.34.3.5.1.1", "MLD Snooping Forwarding Information VID", synInteger, accIndex,
     nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.5.1.2", "MLD Snooping Forwarding Information IP Address", synDisplayString,
     accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.5.1.3", "MLD Snooping Forwarding Information MAC Address", synMacAddress,
     accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.34.3.5.1.4", "MLD Snooping Forwarding Information Port Map", synOctetHex,
     accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblControl3[] = {
    {"1.3.6.1.4.1.59371.12.41.1.1", "Admin State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.41.1.2", "Interval", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.41.1.3", "Recover Time", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.41.1.4", "Mode", synInteger, accReadWrite, &optLoopbackMode},
    {},
};

constexpr TvSNMPVarDef tblPortTable1[] = {
    {"1.3.6.1.4.1.59371.12.41.3.1.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.41.3.1.1.2", "Port State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.41.3.1.1.3", "Port Loop VLAN", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.41.3.1.1.4", "Port Loop Status", synInteger, accReadOnly, &optPortLoopStatus},
    {},
};

constexpr TvTableRef kTables[] = {
    {"DeviceInformation1", 0, tblDeviceInformation1},
    {"PowerInformation1", 0, tblPowerInformation1},
    {"DeviceControl1", 0, tblDeviceControl1},
    {"AlarmControl1", 0, tblAlarmControl1},
    {"PortInformationTable1", 0, tblPortInformationTable1},
    {"PortControlTable1", 0, tblPortControlTable1},
    {"PortTrunkMgmt1", 0, tblPortTrunkMgmt1},
    {"PortTrunkTable1", 0, tblPortTrunkTable1},
    {"PortMirrorTable1", 0, tblPortMirrorTable1},
    {"PortSecurityTable1", 0, tblPortSecurityTable1},
    {"PortSecurityTrapLogState1", 0, tblPortSecurityTrapLogState1},
    {"BandwidthControlTable1", 0, tblBandwidthControlTable1},
    {"SchedulingTable1", 0, tblSchedulingTable1},
    {"N8021pUserPriorityTable1", 0, tblN8021pUserPriorityTable1},
    {"N8021pDefaultPriorityTable1", 0, tblN8021pDefaultPriorityTable1},
    {"WREDState1", 0, tblWREDState1},
    {"WREDAverageTime1", 0, tblWREDAverageTime1},
    {"WREDControl1", 0, tblWREDControl1},
    {"WREDAllPortAverageTime1", 0, tblWREDAllPortAverageTime1},
    {"IGMPControl1", 0, tblIGMPControl1},
    {"IGMPControlTable1", 0, tblIGMPControlTable1},
    {"IGMPQueryInformation1", 0, tblIGMPQueryInformation1},
    {"IGMPManagement", 0, tblIGMPManagement},
    {"IGMPMulticastVlan1", 0, tblIGMPMulticastVlan1},
    {"IGMPRouterPort1", 0, tblIGMPRouterPort1},
    {"TrafficManagement", 0, tblTrafficManagement},
    {"ProfileInformation1", 0, tblProfileInformation1},
    {"ProfileControl1", 0, tblProfileControl1},
    {"PortGroup1", 0, tblPortGroup1},
    {"PortAccess1", 0, tblPortAccess1},
    {"PortMaxTable1", 0, tblPortMaxTable1},
    {"ControlTable3", 0, tblControlTable3},
    {"ManagementTable1", 0, tblManagementTable1},
    {"Management1", 0, tblManagement1},
    {"Control2", 0, tblControl2},
    {"GroupInformation1", 0, tblGroupInformation1},
    {"RouterPorts1", 0, tblRouterPorts1},
    {"ForwardingInformation1", 0, tblForwardingInformation1},
    {"Control3", 0, tblControl3},
    {"PortTable1", 0, tblPortTable1},
};

constexpr TvPanelRecipe pnlDeviceInformation1[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblDeviceInformation1,
     .ItemType = 0,
     .KeyCount = 0,
     .ValueWidth = 180},
};

constexpr TvPanelRecipe pnlPowerInformation1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPowerInformation1, .ItemType = 3, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlDeviceControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblDeviceControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAlarmControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAlarmControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlPortInformationTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortInformationTable1, .ItemType = 2, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlPortControlTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortControlTable1, .ItemType = 2, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlPortTrunkMgmt1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblPortTrunkMgmt1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlPortTrunkTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPortTrunkTable1,
     .ItemType = 2,
     .KeyCount = 1,
     .RowStatus = {6, "State", "createAndGo", "destroy"}},
};

constexpr int bmpPortMirrorTable1[] = {1, 2};
constexpr TvPanelRecipe pnlPortMirrorTable1[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblPortMirrorTable1,
     .ItemType = 0,
     .KeyCount = 0,
     .PortBitmaps = bmpPortMirrorTable1},
};

constexpr TvColumnFormat fmtPortSecurityTable1[] = {{1, "%i{n0x16}"}};
constexpr TvPanelRecipe pnlPortSecurityTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPortSecurityTable1,
     .ItemType = 3,
     .KeyCount = 1,
     .Formats = fmtPortSecurityTable1},
};

constexpr TvPanelRecipe pnlPortSecurityTrapLogState1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblPortSecurityTrapLogState1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvColumnFormat fmtBandwidthControlTable1[] = {{1, "%i{n0x1000000}"}, {2, "%i{n0x1000000}"}};
constexpr TvPanelRecipe pnlBandwidthControlTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblBandwidthControlTable1,
     .ItemType = 3,
     .KeyCount = 1,
     .Formats = fmtBandwidthControlTable1},
};

constexpr TvColumnFormat fmtSchedulingTable1[] = {{1, "%i{n0x15}"}};
constexpr TvPanelRecipe pnlSchedulingTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblSchedulingTable1,
     .ItemType = 3,
     .KeyCount = 1,
     .Formats = fmtSchedulingTable1},
};

constexpr TvColumnFormat fmtN8021pUserPriorityTable1[] = {{1, "%i{n0x7}"}};
constexpr TvPanelRecipe pnlN8021pUserPriorityTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblN8021pUserPriorityTable1,
     .ItemType = 2,
     .KeyCount = 1,
     .Formats = fmtN8021pUserPriorityTable1},
};

constexpr TvColumnFormat fmtN8021pDefaultPriorityTable1[] = {{1, "%i{n0x7}"}};
constexpr TvPanelRecipe pnlN8021pDefaultPriorityTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblN8021pDefaultPriorityTable1,
     .ItemType = 2,
     .KeyCount = 1,
     .Formats = fmtN8021pDefaultPriorityTable1},
};

constexpr TvPanelRecipe pnlWREDState1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblWREDState1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlWREDAverageTime1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblWREDAverageTime1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlWREDControl1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblWREDControl1, .ItemType = 2, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlWREDAllPortAverageTime1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblWREDAllPortAverageTime1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlIGMPControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblIGMPControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlIGMPControlTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblIGMPControlTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlIGMPQueryInformation1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblIGMPQueryInformation1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlIGMPManagement[] = {
    {.Kind = TvPanelKind::Table, .Table = tblIGMPManagement, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlIGMPMulticastVlan1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblIGMPMulticastVlan1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {4, "Row Status", "createAndGo", "destroy"}},
};

constexpr int bmpIGMPRouterPort1[] = {2, 3, 4};
constexpr TvPanelRecipe pnlIGMPRouterPort1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblIGMPRouterPort1,
     .ItemType = 3,
     .KeyCount = 1,
     .PortBitmaps = bmpIGMPRouterPort1},
};

constexpr int bmpTrafficManagement[] = {1};
constexpr TvPanelRecipe pnlTrafficManagement[] = {
    {.PageTitle = "Traffic Segment Table",
     .Kind = TvPanelKind::Table,
     .Table = tblTrafficManagement,
     .ItemType = 2,
     .KeyCount = 1,
     .PortBitmaps = bmpTrafficManagement},
};

constexpr TvPanelRecipe pnlProfileInformation1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblProfileInformation1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {2, "Profile Information Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlProfileControl1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblProfileControl1,
     .ItemType = 3,
     .KeyCount = 3,
     .RowStatus = {3, "Profile Cotronl Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlPortGroup1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPortGroup1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {2, "Port Group Row Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlPortAccess1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortAccess1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvColumnFormat fmtPortMaxTable1[] = {{1, "%i{n1x256l3}"}};
constexpr TvPanelRecipe pnlPortMaxTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPortMaxTable1,
     .ItemType = 3,
     .KeyCount = 1,
     .Formats = fmtPortMaxTable1},
};

constexpr TvPanelRecipe pnlControlTable3[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblControlTable3, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlManagementTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblManagementTable1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlManagement1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblManagement1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlControl2[] = {
    {.Kind = TvPanelKind::Table, .Table = tblControl2, .ItemType = 3, .KeyCount = 1},
};

constexpr int bmpGroupInformation1[] = {3};
constexpr TvPanelRecipe pnlGroupInformation1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblGroupInformation1,
     .ItemType = 2,
     .KeyCount = 2,
     .PortBitmaps = bmpGroupInformation1},
};

constexpr int bmpRouterPorts1[] = {1, 2, 3};
constexpr TvPanelRecipe pnlRouterPorts1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblRouterPorts1,
     .ItemType = 3,
     .KeyCount = 1,
     .PortBitmaps = bmpRouterPorts1},
};

constexpr int bmpForwardingInformation1[] = {3};
constexpr TvPanelRecipe pnlForwardingInformation1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblForwardingInformation1,
     .ItemType = 2,
     .KeyCount = 2,
     .PortBitmaps = bmpForwardingInformation1},
};

constexpr TvPanelRecipe pnlControl3[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblControl3, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlPortTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "DeviceInformation1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Device Information",
     .CaptionSeparator = " : ",
     .Panels = pnlDeviceInformation1},
    {.Name = "PowerInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Device Information Porwer Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPowerInformation1},
    {.Name = "DeviceControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Device Control",
     .CaptionSeparator = " : ",
     .Panels = pnlDeviceControl1},
    {.Name = "AlarmControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Alarm Control",
     .CaptionSeparator = " : ",
     .Panels = pnlAlarmControl1},
    {.Name = "PortInformationTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Information Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPortInformationTable1,
     .Height = 450},
    {.Name = "PortControlTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Control Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPortControlTable1},
    {.Name = "PortTrunkMgmt1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Port Trunk Management",
     .CaptionSeparator = " : ",
     .Panels = pnlPortTrunkMgmt1},
    {.Name = "PortTrunkTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Trunk Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPortTrunkTable1},
    {.Name = "PortMirrorTable1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Mirror Management",
     .Panels = pnlPortMirrorTable1},
    {.Name = "PortSecurityTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Security Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPortSecurityTable1,
     .Height = 450},
    {.Name = "PortSecurityTrapLogState1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Trap Log State : ",
     .Panels = pnlPortSecurityTrapLogState1},
    {.Name = "BandwidthControlTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Bandwidth Control Table",
     .CaptionSeparator = " : ",
     .Panels = pnlBandwidthControlTable1},
    {.Name = "SchedulingTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Scheduling Table",
     .CaptionSeparator = " : ",
     .Panels = pnlSchedulingTable1},
    {.Name = "N8021pUserPriorityTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "802.1p User Priority Table",
     .CaptionSeparator = " : ",
     .Panels = pnlN8021pUserPriorityTable1},
    {.Name = "N8021pDefaultPriorityTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "802.1p Default Priority Table",
     .CaptionSeparator = " : ",
     .Panels = pnlN8021pDefaultPriorityTable1},
    {.Name = "WREDState1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "WRED State : ",
     .Panels = pnlWREDState1},
    {.Name = "WREDAverageTime1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "WRED Average Time",
     .CaptionSeparator = ": ",
     .Panels = pnlWREDAverageTime1},
    {.Name = "WREDControl1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "WRED Control",
     .CaptionSeparator = ": ",
     .Panels = pnlWREDControl1},
    {.Name = "WREDAllPortAverageTime1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "WRED All Port Average Time : ",
     .Panels = pnlWREDAllPortAverageTime1},
    {.Name = "IGMPControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "IGMP Management",
     .CaptionSeparator = " : ",
     .Panels = pnlIGMPControl1},
    {.Name = "IGMPControlTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IGMP Control",
     .CaptionSeparator = " : ",
     .Panels = pnlIGMPControlTable1,
     .Height = 450},
    {.Name = "IGMPQueryInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IGMP Query Information",
     .CaptionSeparator = " : ",
     .Panels = pnlIGMPQueryInformation1,
     .Height = 450},
    {.Name = "IGMPManagement",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IGMP Information",
     .CaptionSeparator = " : ",
     .Panels = pnlIGMPManagement,
     .Height = 450},
    {.Name = "IGMPMulticastVlan1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IGMP Multicast VLAN",
     .CaptionSeparator = " : ",
     .Panels = pnlIGMPMulticastVlan1},
    {.Name = "IGMPRouterPort1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IGMP Router Port",
     .CaptionSeparator = " : ",
     .Panels = pnlIGMPRouterPort1},
    {.Name = "TrafficManagement",
     .Kind = TvRecipeKind::Pages,
     .CaptionTitle = "Traffic Segmentation Table : ",
     .Panels = pnlTrafficManagement},
    {.Name = "ProfileInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Profile Information",
     .CaptionSeparator = ":",
     .Panels = pnlProfileInformation1},
    {.Name = "ProfileControl1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Profile Control",
     .CaptionSeparator = ":",
     .Panels = pnlProfileControl1},
    {.Name = "PortGroup1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Group",
     .CaptionSeparator = ":",
     .Panels = pnlPortGroup1},
    {.Name = "PortAccess1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Access",
     .CaptionSeparator = " : ",
     .Panels = pnlPortAccess1},
    {.Name = "PortMaxTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Max Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPortMaxTable1},
    {.Name = "ControlTable3",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Control Table : ",
     .Panels = pnlControlTable3},
    {.Name = "ManagementTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Management Table",
     .CaptionSeparator = ": ",
     .Panels = pnlManagementTable1},
    {.Name = "Management1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "MLD Snooping Management: ",
     .Panels = pnlManagement1},
    {.Name = "Control2",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MLD Snooping Control: ",
     .Panels = pnlControl2},
    {.Name = "GroupInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MLD Snooping Group Information : ",
     .Panels = pnlGroupInformation1},
    {.Name = "RouterPorts1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MLD Snooping Router Ports  : ",
     .Panels = pnlRouterPorts1,
     .Height = 450,
     .WidthIncrease = 50},
    {.Name = "ForwardingInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MLD Snooping Forwarding Information : ",
     .Panels = pnlForwardingInformation1},
    {.Name = "Control3",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Loopback Detection Control",
     .CaptionSeparator = " : ",
     .Panels = pnlControl3},
    {.Name = "PortTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Loopback Detection Port Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPortTable1},
};

} // namespace

std::span<const TvWindowRecipe> CatalogLayer2Recipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogLayer2Tables() {
    return kTables;
}
