#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The checks of an MD5 key entry before it is written, in the order the operator meets them.
class TvMd5KeyCheck {
public:
    static constexpr size_t MaxKeyLength = 16;
    static constexpr const char* kInvalidKey =
        "Invalid key.\nA key is 1 to 16 ASCII letters, digits or signs, without spaces.";

    enum class Mode { Edit, Add };
    enum class Field { KeyID, Key, Status };

    struct Entry {
        Mode EntryMode = Mode::Add;
        std::string KeyID;
        std::string Key;
        std::string Status; // the status word shown, e.g. "createAndGo"
    };
    struct Failure {
        std::string Message;
        Field Focus = Field::KeyID;
        bool operator==(const Failure&) const = default;
    };

    // The first check that refuses the entry, or nothing. `listedKeyIds` are the Key IDs of the rows
    // shown in the table; a new key must not reuse one. Editing checks the key only.
    static std::optional<Failure> Check(const Entry& entry, const std::vector<std::string>& listedKeyIds);
    // 1 to 16 characters without white space.
    static bool ValidKey(std::string_view key);
};
