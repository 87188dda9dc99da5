#pragma once

#include "monitors/TCounterWindow.h"

#include <QStringList>

struct TvSNMPVarDef;

// A window over one scalar counter group of MIB-II: the group is read as one row whose caption is the
// first counter; the rows exist from the start and the baseline is a flag.
class TCounterGroupWindow : public TCounterWindow {
    Q_OBJECT

public:
    struct Setup {
        const char* TitlePrefix;
        const TvSNMPVarDef* Table;
        QStringList Rows;
        const char* CounterListName;
        const char* HiddenListName;
        bool CreationSample; // sample once at creation (Value only)
    };

    void BT_ResetClick() override;

protected:
    TCounterGroupWindow(QWidget* parent, const QString& agentIP, const Setup& setup);

    std::vector<std::string> RawCounters() const override;
};
