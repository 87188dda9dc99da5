#pragma once

#include <string>
#include <sys/types.h>

// The per-user runtime folder for sockets and scratch state, without a trailing "/": $XDG_RUNTIME_DIR
// when it is a private folder, else the private folder in the temporary folder (PrivateTempFolder).
// Empty when no private folder can be had.
std::string RuntimeFolder();

// "<temp>/qtr5190mx-<uid>", made with mode 0700 when missing. When that name is taken by anything but a
// private folder of this user (another user's folder, a symbolic link, a looser mode, a file), a fresh
// private folder made with mkdtemp serves this process instead: copies of the program then no longer
// meet, but nothing of another user's is ever used. Empty when not even that folder can be made.
std::string PrivateTempFolder(const std::string& temp);

// A real folder (not a symbolic link) owned by `uid` that nobody else may enter or list (no group or
// other permission bits).
bool IsPrivateFolder(const std::string& path, uid_t uid);

// Makes `path` with mode 0700 unless it exists; true when it is then a private folder of this user.
// Never follows a symbolic link in its last component.
bool MakePrivateFolder(const std::string& path);
