#pragma once

#include "journal/TvChangeJournal.h"
#include "journal/TvJournalEntry.h"

#include <QTemporaryDir>

class SimSwitch;

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Keeps the change journal of a test in a folder of its own while it lives, and holds it against the
// request log of the simulated switch (started with "--log"): every SET request the switch received is
// one entry, with the same OIDs in the same order and an outcome that agrees (refused: the error; taken:
// Ok, or no reply when the answer was lost), and no entry says Ok that the switch did not receive.
class JournalWitness {
public:
    JournalWitness();
    ~JournalWitness();
    JournalWitness(const JournalWitness&) = delete;
    JournalWitness& operator=(const JournalWitness&) = delete;

    std::string Folder() const;
    // Every byte of every file of the journal.
    std::string Bytes() const;
    // The entries of the switch on `port` (every switch when 0), oldest first.
    std::vector<TvJournalEntry> Entries(std::uint16_t port = 0) const;
    // Empty when the journal and the log `agentLog` of the switch on `port` agree; else what differs.
    std::string Compare(const std::string& agentLog, std::uint16_t port) const;
    std::string Compare(const SimSwitch& sim) const;

private:
    QTemporaryDir dir_;
    std::unique_ptr<TvChangeJournal> journal_;
};
