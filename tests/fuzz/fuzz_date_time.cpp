#include "values/TvDateTime.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

// DateAndTime texts and octets, and date-time real texts: parsing never fails hard, and what the
// program writes it reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const TvDateTime parsed(text);
    const std::string shown = parsed.ToText();
    if (TvDateTime(shown).ToText() != shown)
        std::abort();
    if (TvDateTime::FromOctets(parsed.ToOctets()) != parsed)
        std::abort();
    TvDateTime::FromOctets(text).ToText();

    if (const std::optional<double> days = TvDateTime::TextToDays(text)) {
        const std::optional<std::string> again = TvDateTime::DaysToText(*days);
        if (!again)
            std::abort();
        const std::optional<double> back = TvDateTime::TextToDays(*again);
        if (!back || std::fabs(*back - *days) > 1e-6)
            std::abort();
    }
    if (size >= 8) {
        double days = 0;
        __builtin_memcpy(&days, data, sizeof days);
        TvDateTime::DaysToText(days);
    }
    return 0;
}
