#pragma once

#include "profile/ConnectionTexts.h"
#include "profile/OperatingMode.h"

#include <optional>
#include <string>

// The device profile: "<dotted address>.cfg", section "Program Information", shared byte for byte with
// the management suite.

inline constexpr const char* kProfileSection = "Program Information";

// "<address>.cfg"; empty when the address cannot name a file in a folder (empty, ".", "..", a "/" or a
// NUL in it), so that nothing is ever written outside the profile folder.
std::string ProfileFileName(const std::string& address);

// The suite's installation path from the system settings ("Tarvo"/"Nimbro5.1", key "ExePath/Path").
// No settings file: nullopt. A file without the key: empty.
std::optional<std::string> SuiteInstallPath();

// Where the profile of `address` lies for a program file at `programFile`: beside the program in
// standalone mode, at the suite path + "../Conf/MBF/" in suite mode. Nullopt when no location exists.
std::optional<std::string> ProfilePath(OperatingMode mode, const std::string& programFile,
                                       const std::string& address);

enum class ProfileRead {
    Missing,    // no file: nothing changed
    Read,       // every covered setting replaced by the file's value or the key's default
    Unreadable, // exists but cannot be opened or is no regular file: nothing changed, the caller tells
};

// Reads the profile at `path` into `texts` as the session would take it (codes, not list positions),
// touching nothing else: what the next start will use. Communities are never taken from the profile.
ProfileRead ReadProfileTexts(const std::string& path, ConnectionTexts& texts);

// Reads the profile at `path` into the session globals and `texts`. Communities are never taken from
// the profile.
ProfileRead ReadProfileFile(const std::string& path, ConnectionTexts& texts);

// Whether users other than the owner may read the file at `path` (its group or others read bit): a
// profile that holds a password should not be.
bool ProfileReadableByOthers(const std::string& path);

// Locates and reads the profile of `address`.
ProfileRead ReadProfile(const std::string& address, OperatingMode mode, const std::string& programFile,
                        ConnectionTexts& texts, std::string* pathOut = nullptr);

// What the SNMP settings dialog stores, as the texts written. Protocol and level values are the
// positions in the dialog's lists ("-1" when nothing is chosen).
struct TvProfileSettings {
    std::string AgentIP;
    std::string AgentPort;
    std::string Version;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string AuthProtocol;
    std::string PrivProtocol;
    std::string ContextEngineID;
    std::string SecurityLevel;
    std::string ContextName;
    std::string GetCommStr;
    std::string SetCommStr;
    std::string UpdateDate;
    std::string UpdateTime;
    // The GETBULK key ("0" or "1"), written last and only when set: a profile without it keeps the suite's
    // layout byte for byte, and one that has it keeps it when the dialog rewrites the file.
    std::string GetBulk;
    // The notification port key, likewise: written after it and only when set.
    std::string NotificationPort;

    // Sets UpdateDate and UpdateTime to now in the system's short date and long time formats.
    void StampNow();
};

// The exact bytes of a profile: section line, then CR LF + key=value per key, none after the last.
std::string ProfileBytes(const TvProfileSettings& settings);

// Writes the profile to `path`: a temporary file beside it, readable by its owner only (it holds
// passwords), flushed to disk and renamed over the old file, so a failure never leaves a truncated
// profile. False when anything fails; the old file is then untouched and `reason`, when given, receives
// the system's reason.
bool WriteProfile(const std::string& path, const TvProfileSettings& settings, std::string* reason = nullptr);
