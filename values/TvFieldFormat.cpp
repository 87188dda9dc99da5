#include "values/TvFieldFormat.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "base/TvHexDigit.h"
#include "values/TvNumList.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return TvHexDigit(c) >= 0;
}

bool IsPlaceholder(std::string_view text) {
    return text == "(NOTDONE)" || text == "(NULL)";
}

[[noreturn]] void BadFormat() {
    RaiseError(errBadFormatSpecifier);
}

// Text of the whole run as a real; a run such as "-" or "1-2" is no number.
double ConvertReal(std::string_view run) {
    const std::string s(run);
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(s.c_str(), &end);
    if (s.empty() || end != s.c_str() + s.size() || errno == ERANGE)
        throw TvException("'" + s + "' is not a valid floating point value", errBadFormatSpecifier);
    return v;
}

std::int32_t ConvertCount(std::string_view digits) {
    if (digits.empty())
        BadFormat();
    long long v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v > std::numeric_limits<std::int32_t>::max())
            BadFormat();
    }
    return static_cast<std::int32_t>(v);
}

std::string GeneralReal(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

void ReplaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

// Common-table entry with its placeholders filled.
std::string Message(int entry, std::initializer_list<std::pair<std::string_view, std::string>> fills) {
    std::string text = gCommonTable.Text(entry);
    for (const auto& [placeholder, value] : fills)
        ReplaceAll(text, placeholder, value);
    return text;
}

} // namespace

TvFieldFormat TvFieldFormat::Parse(std::string_view format) {
    if (format.size() <= 1 || format[0] != '%')
        BadFormat();
    TvFieldFormat f;
    f.Type = format[1];
    size_t pos = 2;
    switch (f.Type) {
    case 'i':
        f.Min = std::numeric_limits<std::int32_t>::min();
        f.Max = std::numeric_limits<std::int32_t>::max();
        break;
    case 'u':
    case 'n':
        // Type n without bounds takes every number TvNumList<unsigned int> can hold.
        f.Min = 0;
        f.Max = std::numeric_limits<std::uint32_t>::max();
        break;
    case 'f':
        f.Min = std::numeric_limits<double>::lowest();
        f.Max = std::numeric_limits<double>::max();
        break;
    case 'h':
    case 's':
        break;
    default:
        BadFormat();
    }
    if (f.Type == 'n') {
        if (format.size() < 3)
            BadFormat();
        f.Delimiter = format[2];
        pos = 3;
    }
    if (pos == format.size())
        return f;
    if (format[pos] != '{' || format.back() != '}')
        BadFormat();
    const std::string_view mods = format.substr(pos + 1, format.size() - pos - 2);
    size_t i = 0;
    auto run = [&](auto accept) {
        const size_t start = i;
        while (i < mods.size() && accept(mods[i]))
            ++i;
        return mods.substr(start, i - start);
    };
    auto numberChar = [](char c) { return IsDigit(c) || c == '-' || c == '.'; };
    while (i < mods.size()) {
        const char letter = mods[i++];
        switch (letter) {
        case 'n':
        case 'x': {
            const std::string_view number = run(numberChar);
            if (number.empty())
                BadFormat();
            (letter == 'n' ? f.Min : f.Max) = ConvertReal(number);
            break;
        }
        case 'l': {
            f.MaxLength = ConvertCount(run(IsDigit));
            f.Flags = 0;
            for (int k = 0; k < 3 && i < mods.size(); ++k, ++i) {
                const char c = mods[i];
                if (c == 'a')
                    f.Flags |= flAdvance;
                else if (c == 'f')
                    f.Flags |= flFull;
                else if (c == 'n')
                    f.Flags |= flRequired;
                else
                    break;
            }
            break;
        }
        case 'w':
            f.Width = ConvertCount(run(IsDigit));
            break;
        case 'e':
            if (i >= mods.size())
                BadFormat();
            f.JumpChar = mods[i++];
            break;
        default:
            BadFormat();
        }
    }
    return f;
}

std::optional<size_t> TvFieldFormat::FirstRefused(std::string_view text) const {
    bool point = false;
    for (size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        bool ok = false;
        switch (Type) {
        case 'f':
            ok = IsDigit(c) || (c == '-' && k == 0) || (c == '.' && !point);
            point = point || c == '.';
            break;
        case 'h':
            ok = IsHexDigit(c);
            break;
        case 'i':
            ok = IsDigit(c) || (c == '-' && k == 0);
            break;
        case 'u':
            ok = IsDigit(c);
            break;
        case 'n':
            ok = IsDigit(c) || (c == Delimiter && k > 0 && text[k - 1] != Delimiter);
            break;
        default:
            ok = true;
        }
        if (!ok)
            return k;
    }
    return std::nullopt;
}

std::optional<std::string> TvFieldFormat::Check(std::string_view text) const {
    if (IsPlaceholder(text))
        return std::nullopt;
    const auto length = static_cast<std::int64_t>(text.size());
    if (length == 0) {
        if (Flags & flRequired)
            return std::string(kRequiredMessage);
        return std::nullopt;
    }
    switch (Type) {
    case 'f':
    case 'i':
    case 'u': {
        const std::string s(text);
        char* end = nullptr;
        const double v = std::strtod(s.c_str(), &end);
        // A text that is no number at all ("-", ".") must not pass as 0.
        const bool number = end != s.c_str() && *end == '\0' && !std::isnan(v);
        if (!number || v < Min || v > Max)
            return Message(cmNumberRange, {{"[MIN]", GeneralReal(Min)}, {"[MAX]", GeneralReal(Max)}});
        return std::nullopt;
    }
    case 's':
    case 'h':
        if (MaxLength > 0) {
            const bool hex = Type == 'h';
            if ((Flags & flFull) && length != MaxLength)
                return Message(hex ? cmHexLen : cmStringLen, {{"[LEN]", std::to_string(MaxLength)}});
            if (!(Flags & flFull) && length > MaxLength)
                return Message(hex ? cmHexMaxLen : cmStringMaxLen, {{"[MAXLEN]", std::to_string(MaxLength)}});
        }
        return std::nullopt;
    case 'n': {
        TvNumList<unsigned int> numbers(Delimiter);
        const bool clean = numbers.Parse(text);
        const std::string delimiter(1, Delimiter);
        const int count = numbers.Count();
        if (MaxLength > 0) {
            if ((Flags & flFull) && count != MaxLength)
                return Message(cmNumListCount,
                               {{"[COUNT]", std::to_string(MaxLength)}, {"[DELIMITER]", delimiter}});
            if (!(Flags & flFull) && count > MaxLength)
                return Message(cmNumListMaxCount,
                               {{"[MAXCOUNT]", std::to_string(MaxLength)}, {"[DELIMITER]", delimiter}});
        }
        const double low = std::trunc(Min);
        const double high = std::trunc(Max);
        bool inRange = clean;
        for (int k = 0; k < count && inRange; ++k) {
            const double v = numbers.Get(k);
            inRange = v >= low && v <= high;
        }
        if (!inRange)
            return Message(
                cmNumListRange,
                {{"[MIN]", GeneralReal(low)}, {"[MAX]", GeneralReal(high)}, {"[DELIMITER]", delimiter}});
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}
