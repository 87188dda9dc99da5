#include "CliCommands.h"
#include "CliSession.h"
#include "CliTerminalText.h"

#include "catalog/TvNotificationNames.h"
#include "snmp/SNMPGlobals.h"
#include "snmp/TvNotificationReceiver.h"
#include "snmp/TvSNMPEngine.h"

#include <poll.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>

namespace {

std::optional<long> WholeNumber(const std::string& text, long low, long high) {
    if (text.empty() || text.size() > 12)
        return std::nullopt;
    long v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v >= low && v <= high ? std::optional<long>(v) : std::nullopt;
}

std::string TimeText(std::int64_t ms) {
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    localtime_r(&seconds, &tm);
    char buf[40];
    const std::size_t n = std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &tm);
    char millis[8];
    std::snprintf(millis, sizeof millis, ".%03d", static_cast<int>(ms % 1000));
    return std::string(buf, n) + millis;
}

// One line: time, source, name or OID, then each varbind as OID=value; tab-separated.
std::string Line(const TvNotification& n, const CliTerminalText& shown) {
    std::string line =
        TimeText(n.ReceivedMs) + "\t" + shown(n.Source) + "\t" + shown(TvNotificationNames::KindText(n.Kind));
    for (const TvVarBind& vb : n.VarBinds)
        line += "\t" + shown(vb.Oid) + "=" + shown(TvNotification::ValueText(vb.Value));
    return line + "\n";
}

} // namespace

// Receives the agent's notifications (its address only, with the options' version and community or
// user) and prints each as it comes.
int CmdListen(const CliContext& ctx) {
    long port = 162, count = 0, timeout = 0;
    for (std::size_t i = 0; i < ctx.Args.size(); ++i) {
        const std::string& a = ctx.Args[i];
        const bool known = a == "--port" || a == "--count" || a == "--timeout";
        if (!known || i + 1 >= ctx.Args.size()) {
            std::fprintf(
                ctx.Err,
                "usage: qtr5190mx-cli [OPTIONS] AGENT listen [--port N] [--count N] [--timeout S]\n");
            return kExitUsage;
        }
        const std::string& value = ctx.Args[++i];
        const auto n = WholeNumber(value, a == "--port" ? 0 : 1, a == "--port" ? 65535 : 1000000000);
        if (!n) {
            std::fprintf(ctx.Err, "qtr5190mx-cli: %s wants %s, not \"%s\"\n", a.c_str(),
                         a == "--port" ? "a port from 0 to 65535" : "a whole number from 1 on",
                         CliTerminalText::Escape(value).c_str());
            return kExitUsage;
        }
        (a == "--port" ? port : a == "--count" ? count : timeout) = *n;
    }
    CliSession session(ctx);
    if (!session.Ok()) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: %s\n", session.Error().c_str());
        return session.ExitCode();
    }
    TvSNMPEngine& engine = *TvSNMPEngine::Instance();
    const CliTerminalText shown(ctx.Out);
    long printed = 0;
    bool writeFailed = false;
    const int rc = engine.Listen(SettingsTarget(), static_cast<std::uint16_t>(port), [&](TvNotification&& n) {
        if (count > 0 && printed >= count)
            return;
        ++printed;
        writeFailed = writeFailed || !CliWrite(ctx.Out, Line(n, shown));
    });
    if (rc != 0) {
        std::error_code ec;
        const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
        std::fprintf(
            ctx.Err, "qtr5190mx-cli: %s\n",
            TvNotificationReceiver::FailureText(static_cast<int>(port), rc, ec ? "" : self.string()).c_str());
        return kExitFailure;
    }
    // Said on standard error, so that a script may start sending once it reads this line.
    std::fprintf(ctx.Err, "qtr5190mx-cli: listening on UDP port %u for %s\n", unsigned(engine.ListenPort()),
                 shown(gSNMPDevice.Address).c_str());
    std::fflush(ctx.Err);
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(timeout);
    while ((count == 0 || printed < count) && !writeFailed) {
        int waitMs = -1;
        if (timeout > 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                break;
            waitMs = static_cast<int>(std::min<long long>(left, 60'000));
        }
        pollfd p{engine.ListenSocket(), POLLIN, 0};
        const int ready = poll(&p, 1, waitMs);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0)
            engine.ReceiveNotifications();
    }
    engine.StopListening();
    if (writeFailed)
        return kExitFailure;
    if (count > 0 && printed < count) {
        std::fprintf(ctx.Err, "qtr5190mx-cli: %ld of %ld notifications within %ld s\n", printed, count,
                     timeout);
        return kExitFailure;
    }
    return kExitOk;
}
