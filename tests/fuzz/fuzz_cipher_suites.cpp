#include "values/TvCipherSuites.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

// The cipher-suite octet arrives from the switch as text. Any text decodes to the suites or to nothing;
// the text written for any choice decodes to that choice; written for the suites read, it is the text
// read (in upper case), its second digit kept as the switch had it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view read(reinterpret_cast<const char*>(data), size);
    const auto suites = TvCipherSuites::Decode(read);
    if (suites && read.size() != 2)
        std::abort();
    TvCipherSuites::Flags chosen{};
    for (int i = 0; i < TvCipherSuites::Count; ++i)
        chosen[static_cast<size_t>(i)] = size > 2 && ((data[2] >> i) & 1) != 0;
    const std::string written = TvCipherSuites::Encode(chosen, read);
    if (written.size() != 2 || TvCipherSuites::Decode(written) != chosen)
        std::abort();
    if (suites) {
        const std::string again = TvCipherSuites::Encode(*suites, read);
        const char second = std::isxdigit(static_cast<unsigned char>(read[1])) ? Upper(read[1]) : '0';
        if (again != std::string{Upper(read[0]), second})
            std::abort();
    }
    return 0;
}
