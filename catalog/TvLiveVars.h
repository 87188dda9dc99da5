#pragma once

#include <span>
#include <string_view>

// Variables whose values move by themselves on a running switch, beyond what their syntax says (counters,
// time ticks and clocks move by syntax): utilisation gauges, clocks kept as text, link and protocol
// states. A comparison of two configurations leaves them out unless asked, so that one changed setting
// gives one difference.
struct TvLiveVar {
    const char* Oid; // a descriptor's object identifier, or a subtree all of whose objects move
    const char* What;
};

class TvLiveVars {
public:
    static std::span<const TvLiveVar> All();
    // The entry of a descriptor's object identifier (or of a subtree holding it), or null.
    static const TvLiveVar* Find(std::string_view oid);
    // Whether a variable of this syntax moves by itself: counters, time ticks, dates and times.
    static bool LiveSyntax(int syntax);
};
