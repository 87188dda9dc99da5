#include "values/TvSecret.h"

#include <cstring>

void TvSecret::Wipe(std::string& text) {
    // Spare capacity may still hold an older, longer secret.
    text.resize(text.capacity());
    // explicit_bzero is not removed by the optimiser as a dead store.
    explicit_bzero(text.data(), text.size());
    text.clear();
}
