#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The one way the program starts other programs. Tests install a hook that records the start instead.
class TvProcessLauncher {
public:
    // Receives every start; returns false and sets the reason when the program cannot start.
    using Hook = std::function<bool(const QString& program, const QStringList& arguments, QString* reason)>;

    // Starts the program, found by name through the executable search path (PATH), without waiting.
    // False with a reason for the operator when it cannot be found or started.
    static bool StartDetached(const QString& program, const QStringList& arguments, QString* reason);

    // An empty hook restores real starts.
    static void SetHook(Hook hook);
};
