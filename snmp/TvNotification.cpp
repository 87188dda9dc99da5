#include "snmp/TvNotification.h"

#include "values/TvValueText.h"

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

std::string TvNotification::ValueText(const TvSnmpValue& v) {
    switch (v.Type) {
    case TvValueType::Integer:
        return std::to_string(static_cast<std::int32_t>(v.Int));
    case TvValueType::Counter32:
    case TvValueType::Gauge32:
        return std::to_string(static_cast<std::uint32_t>(v.Int));
    case TvValueType::TimeTicks:
        return TvValueText::TicksToText(static_cast<std::uint32_t>(v.Int));
    case TvValueType::Counter64:
        return std::to_string(v.Counter64);
    case TvValueType::ObjectId:
        return TvValueText::OidToText(v.Oid);
    case TvValueType::IpAddress:
        return v.Octets.size() == 4 ? TvValueText::IpToText(v.Octets) : TvValueText::OctetsToHex(v.Octets);
    case TvValueType::OctetString:
    case TvValueType::Opaque: {
        // Text with a few line breaks or tabs stays text; any other control byte makes it binary.
        for (const unsigned char c : v.Octets)
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
                return TvValueText::OctetsToHex(v.Octets);
        return v.Octets;
    }
    case TvValueType::NoSuchObject:
        return "noSuchObject";
    case TvValueType::NoSuchInstance:
        return "noSuchInstance";
    case TvValueType::EndOfMibView:
        return "endOfMibView";
    case TvValueType::Null:
    case TvValueType::Unknown:
        break;
    }
    return "";
}
