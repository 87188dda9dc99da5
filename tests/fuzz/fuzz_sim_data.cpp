#include "tools/sim/SimStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// Any data file loads or is refused with "file:line: reason" (or a whole-file reason). A store that
// loaded serves its objects in strictly rising order, and each object the walk finds reads by GET; a
// GET of any prefix or extension of one answers without a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    "/fuzz_sim_data." + std::to_string(getpid()) + ".data";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    SimStore store;
    std::string error;
    if (!store.load(path, error)) {
        if (error.rfind(path + ":", 0) != 0)
            std::abort();
        return 0;
    }
    if (!error.empty() || (store.users().empty() && store.communities().empty()))
        std::abort();
    SimOid at{0};
    SimOid next;
    SimValue value;
    for (int steps = 0; steps < 2000 && store.next(at, next, value); ++steps) {
        if (!(at < next))
            std::abort();
        SimValue again;
        if (store.get(next, again) != SimStore::Lookup::Found)
            std::abort();
        for (std::size_t len = 0; len <= next.size(); len += 3)
            (void)store.get(SimOid(next.begin(), next.begin() + static_cast<std::ptrdiff_t>(len)), again);
        SimOid longer = next;
        longer.push_back(steps);
        (void)store.get(longer, again);
        at = next;
    }
    return 0;
}
