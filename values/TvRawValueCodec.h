#pragma once

#include <string>
#include <string_view>

// Raw octets of a value text, so that several controls can each show or edit one part of a value
// (a byte of a status string, a bit, two bytes of an octet string). Raw values are byte strings; an
// empty one means "no value". Every function raises the catalog exception and never returns a
// partial result.

// Syntax codes that only describe a part of a value.
enum TvPartSyntax : int {
    synPartBool8 = 0xC1,   // boolean in one octet
    synPartInt8 = 0xC2,    // signed 8-bit integer
    synPartUInt8 = 0xC3,   // unsigned 8-bit integer
    synPartBool16 = 0xC4,  // boolean in two octets, network order
    synPartUInt16 = 0xC5,  // unsigned 16-bit integer, network order
    synPartUInt16b = 0xC6, // the same as synPartUInt16
};

// Value text of `syntax` to its raw octets; "(NULL)" gives an empty raw value. -511 for an unknown
// syntax; a date-time real (0x4b) that does not read as a date and time raises -518.
std::string TextToRaw(std::string_view text, int syntax);

// Raw octets to the value text of `syntax`. -511 for an unknown syntax, -518 when the octets are fewer
// than the syntax needs.
std::string RawToText(std::string_view raw, int syntax);

// The octets of a part of syntax `syntax` starting at `offset`. -511 for an unknown syntax, -519 when a
// part of fixed size does not fit.
std::string ExtractRawPart(std::string_view raw, int offset, int syntax);
