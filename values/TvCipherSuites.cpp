#include "values/TvCipherSuites.h"

#include "base/TvHexDigit.h"

namespace {

constexpr int kBits[TvCipherSuites::Count] = {8, 4, 2, 1};
constexpr char kHex[] = "0123456789ABCDEF";

} // namespace

std::optional<TvCipherSuites::Flags> TvCipherSuites::Decode(std::string_view text) {
    if (text.size() != 2)
        return std::nullopt;
    const int digit = TvHexDigit(text[0]);
    if (digit < 0)
        return std::nullopt;
    Flags enabled{};
    for (int i = 0; i < Count; ++i)
        enabled[static_cast<size_t>(i)] = (digit & kBits[i]) != 0;
    return enabled;
}

std::string TvCipherSuites::Encode(const Flags& enabled, std::string_view read) {
    int digit = 0;
    for (int i = 0; i < Count; ++i)
        if (enabled[static_cast<size_t>(i)])
            digit += kBits[i];
    const int kept = read.size() == 2 && Decode(read) ? TvHexDigit(read[1]) : 0;
    return std::string(1, kHex[digit]) + kHex[kept >= 0 ? kept : 0];
}
