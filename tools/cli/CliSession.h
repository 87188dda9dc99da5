#pragma once

#include "CliDispatcher.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCoreApplication;
class TvSNMPRequest;
class TvSNMPVarList;

// The connection of one command: the net-snmp-style options applied to the session globals, the
// session opened, the agent resolved. Construction fails with a message in Error().
class CliSession {
public:
    explicit CliSession(const CliContext& ctx);
    ~CliSession();

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    // The exit status of a failed construction: kExitUsage for a wrong command line or configuration file,
    // kExitFailure when the session or the engine boots counter could not be had.
    int ExitCode() const { return exitCode_; }
    // Applies the timeout and retries given on the command line to a new request.
    void Configure(TvSNMPRequest& request) const;
    // Walks a table list to its end, calling `row` for each row, which returns false to stop the walk
    // there; through the event pump when `async`. Raises the error exception of a failed exchange.
    void WalkRows(TvSNMPRequest& request, bool async, const std::function<bool(const TvSNMPVarList&)>& row);
    // Brings up the application object and the event pump, for commands that run exchanges through it
    // (then QCoreApplication::exec until they end).
    void StartEventLoop();

    // The options and the agent taken as construction takes them (into the session globals), without
    // opening anything: false with the message construction would give.
    static bool CheckOptions(const std::vector<std::string>& options, std::string& error);
    static bool CheckAgent(const std::string& agent, std::string& error);

private:
    CliSession() = default;
    bool Fail(const std::string& message, int exitCode);
    // Passwords and the community from the configuration file and the environment (see docs/cli.md);
    // the command line's options override them.
    bool ReadDefaults();
    bool ParseOptions(const std::vector<std::string>& options);
    bool ParseAgent(const std::string& agent);

    std::unique_ptr<QCoreApplication> app_;
    std::string error_;
    int exitCode_ = kExitUsage;
    int timeout_ = 200; // hundredths of a second
    int retries_ = 1;
};

// The configuration file of the companion: $QTR_CLI_CONF when set, else
// $XDG_CONFIG_HOME/qtr5190mx-cli/snmp.conf (~/.config/qtr5190mx-cli/snmp.conf).
std::string CliConfigFile();

// Rows a walk prints at most unless told otherwise; 0 lifts the limit.
inline constexpr long kDefaultMaxRows = 100000;

// One OID:SYNTAX[=VALUE] argument.
struct CliVariable {
    std::string Oid;
    int Syntax = 0;
    std::string Value;
    bool HasValue = false;
};

// Parses "1.3.6.1.2.1.1.5.0:0x4c" (and "...=VALUE" when `withValue`); false with a message otherwise.
bool ParseVariable(const std::string& text, bool withValue, CliVariable& out, std::string& error);
