#include "profile/CommandLine.h"
#include "snmp/SNMPGlobals.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

// Parameters separated by NUL bytes scan without a fault; a host resolves only when it is short and
// printable, so that both outcomes are reached without the network. A refused scan says why.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::vector<std::string> params(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            params.emplace_back();
        else
            params.back() += static_cast<char>(data[i]);
    }
    const HostResolver resolve = [](const std::string& host) -> std::optional<std::string> {
        if (host.empty() || host.size() > 20)
            return std::nullopt;
        for (unsigned char c : host)
            if (c < '!' || c > '~')
                return std::nullopt;
        return std::string("10.0.0.1");
    };
    const CommandLineResult r = ScanCommandLine(params, resolve);
    if (!r.Ok && r.Message.empty())
        std::abort();
    (void)SingleInstanceTitle(params);
    for (const std::string& p : params)
        (void)ParseWholeNumber(p);
    return 0;
}
