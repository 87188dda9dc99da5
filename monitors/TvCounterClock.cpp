#include "monitors/TvCounterClock.h"

#include <QElapsedTimer>

namespace {

std::int64_t& Offset() {
    static std::int64_t offset = 0;
    return offset;
}

const QElapsedTimer& Monotonic() {
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}

} // namespace

std::int64_t TvCounterClock::ElapsedMs() {
    return Monotonic().elapsed() + Offset();
}

QDateTime TvCounterClock::Now() {
    return QDateTime::currentDateTime().addMSecs(Offset());
}

void TvCounterClock::Advance(std::int64_t ms) {
    if (ms > 0)
        Offset() += ms;
}
