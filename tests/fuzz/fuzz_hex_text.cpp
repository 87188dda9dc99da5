#include "values/TvValueText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// Any text reads as octets; writing those octets and reading them back gives them unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string octets = TvValueText::HexToOctets(text);
    if (octets.size() > text.size())
        std::abort();
    const std::string hex = TvValueText::OctetsToHex(octets);
    if (TvValueText::HexToOctets(hex) != octets)
        std::abort();
    if (TvValueText::OctetsToHex(text).size() != 2 * text.size())
        std::abort();
    return 0;
}
