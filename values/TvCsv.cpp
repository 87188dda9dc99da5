#include "values/TvCsv.h"

namespace TvCsv {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as a spreadsheet reads one: an optional sign, digits with at most one point, an
// optional exponent.
bool IsNumber(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == start)
            return false;
    }
    return i == text.size();
}

} // namespace

std::string Inert(std::string_view text) {
    if (text.empty() || std::string_view("=+-@\t\r").find(text[0]) == std::string_view::npos ||
        IsNumber(text))
        return std::string(text);
    return "'" + std::string(text);
}

std::string Field(std::string_view field, char separator) {
    const std::string inert = Inert(field);
    const std::string_view text = inert;
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string Record(const std::vector<std::string>& fields, char separator) {
    // A lone empty field written bare would read back as a line without fields.
    if (fields.size() == 1 && fields[0].empty())
        return "\"\"\r\n";
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        line += Field(fields[i], separator);
    }
    return line + "\r\n";
}

} // namespace TvCsv
