#pragma once

#include "snmp/TvSNMPDevice.h"
#include "snmp/TvSNMPScope.h"
#include "snmp/TvSNMPSecurity.h"
#include "snmp/TvSNMPTarget.h"

#include <cstdint>
#include <string>

// The connection parameters of the one managed switch. Empty until InitSNMPSession sets the defaults;
// the command line, the device profile and the settings dialog overwrite them; every request copies them.
extern TvSNMPDevice gSNMPDevice;
extern TvSNMPScope gSNMPScope;
extern TvSNMPSecurity gSNMPSecurity;

// Default timeout of every request, in hundredths of a second.
extern std::int32_t gSNMPTimeout;

// Table walks under SNMPv2c and SNMPv3 read many rows per exchange with GETBULK; the command line
// ("/B0") and the device profile ("GetBulk=0") turn it off. On after session initialisation.
extern bool gSNMPUseGetBulk;

// The target record of the settings above: what a new request starts from, with the default timeout.
TvSNMPTarget SettingsTarget();

// The UDP port on which notifications (traps and informs) from the switch are received; -1 (the default)
// receives none. The command line ("/L162") and the device profile ("NotificationPort=162") set it.
extern int gNotificationPort;

// Opens the one SNMP session, loads and raises the engine boots counter kept in `directory`
// (empty: the current folder) and sets the defaults of the globals. Raises -506, -507 or -508.
// Without `countBoots` the counter is left for CountEngineBoots, called once SNMPv3 is known to be used.
void InitSNMPSession(const std::string& directory, bool countBoots = true);

// Loads, raises and saves the engine boots counter kept in `directory` and gives it to the session, as
// InitSNMPSession does. Raises -507 or -508.
void CountEngineBoots(const std::string& directory);
