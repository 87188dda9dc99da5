#include "CliCommands.h"
#include "CliSession.h"
#include "CliTerminalText.h"

#include "base/TvException.h"
#include "snmp/TvSNMPRequest.h"

// One GET of full OIDs: a list of item type 1 whose items are addressed by their own OIDs.
int CmdGet(const CliContext& ctx) {
    if (ctx.Args.empty()) {
        std::fprintf(ctx.Err, "usage: qtr5190mx-cli [OPTIONS] AGENT get OID:SYNTAX ...\n");
        return kExitUsage;
    }
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itInstance;
    for (const std::string& arg : ctx.Args) {
        CliVariable v;
        std::string error;
        if (!ParseVariable(arg, false, v, error)) {
            std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", error.c_str());
            return kExitUsage;
        }
        list.AddItem(v.Oid, v.Oid, v.Syntax, accReadOnly, nullptr, "", "", "");
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
        request.GetStep(true);
        const CliTerminalText shown(ctx.Out);
        std::string out;
        for (int i = 0; i < request.VarList.Count(); ++i)
            out += shown(request.VarList.Item(i).Oid) + "\t" + shown(request.VarList.Item(i).Value) + "\n";
        return CliWrite(ctx.Out, out) ? kExitOk : kExitFailure;
    } catch (const TvException& e) {
        std::fprintf(ctx.Err, "%s\n", e.Message().c_str());
        return kExitFailure;
    }
}
