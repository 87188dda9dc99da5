#pragma once

// The value of a hexadecimal digit in either case, or -1 for any other character. The one reading of a
// hex digit: every caller decides for itself what a non-digit means.
constexpr int TvHexDigit(char32_t c) {
    if (c >= '0' && c <= '9')
        return static_cast<int>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<int>(c - 'A') + 10;
    if (c >= 'a' && c <= 'f')
        return static_cast<int>(c - 'a') + 10;
    return -1;
}
