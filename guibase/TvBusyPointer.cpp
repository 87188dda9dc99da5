#include "guibase/TvBusyPointer.h"

#include "snmp/TvBlockingWait.h"

#include <QApplication>
#include <QCursor>

void InstallBusyPointer() {
    TvBlockingWait::SetNotifier([](bool waiting) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return;
        if (waiting)
            QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        else
            QApplication::restoreOverrideCursor();
    });
}
