#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One variable of a write as it leaves.
struct TvWrittenVar {
    std::string Oid;   // full, instance included
    std::string Label; // the item's label; may be empty or the OID itself
    int Syntax = 0;
    std::string Sent; // the value text as the program holds it (option names for enumerations)
    bool BeforeKnown = false;
    std::string Before;  // what the window last read for this variable, when known
    std::string Restore; // the value text, without option names, that writes Before back; empty when none
    bool Restorable = false;
};

// A write as it leaves, for whoever keeps a record of the program's writes.
struct TvWriteRecord {
    std::string Source; // the window or command that sends it
    std::string UndoOf; // the record this write takes back, if it is an undo
    std::string Address;
    std::uint16_t Port = 0;
    int Version = 0;          // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string SecurityName; // SNMPv3 user; empty otherwise
    std::vector<TvWrittenVar> Vars;
    // The session's community strings and passwords: given only so that no trace of them is kept.
    std::vector<std::string> Secrets;
};

// How a write ended.
struct TvWriteOutcome {
    enum Kind { Ok, Error, NoReply };
    Kind What = Ok;
    int Code = 0;
    std::string Text; // the error text; for NoReply why the answer was not awaited, when it was not
};

// The keeper of the program's writes. The request layer reports every SET here: Begin before the PDU
// leaves, End when its outcome is known. Nothing is kept while none is installed.
class TvWriteJournal {
public:
    virtual ~TvWriteJournal() = default;
    // Kept (and handed to the kernel) before the caller sends; the record's id, empty when it could not
    // be kept.
    virtual std::string Begin(const TvWriteRecord& record) = 0;
    virtual void End(const std::string& id, const TvWriteOutcome& outcome) = 0;

    // Not owned; null stops keeping.
    static void Install(TvWriteJournal* journal);
    static TvWriteJournal* Installed();
};
