#include "app/TvProcessLauncher.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

TvProcessLauncher::Hook& CurrentHook() {
    static TvProcessLauncher::Hook hook;
    return hook;
}

} // namespace

void TvProcessLauncher::SetHook(Hook hook) {
    CurrentHook() = std::move(hook);
}

bool TvProcessLauncher::StartDetached(const QString& program, const QStringList& arguments, QString* reason) {
    if (CurrentHook())
        return CurrentHook()(program, arguments, reason);
    // Searched here rather than by exec, so that a missing program gets a plain explanation.
    const QString path = program.isEmpty() ? QString() : QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("The program was not found in the search path (PATH).");
        return false;
    }
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    if (!process.startDetached()) {
        if (reason)
            *reason = process.errorString();
        return false;
    }
    return true;
}
