#pragma once

#include <string>

// The version of the SNMP library the program runs with (for the about box and bug reports).
std::string SnmpLibraryVersion();
