#include "values/TvCsv.h"

namespace TvCsv {

std::string Field(std::string_view text, char separator) {
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
