#pragma once

#include "base/TvSNMPVarDef.h"
#include "values/TvOptionList.h"

// Data of the routing, IP interface and BOOTP relay windows: their descriptor tables and option lists.

// ipRouteTable, walked with one key (item type 2): Dest, IF Index, Metric1-4, Next Hop, Type, Proto, Age,
// Mask, Metric5, Info.
extern const TvSNMPVarDef kIpRouteTable[];
inline constexpr int kIpRouteKeys = 1;

// Route redistribution rows keyed by source and destination protocol (item type 3, two keys).
extern const TvSNMPVarDef kRouteRedistribution[];
inline constexpr int kRouteRedistributionKeys = 2;
enum RouteRedistributionItem { rrSource, rrDestination, rrType, rrMetric, rrRowStatus };
// The Type options in their fixed order: 2 "all" ... 10 "extType2".
extern const TvOptionList optRedistributionType;

// OSPF default-route origination: four scalars (item type 0).
extern const TvSNMPVarDef kOspfDefaultOriginate[];
enum OspfDefaultOriginateItem { ooState, ooAlways, ooMettype, ooMetric };

// The IP interface table keyed by its address (item type 2, one key).
extern const TvSNMPVarDef kIpCtrlTable[];
inline constexpr int kIpCtrlKeys = 1;
enum IpCtrlItem {
    icIPAddress,
    icIfIndex,
    icInterfaceName,
    icSubnetMask,
    icVlanName,
    icMode,
    icSecondary,
    icAdminState,
    icOperState,
    icProxyArp,
    icCount
};
extern const TvOptionList optIpCtrlAdminState;

// BOOTP relay servers keyed by interface name and server address (item type 2, two keys).
extern const TvSNMPVarDef kBootpCtrlTable[];
inline constexpr int kBootpCtrlKeys = 2;
enum BootpCtrlItem { bcInterfaceName, bcServerIP, bcState };
// Relay servers one interface may have.
inline constexpr int kBootpServersPerInterface = 4;
