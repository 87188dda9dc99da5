#include "values/TvMd5KeyCheck.h"

#include "values/TvValueText.h"

#include <algorithm>

namespace {

// Key IDs are numbers: "01" and "1" name the same row.
bool SameKeyId(const std::string& a, const std::string& b) {
    const auto na = TvValueText::StrictInteger(a);
    const auto nb = TvValueText::StrictInteger(b);
    return na && nb ? *na == *nb : a == b;
}

// Letters, digits and signs of ASCII: what every switch takes and what reads the same everywhere.
bool IsKeyCharacter(char c) {
    return c > ' ' && c < 0x7F;
}

} // namespace

bool TvMd5KeyCheck::ValidKey(std::string_view key) {
    return !key.empty() && key.size() <= MaxKeyLength && std::all_of(key.begin(), key.end(), IsKeyCharacter);
}

std::optional<TvMd5KeyCheck::Failure> TvMd5KeyCheck::Check(const Entry& entry,
                                                           const std::vector<std::string>& listedKeyIds) {
    const bool adding = entry.EntryMode == Mode::Add;
    if (adding) {
        if (entry.KeyID.empty())
            return Failure{"KeyID is needed.", Field::KeyID};
        if (std::any_of(listedKeyIds.begin(), listedKeyIds.end(),
                        [&](const std::string& id) { return SameKeyId(id, entry.KeyID); }))
            return Failure{"KeyID must be different.", Field::KeyID};
    }
    if (entry.Key.empty())
        return Failure{"Key is needed.", Field::Key};
    // A key too long is refused like a key with a space, before the switch would cut or refuse it.
    if (!ValidKey(entry.Key))
        return Failure{kInvalidKey, Field::Key};
    if (adding && entry.Status != "createAndGo")
        return Failure{"Status should be createAndGo.", Field::Status};
    return std::nullopt;
}
