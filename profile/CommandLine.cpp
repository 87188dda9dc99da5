#include "profile/CommandLine.h"

#include "snmp/SNMPGlobals.h"
#include "values/TvSecret.h"

#include <algorithm>
#include <arpa/inet.h>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

std::optional<std::string> ResolveIPv4(const std::string& host) {
    if (!PlausibleHostName(host))
        return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return std::nullopt;
    char text[INET_ADDRSTRLEN] = {};
    const auto* in = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const bool ok = ::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text) != nullptr;
    ::freeaddrinfo(found);
    if (!ok)
        return std::nullopt;
    return std::string(text);
}

namespace {

enum class Kind { Host, Number, Text };

struct Switch {
    const char* Name;
    Kind Type;
    bool NeedsV3;
};

// Tried in this order; the first one present in a parameter is the one taken.
constexpr Switch kSwitches[] = {
    {"/I", Kind::Host, false},   {"/v", Kind::Number, false}, {"/R", Kind::Text, false},
    {"/W", Kind::Text, false},   {"/t", Kind::Number, true},  {"/c", Kind::Text, true},
    {"/d", Kind::Text, true},    {"/m", Kind::Number, true},  {"/l", Kind::Number, true},
    {"/n", Kind::Text, true},    {"/A", Kind::Text, true},    {"/P", Kind::Text, true},
    {"/a", Kind::Number, true},  {"/p", Kind::Number, true},  {"/B", Kind::Number, false},
    {"/L", Kind::Number, false},
};

const Switch* SwitchNamed(const std::string& name) {
    for (const Switch& s : kSwitches)
        if (name == s.Name)
            return &s;
    return nullptr;
}

void Apply(const std::string& name, const std::string& value, int number) {
    if (name == "/v")
        gSNMPSecurity.Version = static_cast<std::int8_t>(number);
    else if (name == "/R")
        TvSecret::Replace(gSNMPSecurity.ReadCommunity, value);
    else if (name == "/W")
        TvSecret::Replace(gSNMPSecurity.WriteCommunity, value);
    else if (name == "/t")
        gSNMPDevice.Port = static_cast<std::uint16_t>(number);
    else if (name == "/c")
        gSNMPScope.ContextName = value;
    else if (name == "/d")
        gSNMPScope.ContextEngineID = value;
    else if (name == "/m")
        gSNMPSecurity.SecurityModel = number;
    else if (name == "/l")
        gSNMPSecurity.SecurityLevel = number;
    else if (name == "/n")
        gSNMPSecurity.SecurityName = value;
    else if (name == "/A")
        TvSecret::Replace(gSNMPSecurity.AuthPassword, value);
    else if (name == "/P")
        TvSecret::Replace(gSNMPSecurity.PrivPassword, value);
    else if (name == "/a")
        gSNMPSecurity.AuthProtocol = number;
    else if (name == "/p")
        gSNMPSecurity.PrivProtocol = number;
    else if (name == "/B")
        gSNMPUseGetBulk = number != 0;
    else if (name == "/L")
        gNotificationPort = number >= 0 && number <= 65535 ? number : -1; // "/L-1": none
}

} // namespace

SwitchAt FindSwitch(const std::string& param) {
    SwitchAt found;
    for (const Switch& s : kSwitches)
        if (const auto at = param.find(s.Name); at != std::string::npos) {
            found = {s.Name, at};
            break;
        }
    // A password or community switch before it: what follows belongs to the secret.
    for (const Switch& s : kSwitches)
        if (const auto at = param.find(s.Name); IsSecretSwitch(s.Name) && at < found.At)
            found = {s.Name, at};
    return found;
}

std::string SwitchOf(const std::string& param) {
    return FindSwitch(param).Name;
}

bool IsSecretSwitch(const std::string& name) {
    return name == "/R" || name == "/W" || name == "/A" || name == "/P";
}

bool PlausibleHostName(const std::string& host) {
    if (host.empty() || host.size() > 253)
        return false;
    for (const char c : host)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
              c == '.' || c == '_'))
            return false;
    return true;
}

void HideSecretArguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (!argv[i])
            continue;
        // Whatever follows a password or community switch, also where the scan takes another switch
        // ("/v3/Asecret" is a bad version, but holds a password all the same).
        const std::string param = argv[i];
        std::size_t from = std::string::npos;
        for (const Switch& s : kSwitches)
            if (IsSecretSwitch(s.Name))
                from = std::min(from, param.find(s.Name));
        for (std::size_t k = from == std::string::npos ? param.size() : from + 2; k < param.size(); ++k)
            argv[i][k] = '*';
    }
}

CommandLineResult ScanCommandLine(const std::vector<std::string>& params, const HostResolver& resolve) {
    for (const std::string& param : params) {
        const SwitchAt found = FindSwitch(param);
        const Switch* sw = SwitchNamed(found.Name);
        if (!sw || (sw->NeedsV3 && gSNMPSecurity.Version != 3))
            continue;
        std::string value = param.substr(found.At + 2);
        int number = 0;
        if (sw->Type == Kind::Host) {
            const auto address = PlausibleHostName(value) ? resolve(value) : std::nullopt;
            if (!address)
                return {false, "Error Host Name!"};
            gSNMPDevice.Address = *address;
        } else if (sw->Type == Kind::Number) {
            const auto parsed = ParseWholeNumber(value);
            if (!parsed) {
                // A password or community further on in the parameter is part of the value: not repeated.
                const bool holdsSecret =
                    std::any_of(std::begin(kSwitches), std::end(kSwitches), [&](const Switch& s) {
                        return IsSecretSwitch(s.Name) && param.find(s.Name) != std::string::npos;
                    });
                return {false, holdsSecret
                                   ? std::string("The value of ") + sw->Name + " is not a valid integer value"
                                   : "'" + value + "' is not a valid integer value"};
            }
            number = *parsed;
        }
        Apply(sw->Name, value, number);
        if (IsSecretSwitch(sw->Name))
            TvSecret::Wipe(value);
    }
    return {};
}

std::string SingleInstanceTitle(const std::vector<std::string>& params) {
    std::string title;
    for (const std::string& param : params)
        if (param.size() > 2 && param.compare(0, 2, "/I") == 0)
            title = "QTR5190MX : " + param.substr(2);
    return title;
}

std::optional<int> ParseWholeNumber(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}
