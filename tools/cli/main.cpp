#include <vector>

#include "CliCommands.h"

namespace {

// Menu of subcommands; SNMP commands against an agent are added here.
constexpr CliCommand kCommands[] = {
    {"catalog", false, "",
     "list every descriptor table row: entry, page, row, OID, label, syntax, access, options", CmdCatalog},
    {"get", true, "OID:SYNTAX ...", "one GET of full OIDs; prints OID, a tab and the value per item", CmdGet},
    {"walk", true, "[--keys N] [--implied] [--async] [--csv] OID:SYNTAX ...",
     "table walk of the columns; the first N are keys; prints one line of values per row, tab-separated "
     "(--csv: CSV with a header line of the OIDs)",
     CmdWalk},
    {"set", true, "OID:SYNTAX=VALUE ...", "one SET of full OIDs", CmdSet},
    {"show", true, "ENTRY [PAGE]", "read the panel of a generic menu entry as its window would and print it",
     CmdShow},
};

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return CliDispatcher(kCommands).Run(args, stdout, stderr);
}
