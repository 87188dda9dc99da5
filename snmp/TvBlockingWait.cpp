#include "snmp/TvBlockingWait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <vector>

namespace {

TvBlockingWait::Notifier& TheNotifier() {
    static TvBlockingWait::Notifier notifier;
    return notifier;
}

int depth = 0;

// Close requests that arrive while a wait runs (the window manager's close box is not user input) are
// held and made again when the outermost wait ends: a window must not go away under the exchange its
// caller still uses.
class CloseHolder : public QObject {
public:
    bool eventFilter(QObject* target, QEvent* event) override {
        // A window's close request reaches its widget after its platform window: the widget's is held.
        if (event->type() != QEvent::Close || !target->isWidgetType())
            return false;
        for (const QPointer<QObject>& held : held_)
            if (held == target)
                return true;
        held_.emplace_back(target);
        event->ignore();
        return true;
    }
    void Release() {
        for (const QPointer<QObject>& target : held_)
            if (target)
                QMetaObject::invokeMethod(target.data(), "close", Qt::QueuedConnection);
        held_.clear();
    }

private:
    std::vector<QPointer<QObject>> held_;
};

CloseHolder& Holder() {
    static CloseHolder holder;
    return holder;
}

} // namespace

void TvBlockingWait::SetNotifier(Notifier notifier) {
    TheNotifier() = std::move(notifier);
}

int TvBlockingWait::Depth() {
    return depth;
}

TvBlockingWait::TvBlockingWait() {
    if (depth++ != 0)
        return;
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(&Holder());
    if (TheNotifier())
        TheNotifier()(true);
}

TvBlockingWait::~TvBlockingWait() {
    if (--depth != 0)
        return;
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(&Holder());
    Holder().Release();
    if (TheNotifier())
        TheNotifier()(false);
}

void TvBlockingWait::LetEventsIn() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
