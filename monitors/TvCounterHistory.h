#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One entry of a history list; value 0 and an empty time for a placeholder.
struct HistoryData {
    std::uint64_t value = 0; // a delta (or a rate) of one counter at one sample
    std::string time;        // time of day of that sample
    std::int64_t stamp = 0;  // the same moment in milliseconds since the epoch; 0 for a placeholder
};

// The short history of the chart windows: one list per series, oldest entry first, always exactly H
// entries (placeholders until enough samples have come).
class TvCounterHistory {
public:
    // Discards everything and starts `series` lists of `count` placeholders.
    void Rebuild(int series, int count);
    // One sample: drops each list's oldest entry and appends the new value (one per series).
    void Append(const std::vector<std::uint64_t>& values, const std::string& time, std::int64_t stamp);

    int Count() const { return count_; }
    int SeriesCount() const { return static_cast<int>(lists_.size()); }
    const std::vector<HistoryData>& List(int series) const { return lists_.at(static_cast<size_t>(series)); }

private:
    int count_ = 0;
    std::vector<std::vector<HistoryData>> lists_;
};
