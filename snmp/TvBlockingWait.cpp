#include "snmp/TvBlockingWait.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

TvBlockingWait::Notifier& TheNotifier() {
    static TvBlockingWait::Notifier notifier;
    return notifier;
}

int depth = 0;

} // namespace

void TvBlockingWait::SetNotifier(Notifier notifier) {
    TheNotifier() = std::move(notifier);
}

int TvBlockingWait::Depth() {
    return depth;
}

TvBlockingWait::TvBlockingWait() {
    if (depth++ == 0 && TheNotifier())
        TheNotifier()(true);
}

TvBlockingWait::~TvBlockingWait() {
    if (--depth == 0 && TheNotifier())
        TheNotifier()(false);
}

void TvBlockingWait::LetEventsIn() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
