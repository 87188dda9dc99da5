#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The SSL cipher suites as the switch keeps them: one octet shown as two hexadecimal digits, whose first
// digit carries one bit per suite (8 the first suite, 4 the second, 2 the third, 1 the fourth).
class TvCipherSuites {
public:
    static constexpr int Count = 4;
    using Flags = std::array<bool, Count>; // enabled, in suite order

    // The suites of a two-character text; nothing for any other text or a first character that is not
    // a hexadecimal digit, so that the shown choices stay as they were.
    static std::optional<Flags> Decode(std::string_view text);
    // The text that selects exactly the enabled suites: their digit followed by the second digit of
    // `read` (the value last read), whose bits no suite of the window stands for and which must come
    // back as the switch had them; "0" when nothing usable was read.
    static std::string Encode(const Flags& enabled, std::string_view read = {});
};
