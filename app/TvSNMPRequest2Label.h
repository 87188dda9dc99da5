#pragma once

#include "binding/TvSNMPRequest2Controls.h"

#include <QPointer>

class QLabel;

// Shows the value text of one item (its option name for an enumerated value) in a static text.
class TvSNMPRequest2Label : public TvSNMPRequest2Controls {
public:
    TvSNMPRequest2Label(QWidget* owner, QLabel* label, int itemIndex = 0);

    void ReceiveOne() override;

private:
    QPointer<QLabel> label_;
    int itemIndex_;
};
