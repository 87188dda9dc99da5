#include "CliDispatcher.h"

#include <string_view>

const CliCommand* CliDispatcher::Find(const std::string& name) const {
    for (const CliCommand& c : commands_)
        if (name == c.Name)
            return &c;
    return nullptr;
}

void CliDispatcher::PrintUsage(std::FILE* to) const {
    std::fprintf(to, "usage: qtr5190mx-cli [OPTIONS] AGENT COMMAND ARGS...\n"
                     "       qtr5190mx-cli [OPTIONS] COMMAND ARGS...   (commands without agent)\n"
                     "       qtr5190mx-cli --help | --version\n"
                     "commands:\n");
    for (const CliCommand& c : commands_)
        std::fprintf(to, "  %s%s%s%s\n      %s\n",
                     c.NeedsAgent      ? "AGENT "
                     : c.AgentOptional ? "[AGENT] "
                                       : "",
                     c.Name, *c.Usage ? " " : "", c.Usage, c.Summary);
}

int CliDispatcher::Run(const std::vector<std::string>& argv, std::FILE* out, std::FILE* err) const {
    CliContext ctx;
    ctx.Out = out;
    ctx.Err = err;
    size_t i = 0;
    for (; i < argv.size() && argv[i].size() > 1 && argv[i][0] == '-'; ++i) {
        if (argv[i] == "-h" || argv[i] == "--help") {
            PrintUsage(out);
            return kExitOk;
        }
        if (argv[i] == "--version") {
            std::fprintf(out, "qtr5190mx-cli %s\n", QTR_VERSION);
            return kExitOk;
        }
        if (argv[i] == "--") {
            ++i;
            break;
        }
        ctx.Options.push_back(argv[i]);
        // "-v 2c": the value of a net-snmp-style option is the next argument.
        if (argv[i].size() == 2 &&
            std::string_view(kValueOptionLetters).find(argv[i][1]) != std::string_view::npos &&
            i + 1 < argv.size())
            ctx.Options.push_back(argv[++i]);
    }
    if (i >= argv.size()) {
        PrintUsage(err);
        return kExitUsage;
    }
    const CliCommand* cmd = Find(argv[i]);
    if (cmd && !cmd->NeedsAgent) {
        ++i;
    } else {
        ctx.Agent = argv[i++];
        if (i >= argv.size()) {
            std::fprintf(err, "qtr5190mx-cli: no command given for agent %s\n", ctx.Agent.c_str());
            return kExitUsage;
        }
        cmd = Find(argv[i]);
        if (!cmd) {
            std::fprintf(err, "qtr5190mx-cli: unknown command: %s\n", argv[i].c_str());
            PrintUsage(err);
            return kExitUsage;
        }
        if (!cmd->NeedsAgent && !cmd->AgentOptional) {
            std::fprintf(err, "qtr5190mx-cli: %s takes no agent\n", cmd->Name);
            return kExitUsage;
        }
        ++i;
    }
    ctx.Args.assign(argv.begin() + static_cast<std::ptrdiff_t>(i), argv.end());
    return cmd->Run(ctx);
}

bool CliWrite(std::FILE* to, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), to) == text.size() && std::fflush(to) == 0;
}

void HideSecretOptions(int argc, char** argv) {
    const std::string_view secretLetters = "AXc";
    // The options as Run reads them: up to the first argument that is not one.
    for (int i = 1; i < argc && argv[i] && argv[i][0] == '-' && argv[i][1] != '\0'; ++i) {
        const std::string_view option = argv[i];
        if (option == "--")
            break;
        const char letter = option[1];
        if (std::string_view(kValueOptionLetters).find(letter) == std::string_view::npos)
            continue;
        char* value = option.size() == 2 ? (i + 1 < argc ? argv[++i] : nullptr) : argv[i] + 2;
        if (value && secretLetters.find(letter) != std::string_view::npos)
            for (char* c = value; *c; ++c)
                *c = '*';
    }
}
