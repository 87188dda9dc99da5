#include "binding/TvStatusPanel.h"

#include <QStatusBar>

TvStatusPanel::TvStatusPanel(QStatusBar* bar, int stretch, bool permanent) : QLabel(bar) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    if (permanent)
        bar->addPermanentWidget(this, stretch);
    else
        bar->addWidget(this, stretch);
}
