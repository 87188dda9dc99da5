#include "support/JournalWitness.h"

#include "journal/TvJournalReader.h"
#include "support/SimSwitch.h"

#include <QFile>

#include <sstream>

namespace {

// One SET request as the switch logged it.
struct AgentSet {
    std::vector<std::string> Oids;
    bool Refused = false;
    std::string Line;
};

std::vector<AgentSet> AgentSets(const std::string& log) {
    std::vector<AgentSet> sets;
    bool refused = false;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("SET ", 0) == 0) {
            refused = refused || line.find(" refused with error ") != std::string::npos;
        } else if (line.rfind("VALUES ", 0) == 0) {
            // "VALUES  <version> <community or user> .<oid>=<value> ...": values carry no blanks.
            AgentSet set;
            set.Refused = refused;
            set.Line = line;
            std::istringstream words(line);
            std::string word;
            for (int k = 0; words >> word; ++k)
                if (k >= 3)
                    set.Oids.push_back(word.substr(1, word.find('=') - 1));
            sets.push_back(std::move(set));
            refused = false;
        }
    }
    return sets;
}

std::vector<std::string> Oids(const TvJournalEntry& e) {
    std::vector<std::string> oids;
    for (const TvJournalEntry::Var& v : e.Vars)
        oids.push_back(v.Oid);
    return oids;
}

std::string Describe(const TvJournalEntry& e) {
    std::string text = "\"" + e.Source + "\" " + e.OutcomeLine() + ":";
    for (const TvJournalEntry::Var& v : e.Vars)
        text += " " + v.Oid + "=" + v.Sent;
    return text;
}

} // namespace

JournalWitness::JournalWitness() : journal_(std::make_unique<TvChangeJournal>(Folder())) {
    TvWriteJournal::Install(journal_.get());
}

JournalWitness::~JournalWitness() = default;

std::string JournalWitness::Folder() const {
    return dir_.path().toStdString() + "/journal";
}

std::string JournalWitness::Bytes() const {
    std::string bytes;
    for (const std::string& path : TvChangeJournal::Files(Folder())) {
        QFile f(QString::fromStdString(path));
        if (f.open(QIODevice::ReadOnly))
            bytes += f.readAll().toStdString();
    }
    return bytes;
}

std::vector<TvJournalEntry> JournalWitness::Entries(std::uint16_t port) const {
    std::vector<TvJournalEntry> entries;
    for (TvJournalEntry& e : TvJournalReader::Read(Folder()).Entries)
        if (port == 0 || e.Port == port)
            entries.push_back(std::move(e));
    return entries;
}

std::string JournalWitness::Compare(const std::string& agentLog, std::uint16_t port) const {
    const std::vector<TvJournalEntry> entries = Entries(port);
    std::string faults;
    size_t next = 0;
    // An entry the switch never received: refused before it left, or lost on the way.
    const auto unreceived = [&](const TvJournalEntry& e) {
        // A SET of nothing leaves no line in the log.
        if (e.Outcome == TvJournalEntry::Result::Ok && !e.Vars.empty())
            faults += "kept as taken, but the switch never received it: " + Describe(e) + "\n";
    };
    for (const AgentSet& set : AgentSets(agentLog)) {
        // Entries before the one of this request are writes the switch did not receive (refused
        // by its access control, or lost): they never say Ok.
        const auto agrees = [&](const TvJournalEntry& e) {
            return set.Refused ? e.Outcome == TvJournalEntry::Result::Error
                               : e.Outcome != TvJournalEntry::Result::Error;
        };
        size_t at = next;
        while (at < entries.size() && (Oids(entries[at]) != set.Oids || !agrees(entries[at])))
            ++at;
        if (at == entries.size()) {
            faults += std::string("received (") + (set.Refused ? "refused" : "taken") +
                      "), but not so in the journal: " + set.Line + "\n";
            continue;
        }
        for (; next < at; ++next)
            unreceived(entries[next]);
        ++next;
    }
    for (; next < entries.size(); ++next)
        unreceived(entries[next]);
    return faults;
}

std::string JournalWitness::Compare(const SimSwitch& sim) const {
    return Compare(sim.Log(), sim.Port());
}
