#pragma once

#include "monitors/TCounterGroupWindow.h"

// Counters of the UDP group of MIB-II.
class TUDP_Counters : public TCounterGroupWindow {
    Q_OBJECT

public:
    TUDP_Counters(QWidget* parent, const QString& agentIP);
};
