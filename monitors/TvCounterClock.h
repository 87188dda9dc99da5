#pragma once

#include <QDateTime>

#include <cstdint>

// The time the counter windows sample by: a monotonic millisecond count for deltas and rates, and the wall
// clock for the times they show and chart. Both move together, so that a test can advance them instead of
// sleeping through poll intervals.
class TvCounterClock {
public:
    // Milliseconds from an arbitrary origin; never goes back.
    static std::int64_t ElapsedMs();
    // Local date and time.
    static QDateTime Now();
    // Moves both clocks forward by `ms` (tests).
    static void Advance(std::int64_t ms);
};
