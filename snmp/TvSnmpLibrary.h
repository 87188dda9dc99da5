#pragma once

#include <string>

// The version of the SNMP library the program runs with (for the about box and bug reports). Defined
// in the engine's unit, the one that includes the library.
std::string SnmpLibraryVersion();
