#include "values/TvOptionList.h"

TvOptionList::TvOptionList(int kind, std::span<const TvOptionPair> pairs, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
    AddPairs(pairs);
}

TvOptionList::TvOptionList(int kind, std::initializer_list<TvOptionPair> pairs, bool caseSensitive)
    : TvOptionList(kind, std::span<const TvOptionPair>(pairs.begin(), pairs.size()), caseSensitive) {}

void TvOptionList::AddPairs(std::span<const TvOptionPair> pairs) {
    for (const TvOptionPair& p : pairs) {
        TvOption o;
        o.Value = p.Value;
        o.StrValue = p.StrValue ? p.StrValue : "";
        o.Text = p.Text ? p.Text : "";
        items_.push_back(std::move(o));
    }
}

// Matching and conversions arrive with the values work; until then nothing matches.
int TvOptionList::IndexOfText(const std::string&) const { return -1; }
int TvOptionList::IndexOfValue(const std::string&) const { return -1; }
std::string TvOptionList::ValueToText(const std::string& value) const { return value; }
std::string TvOptionList::TextToValue(const std::string& text) const { return text; }
