#pragma once

#include <span>
#include <string>
#include <string_view>

// Names of notifications and of the variables they carry, for the Notifications window, the front
// panel and the companion: a small built-in table of notification kinds, and for varbinds the labels of
// the catalog's descriptor tables.
struct TvNotificationName {
    const char* Oid;  // snmpTrapOID value, dotted
    const char* Name; // as the MIB that defines it names it
};

class TvNotificationNames {
public:
    static std::span<const TvNotificationName> All();
    // The name of a notification kind; null when it is not in the table.
    static const char* Find(std::string_view kind);
    // The name, or else the dotted OID itself.
    static std::string KindText(std::string_view kind);
    // The label of a varbind's OID: the catalog's label (or a standard name) of the longest descriptor
    // it extends, followed by its instance ("Index.3"); empty when none is known.
    static std::string VarLabel(std::string_view oid);
};
