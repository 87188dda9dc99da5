#include "snmp/TvSNMPVarList.h"

#include "base/ErrorCatalog.h"
#include "values/TvDateTime.h"
#include "values/TvOptionList.h"
#include "values/TvValueText.h"

#include <cstdio>
#include <optional>
#include <strings.h>

namespace {

const char kNull[] = "(NULL)";

bool IsHexSyntax(int s) {
    return s == synOctetHex || s == synOctetString || s == synOpaque || s == synMacAddress || s == synOctet16;
}

// Integral value of a varbind whatever integer type the agent chose.
std::optional<std::uint64_t> NumberOf(const TvSnmpValue& v) {
    switch (v.Type) {
    case TvValueType::Integer:
    case TvValueType::Counter32:
    case TvValueType::Gauge32:
    case TvValueType::TimeTicks:
        return static_cast<std::uint64_t>(v.Int);
    case TvValueType::Counter64:
        return v.Counter64;
    default:
        return std::nullopt;
    }
}

bool CarriesOctets(const TvSnmpValue& v) {
    return v.Type == TvValueType::OctetString || v.Type == TvValueType::Opaque ||
           v.Type == TvValueType::IpAddress;
}

bool IsTrue(const std::string& text) {
    return strcasecmp(text.c_str(), "true") == 0;
}

std::string OptionValue(const TvSNMPVarItem& item) {
    return item.Options ? item.Options->TextToValue(item.Value) : item.Value;
}

TvSnmpValue MakeOctets(std::string octets) {
    TvSnmpValue v;
    v.Type = TvValueType::OctetString;
    v.Octets = std::move(octets);
    return v;
}

TvSnmpValue MakeNumber(TvValueType type, std::int64_t n) {
    TvSnmpValue v;
    v.Type = type;
    v.Int = n;
    return v;
}

double DaysOrRaise(const std::string& text) {
    const std::optional<double> days = TvDateTime::TextToDays(text);
    if (!days)
        RaiseError(errBadSyntax);
    return *days;
}

void AppendId(std::string& out, std::uint64_t id) {
    if (!out.empty())
        out += '.';
    out += std::to_string(id);
}

void AppendOctets(std::string& out, const std::string& octets, bool withCount) {
    if (withCount)
        AppendId(out, octets.size());
    for (char c : octets)
        AppendId(out, static_cast<unsigned char>(c));
}

} // namespace

TvSNMPVarList::TvSNMPVarList(const TvSNMPVarDef* table, int itemType, int keyCount)
    : KeyCount(keyCount), ItemType(static_cast<std::uint8_t>(itemType)) {
    AddRows(table);
}

TvSNMPVarList::TvSNMPVarList(const TvSNMPVarList& other) {
    Assign(other);
}

TvSNMPVarList& TvSNMPVarList::operator=(const TvSNMPVarList& other) {
    Assign(other);
    return *this;
}

TvSNMPVarList::~TvSNMPVarList() = default;

void TvSNMPVarList::Assign(const TvSNMPVarList& other) {
    if (this == &other)
        return;
    std::vector<std::unique_ptr<TvSNMPVarItem>> copies;
    copies.reserve(other.items_.size());
    for (const auto& item : other.items_)
        copies.push_back(std::make_unique<TvSNMPVarItem>(*item));
    items_ = std::move(copies);
    ItemType = other.ItemType;
    KeyCount = other.KeyCount;
    Name = other.Name;
}

void TvSNMPVarList::AddRows(const TvSNMPVarDef* table) {
    if (!table)
        return;
    for (const TvSNMPVarDef* row = table; row->Oid; ++row)
        items_.push_back(std::make_unique<TvSNMPVarItem>(*row));
}

void TvSNMPVarList::AddItem(const std::string& oid, const std::string& label, int syntax, int access,
                            const TvOptionList* options, const std::string& getExpr,
                            const std::string& setExpr, const std::string& note) {
    auto item = std::make_unique<TvSNMPVarItem>();
    item->Oid = oid;
    item->Label = label;
    item->Syntax = syntax;
    item->Access = access;
    item->Options = options;
    item->GetExpr = getExpr;
    item->SetExpr = setExpr;
    item->Note = note;
    items_.push_back(std::move(item));
}

void TvSNMPVarList::AppendInstance(const std::string& text) {
    for (auto& item : items_)
        item->Oid += "." + text;
}

bool TvSNMPVarList::IsImplied(int i) const {
    return (Item(i).Access & accImplied) != 0;
}

bool TvSNMPVarList::IsReadable(int i) const {
    const int a = Item(i).Access;
    return !(a & accExcluded) && (a & accRead);
}

bool TvSNMPVarList::IsWritable(int i) const {
    const int a = Item(i).Access;
    if (a & accExcluded)
        return false;
    return (a & accWrite) || ((ItemType == itTable || ItemType == itTableRows) && i < KeyCount);
}

bool TvSNMPVarList::IsShown(int i) const {
    const int a = Item(i).Access;
    return !(a & (accHidden | accExcluded)) && (a & (accIndex | accRead | accShown));
}

bool TvSNMPVarList::IsHidden(int i) const {
    const int a = Item(i).Access;
    return a == accWrite || (a & (accHidden | accExcluded));
}

int TvSNMPVarList::ShownCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsShown(i);
    return n;
}

int TvSNMPVarList::HiddenCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsHidden(i);
    return n;
}

std::string TvSNMPVarList::BaseOid(int i) const {
    const std::string& oid = Item(i).Oid;
    return Instance.empty() ? oid : oid + "." + Instance;
}

std::string TvSNMPVarList::ReadOid(int i) const {
    return ItemType == itScalars ? BaseOid(i) + ".0" : BaseOid(i);
}

std::string TvSNMPVarList::WriteOid(int i) const {
    switch (ItemType) {
    case itScalars:
        return BaseOid(i) + ".0";
    case itTable:
    case itTableRows: {
        const std::string index = RowIndex();
        return index.empty() ? BaseOid(i) : BaseOid(i) + "." + index;
    }
    default:
        return BaseOid(i);
    }
}

std::string TvSNMPVarList::RowIndex() const {
    std::string index;
    const int keys = KeyCount < Count() ? KeyCount : Count();
    for (int k = 0; k < keys; ++k) {
        const std::string part = EncodeKey(k);
        if (part.empty())
            continue;
        if (!index.empty())
            index += '.';
        index += part;
    }
    return index;
}

bool TvSNMPVarList::IsKnownSyntax(int syntax) {
    switch (syntax) {
    case synTruthValue:
    case synInteger:
    case synOctetHex:
    case synOctetString:
    case synNull:
    case synObjectId:
    case synIpAddress:
    case synCounter32:
    case synGauge32:
    case synTimeTicks:
    case synOpaque:
    case synNsapAddress:
    case synCounter64:
    case synUInteger32:
    case synReal:
    case synMacAddress:
    case synDateAndTime:
    case synDateTimeReal:
    case synDisplayString:
    case synOctet16:
        return true;
    default:
        return false;
    }
}

bool TvSNMPVarList::AcceptsType(int syntax, const TvSnmpValue& value) {
    if (!IsKnownSyntax(syntax) || syntax == synNull)
        return true;
    const TvValueType t = value.Type;
    const bool unsigned32 =
        t == TvValueType::Counter32 || t == TvValueType::Gauge32 || t == TvValueType::TimeTicks;
    switch (syntax) {
    case synTruthValue:
    case synInteger:
        return t == TvValueType::Integer || (unsigned32 && value.Int <= 0x7FFFFFFF);
    case synCounter32:
    case synGauge32:
    case synUInteger32:
    case synTimeTicks:
        return unsigned32 || (t == TvValueType::Integer && value.Int >= 0);
    case synCounter64:
        return t == TvValueType::Counter64 || unsigned32 || (t == TvValueType::Integer && value.Int >= 0);
    case synObjectId:
        return t == TvValueType::ObjectId;
    case synIpAddress:
    case synNsapAddress:
        return t == TvValueType::IpAddress || (t == TvValueType::OctetString && value.Octets.size() == 4);
    default: // the octet-based syntaxes
        return t == TvValueType::OctetString || t == TvValueType::Opaque;
    }
}

std::string TvSNMPVarList::SyntaxName(int syntax) {
    switch (syntax) {
    case synTruthValue:
        return "TruthValue";
    case synInteger:
        return "INTEGER";
    case synNull:
        return "NULL";
    case synObjectId:
        return "OBJECT IDENTIFIER";
    case synIpAddress:
    case synNsapAddress:
        return "IpAddress";
    case synCounter32:
        return "Counter32";
    case synGauge32:
        return "Gauge32";
    case synTimeTicks:
        return "TimeTicks";
    case synOpaque:
        return "Opaque";
    case synCounter64:
        return "Counter64";
    case synUInteger32:
        return "Unsigned32";
    case synMacAddress:
        return "MacAddress";
    case synDateAndTime:
        return "DateAndTime";
    case synDisplayString:
        return "DisplayString";
    default:
        return "OCTET STRING";
    }
}

std::string TvSNMPVarList::TypeName(const TvSnmpValue& value) {
    switch (value.Type) {
    case TvValueType::Null:
        return "NULL";
    case TvValueType::Integer:
        return "INTEGER";
    case TvValueType::OctetString:
        return "OCTET STRING";
    case TvValueType::ObjectId:
        return "OBJECT IDENTIFIER";
    case TvValueType::IpAddress:
        return "IpAddress";
    case TvValueType::Counter32:
        return "Counter32";
    case TvValueType::Gauge32:
        return "Gauge32";
    case TvValueType::TimeTicks:
        return "TimeTicks";
    case TvValueType::Opaque:
        return "Opaque";
    case TvValueType::Counter64:
        return "Counter64";
    case TvValueType::NoSuchObject:
        return "noSuchObject";
    case TvValueType::NoSuchInstance:
        return "noSuchInstance";
    case TvValueType::EndOfMibView:
        return "endOfMibView";
    case TvValueType::Unknown: {
        char tag[16];
        std::snprintf(tag, sizeof tag, "tag 0x%02llX", static_cast<unsigned long long>(value.Int & 0xFF));
        return "an unknown type (" + std::string(tag) + ")";
    }
    }
    return "?";
}

std::string TvSNMPVarList::ValueText(int syntax, const TvSnmpValue& value) {
    if (!IsKnownSyntax(syntax))
        RaiseError(errBadSyntax);
    const bool octets = CarriesOctets(value);
    if (IsHexSyntax(syntax))
        return TvValueText::OctetsToHex(octets ? value.Octets : std::string());
    if (syntax == synDisplayString) {
        if (octets)
            return value.Octets;
        if (const auto n = NumberOf(value))
            return std::to_string(static_cast<std::int64_t>(*n));
        if (value.Type == TvValueType::ObjectId)
            return TvValueText::OidToText(value.Oid);
        return "";
    }
    const std::optional<std::uint64_t> n = NumberOf(value);
    switch (syntax) {
    case synTruthValue:
        return n ? (*n != 0 ? "true" : "false") : kNull;
    case synInteger:
        return n ? std::to_string(static_cast<std::int32_t>(*n)) : kNull;
    case synCounter32:
    case synGauge32:
    case synUInteger32:
        return n ? std::to_string(static_cast<std::uint32_t>(*n)) : kNull;
    case synTimeTicks:
        return n ? TvValueText::TicksToText(static_cast<std::uint32_t>(*n)) : kNull;
    case synCounter64:
        return n ? std::to_string(*n) : kNull;
    case synObjectId:
        return value.Type == TvValueType::ObjectId ? TvValueText::OidToText(value.Oid) : kNull;
    case synIpAddress:
    case synNsapAddress:
        return octets && value.Octets.size() >= 4 ? TvValueText::IpToText(value.Octets) : kNull;
    // Values shorter than their form are shown as absent rather than padded into a different
    // number; the 8-octet DateAndTime is a complete form without a UTC offset.
    case synReal:
        return octets && value.Octets.size() >= 8
                   ? TvValueText::RealToText(TvValueText::OctetsToReal(value.Octets))
                   : kNull;
    case synDateAndTime:
        return octets && value.Octets.size() >= 8 ? TvDateTime::FromOctets(value.Octets).ToText() : kNull;
    case synDateTimeReal:
        if (octets && value.Octets.size() >= 8)
            return TvDateTime::DaysToText(TvValueText::OctetsToReal(value.Octets)).value_or(kNull);
        return kNull;
    default: // synNull
        return kNull;
    }
}

void TvSNMPVarList::StoreVarbind(int i, const TvSnmpValue& value) {
    TvSNMPVarItem& item = Item(i);
    std::string text = ValueText(item.Syntax, value);
    if (item.Options)
        text = item.Options->ValueToText(text);
    item.Value = std::move(text);
}

void TvSNMPVarList::StoreVarbind(int i, const TvVarBind& varbind) {
    StoreVarbind(i, varbind.Value);
    Item(i).CurrentOid = varbind.Oid;
}

TvSnmpValue TvSNMPVarList::MakeVarbind(int i) const {
    const TvSNMPVarItem& item = Item(i);
    if (!IsKnownSyntax(item.Syntax))
        RaiseError(errBadSyntax);
    const std::string text = OptionValue(item);
    if (text == kNull)
        return TvSnmpValue{};
    switch (item.Syntax) {
    case synTruthValue:
        return MakeNumber(TvValueType::Integer, IsTrue(text) ? 1 : 0);
    case synInteger:
        return MakeNumber(TvValueType::Integer, TvValueText::Atol(text));
    case synCounter32:
    case synGauge32:
    case synUInteger32:
        return MakeNumber(TvValueType::Gauge32, TvValueText::AtolUnsigned(text));
    case synTimeTicks:
        return MakeNumber(TvValueType::TimeTicks, TvValueText::TextToTicks(text));
    case synCounter64: {
        TvSnmpValue v;
        v.Type = TvValueType::Counter64;
        v.Counter64 = TvValueText::AtoU64(text);
        return v;
    }
    case synObjectId: {
        TvSnmpValue v;
        v.Type = TvValueType::ObjectId;
        v.Oid = TvValueText::TextToOid(text);
        return v;
    }
    case synIpAddress:
    case synNsapAddress: {
        TvSnmpValue v;
        v.Type = TvValueType::IpAddress;
        v.Octets = TvValueText::IpOctets(text);
        return v;
    }
    case synReal:
        return MakeOctets(TvValueText::RealToOctets(TvValueText::TextToReal(text)));
    case synDateAndTime:
        return MakeOctets(TvDateTime(text).ToOctets());
    case synDateTimeReal:
        // A text that is no date is refused rather than sent as day 0.
        return MakeOctets(TvValueText::RealToOctets(DaysOrRaise(text)));
    case synDisplayString:
        return MakeOctets(text);
    case synNull:
        return TvSnmpValue{};
    default: // hex syntaxes
        return MakeOctets(TvValueText::HexToOctets(text));
    }
}

bool TvSNMPVarList::LastKeyImplied(int i) const {
    return i == KeyCount - 1 && IsImplied(i);
}

std::string TvSNMPVarList::DecodeKey(int i, const std::string& instance) {
    TvSNMPVarItem& item = Item(i);
    if (!IsKnownSyntax(item.Syntax))
        RaiseError(errBadSyntax);
    const std::vector<std::uint32_t> ids = TvValueText::TextToOid(instance);
    const bool implied = LastKeyImplied(i);
    size_t pos = 0;
    bool shortInstance = false;
    auto take = [&](size_t n) -> const std::uint32_t* {
        if (n > ids.size() - pos) {
            shortInstance = true;
            return nullptr;
        }
        const std::uint32_t* p = ids.data() + pos;
        pos += n;
        return p;
    };
    // Length-prefixed (or, when implied, all remaining) sub-identifiers.
    auto takeVariable = [&](size_t& n) -> const std::uint32_t* {
        if (implied) {
            n = ids.size() - pos;
            return take(n);
        }
        const std::uint32_t* len = take(1);
        if (!len)
            return nullptr;
        n = *len;
        return take(n);
    };
    auto octetsOf = [](const std::uint32_t* p, size_t n) {
        std::string s;
        for (size_t k = 0; k < n; ++k)
            s += static_cast<char>(p[k] & 0xffu);
        return s;
    };

    std::string text;
    switch (item.Syntax) {
    case synTruthValue:
    case synInteger:
    case synCounter32:
    case synGauge32:
    case synUInteger32:
    case synTimeTicks:
        if (const auto* p = take(1))
            text = ValueText(item.Syntax, MakeNumber(TvValueType::Gauge32, *p));
        break;
    case synCounter64:
        if (const auto* p = take(2))
            text = std::to_string(static_cast<std::uint64_t>(p[0]) << 32 | p[1]);
        break;
    case synReal:
        if (const auto* p = take(2))
            text = TvValueText::RealToText(TvValueText::RealFromHalves(p[0], p[1]));
        break;
    case synDateTimeReal:
        if (const auto* p = take(2))
            text = TvDateTime::DaysToText(TvValueText::RealFromHalves(p[0], p[1])).value_or(kNull);
        break;
    case synIpAddress:
    case synNsapAddress:
        if (const auto* p = take(4))
            text = TvValueText::IpToText(octetsOf(p, 4));
        break;
    case synMacAddress:
        if (const auto* p = take(6))
            text = TvValueText::OctetsToHex(octetsOf(p, 6));
        break;
    case synOctet16: {
        size_t n = implied ? ids.size() - pos : 16;
        if (const auto* p = take(n))
            text = TvValueText::OctetsToHex(octetsOf(p, n));
        break;
    }
    case synDateAndTime:
        if (const auto* p = take(11))
            text = TvDateTime::FromOctets(octetsOf(p, 11)).ToText();
        break;
    case synOctetHex:
    case synOctetString:
    case synOpaque: {
        size_t n = 0;
        if (const auto* p = takeVariable(n))
            text = TvValueText::OctetsToHex(octetsOf(p, n));
        break;
    }
    case synDisplayString: {
        size_t n = 0;
        if (const auto* p = takeVariable(n))
            text = octetsOf(p, n);
        break;
    }
    case synObjectId: {
        size_t n = 0;
        if (const auto* p = takeVariable(n))
            text = TvValueText::OidToText(std::vector<std::uint32_t>(p, p + n));
        break;
    }
    default: // synNull uses no sub-identifiers
        text = kNull;
        break;
    }
    if (shortInstance) {
        item.Value = kNull;
        return "";
    }
    if (item.Options)
        text = item.Options->ValueToText(text);
    item.Value = std::move(text);
    return TvValueText::OidToText(
        std::vector<std::uint32_t>(ids.begin() + static_cast<std::ptrdiff_t>(pos), ids.end()));
}

std::string TvSNMPVarList::EncodeKey(int i) const {
    const TvSNMPVarItem& item = Item(i);
    if (!IsKnownSyntax(item.Syntax))
        RaiseError(errBadSyntax);
    const std::string text = OptionValue(item);
    const bool implied = LastKeyImplied(i);
    std::string out;
    switch (item.Syntax) {
    case synTruthValue:
        AppendId(out, IsTrue(text) ? 1 : 0);
        break;
    case synInteger:
    case synCounter32:
    case synGauge32:
    case synUInteger32:
        AppendId(out, TvValueText::AtolUnsigned(text));
        break;
    case synTimeTicks:
        AppendId(out, TvValueText::TextToTicks(text));
        break;
    case synCounter64: {
        const std::uint64_t v = TvValueText::AtoU64(text);
        AppendId(out, v >> 32);
        AppendId(out, v & 0xffffffffu);
        break;
    }
    case synReal:
    case synDateTimeReal: {
        const double v = item.Syntax == synReal ? TvValueText::TextToReal(text) : DaysOrRaise(text);
        AppendId(out, TvValueText::RealLow(v));
        AppendId(out, TvValueText::RealHigh(v));
        break;
    }
    case synIpAddress:
    case synNsapAddress:
        AppendOctets(out, TvValueText::IpOctets(text), false);
        break;
    case synOctetHex:
    case synOctetString:
    case synOpaque:
        AppendOctets(out, TvValueText::HexToOctets(text), !implied);
        break;
    case synDisplayString:
        AppendOctets(out, text, !implied);
        break;
    case synObjectId: {
        const std::vector<std::uint32_t> ids = TvValueText::TextToOid(text);
        if (!implied)
            AppendId(out, ids.size());
        for (std::uint32_t id : ids)
            AppendId(out, id);
        break;
    }
    case synMacAddress:
    case synOctet16: {
        const std::string octets = TvValueText::HexToOctets(text);
        const size_t n = item.Syntax == synMacAddress ? 6 : 16;
        if (item.Syntax == synOctet16 && implied)
            AppendOctets(out, octets, false);
        else if (octets.size() >= n)
            AppendOctets(out, octets.substr(0, n), false);
        break;
    }
    case synDateAndTime:
        AppendOctets(out, TvDateTime(text).ToOctets(), false);
        break;
    default: // synNull
        break;
    }
    return out;
}
