#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One write as the change journal kept it, with its outcome.
struct TvJournalEntry {
    struct Var {
        std::string Oid;
        std::string Label;
        int Syntax = 0;
        bool BeforeKnown = false;
        std::string Before;
        std::string Sent;
        bool Restorable = false;
        std::string Restore; // the plain value text that writes Before back
    };
    enum class Result { Unknown, Ok, Error, NoReply };

    std::string Id;
    std::int64_t UtcMs = 0; // milliseconds since the epoch
    std::string Time;       // UTC, ISO 8601, as kept
    std::string Local;      // the writer's local time, ISO 8601 with its offset
    std::string User;
    std::string Address;
    std::uint16_t Port = 0;
    std::string Version; // "1", "2c" or "3"
    std::string Security;
    std::string Source;
    std::string UndoOf;
    std::vector<Var> Vars;
    Result Outcome = Result::Unknown;
    std::string OutcomeText;
    std::string UndoneBy; // the undo that took this write back, when one succeeded

    // "address:port".
    std::string Switch() const;
    // "Ok", the error text, "no reply" (with why, when it was not awaited), or that none was kept.
    std::string OutcomeLine() const;
    // The write created or removed a table row: writing the values before back does not undo it.
    bool ChangesRowLife() const;
    // The variables that an undo writes back.
    std::vector<Var> Restorable() const;
};
