#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// The switch's strings on a terminal: control characters in them would move the cursor, clear the
// screen or retitle the window, so they are shown escaped, as ls -b and git do. To a pipe or a file the
// bytes go out unchanged, for scripts that want the values as the switch holds them.
class CliTerminalText {
public:
    // Escapes when `to` is a terminal.
    explicit CliTerminalText(std::FILE* to);

    // `text` as it is printed to the stream.
    std::string operator()(std::string_view text) const {
        return terminal_ ? Escape(text) : std::string(text);
    }
    bool Terminal() const { return terminal_; }

    // Backslash as "\\"; BEL, BS, TAB, LF, VT, FF and CR as "\a" "\b" "\t" "\n" "\v" "\f" "\r"; every other
    // C0 control, DEL, a C1 control (as one byte or in UTF-8) and every byte that is not part of
    // well-formed UTF-8 as three octal digits ("\033" for ESC). Well-formed printable UTF-8 stays as is.
    static std::string Escape(std::string_view text);

private:
    bool terminal_;
};
