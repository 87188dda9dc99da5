#include "CliCommands.h"
#include "CliSession.h"

#include "snmp/TvException.h"
#include "snmp/TvSNMPRequest.h"

// One SET of full OIDs with values in the program's own text forms.
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
        request.Set();
        return kExitOk;
    } catch (const TvException& e) {
        std::fprintf(ctx.Err, "%s\n", e.Message().c_str());
        return kExitFailure;
    }
}
