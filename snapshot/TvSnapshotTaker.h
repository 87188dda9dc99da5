#pragma once

#include "snapshot/TvSnapshot.h"
#include "snapshot/TvSnapshotPlan.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class QObject;
class TvSNMPRequest;
class TvSNMPVarList;

// Reads every scalar group and table of a plan from the switch through the event pump, several at once
// (each table still read in order, row after row), and hands over the snapshot when the last one has
// ended. A table that fails or times out is kept with its error and does not hold up the others; when
// the switch does not answer at all (the system group times out), every table not read yet fails at once.
// The owner's callbacks run from the event loop, never from inside an exchange, so they may cancel or
// delete the taker.
class TvSnapshotTaker {
public:
    using Progress = std::function<void(int done, int total)>;
    using Finished = std::function<void(TvSnapshot& snapshot)>;

    explicit TvSnapshotTaker(std::span<const TvSnapshotSource> plan = TvSnapshotPlan::All());
    ~TvSnapshotTaker();
    TvSnapshotTaker(const TvSnapshotTaker&) = delete;
    TvSnapshotTaker& operator=(const TvSnapshotTaker&) = delete;

    // Groups and tables read at once.
    std::size_t Jobs = 4;
    // A table stops (and counts as failed) after this many rows: an endless table must not fill memory.
    int MaxRows = 100000;
    // Applied to every request before it sends (timeout and retries of the companion's command line).
    std::function<void(TvSNMPRequest&)> Configure;
    Progress OnProgress;
    Finished OnFinished;

    // Starts reading with the connection settings of the session globals.
    void Start();
    // Stops at once: nothing more is sent, no reply is taken and OnFinished never runs.
    void Cancel();

    // True from Start until OnFinished has run (or Cancel).
    bool Running() const { return running_; }
    int Done() const { return done_; }
    int Total() const { return static_cast<int>(plan_.size()); }

    // One list's current values as a snapshot row: the columns `source` keeps, the row's instance.
    static TvSnapshotRow RowOf(const TvSNMPVarList& list, const TvSnapshotSource& source);
    // The value of item `i` as the switch holds it (see TvSnapshotValue::Raw).
    static std::string RawOf(const TvSNMPVarList& list, int i);

private:
    struct Job {
        std::unique_ptr<TvSNMPRequest> Request;
        std::size_t Entry = 0;
    };

    std::unique_ptr<TvSNMPRequest> NewRequest() const;
    void ReadSystem();
    void StartNext();
    void Launch(std::size_t entry);
    void Step(Job* job, bool first);
    void EntryDone(Job* job, const std::string& error);
    void GiveUp(const std::string& error);
    void Retire(Job* job);
    void Post(std::function<void()> call);
    void PostProgress();
    void FinishIfDone();

    std::span<const TvSnapshotSource> plan_;
    TvSnapshot snapshot_;
    std::vector<std::unique_ptr<Job>> jobs_;
    std::vector<std::unique_ptr<TvSNMPRequest>> retired_; // ended inside their own callbacks; freed later
    std::unique_ptr<TvSNMPRequest> system_;
    std::unique_ptr<QObject> context_; // posted calls die with the taker
    std::vector<bool> ended_;          // entries read or failed
    std::size_t next_ = 0;
    int done_ = 0;
    bool running_ = false;
    bool finishing_ = false; // the snapshot is complete and on its way to the owner
    bool systemDone_ = false;
    bool progressPosted_ = false;
};
