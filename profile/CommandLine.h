#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Turns a host name or dotted address into the dotted form of its first IPv4 address; nullopt when the
// name does not resolve.
using HostResolver = std::function<std::optional<std::string>(const std::string& host)>;

// The system resolver (IPv4 only, first address).
std::optional<std::string> ResolveIPv4(const std::string& host);

// A whole signed decimal number (an optional "+" allowed), the whole text and nothing else; nullopt
// otherwise. Numbers of the command line and of the device profile are read this way.
std::optional<int> ParseWholeNumber(const std::string& text);

struct CommandLineResult {
    bool Ok = true;
    std::string Message; // what to show the operator when not Ok
};

// Scans the parameters (program name excluded) into the session globals. For each parameter the first
// switch of "/I /v /R /W /t /c /d /m /l /n /A /P /a /p" found anywhere in it is taken, its value is
// the rest of the parameter; switches from "/t" on count only once the version is 3. Stops at the first
// unresolvable host ("Error Host Name!") or non-numeric number.
CommandLineResult ScanCommandLine(const std::vector<std::string>& params,
                                  const HostResolver& resolve = ResolveIPv4);

// The switch the scan takes from one parameter ("/A" for "/Asecret", "/I" for "/Aa/Ib"): the first of
// the table found anywhere in it; empty when it holds none.
std::string SwitchOf(const std::string& param);

// "QTR5190MX : " + the value of the last parameter starting with "/I" and longer than two characters,
// as typed; empty when there is none.
std::string SingleInstanceTitle(const std::vector<std::string>& params);
