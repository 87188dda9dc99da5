#include "profile/CommandLine.h"

#include "snmp/SNMPGlobals.h"

#include <arpa/inet.h>
#include <charconv>
#include <cstdint>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

std::optional<std::string> ResolveIPv4(const std::string& host) {
    if (host.empty() || host.find('\0') != std::string::npos)
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
    {"/I", Kind::Host, false},  {"/v", Kind::Number, false}, {"/R", Kind::Text, false},
    {"/W", Kind::Text, false},  {"/t", Kind::Number, true},  {"/c", Kind::Text, true},
    {"/d", Kind::Text, true},   {"/m", Kind::Number, true},  {"/l", Kind::Number, true},
    {"/n", Kind::Text, true},   {"/A", Kind::Text, true},    {"/P", Kind::Text, true},
    {"/a", Kind::Number, true}, {"/p", Kind::Number, true},
};

void Apply(const std::string& name, const std::string& value, int number) {
    if (name == "/v")
        gSNMPSecurity.Version = static_cast<std::int8_t>(number);
    else if (name == "/R")
        gSNMPSecurity.ReadCommunity = value;
    else if (name == "/W")
        gSNMPSecurity.WriteCommunity = value;
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
        gSNMPSecurity.AuthPassword = value;
    else if (name == "/P")
        gSNMPSecurity.PrivPassword = value;
    else if (name == "/a")
        gSNMPSecurity.AuthProtocol = number;
    else if (name == "/p")
        gSNMPSecurity.PrivProtocol = number;
}

} // namespace

std::string SwitchOf(const std::string& param) {
    for (const Switch& s : kSwitches)
        if (param.find(s.Name) != std::string::npos)
            return s.Name;
    return std::string();
}

CommandLineResult ScanCommandLine(const std::vector<std::string>& params, const HostResolver& resolve) {
    for (const std::string& param : params) {
        for (const Switch& sw : kSwitches) {
            const auto at = param.find(sw.Name);
            if (at == std::string::npos)
                continue;
            if (sw.NeedsV3 && gSNMPSecurity.Version != 3)
                break;
            const std::string value = param.substr(at + 2);
            int number = 0;
            if (sw.Type == Kind::Host) {
                const auto address = resolve(value);
                if (!address)
                    return {false, "Error Host Name!"};
                gSNMPDevice.Address = *address;
            } else if (sw.Type == Kind::Number) {
                const auto parsed = ParseWholeNumber(value);
                if (!parsed)
                    return {false, "'" + value + "' is not a valid integer value"};
                number = *parsed;
            }
            Apply(sw.Name, value, number);
            break;
        }
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
