#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

// What a subcommand gets: the options given before the agent, the agent (empty for commands that
// need none), its own arguments and the streams to write to.
struct CliContext {
    std::vector<std::string> Options;
    std::string Agent;
    std::vector<std::string> Args;
    std::FILE* Out = stdout;
    std::FILE* Err = stderr;
};

// One subcommand. Run returns the process exit code.
struct CliCommand {
    const char* Name;
    bool NeedsAgent;
    const char* Usage; // arguments after the command name
    const char* Summary;
    int (*Run)(const CliContext& ctx);
    // Runs with or without an agent (NeedsAgent false): "COMMAND ARGS" and "AGENT COMMAND ARGS".
    bool AgentOptional = false;
};

// Options that take a value, as net-snmp's tools spell them ("-v 2c" or "-v2c").
inline constexpr const char* kValueOptionLetters = "vculaAxXnEtr";

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// qtr5190mx-cli [OPTIONS] AGENT COMMAND ARGS...   or   qtr5190mx-cli [OPTIONS] COMMAND ARGS...
// for the commands that need no agent.
class CliDispatcher {
public:
    explicit CliDispatcher(std::span<const CliCommand> commands) : commands_(commands) {}

    int Run(const std::vector<std::string>& argv, std::FILE* out, std::FILE* err) const;
    void PrintUsage(std::FILE* to) const;

private:
    const CliCommand* Find(const std::string& name) const;

    std::span<const CliCommand> commands_;
};

// Overwrites in place the values of the password and community options (-A, -X, -c) among the process's
// own arguments, so that other users no longer read them in /proc/<pid>/cmdline. The arguments must have
// been copied before.
void HideSecretOptions(int argc, char** argv);

// Writes all of text; false when the stream refused it (full disk, closed pipe).
bool CliWrite(std::FILE* to, const std::string& text);
