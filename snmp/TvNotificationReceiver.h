#pragma once

#include <string>

class TvNotificationLog;

// Receives the managed switch's notifications into the program's log while the program runs, on the
// port the command line or the device profile names.
class TvNotificationReceiver {
public:
    // Listens on `port` for the session's switch (its settings' target record) and feeds `log`. Empty on
    // success, otherwise what to tell the operator (see FailureText); `program` is named in the advice for a
    // privileged port.
    static std::string Start(int port, TvNotificationLog& log, const std::string& program);
    static void Stop();
    // Why nothing can be received on `port` (`error` as TvSNMPEngine::Listen returns it), and what to do.
    static std::string FailureText(int port, int error, const std::string& program);
};
