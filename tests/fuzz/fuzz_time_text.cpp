#include "values/TvValueText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// Any text reads as a tick count, and the text of every tick count reads back to that count.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::uint32_t ticks = TvValueText::TextToTicks(text);
    if (TvValueText::TextToTicks(TvValueText::TicksToText(ticks)) != ticks)
        std::abort();
    TvValueText::Atol(text);
    TvValueText::AtoU64(text);
    TvValueText::StrictInteger(text);
    TvValueText::IpOctets(text);
    TvValueText::TextToOid(text);
    return 0;
}
