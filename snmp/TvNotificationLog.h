#pragma once

#include "snmp/TvNotification.h"

#include <QObject>

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

// The notifications received in this run of the program, the newest last: at most kCapacity, the
// oldest dropped first, so that a flood costs bounded memory. Entries are shared, never copied, with
// the views that show them.
class TvNotificationLog : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kCapacity = 10000;

    struct Entry {
        std::uint64_t Seq = 0; // 1 for the first of the run, one more for each
        std::shared_ptr<const TvNotification> Item;
    };

    explicit TvNotificationLog(std::size_t capacity = kCapacity, QObject* parent = nullptr);
    // The log of the program (made on first use, lives until the end).
    static TvNotificationLog& Instance();

    void Add(TvNotification n);
    void Clear();

    const std::deque<Entry>& Entries() const { return entries_; }
    std::size_t Size() const { return entries_.size(); }
    std::size_t Capacity() const { return capacity_; }
    std::uint64_t LastSeq() const { return seq_; }
    std::uint64_t Total() const { return seq_; } // every one added in this run
    // Notifications added in the last second.
    std::size_t Rate() const;

signals:
    // After each Add; a view coalesces these rather than redrawing for each.
    void Added(const TvNotification& n);
    void Cleared();

private:
    using Clock = std::chrono::steady_clock;
    static constexpr int kBuckets = 10; // of a tenth of a second each
    void Count(Clock::time_point now);

    std::deque<Entry> entries_;
    std::size_t capacity_;
    std::uint64_t seq_ = 0;
    std::array<std::size_t, kBuckets> buckets_{};
    std::int64_t lastTick_ = 0; // tenths of a second of the newest bucket
};
