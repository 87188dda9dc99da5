#include "CliCommands.h"
#include "catalog/TvCatalogListing.h"

int CmdCatalog(const CliContext& ctx) {
    if (!ctx.Options.empty() || !ctx.Args.empty()) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: catalog takes no options or arguments\n");
        return kExitUsage;
    }
    if (!CliWrite(ctx.Out, TvCatalogListing::Text())) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: cannot write the listing\n");
        return kExitFailure;
    }
    return kExitOk;
}
