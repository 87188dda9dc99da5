#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Ends a child process of a test agent: SIGTERM, up to three seconds to exit, then SIGKILL. Sets pid
// to -1; does nothing when it is not positive.
void StopChildProcess(pid_t& pid);

// Starts args[0] with args, stdin from /dev/null and stdout and stderr into `log`, and waits up to
// `seconds` until the log says "listening". False (pid -1, the child stopped) when it cannot start,
// ends early or stays silent; `error` then holds why, with what the child printed.
bool StartListeningChild(const std::vector<std::string>& args, const std::string& log, int seconds,
                         pid_t& pid, std::string& error);
