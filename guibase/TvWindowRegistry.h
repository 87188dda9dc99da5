#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TvMenuNode;
class TvWindowHost;

// Dedicated windows and device commands, keyed by the target the menu tree names for their entry (the
// window class, or the command). Each window's unit registers its opener beside its own code; the menu
// enables an entry exactly when an opener is registered for its target.
class TvWindowRegistry {
public:
    // Opens the window (or runs the command) for a click on `entry`.
    using Opener = std::function<void(TvWindowHost& host, const TvMenuNode& entry)>;

    // Registers or replaces the opener of a target. Returns true, so that a unit can register in the
    // initialiser of a static constant.
    static bool Register(std::string_view target, Opener opener);
    // Removes a target's opener (tests).
    static void Unregister(std::string_view target);
    // The opener of a target, or null.
    static const Opener* Find(std::string_view target);
    // Every registered target, sorted.
    static std::vector<std::string> Targets();
};
