#include "snmp/TvExpression.h"

#include "base/ErrorCatalog.h"
#include "snmp/TvSNMPVarList.h"
#include "values/TvDateTime.h"
#include "values/TvOptionList.h"
#include "values/TvValueText.h"

#include <cctype>
#include <cmath>
#include <strings.h>
#include <vector>

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string Trim(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool IsNow(const std::string& s) {
    return strcasecmp(Trim(s).c_str(), "NOW") == 0;
}

// Position of the ")" that closes the "(" at `open`, or npos. `skip` marks characters to ignore.
size_t MatchingClose(const std::string& s, size_t open, const std::vector<bool>* skip = nullptr) {
    int depth = 0;
    for (size_t i = open; i < s.size(); ++i) {
        if (skip && (*skip)[i])
            continue;
        if (s[i] == '(')
            ++depth;
        else if (s[i] == ')' && --depth == 0)
            return i;
    }
    return std::string::npos;
}

// A "+" or "-" that starts the text, follows another operator or sits in an exponent is a sign.
bool IsSign(const std::string& s, size_t pos) {
    size_t j = pos;
    while (j > 0 && IsBlank(s[j - 1]))
        --j;
    if (j == 0)
        return true;
    const char prev = s[j - 1];
    if (prev == '+' || prev == '-' || prev == '*' || prev == '/')
        return true;
    if ((prev == 'e' || prev == 'E') && j == pos && j >= 2) {
        const char before = s[j - 2];
        return (before >= '0' && before <= '9') || before == '.';
    }
    return false;
}

size_t FindBinary(const std::string& s, char op) {
    for (size_t pos = s.find(op); pos != std::string::npos; pos = s.find(op, pos + 1))
        if (!IsSign(s, pos))
            return pos;
    return std::string::npos;
}

double Operand(const std::string& s) {
    if (IsNow(s))
        return TvDateTime::NowDays();
    return TvValueText::TextToReal(s);
}

// Characters inside each pair of double quotes, the quotes included; a last unpaired quote
// quotes nothing.
std::vector<bool> QuotedMask(const std::string& s) {
    std::vector<bool> mask(s.size(), false);
    size_t open = s.find('"');
    while (open != std::string::npos) {
        const size_t close = s.find('"', open + 1);
        if (close == std::string::npos)
            break;
        for (size_t i = open; i <= close; ++i)
            mask[i] = true;
        open = s.find('"', close + 1);
    }
    return mask;
}

size_t FindUnquoted(const std::string& s, const std::vector<bool>& mask, const char* op) {
    for (size_t pos = s.find(op); pos != std::string::npos; pos = s.find(op, pos + 1))
        if (!mask[pos])
            return pos;
    return std::string::npos;
}

std::string Side(const std::string& s) {
    std::string t = Trim(s);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"')
        t = t.substr(1, t.size() - 2);
    if (strcasecmp(t.c_str(), "NOW") == 0)
        t = TvValueText::RealToText(TvDateTime::NowDays());
    return t;
}

[[noreturn]] void BadResult() {
    RaiseError(errBadSyntaxInExpression);
}

// x cut toward zero, refused when the target range cannot hold it.
double WholeIn(double x, double lo, double hi) {
    if (!std::isfinite(x))
        BadResult();
    const double t = std::trunc(x);
    if (t < lo || t > hi)
        BadResult();
    return t;
}

} // namespace

std::string TvExpression::Replacement(int index, bool quoteTexts) const {
    const TvSNMPVarItem& item = list_.Item(index);
    const std::string value = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
    if (value == "(NULL)")
        RaiseError(errNullInExpression);
    switch (item.Syntax) {
    case 0x01:
    case 0xc1:
    case 0xc4:
        return value == "true" ? "1" : "0";
    case 0x02:
    case 0x41:
    case 0x42:
    case 0x46:
    case 0x47:
    case 0x48:
    case 0xc2:
    case 0xc3:
    case 0xc5:
    case 0xc6:
        return value;
    case 0x43:
        return std::to_string(TvValueText::TextToTicks(value));
    case 0x4b: {
        const std::optional<double> days = TvDateTime::TextToDays(value);
        if (!days)
            BadResult();
        return TvValueText::RealToText(*days);
    }
    default:
        if (!quoteTexts)
            BadResult();
        return "\"" + value + "\"";
    }
}

std::string TvExpression::ExpandExpression(const std::string& expression, char marker,
                                           bool quoteTexts) const {
    std::string out;
    size_t pos = 0;
    for (;;) {
        const size_t at = expression.find(marker, pos);
        if (at == std::string::npos)
            break;
        out.append(expression, pos, at - pos);
        size_t end = at + 1;
        long long index = 0;
        while (end < expression.size() && expression[end] >= '0' && expression[end] <= '9') {
            if (index <= list_.Count())
                index = index * 10 + (expression[end] - '0');
            ++end;
        }
        if (index >= list_.Count())
            BadResult();
        const std::string text = Replacement(static_cast<int>(index), quoteTexts);
        if (text.find(marker) != std::string::npos)
            BadResult();
        out += text;
        pos = end;
    }
    out.append(expression, pos, std::string::npos);
    return out;
}

double TvExpression::EvaluateNumber(const std::string& text) {
    const size_t open = text.find('(');
    if (open != std::string::npos) {
        const size_t close = MatchingClose(text, open);
        if (close != std::string::npos) {
            const double inner = EvaluateNumber(text.substr(open + 1, close - open - 1));
            return EvaluateNumber(text.substr(0, open) + TvValueText::RealToText(inner) +
                                  text.substr(close + 1));
        }
    }
    if (const size_t p = FindBinary(text, '+'); p != std::string::npos)
        return EvaluateNumber(text.substr(0, p)) + EvaluateNumber(text.substr(p + 1));
    if (const size_t p = FindBinary(text, '-'); p != std::string::npos)
        return EvaluateNumber(text.substr(0, p)) - EvaluateNumber(text.substr(p + 1));
    if (const size_t p = text.find('*'); p != std::string::npos)
        return Operand(text.substr(0, p)) * EvaluateNumber(text.substr(p + 1));
    if (const size_t p = text.find('/'); p != std::string::npos)
        return Operand(text.substr(0, p)) / EvaluateNumber(text.substr(p + 1));
    return Operand(text);
}

bool TvExpression::EvaluateLogic(const std::string& text) {
    const std::vector<bool> mask = QuotedMask(text);
    if (const size_t open = FindUnquoted(text, mask, "("); open != std::string::npos) {
        const size_t close = MatchingClose(text, open, &mask);
        if (close != std::string::npos) {
            const bool inner = EvaluateLogic(text.substr(open + 1, close - open - 1));
            return EvaluateLogic(text.substr(0, open) + (inner ? "true" : "false") + text.substr(close + 1));
        }
    }
    if (const size_t p = FindUnquoted(text, mask, "|"); p != std::string::npos)
        return EvaluateLogic(text.substr(0, p)) || EvaluateLogic(text.substr(p + 1));
    if (const size_t p = FindUnquoted(text, mask, "&"); p != std::string::npos)
        return EvaluateLogic(text.substr(0, p)) && EvaluateLogic(text.substr(p + 1));
    if (const size_t p = FindUnquoted(text, mask, "!"); p != std::string::npos) {
        // "!" negates what follows it; anything before it would be silently dropped.
        if (!Trim(text.substr(0, p)).empty())
            RaiseError(errBadLogicOperand);
        return !EvaluateLogic(text.substr(p + 1));
    }
    static const char* const kComparisons[] = {"<>", ">=", "<=", ">", "<", "="};
    for (int k = 0; k < 6; ++k) {
        const std::string op = kComparisons[k];
        const size_t p = FindUnquoted(text, mask, op.c_str());
        if (p == std::string::npos)
            continue;
        const int c = Side(text.substr(0, p)).compare(Side(text.substr(p + op.size())));
        switch (k) {
        case 0:
            return c != 0;
        case 1:
            return c >= 0;
        case 2:
            return c <= 0;
        case 3:
            return c > 0;
        case 4:
            return c < 0;
        default:
            return c == 0;
        }
    }
    const std::string word = Trim(text);
    if (strcasecmp(word.c_str(), "true") == 0)
        return true;
    if (strcasecmp(word.c_str(), "false") == 0)
        return false;
    RaiseError(errBadLogicOperand);
}

void TvExpression::ComputeValue(int i, bool afterRead) {
    TvSNMPVarItem& item = list_.Item(i);
    const std::string& expression = afterRead ? item.GetExpr : item.SetExpr;
    if (expression.empty())
        return;
    const double x = EvaluateNumber(ExpandExpression(expression, '$', false));
    std::string text;
    switch (item.Syntax) {
    case 0x01:
        text = x == 0 ? "false" : "true";
        break;
    case 0x02:
        text = std::to_string(static_cast<long long>(WholeIn(x, -2147483648.0, 2147483647.0)));
        break;
    case 0x41:
    case 0x42:
    case 0x47:
        text = std::to_string(static_cast<unsigned long long>(WholeIn(x, 0, 4294967295.0)));
        break;
    case 0x43:
        text = TvValueText::TicksToText(static_cast<std::uint32_t>(WholeIn(x, 0, 4294967295.0)));
        break;
    case 0x46:
        // 2^64 itself is the first double beyond the counter.
        if (!std::isfinite(x) || std::trunc(x) < 0 || std::trunc(x) >= 18446744073709551616.0)
            BadResult();
        text = std::to_string(static_cast<unsigned long long>(std::trunc(x)));
        break;
    case 0x48:
        text = TvValueText::RealToText(x);
        break;
    case 0x4b: {
        const std::optional<std::string> t = TvDateTime::DaysToText(x);
        if (!t)
            BadResult();
        text = *t;
        break;
    }
    default:
        BadResult();
    }
    if (item.Options)
        text = item.Options->ValueToText(text);
    item.Value = std::move(text);
}

bool TvExpression::AcceptRow(const std::string& filter) const {
    if (filter.empty())
        return true;
    return EvaluateLogic(ExpandExpression(filter, '$', true));
}
