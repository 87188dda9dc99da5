#include "snmp/SNMPGlobals.h"
#include "tools/cli/CliCommands.h"
#include "tools/cli/CliSession.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The commands' own argument parsing, with no agent to speak to: each ends at the session, which
// refuses the empty agent before anything is sent.
int Unreachable(int (*command)(const CliContext&), const CliContext& ctx) {
    CliContext copy = ctx;
    copy.Agent.clear();
    const int rc = command(copy);
    if (rc != kExitUsage)
        std::abort();
    return rc;
}

int Get(const CliContext& ctx) {
    return Unreachable(CmdGet, ctx);
}
int Walk(const CliContext& ctx) {
    return Unreachable(CmdWalk, ctx);
}
int Set(const CliContext& ctx) {
    return Unreachable(CmdSet, ctx);
}
int Listed(const CliContext&) {
    return kExitOk;
}

// The companion's table, with the commands that would print the catalog or read a window left out.
constexpr CliCommand kCommands[] = {
    {"catalog", false, "", "", Listed}, {"get", true, "", "", Get},     {"walk", true, "", "", Walk},
    {"set", true, "", "", Set},         {"show", true, "", "", Listed},
};

struct Captured {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* file = open_memstream(&text, &size);
    ~Captured() {
        if (file)
            std::fclose(file);
        std::free(text);
    }
    size_t Size() {
        std::fflush(file);
        return size;
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A command of SNMPv3 counts the engine boots in the companion's data folder.
    const std::string data = "/tmp/fuzz_cli_args." + std::to_string(getpid());
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    return 0;
}

// A command line, its arguments separated by NUL bytes, goes through the dispatcher, the options,
// the agent and each command's arguments as the companion reads them. Nothing faults; whatever is
// refused as a usage error says why on standard error.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::vector<std::string> argv(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            argv.emplace_back();
        else
            argv.back() += static_cast<char>(data[i]);
    }
    gSNMPSecurity = TvSNMPSecurity{};
    gSNMPScope = TvSNMPScope{};
    gSNMPDevice = TvSNMPDevice{};
    Captured out, err;
    if (!out.file || !err.file)
        return 0;
    const int rc = CliDispatcher(kCommands).Run(argv, out.file, err.file);
    if (rc == kExitUsage && err.Size() == 0)
        std::abort();

    std::string error;
    if (!CliSession::CheckOptions(argv, error) && error.empty())
        std::abort();
    for (const std::string& agent : argv) {
        if (!CliSession::CheckAgent(agent, error)) {
            if (error.empty())
                std::abort();
            continue;
        }
        if (gSNMPDevice.Address.empty() || gSNMPDevice.Port == 0 ||
            (agent.find(':') == std::string::npos && gSNMPDevice.Address != agent))
            std::abort();
    }
    for (const std::string& arg : argv)
        for (const bool withValue : {false, true}) {
            CliVariable v;
            if (!ParseVariable(arg, withValue, v, error) ? error.empty()
                                                         : v.Oid.empty() || v.HasValue != withValue)
                std::abort();
        }
    return 0;
}
