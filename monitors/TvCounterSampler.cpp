#include "monitors/TvCounterSampler.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"

#include <cmath>

void TvCounterSampler::SetCounters(std::vector<CounterSlot> counters) {
    slots_ = std::move(counters);
    Reset();
}

void TvCounterSampler::ZeroSlots() {
    for (CounterSlot& s : slots_) {
        s.current = 0;
        s.previous = 0;
        s.peak = 0;
        s.delta = 0;
    }
}

void TvCounterSampler::Reset() {
    ZeroSlots();
    baseline_ = false;
    count_ = 0;
    lastReadMs_.reset();
    lastUpTime_.reset();
}

std::uint64_t TvCounterSampler::ParseCounter(const std::string& text, int bits) {
    std::uint64_t n = 0;
    bool ok = !text.empty() && text.size() <= 20;
    for (char c : text) {
        if (!ok)
            break;
        if (c < '0' || c > '9') {
            ok = false;
            break;
        }
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (n > (UINT64_MAX - digit) / 10) {
            ok = false;
            break;
        }
        n = n * 10 + digit;
    }
    if (!ok)
        throw TvException("'" + text + "' is not a valid integer value", errUnknown);
    return bits >= 64 ? n : n & ((std::uint64_t{1} << bits) - 1);
}

std::uint64_t TvCounterSampler::RateOf(std::uint64_t delta, std::int64_t elapsedMs) {
    // A monotonic clock never goes back; two reads within the same millisecond count as one.
    const long double ms = elapsedMs > 0 ? static_cast<long double>(elapsedMs) : 1.0L;
    return static_cast<std::uint64_t>(std::llroundl(static_cast<long double>(delta) * 1000.0L / ms));
}

TvCounterSampler::Break TvCounterSampler::BreakIn(const std::vector<std::string>& raw,
                                                  std::optional<std::uint32_t> upTime) const {
    if (!lastReadMs_)
        return Break::None; // nothing to compare with
    if (upTime && lastUpTime_ && *upTime < *lastUpTime_)
        return Break::Restart;
    for (size_t k = 0; k < slots_.size() && k < raw.size(); ++k) {
        const CounterSlot& s = slots_[k];
        if (s.bits < 64)
            continue;
        try {
            if (ParseCounter(raw[k], s.bits) < s.current)
                return Break::WentDown;
        } catch (const TvException&) {
            // Not a number: the sampling step says so.
        }
    }
    return Break::None;
}

TvCounterSampler::Break TvCounterSampler::Sample(const std::vector<std::string>& raw, std::int64_t nowMs,
                                                 std::vector<CounterCells>& cells,
                                                 std::optional<std::uint32_t> upTime) {
    cells.clear();
    const Break broken = BreakIn(raw, upTime);
    if (upTime)
        lastUpTime_ = upTime;
    const std::int64_t elapsed = lastReadMs_ ? nowMs - *lastReadMs_ : 0;
    const bool countStarted = count_ > 0;
    for (size_t k = 0; k < slots_.size(); ++k) {
        CounterSlot& s = slots_[k];
        const std::uint64_t value = ParseCounter(k < raw.size() ? raw[k] : std::string(), s.bits);
        if (broken != Break::None) {
            // The new baseline: nothing to compare this value with.
            s.previous = s.current = value;
            s.delta = 0;
            CounterCells c;
            c.value = true;
            c.Value = value;
            c.Peak = s.peak;
            cells.push_back(c);
            continue;
        }
        s.previous = s.current;
        s.current = value;
        const std::uint64_t mask = s.bits >= 64 ? UINT64_MAX : (std::uint64_t{1} << s.bits) - 1;
        s.delta = (s.current - s.previous) & mask;
        CounterCells c;
        c.Value = s.current;
        c.Delta = s.delta;
        c.Rate = RateOf(s.delta, elapsed);
        const bool peakTest = kind_ == Baseline::Flag || countStarted;
        if (peakTest && s.delta > s.peak && s.previous != 0) {
            s.peak = s.delta;
            c.peak = true;
        }
        c.Peak = s.peak;
        if (kind_ == Baseline::Flag) {
            c.value = true;
            c.deltaRate = baseline_;
        } else {
            c.value = countStarted;
            c.deltaRate = countStarted;
        }
        cells.push_back(c);
    }
    lastReadMs_ = nowMs;
    if (kind_ == Baseline::Flag)
        baseline_ = true;
    else
        ++count_;
    return broken;
}
