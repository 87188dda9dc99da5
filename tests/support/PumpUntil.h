#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

// Lets the message loop (and with it the SNMP event pump) run until `done` holds or `ms` pass; whether it
// holds. The bound only ends a hang: a loaded machine under a sanitizer may be slow.
template <typename Pred> bool PumpUntil(Pred done, int ms = 15000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}
