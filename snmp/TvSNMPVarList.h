#pragma once

#include "base/TvSNMPVarDef.h"
#include "snmp/TvSNMPVarItem.h"
#include "snmp/TvSnmpValue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TvOptionList;

// The run-time list of variables built from a descriptor table: the unit of work of a request.
// Every value is held as text; the conversions to and from varbinds and instance sub-identifiers
// live here so that the request layer only moves values.
class TvSNMPVarList {
public:
    enum ItemTypes : std::uint8_t { itScalars = 0, itInstance = 1, itTable = 2, itTableRows = 3 };

    std::string Instance; // appended as "." + Instance to every Oid of a request; never copied
    std::int32_t KeyCount = 0;
    std::uint8_t ItemType = itScalars;
    std::string Name;

    TvSNMPVarList() = default;
    // `table` ends with a row whose Oid is null; a null table gives an empty list.
    TvSNMPVarList(const TvSNMPVarDef* table, int itemType, int keyCount);
    TvSNMPVarList(const TvSNMPVarList& other);
    TvSNMPVarList& operator=(const TvSNMPVarList& other);
    ~TvSNMPVarList();

    // Deep copy of items, item type, key count and name; Instance stays the target's own.
    void Assign(const TvSNMPVarList& other);
    void AddRows(const TvSNMPVarDef* table);
    void AddItem(const std::string& oid, const std::string& label, int syntax, int access,
                 const TvOptionList* options = nullptr, const std::string& getExpr = {},
                 const std::string& setExpr = {}, const std::string& note = {});
    // Permanently appends "." + text to every item's Oid.
    void AppendInstance(const std::string& text);

    int Count() const { return static_cast<int>(items_.size()); }
    TvSNMPVarItem& Item(int i) { return *items_.at(static_cast<size_t>(i)); }
    const TvSNMPVarItem& Item(int i) const { return *items_.at(static_cast<size_t>(i)); }

    bool IsImplied(int i) const;
    bool IsReadable(int i) const;
    bool IsWritable(int i) const;
    bool IsShown(int i) const;
    bool IsHidden(int i) const;
    int ShownCount() const;
    int HiddenCount() const;

    // Oid of item i with "." + Instance when Instance is set.
    std::string BaseOid(int i) const;
    // Oid of a first read: ".0" added for scalars; tables start the walk at the column.
    std::string ReadOid(int i) const;
    // Oid of a write: ".0" for scalars, the row index for tables.
    std::string WriteOid(int i) const;
    // Encodings of the key items joined with "."; keys that encode to nothing are left out.
    std::string RowIndex() const;

    // Value conversions; each raises -511 for a syntax outside the table and then leaves the item
    // as it was.
    void StoreVarbind(int i, const TvSnmpValue& value);
    // The same, and the varbind's OID becomes the item's CurrentOid (where a walk goes on).
    void StoreVarbind(int i, const TvVarBind& varbind);
    TvSnmpValue MakeVarbind(int i) const;
    // Takes key item i's value from the leading sub-identifiers of `instance` and returns the
    // dotted rest. An instance too short for the key gives "(NULL)" and an empty rest.
    std::string DecodeKey(int i, const std::string& instance);
    std::string EncodeKey(int i) const;

    // Text of a value by syntax, before any option mapping; -511 outside the table.
    static std::string ValueText(int syntax, const TvSnmpValue& value);
    static bool IsKnownSyntax(int syntax);
    // Whether a value of this type can be read as `syntax`: the types agents mix up that carry the
    // same number pass (Counter32, Gauge32, Unsigned32, TimeTicks, an INTEGER in range); an unknown
    // syntax passes here and is refused by the conversion.
    static bool AcceptsType(int syntax, const TvSnmpValue& value);
    // Names for messages: the variable's syntax and the type the agent sent.
    static std::string SyntaxName(int syntax);
    static std::string TypeName(const TvSnmpValue& value);

private:
    bool LastKeyImplied(int i) const;

    std::vector<std::unique_ptr<TvSNMPVarItem>> items_;
};
