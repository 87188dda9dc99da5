#pragma once

#include <string>

// The per-user runtime folder for sockets and scratch state: $XDG_RUNTIME_DIR when it is set and is a
// folder of this user's that nobody else may enter (mode 0700), else the temporary folder. Without a
// trailing "/".
std::string RuntimeFolder();
