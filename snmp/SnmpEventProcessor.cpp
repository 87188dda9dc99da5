#include "snmp/SnmpEventProcessor.h"

#include "snmp/TvBlockingWait.h"
#include "snmp/TvSNMPEngine.h"

#include <QCoreApplication>

SnmpEventProcessor::~SnmpEventProcessor() {
    delete timer_.data();
    delete notifier_.data();
    delete listener_.data();
}

void SnmpEventProcessor::Start() {
    running_ = true;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    if (!timer_) {
        timer_ = new QTimer(app);
        timer_->setSingleShot(true);
        QObject::connect(timer_.data(), &QTimer::timeout, timer_.data(), [this] { Tick(); });
    }
    TvSNMPEngine* engine = TvSNMPEngine::Instance();
    if (engine && engine->SocketDescriptor() >= 0 &&
        (!notifier_ || notifier_->socket() != engine->SocketDescriptor())) {
        delete notifier_.data();
        notifier_ = new QSocketNotifier(engine->SocketDescriptor(), QSocketNotifier::Read, app);
        QObject::connect(notifier_.data(), &QSocketNotifier::activated, notifier_.data(), [this] { Tick(); });
    }
    if (engine)
        engine->SetWakeHook([this] { Rearm(); });
    if (notifier_)
        notifier_->setEnabled(true);
    muted_ = false;
    Rearm();
}

void SnmpEventProcessor::Stop() {
    running_ = false;
    if (timer_)
        timer_->stop();
    if (notifier_)
        notifier_->setEnabled(false);
    if (TvSNMPEngine* engine = TvSNMPEngine::Instance())
        engine->SetWakeHook({});
}

bool SnmpEventProcessor::IsArmed() const {
    return timer_ && timer_->isActive();
}

void SnmpEventProcessor::Rearm() {
    // While callbacks run the sources stay as they are; Tick re-aims when they return.
    if (!running_ || busy_ || !timer_)
        return;
    if (muted_ && notifier_ && TvBlockingWait::Depth() == 0) {
        notifier_->setEnabled(true);
        muted_ = false;
    }
    if (listenerMuted_ && listener_ && TvBlockingWait::Depth() == 0) {
        listener_->setEnabled(true);
        listenerMuted_ = false;
    }
    const TvSNMPEngine* engine = TvSNMPEngine::Instance();
    const int ms = engine ? engine->NextWakeMs() : -1;
    // A timer due no later than the next deadline is kept: firing early only re-aims it, whereas
    // re-aiming after every reply of a walk (each sets a later deadline) would cost a timer a reply.
    if (ms < 0)
        timer_->stop();
    else if (!timer_->isActive() || timer_->remainingTime() > ms)
        timer_->start(ms);
}

void SnmpEventProcessor::Tick() {
    // One Tick at a time. A callback that processes window messages, or a blocking exchange that lets
    // timers run while it waits, may bring the loop back here: only then is the socket's notifier
    // switched off until that is over (a reply waiting in the socket would wake the loop again and
    // again); switching it for every reply would wake the loop twice more each time. Replies of other
    // exchanges are delivered only after a blocking one (its end wakes the pump): no callback runs
    // inside a blocking exchange.
    if (busy_ || TvBlockingWait::Depth() > 0) {
        if (notifier_ && !muted_) {
            notifier_->setEnabled(false);
            muted_ = true;
        }
        return;
    }
    busy_ = true;
    if (TvSNMPEngine* engine = TvSNMPEngine::Instance())
        engine->ProcessPendingEvents();
    busy_ = false;
    Rearm();
}

void SnmpEventProcessor::WatchNotifications() {
    QCoreApplication* app = QCoreApplication::instance();
    const TvSNMPEngine* engine = TvSNMPEngine::Instance();
    const int fd = engine ? engine->ListenSocket() : -1;
    // Made afresh each time: a new socket may have the number of the old one.
    delete listener_.data();
    listenerMuted_ = false;
    if (fd < 0 || !app)
        return;
    listener_ = new QSocketNotifier(fd, QSocketNotifier::Read, app);
    QObject::connect(listener_.data(), &QSocketNotifier::activated, listener_.data(), [this] { Receive(); });
}

void SnmpEventProcessor::Receive() {
    // Notifications are handed on as replies are: never inside a callback or a blocking exchange.
    if (busy_ || TvBlockingWait::Depth() > 0) {
        if (listener_) {
            listener_->setEnabled(false);
            listenerMuted_ = true;
        }
        return;
    }
    TvSNMPEngine* engine = TvSNMPEngine::Instance();
    if (!engine || !listener_ || engine->ListenSocket() != listener_->socket()) {
        // The socket it watched was closed without a word (the session went): it must not keep waking.
        if (listener_)
            listener_->setEnabled(false);
        return;
    }
    busy_ = true;
    engine->ReceiveNotifications();
    busy_ = false;
    Rearm();
}
