#pragma once

#include <QLabel>

class QStatusBar;

// One panel of a status bar: a label that the bar keeps at the right of its message area. Status lines
// of a binding can go to it instead of the bar's own text.
class TvStatusPanel : public QLabel {
    Q_OBJECT

public:
    // Adds itself to `bar` (permanent widgets stay visible when the bar shows a message).
    explicit TvStatusPanel(QStatusBar* bar, int stretch = 1, bool permanent = false);
};
