#pragma once

#include <string>

class TvOptionList;

// Syntax codes of descriptor rows and list items.
enum TvSyntax : int {
    synTruthValue = 0x01,
    synInteger = 0x02,
    synOctetHex = 0x03,
    synOctetString = 0x04,
    synNull = 0x05,
    synObjectId = 0x06,
    synIpAddress = 0x40,
    synCounter32 = 0x41,
    synGauge32 = 0x42,
    synTimeTicks = 0x43,
    synOpaque = 0x44,
    synNsapAddress = 0x45,
    synCounter64 = 0x46,
    synUInteger32 = 0x47,
    synReal = 0x48,
    synMacAddress = 0x49,
    synDateAndTime = 0x4a,
    synDateTimeReal = 0x4b,
    synDisplayString = 0x4c,
    synOctet16 = 0x4d,
};

// Access bits of descriptor rows and list items.
enum TvAccess : int {
    accIndex = 0x01,
    accRead = 0x02,
    accWrite = 0x04,
    accShown = 0x08,
    accHidden = 0x10,
    accExcluded = 0x20,
    accImplied = 0x40,
    accReadOnly = accRead,
    accReadWrite = accRead | accWrite,
    accImpliedIndex = accIndex | accImplied,
};

// One static descriptor row. A table is an array of rows ended by a row whose Oid is null.
// Tables are constant data; the option list is borrowed, never owned.
struct TvSNMPVarDef {
    const char* Oid = nullptr;
    const char* Label = "";
    int Syntax = 0;
    int Access = 0;
    const TvOptionList* Options = nullptr;
    const char* GetExpr = nullptr;
    const char* SetExpr = nullptr;
    const char* Note = nullptr;
    const std::string* InitValue = nullptr;
    const std::string* InitInstance = nullptr;
};
