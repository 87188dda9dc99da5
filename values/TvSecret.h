#pragma once

#include <string>

// Keys and passwords of the operator: overwritten before their memory is given back.
class TvSecret {
public:
    // Zeroes every byte the text owns, spare capacity included, and empties it.
    static void Wipe(std::string& text);
};
