#pragma once

#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

// Pumps the SNMP engine on the GUI thread: a notifier on the session's socket delivers each reply as
// soon as it arrives, and a single-shot timer aimed at the engine's next deadline runs timeouts and
// retries. With nothing outstanding the timer sleeps, so an idle program does not wake at all.
class SnmpEventProcessor {
public:
    SnmpEventProcessor() = default;
    SnmpEventProcessor(const SnmpEventProcessor&) = delete;
    SnmpEventProcessor& operator=(const SnmpEventProcessor&) = delete;
    ~SnmpEventProcessor();

    // Needs a QCoreApplication; before one exists, Start only remembers the wish and the first Start
    // after it takes effect.
    void Start();
    void Stop();
    bool IsRunning() const { return running_; }
    // Whether the timer is waiting for a deadline (false while nothing is outstanding).
    bool IsArmed() const;
    // Follows the engine's listening socket: call after the engine starts or stops listening.
    void WatchNotifications();

private:
    void Tick();
    void Receive();
    // Aims the timer at the engine's next deadline, or stops it when nothing is outstanding.
    void Rearm();

    // Owned by the application object, so they go before it does, even at process exit.
    QPointer<QTimer> timer_;
    QPointer<QSocketNotifier> notifier_;
    QPointer<QSocketNotifier> listener_; // on the socket that receives notifications
    bool running_ = false;
    bool busy_ = false;
    bool muted_ = false; // the notifier is off while the loop runs inside a callback or blocking wait
    bool listenerMuted_ = false;
};

extern SnmpEventProcessor gSnmpEventProcessor;
