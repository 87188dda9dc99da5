#include "snmp/SNMPGlobals.h"

#include "base/ErrorCatalog.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvBootCounter.h"
#include "snmp/TvSNMPEngine.h"

// Constructed before the connection globals, so destroyed after them.
SnmpEventProcessor gSnmpEventProcessor;
TvSNMPDevice gSNMPDevice;
TvSNMPScope gSNMPScope;
TvSNMPSecurity gSNMPSecurity;
std::int32_t gSNMPTimeout = 0;
bool gSNMPUseGetBulk = true;
int gNotificationPort = -1;

namespace {
const std::string kLocalEngineId = "TvSNMP_PP_Application";
}

void InitSNMPSession(const std::string& directory, bool countBoots) {
    TvSNMPEngine::Create();
    if (countBoots)
        CountEngineBoots(directory);

    gSNMPDevice.Address = "127.0.0.1";
    gSNMPDevice.Port = 161;
    gSNMPScope.ContextEngineID.clear();
    gSNMPScope.ContextName.clear();
    gSNMPSecurity.Version = 0;
    gSNMPSecurity.ReadCommunity = "rdcomm";
    gSNMPSecurity.WriteCommunity = "wrtcomm";
    gSNMPSecurity.SecurityModel = 1;
    gSNMPSecurity.SecurityLevel = 1;
    gSNMPSecurity.SecurityName.clear();
    gSNMPSecurity.AuthPassword.clear();
    gSNMPSecurity.PrivPassword.clear();
    gSNMPSecurity.AuthProtocol = 1;
    gSNMPSecurity.PrivProtocol = 1;
    gSNMPTimeout = 100;
    gSNMPUseGetBulk = true;
    gNotificationPort = -1;

    gSnmpEventProcessor.Start();
}

TvSNMPTarget SettingsTarget() {
    TvSNMPTarget t;
    t.Address = gSNMPDevice.Address;
    t.Port = gSNMPDevice.Port;
    t.Version = gSNMPSecurity.Version;
    t.ReadCommunity = gSNMPSecurity.ReadCommunity;
    t.WriteCommunity = gSNMPSecurity.WriteCommunity;
    t.SecurityModel = gSNMPSecurity.SecurityModel;
    t.SecurityLevel = gSNMPSecurity.SecurityLevel;
    t.SecurityName = gSNMPSecurity.SecurityName;
    t.AuthPassword = gSNMPSecurity.AuthPassword;
    t.PrivPassword = gSNMPSecurity.PrivPassword;
    t.AuthProtocol = gSNMPSecurity.AuthProtocol;
    t.PrivProtocol = gSNMPSecurity.PrivProtocol;
    t.ContextEngineID = gSNMPScope.ContextEngineID;
    t.ContextName = gSNMPScope.ContextName;
    t.Timeout = gSNMPTimeout;
    return t;
}

void CountEngineBoots(const std::string& directory) {
    const std::string path = BootCounterPath(directory);
    int boot = 0;
    const int loaded = getBootCounter(path, kLocalEngineId, boot);
    if (loaded != 0 && loaded != -1 && loaded != -2)
        RaiseError(errLoadBootCounter);
    if (loaded != 0)
        boot = 0;
    // snmpEngineBoots stops at its maximum instead of wrapping.
    if (boot < 2147483647)
        ++boot;
    if (saveBootCounter(path, kLocalEngineId, boot) != 0)
        RaiseError(errSaveBootCounter);
    if (TvSNMPEngine* engine = TvSNMPEngine::Instance())
        engine->SetLocalEngine(kLocalEngineId, boot);
}
