#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One pair of an option table: the value on the wire and the word shown to the operator.
// Kind 1 lists use Value; kinds 2 and 3 use StrValue.
struct TvOptionPair {
    int Value = 0;
    const char* StrValue = nullptr;
    const char* Text = "";

    constexpr TvOptionPair(int value, const char* text) : Value(value), Text(text) {}
    constexpr TvOptionPair(const char* value, const char* text) : StrValue(value), Text(text) {}
};

// One entry of a built list; owns its texts.
struct TvOption {
    int Value = 0;        // kind 1
    std::string StrValue; // kinds 2 and 3
    std::string Text;
};

// Translation table between wire values and operator words for one enumeration. Built once from
// static pair tables, never changed afterwards.
class TvOptionList {
public:
    enum Kinds { kIntegers = 1, kStrings = 2, kPrefixes = 3 };

    TvOptionList(int kind, std::span<const TvOptionPair> pairs, bool caseSensitive = false);
    TvOptionList(int kind, std::initializer_list<TvOptionPair> pairs, bool caseSensitive = false);

    void AddPairs(std::span<const TvOptionPair> pairs);

    int Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const TvOption& Item(int index) const { return items_.at(static_cast<size_t>(index)); }

    // Matching follows the list's letter-case rule; kind 3 matches by prefix. No match gives -1.
    int IndexOfText(const std::string& text) const;
    int IndexOfValue(const std::string& value) const;
    // Unmatched input comes back unchanged, so unknown values show as received and unknown
    // words are sent as typed.
    std::string ValueToText(const std::string& value) const;
    std::string TextToValue(const std::string& text) const;

private:
    bool SameChar(char a, char b) const;
    bool Equal(std::string_view a, std::string_view b) const;
    bool StartsWith(std::string_view text, std::string_view prefix) const;

    int kind_;
    bool caseSensitive_;
    std::vector<TvOption> items_;
};
