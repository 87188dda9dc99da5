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

// Scans the parameters (program name excluded) into the session globals. For each parameter the switch
// of SwitchOf is taken, its value is the rest of the parameter; switches from "/t" on count only once the
// version is 3. Stops at the first host that cannot be one or does not resolve ("Error Host Name!") or
// at a number that is none. Only the value of an "/I" switch is ever looked up, and no message repeats
// a text of a parameter that holds a password or community switch.
CommandLineResult ScanCommandLine(const std::vector<std::string>& params,
                                  const HostResolver& resolve = ResolveIPv4);

// The switch the scan takes from one parameter and where it starts: the first switch of the table
// "/I /v /R /W /t /c /d /m /l /n /A /P /a /p /B /L" found anywhere in it, except that a password or
// community switch found earlier in the parameter keeps everything after it: "/Amy/vx" is the password
// "my/vx", never a version. Empty name when the parameter holds no switch.
struct SwitchAt {
    std::string Name;
    std::size_t At = std::string::npos;
};
SwitchAt FindSwitch(const std::string& param);

// The name of FindSwitch ("/A" for "/Asecret", "/I" for "/Ia/Ab", "/A" for "/Aa/Ib").
std::string SwitchOf(const std::string& param);

// The password and community switches: "/R", "/W", "/A" and "/P".
bool IsSecretSwitch(const std::string& name);

// Whether a text can be a host name or a dotted address at all: letters, digits, "-", "." and "_", at
// most 253 of them. Anything else is refused without a lookup.
bool PlausibleHostName(const std::string& host);

// Overwrites in place whatever follows a password or community switch in the program's own arguments,
// so that other users no longer read it in /proc/<pid>/cmdline. The parameters must have been copied
// before.
void HideSecretArguments(int argc, char** argv);

// "QTR5190MX : " + the value of the last parameter starting with "/I" and longer than two characters,
// as typed; empty when there is none.
std::string SingleInstanceTitle(const std::vector<std::string>& params);
