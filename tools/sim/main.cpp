// qtr5190mx-sim: a simulated QTR-5190MX switch, a real SNMP agent on a loopback UDP port.

#include "SimAgent.h"
#include "SimStore.h"

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <netinet/in.h>
#include <string>
#include <unistd.h>

namespace {

volatile int g_stopFlag = 0;

void onSignal(int) {

    g_stopFlag = 1;
}

const char* const kUsage =
    "Usage: qtr5190mx-sim [OPTIONS] [ADDRESS:PORT]\n"
    "Simulated QTR-5190MX switch: an SNMP v1/v2c/v3 agent listening on ADDRESS:PORT\n"
    "(default 127.0.0.1:16161). Runs in the foreground; Ctrl+C or SIGTERM stops it.\n"
    "\n"
    "  --data FILE              data file (default: qtr5190mx-sim.data beside the program)\n"
    "  --community NAME[,rw]    add a read-only (or read-write) community; repeatable\n"
    "  --user NAME[,AUTH,AUTHPASS[,PRIV,PRIVPASS]][,rw]\n"
    "                           add an SNMPv3 user; AUTH is MD5, SHA, SHA-256 or SHA-512,\n"
    "                           PRIV is DES, AES or AES-256; read-only unless rw; repeatable\n"
    "  --engine-id TEXT         SNMPv3 engine ID (default qtr5190mx-sim-PORT, stable across restarts)\n"
    "  --led-period SECONDS     how often the front-panel LEDs and links change (default 10)\n"
    "  --log                    print each request\n"
    "  --delay MS               hold every reply back MS milliseconds (a slow link or a busy CPU)\n"
    "  --log-held               with --delay: print how many replies are held at each request\n"
    "  --trap-to HOST:PORT      send notifications there (repeatable): coldStart at start,\n"
    "                           linkDown/linkUp when a port's link changes, authenticationFailure\n"
    "                           on a wrong community\n"
    "  --trap-version V         1, 2c (default) or 3\n"
    "  --trap-community NAME    community of SNMPv1 and SNMPv2c notifications (default rdcomm)\n"
    "  --trap-user NAME         SNMPv3 user of the notifications, one of the agent's users\n"
    "  --trap-inform            send informs (acknowledged, resent) instead of traps\n"
    "  --allow-remote           listen on an ADDRESS other than loopback (127.x.x.x, localhost):\n"
    "                           other hosts can then read and write with the published\n"
    "                           communities and users\n"
    "  --help                   show this help\n"
    "  --version                show the version\n"
    "\n"
    "Built-in access (from the data file): communities rdcomm (read) and wrtcomm (write);\n"
    "users noauthuser, md5user, shadesuser, shaaesuser, sha256user (see docs/simulator.md).\n";

bool fail(const std::string& msg) {
    std::fprintf(stderr, "qtr5190mx-sim: %s\n", msg.c_str());
    return false;
}

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == ',') {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

bool parseUser(const std::string& text, SimUser& u) {
    auto p = split(text);
    if (!p.empty() && p.back() == "rw") {
        u.readWrite = true;
        p.pop_back();
    }
    if (p.size() != 1 && p.size() != 3 && p.size() != 5)
        return fail("--user wants NAME[,AUTH,AUTHPASS[,PRIV,PRIVPASS]][,rw]");
    u.name = p[0];
    if (u.name.empty())
        return fail("--user: empty name");
    if (p.size() >= 3) {
        u.auth = p[1];
        u.authPass = p[2];
        if (u.auth != "MD5" && u.auth != "SHA" && u.auth != "SHA-256" && u.auth != "SHA-512")
            return fail("--user: authentication must be MD5, SHA, SHA-256 or SHA-512");
        if (u.authPass.size() < 8)
            return fail("--user: passwords need at least 8 characters");
    }
    if (p.size() == 5) {
        u.priv = p[3];
        u.privPass = p[4];
        if (u.priv != "DES" && u.priv != "AES" && u.priv != "AES-256")
            return fail("--user: privacy must be DES, AES or AES-256");
        if (u.privPass.size() < 8)
            return fail("--user: passwords need at least 8 characters");
    }
    return true;
}

// 127.0.0.0/8 in dotted form, or "localhost".
bool isLoopback(const std::string& host) {
    in_addr address{};
    return host == "localhost" ||
           (inet_pton(AF_INET, host.c_str(), &address) == 1 && (ntohl(address.s_addr) >> 24) == 127);
}

bool parseArgs(int argc, char** argv, SimOptions& o, bool& help, bool& version) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc)
                return fail(a + " needs a value");
            out = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (a == "--version") {
            version = true;
        } else if (a == "--log") {
            o.log = true;
        } else if (a == "--log-held") {
            o.logHeld = true;
        } else if (a == "--allow-remote") {
            o.allowRemote = true;
        } else if (a == "--trap-inform") {
            o.trapInform = true;
        } else if (a == "--trap-to") {
            if (!value(v))
                return false;
            const auto colon = v.rfind(':');
            char* end = nullptr;
            const long port = colon == std::string::npos ? 0 : std::strtol(v.c_str() + colon + 1, &end, 10);
            if (colon == std::string::npos || colon == 0 || !end || *end || port < 1 || port > 65535)
                return fail("--trap-to wants HOST:PORT, e.g. 127.0.0.1:16162");
            o.trapTo.push_back(v);
        } else if (a == "--trap-version") {
            if (!value(o.trapVersion))
                return false;
            if (o.trapVersion != "1" && o.trapVersion != "2c" && o.trapVersion != "3")
                return fail("--trap-version wants 1, 2c or 3");
        } else if (a == "--trap-community") {
            if (!value(o.trapCommunity))
                return false;
            if (o.trapCommunity.empty() || o.trapCommunity.find_first_of(" \t") != std::string::npos)
                return fail("--trap-community wants a name without blanks");
        } else if (a == "--trap-user") {
            if (!value(o.trapUser))
                return false;
        } else if (a == "--data") {
            if (!value(o.dataFile))
                return false;
        } else if (a == "--engine-id") {
            if (!value(o.engineId))
                return false;
            if (o.engineId.empty() || o.engineId.size() > 27)
                return fail("--engine-id: 1 to 27 characters");
        } else if (a == "--community") {
            if (!value(v))
                return false;
            auto p = split(v);
            if (p[0].empty() || p.size() > 2 || (p.size() == 2 && p[1] != "rw"))
                return fail("--community wants NAME or NAME,rw");
            o.communities.push_back({p[0], p.size() == 2});
        } else if (a == "--user") {
            SimUser u;
            if (!value(v) || !parseUser(v, u))
                return false;
            o.users.push_back(u);
        } else if (a == "--led-period") {
            if (!value(v))
                return false;
            char* end = nullptr;
            o.ledPeriod = std::strtod(v.c_str(), &end);
            if (!end || *end || o.ledPeriod < 0.1 || o.ledPeriod > 86400)
                return fail("--led-period wants seconds from 0.1 to 86400");
        } else if (a == "--delay") {
            if (!value(v))
                return false;
            char* end = nullptr;
            const long ms = std::strtol(v.c_str(), &end, 10);
            if (!end || *end || v.empty() || ms < 0 || ms > 60000)
                return fail("--delay wants milliseconds from 0 to 60000");
            o.delayMs = static_cast<int>(ms);
        } else if (!a.empty() && a[0] == '-') {
            return fail("unknown option " + a + " (see --help)");
        } else {
            auto colon = a.rfind(':');
            if (colon == std::string::npos || colon == 0)
                return fail("address must be ADDRESS:PORT, e.g. 127.0.0.1:16161");
            char* end = nullptr;
            long port = std::strtol(a.c_str() + colon + 1, &end, 10);
            if (!end || *end || port < 1024 || port > 65535)
                return fail("port must be a number from 1024 to 65535 (no privileged ports)");
            o.address = a;
        }
    }
    if (o.trapVersion == "3" && !o.trapTo.empty() && o.trapUser.empty())
        return fail("--trap-version 3 needs --trap-user");
    // The built-in communities and users are published: only this host may reach them unless asked.
    const std::string host = o.address.substr(0, o.address.rfind(':'));
    if (!o.allowRemote && !isLoopback(host))
        return fail(host + " is not a loopback address: the simulator's communities and users are "
                           "published, so give --allow-remote to listen there");
    return true;
}

std::string besideProgram(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::filesystem::path dir = ec ? std::filesystem::path(argv0).parent_path() : exe.parent_path();
    return (dir / "qtr5190mx-sim.data").string();
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    bool help = false;
    bool version = false;
    if (!parseArgs(argc, argv, options, help, version))
        return 2;
    if (help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (version) {
        std::printf("qtr5190mx-sim %s\n", QTR_VERSION);
        return 0;
    }
    if (options.dataFile.empty())
        options.dataFile = besideProgram(argv[0]);

    SimStore store;
    std::string error;
    if (!store.load(options.dataFile, error)) {
        fail(error);
        return 1;
    }
    store.setLedPeriod(options.ledPeriod);

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0; // no SA_RESTART: the agent's select() must return so the loop sees the flag
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    SimAgent agent(store);
    if (!agent.start(options, error)) {
        fail(error);
        return 1;
    }
    std::printf("qtr5190mx-sim: listening on udp:%s with %zu objects from %s\n", options.address.c_str(),
                store.size(), options.dataFile.c_str());
    std::fflush(stdout);
    agent.run(g_stopFlag);
    std::printf("qtr5190mx-sim: stopped\n");
    return 0;
}
