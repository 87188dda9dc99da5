#include "snmp/TvNotificationLog.h"

#include <algorithm>

TvNotificationLog::TvNotificationLog(std::size_t capacity, QObject* parent)
    : QObject(parent), capacity_(std::max<std::size_t>(capacity, 1)) {}

TvNotificationLog& TvNotificationLog::Instance() {
    static TvNotificationLog* log = new TvNotificationLog(); // outlives every window that shows it
    return *log;
}

void TvNotificationLog::Add(TvNotification n) {
    auto item = std::make_shared<const TvNotification>(std::move(n));
    entries_.push_back({++seq_, item});
    while (entries_.size() > capacity_)
        entries_.pop_front();
    Count(Clock::now());
    emit Added(*item);
}

void TvNotificationLog::Clear() {
    entries_.clear();
    emit Cleared();
}

namespace {

std::int64_t Tick(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() / 100;
}

} // namespace

void TvNotificationLog::Count(Clock::time_point now) {
    const std::int64_t tick = Tick(now);
    // Buckets of the tenths that passed since the last arrival are emptied.
    for (std::int64_t t = lastTick_ + 1; t <= tick && t <= lastTick_ + kBuckets; ++t)
        buckets_[static_cast<std::size_t>(t % kBuckets)] = 0;
    lastTick_ = std::max(lastTick_, tick);
    ++buckets_[static_cast<std::size_t>(tick % kBuckets)];
}

std::size_t TvNotificationLog::Rate() const {
    const std::int64_t tick = Tick(Clock::now());
    std::size_t sum = 0;
    for (std::int64_t t = tick - kBuckets + 1; t <= tick; ++t)
        if (t <= lastTick_ && t > lastTick_ - kBuckets)
            sum += buckets_[static_cast<std::size_t>(((t % kBuckets) + kBuckets) % kBuckets)];
    return sum;
}
