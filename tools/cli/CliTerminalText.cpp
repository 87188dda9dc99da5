#include "CliTerminalText.h"

#include <unistd.h>

namespace {

void Octal(std::string& out, unsigned char byte) {
    out += '\\';
    out += static_cast<char>('0' + (byte >> 6));
    out += static_cast<char>('0' + ((byte >> 3) & 7));
    out += static_cast<char>('0' + (byte & 7));
}

// Length of the well-formed UTF-8 sequence at `at` whose code point is no C1 control, or 0.
size_t PrintableSequence(std::string_view text, size_t at) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(k) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    const bool c1 = code >= 0x80 && code <= 0x9F;
    if (overlong || surrogate || c1 || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

CliTerminalText::CliTerminalText(std::FILE* to) : terminal_(to && isatty(fileno(to)) != 0) {}

std::string CliTerminalText::Escape(std::string_view text) {
    static constexpr char kLetters[] = "abtnvfr"; // \a (7) to \r (13)
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\\') {
            out += "\\\\";
        } else if (c >= 7 && c <= 13) {
            out += '\\';
            out += kLetters[c - 7];
        } else if (c < 0x20 || c == 0x7F) {
            Octal(out, c);
        } else if (c >= 0x80) {
            if (const size_t length = PrintableSequence(text, i)) {
                out.append(text.substr(i, length));
                i += length;
                continue;
            }
            Octal(out, c);
        } else {
            out += static_cast<char>(c);
        }
        ++i;
    }
    return out;
}
