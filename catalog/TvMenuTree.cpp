#include "catalog/TvMenuTree.h"

#include <vector>

#include "catalog/TvCatalog.h"

namespace {

using enum TvMenuKind;

enum : unsigned { mnSeparator = 1, mnHidden = 2, mnDisabled = 4 };

constexpr TvMenuNode Leaf(const char* caption, const char* name, TvMenuKind kind, unsigned flags = 0) {
    return {.Caption = caption,
            .Name = name,
            .Kind = kind,
            .SeparatorBefore = (flags & mnSeparator) != 0,
            .Hidden = kind == Hidden || (flags & mnHidden) != 0,
            .Disabled = (flags & mnDisabled) != 0};
}

constexpr TvMenuNode Sub(const char* caption, const char* name, std::span<const TvMenuNode> children,
                         unsigned flags = 0) {
    TvMenuNode n = Leaf(caption, name, Submenu, flags);
    n.Children = children;
    return n;
}

constexpr TvMenuNode Win(const char* caption, const char* name, const char* windowClass,
                         const char* windowCaption, unsigned flags = 0) {
    TvMenuNode n = Leaf(caption, name, Window, flags);
    n.Target = windowClass;
    n.WindowCaption = windowCaption;
    return n;
}

// A leaf whose click runs a registered opener that is not a recipe window: a command, a dialog.
constexpr TvMenuNode Cmd(const char* caption, const char* name, TvMenuKind kind, const char* target,
                         unsigned flags = 0) {
    TvMenuNode n = Leaf(caption, name, kind, flags);
    n.Target = target;
    return n;
}

constexpr TvMenuNode Sib(const char* caption, const char* name, const char* argument, unsigned flags = 0) {
    TvMenuNode n = Leaf(caption, name, TvMenuKind::Sibling, flags);
    n.Target = argument;
    return n;
}

// Submenus come before the menus that hold them.

// Trust Host Management
constexpr TvMenuNode kTrustHostManagement1[] = {
    Leaf("Trust Host Delete All State", "TrustHostDeleteAllState1", Scalar),
    Leaf("Trust Host Table", "TrustHostTable1", Table),
};

// Basic
constexpr TvMenuNode kBasic1[] = {
    Leaf("Basic Information", "BasicInformation2", Scalar),
    Leaf("MIB Capabilities", "MibCapabilities1", Table),
    Leaf("CPU Utilization", "CPUUtilization2", Scalar),
    Leaf("Port Utilization", "PortUtilization1", Table),
    Leaf("Basic Configuration", "BasicConfig2", Scalar, mnSeparator),
    Leaf("IP Proto Configuration", "IpProtoConfig1", Scalar),
    Leaf("File Table", "FileTable1", Table),
    Leaf("Agent Notify", "AgentNotify1", Scalar),
    Leaf("Multi Image Information", "MultiImageInformation1", Table),
    Leaf("Dual Configuration", "DualConfiguration1", Table),
    Leaf("FDB Clear All State", "FDBManagement1", Scalar, mnSeparator),
    Leaf("ARP Clear All State", "ARPManagement1", Scalar),
    Sub("Trust Host Management", "TrustHostManagement1", kTrustHostManagement1),
};

// POE Management
constexpr TvMenuNode kPOEManagement1[] = {
    Leaf("POE System Control", "POESystemControl1", Hidden),
    Leaf("POE System Info", "POESystemInfo1", Hidden),
    Leaf("POE Port Control", "POEPortControl1", Hidden),
    Leaf("POE Port Info", "POEPortInfo1", Hidden),
};

// Equipment Management
constexpr TvMenuNode kTimeMIB[] = {
    Win("Basic Information", "BasicInformation1", "TEquipmentBasicInfoForm", nullptr),
    Leaf("Unit Table", "UnitTable1", Table),
    Leaf("Power Table", "PowerTable1", Table),
    Leaf("Fan Table", "FanTable1", Table),
    Sub("POE Management", "POEManagement1", kPOEManagement1, mnHidden),
};

// Time Management
constexpr TvMenuNode kTimeManagement1[] = {
    Win("Current Time", "CurrentTime1", "TCurrentTimeForm", "Current Time: "),
    Leaf("System Time", "SystemTime1", Scalar),
    Leaf("SNTP", "SNTP1", Scalar),
    Win("Daylight Saving Time/Summer Time", "DaylightSavingTimeSummerTime1", "TSummerTimeForm", nullptr),
};

// Access Profile
constexpr TvMenuNode kAccessProfile1[] = {
    Leaf("Ethernet Table", "EthernetTable", Pages),
    Leaf("IP Table", "ACLIPTable", Pages),
    Leaf("Packet Content Table", "PacketTable1", Pages),
    Leaf("IPv6 Table", "IPV61", Pages),
    Leaf("ACL Mask Delete All", "MaskDeleteAll1", Scalar, mnSeparator),
    Leaf("ACL Meter Information", "MeterInformation1", Scalar),
    Win("ACL Meter Table", "MeterTable1", "TACLMeterForm", "ACL Meter Table: "),
};

// CPU Access Profile
constexpr TvMenuNode kCPUAccessProfile1[] = {
    Leaf("CPU Filter Control ", "ACLControl1", Scalar),
    Leaf("CPU Ethernet Table", "CPUEthernetTable1", Pages),
    Leaf("CPU IP Table", "CPUIPTable1", Pages),
    Leaf("CPU Packet Content Table", "CPUPacketCountTable1", Pages),
};

// ACL Management
constexpr TvMenuNode kACLManagement1[] = {
    Sub("Access Profile", "AccessProfile1", kAccessProfile1),
    Sub("CPU Access Profile", "CPUAccessProfile1", kCPUAccessProfile1),
};

// Filter
constexpr TvMenuNode kFilter1[] = {
    Leaf("Filter DHCP Permit Table", "FilterDHCPPermitTable1", Hidden),
    Leaf("Filter DHCP Port Table", "FilterDHCPPortTable1", Hidden),
    Leaf("Filter NetBIOS Table", "FilterNetBIOSTable1", Hidden),
    Leaf("Filter Extensive NetBIOS Table", "FilterExtensiveNetBIOSTable1", Hidden),
    Leaf("Filter CPU Layer3 Control Packet Table", "FilterCPULayer3ControlPacketTable1", Table),
};

// Link Aggregation
constexpr TvMenuNode kLagMIB1[] = {
    Leaf("Port List", "PortList1", Table),
    Leaf("Aggregator Table", "AggregatorTable1", Table),
    Leaf("Aggregation Port Table", "LinkAggregationControl1", Table),
    Leaf("AggPort State Table", "AggPortStateTable1", Hidden),
    Leaf("AggPort Debug Table", "AggPortDebugTable1", Hidden),
};

// IF-MIB
constexpr TvMenuNode kIFMIB1[] = {
    Leaf("General Table", "GeneralTable1", Scalar),
    Leaf("IFX Table", "IFXTable1", Table),
    Leaf("IfStack Table", "IfStackTable1", Hidden),
    Leaf("Receive Address Table", "ReceiveAddressTable1", Hidden),
};

// MIB II
constexpr TvMenuNode kMIBII1[] = {
    Leaf("Information", "MIB2Information", Scalar),
    Leaf("IF Table", "MIB2IFTable", Table, mnSeparator),
    Win("IF Counter", "MIB2IFCounter", "TIF_Counters", nullptr),
    Win("IP Counter", "MIB2IPCounter", "TIP_Counters", nullptr, mnSeparator),
    Win("IP Routing", "MIB2IPRouting", "TIP_Routing", nullptr),
    Leaf("IP Address Table", "MIB2IPAddressTable", Table),
    Win("ICMP Counter", "MIB2ICMPCounter", "TICMP_Counters", nullptr, mnSeparator),
    Win("UDP Counter", "MIB2UDPCounter", "TUDP_Counters", nullptr),
    Win("SNMP Counter", "MIB2SNMPCounter", "TSNMP_Counters", nullptr),
    Leaf("ARP", "ARP1", Table),
};

// Basic Configuration
constexpr TvMenuNode kDevice[] = {
    Sub("Basic ", "Basic1", kBasic1),
    Sub("Equipment Management", "TimeMIB", kTimeMIB),
    Sub("Time Management", "TimeManagement1", kTimeManagement1),
    Sub("ACL Management", "ACLManagement1", kACLManagement1),
    Sub("Filter", "Filter1", kFilter1),
    Sub("Link Aggregation", "LagMIB1", kLagMIB1),
    Sub("IF-MIB", "IFMIB1", kIFMIB1),
    Sub("MIB II", "MIBII1", kMIBII1),
    Sib("dot3 Statistics", "dot3Statistics1", "/TEthernetLike_dot3StatsTable", mnSeparator),
    Leaf("System Log", "SysLog", Pages, mnSeparator),
    Leaf("Refresh Panel", "Refresh", Hidden),
    Cmd("Save Changes", "SaveConfig", Command, "SaveConfig"),
    Leaf("Reset", "Reset1", Scalar),
    Cmd("Reboot", "Reset", Command, "Reboot"),
    Leaf("Exit", "Exit", Hidden, mnDisabled),
};

// Single IP Configuration
constexpr TvMenuNode kSingleIP1[] = {
    Leaf("Single IP Management Information", "Information1", Scalar),
    Leaf("Single IP Control", "Control1", Scalar),
    Win("Single IP MS Table", "MemberSwitch1", "TMSInformationForm", "Member Switch Information Table : "),
    Leaf("Single IP CaS Table", "CandidateSwitch1", Table),
    Leaf("Single IP Group Table", "IPManagementGroup1", Table),
};

// 802.1d
constexpr TvMenuNode kN8021d1[] = {
    Leaf("Information", "BridgeInformation", Scalar),
    Leaf("Port Table", "BridgePortTable", Hidden),
};

// Spanning Tree
constexpr TvMenuNode kSpaningTree1[] = {
    Cmd("STP Control ", "BridgeSTPInformation", SpanningTree, "TSTP_Info"),
    Leaf("Port Table", "BridgeSTPPortTable", Hidden),
    Leaf("Configuration Identification", "ConfigurationIdentification1", Scalar),
    Leaf("Instance Information", "InstanceInformation1", Table),
    Leaf("Port State Information", "PortStateInformation1", Table),
    Leaf("Port MSTP Information", "PortMSTPInformation1", Table),
};

// Transparent Bridge
constexpr TvMenuNode kTransparentBridge1[] = {
    Sib("Forwarding Table", "BridgeForwardingTable", "/TBridge_Forwarding"),
    Leaf("Static Table", "BridgeStaticTable", Hidden),
    Win("Port Counters", "BridgePortCounters", "TTpBridgePortInfo_Table", nullptr),
};

// Bridge
constexpr TvMenuNode kBridge1[] = {
    Leaf("Spanning Tree Algorithm", "SpanningTreeAlgorithm1", Scalar),
    Sub("802.1d ", "N8021d1", kN8021d1),
    Sub("Spanning Tree", "SpaningTree1", kSpaningTree1),
    Sub("Transparent Bridge", "TransparentBridge1", kTransparentBridge1),
};

// 802.1P
constexpr TvMenuNode kN8021P1[] = {
    Leaf("Basic Configure", "BasicConfigure", Scalar),
    Leaf("Priority Information", "PriorityInformation", Table),
    Leaf("GMRP", "GMRP", Hidden),
    Leaf("GARP", "GARP", Table),
    Leaf("Port Capability", "PortCapbility", Pages),
};

// 802.1Q Bridge
constexpr TvMenuNode kN8021QBridge2[] = {
    Leaf("Basic Configure", "BasicConfigure2", Scalar),
    Leaf("Ports Information", "PortInformation1", Table),
    Leaf("LearningConstraintInformation", "LearningConstraintInformation1", Hidden),
};

// 802.1Q
constexpr TvMenuNode kN8021Q1[] = {
    Sub("802.1Q Bridge", "N8021QBridge2", kN8021QBridge2),
    Leaf("Forwarding/Filtering", "ForwardingFiltering1", Table),
    Leaf("802.1Q VLAN", "N8021QVLAN1", Pages),
    Sib("Unicast/Multicast Static Forwarding Table", "UnicastMulticastStaticForwardTable1",
        "/TVLan_Tp8021QStatic"),
};

// DoubleVLAN
constexpr TvMenuNode kDoubleVLAN1[] = {
    Leaf("Global State", "GlobalState1", Scalar),
    Leaf("Control Table", "ControlTable1", Table),
};

// Protocol VLAN
constexpr TvMenuNode kProtocolVLAN1[] = {
    Leaf("Protocol VLAN Group", "ProtocolVLANGroup1", Table),
    Leaf("Protocol VLAN Port", "ProtocolVLANPort1", Table),
};

// VLAN
constexpr TvMenuNode kVLAN1[] = {
    Sub("802.1P", "N8021P1", kN8021P1),
    Sub("802.1Q", "N8021Q1", kN8021Q1),
    Sub("DoubleVLAN", "DoubleVLAN1", kDoubleVLAN1),
    Sub("Protocol VLAN", "ProtocolVLAN1", kProtocolVLAN1),
    Leaf("VLAN  Advertisement Table\n", "VLANAdvertisementTable1", Table),
};

// RMON
constexpr TvMenuNode kRMON1[] = {
    Leaf("RMON State", "S1", Scalar),
    Sib("Statistics", "Statistics1", "/TRmon_Statistics"),
    Sib("History", "History1", "/TRmon_History"),
    Sib("Alarm/Event", "AlarmEvent1", "/TRmon_AlarmEvent"),
};

// EtherLike
constexpr TvMenuNode kOther1[] = {
    Leaf("Stats Table", "dot3Stats", Hidden),
};

// SNMP Target MIB
constexpr TvMenuNode kTARGET[] = {
    Leaf("General Information", "GeneralInformation1", Scalar),
    Leaf("Target Address Table", "TargetAddressTable1", Table),
    Leaf("Target Parameters", "TargetParameters1", Table),
};

// User-based Security Model
constexpr TvMenuNode kUSM[] = {
    Leaf("Statistics", "USMStats", Scalar),
    Leaf("User Table", "USMUserTable", Pages),
};

// View-based Access Control Model
constexpr TvMenuNode kVACM[] = {
    Leaf("Security Group Table", "VACMSecurityToGroupTable", Table),
    Leaf("Access Table", "VACMAccessTable", Table),
    Leaf("View MIB Tree Family Table", "VACMMIBViews1", Pages),
};

// Notifications
constexpr TvMenuNode kNotification1[] = {
    Leaf("Notify Table", "NotifyTable", Table),
    Leaf("Notify Filter Profile Table", "NotifyFilterProfileTable", Table),
    Leaf("Notify Filter Entry Table", "NotifyFilterTable", Table),
};

// Community
constexpr TvMenuNode kCommunityMIB[] = {
    Leaf("Community String Table", "CommunityTable", Table),
    Leaf("Target Address Table", "TargetAddrExtTable", Table),
};

// SNMP V3
constexpr TvMenuNode kSNMPV3[] = {
    Cmd("SNMP Configure", "SNMPConfigure1", SnmpSettings, "TfrmConfigSNMP"),
    Leaf("SNMP Engine", "Engine", Scalar),
    Leaf("Message Processing and Dispatching", "MPD", Scalar),
    Sub("SNMP Target MIB", "TARGET", kTARGET),
    Sub("User-based Security Model", "USM", kUSM),
    Sub("View-based Access Control Model", "VACM", kVACM),
    Sub("Notifications", "Notification1", kNotification1),
    Sub("Community", "CommunityMIB", kCommunityMIB),
};

// SSH
constexpr TvMenuNode kSSH1[] = {
    Leaf("SSH Control", "SSHControl1", Scalar),
    Leaf("SSH Encrypt Algorithm Control", "SSHEncryptAlgControl1", Scalar),
    Leaf("SSH Auth Method Control", "SSHAuthMethodControl1", Scalar),
    Leaf("SSH Inte Algorithm Control", "SSHInteAlgControl1", Scalar),
    Leaf("SSH Public Key Control", "SSHPublicKeyControl1", Scalar),
};

// SSL
constexpr TvMenuNode kSSL1[] = {
    Win("SSL Control", "SSLControl1", "TSSLManagementForm", "SSL Control Table : "),
    Leaf("SSL Certificate File", "SSLCertificateFile1", Scalar),
};

// RADIUS Server
constexpr TvMenuNode kRadiusClientMIB[] = {
    Leaf("Authentication Control", "AuthenticationControl2", Scalar),
    Leaf("RADIUS Server Table", "RadiusServerTable1", Table),
    Leaf("Authentication Information", "AuthenticationInformation1", Hidden),
    Leaf("RADIUS Authentication Server Table", "RadiusAuthenticationServerTable1", NoAction),
    Leaf("RADIUS Accounting Control", "RadiusAccountingControl1", Hidden),
    Leaf("RADIUS Accounting Service Table", "RadiusAccountingServiceTable1", Table),
    Leaf("RADIUS Accounting Information", "RadiusAccountingInformation1", Hidden),
    Leaf("RADIUS Accounting Server Table", "RadiusAccountingServerTable1", Table),
    Leaf("MAC Authentication Base State Info", "MACAuthenticationBaseStateInfo1", Hidden),
    Leaf("MAC Authentication State Table", "MACAuthenticationStateTable1", Table),
    Leaf("MAC Authentication Stats Table", "MACAuthenticationStatsTable1", Table),
    Leaf("MAC Authentication Diag Table", "MACAuthenticationDiagTable1", Table),
    Leaf("MAC Authentication Session Stats Table", "MACAuthenticationSessionStatsTable1", Table),
    Leaf("RADIUS Authentication Client", "RadiusAuthClient", Scalar),
    Leaf("RADIUS Authentication Server Table", "RadiusAuthenticationServerTable2", Hidden),
    Leaf("RADIUS Accounting Client", "RadiusAccClient", Scalar),
    Leaf("RADIUS Accounting Server Table", "RadiusAccountingServerTable2", Hidden),
};

// Web-based Access Control
constexpr TvMenuNode kWEBbasedAuthentication1[] = {
    Leaf("Control Table", "ControlTable2", Scalar),
    Leaf("Port Information Table", "PortInformationTable2", Table),
    Leaf("Port Management Table", "PortManagementTable1", Table),
    Leaf("User Management Table", "UserManagementTable1", Table),
};

// MAC -based Access Control
constexpr TvMenuNode kMACbasedAccessControl1[] = {
    Leaf("Control Table", "ControlTable4", Scalar),
    Leaf("Port Information Table", "PortInformationTable3", Table),
    Leaf("Port Management Table", "PortManagementTable2", Table),
    Leaf("Database Table", "DatabaseTable1", Table),
};

// 802.1X
constexpr TvMenuNode kAuth[] = {
    Leaf("Auth Control", "TarvoAuth", Hidden),
    Leaf("Authentication Configuration", "AuthenticationConfiguration1", Scalar),
    Leaf("PAE Port Table", "PaeSystem", Table),
    Leaf("Authentication Configuration Table", "PaeAuthenticator", Table),
    Leaf("Authentication Stats Table", "AuthenticationStatsTable1", Table),
    Leaf("Authentication Diagnostics Table", "AuthenticationDiagnosticsTable1", Table),
    Leaf("Authentication Session Statistics", "AuthenticationSessionStatistics1", Table),
    Leaf("Supplicant Config Table", "PaeSupplicant", Hidden),
    Leaf("Supplicant Stats Table", "SupplicantStatsTable1", Hidden),
    Sub("RADIUS Server", "RadiusClientMIB", kRadiusClientMIB, mnSeparator),
    Leaf("Mac Auth", "MacAuth1", Hidden),
    Leaf("Guest VLAN", "GuestVLAN1", Scalar),
    Sub("Web-based Access Control", "WEBbasedAuthentication1", kWEBbasedAuthentication1),
    Sub("MAC -based Access Control", "MACbasedAccessControl1", kMACbasedAccessControl1),
};

// Korvane
constexpr TvMenuNode kKorvane1[] = {
    Leaf("Admin State", "AdminState1", Scalar),
    Leaf("Control State", "ControlState1", Scalar),
};

// IP-MAC Binding
constexpr TvMenuNode kIPMACBinding1[] = {
    Leaf("IP-MAC Binding Management", "Mode1", Scalar),
    Leaf("Global Port State Control", "AllPortStateControl1", Scalar),
    Leaf("Each Port State Control", "EachPortStateControl1", Table),
    Leaf("Entry Management", "EntryManagement1", Table, mnSeparator),
    Leaf("Blocked Entry", "BlockedEntry1", Table),
    Leaf("DHCP Snoop Table", "DHCPSnoopTable1", Table),
};

// Access Control Information
constexpr TvMenuNode kAACManagement1[] = {
    Leaf("AAC Control", "AuthenticationControl1", Scalar),
    Leaf("AAC Control Administration State", "AACControlAdministrationState1", Scalar),
    Leaf("AAC Info", "AACInformationTable1", Scalar),
    Leaf("AAC Enable Method List", "AACEnableMethodList1", Table),
    Leaf("AAC Login Method List", "AACLoginMethodList1", Table),
    Leaf("AAC Login Method", "AACLoginMethod1", Scalar),
    Leaf("AAC Enable Method", "AACEnableMethod1", Scalar),
    Leaf("Authentication Para Table", "AuthenticationParaTable1", Scalar),
    Leaf("AAC Server Group Table", "AACServerGroupTable1", Table),
    Leaf("AAC Server Information", "AACServerInformation1", Table),
    Win("AAC  Server Control Table", "AACServerControlTable1", "TfrmACCServerCtrl",
        "ACC Server Control Table : "),
};

// Security
constexpr TvMenuNode kSecurity1[] = {
    Sub("SSH", "SSH1", kSSH1),
    Sub("SSL", "SSL1", kSSL1),
    Sub("802.1X", "Auth", kAuth),
    Sub("Korvane", "Korvane1", kKorvane1),
    Sub("IP-MAC Binding", "IPMACBinding1", kIPMACBinding1),
    Sub("Access Control Information", "AACManagement1", kAACManagement1),
    Leaf("Broadcast Segmentation Control", "BroadcastSegmentationControl1", Scalar),
};

// Device Management
constexpr TvMenuNode kDeviceManagemnet[] = {
    Leaf("Device Information", "DeviceInformation1", Scalar),
    Leaf("Stack Information ", "StackInformation1", Hidden),
    Leaf("Power Information", "PowerInformation1", Table),
    Leaf("Device Control", "DeviceControl1", Scalar),
    Leaf("Alarm Control", "AlarmControl1", Scalar),
};

// Port Management
constexpr TvMenuNode kPortManagement[] = {
    Leaf("Port Information Table", "PortInformationTable1", Table),
    Leaf("Port Control Table", "PortControlTable1", Table),
    Leaf("Port Trunk Mgmt", "PortTrunkMgmt1", Scalar),
    Leaf("Port Trunk Table", "PortTrunkTable1", Table),
    Leaf("Port Mirror Table", "PortMirrorTable1", Scalar),
    Leaf("Port Security Table", "PortSecurityTable1", Table),
    Leaf("Port Security Trap Log State", "PortSecurityTrapLogState1", Scalar),
};

// WRED
constexpr TvMenuNode kWRED1[] = {
    Leaf("WRED State", "WREDState1", Scalar),
    Leaf("WRED Average Time", "WREDAverageTime1", Table),
    Leaf("WRED Control", "WREDControl1", Table),
    Leaf("WRED All Port Average Time", "WREDAllPortAverageTime1", Scalar),
};

// QoS Management
constexpr TvMenuNode kQOSManagement1[] = {
    Leaf("Bandwidth Control Table", "BandwidthControlTable1", Table),
    Leaf("Scheduling Table", "SchedulingTable1", Table),
    Leaf("802.1p User Priority Table", "N8021pUserPriorityTable1", Table),
    Leaf("802.1p Default Priority Table", "N8021pDefaultPriorityTable1", Table),
    Sub("WRED", "WRED1", kWRED1),
};

// IGMP Snooping
constexpr TvMenuNode kIGMPSnooping1[] = {
    Leaf("IGMP Management", "IGMPControl1", Scalar),
    Leaf("IGMP Control Table", "IGMPControlTable1", Table),
    Leaf("IGMP Query Information", "IGMPQueryInformation1", Table),
    Leaf("IGMP Information", "IGMPManagement", Table),
    Leaf("IGMP Multicast VLAN", "IGMPMulticastVlan1", Table),
    Leaf("IGMP Router Port", "IGMPRouterPort1", Table),
};

// Multicast Filter Management
constexpr TvMenuNode kMulticastFilterManagement1[] = {
    Leaf("Profile Information", "ProfileInformation1", Table),
    Leaf("Profile Control", "ProfileControl1", Table),
    Leaf("Port Group", "PortGroup1", Table),
    Leaf("Port Access", "PortAccess1", Table),
    Leaf("Port Max Table", "PortMaxTable1", Table),
};

// MAC Binding Management
constexpr TvMenuNode kMACBindingManagement1[] = {
    Leaf("MAC Binding Port", "MACBindingPort1", Hidden),
    Leaf("MAC Binding Information", "MACBindingInformation1", Hidden),
    Leaf("MAC Binding Blocked", "MACBindingBlocked1", Hidden),
};

// Packet Storm Control
constexpr TvMenuNode kPacketStormControl1[] = {
    Leaf("Control Table", "ControlTable3", Scalar),
    Leaf("Management Table", "ManagementTable1", Table),
};

// MLD Snooping
constexpr TvMenuNode kMLDSnooping1[] = {
    Leaf("Management", "Management1", Scalar),
    Leaf("Control", "Control2", Table),
    Leaf("Group Information", "GroupInformation1", Table),
    Leaf("Router Ports", "RouterPorts1", Table),
    Leaf("Forwarding Information", "ForwardingInformation1", Table),
};

// Loopback Detection
constexpr TvMenuNode kLoopBackDetect1[] = {
    Leaf("Control", "Control3", Scalar),
    Leaf("Port Table", "PortTable1", Table),
};

// Layer2 Management
constexpr TvMenuNode kLayer2[] = {
    Sub("Device Management", "DeviceManagemnet", kDeviceManagemnet),
    Sub("Port Management", "PortManagement", kPortManagement),
    Sub("QoS Management", "QOSManagement1", kQOSManagement1),
    Sub("IGMP Snooping", "IGMPSnooping1", kIGMPSnooping1),
    Leaf("Traffic Segmentation Table ", "TrafficManagement", Pages),
    Sub("Multicast Filter Management", "MulticastFilterManagement1", kMulticastFilterManagement1,
        mnSeparator),
    Sub("MAC Binding Management", "MACBindingManagement1", kMACBindingManagement1, mnHidden),
    Sub("Packet Storm Control", "PacketStormControl1", kPacketStormControl1),
    Sub("MLD Snooping", "MLDSnooping1", kMLDSnooping1, mnSeparator),
    Sub("Loopback Detection", "LoopBackDetect1", kLoopBackDetect1),
};

// IP Management
constexpr TvMenuNode kIPManagement1[] = {
    Win("IP Control Table", "IPControlTable1", "TIpCtrlForm", "IP Control Table : "),
    Leaf("IP Forwarding Table", "IPForwardingTable1", Table),
    Leaf("IP ARP Aging Time", "IPFilterAddressCtrlTable1", Scalar),
    Leaf("IP Static Routing Table", "IPStaticRoutingTable1", Table),
};

// DHCP Server
constexpr TvMenuNode kDHCPServer1[] = {
    Leaf("DHCP Server Table", "DHCPServerTable1", Scalar),
    Leaf("Excluded Address Table", "ExcludedAddressTable1", Table),
    Leaf("Pool Table", "PoolTable1", Table),
    Leaf("DNS Server  Address Table", "DNSServer1", Table),
    Leaf("Net BIOS Name Server Table", "NetBIOSNameServerTable1", Table),
    Leaf("Default Router Table", "DefaultRouterTable1", Table),
    Leaf("Manual Binding Table ", "ManualBindingTable1", Table),
    Leaf("Dynamic Binding Table", "DynamicBindingTable1", Table),
    Leaf("Conflict IP Table", "ConflictIPTable1", Table),
};

// OSPF
constexpr TvMenuNode kOSPFRFC18501[] = {
    Sib("OSPF General", "OSPFGeneral1", "/TLayer3_OSPF"),
    Sib("Area Info", "AreaInfo1", "/TLayer3_Area"),
    Sib("Lsdb  Info", "LsdbInfo1", "/TLayer3_Lsdb"),
    Sib("Neighbor Info", "NeighborInfo1", "/TLayer3_Neighbor"),
    Leaf("Interface Table", "InterfaceTable1", Pages),
    Leaf("Virtual Interface Table", "VirtualInterfaceTable1", Hidden),
    Leaf("Host Table", "HostTable1", Table),
    Leaf("OSPFTrap", "OSPFTrap1", Hidden),
    Leaf("Route Preference", "RoutePreference1", Hidden),
};

// VRRP (RFC2787)
constexpr TvMenuNode kVRRPRFC27871[] = {
    Leaf("VRRP Control", "VRRPControl1", Scalar),
    Leaf("VRRP Operation", "VRRPOperation1", Table, mnSeparator),
    Leaf("Virtual Route Address", "VirtualRouteAddress1", Table),
    Leaf("VRRP Error Statistics", "VRRPErrorStatistics1", Scalar),
    Leaf("Virtual Route Statistics", "VirtualRouteStatistics1", Table),
};

// PIM(RFC2934)
constexpr TvMenuNode kPIM1[] = {
    Sib("PIM Info", "PIMInfo1", "/TLayer3_PIM"),
    Leaf("Rendezvous Points Info", "RendezvousPointsInfo1", Hidden),
    Leaf("PIM IP Multicast Route", "PIMIPMulticastRoute1", Table),
    Leaf("PIM RP-Set Table", "PIMRPSetTable1", Table),
    Leaf("PIM Candidate RP Table", "PIMCandidateRPTable1", Table),
};

// C-BSR Management
constexpr TvMenuNode kCBSRManagement1[] = {
    Leaf("C-BSR Information", "CBSRInformation1", Scalar),
    Leaf("C-BSR Table", "CBSRTable1", Table),
};

// PIM Information
constexpr TvMenuNode kPIMInformation1[] = {
    Leaf("Register Time", "RegisterTime1", Scalar),
    Leaf("PIM Information Table", "PIMInformationTable1", Table),
};

// PIM Management
constexpr TvMenuNode kPIMManagement1[] = {
    Sub("PIM(RFC2934)", "PIM1", kPIM1),
    Sub("C-BSR Management", "CBSRManagement1", kCBSRManagement1),
    Leaf("CandidateRP Management", "CandidateRPManagement1", Scalar),
    Leaf("SPT Management", "SPTManagement1", Scalar),
    Leaf("Register Checksum Including Data Information", "RegisterChecksumIncludingDataInformation1", Table),
    Sub("PIM Information", "PIMInformation1", kPIMInformation1),
    Leaf("Static RP Table Information", "StaticRPTableInformation1", Table),
    Leaf("Active RP Table Information", "ActiveRPTableInformation1", Table),
};

// IGMP
constexpr TvMenuNode kIGMP1[] = {
    Leaf("IGMP Interface", "IGMPInterface1", Table),
    Leaf("IGMP Cache", "IGMPCache1", Table),
    Leaf("Source List", "SourceList1", Hidden),
};

// IGMP V3
constexpr TvMenuNode kIGMPV31[] = {
    Leaf("Interface Table", "InterfaceTable2", Table),
    Leaf("Cache Table", "CacheTable1", Table),
    Leaf("Source List Table", "SourceListTable1", Table),
};

// Layer 3 Management
constexpr TvMenuNode kLayer3Management1[] = {
    Leaf("Device Ctrl", "DeviceCtrl1", Scalar),
    Win("MD5 Information ", "MD5Information1", "TMd5InformationForm", "MD5 Information Table: "),
    Sub("IP Management", "IPManagement1", kIPManagement1),
    Leaf("BOOTP Basic Configuration", "BOOTPBasicConfiguration1", Scalar, mnSeparator),
    Win("BOOTP Ctrl Table", "BOOTPCtrlTable1", "TBOOTCtrlTableForm", "BOOTP Ctrl Table: "),
    Sub("DHCP Server", "DHCPServer1", kDHCPServer1),
    Leaf("DNS Basic Configuration", "DNSBasicConfiguration1", Scalar),
    Leaf("DNS Ctrl Table", "DNSCtrlTable1", Table),
    Win("Route Redistribution Table", "RouteRedistributionTable1", "TRouteRedistributForm", nullptr,
        mnSeparator),
    Leaf("IP Address Filter", "IPAddressFilter1", Hidden),
    Sib("CIDR (RFC2096)", "CIDRRFC20961", "/TLayer3_RIP"),
    Leaf("RIP Management", "RIPManagement1", Scalar),
    Sib("RIP2 (RFC1724)", "RIP2RFC17241", "/TLayer3_RIP2"),
    Sub("OSPF", "OSPFRFC18501", kOSPFRFC18501),
    Sub("VRRP (RFC2787)", "VRRPRFC27871", kVRRPRFC27871),
    Sib("IPMroute", "IpMroute1", "/TLayer3_IPM", mnSeparator),
    Sib("DVMRP", "DVMRP1", "/TLayer3_DVMRP"),
    Sub("PIM Management", "PIMManagement1", kPIMManagement1),
    Sub("IGMP", "IGMP1", kIGMP1),
    Sub("IGMP V3", "IGMPV31", kIGMPV31),
    Leaf("Route Preference", "RoutePreference2", Scalar),
    Win("OSPF Default Information Originate", "OSPFDefaultInformationOriginate1",
        "TOSPFDefaultInfoOriginateForm", "OSPF Default Information Originate: "),
    Leaf("Layer3 Trace Route Control", "Layer3TraceRouteControl1", Scalar),
};

// Help
constexpr TvMenuNode kHelp1[] = {
    Cmd("Help", "H1", Help, "Help"),
    Cmd("About", "About1", About, "TAboutForm"),
};

constexpr TvMenuNode kMenuBar[] = {
    Sub("Basic Configuration", "Device", kDevice),
    Sub("Single IP Configuration", "SingleIP1", kSingleIP1),
    Leaf("RSTP", "RSTP", Hidden),
    Sub("Bridge", "Bridge1", kBridge1),
    Sub("VLAN", "VLAN1", kVLAN1),
    Sub("RMON", "RMON1", kRMON1),
    Sub("EtherLike", "Other1", kOther1, mnHidden),
    Sub("SNMP V3", "SNMPV3", kSNMPV3),
    Sub("Security ", "Security1", kSecurity1),
    Sub("Layer2 Management", "Layer2", kLayer2),
    Sub("Layer 3 Management", "Layer3Management1", kLayer3Management1),
    Sub("Help", "Help1", kHelp1),
};

} // namespace

std::span<const TvMenuNode> TvMenuTree::Bar() {
    return kMenuBar;
}

namespace {

const TvMenuNode* FindIn(std::span<const TvMenuNode> nodes, std::string_view name) {
    for (const TvMenuNode& n : nodes) {
        if (name == n.Name)
            return &n;
        if (const TvMenuNode* found = FindIn(n.Children, name))
            return found;
    }
    return nullptr;
}

void WalkIn(std::span<const TvMenuNode> nodes, std::vector<const TvMenuNode*>& parents,
            const TvMenuTree::Visitor& visit) {
    for (const TvMenuNode& n : nodes) {
        visit(n, parents);
        if (!n.IsLeaf()) {
            parents.push_back(&n);
            WalkIn(n.Children, parents, visit);
            parents.pop_back();
        }
    }
}

} // namespace

const TvMenuNode* TvMenuTree::Find(std::string_view name) {
    return FindIn(kMenuBar, name);
}

const TvWindowRecipe* TvMenuTree::Recipe(const TvMenuNode& node) {
    return node.IsGeneric() ? TvCatalog::FindRecipe(node.Name) : nullptr;
}

void TvMenuTree::Walk(const Visitor& visit) {
    std::vector<const TvMenuNode*> parents;
    WalkIn(kMenuBar, parents, visit);
}

int TvMenuTree::LeafCount() {
    int n = 0;
    Walk([&n](const TvMenuNode& node, auto) { n += node.IsLeaf() ? 1 : 0; });
    return n;
}
