#include "values/TvOptionList.h"

#include "values/TvValueText.h"

#include <cctype>

TvOptionList::TvOptionList(int kind, std::span<const TvOptionPair> pairs, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
    AddPairs(pairs);
}

TvOptionList::TvOptionList(int kind, std::initializer_list<TvOptionPair> pairs, bool caseSensitive)
    : TvOptionList(kind, std::span<const TvOptionPair>(pairs.begin(), pairs.size()), caseSensitive) {}

void TvOptionList::AddPairs(std::span<const TvOptionPair> pairs) {
    for (const TvOptionPair& p : pairs) {
        // Catalog tables may still carry their null-text end row; it is not an entry.
        if (p.Text == nullptr)
            break;
        TvOption o;
        o.Value = p.Value;
        o.StrValue = p.StrValue ? p.StrValue : "";
        o.Text = p.Text;
        items_.push_back(std::move(o));
    }
}

bool TvOptionList::SameChar(char a, char b) const {
    if (caseSensitive_)
        return a == b;
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool TvOptionList::Equal(std::string_view a, std::string_view b) const {
    return a.size() == b.size() && StartsWith(a, b);
}

bool TvOptionList::StartsWith(std::string_view text, std::string_view prefix) const {
    if (prefix.size() > text.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (!SameChar(text[i], prefix[i]))
            return false;
    return true;
}

int TvOptionList::IndexOfText(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& t = items_[static_cast<size_t>(i)].Text;
        if (kind_ == kPrefixes ? StartsWith(text, t) : Equal(text, t))
            return i;
    }
    return -1;
}

int TvOptionList::IndexOfValue(const std::string& value) const {
    if (kind_ == kIntegers) {
        if (value == "(NULL)")
            return -1;
        const std::optional<std::int32_t> v = TvValueText::StrictInteger(value);
        if (!v)
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (items_[static_cast<size_t>(i)].Value == *v)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const std::string& v = items_[static_cast<size_t>(i)].StrValue;
        if (kind_ == kPrefixes ? StartsWith(value, v) : Equal(value, v))
            return i;
    }
    return -1;
}

std::string TvOptionList::ValueToText(const std::string& value) const {
    const int i = IndexOfValue(value);
    if (i < 0)
        return value;
    const TvOption& o = items_[static_cast<size_t>(i)];
    if (kind_ == kPrefixes)
        return o.Text + value.substr(o.StrValue.size());
    return o.Text;
}

std::string TvOptionList::TextToValue(const std::string& text) const {
    const int i = IndexOfText(text);
    if (i < 0)
        return text;
    const TvOption& o = items_[static_cast<size_t>(i)];
    switch (kind_) {
    case kIntegers:
        return std::to_string(o.Value);
    case kPrefixes:
        return o.StrValue + text.substr(o.Text.size());
    default:
        return o.StrValue;
    }
}
