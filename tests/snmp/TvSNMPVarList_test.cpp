#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/TvSNMPVarList.h"
#include "values/TvOptionList.h"
#include "values/TvValueText.h"

#include <gtest/gtest.h>

namespace {

const TvOptionList kEnable(TvOptionList::kIntegers, {{1, "enabled"}, {2, "disabled"}});

TvSnmpValue Num(TvValueType type, std::int64_t n) {
    TvSnmpValue v;
    v.Type = type;
    v.Int = n;
    return v;
}

TvSnmpValue Oct(std::string octets, TvValueType type = TvValueType::OctetString) {
    TvSnmpValue v;
    v.Type = type;
    v.Octets = std::move(octets);
    return v;
}

TvSnmpValue Of(TvValueType type) {
    TvSnmpValue v;
    v.Type = type;
    return v;
}

TvSnmpValue C64(std::uint64_t n) {
    TvSnmpValue v;
    v.Type = TvValueType::Counter64;
    v.Counter64 = n;
    return v;
}

TvSnmpValue OidValue(std::vector<std::uint32_t> ids) {
    TvSnmpValue v;
    v.Type = TvValueType::ObjectId;
    v.Oid = std::move(ids);
    return v;
}

TvSNMPVarList One(int syntax, int access = accReadWrite, const TvOptionList* options = nullptr) {
    TvSNMPVarList list;
    list.AddItem("1.3.6.1.4.1.59371.1", "item", syntax, access, options);
    return list;
}

struct StoreCase {
    int syntax;
    TvSnmpValue value;
    const char* text;
};

const StoreCase kStoreCases[] = {
    {synTruthValue, Num(TvValueType::Integer, 1), "true"},
    {synTruthValue, Num(TvValueType::Integer, 2), "true"},
    {synTruthValue, Num(TvValueType::Integer, 0), "false"},
    {synInteger, Num(TvValueType::Integer, -779), "-779"},
    {synInteger, Of(TvValueType::NoSuchInstance), "(NULL)"},
    {synInteger, Of(TvValueType::Null), "(NULL)"},
    {synInteger, Oct("abc"), "(NULL)"},
    {synOctetHex, Oct(std::string("\x00\x1a\xff", 3)), "001AFF"},
    {synOctetString, Of(TvValueType::NoSuchObject), ""},
    {synOpaque, Oct("\x12", TvValueType::Opaque), "12"},
    {synNull, Num(TvValueType::Integer, 5), "(NULL)"},
    {synObjectId, OidValue({1, 3, 6, 1}), "1.3.6.1"},
    {synObjectId, Of(TvValueType::EndOfMibView), "(NULL)"},
    {synIpAddress, Oct("\xc0\xa8\x01\x02", TvValueType::IpAddress), "192.168.1.2"},
    {synIpAddress, Oct("\xc0\xa8"), "(NULL)"},
    {synNsapAddress, Oct("\x0a\x01\x02\x03"), "10.1.2.3"},
    {synCounter32, Num(TvValueType::Counter32, 4294967295), "4294967295"},
    {synGauge32, Num(TvValueType::Gauge32, 7), "7"},
    {synUInteger32, Num(TvValueType::Gauge32, 3000000000), "3000000000"},
    {synTimeTicks, Num(TvValueType::TimeTicks, 2 * 8640000 + 4), "2 days, 0:00:00.04"},
    {synCounter64, C64(18446744073709551615ull), "18446744073709551615"},
    {synCounter64, Num(TvValueType::Counter32, 12), "12"},
    {synReal, Oct(TvValueText::RealToOctets(2.5)), "2.5"},
    {synReal, Oct(TvValueText::RealToOctets(-0.125) + "tail"), "-0.125"},
    {synReal, Oct("\x00\x00\x00\x00"), "(NULL)"},
    {synMacAddress, Oct(std::string("\x00\x11\x22\x33\x44\x55", 6)), "001122334455"},
    {synDateAndTime, Oct(std::string("\x07\xd8\x01\x17\x0d\x1e\x0f\x00+\x08\x00", 11)),
     "2008-1-23,13:30:15.0,+8:0"},
    {synDateAndTime, Oct(std::string("\x07\xd8\x01\x17\x0d\x1e\x0f\x00", 8)), "2008-1-23,13:30:15.0"},
    {synDateAndTime, Oct("\x07\xd8\x01"), "(NULL)"},
    {synDateTimeReal, Oct(TvValueText::RealToOctets(39470.5)), "2008/01/23 12:00:00 pm"},
    {synDateTimeReal, Oct(TvValueText::RealToOctets(1e300)), "(NULL)"},
    {synDateTimeReal, Oct("\x01"), "(NULL)"},
    {synDisplayString, Oct("switch-1"), "switch-1"},
    {synDisplayString, Of(TvValueType::NoSuchInstance), ""},
    {synOctet16, Oct(std::string(16, '\x01')), "01010101010101010101010101010101"},
};

class StoreVarbind : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoreVarbind, TextBySyntax) {
    const StoreCase& c = GetParam();
    TvSNMPVarList list = One(c.syntax);
    list.StoreVarbind(0, c.value);
    EXPECT_EQ(list.Item(0).Value, c.text) << "syntax " << c.syntax;
}

INSTANTIATE_TEST_SUITE_P(Syntaxes, StoreVarbind, ::testing::ValuesIn(kStoreCases));

struct MakeCase {
    int syntax;
    const char* text;
    TvSnmpValue value;
};

const MakeCase kMakeCases[] = {
    {synTruthValue, "true", Num(TvValueType::Integer, 1)},
    {synTruthValue, "TRUE", Num(TvValueType::Integer, 1)},
    {synTruthValue, "false", Num(TvValueType::Integer, 0)},
    {synTruthValue, "yes", Num(TvValueType::Integer, 0)},
    {synInteger, "-779", Num(TvValueType::Integer, -779)},
    {synInteger, "4294967295", Num(TvValueType::Integer, -1)},
    {synInteger, "(NULL)", Of(TvValueType::Null)},
    {synDisplayString, "(NULL)", Of(TvValueType::Null)},
    {synCounter32, "5", Num(TvValueType::Gauge32, 5)},
    {synGauge32, "4294967295", Num(TvValueType::Gauge32, 4294967295)},
    {synUInteger32, "12abc", Num(TvValueType::Gauge32, 12)},
    {synTimeTicks, "1:02:03.04", Num(TvValueType::TimeTicks, 372304)},
    {synCounter64, "18446744073709551615", C64(18446744073709551615ull)},
    {synOctetHex, "1a 2b", Oct("\x1a\x2b")},
    {synOpaque, "FF", Oct("\xff")},
    {synMacAddress, "001122334455", Oct(std::string("\x00\x11\x22\x33\x44\x55", 6))},
    {synNull, "anything", Of(TvValueType::Null)},
    {synObjectId, "1.3.6.1.2", OidValue({1, 3, 6, 1, 2})},
    {synIpAddress, "10.0.0.1", Oct(std::string("\x0a\x00\x00\x01", 4), TvValueType::IpAddress)},
    {synNsapAddress, "10.0.0.2", Oct(std::string("\x0a\x00\x00\x02", 4), TvValueType::IpAddress)},
    {synReal, "2.5", Oct(TvValueText::RealToOctets(2.5))},
    {synDateAndTime, "2008-1-23,13:30:15.0",
     Oct(std::string("\x07\xd8\x01\x17\x0d\x1e\x0f\x00+\x00\x00", 11))},
    {synDateTimeReal, "2008/01/23 12:00:00 pm", Oct(TvValueText::RealToOctets(39470.5))},
    {synDisplayString, "abc", Oct("abc")},
};

class MakeVarbind : public ::testing::TestWithParam<MakeCase> {};

TEST_P(MakeVarbind, ValueBySyntax) {
    const MakeCase& c = GetParam();
    TvSNMPVarList list = One(c.syntax);
    list.Item(0).Value = c.text;
    EXPECT_EQ(list.MakeVarbind(0), c.value) << "syntax " << c.syntax << " text " << c.text;
}

INSTANTIATE_TEST_SUITE_P(Syntaxes, MakeVarbind, ::testing::ValuesIn(kMakeCases));

TEST(VarbindConversion, OptionsTranslateBothWays) {
    TvSNMPVarList list = One(synInteger, accReadWrite, &kEnable);
    list.StoreVarbind(0, Num(TvValueType::Integer, 2));
    EXPECT_EQ(list.Item(0).Value, "disabled");
    EXPECT_EQ(list.MakeVarbind(0), Num(TvValueType::Integer, 2));
    list.StoreVarbind(0, Num(TvValueType::Integer, 7));
    EXPECT_EQ(list.Item(0).Value, "7");
    list.StoreVarbind(0, TvVarBind{"1.3.6.1.4.1.59371.1.3", Of(TvValueType::NoSuchObject)});
    EXPECT_EQ(list.Item(0).Value, "(NULL)");
    EXPECT_EQ(list.Item(0).CurrentOid, "1.3.6.1.4.1.59371.1.3");
    EXPECT_EQ(list.MakeVarbind(0), Of(TvValueType::Null));
}

TEST(VarbindConversion, UnknownSyntaxRaisesAndKeepsTheValue) {
    TvSNMPVarList list = One(0x99);
    list.Item(0).Value = "kept";
    auto expectBadSyntax = [](auto&& call) {
        try {
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const TvException& e) {
            EXPECT_EQ(e.Code(), errBadSyntax);
            EXPECT_STREQ(e.what(), "(TvSNMP++) Bad SNMP syntax!");
        }
    };
    expectBadSyntax([&] { list.StoreVarbind(0, Num(TvValueType::Integer, 1)); });
    expectBadSyntax([&] {
        list.StoreVarbind(0, TvVarBind{"1.3.6.1.4.1.59371.1.5", Num(TvValueType::Integer, 1)});
    });
    EXPECT_TRUE(list.Item(0).CurrentOid.empty());
    expectBadSyntax([&] { list.MakeVarbind(0); });
    expectBadSyntax([&] { list.DecodeKey(0, "1"); });
    expectBadSyntax([&] { list.EncodeKey(0); });
    EXPECT_EQ(list.Item(0).Value, "kept");
    // A date-time real that is no date is refused rather than written as day 0.
    TvSNMPVarList date = One(synDateTimeReal);
    date.Item(0).Value = "tomorrow";
    expectBadSyntax([&] { date.MakeVarbind(0); });
}

struct KeyDef {
    int syntax;
    int access;
};

TvSNMPVarList Keys(std::initializer_list<KeyDef> keys) {
    TvSNMPVarList list;
    int n = 0;
    for (const KeyDef& k : keys)
        list.AddItem("1.3.6.1.4.1.59371.9.1." + std::to_string(++n), "key", k.syntax, k.access);
    list.ItemType = TvSNMPVarList::itTable;
    list.KeyCount = static_cast<int>(keys.size());
    return list;
}

struct DecodeCase {
    std::vector<KeyDef> keys;
    const char* instance;
    std::vector<std::string> values;
    const char* rest; // after the last key
};

const DecodeCase kDecodeCases[] = {
    {{{synDisplayString, accIndex}, {synInteger, accIndex}}, "4.97.98.99.100.7", {"abcd", "7"}, ""},
    {{{synDisplayString, accImpliedIndex}}, "97.98.99", {"abc"}, ""},
    // IMPLIED counts only for the last key.
    {{{synDisplayString, accImpliedIndex}, {synInteger, accIndex}}, "2.97.98.5", {"ab", "5"}, ""},
    {{{synDateAndTime, accIndex}, {synInteger, accIndex}},
     "7.216.1.23.13.30.15.0.43.0.0.9",
     {"2008-1-23,13:30:15.0", "9"},
     ""},
    {{{synInteger, accIndex}}, "4294967295.1.2", {"-1"}, "1.2"},
    {{{synTruthValue, accIndex}, {synTruthValue, accIndex}}, "0.3", {"false", "true"}, ""},
    {{{synUInteger32, accIndex}}, "4294967295", {"4294967295"}, ""},
    {{{synTimeTicks, accIndex}}, "100", {"0:00:01.00"}, ""},
    {{{synCounter64, accIndex}}, "1.2", {"4294967298"}, ""},
    {{{synIpAddress, accIndex}, {synInteger, accIndex}}, "10.0.0.1.24", {"10.0.0.1", "24"}, ""},
    {{{synIpAddress, accIndex}}, "266.0.0.1", {"10.0.0.1"}, ""},
    {{{synMacAddress, accIndex}}, "0.17.34.51.68.85.1", {"001122334455"}, "1"},
    {{{synOctetHex, accIndex}}, "2.255.1", {"FF01"}, ""},
    {{{synOctetString, accImpliedIndex}}, "", {""}, ""},
    {{{synObjectId, accIndex}, {synInteger, accIndex}}, "3.1.3.6.2", {"1.3.6", "2"}, ""},
    {{{synObjectId, accImpliedIndex}}, "1.3.6.1", {"1.3.6.1"}, ""},
    {{{synOctet16, accImpliedIndex}}, "1.2", {"0102"}, ""},
    {{{synNull, accIndex}, {synInteger, accIndex}}, "5", {"(NULL)", "5"}, ""},
    {{{synReal, accIndex}}, "0.1073217536", {"1.5"}, ""},
    {{{synDateTimeReal, accIndex}}, "0.1088636368", {"2008/01/23 12:00:00 pm"}, ""},
    // Instances too short for a key: the key is unknown, nothing is read beyond the instance.
    {{{synDisplayString, accIndex}}, "5.97.98", {"(NULL)"}, ""},
    {{{synDisplayString, accIndex}}, "4294967295.97", {"(NULL)"}, ""},
    {{{synDateAndTime, accIndex}}, "7.216.1", {"(NULL)"}, ""},
    {{{synInteger, accIndex}, {synInteger, accIndex}}, "3", {"3", "(NULL)"}, ""},
    {{{synMacAddress, accIndex}}, "", {"(NULL)"}, ""},
};

class DecodeKey : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeKey, ConsumesItsSubIdentifiers) {
    const DecodeCase& c = GetParam();
    TvSNMPVarList list;
    int n = 0;
    for (const KeyDef& k : c.keys)
        list.AddItem("1.3.6.1.4.1.59371.9.1." + std::to_string(++n), "key", k.syntax, k.access);
    list.ItemType = TvSNMPVarList::itTable;
    list.KeyCount = static_cast<int>(c.keys.size());
    std::string rest = c.instance;
    for (int i = 0; i < list.KeyCount; ++i)
        rest = list.DecodeKey(i, rest);
    for (int i = 0; i < list.KeyCount; ++i)
        EXPECT_EQ(list.Item(i).Value, c.values[static_cast<size_t>(i)]) << c.instance << " key " << i;
    EXPECT_EQ(rest, c.rest) << c.instance;
}

INSTANTIATE_TEST_SUITE_P(Instances, DecodeKey, ::testing::ValuesIn(kDecodeCases));

struct EncodeCase {
    KeyDef key;
    const char* value;
    const char* encoded;
};

const EncodeCase kEncodeCases[] = {
    {{synTruthValue, accIndex}, "true", "1"},
    {{synTruthValue, accIndex}, "false", "0"},
    {{synInteger, accIndex}, "-1", "4294967295"},
    {{synGauge32, accIndex}, "17", "17"},
    {{synTimeTicks, accIndex}, "0:00:01.00", "100"},
    {{synCounter64, accIndex}, "4294967298", "1.2"},
    {{synReal, accIndex}, "1.5", "0.1073217536"},
    {{synDateTimeReal, accIndex}, "2008/01/23 12:00:00 pm", "0.1088636368"},
    {{synIpAddress, accIndex}, "10.0.0.1", "10.0.0.1"},
    {{synIpAddress, accIndex}, "10.1", "10.1.0.0"},
    {{synOctetString, accIndex}, "FF01", "2.255.1"},
    {{synOctetString, accIndex}, "", "0"},
    {{synOctetString, accImpliedIndex}, "FF01", "255.1"},
    {{synDisplayString, accIndex}, "ab", "2.97.98"},
    {{synDisplayString, accImpliedIndex}, "ab", "97.98"},
    {{synObjectId, accIndex}, "1.3.6", "3.1.3.6"},
    {{synObjectId, accImpliedIndex}, "1.3.6", "1.3.6"},
    {{synMacAddress, accIndex}, "00112233445566", "0.17.34.51.68.85"},
    {{synMacAddress, accIndex}, "0011", ""},
    {{synOctet16, accIndex}, "0102", ""},
    {{synOctet16, accImpliedIndex}, "0102", "1.2"},
    {{synDateAndTime, accIndex}, "2008-1-23,13:30:15.0", "7.216.1.23.13.30.15.0.43.0.0"},
    {{synNull, accIndex}, "x", ""},
};

class EncodeKey : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeKey, SubIdentifiersBySyntax) {
    const EncodeCase& c = GetParam();
    TvSNMPVarList list = Keys({c.key});
    list.Item(0).Value = c.value;
    EXPECT_EQ(list.EncodeKey(0), c.encoded) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Syntaxes, EncodeKey, ::testing::ValuesIn(kEncodeCases));

TEST(RowIndex, JoinsKeysAndRoundTrips) {
    TvSNMPVarList list = Keys({{synDisplayString, accIndex},
                               {
                                   synInteger,
                                   accIndex,
                               },
                               {synOctetString, accImpliedIndex}});
    list.Item(0).Value = "abcd";
    list.Item(1).Value = "7";
    list.Item(2).Value = "0A0B";
    list.AddItem("1.3.6.1.4.1.59371.9.1.4", "status", synInteger, accReadWrite, &kEnable);
    EXPECT_EQ(list.RowIndex(), "4.97.98.99.100.7.10.11");
    EXPECT_EQ(list.WriteOid(3), "1.3.6.1.4.1.59371.9.1.4.4.97.98.99.100.7.10.11");

    TvSNMPVarList copy = list;
    std::string rest = list.RowIndex();
    for (int i = 0; i < 3; ++i)
        rest = copy.DecodeKey(i, rest);
    EXPECT_EQ(rest, "");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(copy.Item(i).Value, list.Item(i).Value);

    // A key that encodes to nothing leaves no empty sub-identifier behind.
    TvSNMPVarList mac = Keys({{synMacAddress, accIndex}, {synInteger, accIndex}});
    mac.Item(0).Value = "00";
    mac.Item(1).Value = "3";
    EXPECT_EQ(mac.RowIndex(), "3");
}

TEST(RowIndex, OptionsMapKeysToTheirValues) {
    TvSNMPVarList list = Keys({{synInteger, accIndex}});
    list.Item(0).Options = &kEnable;
    list.DecodeKey(0, "2");
    EXPECT_EQ(list.Item(0).Value, "disabled");
    EXPECT_EQ(list.EncodeKey(0), "2");
}

const TvSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite},
    {"1.3.6.1.2.1.1.3", "Up time", synTimeTicks, accReadOnly},
    {"1.3.6.1.2.1.1.9", "Secret", synDisplayString, accWrite},
    {"1.3.6.1.2.1.1.8", "Hidden", synInteger, accReadOnly | accHidden},
    {"1.3.6.1.2.1.1.7", "Shown", synInteger, accShown},
    {nullptr},
};

TEST(TvSNMPVarList, BuildsFromATable) {
    static const std::string kInitValue = "sw1";
    static const std::string kInitOid = "1.3.6.1.2.1.1.5.0";
    const TvSNMPVarDef withInit[] = {
        {"1.3.6.1.2.1.1.5", "Name", synDisplayString, accReadWrite, &kEnable, "", "$0", "note", &kInitValue,
         &kInitOid},
        {nullptr},
    };
    TvSNMPVarList list(withInit, TvSNMPVarList::itScalars, 0);
    ASSERT_EQ(list.Count(), 1);
    const TvSNMPVarItem& item = list.Item(0);
    EXPECT_EQ(item.Label, "Name");
    EXPECT_EQ(item.Options, &kEnable);
    EXPECT_TRUE(item.GetExpr.empty());
    EXPECT_EQ(item.SetExpr, "$0");
    EXPECT_EQ(item.Note, "note");
    EXPECT_EQ(item.Value, "sw1");
    EXPECT_EQ(item.CurrentOid, "1.3.6.1.2.1.1.5.0");
    EXPECT_TRUE(list.Instance.empty());
    EXPECT_TRUE(list.Name.empty());

    const TvSNMPVarDef empty[] = {{nullptr}};
    TvSNMPVarList none(empty, TvSNMPVarList::itTable, 1);
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.ShownCount(), 0);
    EXPECT_EQ(TvSNMPVarList().Count(), 0);
    EXPECT_EQ(TvSNMPVarList().ItemType, 0);
}

TEST(TvSNMPVarList, OidsOfReadsAndWrites) {
    TvSNMPVarList list(kSystem, TvSNMPVarList::itScalars, 0);
    EXPECT_EQ(list.ReadOid(0), "1.3.6.1.2.1.1.5.0");
    list.Instance = "2";
    EXPECT_EQ(list.ReadOid(0), "1.3.6.1.2.1.1.5.2.0");
    EXPECT_EQ(list.WriteOid(0), "1.3.6.1.2.1.1.5.2.0");
    list.ItemType = TvSNMPVarList::itInstance;
    EXPECT_EQ(list.ReadOid(0), "1.3.6.1.2.1.1.5.2");
    EXPECT_EQ(list.WriteOid(0), "1.3.6.1.2.1.1.5.2");
    list.AppendInstance("9");
    list.Instance.clear();
    EXPECT_EQ(list.Item(4).Oid, "1.3.6.1.2.1.1.7.9");
    EXPECT_EQ(list.ReadOid(4), "1.3.6.1.2.1.1.7.9");
}

TEST(TvSNMPVarList, AccessPredicates) {
    TvSNMPVarList list(kSystem, TvSNMPVarList::itScalars, 0);
    const struct {
        int i;
        bool readable, writable, shown, hidden;
    } cases[] = {
        {0, true, true, true, false},  {1, true, false, true, false},  {2, false, true, false, true},
        {3, true, false, false, true}, {4, false, false, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(list.IsReadable(c.i), c.readable) << c.i;
        EXPECT_EQ(list.IsWritable(c.i), c.writable) << c.i;
        EXPECT_EQ(list.IsShown(c.i), c.shown) << c.i;
        EXPECT_EQ(list.IsHidden(c.i), c.hidden) << c.i;
    }
    EXPECT_EQ(list.ShownCount(), 3);
    EXPECT_EQ(list.HiddenCount(), 2);
    list.Item(0).Access |= accExcluded;
    EXPECT_FALSE(list.IsReadable(0));
    EXPECT_FALSE(list.IsWritable(0));
    EXPECT_FALSE(list.IsShown(0));
    EXPECT_TRUE(list.IsHidden(0));
    EXPECT_EQ(list.ShownCount(), 2);

    // Key columns of a table are written (row creation) although not writable themselves.
    TvSNMPVarList table = Keys({{synInteger, accIndex}, {synInteger, accImpliedIndex}});
    table.AddItem("1.3.6.1.4.1.59371.9.1.3", "value", synInteger, accReadOnly);
    EXPECT_TRUE(table.IsWritable(0));
    EXPECT_TRUE(table.IsWritable(1));
    EXPECT_FALSE(table.IsWritable(2));
    EXPECT_TRUE(table.IsImplied(1));
    table.ItemType = TvSNMPVarList::itInstance;
    EXPECT_FALSE(table.IsWritable(0));
}

TEST(TvSNMPVarList, CopiesAreDeepAndKeepTheirInstance) {
    TvSNMPVarList a(kSystem, TvSNMPVarList::itTable, 1);
    a.Name = "System";
    a.Instance = "7";
    a.Item(0).Value = "sw1";
    a.Item(0).CurrentOid = "1.3.6.1.2.1.1.5.0";

    TvSNMPVarList b;
    b.Instance = "own";
    b.AddItem("1.2", "old", synInteger, accReadOnly);
    b.Assign(a);
    EXPECT_EQ(b.Instance, "own");
    EXPECT_EQ(b.Count(), a.Count());
    EXPECT_EQ(b.Name, "System");
    EXPECT_EQ(b.ItemType, TvSNMPVarList::itTable);
    EXPECT_EQ(b.KeyCount, 1);
    EXPECT_EQ(b.Item(0).Value, "sw1");
    EXPECT_EQ(b.Item(0).CurrentOid, "1.3.6.1.2.1.1.5.0");
    b.Item(0).Value = "changed";
    EXPECT_EQ(a.Item(0).Value, "sw1");

    const TvSNMPVarList c(a);
    EXPECT_TRUE(c.Instance.empty());
    EXPECT_EQ(c.Count(), a.Count());
    b = b; // self-assignment keeps everything
    EXPECT_EQ(b.Item(0).Value, "changed");

    a.AddRows(kSystem);
    EXPECT_EQ(a.Count(), 10);
    EXPECT_EQ(a.Item(5).Label, "Name");
    EXPECT_THROW(a.Item(10), std::out_of_range);
}

} // namespace
