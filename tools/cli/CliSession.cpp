#include "CliSession.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "base/TvSNMPVarDef.h"
#include "profile/TvIni.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvBootCounter.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"
#include "values/TvSecret.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>

namespace {

bool ToInt(const std::string& text, long lo, long hi, long& out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtol(text.c_str(), &end, 10);
    return *end == '\0' && errno == 0 && out >= lo && out <= hi;
}

// The tokens of net-snmp's snmp.conf that the companion takes from its configuration file, and the
// environment variables that stand for some of them.
struct DefaultToken {
    const char* Name;
    const char* Variable; // null: only in the file
    void (*Apply)(const std::string& value);
};
constexpr DefaultToken kDefaultTokens[] = {
    {"defCommunity", "QTR_CLI_COMMUNITY",
     [](const std::string& v) {
         TvSecret::Replace(gSNMPSecurity.ReadCommunity, v);
         TvSecret::Replace(gSNMPSecurity.WriteCommunity, v);
     }},
    {"defSecurityName", nullptr, [](const std::string& v) { gSNMPSecurity.SecurityName = v; }},
    {"defAuthPassphrase", "QTR_CLI_AUTH_PASSWORD",
     [](const std::string& v) { TvSecret::Replace(gSNMPSecurity.AuthPassword, v); }},
    {"defPrivPassphrase", "QTR_CLI_PRIV_PASSWORD",
     [](const std::string& v) { TvSecret::Replace(gSNMPSecurity.PrivPassword, v); }},
    {"defPassphrase", nullptr,
     [](const std::string& v) {
         TvSecret::Replace(gSNMPSecurity.AuthPassword, v);
         TvSecret::Replace(gSNMPSecurity.PrivPassword, v);
     }},
};

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

std::string CliConfigFile() {
    if (const char* named = std::getenv("QTR_CLI_CONF"); named && *named)
        return named;
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
               .toStdString() +
           "/qtr5190mx-cli/snmp.conf";
}

bool ParseVariable(const std::string& text, bool withValue, CliVariable& out, std::string& error) {
    const size_t eq = withValue ? text.find('=') : std::string::npos;
    if (withValue && eq == std::string::npos) {
        error = "missing =VALUE in " + text;
        return false;
    }
    const std::string head = withValue ? text.substr(0, eq) : text;
    const size_t colon = head.rfind(':');
    if (colon == std::string::npos) {
        error = "expected OID:SYNTAX, got " + head;
        return false;
    }
    out.Oid = head.substr(0, colon);
    if (out.Oid.find_first_not_of(' ') == std::string::npos) {
        out.Oid = " "; // an index-only column: its value comes from the row instance
    } else if (out.Oid.front() == '.') {
        out.Oid.erase(0, 1);
    }
    const std::string syntax = head.substr(colon + 1);
    char* end = nullptr;
    out.Syntax = static_cast<int>(std::strtol(syntax.c_str(), &end, 16));
    if (syntax.empty() || *end != '\0' || !TvSNMPVarList::IsKnownSyntax(out.Syntax)) {
        error = "unknown syntax code " + syntax + " (hexadecimal, e.g. 0x02, 0x4c)";
        return false;
    }
    // Sub-identifiers between single dots: ".", "1..3" and "1.3." name no object.
    bool dotted = !out.Oid.empty() && out.Oid.front() != '.' && out.Oid.back() != '.' &&
                  out.Oid.find("..") == std::string::npos;
    for (char c : out.Oid)
        dotted = dotted && (std::isdigit(static_cast<unsigned char>(c)) || c == '.');
    if (!dotted && out.Oid != " ") {
        error = "bad OID " + head.substr(0, colon);
        return false;
    }
    if (withValue) {
        out.Value = text.substr(eq + 1);
        out.HasValue = true;
    }
    return true;
}

CliSession::CliSession(const CliContext& ctx) {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    LoadMessageFiles((ec ? std::string(".") : exe.parent_path().string()) + "/errMSg/");
    // The engine boots counter of the companion lives in its own data folder, not the current one. It
    // is counted (read, raised, written to disk) only by a command that speaks SNMPv3: a community
    // command run from a script every few seconds has no use for it.
    try {
        if (!TvSNMPEngine::Instance())
            InitSNMPSession(std::string(), false);
    } catch (const TvException& e) {
        Fail(e.Message(), kExitFailure);
        return;
    }
    gSNMPTimeout = 200;
    if (!ParseOptions(ctx.Options))
        return;
    if (gSNMPSecurity.Version == 3) {
        try {
            CountEngineBoots(BootCounterFolder("qtr5190mx-cli"));
        } catch (const TvException& e) {
            // Not a usage error: the command line was right, the counter could not be kept.
            Fail(e.Message(), kExitFailure);
            return;
        }
    }
    ParseAgent(ctx.Agent);
}

CliSession::~CliSession() = default;

bool CliSession::CheckOptions(const std::vector<std::string>& options, std::string& error) {
    CliSession unopened;
    const bool ok = unopened.ParseOptions(options);
    error = unopened.error_;
    return ok;
}

bool CliSession::CheckAgent(const std::string& agent, std::string& error) {
    CliSession unopened;
    const bool ok = unopened.ParseAgent(agent);
    error = unopened.error_;
    return ok;
}

bool CliSession::Fail(const std::string& message, int exitCode) {
    error_ = message;
    exitCode_ = exitCode;
    return false;
}

bool CliSession::ReadDefaults() {
    const std::string path = CliConfigFile();
    const bool named = std::getenv("QTR_CLI_CONF") && *std::getenv("QTR_CLI_CONF");
    if (::access(path.c_str(), F_OK) == 0 || named) {
        // Only a regular file is read (a FIFO would hang the command); its lines are wiped after use.
        std::FILE* file = TvIni::OpenRegular(path);
        if (!file)
            return Fail("cannot read the configuration file " + path + " (a regular file is needed)",
                        kExitUsage);
        struct stat st {};
        if (::fstat(fileno(file), &st) == 0 && (st.st_mode & (S_IRGRP | S_IROTH)) != 0)
            std::fprintf(stderr,
                         "qtr5190mx-cli: warning: other users can read %s (chmod 600 makes it private)\n",
                         path.c_str());
        char* buffer = nullptr;
        std::size_t size = 0;
        int lineNumber = 0;
        bool ok = true;
        for (ssize_t n; ok && (n = ::getline(&buffer, &size, file)) >= 0;) {
            ++lineNumber;
            std::string line(buffer, static_cast<std::size_t>(n));
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.pop_back();
            std::string text = TrimBlanks(line);
            if (!text.empty() && text.front() != '#') {
                const auto gap = text.find_first_of(" \t");
                const std::string token = text.substr(0, gap);
                std::string value = gap == std::string::npos ? std::string() : TrimBlanks(text.substr(gap));
                const auto it = std::find_if(std::begin(kDefaultTokens), std::end(kDefaultTokens),
                                             [&](const DefaultToken& t) { return token == t.Name; });
                if (it == std::end(kDefaultTokens)) {
                    ok = Fail(path + ":" + std::to_string(lineNumber) + ": unknown token " + token,
                              kExitUsage);
                } else {
                    it->Apply(value);
                }
                TvSecret::Wipe(value);
            }
            TvSecret::Wipe(text);
            TvSecret::Wipe(line);
        }
        if (buffer)
            explicit_bzero(buffer, size);
        std::free(buffer);
        std::fclose(file);
        if (!ok)
            return false;
    }
    // The environment is read by the user's own processes only, unlike the command line; the value is
    // wiped from it once taken.
    for (const DefaultToken& t : kDefaultTokens) {
        if (!t.Variable)
            continue;
        char* value = std::getenv(t.Variable);
        if (!value)
            continue;
        std::string copy = value;
        t.Apply(copy);
        TvSecret::Wipe(copy);
        explicit_bzero(value, std::strlen(value));
        ::unsetenv(t.Variable);
    }
    return true;
}

bool CliSession::ParseOptions(const std::vector<std::string>& options) {
    if (!ReadDefaults())
        return false;
    static const std::map<std::string, int> auth = {{"MD5", 2},     {"SHA", 3},     {"SHA-224", 4},
                                                    {"SHA-256", 5}, {"SHA-384", 6}, {"SHA-512", 7}};
    static const std::map<std::string, int> priv = {
        {"DES", 2}, {"IDEA", 9}, {"AES", 4}, {"AES-192", 5}, {"AES-256", 6}};
    static const std::map<std::string, int> version = {{"1", 0}, {"2c", 1}, {"3", 3}};
    static const std::map<std::string, int> level = {{"noAuthNoPriv", 1}, {"authNoPriv", 2}, {"authPriv", 3}};
    for (size_t i = 0; i < options.size(); ++i) {
        const std::string& o = options[i];
        const char letter = o.size() >= 2 && o[0] == '-' ? o[1] : 0;
        std::string value = o.size() > 2 ? o.substr(2) : std::string();
        if (value.empty() && i + 1 < options.size())
            value = options[++i];
        bool ok = true;
        long n = 0;
        // A named choice: the code of `value` in `names` goes to `field`; an unknown name is an error.
        const auto choose = [&](const std::map<std::string, int>& names, auto& field) {
            const auto it = names.find(value);
            ok = it != names.end();
            if (ok)
                field = static_cast<std::remove_reference_t<decltype(field)>>(it->second);
        };
        switch (letter) {
        case 'v':
            choose(version, gSNMPSecurity.Version);
            break;
        case 'c':
            TvSecret::Replace(gSNMPSecurity.ReadCommunity, value);
            TvSecret::Replace(gSNMPSecurity.WriteCommunity, value);
            break;
        case 'u':
            gSNMPSecurity.SecurityName = value;
            break;
        case 'l':
            choose(level, gSNMPSecurity.SecurityLevel);
            break;
        case 'a':
            choose(auth, gSNMPSecurity.AuthProtocol);
            break;
        case 'A':
            TvSecret::Replace(gSNMPSecurity.AuthPassword, value);
            break;
        case 'x':
            choose(priv, gSNMPSecurity.PrivProtocol);
            break;
        case 'X':
            TvSecret::Replace(gSNMPSecurity.PrivPassword, value);
            break;
        case 'n':
            gSNMPScope.ContextName = value;
            break;
        case 'E':
            gSNMPScope.ContextEngineID = value;
            break;
        case 't': {
            char* end = nullptr;
            const double seconds = std::strtod(value.c_str(), &end);
            ok = !value.empty() && *end == '\0' && seconds > 0 && seconds <= 3600;
            timeout_ = ok ? static_cast<int>(std::lround(seconds * 100)) : timeout_;
            break;
        }
        case 'r':
            ok = ToInt(value, 0, 20, n);
            retries_ = static_cast<int>(n);
            break;
        default:
            return Fail("unknown option " + o, kExitUsage);
        }
        if (!ok || (value.empty() && std::string(kValueOptionLetters).find(letter) != std::string::npos)) {
            // The value of a password or community option is never repeated.
            const bool secret = letter == 'A' || letter == 'X' || letter == 'c';
            return Fail("bad value for option -" + std::string(1, letter) + (secret ? "" : ": " + value),
                        kExitUsage);
        }
    }
    return true;
}

bool CliSession::ParseAgent(const std::string& agent) {
    std::string host = agent;
    long port = 161;
    const size_t colon = agent.rfind(':');
    if (colon != std::string::npos) {
        host = agent.substr(0, colon);
        if (!ToInt(agent.substr(colon + 1), 1, 65535, port)) {
            return Fail("bad port in " + agent, kExitUsage);
        }
    }
    if (host.empty()) {
        return Fail("no agent host given", kExitUsage);
    }
    gSNMPDevice.Address = host;
    gSNMPDevice.Port = static_cast<std::uint16_t>(port);
    return true;
}

void CliSession::Configure(TvSNMPRequest& request) const {
    request.Target.Timeout = timeout_;
    request.Target.Retries = retries_;
}

void CliSession::StartEventLoop() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "qtr5190mx-cli";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    gSnmpEventProcessor.Start();
}

void CliSession::WalkRows(TvSNMPRequest& request, bool async,
                          const std::function<bool(const TvSNMPVarList&)>& row) {
    if (!async) {
        for (bool more = request.GetStep(true); more; more = request.GetStep(false))
            if (!row(request.VarList))
                return;
        return;
    }
    // Only an asynchronous walk needs the event loop, so only it brings up the application object and
    // the pump on the session's socket.
    StartEventLoop();
    // The tool's own and only message loop, run until the walk ends.
    int code = 0;
    TvSNMPRequest::Callback step = [&](TvSNMPError& e, TvSNMPVarList& list) {
        if (e.Code != 0 || e.Finished) {
            code = e.Code;
            QCoreApplication::exit();
            return;
        }
        if (!row(list)) {
            QCoreApplication::exit();
            return;
        }
        try {
            request.GetAsync(step, false);
        } catch (const TvException& ex) {
            code = ex.Code();
            QCoreApplication::exit();
        }
    };
    request.GetAsync(step, true);
    QCoreApplication::exec();
    if (code != 0)
        RaiseError(code);
}
