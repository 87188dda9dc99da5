#pragma once

#include <span>
#include <string>
#include <vector>

// One message table of the error catalog: built-in texts that a message file may replace.
// Lookups past the end of a loaded file fall back to the built-in text, so a short file never
// reads outside what it holds.
class TvMessageTable {
public:
    TvMessageTable(const char* fileName, std::span<const char* const> builtin);

    const char* FileName() const { return fileName_; }
    int Count() const { return static_cast<int>(builtin_.size()); }
    // Text of entry `index`; an index outside the table gives an empty text.
    std::string Text(int index) const;
    const char* BuiltinText(int index) const;

    bool IsLoaded() const { return loaded_; }
    int LoadedCount() const { return static_cast<int>(lines_.size()); }
    void Replace(std::vector<std::string> lines);
    void Reset();

private:
    const char* fileName_;
    std::span<const char* const> builtin_;
    std::vector<std::string> lines_;
    bool loaded_ = false;
};
