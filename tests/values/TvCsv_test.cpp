#include "values/TvCsv.h"

#include <gtest/gtest.h>

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

TEST(TvCsv, RecordsEndInCrLf) {
    EXPECT_EQ(TvCsv::Record({"a", "b,c", ""}), "a,\"b,c\",\r\n");
    EXPECT_EQ(TvCsv::Record({"a", "b,c"}, '\t'), "a\tb,c\r\n");
    EXPECT_EQ(TvCsv::Record({}), "\r\n");
    EXPECT_EQ(TvCsv::Record({""}), "\"\"\r\n"); // a bare empty line would read as no field at all
}

} // namespace
