#include "catalog/CatalogIPWindows.h"

#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList optRouteType(TvOptionList::kIntegers, {{2, "invalid"}, {3, "direct"}, {4, "indirect"}});
const TvOptionList optRouteProto(TvOptionList::kIntegers, {{2, "local"},
                                                           {3, "netmgmt"},
                                                           {4, "icmp"},
                                                           {5, "egp"},
                                                           {6, "ggp"},
                                                           {7, "hello"},
                                                           {8, "rip"},
                                                           {9, "is-is"},
                                                           {10, "es-is"},
                                                           {11, "ciscoIgrp"},
                                                           {12, "bbnSpfIgp"},
                                                           {13, "ospf"},
                                                           {14, "bgp"}});
const TvOptionList optRedistributionSource(TvOptionList::kIntegers,
                                           {{2, "rip"}, {3, "ospf"}, {4, "static"}, {5, "local"}});
const TvOptionList optRedistributionDestination(TvOptionList::kIntegers, {{2, "rip"}, {3, "ospf"}});
const TvOptionList optOspfMettype(TvOptionList::kIntegers, {{1, "type1"}, {2, "type2"}});
const TvOptionList optIpCtrlMode(TvOptionList::kIntegers, {{2, "manual"}, {3, "bootp"}, {4, "dhcp"}});
const TvOptionList optIpCtrlOper(TvOptionList::kIntegers, {{2, "up"}, {3, "down"}});
const TvOptionList optIpCtrlProxyArp(TvOptionList::kIntegers, {{2, "disabled"}, {3, "enabled"}});
const TvOptionList optBootpState(TvOptionList::kIntegers, {{2, "invalid"}, {3, "valid"}});

} // namespace

const TvOptionList optRedistributionType(TvOptionList::kIntegers, {{2, "all"},
                                                                   {3, "type-1"},
                                                                   {4, "type-2"},
                                                                   {5, "internal"},
                                                                   {6, "external"},
                                                                   {7, "inter+E1"},
                                                                   {8, "inter+E2"},
                                                                   {9, "extType1"},
                                                                   {10, "extType2"}});
const TvOptionList
    optIpCtrlAdminState(TvOptionList::kIntegers,
                        {{1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}});

constexpr TvSNMPVarDef kIpRouteTable[] = {
    {"1.3.6.1.2.1.4.21.1.1", "Dest", synIpAddress, accIndex},
    {"1.3.6.1.2.1.4.21.1.2", "IF Index", synInteger, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.3", "Metric1", synInteger, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.4", "Metric2", synInteger, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.5", "Metric3", synInteger, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.6", "Metric4", synInteger, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.7", "Next Hop", synIpAddress, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.8", "Type", synInteger, accReadWrite, &optRouteType},
    {"1.3.6.1.2.1.4.21.1.9", "Proto", synInteger, accReadOnly, &optRouteProto},
    {"1.3.6.1.2.1.4.21.1.10", "Age", synInteger, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.11", "Mask", synIpAddress, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.12", "Metric5", synInteger, accReadWrite},
    {"1.3.6.1.2.1.4.21.1.13", "Info", synObjectId, accReadOnly},
    {nullptr},
};

constexpr TvSNMPVarDef kRouteRedistribution[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.5.1.1", "Source Protocol", synInteger, accIndex, &optRedistributionSource},
    {"1.3.6.1.4.1.59371.11.69.2.3.5.1.2", "Destination Protocol", synInteger, accIndex,
     &optRedistributionDestination},
    {"1.3.6.1.4.1.59371.11.69.2.3.5.1.3", "Type", synInteger, accReadWrite, &optRedistributionType},
    {"1.3.6.1.4.1.59371.11.69.2.3.5.1.4", "Metric", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.11.69.2.3.5.1.5", "RowStatus", synInteger, accReadWrite, &optRowStatus},
    {nullptr},
};

constexpr TvSNMPVarDef kOspfDefaultOriginate[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.12.1", "State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.12.2", "Always", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.11.69.2.3.12.3", "Mettype", synInteger, accReadWrite, &optOspfMettype},
    {"1.3.6.1.4.1.59371.11.69.2.3.12.4", "Metric", synInteger, accReadWrite},
    {nullptr},
};

constexpr TvSNMPVarDef kIpCtrlTable[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.1", "IP Address", synIpAddress, accIndex},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.2", "IF Index", synInteger, accReadOnly},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.3", "Interface Name", synDisplayString, accReadWrite},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.4", "Subnet Mask", synIpAddress, accReadWrite},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.5", "VLAN Name", synDisplayString, accReadWrite},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.6", "Mode", synInteger, accReadWrite, &optIpCtrlMode},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.7", "Secondary", synInteger, accReadWrite, &optTruthValue},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.8", "Admin State", synInteger, accReadWrite, &optIpCtrlAdminState},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.9", "Operational State", synInteger, accReadOnly, &optIpCtrlOper},
    {"1.3.6.1.4.1.59371.11.69.2.3.2.1.1.1.10", "Proxy ARP State", synInteger, accReadWrite,
     &optIpCtrlProxyArp},
    {nullptr},
};

constexpr TvSNMPVarDef kBootpCtrlTable[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.7.1.1", "Interface Name", synDisplayString, accIndex},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.7.1.2", "Bootp Server IP", synIpAddress, accIndex},
    {"1.3.6.1.4.1.59371.11.69.2.3.3.1.7.1.3", "State", synInteger, accReadWrite, &optBootpState},
    {nullptr},
};
