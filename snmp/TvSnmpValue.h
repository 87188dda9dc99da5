#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A varbind value as the core sees it, independent of the SNMP library, so that every text
// conversion is tested without a network. The engine converts library varbinds to and from it.
enum class TvValueType : std::uint8_t {
    Null,
    Integer,     // INTEGER (signed 32 bits) in Int
    OctetString, // Octets
    ObjectId,    // Oid
    IpAddress,   // 4 octets in Octets
    Counter32,   // unsigned 32 bits in Int
    Gauge32,     // unsigned 32 bits in Int
    TimeTicks,   // unsigned 32 bits in Int
    Opaque,      // Octets
    Counter64,   // Counter64
    NoSuchObject,
    NoSuchInstance,
    EndOfMibView,
    Unknown, // a tag the protocol does not define; the tag in Int
};

struct TvSnmpValue {
    TvValueType Type = TvValueType::Null;
    std::int64_t Int = 0;
    std::uint64_t Counter64 = 0;
    std::string Octets;
    std::vector<std::uint32_t> Oid;

    bool IsException() const {
        return Type == TvValueType::NoSuchObject || Type == TvValueType::NoSuchInstance ||
               Type == TvValueType::EndOfMibView;
    }
    friend bool operator==(const TvSnmpValue&, const TvSnmpValue&) = default;
};

// One variable binding: the full dotted OID and its value.
struct TvVarBind {
    std::string Oid;
    TvSnmpValue Value;
    friend bool operator==(const TvVarBind&, const TvVarBind&) = default;
};
