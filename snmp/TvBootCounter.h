#pragma once

#include <string>

// The SNMPv3 engine boots counter, kept per local engine ID in a small text file:
//   # comment lines and blank lines are ignored
//   <engine ID in upper-case hex> <boots in decimal>
// Results: 0 success, -1 no entry for the engine ID, -2 the file cannot be opened (or written),
// -3 the file is malformed.
inline constexpr const char* kBootCounterFileName = "TvSNMP_PP_BootCounter";

// `directory` joined with the file name: empty gives the bare name; "/" goes between unless present.
std::string BootCounterPath(const std::string& directory);

// Where a program of ours keeps its counter: its folder in the per-user data folder
// ($XDG_DATA_HOME/<program>, else ~/.local/share/<program>), made with mode 0700 where missing. Never the
// current folder, which may be "/" or a folder other users write to.
std::string BootCounterFolder(const std::string& program);

int getBootCounter(const std::string& path, const std::string& engineId, int& boot);
// Replaces or adds the entry of `engineId`, keeping the others; the file is replaced atomically.
int saveBootCounter(const std::string& path, const std::string& engineId, int boot);
