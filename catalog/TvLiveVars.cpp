#include "catalog/TvLiveVars.h"

#include "base/TvSNMPVarDef.h"

namespace {

constexpr TvLiveVar kLive[] = {
    {"1.3.6.1.4.1.59371.12.1.1.6", "CPU utilisation"},
    {"1.3.6.1.4.1.59371.12.1.1.7.1", "port utilisation"},
    {"1.3.6.1.4.1.59371.12.10.10.1", "the switch's clock"},
    {"1.3.6.1.4.1.59371.12.10.10.2", "the time since the switch started"},
    {"1.3.6.1.4.1.59371.12.11.1.9.4.1.5", "the front-panel LEDs"},
    {"1.3.6.1.2.1.2.2.1.8", "the link state of a port"},
};

} // namespace

std::span<const TvLiveVar> TvLiveVars::All() {
    return kLive;
}

const TvLiveVar* TvLiveVars::Find(std::string_view oid) {
    if (oid.starts_with('.'))
        oid.remove_prefix(1);
    for (const TvLiveVar& v : kLive) {
        const std::string_view base = v.Oid;
        if (oid.starts_with(base) && (oid.size() == base.size() || oid[base.size()] == '.'))
            return &v;
    }
    return nullptr;
}

bool TvLiveVars::LiveSyntax(int syntax) {
    return syntax == synCounter32 || syntax == synCounter64 || syntax == synTimeTicks ||
           syntax == synDateAndTime || syntax == synDateTimeReal;
}
