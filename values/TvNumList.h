#pragma once

#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

// Numbers parsed from a text with a separator: include lists of a write ("1,3,4"), LED octet lists,
// multi-number fields. Count is one more than the number of separators; an empty text has none.
template <typename T> class TvNumList {
    static_assert(std::is_integral_v<T> && sizeof(T) <= 4);

public:
    char Separator = '.';

    TvNumList() = default;
    explicit TvNumList(char separator) : Separator(separator) {}

    // Replaces the contents. A "." that is not the separator starts a fraction whose digits are
    // ignored; blanks are ignored; for signed T a "-" before the digits negates. Numbers beyond
    // T's range stop at its limit. Returns false when the text held anything else (that
    // character ends the element's digits like a fraction), or a number out of range, so that
    // callers can refuse it instead of acting on a guess.
    bool Parse(std::string_view text) {
        values_.clear();
        if (text.empty())
            return true;
        bool clean = true;
        values_.push_back(0);
        Element e;
        for (char c : text) {
            if (c == Separator) {
                clean &= e.Finish(values_.back());
                values_.push_back(0);
                e = Element();
            } else if (c == ' ' || c == '\t') {
                continue;
            } else if (c >= '0' && c <= '9') {
                if (!e.stopped)
                    e.AddDigit(c - '0');
                e.digits = true;
            } else if (c == '.') {
                e.stopped = true;
            } else if (c == '-' && std::is_signed_v<T> && !e.digits && !e.negative && !e.stopped) {
                e.negative = true;
            } else {
                e.stopped = true;
                clean = false;
            }
        }
        clean &= e.Finish(values_.back());
        return clean;
    }

    int Count() const { return static_cast<int>(values_.size()); }
    T Get(int index) const { return values_.at(static_cast<size_t>(index)); }
    int IndexOf(T value) const {
        for (size_t i = 0; i < values_.size(); ++i)
            if (values_[i] == value)
                return static_cast<int>(i);
        return -1;
    }

private:
    // Magnitude is kept one past T's maximum so that the lowest signed value fits.
    struct Element {
        unsigned long long magnitude = 0;
        bool negative = false;
        bool digits = false;
        bool stopped = false;
        bool overflow = false;

        void AddDigit(int d) {
            const unsigned long long limit =
                static_cast<unsigned long long>(std::numeric_limits<T>::max()) + 1;
            magnitude = magnitude * 10 + static_cast<unsigned long long>(d);
            if (magnitude > limit) {
                magnitude = limit;
                overflow = true;
            }
        }
        bool Finish(T& out) const {
            const auto max = static_cast<unsigned long long>(std::numeric_limits<T>::max());
            if (negative) {
                if constexpr (std::is_signed_v<T>) {
                    out = magnitude > max ? std::numeric_limits<T>::min()
                                          : static_cast<T>(-static_cast<T>(magnitude));
                }
                return !overflow && digits;
            }
            out = magnitude > max ? std::numeric_limits<T>::max() : static_cast<T>(magnitude);
            return !overflow && magnitude <= max;
        }
    };

    std::vector<T> values_;
};
