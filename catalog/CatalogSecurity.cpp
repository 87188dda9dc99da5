// Descriptor tables, option lists and window recipes of the "Security" menu.

#include "catalog/CatalogAreas.h"
#include "catalog/CatalogOptions.h"

namespace {

const TvOptionList
    optSSHSessionKeyRekeying(TvOptionList::kIntegers,
                             {{0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}});
const TvOptionList optCertificateFileControl(TvOptionList::kIntegers,
                                             {{2, "inactive"}, {3, "start"}, {4, "delete"}});
const TvOptionList optCertificateFileShowSatus(TvOptionList::kIntegers,
                                               {{1, "none"}, {2, "rsa"}, {3, "dsa"}});
const TvOptionList optPAEState(TvOptionList::kIntegers, {{1, "initialize"},
                                                         {2, "disconnected"},
                                                         {3, "connecting"},
                                                         {4, "authenticating"},
                                                         {5, "authenticated"},
                                                         {6, "aborting"},
                                                         {7, "held"},
                                                         {8, "forceAuth"},
                                                         {9, "forceUnauth"}});
const TvOptionList optBackendAuthState(TvOptionList::kIntegers, {{1, "request"},
                                                                 {2, "response"},
                                                                 {3, "success"},
                                                                 {4, "fail"},
                                                                 {5, "timeout"},
                                                                 {6, "idle"},
                                                                 {7, "initialize"}});
const TvOptionList optAdminControlledDirections(TvOptionList::kIntegers, {{0, "both"}, {1, "in"}});
const TvOptionList optAuthControlledPortControl(TvOptionList::kIntegers, {{1, "forceUnauthorized"},
                                                                          {2, "auto"},
                                                                          {3, "forceAuthorized"}});
const TvOptionList optAuthenticMethod(TvOptionList::kIntegers,
                                      {{1, "remoteAuthServer"}, {2, "localAuthServer"}});
const TvOptionList optTerminateCause(TvOptionList::kIntegers, {{1, "supplicantLogoff"},
                                                               {2, "portFailure"},
                                                               {3, "supplicantRestart"},
                                                               {4, "reauthFailed"},
                                                               {5, "authControlForceUnauth"},
                                                               {6, "portReInit"},
                                                               {7, "portAdminDisabled"},
                                                               {999, "notTerminatedYet"}});
const TvOptionList optDot1xAuthProtocol(TvOptionList::kIntegers,
                                        {{1, "authProtocolRadiusEap"}, {2, "authProtocolRadiusPap"}});
const TvOptionList optAuthMode(TvOptionList::kIntegers, {{1, "portBase"}, {2, "macBase"}, {3, "none"}});
const TvOptionList optServerIndex(TvOptionList::kIntegers, {{1, "swRadiusServerIndex-first"},
                                                            {2, "swRadiusServerIndex-second"},
                                                            {3, "swRadiusServerIndex-third"}});
const TvOptionList optServiceIndex(TvOptionList::kIntegers, {{1, "acctServiceIndex-network"},
                                                             {2, "acctServiceIndex-exec"},
                                                             {3, "acctServiceIndex-system"}});
const TvOptionList optServiceMethod(TvOptionList::kIntegers, {{1, "swRadiusAcctServiceMethodNone"},
                                                              {2, "swRadiusAcctServiceMethodRadius"}});
const TvOptionList optServiceMode(TvOptionList::kIntegers, {{1, "radiusAcctServiceModeNone"},
                                                            {2, "radiusAcctServiceModeStartStop"},
                                                            {3, "radiusAcctServiceModeStopOnly"}});
const TvOptionList optWebAuthMethod(TvOptionList::kIntegers, {{1, "local"}, {2, "radius"}});
const TvOptionList optWebAuthPortStatus(TvOptionList::kIntegers,
                                        {{1, "unauth"}, {2, "authenticating"}, {3, "authenticated"}});
const TvOptionList optMacAuthPortStatus(
    TvOptionList::kIntegers,
    {{1, "unconnected"}, {2, "connecting"}, {3, "authenticating"}, {4, "authenticated"}, {5, "failure"}});
const TvOptionList optKorvaneStatus(TvOptionList::kIntegers, {{1, "normal"}, {2, "exhausted"}});
const TvOptionList optIpMacTrapLogState(TvOptionList::kIntegers, {{2, "enabled"}, {3, "disabled"}});
const TvOptionList optAllPortState(TvOptionList::kIntegers,
                                   {{2, "enable-strict"}, {3, "disable"}, {4, "enable-loose"}});
const TvOptionList optIpMacBindingAction(TvOptionList::kIntegers, {{1, "inactive"}, {2, "active"}});
const TvOptionList optIpMacBindingMode(TvOptionList::kIntegers, {{1, "ARP"}, {2, "ACL"}, {3, "Auto"}});
const TvOptionList optBlockedType(TvOptionList::kIntegers,
                                  {{1, "other"}, {2, "blockByAddrBind"}, {3, "delete"}});
const TvOptionList optEnableMethodType(TvOptionList::kIntegers, {{1, "tacacs"},
                                                                 {2, "xtacacs"},
                                                                 {3, "tacacs-plus"},
                                                                 {4, "radius"},
                                                                 {5, "server-group"},
                                                                 {7, "local-enable"},
                                                                 {8, "none"},
                                                                 {9, ""}});
const TvOptionList optLoginMethodType(TvOptionList::kIntegers, {{1, "tacacs"},
                                                                {2, "xtacacs"},
                                                                {3, "tacacs-plus"},
                                                                {4, "radius"},
                                                                {5, "server-group"},
                                                                {6, "local"},
                                                                {8, "none"},
                                                                {9, ""}});
const TvOptionList optServerGroupProtocol(
    TvOptionList::kIntegers,
    {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, ""}});
const TvOptionList optAacServerProtocol(TvOptionList::kIntegers,
                                        {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}});

constexpr TvSNMPVarDef tblSSHControl1[] = {
    {"1.3.6.1.4.1.59371.12.6.1.1", "SSH Version", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.6.1.2", "SSH Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.1.3", "SSH Max Auth Fail Attempts", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.6.1.4", "SSH Session Key Rekeying", synInteger, accReadWrite,
     &optSSHSessionKeyRekeying},
    {"1.3.6.1.4.1.59371.12.6.1.5", "SSH Max Session(1..8)", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.6.1.6", "SSH Connection Timeout(120..600)", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.6.1.7", "SSH Listened Port", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblSSHEncryptAlgControl1[] = {
    {"1.3.6.1.4.1.59371.12.6.3.1.1", "3DES Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.2", "Blowfish Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.3", "AES128 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.4", "AES192 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.5", "AES256 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.6", "Arcfour Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.7", "CAST128 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.8", "Twofish128 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.9", "Twofish192 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.1.10", "Twofish256 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblSSHAuthMethodControl1[] = {
    {"1.3.6.1.4.1.59371.12.6.3.2.1", "Password Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.2.2", "Public Key Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.2.3", "Host Key Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblSSHInteAlgControl1[] = {
    {"1.3.6.1.4.1.59371.12.6.3.3.1", "SHA1 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.3.2", "MD5 Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblSSHPublicKeyControl1[] = {
    {"1.3.6.1.4.1.59371.12.6.3.5.1", "RSA Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.6.3.5.2", "DSA Admin", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblSSLCertificateFile1[] = {
    {"1.3.6.1.4.1.59371.12.7.2.1", "Certificate File IP Address", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.7.2.2", "Certificate File Path", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.7.2.3", "Certificate Key File Path", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.7.2.4", "Certificate File Control", synInteger, accReadWrite,
     &optCertificateFileControl},
    {"1.3.6.1.4.1.59371.12.7.2.5", "Certificate File Show Satus", synInteger, accReadOnly,
     &optCertificateFileShowSatus},
    {},
};

constexpr TvSNMPVarDef tblAuthenticationConfiguration1[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Auth Control", synInteger, accReadWrite, &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblPaeSystem[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Number", synInteger, accIndex, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", synGauge32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", synOctetString, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", synInteger, accReadWrite, &optTruthValue},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", synInteger, accReadWrite, &optTruthValue},
    {},
};

constexpr TvSNMPVarDef tblPaeAuthenticator[] = {
    {" ", "PortNumber", synInteger, accIndex, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", synInteger, accReadOnly, &optPAEState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State", synInteger, accReadOnly, &optBackendAuthState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions", synInteger, accReadWrite,
     &optAdminControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Oper Controlled Directions", synInteger, accReadOnly,
     &optAdminControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Auth Controlled PortStatus", synInteger, accReadOnly, &optAuthorized},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Auth Controlled Port Control", synInteger, accReadWrite,
     &optAuthControlledPortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", synGauge32, accReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", synGauge32, accReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", synGauge32, accReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", synGauge32, accReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Req", synGauge32, accReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuth Period", synGauge32, accReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuth Enabled", synInteger, accReadWrite, &optTruthValue},
    {},
};

constexpr TvSNMPVarDef tblAuthenticationStatsTable1[] = {
    {" ", "PortNumber", synInteger, accIndex, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.1", "Eapol Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.2", "Eapol Frames TX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.3", "Eapol Start Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.4", "Eapol Logoff Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.5", "Eapol Resp ID Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.6", "Eapol Resp Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.7", "Eapol Req ID Frames TX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.8", "Eapol Req Frames TX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid Eapol Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.10", "Eap Length Error Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last Eapol Frame Version", synGauge32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last Eapol Frame Source", synMacAddress, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAuthenticationDiagnosticsTable1[] = {
    {" ", "PortNumber", synInteger, accIndex, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EAP Logoffs While Connecting", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth EAP Starts While Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth EAP Logoff While Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth EAP Starts While Authenticated", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth EAP Logoff While Authenticated", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", synCounter32, accReadOnly,
     nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", synCounter32, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAuthenticationSessionStatistics1[] = {
    {" ", "Port Number", synInteger, accIndex, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", synCounter64, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", synCounter64, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", synCounter32, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", synDisplayString, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", synInteger, accReadOnly, &optAuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", synTimeTicks, accReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", synInteger, accReadOnly, &optTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAuthenticationControl2[] = {
    {"1.3.6.1.4.1.59371.12.3.1.1", "auth Protocol", synInteger, accReadOnly, &optDot1xAuthProtocol},
    {"1.3.6.1.4.1.59371.12.3.1.2", "Auth Mode", synInteger, accReadWrite, &optAuthMode},
    {},
};

constexpr TvSNMPVarDef tblRadiusServerTable1[] = {
    {"1.3.6.1.4.1.59371.12.3.2.4.1.1", "Server Index", synInteger, accIndex, &optServerIndex},
    {"1.3.6.1.4.1.59371.12.3.2.4.1.2", "Server IP Addr", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.2.4.1.3", "Server Key", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.3.2.4.1.4", "Auth Port Number", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.2.4.1.5", "Acct Port Number", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.2.4.1.6", "Server Status", synInteger, accReadOnly, &optRowStatusFull},
    {},
};

constexpr TvSNMPVarDef tblRadiusAccountingServiceTable1[] = {
    {"1.3.6.1.4.1.59371.12.3.4.3.1.1", "Service Index", synInteger, accIndex, &optServiceIndex},
    {"1.3.6.1.4.1.59371.12.3.4.3.1.2", "Service Method", synInteger, accReadWrite, &optServiceMethod},
    {"1.3.6.1.4.1.59371.12.3.4.3.1.3", "Service Mode", synInteger, accReadWrite, &optServiceMode},
    {},
};

constexpr TvSNMPVarDef tblRadiusAccountingServerTable1[] = {
    {"1.3.6.1.4.1.59371.12.3.5.3.1.1", "Server Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.2", "Server Address", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.3", "Client Server Port Number", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.4", "Client Round Trip Time", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.5", "Client Requests", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.6", "Client Retransmissions", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.7", "Client Responses", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.8", "Client Malformed Responses", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.9", "Client Bad Authenticators", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.10", "Client Pending Requests", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.11", "Client Timeouts", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.12", "Client Unknown Types", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.5.3.1.13", "Client Packets Dropped", synCounter32, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMACAuthenticationStateTable1[] = {
    {"1.3.6.1.4.1.59371.12.3.6.1.1.1", "PAE MAC Addr", synMacAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.1.1.2", "PAE Port Number", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.1.1.3", "Auth PAE State", synInteger, accReadOnly, &optPAEState},
    {"1.3.6.1.4.1.59371.12.3.6.1.1.4", "Auth Backend Auth State", synInteger, accReadOnly,
     &optBackendAuthState},
    {"1.3.6.1.4.1.59371.12.3.6.1.1.5", "Auth Auth Controlled Port Status", synInteger, accReadOnly,
     &optAuthorized},
    {},
};

constexpr TvSNMPVarDef tblMACAuthenticationStatsTable1[] = {
    {" ", "MAC Addr", synDisplayString, accIndex, nullptr},
    {" ", "Port Number", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.1", "Eapol Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.2", "Eapol Frames TX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.3", "Eapol Start Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.4", "Eapol Logoff Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.5", "Eapol Resp ID Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.6", "Eapol Resp Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.7", "Eapol Req ID Frames TX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.8", "Eapol Req Frames TX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.9", "Invalid Eapol Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.10", "EAP Length Error Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.11", "Last Eapol Frame Version", synGauge32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.2.1.12", "Last Eapol Frame Source", synMacAddress, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMACAuthenticationDiagTable1[] = {
    {" ", "MAC Addr", synDisplayString, accIndex, nullptr},
    {" ", "Port Number", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.1", "Enters Connecting", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.2", "EAP Logoffs While Connecting", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.3", "Enters Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.4", "Auth Success While Authenticating", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.5", "Auth Timeouts While Authenticating", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.6", "Auth Fail While Authenticating", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.7", "Auth Reauths While Authenticating", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.8", "Auth EAP Starts While Authenticating", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.9", "Auth EAP Logoff While Authenticating", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.10", "Auth Reauths While Authenticated", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.11", "Auth EAP Starts While Authenticated", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.12", "Auth EAP Logoff While Authenticated", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.13", "Backend Responses", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.14", "Backend Access Challenges", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.15", "Backend Other Requests To Supplicant", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.16", "Backend Non Nak Responses From Supplicant", synCounter32,
     accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.17", "Backend Auth Successes", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.3.1.18", "Backend Auth Fails", synCounter32, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMACAuthenticationSessionStatsTable1[] = {
    {" ", "MAC Addr", synDisplayString, accIndex, nullptr},
    {" ", "Port Number", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.1", "Octets RX", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.2", "Octets TX", synCounter64, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.3", "Frames RX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.4", "Frames TX", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.5", "ID", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.6", "Authentic Method", synInteger, accReadOnly, &optAuthenticMethod},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.7", "Time", synTimeTicks, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.8", "Terminate Cause", synInteger, accReadOnly, &optTerminateCause},
    {"1.3.6.1.4.1.59371.12.3.6.4.1.9", "User Name", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblRadiusAuthClient[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Invalid Server Addresses", synCounter32, accReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Identifier", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblRadiusAccClient[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Auth Client Invalid Server Addresses", synCounter32, accReadOnly,
     nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Auth Client Identifier", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblGuestVLAN1[] = {
    {"1.3.6.1.4.1.59371.12.30.1.1", "Guest VLAN Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.30.1.2", "Guest VLAN Port", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.30.1.3", "Guest VLAN Delete State", synInteger, accReadWrite, &optNoneStart},
    {},
};

constexpr TvSNMPVarDef tblControlTable2[] = {
    {"1.3.6.1.4.1.59371.12.27.1.1", "Admin State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.27.1.2", "Method", synInteger, accReadWrite, &optWebAuthMethod},
    {"1.3.6.1.4.1.59371.12.27.1.3", "VLAN Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.27.1.4", "All Port State", synInteger, accReadWrite, &optOtherDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.27.1.5", "Redirect Path", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.27.1.6", "Auto Logout", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPortInformationTable2[] = {
    {"1.3.6.1.4.1.59371.12.27.2.1.1.1", "Port", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.27.2.1.1.2", "User Name", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.27.2.1.1.3", "IP Address", synIpAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.27.2.1.1.4", "Status", synInteger, accReadOnly, &optWebAuthPortStatus},
    {"1.3.6.1.4.1.59371.12.27.2.1.1.5", "Assign VID", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPortManagementTable1[] = {
    {"1.3.6.1.4.1.59371.12.27.3.2.1.1", "User Name Index", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.27.3.2.1.2", "User PWD", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.27.3.2.1.3", "User VLAN Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.27.3.2.1.4", "User Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblControlTable4[] = {
    {"1.3.6.1.4.1.59371.12.35.1.1", "State", synInteger, accReadWrite, &optDisabledEnabledFrom1},
    {"1.3.6.1.4.1.59371.12.35.1.2", "Method", synInteger, accReadWrite, &optWebAuthMethod},
    {"1.3.6.1.4.1.59371.12.35.1.3", "Password", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.35.1.4", "Guest VLAN Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.35.1.5", "Guest Member Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.35.1.7", "VLAN Name Del State", synInteger, accReadWrite, &optNoneStart},
    {},
};

constexpr TvSNMPVarDef tblPortInformationTable3[] = {
    {"1.3.6.1.4.1.59371.12.35.2.1.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.35.2.1.1.2", "MAC Index", synMacAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.35.2.1.1.3", "Status", synInteger, accReadOnly, &optMacAuthPortStatus},
    {"1.3.6.1.4.1.59371.12.35.2.1.1.4", "Assign VLAN Name", synDisplayString, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblPortManagementTable2[] = {
    {"1.3.6.1.4.1.59371.12.35.3.1.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.35.3.1.1.2", "State", synInteger, accReadWrite, &optEnabledDisabled},
    {},
};

constexpr TvSNMPVarDef tblDatabaseTable1[] = {
    {"1.3.6.1.4.1.59371.12.35.4.1.1.1", "MAC Index", synMacAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.35.4.1.1.2", "VLAN Name", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.35.4.1.1.3", "Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblAdminState1[] = {
    {"1.3.6.1.4.1.59371.12.19.1.1", "Admin State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblControlState1[] = {
    {"1.3.6.1.4.1.59371.12.19.2.1", "Rising Threshold", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.19.2.2", "Falling Threshold", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.19.2.4", "Alarm Admin State", synInteger, accReadWrite, &optOtherDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.19.2.5", "Current Status", synInteger, accReadOnly, &optKorvaneStatus},
    {"1.3.6.1.4.1.59371.12.19.2.6", "Interval", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblMode1[] = {
    {"1.3.6.1.4.1.59371.12.23.1.1", "Trap Log State", synInteger, accReadWrite, &optIpMacTrapLogState},
    {"1.3.6.1.4.1.59371.12.23.1.2", "ACL Mode", synInteger, accReadWrite, &optIpMacTrapLogState},
    {"1.3.6.1.4.1.59371.12.23.1.4", "DHCP Snoop State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.23.1.5", "Clear All State", synInteger, accReadWrite, &optOtherStart},
    {},
};

constexpr TvSNMPVarDef tblAllPortStateControl1[] = {
    {"1.3.6.1.4.1.59371.12.23.3.1", "All Port State", synInteger, accReadWrite, &optAllPortState},
    {},
};

constexpr TvSNMPVarDef tblEachPortStateControl1[] = {
    {"1.3.6.1.4.1.59371.12.23.3.2.1.1", "Port Index", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.23.3.2.1.2", "Port State", synInteger, accReadWrite, &optAllPortState},
    {"1.3.6.1.4.1.59371.12.23.3.2.1.3", "Port Zero IP State", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.23.3.2.1.4", "Forward DHCP Packet", synInteger, accReadWrite, &optEnabledDisabled},
    {"1.3.6.1.4.1.59371.12.23.3.2.1.5", "DHCP Snoop Max Entry", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.23.3.2.1.6", "Clear Action", synInteger, accReadWrite, &optOtherStart},
    {},
};

constexpr TvSNMPVarDef tblEntryManagement1[] = {
    {"1.3.6.1.4.1.59371.12.23.4.1.1.1", "IP Index", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.1.1.2", "MAC", synMacAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.1.1.3", "Status", synInteger, accReadWrite, &optRowStatus},
    {"1.3.6.1.4.1.59371.12.23.4.1.1.4", "Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.1.1.5", "Action", synInteger, accReadOnly, &optIpMacBindingAction},
    {"1.3.6.1.4.1.59371.12.23.4.1.1.6", "Mode", synInteger, accReadWrite, &optIpMacBindingMode},
    {},
};

constexpr TvSNMPVarDef tblBlockedEntry1[] = {
    {"1.3.6.1.4.1.59371.12.23.4.2.1.1", "Blocked VID", synInteger, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.2.1.2", "Blocked MAC", synMacAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.2.1.3", "Blocked VLAN Name", synDisplayString, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.2.1.4", "Blocked Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.2.1.5", "Blocked Type", synInteger, accReadWrite, &optBlockedType},
    {},
};

constexpr TvSNMPVarDef tblDHCPSnoopTable1[] = {
    {"1.3.6.1.4.1.59371.12.23.4.3.1.1", "DHCP Snoop IP Index", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.3.1.2", "DHCP Snoop MAC", synMacAddress, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.3.1.3", "DHCP Snoop Lease Time", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.3.1.4", "DHCP Snoop Port", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.23.4.3.1.5", "DHCP Snoop Status", synInteger, accReadOnly, &optIpMacBindingAction},
    {},
};

constexpr TvSNMPVarDef tblAuthenticationControl1[] = {
    {"1.3.6.1.4.1.59371.12.5.1.1", "Admin State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblAACControlAdministrationState1[] = {
    {"1.3.6.1.4.1.59371.12.5.1.2.1", "Admin TACACS State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.5.1.2.2", "Admin XTACACS State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.5.1.2.3", "Admin TACACS Plus State", synInteger, accReadWrite,
     &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.5.1.2.4", "Admin RADIUS State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.5.1.2.5", "Admin Local State", synInteger, accReadWrite, &optDisabledEnabled},
    {"1.3.6.1.4.1.59371.12.5.1.2.6", "Admin None State", synInteger, accReadWrite, &optDisabledEnabled},
    {},
};

constexpr TvSNMPVarDef tblAACInformationTable1[] = {
    {"1.3.6.1.4.1.59371.12.5.2.1", "Max Login Method List", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.5.2.2", "Max Enable Method List", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.5.2.3", "Max Server Group", synInteger, accReadOnly, nullptr},
    {"1.3.6.1.4.1.59371.12.5.2.4", "Max Server", synInteger, accReadOnly, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAACEnableMethodList1[] = {
    {"1.3.6.1.4.1.59371.12.5.4.1.1", "MethodList Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.5.4.1.2", "Method1 Type", synInteger, accReadWrite, &optEnableMethodType},
    {"1.3.6.1.4.1.59371.12.5.4.1.3", "Method1 Server Group", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.4.1.4", "Method2 Type", synInteger, accReadWrite, &optEnableMethodType},
    {"1.3.6.1.4.1.59371.12.5.4.1.5", "Method2 Server Group", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.4.1.6", "Method3 Type", synInteger, accReadWrite, &optEnableMethodType},
    {"1.3.6.1.4.1.59371.12.5.4.1.7", "Method3 Server Group", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.4.1.8", "Method4 Type", synInteger, accReadWrite, &optEnableMethodType},
    {"1.3.6.1.4.1.59371.12.5.4.1.9", "Method4 Server Group", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.4.1.10", "MethodList Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblAACLoginMethodList1[] = {
    {"1.3.6.1.4.1.59371.12.5.3.1.1", "MethodList Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.5.3.1.2", "Method1 Type", synInteger, accReadWrite, &optLoginMethodType},
    {"1.3.6.1.4.1.59371.12.5.3.1.3", "Method1 Server Group", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.3.1.4", "Method2 Type", synInteger, accReadWrite, &optLoginMethodType},
    {"1.3.6.1.4.1.59371.12.5.3.1.5", "Method2 Server Group", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.3.1.6", "Method3 Type", synInteger, accReadWrite, &optLoginMethodType},
    {"1.3.6.1.4.1.59371.12.5.3.1.7", "Method3 Server Group", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.3.1.8", "Method4 Type", synInteger, accReadWrite, &optLoginMethodType},
    {"1.3.6.1.4.1.59371.12.5.3.1.9", "Method4 Server Group", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.3.1.10", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblAACLoginMethod1[] = {
    {"1.3.6.1.4.1.59371.12.5.7.1.1", "Console Login Method", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.7.1.2", "Telnet Login Method", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.7.1.3", "SSH Login Method", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.7.1.4", "Http Login Method", synDisplayString, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAACEnableMethod1[] = {
    {"1.3.6.1.4.1.59371.12.5.7.2.1", "Console Enable Method", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.7.2.2", "Telnet Enable Method", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.7.2.3", "SSH Enable Method", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.7.2.4", "Http Enable Method", synDisplayString, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAuthenticationParaTable1[] = {
    {"1.3.6.1.4.1.59371.12.5.8.1", "Param Response Timeout", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.8.2", "Param Attempt", synInteger, accReadWrite, nullptr},
    {},
};

constexpr TvSNMPVarDef tblAACServerGroupTable1[] = {
    {"1.3.6.1.4.1.59371.12.5.9.1.1", "Name", synDisplayString, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.2", "IP Addr1", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.3", "Auth Protocol1", synInteger, accReadWrite, &optServerGroupProtocol},
    {"1.3.6.1.4.1.59371.12.5.9.1.4", "IP Addr2", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.5", "Auth Protocol2", synInteger, accReadWrite, &optServerGroupProtocol},
    {"1.3.6.1.4.1.59371.12.5.9.1.6", "IP Addr3", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.7", "Auth Protocol3", synInteger, accReadWrite, &optServerGroupProtocol},
    {"1.3.6.1.4.1.59371.12.5.9.1.8", "IP Addr4", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.9", "Auth Protocol4", synInteger, accReadWrite, &optServerGroupProtocol},
    {"1.3.6.1.4.1.59371.12.5.9.1.10", "IP Addr5", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.11", "Auth Protocol5", synInteger, accReadWrite, &optServerGroupProtocol},
    {"1.3.6.1.4.1.59371.12.5.9.1.12", "IP Addr6", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.13", "Auth Protocol6", synInteger, accReadWrite, &optServerGroupProtocol},
    {"1.3.6.1.4.1.59371.12.5.9.1.14", "IP Addr7", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.15", "Auth Protocol7", synInteger, accReadWrite, &optServerGroupProtocol},
    {"1.3.6.1.4.1.59371.12.5.9.1.16", "IP Addr8", synIpAddress, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.9.1.17", "Auth Protocol8", synInteger, accReadWrite, &optServerGroupProtocol},
    {"1.3.6.1.4.1.59371.12.5.9.1.18", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblAACServerInformation1[] = {
    {"1.3.6.1.4.1.59371.12.5.10.1.1", "IP Addr", synIpAddress, accIndex, nullptr},
    {"1.3.6.1.4.1.59371.12.5.10.1.2", "Auth Protocol", synInteger, accIndex, &optAacServerProtocol},
    {"1.3.6.1.4.1.59371.12.5.10.1.3", "Auth Port", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.10.1.4", "Auth Key", synDisplayString, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.10.1.5", "Timeout", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.10.1.6", "Retry Count", synInteger, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.12.5.10.1.7", "Row Status", synInteger, accReadWrite, &optRowStatus},
    {},
};

constexpr TvSNMPVarDef tblBroadcastSegmentationControl1[] = {
    {"1.3.6.1.4.1.59371.11.69.2.2.13.2.1", "Filter Ports", synOctetHex, accReadWrite, nullptr},
    {"1.3.6.1.4.1.59371.11.69.2.2.13.2.2", "ARP Forward Ports", synOctetHex, accReadWrite, nullptr},
    {},
};

constexpr TvTableRef kTables[] = {
    {"SSHControl1", 0, tblSSHControl1},
    {"SSHEncryptAlgControl1", 0, tblSSHEncryptAlgControl1},
    {"SSHAuthMethodControl1", 0, tblSSHAuthMethodControl1},
    {"SSHInteAlgControl1", 0, tblSSHInteAlgControl1},
    {"SSHPublicKeyControl1", 0, tblSSHPublicKeyControl1},
    {"SSLCertificateFile1", 0, tblSSLCertificateFile1},
    {"AuthenticationConfiguration1", 0, tblAuthenticationConfiguration1},
    {"PaeSystem", 0, tblPaeSystem},
    {"PaeAuthenticator", 0, tblPaeAuthenticator},
    {"AuthenticationStatsTable1", 0, tblAuthenticationStatsTable1},
    {"AuthenticationDiagnosticsTable1", 0, tblAuthenticationDiagnosticsTable1},
    {"AuthenticationSessionStatistics1", 0, tblAuthenticationSessionStatistics1},
    {"AuthenticationControl2", 0, tblAuthenticationControl2},
    {"RadiusServerTable1", 0, tblRadiusServerTable1},
    {"RadiusAccountingServiceTable1", 0, tblRadiusAccountingServiceTable1},
    {"RadiusAccountingServerTable1", 0, tblRadiusAccountingServerTable1},
    {"MACAuthenticationStateTable1", 0, tblMACAuthenticationStateTable1},
    {"MACAuthenticationStatsTable1", 0, tblMACAuthenticationStatsTable1},
    {"MACAuthenticationDiagTable1", 0, tblMACAuthenticationDiagTable1},
    {"MACAuthenticationSessionStatsTable1", 0, tblMACAuthenticationSessionStatsTable1},
    {"RadiusAuthClient", 0, tblRadiusAuthClient},
    {"RadiusAccClient", 0, tblRadiusAccClient},
    {"GuestVLAN1", 0, tblGuestVLAN1},
    {"ControlTable2", 0, tblControlTable2},
    {"PortInformationTable2", 0, tblPortInformationTable2},
    {"PortManagementTable1", 0, tblPortManagementTable1},
    {"ControlTable4", 0, tblControlTable4},
    {"PortInformationTable3", 0, tblPortInformationTable3},
    {"PortManagementTable2", 0, tblPortManagementTable2},
    {"DatabaseTable1", 0, tblDatabaseTable1},
    {"AdminState1", 0, tblAdminState1},
    {"ControlState1", 0, tblControlState1},
    {"Mode1", 0, tblMode1},
    {"AllPortStateControl1", 0, tblAllPortStateControl1},
    {"EachPortStateControl1", 0, tblEachPortStateControl1},
    {"EntryManagement1", 0, tblEntryManagement1},
    {"BlockedEntry1", 0, tblBlockedEntry1},
    {"DHCPSnoopTable1", 0, tblDHCPSnoopTable1},
    {"AuthenticationControl1", 0, tblAuthenticationControl1},
    {"AACControlAdministrationState1", 0, tblAACControlAdministrationState1},
    {"AACInformationTable1", 0, tblAACInformationTable1},
    {"AACEnableMethodList1", 0, tblAACEnableMethodList1},
    {"AACLoginMethodList1", 0, tblAACLoginMethodList1},
    {"AACLoginMethod1", 0, tblAACLoginMethod1},
    {"AACEnableMethod1", 0, tblAACEnableMethod1},
    {"AuthenticationParaTable1", 0, tblAuthenticationParaTable1},
    {"AACServerGroupTable1", 0, tblAACServerGroupTable1},
    {"AACServerInformation1", 0, tblAACServerInformation1},
    {"BroadcastSegmentationControl1", 0, tblBroadcastSegmentationControl1},
};

constexpr TvPanelRecipe pnlSSHControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSSHControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlSSHEncryptAlgControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSSHEncryptAlgControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlSSHAuthMethodControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSSHAuthMethodControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlSSHInteAlgControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSSHInteAlgControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlSSHPublicKeyControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSSHPublicKeyControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlSSLCertificateFile1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblSSLCertificateFile1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAuthenticationConfiguration1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAuthenticationConfiguration1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlPaeSystem[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPaeSystem, .ItemType = 3, .KeyCount = 1},
};

constexpr TvColumnFormat fmtPaeAuthenticator[] = {{7, "%i{n0x65535}"}, {8, "%i{n1x65535}"},
                                                  {9, "%i{n1x65535}"}, {10, "%i{n1x65535}"},
                                                  {11, "%i{n1x10}"},   {12, "%i{n1x65535}"}};
constexpr TvPanelRecipe pnlPaeAuthenticator[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPaeAuthenticator,
     .ItemType = 3,
     .KeyCount = 1,
     .Formats = fmtPaeAuthenticator},
};

constexpr TvPanelRecipe pnlAuthenticationStatsTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblAuthenticationStatsTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlAuthenticationDiagnosticsTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblAuthenticationDiagnosticsTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlAuthenticationSessionStatistics1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblAuthenticationSessionStatistics1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlAuthenticationControl2[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblAuthenticationControl2,
     .ItemType = 0,
     .KeyCount = 0,
     .ValueWidth = 150},
};

constexpr TvPanelRecipe pnlRadiusServerTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblRadiusServerTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlRadiusAccountingServiceTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblRadiusAccountingServiceTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlRadiusAccountingServerTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblRadiusAccountingServerTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlMACAuthenticationStateTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblMACAuthenticationStateTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlMACAuthenticationStatsTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblMACAuthenticationStatsTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlMACAuthenticationDiagTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblMACAuthenticationDiagTable1, .ItemType = 3, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlMACAuthenticationSessionStatsTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblMACAuthenticationSessionStatsTable1,
     .ItemType = 3,
     .KeyCount = 1},
};

constexpr TvPanelRecipe pnlRadiusAuthClient[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblRadiusAuthClient, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlRadiusAccClient[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblRadiusAccClient, .ItemType = 0, .KeyCount = 0},
};

constexpr int bmpGuestVLAN1[] = {1};
constexpr TvPanelRecipe pnlGuestVLAN1[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblGuestVLAN1,
     .ItemType = 0,
     .KeyCount = 0,
     .PortBitmaps = bmpGuestVLAN1},
};

constexpr TvPanelRecipe pnlControlTable2[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblControlTable2, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlPortInformationTable2[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortInformationTable2, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlPortManagementTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblPortManagementTable1,
     .ItemType = 2,
     .KeyCount = 1,
     .RowStatus = {3, "User Status", "createAndGo", "destroy"},
     .Flags = pnlAddOnly},
};

constexpr TvPanelRecipe pnlUserManagementTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortManagementTable1, .ItemType = 2, .KeyCount = 1},
};

constexpr int bmpControlTable4[] = {4};
constexpr TvPanelRecipe pnlControlTable4[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblControlTable4,
     .ItemType = 0,
     .KeyCount = 0,
     .PortBitmaps = bmpControlTable4},
};

constexpr TvPanelRecipe pnlPortInformationTable3[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortInformationTable3, .ItemType = 2, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlPortManagementTable2[] = {
    {.Kind = TvPanelKind::Table, .Table = tblPortManagementTable2, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlDatabaseTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblDatabaseTable1,
     .ItemType = 2,
     .KeyCount = 1,
     .RowStatus = {2, "Status", "createAndGo", "destroy"},
     .Flags = pnlSynchronous},
};

constexpr TvPanelRecipe pnlAdminState1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAdminState1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlControlState1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblControlState1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlMode1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblMode1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAllPortStateControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAllPortStateControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlEachPortStateControl1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblEachPortStateControl1, .ItemType = 3, .KeyCount = 1},
};

constexpr int bmpEntryManagement1[] = {3};
constexpr TvPanelRecipe pnlEntryManagement1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblEntryManagement1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {2, "Status", "createAndGo", "destroy"},
     .PortBitmaps = bmpEntryManagement1},
};

constexpr TvPanelRecipe pnlBlockedEntry1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblBlockedEntry1, .ItemType = 3, .KeyCount = 2},
};

constexpr TvPanelRecipe pnlDHCPSnoopTable1[] = {
    {.Kind = TvPanelKind::Table, .Table = tblDHCPSnoopTable1, .ItemType = 2, .KeyCount = 1},
};

constexpr TvPanelRecipe pnlAuthenticationControl1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAuthenticationControl1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAACControlAdministrationState1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAACControlAdministrationState1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAACInformationTable1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAACInformationTable1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAACEnableMethodList1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblAACEnableMethodList1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {9, "MethodList Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlAACLoginMethodList1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblAACLoginMethodList1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {9, "Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlAACLoginMethod1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAACLoginMethod1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAACEnableMethod1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAACEnableMethod1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAuthenticationParaTable1[] = {
    {.Kind = TvPanelKind::Scalar, .Table = tblAuthenticationParaTable1, .ItemType = 0, .KeyCount = 0},
};

constexpr TvPanelRecipe pnlAACServerGroupTable1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblAACServerGroupTable1,
     .ItemType = 3,
     .KeyCount = 1,
     .RowStatus = {17, "Row Status", "createAndGo", "destroy"}},
};

constexpr TvPanelRecipe pnlAACServerInformation1[] = {
    {.Kind = TvPanelKind::Table,
     .Table = tblAACServerInformation1,
     .ItemType = 3,
     .KeyCount = 2,
     .RowStatus = {6, "Row Status", "createAndGo", "destroy"}},
};

constexpr int bmpBroadcastSegmentationControl1[] = {0, 1};
constexpr TvPanelRecipe pnlBroadcastSegmentationControl1[] = {
    {.Kind = TvPanelKind::Scalar,
     .Table = tblBroadcastSegmentationControl1,
     .ItemType = 0,
     .KeyCount = 0,
     .PortBitmaps = bmpBroadcastSegmentationControl1},
};

constexpr TvWindowRecipe kRecipes[] = {
    {.Name = "SSHControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "SSH Control",
     .CaptionSeparator = " : ",
     .Panels = pnlSSHControl1},
    {.Name = "SSHEncryptAlgControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "SSH Encrypt Algorithm Control",
     .CaptionSeparator = " : ",
     .Panels = pnlSSHEncryptAlgControl1},
    {.Name = "SSHAuthMethodControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "SSH Auth Method Control",
     .CaptionSeparator = " : ",
     .Panels = pnlSSHAuthMethodControl1},
    {.Name = "SSHInteAlgControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "SSH Inte Algorithm Control",
     .CaptionSeparator = " : ",
     .Panels = pnlSSHInteAlgControl1},
    {.Name = "SSHPublicKeyControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "SSH Public Key Control",
     .CaptionSeparator = " : ",
     .Panels = pnlSSHPublicKeyControl1},
    {.Name = "SSLCertificateFile1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "SSL Certificate File",
     .CaptionSeparator = " : ",
     .Panels = pnlSSLCertificateFile1},
    {.Name = "AuthenticationConfiguration1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "802.1X Configuration",
     .CaptionSeparator = " : ",
     .Panels = pnlAuthenticationConfiguration1},
    {.Name = "PaeSystem",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Table",
     .CaptionSeparator = " : ",
     .Panels = pnlPaeSystem},
    {.Name = "PaeAuthenticator",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "802.1X Port Configuration",
     .CaptionSeparator = " : ",
     .Panels = pnlPaeAuthenticator},
    {.Name = "AuthenticationStatsTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Statistics",
     .CaptionSeparator = " : ",
     .Panels = pnlAuthenticationStatsTable1},
    {.Name = "AuthenticationDiagnosticsTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Diagnostics",
     .CaptionSeparator = " : ",
     .Panels = pnlAuthenticationDiagnosticsTable1},
    {.Name = "AuthenticationSessionStatistics1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Session Statistics",
     .CaptionSeparator = " : ",
     .Panels = pnlAuthenticationSessionStatistics1,
     .Flags = wndCounter64Prompt},
    {.Name = "AuthenticationControl2",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Authentication Control",
     .CaptionSeparator = " : ",
     .Panels = pnlAuthenticationControl2},
    {.Name = "RadiusServerTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "RADIUS Server Table",
     .CaptionSeparator = " : ",
     .Panels = pnlRadiusServerTable1},
    {.Name = "RadiusAccountingServiceTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "RADIUS Accounting Service Table",
     .CaptionSeparator = " : ",
     .Panels = pnlRadiusAccountingServiceTable1},
    {.Name = "RadiusAccountingServerTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "RADIUS Accounting Server Table",
     .CaptionSeparator = " : ",
     .Panels = pnlRadiusAccountingServerTable1},
    {.Name = "MACAuthenticationStateTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MAC Authentication State Table",
     .CaptionSeparator = " : ",
     .Panels = pnlMACAuthenticationStateTable1},
    {.Name = "MACAuthenticationStatsTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MAC Authentication Stats Table",
     .CaptionSeparator = " : ",
     .Panels = pnlMACAuthenticationStatsTable1},
    {.Name = "MACAuthenticationDiagTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MAC Authentication Diag Table",
     .CaptionSeparator = " : ",
     .Panels = pnlMACAuthenticationDiagTable1},
    {.Name = "MACAuthenticationSessionStatsTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "MAC Authentication Session Stats Table",
     .CaptionSeparator = " : ",
     .Panels = pnlMACAuthenticationSessionStatsTable1},
    {.Name = "RadiusAuthClient",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "RADIUS Authentication Client",
     .CaptionSeparator = " : ",
     .Panels = pnlRadiusAuthClient},
    {.Name = "RadiusAccClient",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "RADIUS Accounting Client",
     .CaptionSeparator = " : ",
     .Panels = pnlRadiusAccClient},
    {.Name = "GuestVLAN1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Guest VLAN : ",
     .Panels = pnlGuestVLAN1},
    {.Name = "ControlTable2",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Control Table : ",
     .Panels = pnlControlTable2},
    {.Name = "PortInformationTable2",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Information Table",
     .CaptionSeparator = ": ",
     .Panels = pnlPortInformationTable2},
    {.Name = "PortManagementTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "User Management Table",
     .CaptionSeparator = ": ",
     .Panels = pnlPortManagementTable1},
    {.Name = "UserManagementTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "User Management Table",
     .CaptionSeparator = ": ",
     .Panels = pnlUserManagementTable1},
    {.Name = "ControlTable4",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Control Table : ",
     .Panels = pnlControlTable4},
    {.Name = "PortInformationTable3",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Information Table",
     .CaptionSeparator = ": ",
     .Panels = pnlPortInformationTable3},
    {.Name = "PortManagementTable2",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Port Management Table",
     .CaptionSeparator = ": ",
     .Panels = pnlPortManagementTable2},
    {.Name = "DatabaseTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "Database Table",
     .CaptionSeparator = ": ",
     .Panels = pnlDatabaseTable1},
    {.Name = "AdminState1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Korvane Admin State: ",
     .Panels = pnlAdminState1},
    {.Name = "ControlState1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Korvane Control State: ",
     .Panels = pnlControlState1},
    {.Name = "Mode1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "IP-MAC Binding Management",
     .CaptionSeparator = ":",
     .Panels = pnlMode1},
    {.Name = "AllPortStateControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "IP-MAC Binding Global Port State Control",
     .CaptionSeparator = ": ",
     .Panels = pnlAllPortStateControl1},
    {.Name = "EachPortStateControl1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IP-MAC Binding Port State Control",
     .CaptionSeparator = ": ",
     .Panels = pnlEachPortStateControl1},
    {.Name = "EntryManagement1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IP-MAC Binding Entry",
     .CaptionSeparator = ": ",
     .Panels = pnlEntryManagement1},
    {.Name = "BlockedEntry1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "IP-MAC Binding Blocked Entry",
     .CaptionSeparator = ": ",
     .Panels = pnlBlockedEntry1},
    {.Name = "DHCPSnoopTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "DHCP Snoop Table",
     .CaptionSeparator = " : ",
     .Panels = pnlDHCPSnoopTable1,
     .Height = 450},
    {.Name = "AuthenticationControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "AAC Control Table",
     .CaptionSeparator = " : ",
     .Panels = pnlAuthenticationControl1},
    {.Name = "AACControlAdministrationState1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "AAC Control Administration State ",
     .CaptionSeparator = " : ",
     .Panels = pnlAACControlAdministrationState1},
    {.Name = "AACInformationTable1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "AAC Information Table",
     .CaptionSeparator = " : ",
     .Panels = pnlAACInformationTable1},
    {.Name = "AACEnableMethodList1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "AAC Enable Method Table",
     .CaptionSeparator = " : ",
     .Panels = pnlAACEnableMethodList1},
    {.Name = "AACLoginMethodList1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "AAC Login Method Table",
     .CaptionSeparator = " : ",
     .Panels = pnlAACLoginMethodList1},
    {.Name = "AACLoginMethod1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "AAC Login Method",
     .CaptionSeparator = " : ",
     .Panels = pnlAACLoginMethod1},
    {.Name = "AACEnableMethod1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "AAC Enable Method",
     .CaptionSeparator = " : ",
     .Panels = pnlAACEnableMethod1},
    {.Name = "AuthenticationParaTable1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Authentication Parameter Table",
     .CaptionSeparator = " : ",
     .Panels = pnlAuthenticationParaTable1},
    {.Name = "AACServerGroupTable1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "AAC Server Group Table",
     .CaptionSeparator = " : ",
     .Panels = pnlAACServerGroupTable1},
    {.Name = "AACServerInformation1",
     .Kind = TvRecipeKind::Table,
     .CaptionTitle = "AAC Server Information Table",
     .CaptionSeparator = " : ",
     .Panels = pnlAACServerInformation1},
    {.Name = "BroadcastSegmentationControl1",
     .Kind = TvRecipeKind::Scalar,
     .CaptionTitle = "Broadcast Segmentation Control",
     .CaptionSeparator = " : ",
     .Panels = pnlBroadcastSegmentationControl1},
};

} // namespace

std::span<const TvWindowRecipe> CatalogSecurityRecipes() {
    return kRecipes;
}
std::span<const TvTableRef> CatalogSecurityTables() {
    return kTables;
}
