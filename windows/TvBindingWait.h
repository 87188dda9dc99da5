#pragma once

#include "binding/TvSNMPRequest2Controls.h"

#include <QCoreApplication>
#include <QEventLoop>

// Lets the replies of a busy binding in before it is used again: a write must not interleave with a
// walk that is still filling the same variable list. The request's own timeout ends the wait.
inline void WaitUntilIdle(const TvSNMPRequest2Controls& binding) {
    while (binding.Busy)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
}
