#include "binding/TvStatusPanel.h"
#include "guibase/TvPlainText.h"

#include <QStatusBar>

TvStatusPanel::TvStatusPanel(QStatusBar* bar, int stretch, bool permanent) : QLabel(bar) {
    // Status lines carry what the switch and the operator wrote: shown as written.
    TvPlainText::Apply(this);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    if (permanent)
        bar->addPermanentWidget(this, stretch);
    else
        bar->addWidget(this, stretch);
}
