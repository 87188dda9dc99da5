#include "snmp/TvBootCounter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Folder() {
    const char* shm = "/dev/shm";
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = access(shm, W_OK) == 0 ? shm : tmp ? tmp : "/tmp";
    return base + "/fuzz_boot_counter." + std::to_string(getpid());
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

// Any boots counter file reads as an entry, no entry, or malformed. A file that reads is written back
// with the new count of one engine, which then reads as written while the other engines read as before;
// a malformed file is never overwritten.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const std::string path = [] {
        const std::string folder = Folder();
        mkdir(folder.c_str(), 0700);
        return BootCounterPath(folder);
    }();
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f)
            return 0;
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    const std::string engines[] = {"TvSNMP_PP_Application", std::string("\x00\xff", 2), "other",
                                   size >= 2 ? std::string(reinterpret_cast<const char*>(data), 2) : ""};
    int before[4], boots[4];
    for (int i = 0; i < 4; ++i) {
        before[i] = getBootCounter(path, engines[i], boots[i]);
        if (before[i] != 0 && before[i] != -1 && before[i] != -3)
            std::abort();
        if (before[i] == 0 ? boots[i] < 0 : boots[i] != 0)
            std::abort();
        if ((before[i] == -3) != (before[0] == -3)) // malformed is the file's state, whatever the engine
            std::abort();
    }
    const int next = static_cast<int>(size * 7919 % 2147483647);
    const std::string original = Contents(path);
    const int saved = saveBootCounter(path, engines[0], next);
    if (before[0] == -3) {
        if (saved != -3 || Contents(path) != original)
            std::abort();
        return 0;
    }
    if (saved != 0)
        std::abort();
    for (int i = 0; i < 4; ++i) {
        int boot = 0;
        const int after = getBootCounter(path, engines[i], boot);
        const bool same = engines[i] == engines[0];
        if (same ? (after != 0 || boot != next) : (after != before[i] || boot != boots[i]))
            std::abort();
    }
    return 0;
}
