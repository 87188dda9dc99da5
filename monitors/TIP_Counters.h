#pragma once

#include "monitors/TCounterGroupWindow.h"

// Counters of the IP group of MIB-II.
class TIP_Counters : public TCounterGroupWindow {
    Q_OBJECT

public:
    TIP_Counters(QWidget* parent, const QString& agentIP);
};
