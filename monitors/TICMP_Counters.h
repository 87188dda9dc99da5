#pragma once

#include "monitors/TCounterGroupWindow.h"

// Counters of the ICMP group of MIB-II.
class TICMP_Counters : public TCounterGroupWindow {
    Q_OBJECT

public:
    TICMP_Counters(QWidget* parent, const QString& agentIP);
};
