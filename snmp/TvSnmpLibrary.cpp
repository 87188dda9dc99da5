#include "snmp/TvSnmpLibrary.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

std::string SnmpLibraryVersion() {
    const char* version = netsnmp_get_version();
    return version ? version : "";
}
