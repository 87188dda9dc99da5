#pragma once

#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvSNMPEngine.h"

#include <QCoreApplication>
#include <QTemporaryDir>

// For core tests that speak SNMP through the event pump: the application object, the process-wide
// session (its boots counter in a folder of the test's own) and the pump, each made once.
inline void EnsureCoreSession() {
    static int argc = 1;
    static char name[] = "core_test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives until the process ends, like the application's
    static QTemporaryDir dir;
    if (!TvSNMPEngine::Instance())
        InitSNMPSession(dir.path().toStdString());
    gSnmpEventProcessor.Start();
}
