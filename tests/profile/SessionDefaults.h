#pragma once

#include "snmp/SNMPGlobals.h"

// The settings as session initialisation leaves them, so each case starts where start-up does.
inline void SetSessionDefaults() {
    gSNMPDevice = TvSNMPDevice{"127.0.0.1", 161};
    gSNMPScope = TvSNMPScope{};
    gSNMPSecurity = TvSNMPSecurity{0, "rdcomm", "wrtcomm", 1, 1, "", "", "", 1, 1};
    gSNMPTimeout = 100;
}
