#include <vector>

#include "CliCommands.h"
#include "CliDispatcher.h"

#include "values/TvSecret.h"

#include "journal/TvChangeJournal.h"

namespace {

// Menu of subcommands; SNMP commands against an agent are added here.
constexpr CliCommand kCommands[] = {
    {"catalog", false, "",
     "list every descriptor table row: entry, page, row, OID, label, syntax, access, options", CmdCatalog},
    {"get", true, "OID:SYNTAX ...", "one GET of full OIDs; prints OID, a tab and the value per item", CmdGet},
    {"walk", true, "[--keys N] [--implied] [--async] [--csv] [--no-bulk] [--max-rows N] OID:SYNTAX ...",
     "table walk of the columns; the first N are keys; prints one line of values per row, tab-separated "
     "(--csv: CSV with a header line of the OIDs)",
     CmdWalk},
    {"set", true, "OID:SYNTAX=VALUE ...", "one SET of full OIDs", CmdSet},
    {"show", true, "[--no-bulk] ENTRY [PAGE]",
     "read the panel of a generic menu entry as its window would and print it", CmdShow},
    {"journal", false, "[--switch AGENT] [--since ISO-TIME] [--csv]",
     "the change journal, oldest first, one line per variable written: time, switch, window or command, OID, "
     "label, before, sent, outcome (tab-separated; --csv: CSV with a header line)",
     CmdJournal},
    {"listen", true, "[--port N] [--count N] [--timeout S]",
     "receive AGENT's notifications (traps and informs, with the options' version and community or user) on "
     "UDP port N (default 162); one line each: time, source, name or OID, then OID=value per variable, "
     "tab-separated; exit 0 after N notifications, 1 when S seconds pass first",
     CmdListen},
    {"snapshot", true, "[--jobs N] [-o FILE]",
     "read every table and group of the catalog into one JSON snapshot (to FILE, or standard output); "
     "exit 1 when any could not be read, naming them on standard error",
     CmdSnapshot},
    {"diff", false, "[--live] OLD.json [NEW.json]",
     "compare two snapshots, or (with AGENT) a snapshot with the switch now: one line per difference, entry, "
     "row, label, old, new (tab-separated); exit 0 equal, 1 different, 2 usage or file error",
     CmdDiff, true},
};

} // namespace

int main(int argc, char** argv) {
    // Every write is kept in the user's change journal, as the program's are.
    TvChangeJournal::StartDefault();
    std::vector<std::string> args(argv + 1, argv + argc);
    // Passwords given on the command line leave the process's arguments at once, and none reaches a core
    // file (docs/cli.md says how to keep them off the command line altogether).
    HideSecretOptions(argc, argv);
    TvSecret::KeepOutOfCoreDumps();
    return CliDispatcher(kCommands).Run(args, stdout, stderr);
}
