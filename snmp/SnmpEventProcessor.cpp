#include "snmp/SnmpEventProcessor.h"

#include "snmp/TvSNMPEngine.h"

#include <QCoreApplication>

SnmpEventProcessor::~SnmpEventProcessor() {
    delete timer_.data();
    delete notifier_.data();
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
    // While callbacks run the sources stay off; Tick re-aims when they return.
    if (!running_ || busy_ || !timer_)
        return;
    const TvSNMPEngine* engine = TvSNMPEngine::Instance();
    const int ms = engine ? engine->NextWakeMs() : -1;
    if (ms < 0)
        timer_->stop();
    else
        timer_->start(ms);
}

void SnmpEventProcessor::Tick() {
    // Both sources stay off while callbacks run, so a callback that processes window messages
    // does not re-enter the pump.
    if (busy_)
        return;
    busy_ = true;
    timer_->stop();
    if (notifier_)
        notifier_->setEnabled(false);
    if (TvSNMPEngine* engine = TvSNMPEngine::Instance())
        engine->ProcessPendingEvents();
    busy_ = false;
    if (running_) {
        if (notifier_)
            notifier_->setEnabled(true);
        Rearm();
    }
}
