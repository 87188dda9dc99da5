#pragma once

#include <string>
#include <string_view>
#include <vector>

// Tables as text for spreadsheets and scripts. CSV after RFC 4180: fields separated by commas, records
// ended by CR LF, a field holding the separator, a quote, CR or LF enclosed in quotes with its quotes
// doubled. The tab-separated form of the clipboard quotes the same way, with tabs as separators.
namespace TvCsv {

// One field, quoted when it needs to be.
std::string Field(std::string_view text, char separator = ',');
// One record with its CR LF.
std::string Record(const std::vector<std::string>& fields, char separator = ',');

} // namespace TvCsv
