#pragma once

#include "snmp/TvWriteJournal.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The change journal: every SET the program or the companion sends, one JSON object a line, in one
// file per user under the state folder (docs/change-journal.md). A write's entry is handed to the kernel
// before the write leaves and its outcome follows on a line of its own, so that a crash loses at most
// the outcome of the write in flight. Values of key, password and community variables, and anything
// holding the session's community strings or passwords, are kept as "(hidden)".
class TvChangeJournal : public TvWriteJournal {
public:
    static constexpr const char* kFileName = "changes.jsonl";
    // The file is renamed changes.1.jsonl (the older ones move up) before an entry would take it past
    // this size; changes.4.jsonl is the oldest kept.
    static constexpr std::int64_t kRotateBytes = 1024 * 1024;
    static constexpr int kKeptFiles = 4;

    // $XDG_STATE_HOME/qtr5190mx when XDG_STATE_HOME is an absolute path, else ~/.local/state/qtr5190mx.
    static std::string DefaultFolder();
    // The journal's files in `folder`, oldest first (the rotated ones, then the current file).
    static std::vector<std::string> Files(const std::string& folder, int kept = kKeptFiles);

    explicit TvChangeJournal(std::string folder = DefaultFolder(), std::int64_t rotateBytes = kRotateBytes,
                             int kept = kKeptFiles);
    ~TvChangeJournal() override; // no longer installed afterwards
    TvChangeJournal(const TvChangeJournal&) = delete;
    TvChangeJournal& operator=(const TvChangeJournal&) = delete;

    std::string Begin(const TvWriteRecord& record) override;
    void End(const std::string& id, const TvWriteOutcome& outcome) override;

    const std::string& Folder() const { return folder_; }
    // Why the last entry or outcome could not be kept; empty when it was.
    const std::string& Problem() const { return problem_; }

    // The process's journal in the default folder, installed; made at the first call.
    static TvChangeJournal& StartDefault();

private:
    bool Append(const std::string& line);
    void Rotate() const;

    std::string folder_;
    std::int64_t rotateBytes_;
    int kept_;
    std::string problem_;
    long sequence_ = 0;
    std::map<std::string, std::vector<std::string>> secrets_; // of the writes awaiting their outcome
};
