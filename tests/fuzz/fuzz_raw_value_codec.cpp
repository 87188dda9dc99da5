#include "base/TvException.h"
#include "values/TvRawValueCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

const int kSyntaxes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47,
                         0x48, 0x49, 0x4a, 0x4b, 0x4c, 0x4d, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0x99};

} // namespace

// The first byte picks a syntax, the second an offset; the rest is both a raw value and a value text.
// Every conversion gives a result or raises a catalog error, and the text of raw octets reads back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const int syntax = kSyntaxes[data[0] % (sizeof kSyntaxes / sizeof kSyntaxes[0])];
    const int offset = data[1] % 40 - 4;
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    auto guarded = [](auto&& f) {
        try {
            f();
        } catch (const TvException& e) {
            if (e.Code() >= 0)
                std::abort();
        }
    };
    guarded([&] { (void)TextToRaw(rest, syntax); });
    guarded([&] { (void)ExtractRawPart(rest, offset, syntax); });
    guarded([&] {
        const std::string text = RawToText(rest, syntax);
        (void)TextToRaw(text, syntax);
    });
    return 0;
}
