#include "CliCommands.h"
#include "CliSession.h"
#include "CliTerminalText.h"

#include "base/TvException.h"
#include "catalog/TvCatalog.h"
#include "snmp/TvSNMPRequest.h"

#include <cstdlib>

// Reads one panel of a generic menu entry as its window would (item type, key count, syntaxes and
// options of the catalog) and prints it: a scalar panel as label and value per row, a table panel as a
// header of labels and one line per row.
int CmdShow(const CliContext& context) {
    CliContext ctx = context;
    const bool bulk = !(!ctx.Args.empty() && ctx.Args[0] == "--no-bulk");
    if (!bulk)
        ctx.Args.erase(ctx.Args.begin());
    if (ctx.Args.empty() || ctx.Args.size() > 2) {
        std::fprintf(ctx.Err, "usage: qtr5190mx-cli [OPTIONS] AGENT show [--no-bulk] ENTRY [PAGE]\n");
        return kExitUsage;
    }
    const TvWindowRecipe* recipe = TvCatalog::FindRecipe(ctx.Args[0]);
    if (!recipe) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: no generic menu entry named %s\n", ctx.Args[0].c_str());
        return kExitUsage;
    }
    // Pages are numbered from 1 as in the catalog listing; a window of one panel is page 0.
    const int pages = static_cast<int>(recipe->Panels.size());
    long page = recipe->Kind == TvRecipeKind::Pages ? 1 : 0;
    if (ctx.Args.size() == 2) {
        char* end = nullptr;
        page = std::strtol(ctx.Args[1].c_str(), &end, 10);
        const bool ok =
            *end == '\0' && (recipe->Kind == TvRecipeKind::Pages ? page >= 1 && page <= pages : page == 0);
        if (!ok) {
            std::fprintf(ctx.Err, "qtr5190mx-cli: %s has %s\n", recipe->Name,
                         recipe->Kind == TvRecipeKind::Pages ? ("pages 1 to " + std::to_string(pages)).c_str()
                                                             : "one panel (page 0)");
            return kExitUsage;
        }
    }
    const TvPanelRecipe& panel = recipe->Panels[static_cast<size_t>(page == 0 ? 0 : page - 1)];

    CliSession session(ctx);
    if (!session.Ok()) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", session.Error().c_str());
        return session.ExitCode();
    }
    TvSNMPRequest request;
    session.Configure(request);
    request.VarList.Assign(TvSNMPVarList(panel.Table, panel.ItemType, panel.KeyCount));
    request.UseGetBulk = bulk;
    if (panel.Has(pnlVersionFloor) && request.Target.Version == 0)
        request.Target.Version = 1;
    const TvSNMPVarList& list = request.VarList;
    const CliTerminalText shown(ctx.Out);
    std::string out;
    try {
        if (panel.Kind == TvPanelKind::Scalar) {
            request.GetStep(true);
            for (int i = 0; i < list.Count(); ++i)
                if (list.IsShown(i))
                    out += shown(list.Item(i).Label) + "\t" + shown(list.Item(i).Value) + "\n";
        } else {
            auto line = [&](auto field) {
                std::string text;
                for (int i = 0; i < list.Count(); ++i)
                    if (list.IsShown(i))
                        text += (text.empty() ? "" : "\t") + shown(field(list.Item(i)));
                return text + "\n";
            };
            out = line([](const TvSNMPVarItem& item) { return item.Label; });
            session.WalkRows(request, !panel.Has(pnlSynchronous), [&](const TvSNMPVarList&) {
                out += line([](const TvSNMPVarItem& item) { return item.Value; });
                return true;
            });
        }
    } catch (const TvException& e) {
        CliWrite(ctx.Out, out);
        std::fprintf(ctx.Err, "%s\n", e.Message().c_str());
        return kExitFailure;
    }
    return CliWrite(ctx.Out, out) ? kExitOk : kExitFailure;
}
