#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One counter of a monitor window.
struct CounterSlot {
    std::uint64_t current = 0;  // value read by the latest sample
    std::uint64_t previous = 0; // value read by the sample before
    std::uint64_t peak = 0;     // largest delta accepted since the last reset
    std::uint64_t delta = 0;    // current - previous, modulo 2^bits
    int bits = 32;              // Counter32 or Counter64
    std::string name;           // row caption (instance windows)
};

// What one sample shows of one counter: which cells are written and with what.
struct CounterCells {
    bool value = false;     // Value
    bool deltaRate = false; // Delta and Rate
    bool peak = false;      // Peak and peak time: a new peak
    std::uint64_t Value = 0;
    std::uint64_t Delta = 0;
    std::uint64_t Rate = 0;
    std::uint64_t Peak = 0;
};

// The sampling step of the counter windows, free of widgets: deltas across wraps, the rate over the
// time that really passed between two reads, the peak and the baseline rules.
class TvCounterSampler {
public:
    // Group windows take their baseline with a flag (the Value cell is written from the first sample
    // on), instance windows with a count (the first sample after a reset writes nothing).
    enum class Baseline { Flag, Count };

    explicit TvCounterSampler(Baseline kind = Baseline::Flag) : kind_(kind) {}

    Baseline Kind() const { return kind_; }
    // Replaces the counters (zeroed) and resets.
    void SetCounters(std::vector<CounterSlot> counters);
    std::vector<CounterSlot>& Slots() { return slots_; }
    const std::vector<CounterSlot>& Slots() const { return slots_; }

    // Every slot to 0; the baseline is not taken and no read time is known.
    void Reset();
    // Zeroes the counters only (the group windows' preparation at creation).
    void ZeroSlots();
    // The baseline is not taken; the counters stay.
    void ClearBaseline() {
        baseline_ = false;
        count_ = 0;
    }

    // Why a sample could not be compared with the one before.
    enum class Break {
        None,
        Restart,  // the switch's up time went back: it restarted (its counters started again from 0)
        WentDown, // a 64-bit counter went down: it was cleared (it cannot have wrapped)
    };

    // One sample of the raw texts (slot order) read at `nowMs` of a monotonic clock, with the switch's
    // up time (sysUpTime) read with them when known. `cells` receives one entry per counter as it goes;
    // a text that is not a decimal number raises the conversion error there, and the counters before it
    // keep their new values. A 32-bit counter that went down wrapped; a restart or a 64-bit counter that
    // went down starts a new baseline instead: the sample shows values only, deltas and peaks stay.
    Break Sample(const std::vector<std::string>& raw, std::int64_t nowMs, std::vector<CounterCells>& cells,
                 std::optional<std::uint32_t> upTime = std::nullopt);

    // Group windows: whether Delta and Rate are written. Instance windows: samples since the reset.
    bool BaselineTaken() const { return baseline_; }
    int SampleCount() const { return count_; }

    // Decimal text of up to 64 bits, keeping the low `bits`; raises "'x' is not a valid integer value".
    static std::uint64_t ParseCounter(const std::string& text, int bits);
    // `delta` per second over `elapsedMs`, rounded to the nearest whole number.
    static std::uint64_t RateOf(std::uint64_t delta, std::int64_t elapsedMs);

private:
    Break BreakIn(const std::vector<std::string>& raw, std::optional<std::uint32_t> upTime) const;

    Baseline kind_;
    std::vector<CounterSlot> slots_;
    bool baseline_ = false;
    int count_ = 0;
    std::optional<std::int64_t> lastReadMs_;
    std::optional<std::uint32_t> lastUpTime_;
};
