#include "values/TvCsv.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct FieldCase {
    const char* text;
    char separator;
    const char* expected;
};

// Quoted exactly when the field holds its separator, a quote, CR or LF; the other separator is plain.
constexpr FieldCase kFields[] = {
    {"plain", ',', "plain"},
    {"", ',', ""},
    {"a,b", ',', "\"a,b\""},
    {"a,b", '\t', "a,b"},
    {"a\tb", '\t', "\"a\tb\""},
    {"a\tb", ',', "a\tb"},
    {"say \"hi\"", ',', "\"say \"\"hi\"\"\""},
    {"\"", ',', "\"\"\"\""},
    {"line\nbreak", ',', "\"line\nbreak\""},
    {"cr\r", ',', "\"cr\r\""},
    {"  blanks  ", ',', "  blanks  "},
    {"Gr\xc3\xb6\xc3\x9f"
     "e",
     ',',
     "Gr\xc3\xb6\xc3\x9f"
     "e"},
};

TEST(TvCsv, FieldsAreQuotedWhenTheyMustBe) {
    for (const FieldCase& c : kFields)
        EXPECT_EQ(TvCsv::Field(c.text, c.separator), c.expected) << "field " << c.text;
}

// What a spreadsheet would run gets a quote in front; numbers, signed or not, and other texts do not.
constexpr std::pair<const char*, const char*> kInert[] = {
    {"=HYPERLINK(\"http://example.invalid\",\"x\")", "'=HYPERLINK(\"http://example.invalid\",\"x\")"},
    {"=1+1", "'=1+1"},
    {"+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0"},
    {"-2+3", "'-2+3"},
    {"@SUM(A1:A9)", "'@SUM(A1:A9)"},
    {"\tindented", "'\tindented"},
    {"\rreturn", "'\rreturn"},
    {"-", "'-"},
    {"--", "'--"},
    {"-e", "'-e"},
    {"-1e", "'-1e"},
    {"+.", "'+."},
    {"-5", "-5"},
    {"-3.2", "-3.2"},
    {"+7", "+7"},
    {"-.5", "-.5"},
    {"-5.", "-5."},
    {"-1e-3", "-1e-3"},
    {"+2E+10", "+2E+10"},
    {"0", "0"},
    {"", ""},
    {"a=b", "a=b"},
    {" =1+1", " =1+1"},
    {"'=quoted", "'=quoted"},
    {"Port 1", "Port 1"},
};

TEST(TvCsv, FormulasAreMadeInertAndNumbersStayNumbers) {
    for (const auto& [text, expected] : kInert)
        EXPECT_EQ(TvCsv::Inert(text), expected) << "text " << text;
    // Made inert before quoting, with either separator: the quote stays inside the quoted field.
    EXPECT_EQ(TvCsv::Field("=A1,B1"), "\"'=A1,B1\"");
    EXPECT_EQ(TvCsv::Field("\tx", '\t'), "\"'\tx\"");
    EXPECT_EQ(TvCsv::Record({"-5", "=2*3", "@x"}), "-5,'=2*3,'@x\r\n");
}

TEST(TvCsv, RecordsEndInCrLf) {
    EXPECT_EQ(TvCsv::Record({"a", "b,c", ""}), "a,\"b,c\",\r\n");
    EXPECT_EQ(TvCsv::Record({"a", "b,c"}, '\t'), "a\tb,c\r\n");
    EXPECT_EQ(TvCsv::Record({}), "\r\n");
    EXPECT_EQ(TvCsv::Record({""}), "\"\"\r\n"); // a bare empty line would read as no field at all
}

} // namespace
