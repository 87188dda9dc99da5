#include "snmp/TvBerReply.h"

#include <limits>
#include <string>

namespace {

constexpr std::uint8_t kSequence = 0x30;
constexpr std::uint8_t kInteger = 0x02;
constexpr std::uint8_t kOctets = 0x04;
constexpr std::uint8_t kBits = 0x03;
constexpr std::uint8_t kNull = 0x05;
constexpr std::uint8_t kOid = 0x06;
constexpr std::uint8_t kResponse = 0xA2;

// One tag-length-value of the input; all reads are bounded by what is left.
struct Reader {
    std::string_view In;

    bool Next(std::uint8_t& tag, std::string_view& value) {
        if (In.size() < 2)
            return false;
        tag = static_cast<std::uint8_t>(In[0]);
        if ((tag & 0x1F) == 0x1F)
            return false; // multi-octet tags do not occur in SNMP
        std::size_t pos = 1;
        std::size_t len = static_cast<std::uint8_t>(In[pos++]);
        if (len & 0x80) {
            const std::size_t octets = len & 0x7F;
            // As many length octets as the SNMP library takes (a long's), so that nothing it reads is
            // unreadable here.
            if (octets == 0 || octets > sizeof(std::uint64_t) || In.size() - pos < octets)
                return false;
            len = 0;
            for (std::size_t k = 0; k < octets; ++k)
                len = (len << 8) | static_cast<std::uint8_t>(In[pos++]);
        }
        if (In.size() - pos < len)
            return false;
        value = In.substr(pos, len);
        In.remove_prefix(pos + len);
        return true;
    }

    bool Expect(std::uint8_t want, std::string_view& value) {
        std::uint8_t tag = 0;
        return Next(tag, value) && tag == want;
    }
};

bool Integer(std::string_view v, std::int64_t& out) {
    if (v.empty() || v.size() > 8)
        return false;
    std::uint64_t n = static_cast<std::uint8_t>(v[0]) & 0x80 ? std::numeric_limits<std::uint64_t>::max() : 0;
    for (char c : v)
        n = (n << 8) | static_cast<std::uint8_t>(c);
    out = static_cast<std::int64_t>(n);
    return true;
}

bool Unsigned(std::string_view v, std::uint64_t& out) {
    // A leading zero octet may pad an unsigned value to nine octets.
    while (v.size() > 1 && v[0] == 0)
        v.remove_prefix(1);
    if (v.empty() || v.size() > 8)
        return false;
    out = 0;
    for (char c : v)
        out = (out << 8) | static_cast<std::uint8_t>(c);
    return true;
}

// Sub-identifiers of an encoded OID; false for a malformed encoding. A sub-identifier beyond 64 bits is
// kept as the largest 64-bit value: big either way, and the library would cut it to its low bits.
bool SubIds(std::string_view v, std::vector<std::uint64_t>& out, bool& big) {
    out.clear();
    out.reserve(v.size() + 1); // at most one sub-identifier an octet, and the first counts twice
    std::uint64_t n = 0;
    bool inside = false;
    for (char c : v) {
        const auto b = static_cast<std::uint8_t>(c);
        if (n > (std::numeric_limits<std::uint64_t>::max() >> 7))
            n = std::numeric_limits<std::uint64_t>::max() >> 7; // saturates below
        n = (n << 7) | (b & 0x7F);
        inside = (b & 0x80) != 0;
        if (inside)
            continue;
        if (out.empty()) {
            const std::uint64_t first = n < 80 ? n / 40 : 2;
            out.push_back(first);
            out.push_back(n - first * 40);
        } else {
            out.push_back(n);
        }
        n = 0;
    }
    if (inside || out.empty())
        return false;
    for (std::uint64_t id : out)
        big = big || id > 0xFFFFFFFFull;
    return true;
}

std::string DottedText(const std::vector<std::uint64_t>& ids) {
    std::string s;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(ids[i]);
    }
    return s;
}

bool Value(std::uint8_t tag, std::string_view v, TvSnmpValue& out, bool& big, bool& unknown) {
    std::uint64_t u = 0;
    switch (tag) {
    case kInteger:
        out.Type = TvValueType::Integer;
        return Integer(v, out.Int);
    case kOctets:
    case kBits:
        out.Type = TvValueType::OctetString;
        out.Octets = std::string(v);
        return true;
    case 0x44:
        out.Type = TvValueType::Opaque;
        out.Octets = std::string(v);
        return true;
    case 0x40:
        out.Type = TvValueType::IpAddress;
        out.Octets = std::string(v);
        return true;
    case kNull:
        out.Type = TvValueType::Null;
        return true;
    case kOid: {
        std::vector<std::uint64_t> ids;
        if (!SubIds(v, ids, big))
            return false;
        out.Type = TvValueType::ObjectId;
        for (std::uint64_t id : ids)
            out.Oid.push_back(static_cast<std::uint32_t>(id));
        return true;
    }
    case 0x41:
    case 0x42:
    case 0x43:
        if (!Unsigned(v, u))
            return false;
        out.Type = tag == 0x41   ? TvValueType::Counter32
                   : tag == 0x42 ? TvValueType::Gauge32
                                 : TvValueType::TimeTicks;
        out.Int = static_cast<std::int64_t>(u & 0xFFFFFFFFull);
        return true;
    case 0x46:
        if (!Unsigned(v, u))
            return false;
        out.Type = TvValueType::Counter64;
        out.Counter64 = u;
        return true;
    case 0x80:
        out.Type = TvValueType::NoSuchObject;
        return true;
    case 0x81:
        out.Type = TvValueType::NoSuchInstance;
        return true;
    case 0x82:
        out.Type = TvValueType::EndOfMibView;
        return true;
    default:
        out.Type = TvValueType::Unknown;
        out.Int = tag;
        unknown = true;
        return true;
    }
}

} // namespace

bool TvBerReply::Decode(std::string_view datagram) {
    return Parse(datagram, true);
}

bool TvBerReply::Refused(std::string_view datagram) {
    TvBerReply reply;
    return reply.Parse(datagram, false) && reply.LibraryRefuses();
}

bool TvBerReply::Parse(std::string_view datagram, bool keepVarBinds) {
    *this = TvBerReply{};
    Reader top{datagram};
    std::string_view message, field;
    if (!top.Expect(kSequence, message) || !top.In.empty())
        return false;
    Reader m{message};
    std::int64_t version = 0;
    if (!m.Expect(kInteger, field) || !Integer(field, version) || (version != 0 && version != 1))
        return false;
    Version = static_cast<int>(version);
    std::string_view pdu;
    if (!m.Expect(kOctets, field) || !m.Expect(kResponse, pdu) || !m.In.empty())
        return false;
    Reader p{pdu};
    std::string_view list;
    if (!p.Expect(kInteger, field) || !Integer(field, RequestId) || !p.Expect(kInteger, field) ||
        !Integer(field, ErrorStatus) || !p.Expect(kInteger, field) || !Integer(field, ErrorIndex) ||
        !p.Expect(kSequence, list) || !p.In.empty())
        return false;
    // The library keeps the low 32 bits of a wider error-status or error-index (2^32 would read as 0).
    auto wide = [](std::int64_t n) {
        return n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max();
    };
    WideField = wide(ErrorStatus) || wide(ErrorIndex);
    Reader l{list};
    std::vector<std::uint64_t> ids;
    while (!l.In.empty()) {
        std::string_view vb, name, value;
        std::uint8_t tag = 0;
        if (!l.Expect(kSequence, vb))
            return false;
        Reader r{vb};
        if (!r.Expect(kOid, name) || !SubIds(name, ids, BigSubId) || !r.Next(tag, value) || !r.In.empty())
            return false;
        TvVarBind out;
        if (!Value(tag, value, out.Value, BigSubId, UnknownTag))
            return false;
        if (keepVarBinds) {
            out.Oid = DottedText(ids);
            VarBinds.push_back(std::move(out));
        }
    }
    return true;
}

int TvBerReply::MessageVersion(std::string_view datagram) {
    Reader top{datagram};
    std::string_view message, field;
    std::int64_t version = 0;
    if (!top.Expect(kSequence, message))
        return -1;
    Reader m{message};
    if (!m.Expect(kInteger, field) || !Integer(field, version) || version < 0 || version > 3)
        return -1;
    return static_cast<int>(version);
}

bool TvBerReply::ReadV3Header(std::string_view datagram, V3Header& out) {
    Reader top{datagram};
    std::string_view message, field, global, params;
    if (!top.Expect(kSequence, message))
        return false;
    Reader m{message};
    std::int64_t version = 0;
    if (!m.Expect(kInteger, field) || !Integer(field, version) || version != 3 ||
        !m.Expect(kSequence, global) || !m.Expect(kOctets, params))
        return false;
    // msgID, msgMaxSize, msgFlags, msgSecurityModel (3: user-based).
    Reader g{global};
    std::int64_t id = 0, maxSize = 0, model = 0;
    std::string_view flags;
    if (!g.Expect(kInteger, field) || !Integer(field, id) || !g.Expect(kInteger, field) ||
        !Integer(field, maxSize) || !g.Expect(kOctets, flags) || !g.Expect(kInteger, field) ||
        !Integer(field, model) || model != 3)
        return false;
    Reader p{params};
    std::string_view usm;
    if (!p.Expect(kSequence, usm))
        return false;
    Reader u{usm};
    if (!u.Expect(kOctets, field))
        return false;
    out.MessageId = id;
    out.EngineId = std::string(field);
    return true;
}
