// The engine reads the header of every SNMPv3 datagram before the SNMP library does, and drops what
// answers no request or does not read: a message that reaches the library and that it reads far enough
// to keep a record of its engine ID must have read here, with the same message ID and engine ID, or a
// flood could slip past. So the library's own parser is the reference (test code only: the program
// keeps net-snmp in the engine).
#include "snmp/TvBerReply.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/library/lcd_time.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

netsnmp_session gSession;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    init_snmp("fuzz_engine_id");
    snmp_disable_log();
    snmp_sess_init(&gSession);
    gSession.version = SNMP_DEFAULT_VERSION; // as the engine's session reads: the version from the message
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view datagram(reinterpret_cast<const char*>(data), size);
    const int version = TvBerReply::MessageVersion(datagram);
    TvBerReply::V3Header header;
    const bool v3 = TvBerReply::ReadV3Header(datagram, header);
    if (v3 && (version != 3 || header.EngineId.size() > size))
        std::abort();
    if (TvBerReply reply; reply.Decode(datagram) && reply.Version != version)
        std::abort();

    // The library parses a copy (it may write to what it reads); its records start afresh each time.
    std::vector<u_char> copy(data, data + size);
    auto* pdu = static_cast<netsnmp_pdu*>(std::calloc(1, sizeof(netsnmp_pdu)));
    snmp_parse(nullptr, &gSession, pdu, copy.data(), copy.size());
    // The engine drops an SNMPv3 message it cannot read; one it reads, or takes for another version,
    // reaches the library.
    const bool reachesLibrary = version != 3 || v3;
    if (reachesLibrary && pdu->securityEngineID && pdu->securityEngineIDLen > 0 &&
        search_enginetime_list(pdu->securityEngineID, static_cast<u_int>(pdu->securityEngineIDLen))) {
        const std::string engineId(reinterpret_cast<const char*>(pdu->securityEngineID),
                                   pdu->securityEngineIDLen);
        if (!v3 || header.EngineId != engineId || header.MessageId != pdu->msgid)
            std::abort();
    }
    snmp_free_pdu(pdu);
    free_etimelist();
    return 0;
}
