#include "snmp/TvNotificationReceiver.h"

#include "snmp/SNMPGlobals.h"
#include "snmp/SnmpEventProcessor.h"
#include "snmp/TvNotificationLog.h"
#include "snmp/TvSNMPEngine.h"

#include <cerrno>
#include <cstring>

std::string TvNotificationReceiver::Start(int port, TvNotificationLog& log, const std::string& program) {
    TvSNMPEngine* engine = TvSNMPEngine::Instance();
    if (!engine)
        return FailureText(port, EINVAL, program);
    const int rc = engine->Listen(SettingsTarget(), static_cast<std::uint16_t>(port),
                                  [&log](TvNotification&& n) { log.Add(std::move(n)); });
    gSnmpEventProcessor.WatchNotifications();
    return rc == 0 ? std::string() : FailureText(port, rc, program);
}

void TvNotificationReceiver::Stop() {
    if (TvSNMPEngine* engine = TvSNMPEngine::Instance())
        engine->StopListening();
    gSnmpEventProcessor.WatchNotifications();
}

std::string TvNotificationReceiver::FailureText(int port, int error, const std::string& program) {
    const std::string head =
        "Cannot receive notifications (traps and informs) on UDP port " + std::to_string(port);
    switch (error) {
    case EACCES:
    case EPERM:
        return head +
               ": a port below 1024 needs a privilege.\nAllow the program to bind it once with\n"
               "    sudo setcap cap_net_bind_service=+ep " +
               (program.empty() ? std::string("<program>") : program) +
               "\nor choose a port from 1024 up (/L on the command line, NotificationPort in the device "
               "profile) and send the switch's notifications there.";
    case EADDRINUSE:
        return head + ": another program uses it (a trap receiver such as snmptrapd?).\nStop that program or "
                      "choose another port (/L on the command line, NotificationPort in the device profile).";
    case -18:
        return head + ": the switch's address does not resolve.";
    default:
        return head + ": " + std::strerror(error) + ".";
    }
}
