#pragma once

#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

// Pumps the SNMP engine on the GUI thread: a 20 ms timer runs timeouts and retries, and a notifier on
// the session's socket delivers each reply as soon as it arrives instead of up to 20 ms later.
class SnmpEventProcessor {
public:
    static constexpr int kIntervalMs = 20;

    SnmpEventProcessor() = default;
    SnmpEventProcessor(const SnmpEventProcessor&) = delete;
    SnmpEventProcessor& operator=(const SnmpEventProcessor&) = delete;
    ~SnmpEventProcessor();

    // Needs a QCoreApplication; before one exists, Start only remembers the wish and the first Start
    // after it takes effect.
    void Start();
    void Stop();
    bool IsRunning() const { return running_; }

private:
    void Tick();
    void SocketReady();

    // Owned by the application object, so they go before it does, even at process exit.
    QPointer<QTimer> timer_;
    QPointer<QSocketNotifier> notifier_;
    bool running_ = false;
    bool busy_ = false;
};

extern SnmpEventProcessor gSnmpEventProcessor;
