#include "values/TvCipherSuites.h"

namespace {

constexpr int kBits[TvCipherSuites::Count] = {8, 4, 2, 1};

} // namespace

std::optional<TvCipherSuites::Flags> TvCipherSuites::Decode(std::string_view text) {
    if (text.size() != 2)
        return std::nullopt;
    const char c = text[0];
    int digit = 0;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else
        return std::nullopt;
    Flags enabled{};
    for (int i = 0; i < Count; ++i)
        enabled[static_cast<size_t>(i)] = (digit & kBits[i]) != 0;
    return enabled;
}

std::string TvCipherSuites::Encode(const Flags& enabled) {
    int digit = 0;
    for (int i = 0; i < Count; ++i)
        if (enabled[static_cast<size_t>(i)])
            digit += kBits[i];
    return std::string(1, "0123456789ABCDEF"[digit]) + "0";
}
