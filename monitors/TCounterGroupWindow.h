#pragma once

#include "monitors/TCounterWindow.h"

#include <span>
#include <string_view>

struct TvSNMPVarDef;

// A window over one scalar counter group of MIB-II: the group is read as one row whose caption is the
// first counter; the rows exist from the start and the baseline is a flag. The groups differ in data
// only: each is a row of one table, registered for its menu entry.
class TCounterGroupWindow : public TCounterWindow {
    Q_OBJECT

public:
    struct Setup {
        const char* Target; // the menu entry's target
        const char* TitlePrefix;
        const TvSNMPVarDef* Table;
        std::span<const char* const> Rows;
        const char* CounterListName;
        const char* HiddenListName;
        bool CreationSample; // sample once at creation (Value only)
    };

    TCounterGroupWindow(QWidget* parent, const QString& agentIP, const Setup& setup);

    // The group registered for `target`, or null.
    static const Setup* Find(std::string_view target);

    void BT_ResetClick() override;

protected:
    std::vector<std::string> RawCounters() const override;
};
