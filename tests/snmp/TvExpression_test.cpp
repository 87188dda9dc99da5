#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "snmp/TvExpression.h"
#include "snmp/TvSNMPVarList.h"
#include "values/TvDateTime.h"
#include "values/TvOptionList.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const TvOptionList kEnable(TvOptionList::kIntegers, {{1, "enabled"}, {2, "disabled"}});

int CodeOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const TvException& e) {
        return e.Code();
    }
    return 0;
}

// Items: 0 INTEGER 3, 1 INTEGER "enabled" through options, 2 DisplayString abc, 3 TimeTicks,
// 4 truth value, 5 date-time real, 6 Gauge32 (NULL), 7 DisplayString holding the marker.
class ExpressionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Add(synInteger, "3");
        Add(synInteger, "enabled", &kEnable);
        Add(synDisplayString, "abc");
        Add(synTimeTicks, "0:00:01.50");
        Add(synTruthValue, "true");
        Add(synDateTimeReal, "2008/01/23 12:00:00 pm");
        Add(synGauge32, "(NULL)");
        Add(synDisplayString, "cost $1");
    }
    void Add(int syntax, const char* value, const TvOptionList* options = nullptr) {
        list.AddItem("1.3.6.1.4.1.59371.5." + std::to_string(list.Count() + 1), "item", syntax, accReadWrite,
                     options);
        list.Item(list.Count() - 1).Value = value;
    }

    TvSNMPVarList list;
    TvExpression expr{list};
};

TEST_F(ExpressionTest, ExpandsReferences) {
    const struct {
        const char* text;
        bool quote;
        const char* expanded;
    } cases[] = {
        {"$0*$1", false, "3*1"},   {"$1=1", true, "1=1"},    {"$2=abc", true, "\"abc\"=abc"},
        {"$3+$4", false, "150+1"}, {"$5", false, "39470.5"}, {"$", false, "3"},
        {"$00", false, "3"},       {"x$1y", false, "x1y"},   {"no references", false, "no references"},
        {"", false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(expr.ExpandExpression(c.text, '$', c.quote), c.expanded) << c.text;
    // Other markers leave "$" alone.
    EXPECT_EQ(expr.ExpandExpression("#0+$1", '#', false), "3+$1");
}

TEST_F(ExpressionTest, ExpansionErrors) {
    const struct {
        const char* text;
        bool quote;
        int code;
    } cases[] = {
        {"$6+1", false, errNullInExpression},
        {"$2", false, errBadSyntaxInExpression},
        // Beyond the list, however many digits.
        {"$8", true, errBadSyntaxInExpression},
        {"$99999999999999999999999", true, errBadSyntaxInExpression},
        // A value holding the marker would expand again.
        {"$7", true, errBadSyntaxInExpression},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeOf([&] { expr.ExpandExpression(c.text, '$', c.quote); }), c.code) << c.text;
    // The same value is fine under another marker.
    EXPECT_EQ(expr.ExpandExpression("#7", '#', true), "\"cost $1\"");
    TvSNMPVarList empty;
    EXPECT_EQ(CodeOf([&] { TvExpression(empty).ExpandExpression("$", '$', true); }),
              errBadSyntaxInExpression);
}

TEST(EvaluateNumber, FirstOccurrenceSplits) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"3*1", 3},
        {"(1+2)*3", 9},
        {"6/2*3", 18},
        {"8-2-1", 7},
        {"8/4/2", 4},
        {"((2))", 2},
        {"2*(3+(4-1))", 12},
        {" 2.5 + 1", 3.5},
        {"abc", 0},
        {"", 0},
        {"1+", 1},
        {"-5", -5},
        // Signs after an operator and in exponents belong to the number.
        {"2*-5", -10},
        {"2*(0-5)", -10},
        {"-5-3", -8},
        {"1e-3*1000", 1},
        {"(1/100000)*100000", 1},
        {"2.5e+2", 250},
        // Unmatched parentheses are plain characters.
        {"(1+2", 2},
        {"1+2)", 3},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TvExpression::EvaluateNumber(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(TvExpression::EvaluateNumber("1/0")));
}

TEST(EvaluateNumber, NowIsTheCurrentDayCount) {
    const double before = TvDateTime::NowDays();
    const double now = TvExpression::EvaluateNumber("now");
    const double after = TvDateTime::NowDays();
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
    EXPECT_DOUBLE_EQ(TvExpression::EvaluateNumber("NOW - NOW"), TvExpression::EvaluateNumber("0"));
}

TEST(EvaluateLogic, Operators) {
    const struct {
        const char* text;
        bool value;
    } cases[] = {
        {"10>9", false}, // texts, byte by byte
        {"9>10", true},
        {"(1=1)&(2=3)", false},
        {"(1=1)|(2=3)", true},
        {"!false", true},
        {" !false", true},
        {"!(1=2)", true},
        {"TRUE", true},
        {" false ", false},
        {"1<>2", true},
        {"2>=2", true},
        {"a<=b", true},
        {"b<a", false},
        {"\"abc\"=abc", true},
        {"\"a b\" = a b", true},
        {"\"a|b\"=\"a|b\"", true},
        {"\"x=y\"=\"x=y\"", true},
        {"\"(\"=\"(\"", true},
        {"=", true},
        {"\xe9>a", true},     // bytes compare unsigned
        {"true|maybe", true}, // the right side is not evaluated
        {"false&maybe", false},
        {"(true)", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TvExpression::EvaluateLogic(c.text), c.value) << c.text;
}

TEST(EvaluateLogic, BadOperandsRaise) {
    for (const char* text : {"maybe", "", "false|maybe", "1=1&x", "a!b", "(maybe)", "\"true\""}) {
        try {
            TvExpression::EvaluateLogic(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const TvException& e) {
            EXPECT_EQ(e.Code(), errBadLogicOperand) << text;
            EXPECT_STREQ(e.what(), "Bad logic operand!");
        }
    }
}

TEST_F(ExpressionTest, AcceptRow) {
    EXPECT_TRUE(expr.AcceptRow(""));
    EXPECT_TRUE(expr.AcceptRow("$1=1"));
    EXPECT_TRUE(expr.AcceptRow("$2=abc"));
    EXPECT_FALSE(expr.AcceptRow("$2=abd"));
    EXPECT_TRUE(expr.AcceptRow("($0=3)&($4=1)"));
    EXPECT_EQ(CodeOf([&] { expr.AcceptRow("$6=1"); }), errNullInExpression);
    EXPECT_EQ(CodeOf([&] { expr.AcceptRow("$0"); }), errBadLogicOperand);
}

struct ComputeCase {
    int syntax;
    const char* expression;
    const char* value;
};

const ComputeCase kComputeCases[] = {
    {synTruthValue, "1-1", "false"},
    {synTruthValue, "0.5", "true"},
    {synInteger, "-7.9", "-7"},
    {synInteger, "$0*$1", "6"}, // the item itself is 2 (disabled) before the computation
    {synGauge32, "4294967295", "4294967295"},
    {synCounter32, "-0.5", "0"},
    {synUInteger32, "10/4", "2"},
    {synTimeTicks, "150.9", "0:00:01.50"},
    {synCounter64, "2*4294967296", "8589934592"},
    {synReal, "1/4", "0.25"},
    {synDateTimeReal, "39470+0.5", "2008/01/23 12:00:00 pm"},
};

class ComputeValue : public ::testing::TestWithParam<ComputeCase> {};

TEST_P(ComputeValue, StoresBySyntax) {
    const ComputeCase& c = GetParam();
    TvSNMPVarList list;
    list.AddItem("1.3.6.1.4.1.59371.5.1", "x", synInteger, accReadWrite);
    list.Item(0).Value = "3";
    list.AddItem("1.3.6.1.4.1.59371.5.2", "y", c.syntax, accReadWrite, nullptr, c.expression, "");
    list.Item(1).Value = c.syntax == synInteger ? "2" : "(NULL)";
    TvExpression(list).ComputeValue(1, true);
    EXPECT_EQ(list.Item(1).Value, c.value) << c.expression;
}

INSTANTIATE_TEST_SUITE_P(Syntaxes, ComputeValue, ::testing::ValuesIn(kComputeCases));

TEST(ComputeValueRules, WhichExpressionAndOptions) {
    TvSNMPVarList list;
    list.AddItem("1.3.6.1.4.1.59371.5.1", "x", synInteger, accReadWrite, &kEnable, "1+1", "0+1");
    list.Item(0).Value = "old";
    TvExpression e(list);
    e.ComputeValue(0, true);
    EXPECT_EQ(list.Item(0).Value, "disabled");
    e.ComputeValue(0, false);
    EXPECT_EQ(list.Item(0).Value, "enabled");

    // No expression: untouched, even for syntaxes that could not hold a result.
    list.AddItem("1.3.6.1.4.1.59371.5.2", "s", synDisplayString, accReadWrite);
    list.Item(1).Value = "text";
    e.ComputeValue(1, true);
    EXPECT_EQ(list.Item(1).Value, "text");

    // Results the syntax cannot hold end the operation and leave the value.
    const struct {
        int syntax;
        const char* expression;
    } bad[] = {
        {synDisplayString, "1"}, {synInteger, "3000000000"}, {synGauge32, "-1"},       {synInteger, "1/0"},
        {synCounter64, "-1"},    {synTimeTicks, "0/0"},      {synDateTimeReal, "1e9"},
    };
    for (const auto& b : bad) {
        TvSNMPVarList one;
        one.AddItem("1.3", "b", b.syntax, accReadWrite, nullptr, "", b.expression);
        one.Item(0).Value = "kept";
        EXPECT_EQ(CodeOf([&] { TvExpression(one).ComputeValue(0, false); }), errBadSyntaxInExpression)
            << b.expression;
        EXPECT_EQ(one.Item(0).Value, "kept");
    }
}

} // namespace
