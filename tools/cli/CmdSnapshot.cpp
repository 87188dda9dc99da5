#include "CliCommands.h"
#include "CliSession.h"
#include "CliTerminalText.h"

#include "snapshot/TvSnapshotDiff.h"
#include "snapshot/TvSnapshotFile.h"
#include "snapshot/TvSnapshotTaker.h"
#include "snmp/TvSNMPEngine.h"
#include "snmp/TvSNMPRequest.h"

#include <QCoreApplication>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace {

// Ctrl+C stops a snapshot at once, and nothing is written: the file is written only when all was read.
void StopSnapshot(int) {
    _exit(130);
}

void StopOnInterrupt() {
    struct sigaction previous {};
    sigaction(SIGINT, nullptr, &previous);
    if (previous.sa_handler != SIG_IGN) {
        struct sigaction stop {};
        stop.sa_handler = StopSnapshot;
        sigaction(SIGINT, &stop, nullptr);
    }
}

constexpr long kMaxJobs = 64;

// Takes a snapshot of the session's switch; false (with a message on standard error) when the session
// could not be had.
bool Take(const CliContext& ctx, std::size_t jobs, TvSnapshot& out, int& exitCode) {
    CliSession session(ctx);
    if (!session.Ok()) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", session.Error().c_str());
        exitCode = session.ExitCode();
        return false;
    }
    session.StartEventLoop();
    TvSNMPEngine::Instance()->SetMaxInFlight(jobs);
    StopOnInterrupt();
    TvSnapshotTaker taker;
    taker.Jobs = jobs;
    taker.Configure = [&session](TvSNMPRequest& r) { session.Configure(r); };
    const bool progress = isatty(fileno(ctx.Err)) != 0;
    if (progress)
        taker.OnProgress = [&ctx](int done, int total) {
            std::fprintf(ctx.Err, "\r%d of %d read", done, total);
            std::fflush(ctx.Err);
        };
    taker.OnFinished = [&out](TvSnapshot& s) {
        out = std::move(s);
        QCoreApplication::exit();
    };
    taker.Start();
    QCoreApplication::exec();
    if (progress)
        std::fprintf(ctx.Err, "\n");
    return true;
}

bool Load(const CliContext& ctx, const std::string& path, TvSnapshot& out) {
    std::string error;
    if (TvSnapshotFile::Read(path, out, error))
        return true;
    std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", CliTerminalText::Escape(error).c_str());
    return false;
}

} // namespace

int CmdSnapshot(const CliContext& ctx) {
    long jobs = static_cast<long>(TvSNMPEngine::kDefaultMaxInFlight);
    std::string file;
    for (size_t i = 0; i < ctx.Args.size(); ++i) {
        const std::string& a = ctx.Args[i];
        if (a == "--jobs" && i + 1 < ctx.Args.size()) {
            char* end = nullptr;
            jobs = std::strtol(ctx.Args[++i].c_str(), &end, 10);
            if (ctx.Args[i].empty() || *end != '\0' || jobs < 1 || jobs > kMaxJobs) {
                std::fprintf(ctx.Err, "qtr5190mx-cli: bad job count %s (1 to %ld)\n", ctx.Args[i].c_str(),
                             kMaxJobs);
                return kExitUsage;
            }
        } else if (a == "-o" && i + 1 < ctx.Args.size()) {
            file = ctx.Args[++i];
        } else {
            std::fprintf(ctx.Err, "usage: qtr5190mx-cli [OPTIONS] AGENT snapshot [--jobs N] [-o FILE]\n");
            return kExitUsage;
        }
    }
    TvSnapshot snapshot;
    int code = kExitOk;
    if (!Take(ctx, static_cast<std::size_t>(jobs), snapshot, code))
        return code;
    if (file.empty()) {
        if (!CliWrite(ctx.Out, TvSnapshotFile::ToJson(snapshot)))
            return kExitFailure;
    } else if (std::string error; !TvSnapshotFile::Write(file, snapshot, error)) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", CliTerminalText::Escape(error).c_str());
        return kExitFailure;
    }
    const auto failed = snapshot.FailedEntries();
    if (!failed.empty() && failed.size() == snapshot.Entries.size() &&
        std::all_of(failed.begin(), failed.end(),
                    [&](const auto* e) { return e->Error == failed[0]->Error; })) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: no table or group could be read: %s\n",
                     CliTerminalText::Escape(failed[0]->Error).c_str());
        return kExitFailure;
    }
    for (const TvSnapshotEntry* e : failed)
        std::fprintf(ctx.Err, "qtr5190mx-cli: not read: %s (%s): %s\n",
                     CliTerminalText::Escape(e->Title()).c_str(), e->Name.c_str(),
                     CliTerminalText::Escape(e->Error).c_str());
    return failed.empty() ? kExitOk : kExitFailure;
}

int CmdDiff(const CliContext& ctx) {
    bool live = false;
    bool unknown = false;
    std::vector<std::string> files;
    for (const std::string& a : ctx.Args) {
        if (a == "--live")
            live = true;
        else if (a.size() > 1 && a[0] == '-')
            unknown = true;
        else
            files.push_back(a);
    }
    const size_t wanted = ctx.Agent.empty() ? 2 : 1;
    if (unknown || files.size() != wanted) {
        std::fprintf(ctx.Err, "usage: qtr5190mx-cli diff [--live] OLD.json NEW.json\n"
                              "       qtr5190mx-cli [OPTIONS] AGENT diff [--live] OLD.json\n");
        return kExitUsage;
    }
    TvSnapshot before, after;
    if (!Load(ctx, files[0], before))
        return kExitUsage;
    if (ctx.Agent.empty()) {
        if (!Load(ctx, files[1], after))
            return kExitUsage;
    } else if (int code = kExitOk; !Take(ctx, TvSNMPEngine::kDefaultMaxInFlight, after, code)) {
        return code;
    }
    const TvSnapshotComparison cmp = TvSnapshotDiff::Compare(before, after, live);
    // One line per difference whatever the values hold: tabs, line feeds and control characters in the
    // switch's texts are escaped, on a terminal and in a pipe alike.
    std::string lines;
    for (const TvSnapshotDifference& d : cmp.Differences) {
        for (const std::string* field : {&d.Entry, &d.Row, &d.Label, &d.Old}) {
            lines += CliTerminalText::Escape(*field);
            lines += '\t';
        }
        lines += CliTerminalText::Escape(d.New);
        lines += '\n';
    }
    if (!lines.empty() && !CliWrite(ctx.Out, lines))
        return kExitFailure;
    for (const std::string& skipped : cmp.Skipped)
        std::fprintf(ctx.Err, "qtr5190mx-cli: not compared: %s\n", CliTerminalText::Escape(skipped).c_str());
    if (cmp.NothingToCompare() || cmp.LiveLeftOut > 0 || cmp.Differences.empty())
        std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", cmp.Summary().c_str());
    return cmp.Differences.empty() && !cmp.NothingToCompare() ? kExitOk : kExitFailure;
}
