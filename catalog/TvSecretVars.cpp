#include "catalog/TvSecretVars.h"

namespace {

constexpr TvSecretVar kSecret[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.6", "an authentication key change"},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "an authentication key change"},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "a privacy key change"},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "a privacy key change"},
    {"1.3.6.1.6.3.18.1.1.1.2", "a community string"},
    {"1.3.6.1.4.1.59371.11.69.2.3.4.1.2", "an MD5 key"},
    {"1.3.6.1.4.1.59371.11.69.2.3.7.1.10", "an authentication key"},
    {"1.3.6.1.4.1.59371.11.69.2.3.8.1.19", "an authentication key"},
    {"1.3.6.1.2.1.68.1.3.1.10", "an authentication key"},
    {"1.3.6.1.4.1.59371.12.3.2.4.1.3", "a RADIUS server key"},
    {"1.3.6.1.4.1.59371.12.5.10.1.4", "an authentication server key"},
    {"1.3.6.1.4.1.59371.12.8.1.3.1.9", "a member switch password"},
    {"1.3.6.1.4.1.59371.12.27.3.2.1.2", "a user password"},
    {"1.3.6.1.4.1.59371.12.35.1.3", "a web authentication password"},
};

} // namespace

std::span<const TvSecretVar> TvSecretVars::All() {
    return kSecret;
}

const TvSecretVar* TvSecretVars::Find(std::string_view oid) {
    for (const TvSecretVar& v : kSecret)
        if (oid == v.Oid)
            return &v;
    return nullptr;
}

const TvSecretVar* TvSecretVars::FindInstance(std::string_view oid) {
    if (oid.starts_with('.'))
        oid.remove_prefix(1);
    for (const TvSecretVar& v : kSecret) {
        const std::string_view base = v.Oid;
        if (oid.starts_with(base) && (oid.size() == base.size() || oid[base.size()] == '.'))
            return &v;
    }
    return nullptr;
}
