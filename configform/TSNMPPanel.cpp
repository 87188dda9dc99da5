#include "configform/TSNMPPanel.h"

#include "base/TvException.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "configform/TCtrlBtnPanel.h"
#include "configform/TEditsPanel.h"
#include "configform/TMsgPanel.h"
#include "configform/TSNMPEditorPanel.h"
#include "guibase/TvMessageBox.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

TSNMPPanel::TSNMPPanel(QWidget* owner, TMsgPanel* sharedMessages, TvSNMPRequest2Edits* binding)
    : QFrame(owner), binding_(binding), sharedMessages_(sharedMessages) {
    setObjectName("SNMPPanel");
    ButtonSplitter = new QSplitter(Qt::Horizontal, this);
    ButtonSplitter->setObjectName("ButtonSplitter");
    ButtonSplitter->setChildrenCollapsible(false);
    ClientArea = new QWidget(ButtonSplitter);
    ClientArea->setObjectName("ClientArea");
    Buttons = new TCtrlBtnPanel(ButtonSplitter);
    ButtonSplitter->addWidget(ClientArea);
    ButtonSplitter->addWidget(Buttons);
    ButtonSplitter->setStretchFactor(0, 1);
    ButtonSplitter->setStretchFactor(1, 0);
    connect(Buttons->RefreshButton, &QPushButton::clicked, this, &TSNMPPanel::RefreshButtonClick);
    connect(Buttons->CloseButton, &QPushButton::clicked, this, &TSNMPPanel::CloseButtonClick);

    MessageSplitter = new QSplitter(Qt::Vertical, ClientArea);
    MessageSplitter->setObjectName("MessageSplitter");
    MessageSplitter->setChildrenCollapsible(false);
    MessageSplitter->setHandleWidth(5);
    contentHolder_ = new QWidget(MessageSplitter);
    contentHolder_->setObjectName("ContentHolder");
    auto* holderLayout = new QVBoxLayout(contentHolder_);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    MessageSplitter->addWidget(contentHolder_);
    if (sharedMessages_) {
        if (binding_)
            binding_->SetStatusTarget(sharedMessages_->Memo);
    } else {
        MessagePanel = new TMsgPanel(MessageSplitter);
        MessageSplitter->addWidget(MessagePanel);
        MessageSplitter->setStretchFactor(0, 1);
        MessageSplitter->setStretchFactor(1, 0);
        if (binding_)
            binding_->SetStatusTarget(MessagePanel->Memo);
    }
    auto* clientLayout = new QVBoxLayout(ClientArea);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(MessageSplitter);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ButtonSplitter);
    resize(0, 0);

    busyWatch_ = new QTimer(this);
    busyWatch_->setInterval(50);
    connect(busyWatch_, &QTimer::timeout, this, [this] {
        if (!binding_ || !binding_->Busy) {
            busyWatch_->stop();
            ShowBusy(false);
        }
    });
}

void TSNMPPanel::SetContent(QWidget* control) {
    if (content_ && content_ != control) {
        content_->hide();
        contentHolder_->layout()->removeWidget(content_);
    }
    content_ = control;
    const QSize size = control->size();
    control->setParent(contentHolder_);
    contentHolder_->layout()->addWidget(control);
    control->show();

    const int messageHeight = MessagePanel ? TMsgPanel::PanelHeight : 0;
    const int splitterHeight = MessagePanel ? MessageSplitter->handleWidth() : 0;
    const int width = size.width() + Buttons->width() + ButtonSplitter->handleWidth() + 3;
    const int height = std::max(size.height() + messageHeight + splitterHeight, Buttons->StackHeight());
    if (this->width() != width || this->height() != height)
        resize(width, height);
    if (MessagePanel)
        MessageSplitter->setSizes({size.height(), messageHeight});
}

void TSNMPPanel::AttachToForm(QDialog* window) {
    window_ = window;
    // The panel fills its host: the window itself or a tab sheet of it.
    if (QWidget* host = parentWidget()) {
        if (!host->layout()) {
            auto* fill = new QVBoxLayout(host);
            fill->setContentsMargins(0, 0, 0, 0);
        }
        if (host->layout()->indexOf(this) < 0)
            host->layout()->addWidget(this);
    }
    const QSize now = window->size();
    const int width = std::min(std::max(now.width(), this->width()), MaxClientWidth);
    const int height = std::min(std::max(now.height(), this->height()), MaxClientHeight);
    window->resize(width, height);
}

void TSNMPPanel::ReadBinding() {
    // A second read over a running one would mix their replies.
    if (!binding_ || binding_->Busy)
        return;
    const HandlerScope scope(*this);
    ShowBusy(true);
    // The read replaces whatever the operator typed.
    if (auto* editor = qobject_cast<TSNMPEditorPanel*>(this))
        editor->EditsPanel->ForgetEdits();
    try {
        binding_->Get();
    } catch (const TvException& e) {
        binding_->ShowStatus(e.Message());
    }
    if (binding_ && binding_->Busy)
        busyWatch_->start(); // replies come through the event pump
    else
        ShowBusy(false);
}

void TSNMPPanel::ShowBusy(bool busy) {
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

bool TSNMPPanel::ConfirmDiscard(const QString& action) {
    const QStringList changed = UnsentEdits ? UnsentEdits() : QStringList();
    if (changed.isEmpty())
        return true;
    return TvMessageBox::YesNo(
        this, "These values were changed and not sent:\n" + changed.join('\n') + "\n\nDiscard them?", action);
}

void TSNMPPanel::RefreshButtonClick() {
    if (!ConfirmDiscard("Refresh"))
        return;
    ReadBinding();
}

void TSNMPPanel::CloseButtonClick() {
    if (!window_) {
        TvMessageBox::Information(this, "Please initial close form");
        return;
    }
    // The window asks, as it closes, before values changed and not sent are given up.
    window_->close();
}
