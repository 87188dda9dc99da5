#include "base/TvException.h"
#include "values/TvFieldFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// The first line is a field format, the rest a text typed into the field. A format parses or raises
// the catalog error; a parsed field checks any text, and a position it refuses lies inside the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const size_t cut = all.find('\n');
    const std::string_view format = all.substr(0, cut);
    const std::string_view text = cut == std::string_view::npos ? std::string_view() : all.substr(cut + 1);
    TvFieldFormat field;
    try {
        field = TvFieldFormat::Parse(format);
    } catch (const TvException& e) {
        if (e.Code() >= 0)
            std::abort();
        return 0;
    }
    if (const auto at = field.FirstRefused(text); at && *at >= text.size())
        std::abort();
    (void)field.Check(text);
    (void)field.Check("(NULL)");
    return 0;
}
