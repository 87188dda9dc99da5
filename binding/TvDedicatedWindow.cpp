#include "binding/TvDedicatedWindow.h"

#include "catalog/TvMenuTree.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowPlacement.h"

#include <QEvent>

#include <algorithm>

TvDedicatedWindow::TvDedicatedWindow(QWidget* parent, const char* objectName) : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
}

TvDedicatedWindow::~TvDedicatedWindow() = default;

void TvDedicatedWindow::ShowFor(TvWindowHost& host, const TvMenuNode& entry) {
    if (const QString caption = host.EntryCaption(entry); !caption.isEmpty())
        setWindowTitle(caption);
    placement_ = EntryKey(entry);
    // The change journal names the window's writes after its menu entry.
    if (const std::string name = QString::fromLatin1(entry.Caption).simplified().toLatin1().toStdString();
        !name.empty())
        for (TvSNMPRequest2Controls* b : watched_)
            b->Request.Source = name;
    TvWindowPlacement::Restore(*this, placement_);
    // Modeless: the main window, its front panel and the other windows stay live.
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
}

QString TvDedicatedWindow::EntryKey(const TvMenuNode& entry) {
    return entry.Target ? QString::fromLatin1(entry.Target) : QString();
}

void TvDedicatedWindow::Watch(TvSNMPRequest2Controls& binding) {
    watched_.push_back(&binding);
    binding.OnBusyChanged = [this](bool) { BusyChanged(); };
}

void TvDedicatedWindow::GateWhileBusy(std::initializer_list<QWidget*> actions) {
    for (QWidget* w : actions) {
        gated_.emplace_back(w);
        w->installEventFilter(this);
    }
}

bool TvDedicatedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !gating_ && !closed_ && Waiting()) {
        auto* action = static_cast<QWidget*>(watched);
        if (action->isEnabled())
            HoldOff(action);
    }
    return QDialog::eventFilter(watched, event);
}

void TvDedicatedWindow::HoldOff(QWidget* action) {
    const bool held =
        std::any_of(heldOff_.begin(), heldOff_.end(), [&](const auto& h) { return h.first == action; });
    if (!held)
        heldOff_.emplace_back(action, action->toolTip());
    gating_ = true;
    action->setEnabled(false);
    action->setToolTip(TvPlainText::ToolTip(QString::fromLatin1(kWaitingTip)));
    gating_ = false;
}

bool TvDedicatedWindow::Waiting() const {
    return std::any_of(watched_.begin(), watched_.end(),
                       [](const TvSNMPRequest2Controls* b) { return b->Busy; });
}

void TvDedicatedWindow::BusyChanged() {
    if (closed_)
        return;
    if (Waiting()) {
        for (const QPointer<QWidget>& w : gated_)
            if (w && w->isEnabled())
                HoldOff(w);
        return;
    }
    gating_ = true;
    for (auto& [w, tip] : heldOff_)
        if (w) {
            w->setEnabled(true);
            w->setToolTip(tip); // as it was before, already plain
        }
    gating_ = false;
    heldOff_.clear();
    UpdateActions();
}

bool TvDedicatedWindow::Idle(TvSNMPRequest2Controls::Operation op) {
    if (!Waiting())
        return true;
    Report(op, kWaitingMessage);
    return false;
}

void TvDedicatedWindow::Report(TvSNMPRequest2Controls::Operation op, const std::string& text) {
    if (!watched_.empty() && watched_.front()->StatusTarget())
        watched_.front()->ShowStatus(op, text);
    else
        TvMessageBox::Information(this, FromBytes(text));
}

void TvDedicatedWindow::done(int result) {
    // Nothing of the window may reach the switch, or the window, once it is closed.
    if (!closed_)
        TvWindowPlacement::Save(*this, placement_);
    closed_ = true;
    for (TvSNMPRequest2Controls* b : watched_) {
        b->OnBusyChanged = {};
        b->Request.Enabled = false;
        b->Cancel();
    }
    Closing();
    QDialog::done(result);
}
