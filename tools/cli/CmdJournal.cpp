#include "CliCommands.h"

#include "journal/TvChangeJournal.h"
#include "journal/TvJournalReader.h"
#include "values/TvCsv.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <map>
#include <optional>
#include <strings.h>

namespace {

// The reader's local time with its offset, to the second.
std::string LocalTime(std::int64_t utcMs) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(utcMs).toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

// An ISO 8601 time ("2024-05-01T12:00", "...Z", "...+02:00") or date; local time without an offset.
std::optional<std::int64_t> ParseTime(const std::string& text) {
    const QString t = QString::fromStdString(text);
    QDateTime when = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!when.isValid())
        when = QDate::fromString(t, Qt::ISODate).startOfDay();
    if (!when.isValid())
        return std::nullopt;
    return when.toMSecsSinceEpoch();
}

struct SwitchFilter {
    std::string Host;
    int Port = -1;
    bool Matches(const TvJournalEntry& e) const {
        return strcasecmp(Host.c_str(), e.Address.c_str()) == 0 && (Port < 0 || Port == e.Port);
    }
};

std::optional<SwitchFilter> ParseSwitch(const std::string& agent) {
    SwitchFilter f;
    f.Host = agent;
    if (const size_t colon = agent.rfind(':'); colon != std::string::npos) {
        f.Host = agent.substr(0, colon);
        char* end = nullptr;
        const long port = std::strtol(agent.c_str() + colon + 1, &end, 10);
        if (colon + 1 == agent.size() || *end != '\0' || port < 1 || port > 65535)
            return std::nullopt;
        f.Port = static_cast<int>(port);
    }
    if (f.Host.empty())
        return std::nullopt;
    return f;
}

} // namespace

// The change journal, oldest first: one line per variable written.
int CmdJournal(const CliContext& ctx) {
    std::optional<SwitchFilter> only;
    std::optional<std::int64_t> since;
    bool csv = false;
    for (size_t i = 0; i < ctx.Args.size(); ++i) {
        const std::string& a = ctx.Args[i];
        if (a == "--switch" && i + 1 < ctx.Args.size()) {
            only = ParseSwitch(ctx.Args[++i]);
            if (!only) {
                std::fprintf(ctx.Err, "qtr5190mx-cli: bad switch %s (HOST[:PORT])\n", ctx.Args[i].c_str());
                return kExitUsage;
            }
        } else if (a == "--since" && i + 1 < ctx.Args.size()) {
            since = ParseTime(ctx.Args[++i]);
            if (!since) {
                std::fprintf(ctx.Err, "qtr5190mx-cli: bad time %s (ISO 8601, such as 2024-05-01T08:00)\n",
                             ctx.Args[i].c_str());
                return kExitUsage;
            }
        } else if (a == "--csv") {
            csv = true;
        } else {
            std::fprintf(ctx.Err, "qtr5190mx-cli: journal: unknown argument %s\n", a.c_str());
            return kExitUsage;
        }
    }
    const std::string folder = TvChangeJournal::DefaultFolder();
    const TvJournalReader::Result journal = TvJournalReader::Read(folder);
    const auto line = [csv](const std::vector<std::string>& fields) {
        if (csv)
            return TvCsv::Record(fields);
        std::string text;
        for (const std::string& f : fields)
            text += (text.empty() ? "" : "\t") + f;
        return text + "\n";
    };
    bool ok = !csv || CliWrite(ctx.Out, line({"time", "switch", "window or command", "OID", "label", "before",
                                              "sent", "outcome"}));
    std::map<std::string, std::int64_t> times;
    for (const TvJournalEntry& e : journal.Entries)
        times[e.Id] = e.UtcMs;
    for (const TvJournalEntry& e : journal.Entries) {
        if ((only && !only->Matches(e)) || (since && e.UtcMs < *since))
            continue;
        std::string source = e.Source;
        if (!e.UndoOf.empty()) {
            const auto it = times.find(e.UndoOf);
            source +=
                " (undo of the write at " + (it != times.end() ? LocalTime(it->second) : e.UndoOf) + ")";
        }
        std::vector<TvJournalEntry::Var> vars = e.Vars;
        if (vars.empty())
            vars.emplace_back(); // a write of nothing still went out
        std::string text;
        for (const TvJournalEntry::Var& v : vars)
            text += line({LocalTime(e.UtcMs), e.Switch(), source, v.Oid, v.Label,
                          v.BeforeKnown ? v.Before : "", v.Sent, e.OutcomeLine()});
        ok = ok && CliWrite(ctx.Out, text);
    }
    if (journal.Damaged > 0)
        std::fprintf(ctx.Err, "qtr5190mx-cli: %d damaged line(s) of the journal in %s skipped\n",
                     journal.Damaged, folder.c_str());
    return ok ? kExitOk : kExitFailure;
}
