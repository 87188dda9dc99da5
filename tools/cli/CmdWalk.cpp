#include "CliCommands.h"
#include "CliSession.h"
#include "CliTerminalText.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/TvSNMPRequest.h"
#include "values/TvCsv.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace {

// Ctrl+C ends a walk at once: every row printed so far is already out, so nothing is left to save.
void StopWalk(int) {
    _exit(130);
}

std::string RowLine(const TvSNMPVarList& list, const CliTerminalText& shown) {
    std::string line;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0)
            line += '\t';
        line += shown(list.Item(i).Value);
    }
    return line + '\n';
}

// RFC 4180: one record per row, every value quoted as it needs.
std::string CsvRow(const TvSNMPVarList& list, const CliTerminalText& shown) {
    std::vector<std::string> fields;
    for (int i = 0; i < list.Count(); ++i)
        fields.push_back(shown(list.Item(i).Value));
    return TvCsv::Record(fields);
}

} // namespace

// A table walk of the given columns; the first N are key columns decoded from the row instance.
int CmdWalk(const CliContext& ctx) {
    int keys = 0;
    long maxRows = kDefaultMaxRows;
    bool implied = false;
    bool async = false;
    bool bulk = true;
    bool csv = false;
    std::vector<CliVariable> columns;
    for (size_t i = 0; i < ctx.Args.size(); ++i) {
        const std::string& a = ctx.Args[i];
        if (a == "--keys" && i + 1 < ctx.Args.size()) {
            char* end = nullptr;
            keys = static_cast<int>(std::strtol(ctx.Args[++i].c_str(), &end, 10));
            if (*end != '\0' || keys < 0) {
                std::fprintf(ctx.Err, "qtr5190mx-cli: bad key count %s\n", ctx.Args[i].c_str());
                return kExitUsage;
            }
        } else if (a == "--max-rows" && i + 1 < ctx.Args.size()) {
            char* end = nullptr;
            maxRows = std::strtol(ctx.Args[++i].c_str(), &end, 10);
            if (*end != '\0' || maxRows < 0 || ctx.Args[i].empty()) {
                std::fprintf(ctx.Err, "qtr5190mx-cli: bad row limit %s\n", ctx.Args[i].c_str());
                return kExitUsage;
            }
        } else if (a == "--implied") {
            implied = true;
        } else if (a == "--no-bulk") {
            bulk = false;
        } else if (a == "--async") {
            async = true;
        } else if (a == "--csv") {
            csv = true;
        } else {
            CliVariable v;
            std::string error;
            if (!ParseVariable(a, false, v, error)) {
                std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", error.c_str());
                return kExitUsage;
            }
            columns.push_back(v);
        }
    }
    if (columns.empty() || keys > static_cast<int>(columns.size())) {
        std::fprintf(ctx.Err,
                     "usage: qtr5190mx-cli [OPTIONS] AGENT walk [--keys N] [--implied] [--async] [--csv] "
                     "[--no-bulk] [--max-rows N] OID:SYNTAX ...   (N at most the number of columns)\n");
        return kExitUsage;
    }
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itTable;
    list.KeyCount = keys;
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        int access = i < keys ? accIndex : accReadOnly;
        if (implied && i == keys - 1)
            access = accImpliedIndex;
        list.AddItem(columns[static_cast<size_t>(i)].Oid, columns[static_cast<size_t>(i)].Oid,
                     columns[static_cast<size_t>(i)].Syntax, access, nullptr, "", "", "");
    }
    CliSession session(ctx);
    if (!session.Ok()) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", session.Error().c_str());
        return session.ExitCode();
    }
    TvSNMPRequest request;
    session.Configure(request);
    request.VarList.Assign(list);
    request.UseGetBulk = bulk;
    request.BulkRowLimit = static_cast<std::int32_t>(std::min<long>(maxRows, 1 << 30));
    struct sigaction previous {};
    sigaction(SIGINT, nullptr, &previous);
    if (previous.sa_handler != SIG_IGN) { // a walk started in the background keeps ignoring it
        struct sigaction stop {};
        stop.sa_handler = StopWalk;
        sigaction(SIGINT, &stop, nullptr);
    }
    // Each row goes out as it arrives, so an endless table neither waits nor piles up in memory: at once to
    // a terminal, in blocks to a pipe or a file (a flush a row would cost a system call a row).
    const CliTerminalText shown(ctx.Out);
    const bool live = shown.Terminal();
    long rows = 0;
    bool written = true;
    if (csv) {
        // The header names the columns by the OIDs asked for.
        std::vector<std::string> header;
        for (const CliVariable& c : columns)
            header.push_back(shown(c.Oid));
        written = CliWrite(ctx.Out, TvCsv::Record(header));
    }
    try {
        session.WalkRows(request, async, [&](const TvSNMPVarList& l) {
            const std::string row = csv ? CsvRow(l, shown) : RowLine(l, shown);
            written = written && std::fwrite(row.data(), 1, row.size(), ctx.Out) == row.size() &&
                      (!live || std::fflush(ctx.Out) == 0);
            ++rows;
            if (maxRows != 0)
                request.BulkRowLimit =
                    static_cast<std::int32_t>(std::max<long>(1, std::min<long>(maxRows - rows, 1 << 30)));
            return written && (maxRows == 0 || rows < maxRows);
        });
    } catch (const TvException& e) {
        std::fflush(ctx.Out); // the rows before the error
        std::fprintf(ctx.Err, "%s\n", e.Message().c_str());
        return kExitFailure;
    }
    written = std::fflush(ctx.Out) == 0 && written;
    if (!written)
        return kExitFailure;
    if (maxRows != 0 && rows >= maxRows) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n",
                     CatalogText(errRowLimit, {{"LIMIT", std::to_string(maxRows)}}).c_str());
        return kExitFailure;
    }
    return kExitOk;
}
