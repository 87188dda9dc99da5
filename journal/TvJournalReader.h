#pragma once

#include "journal/TvJournalEntry.h"

#include <string>
#include <vector>

// Reads the change journal back: every entry paired with its outcome line.
class TvJournalReader {
public:
    struct Result {
        std::vector<TvJournalEntry> Entries; // oldest first, by the time each was sent
        int Damaged = 0;                     // lines that are no entry (a line cut short by a crash)
    };

    // The journal in `folder`, every kept file; missing files are no error.
    static Result Read(const std::string& folder);
    // The same for the lines given, in order.
    static Result Parse(const std::vector<std::string>& lines);
};
