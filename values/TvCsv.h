#pragma once

#include <string>
#include <string_view>
#include <vector>

// Tables as text for spreadsheets and scripts. CSV after RFC 4180: fields separated by commas, records
// ended by CR LF, a field holding the separator, a quote, CR or LF enclosed in quotes with its quotes
// doubled. The tab-separated form of the clipboard quotes the same way, with tabs as separators.
// Text from the switch could be a formula that a spreadsheet runs when the file is opened
// (=HYPERLINK(...), @SUM(...)): every field is made inert first.
namespace TvCsv {

// A text that a spreadsheet would take as a formula (starting with "=", "+", "-", "@", a tab or a CR)
// with a single quote in front, so that it stays text; a number ("-5", "+3.2", "-1e-3") stays a number,
// and every other text stays as it is.
std::string Inert(std::string_view text);
// One field, made inert and quoted when it needs to be.
std::string Field(std::string_view text, char separator = ',');
// One record with its CR LF.
std::string Record(const std::vector<std::string>& fields, char separator = ',');

} // namespace TvCsv
