#include "CliSession.h"

#include "snmp/ErrorCatalog.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvException.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"
#include "snmp/TvSNMPVarDef.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <type_traits>

namespace {

bool ToInt(const std::string& text, long lo, long hi, long& out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtol(text.c_str(), &end, 10);
    return *end == '\0' && errno == 0 && out >= lo && out <= hi;
}

} // namespace

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
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/qtr5190mx-cli";
    try {
        if (!TvSNMPEngine::Instance())
            InitSNMPSession(folder.toStdString(), false);
    } catch (const TvException& e) {
        error_ = e.Message();
        return;
    }
    gSNMPTimeout = 200;
    if (!ParseOptions(ctx.Options))
        return;
    if (gSNMPSecurity.Version == 3) {
        QDir().mkpath(folder);
        try {
            CountEngineBoots(folder.toStdString());
        } catch (const TvException& e) {
            error_ = e.Message();
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

bool CliSession::ParseOptions(const std::vector<std::string>& options) {
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
            gSNMPSecurity.ReadCommunity = gSNMPSecurity.WriteCommunity = value;
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
            gSNMPSecurity.AuthPassword = value;
            break;
        case 'x':
            choose(priv, gSNMPSecurity.PrivProtocol);
            break;
        case 'X':
            gSNMPSecurity.PrivPassword = value;
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
            error_ = "unknown option " + o;
            return false;
        }
        if (!ok || (value.empty() && std::string(kValueOptionLetters).find(letter) != std::string::npos)) {
            error_ = "bad value for option -" + std::string(1, letter) + ": " + value;
            return false;
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
            error_ = "bad port in " + agent;
            return false;
        }
    }
    if (host.empty()) {
        error_ = "no agent host given";
        return false;
    }
    gSNMPDevice.Address = host;
    gSNMPDevice.Port = static_cast<std::uint16_t>(port);
    return true;
}

void CliSession::Configure(TvSNMPRequest& request) const {
    request.Timeout = timeout_;
    request.Retries = retries_;
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
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "qtr5190mx-cli";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    gSnmpEventProcessor.Start();
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
