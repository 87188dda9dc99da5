#include "profile/TvIni.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

// Any file reads without a fault; a value found is never longer than the limit and never starts or
// ends with a blank.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const std::string path = "/tmp/fuzz_ini." + std::to_string(getpid()) + ".cfg";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    const TvIni ini(path);
    for (const char* section : {"Program Information", "program information", "", "x"}) {
        for (const char* key : {"Version", "ReadCommunity", "", "=", "a"}) {
            const std::string value = ini.ReadString(section, key, "-");
            if (value.size() > TvIni::MaxValueLength)
                std::abort();
            if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())))
                std::abort();
        }
    }
    return 0;
}
