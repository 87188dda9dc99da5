#include "values/TvSecret.h"

#include <cstring>
#include <sys/prctl.h>
#include <sys/resource.h>

void TvSecret::Wipe(std::string& text) {
    // Spare capacity may still hold an older, longer secret.
    text.resize(text.capacity());
    // explicit_bzero is not removed by the optimiser as a dead store.
    explicit_bzero(text.data(), text.size());
    text.clear();
}

void TvSecret::Replace(std::string& target, const std::string& value) {
    Wipe(target);
    target = value;
}

bool TvSecret::KeepOutOfCoreDumps() {
    const rlimit none{0, 0};
    const bool limited = ::setrlimit(RLIMIT_CORE, &none) == 0;
    return ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0 && limited;
}
