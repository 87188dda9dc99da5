#include "SimAgent.h"

// net-snmp wants its configuration header first.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <sys/select.h>
#include <unistd.h>
#include <utility>

extern "C" void init_vacm_conf(void);     // net-snmp's community/user access tokens (libnetsnmpmibs)
extern "C" netsnmp_session* main_session; // the agent's listening session (not in its headers)

namespace {

SimStore* g_store = nullptr;
bool g_log = false;

// Replies held back by --delay: each leaves its own delay after it was built, so requests in flight
// overlap as they would on a slow link.
using Clock = std::chrono::steady_clock;
struct HeldReply {
    Clock::time_point Due;
    netsnmp_transport* Transport = nullptr;
    std::string Data;
    std::vector<char> Opaque;
};
std::deque<HeldReply> g_held;
int g_delayMs = 0;
bool g_logHeld = false;
const Clock::time_point g_started = Clock::now();
int (*g_send)(netsnmp_transport*, const void*, int, void**, int*) = nullptr;

int HoldReply(netsnmp_transport* t, const void* buf, int size, void** opaque, int* olength) {
    HeldReply h;
    h.Due = Clock::now() + std::chrono::milliseconds(g_delayMs);
    h.Transport = t;
    h.Data.assign(static_cast<const char*>(buf), static_cast<size_t>(size));
    if (opaque && *opaque && olength && *olength > 0)
        h.Opaque.assign(static_cast<char*>(*opaque), static_cast<char*>(*opaque) + *olength);
    g_held.push_back(std::move(h));
    // The replies held at once are the requests the client has in flight: a witness of its bound.
    if (g_logHeld) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - g_started);
        std::printf("HELD    %zu %lld\n", g_held.size(), static_cast<long long>(ms.count()));
        std::fflush(stdout);
    }
    return size;
}

void SendDueReplies() {
    while (!g_held.empty() && g_held.front().Due <= Clock::now()) {
        HeldReply h = std::move(g_held.front());
        g_held.pop_front();
        void* opaque = h.Opaque.empty() ? nullptr : h.Opaque.data();
        int length = static_cast<int>(h.Opaque.size());
        g_send(h.Transport, h.Data.data(), static_cast<int>(h.Data.size()), &opaque, &length);
    }
}

SimOid toSimOid(const oid* name, size_t len) {
    return SimOid(name, name + len);
}

std::string oidText(const SimOid& o) {
    std::string s;
    for (auto v : o)
        s += "." + std::to_string(v);
    return s;
}

void setValue(netsnmp_variable_list* var, const SimValue& v) {
    switch (v.type) {
    case SimType::Integer: {
        long n = static_cast<long>(v.num);
        snmp_set_var_typed_value(var, ASN_INTEGER, &n, sizeof n);
        break;
    }
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks: {
        u_long n = static_cast<u_long>(v.num & 0xFFFFFFFF);
        snmp_set_var_typed_value(var, v.type, &n, sizeof n);
        break;
    }
    case SimType::Counter64: {
        counter64 c;
        auto u = static_cast<std::uint64_t>(v.num);
        c.high = static_cast<u_long>(u >> 32);
        c.low = static_cast<u_long>(u & 0xFFFFFFFF);
        snmp_set_var_typed_value(var, ASN_COUNTER64, &c, sizeof c);
        break;
    }
    case SimType::ObjectId: {
        std::vector<oid> o(v.oid.begin(), v.oid.end());
        snmp_set_var_typed_value(var, ASN_OBJECT_ID, o.data(), o.size() * sizeof(oid));
        break;
    }
    default:
        snmp_set_var_typed_value(var, v.type, v.bytes.data(), v.bytes.size());
    }
}

SimSetVar toSetVar(const netsnmp_variable_list* var) {
    SimSetVar s;
    s.oid = toSimOid(var->name, var->name_length);
    s.type = var->type;
    switch (var->type) {
    case ASN_INTEGER:
        s.num = *var->val.integer;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        s.num = static_cast<std::int64_t>(static_cast<unsigned long>(*var->val.integer) & 0xFFFFFFFFul);
        break;
    case ASN_COUNTER64:
        s.num = static_cast<std::int64_t>((static_cast<std::uint64_t>(var->val.counter64->high) << 32) |
                                          var->val.counter64->low);
        break;
    case ASN_OBJECT_ID:
        s.oidValue.assign(var->val.objid, var->val.objid + var->val_len / sizeof(oid));
        break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
        s.bytes.assign(reinterpret_cast<const char*>(var->val.string), var->val_len);
        break;
    default:
        break;
    }
    return s;
}

// The value of a write as the log shows it: numbers in decimal, octet strings in hex.
std::string valueText(const SimSetVar& v) {
    static const char digits[] = "0123456789ABCDEF";
    switch (v.type) {
    case ASN_OCTET_STR:
    case ASN_OPAQUE: {
        std::string s = "0x";
        for (unsigned char c : v.bytes) {
            s += digits[c >> 4];
            s += digits[c & 0xF];
        }
        return s;
    }
    case ASN_IPADDRESS: {
        std::string s;
        for (unsigned char c : v.bytes)
            s += (s.empty() ? "" : ".") + std::to_string(c);
        return s;
    }
    case ASN_OBJECT_ID:
        return oidText(v.oidValue);
    default:
        return std::to_string(v.num);
    }
}

std::string who(netsnmp_agent_request_info* reqinfo) {
    const netsnmp_pdu* pdu = reqinfo->asp ? reqinfo->asp->pdu : nullptr;
    if (!pdu)
        return "?";
    if (pdu->version == SNMP_VERSION_3)
        return "v3 " + std::string(pdu->securityName ? pdu->securityName : "", pdu->securityNameLen);
    std::string v = pdu->version == SNMP_VERSION_1 ? "v1 " : "v2c ";
    return v + std::string(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
}

int handle(netsnmp_mib_handler*, netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo,
           netsnmp_request_info* requests) {
    SimStore& store = *g_store;
    switch (reqinfo->mode) {
    case MODE_GET:
        for (auto* r = requests; r; r = r->next) {
            SimValue v;
            auto found = store.get(toSimOid(r->requestvb->name, r->requestvb->name_length), v);
            if (found == SimStore::Lookup::Found)
                setValue(r->requestvb, v);
            else
                netsnmp_set_request_error(reqinfo, r,
                                          found == SimStore::Lookup::NoSuchInstance ? SNMP_NOSUCHINSTANCE
                                                                                    : SNMP_NOSUCHOBJECT);
            if (g_log)
                std::printf("GET     %s %s\n", who(reqinfo).c_str(),
                            oidText(toSimOid(r->requestvb->name, r->requestvb->name_length)).c_str());
        }
        break;
    case MODE_GETNEXT:
        for (auto* r = requests; r; r = r->next) {
            SimOid asked = toSimOid(r->requestvb->name, r->requestvb->name_length);
            SimOid next;
            SimValue v;
            const SimOid root = toSimOid(reg->rootoid, reg->rootoid_len);
            // Stay inside this registration; the agent moves on to the next one by itself.
            if (store.next(asked, next, v) && next.size() >= root.size() &&
                std::equal(root.begin(), root.end(), next.begin())) {
                std::vector<oid> o(next.begin(), next.end());
                snmp_set_var_objid(r->requestvb, o.data(), o.size());
                setValue(r->requestvb, v);
            }
            // Nothing further: the agent answers endOfMibView.
            if (g_log)
                std::printf("GETNEXT %s %s\n", who(reqinfo).c_str(), oidText(asked).c_str());
        }
        break;
    case MODE_SET_RESERVE1: {
        std::vector<SimSetVar> vars;
        std::vector<netsnmp_request_info*> reqs;
        for (auto* r = requests; r; r = r->next) {
            vars.push_back(toSetVar(r->requestvb));
            reqs.push_back(r);
        }
        SimSetResult res = store.check(vars);
        if (g_log) {
            std::string values;
            for (auto& v : vars) {
                std::printf("SET     %s %s%s\n", who(reqinfo).c_str(), oidText(v.oid).c_str(),
                            res.status ? (" refused with error " + std::to_string(res.status)).c_str() : "");
                values += " " + oidText(v.oid) + "=" + valueText(v);
            }
            // One line per request with what it carried.
            std::printf("VALUES  %s%s\n", who(reqinfo).c_str(), values.c_str());
        }
        if (res.status)
            netsnmp_set_request_error(reqinfo, reqs[res.index], res.status);
        break;
    }
    case MODE_SET_ACTION: {
        std::vector<SimSetVar> vars;
        for (auto* r = requests; r; r = r->next)
            vars.push_back(toSetVar(r->requestvb));
        store.apply(vars);
        break;
    }
    case MODE_SET_COMMIT:
        store.commit();
        break;
    case MODE_SET_UNDO:
        store.undo();
        break;
    case MODE_SET_FREE:
        store.commit(); // ends the transaction after a failed reserve; nothing was applied
        break;
    default:
        break;
    }
    if (g_log)
        std::fflush(stdout);
    return SNMP_ERR_NOERROR;
}

// ---- notifications ----

constexpr int kPorts = 28;
bool g_linkKnown = false;
bool g_link[kPorts + 1] = {};

void Notify(const char* name, const std::vector<oid>& kind, netsnmp_variable_list* vars) {
    static const oid snmpTrapOid[] = {1, 3, 6, 1, 6, 3, 1, 1, 4, 1, 0};
    netsnmp_variable_list* list = nullptr;
    snmp_varlist_add_variable(&list, snmpTrapOid, OID_LENGTH(snmpTrapOid), ASN_OBJECT_ID,
                              reinterpret_cast<const u_char*>(kind.data()), kind.size() * sizeof(oid));
    list->next_variable = vars;
    send_v2trap(list);
    snmp_free_varbind(list);
    if (g_log) {
        std::printf("TRAP    %s\n", name);
        std::fflush(stdout);
    }
}

// linkDown or linkUp for each port whose link changed since the last look, with the port's ifIndex,
// ifAdminStatus and ifOperStatus.
void CheckLinks() {
    for (int p = 1; p <= kPorts; ++p) {
        const bool up = g_store->portUp(p);
        if (g_linkKnown && up == g_link[p])
            continue;
        const bool report = g_linkKnown;
        g_link[p] = up;
        if (!report)
            continue;
        netsnmp_variable_list* vars = nullptr;
        const long index = p;
        SimValue admin;
        g_store->get({1, 3, 6, 1, 2, 1, 2, 2, 1, 7, static_cast<std::uint32_t>(p)}, admin);
        const long adminStatus = static_cast<long>(admin.num);
        const long operStatus = up ? 1 : 2;
        for (auto [column, value] :
             {std::pair{1u, index}, std::pair{7u, adminStatus}, std::pair{8u, operStatus}}) {
            const oid name[] = {1, 3, 6, 1, 2, 1, 2, 2, 1, column, static_cast<oid>(p)};
            snmp_varlist_add_variable(&vars, name, OID_LENGTH(name), ASN_INTEGER,
                                      reinterpret_cast<const u_char*>(&value), sizeof value);
        }
        const std::string name = std::string(up ? "linkUp " : "linkDown ") + std::to_string(p);
        Notify(name.c_str(), {1, 3, 6, 1, 6, 3, 1, 1, 5, up ? 4u : 3u}, vars);
    }
    g_linkKnown = true;
}

void CheckLinksAlarm(unsigned int, void*) {
    CheckLinks();
}

// The trapsess line of a destination: snmpcmd options, then the address.
bool TrapSession(const SimOptions& o, const std::vector<SimUser>& users, const std::string& to,
                 std::string& line, std::string& error) {
    line = "trapsess";
    if (o.trapInform)
        line += " -Ci";
    if (o.trapVersion == "1" || o.trapVersion == "2c") {
        line += " -v " + o.trapVersion + " -c " + o.trapCommunity;
    } else if (o.trapVersion == "3") {
        const auto user =
            std::find_if(users.begin(), users.end(), [&](const SimUser& u) { return u.name == o.trapUser; });
        if (user == users.end()) {
            error = "--trap-user: no user named \"" + o.trapUser + "\" (give one of the agent's users)";
            return false;
        }
        line += " -v 3 -u " + user->name + " -l " +
                (user->auth.empty()   ? "noAuthNoPriv"
                 : user->priv.empty() ? "authNoPriv"
                                      : "authPriv");
        if (!user->auth.empty())
            line += " -a " + user->auth + " -A " + user->authPass;
        if (!user->priv.empty())
            line += " -x " + user->priv + " -X " + user->privPass;
    } else {
        error = "--trap-version: 1, 2c or 3";
        return false;
    }
    line += " udp:" + to;
    return true;
}

} // namespace

SimAgent::~SimAgent() {
    if (m_started)
        snmp_shutdown("qtr5190mx-sim");
    if (!m_stateDir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_stateDir, ec);
    }
}

bool SimAgent::start(const SimOptions& options, std::string& error) {
    g_store = &m_store;
    g_log = options.log;
    g_logHeld = options.logHeld;

    // Private state folder: nothing of the user's or the system's net-snmp set-up is read or written.
    char tmpl[] = "/tmp/qtr5190mx-sim.XXXXXX";
    if (!mkdtemp(tmpl)) {
        error = "cannot create a state folder in /tmp";
        return false;
    }
    m_stateDir = tmpl;
    setenv("MIBS", "", 1);
    setenv("SNMP_PERSISTENT_DIR", m_stateDir.c_str(), 1);
    setenv("SNMPCONFPATH", m_stateDir.c_str(), 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, m_stateDir.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    std::string ports = "udp:" + options.address;
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, ports.c_str());
    snmp_disable_log();
    snmp_enable_stderrlog();
    // No SMUX: it would listen on TCP port 199 of every address when run as root, and say
    // "[init_smux] bind failed" otherwise. The simulator serves everything itself.
    static char noSmux[] = "-smux";
    add_to_init_list(noSmux);

    init_agent("qtr5190mx-sim");
    init_vacm_conf();

    std::string engine = options.engineId;
    if (engine.empty()) {
        auto colon = options.address.rfind(':');
        engine = "qtr5190mx-sim-" +
                 (colon == std::string::npos ? options.address : options.address.substr(colon + 1));
    }
    std::vector<std::string> lines = {"engineID " + engine};
    auto addCommunity = [&](const SimCommunity& c) {
        lines.push_back((c.readWrite ? "rwcommunity " : "rocommunity ") + c.name);
    };
    auto addUser = [&](const SimUser& u) {
        std::string line = "createUser " + u.name;
        std::string level = "noauth";
        if (!u.auth.empty()) {
            line += " " + u.auth + " " + u.authPass;
            level = "auth";
            if (!u.priv.empty()) {
                line += " " + u.priv + " " + u.privPass;
                level = "priv";
            }
        }
        lines.push_back(line);
        lines.push_back((u.readWrite ? "rwuser " : "rouser ") + u.name + " " + level);
    };
    for (auto& c : m_store.communities())
        addCommunity(c);
    for (auto& c : options.communities)
        addCommunity(c);
    for (auto& u : m_store.users())
        addUser(u);
    for (auto& u : options.users)
        addUser(u);
    if (!options.trapTo.empty()) {
        std::vector<SimUser> users = m_store.users();
        users.insert(users.end(), options.users.begin(), options.users.end());
        for (const std::string& to : options.trapTo) {
            std::string line;
            if (!TrapSession(options, users, to, line, error))
                return false;
            lines.push_back(line);
        }
        lines.push_back("authtrapenable 1"); // a request with a wrong community is reported
        m_notify = true;
    }
    for (auto& l : lines)
        netsnmp_config_remember(const_cast<char*>(l.c_str()));

    // The switch serves the internet subtree and IEEE 802.1X (1.0.8802).
    static const oid internet[] = {1, 3, 6, 1};
    static const oid ieee8802[] = {1, 0, 8802};
    for (auto [root, len] :
         {std::pair{internet, OID_LENGTH(internet)}, std::pair{ieee8802, OID_LENGTH(ieee8802)}}) {
        netsnmp_handler_registration* reg =
            netsnmp_create_handler_registration("qtr5190mx", handle, root, len, HANDLER_CAN_RWRITE);
        if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            error = "cannot register the object handler";
            return false;
        }
    }

    init_snmp("qtr5190mx-sim");
    m_started = true;
    if (init_master_agent() != 0) {
        error = "cannot listen on udp:" + options.address + " (address in use or not available)";
        return false;
    }
    m_delayMs = g_delayMs = options.delayMs;
    if (m_delayMs > 0) {
        netsnmp_transport* t = main_session ? snmp_sess_transport(snmp_sess_pointer(main_session)) : nullptr;
        if (!t) {
            error = "cannot find the listening transport for --delay";
            return false;
        }
        g_send = t->f_send;
        t->f_send = HoldReply;
    }
    m_store.setStatHook([](std::uint32_t arc) -> std::uint32_t {
        // snmp group arcs 1..29 map onto net-snmp's statistics in the same order, arc 7 and 23 unused.
        if (arc < 1 || arc > 29)
            return 0;
        return snmp_get_statistic(static_cast<int>(STAT_SNMPINPKTS + arc - 1));
    });
    return true;
}

void SimAgent::run(const volatile int& stop) {
    // Sent once the agent has said that it listens: an SNMPv3 inform first asks the receiver for its
    // engine ID and waits for the answer.
    if (m_notify) {
        Notify("coldStart", {1, 3, 6, 1, 6, 3, 1, 1, 5, 1}, nullptr);
        CheckLinks(); // the links as they are now; changes from here on are reported
        snmp_alarm_register_hr({0, 250000}, SA_REPEAT, CheckLinksAlarm, nullptr);
    }
    while (!stop) {
        if (m_delayMs > 0) {
            // Wait for a request, a timer of the agent or the next held reply, whichever comes first.
            int fds = 0, block = 0;
            fd_set readable;
            FD_ZERO(&readable);
            timeval tv{1, 0};
            snmp_select_info(&fds, &readable, &tv, &block);
            if (!g_held.empty()) {
                const auto wait =
                    std::chrono::duration_cast<std::chrono::microseconds>(g_held.front().Due - Clock::now());
                const long us = std::max<long>(0, static_cast<long>(wait.count()));
                if (us < tv.tv_sec * 1000000L + tv.tv_usec)
                    tv = {us / 1000000, us % 1000000};
            }
            const int n = select(fds, &readable, nullptr, nullptr, &tv);
            if (n > 0)
                snmp_read(&readable);
            else if (n == 0)
                snmp_timeout();
            run_alarms();
            netsnmp_check_outstanding_agent_requests();
            SendDueReplies();
        } else {
            agent_check_and_process(1);
        }
        if (m_notify)
            CheckLinks(); // a write of ifAdminStatus is reported before the next request is read
        if (m_store.rebootRequested()) {
            std::printf("reboot: configuration restored to the last save, counters and uptime restarted\n");
            std::fflush(stdout);
            m_store.reboot();
            if (m_notify)
                Notify("coldStart", {1, 3, 6, 1, 6, 3, 1, 1, 5, 1}, nullptr);
        }
    }
}
