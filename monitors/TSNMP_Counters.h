#pragma once

#include "monitors/TCounterGroupWindow.h"

// Counters of the SNMP group of MIB-II.
class TSNMP_Counters : public TCounterGroupWindow {
    Q_OBJECT

public:
    TSNMP_Counters(QWidget* parent, const QString& agentIP);
};
