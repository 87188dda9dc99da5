#include "profile/ConnectionTexts.h"

#include "snmp/SNMPGlobals.h"

void ConnectionTexts::CopyFromSession() {
    AgentIP = gSNMPDevice.Address;
    AgentPort = std::to_string(gSNMPDevice.Port);
    Version = std::to_string(gSNMPSecurity.Version);
    GetCommStr = gSNMPSecurity.ReadCommunity;
    SetCommStr = gSNMPSecurity.WriteCommunity;
    SecurityModel = std::to_string(gSNMPSecurity.SecurityModel);
    SecurityLevel = std::to_string(gSNMPSecurity.SecurityLevel);
    SecurityName = gSNMPSecurity.SecurityName;
    AuthProtocol = std::to_string(gSNMPSecurity.AuthProtocol);
    PrivProtocol = std::to_string(gSNMPSecurity.PrivProtocol);
    AuthPassword = gSNMPSecurity.AuthPassword;
    PrivPassword = gSNMPSecurity.PrivPassword;
    ContextEngineID = gSNMPScope.ContextEngineID;
    ContextName = gSNMPScope.ContextName;
}
