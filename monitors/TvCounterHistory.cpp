#include "monitors/TvCounterHistory.h"

void TvCounterHistory::Rebuild(int series, int count) {
    count_ = count > 0 ? count : 0;
    lists_.assign(static_cast<size_t>(series > 0 ? series : 0),
                  std::vector<HistoryData>(static_cast<size_t>(count_)));
}

void TvCounterHistory::Append(const std::vector<std::uint64_t>& values, const std::string& time,
                              std::int64_t stamp) {
    for (size_t i = 0; i < lists_.size(); ++i) {
        std::vector<HistoryData>& list = lists_[i];
        while (!list.empty() && static_cast<int>(list.size()) >= count_)
            list.erase(list.begin());
        if (count_ > 0)
            list.push_back({i < values.size() ? values[i] : 0, time, stamp});
    }
}
