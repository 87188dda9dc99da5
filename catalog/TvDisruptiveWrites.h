#pragma once

#include <span>
#include <string_view>

// A variable whose write resets, restarts or erases the switch or a part of it: the generic windows
// ask before any write that includes it, and "Check All" never ticks it.
struct TvDisruptiveVar {
    const char* Oid;      // the descriptor's object identifier
    const char* Effect;   // what a write does, completing "Writing it ..."
    const char* Harmless; // the option value that does nothing, or null
};

class TvDisruptiveWrites {
public:
    static std::span<const TvDisruptiveVar> All();
    // The entry of a descriptor's object identifier, or null.
    static const TvDisruptiveVar* Find(std::string_view oid);
};
