#include "snmp/SNMPGlobals.h"

TvSNMPDevice gSNMPDevice;
TvSNMPScope gSNMPScope;
TvSNMPSecurity gSNMPSecurity;
std::int32_t gSNMPTimeout = 0;
