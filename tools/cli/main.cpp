#include <vector>

#include "CliCommands.h"

namespace {

// Menu of subcommands; SNMP commands against an agent are added here.
constexpr CliCommand kCommands[] = {
    {"catalog", false, "",
     "list every descriptor table row: entry, page, row, OID, label, syntax, access, options", CmdCatalog},
};

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return CliDispatcher(kCommands).Run(args, stdout, stderr);
}
