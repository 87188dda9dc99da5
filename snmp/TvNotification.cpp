#include "snmp/TvNotification.h"

#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view kIfEntry = "1.3.6.1.2.1.2.2.1.";
constexpr std::string_view kIfIndex = "1.3.6.1.2.1.2.2.1.1.";

std::uint32_t LastArc(std::string_view oid) {
    const auto dot = oid.rfind('.');
    std::uint32_t v = 0;
    const std::string_view arc = oid.substr(dot + 1);
    const auto [end, ec] = std::from_chars(arc.data(), arc.data() + arc.size(), v);
    return ec == std::errc() && end == arc.data() + arc.size() ? v : 0;
}

} // namespace

std::uint32_t TvNotification::LinkInterface() const {
    if (!IsLinkChange())
        return 0;
    for (const TvVarBind& vb : VarBinds)
        if (vb.Oid.starts_with(kIfIndex) && vb.Value.Type == TvValueType::Integer && vb.Value.Int > 0 &&
            vb.Value.Int <= 0x7FFFFFFF)
            return static_cast<std::uint32_t>(vb.Value.Int);
    // Without ifIndex, the instance of ifAdminStatus or ifOperStatus names the interface.
    for (const TvVarBind& vb : VarBinds)
        if (vb.Oid.starts_with(kIfEntry) && vb.Oid.find('.', kIfEntry.size()) != std::string::npos)
            if (const std::uint32_t n = LastArc(vb.Oid))
                return n;
    return 0;
}
