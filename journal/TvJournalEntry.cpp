#include "journal/TvJournalEntry.h"

#include <algorithm>
#include <string_view>

namespace {

// Row-status and entry-status values that create or remove a row.
constexpr std::string_view kRowLifeValues[] = {"createAndGo", "createAndWait", "destroy", "invalid"};

} // namespace

std::string TvJournalEntry::Switch() const {
    return Address + ":" + std::to_string(Port);
}

std::string TvJournalEntry::OutcomeLine() const {
    switch (Outcome) {
    case Result::Ok:
        return "Ok";
    case Result::Error:
        return OutcomeText;
    case Result::NoReply:
        return OutcomeText.empty() ? "no reply" : "no reply (" + OutcomeText + ")";
    case Result::Unknown:
        break;
    }
    return "unknown (no outcome was kept)";
}

bool TvJournalEntry::ChangesRowLife() const {
    return std::any_of(Vars.begin(), Vars.end(), [](const Var& v) {
        return std::find(std::begin(kRowLifeValues), std::end(kRowLifeValues), v.Sent) !=
               std::end(kRowLifeValues);
    });
}

std::vector<TvJournalEntry::Var> TvJournalEntry::Restorable() const {
    std::vector<Var> vars;
    std::copy_if(Vars.begin(), Vars.end(), std::back_inserter(vars),
                 [](const Var& v) { return v.Restorable; });
    return vars;
}
