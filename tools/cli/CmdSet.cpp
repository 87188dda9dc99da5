#include "CliCommands.h"
#include "CliSession.h"

#include "base/TvException.h"
#include "journal/TvChangeJournal.h"
#include "snmp/TvSNMPRequest.h"

namespace {

// The operator's record of changes has a gap: said where the operator looks.
void WarnUnjournaled(const CliContext& ctx) {
    const auto* journal = dynamic_cast<const TvChangeJournal*>(TvWriteJournal::Installed());
    if (journal && !journal->Problem().empty())
        std::fprintf(ctx.Err, "qtr5190mx-cli: warning: the change journal did not keep this write: %s\n",
                     journal->Problem().c_str());
}

} // namespace

// One SET of full OIDs with values in the program's own text forms, kept in the change journal.
int CmdSet(const CliContext& ctx) {
    if (ctx.Args.empty()) {
        std::fprintf(ctx.Err, "usage: qtr5190mx-cli [OPTIONS] AGENT set OID:SYNTAX=VALUE ...\n");
        return kExitUsage;
    }
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itInstance;
    std::vector<std::string> values;
    for (const std::string& arg : ctx.Args) {
        CliVariable v;
        std::string error;
        if (!ParseVariable(arg, true, v, error)) {
            std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", error.c_str());
            return kExitUsage;
        }
        list.AddItem(v.Oid, v.Oid, v.Syntax, accReadWrite, nullptr, "", "", "");
        list.Item(list.Count() - 1).Value = v.Value;
    }
    CliSession session(ctx);
    if (!session.Ok()) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", session.Error().c_str());
        return session.ExitCode();
    }
    try {
        TvSNMPRequest request;
        session.Configure(request);
        request.VarList.Assign(list);
        request.Source = "qtr5190mx-cli set";
        request.Set();
        WarnUnjournaled(ctx);
        return kExitOk;
    } catch (const TvException& e) {
        std::fprintf(ctx.Err, "%s\n", e.Message().c_str());
        WarnUnjournaled(ctx);
        return kExitFailure;
    }
}
