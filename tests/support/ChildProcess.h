#pragma once

#include <sys/types.h>

// Ends a child process of a test agent: SIGTERM, up to three seconds to exit, then SIGKILL. Sets pid
// to -1; does nothing when it is not positive.
void StopChildProcess(pid_t& pid);
