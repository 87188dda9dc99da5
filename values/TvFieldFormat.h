#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One field of the edit-constraint format language, e.g. "%i{n1x4094}" (an integer from 1 to 4094) or
// "%s{l32}" (a string of at most 32 characters), and the checks it implies. Pure logic, so that the
// widgets only move texts and focus.
struct TvFieldFormat {
    enum Flag : std::uint16_t {
        flAdvance = 1,  // a: move on when the text reaches MaxLength
        flFull = 2,     // f: exactly MaxLength characters (or numbers)
        flRequired = 4, // n: not empty
    };

    char Type = 's';    // f real, h hex, i integer, s string, u unsigned, n delimited numbers
    char Delimiter = 0; // type n only
    double Min = 0;
    double Max = 0;
    std::int32_t MaxLength = 0; // 0: none
    std::uint16_t Flags = 0;
    char JumpChar = 0;      // 0: none
    std::int32_t Width = 0; // pixels; 0 leaves the edit's width alone

    // Reads one field; a bad format raises -2 (or the conversion error of a number that does not
    // convert, also with code -2).
    static TvFieldFormat Parse(std::string_view format);

    // Position of the first character of `text` this field does not allow, or nothing.
    std::optional<size_t> FirstRefused(std::string_view text) const;

    // The message to show when `text` is left in the field, or nothing when it is accepted. The
    // placeholders "(NOTDONE)" and "(NULL)" pass.
    std::optional<std::string> Check(std::string_view text) const;

    // Shown for an empty field with flag n; the common table has no entry for it.
    static constexpr const char* kRequiredMessage = "Please enter a value!";
};
