#include "guibase/TvWindowRegistry.h"

#include <map>

namespace {

// Built on first use: registrations run during static initialisation, in no fixed order.
std::map<std::string, TvWindowRegistry::Opener, std::less<>>& Openers() {
    static std::map<std::string, TvWindowRegistry::Opener, std::less<>> openers;
    return openers;
}

} // namespace

bool TvWindowRegistry::Register(std::string_view target, Opener opener) {
    Openers().insert_or_assign(std::string(target), std::move(opener));
    return true;
}

void TvWindowRegistry::Unregister(std::string_view target) {
    if (const auto it = Openers().find(target); it != Openers().end())
        Openers().erase(it);
}

const TvWindowRegistry::Opener* TvWindowRegistry::Find(std::string_view target) {
    const auto it = Openers().find(target);
    return it == Openers().end() ? nullptr : &it->second;
}

std::vector<std::string> TvWindowRegistry::Targets() {
    std::vector<std::string> targets;
    for (const auto& [target, opener] : Openers())
        targets.push_back(target);
    return targets;
}
