#pragma once

#include <string>

// Keys and passwords of the operator: overwritten before their memory is given back.
class TvSecret {
public:
    // Zeroes every byte the text owns, spare capacity included, and empties it.
    static void Wipe(std::string& text);
    // Wipes `target`, then gives it `value`: no older secret stays behind in memory given back.
    static void Replace(std::string& target, const std::string& value);

    // No core file for this process, and no other process of the user may read its memory (the core size
    // limit 0 and the dumpable flag off): a crash must not write the passwords to disk. True when both held.
    static bool KeepOutOfCoreDumps();
};
