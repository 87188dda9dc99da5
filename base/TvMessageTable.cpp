#include "base/TvMessageTable.h"

TvMessageTable::TvMessageTable(const char* fileName, std::span<const char* const> builtin)
    : fileName_(fileName), builtin_(builtin) {}

const char* TvMessageTable::BuiltinText(int index) const {
    if (index < 0 || index >= Count())
        return "";
    return builtin_[static_cast<size_t>(index)];
}

std::string TvMessageTable::Text(int index) const {
    if (index < 0)
        return {};
    if (loaded_ && index < LoadedCount())
        return lines_[static_cast<size_t>(index)];
    return BuiltinText(index);
}

void TvMessageTable::Replace(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    loaded_ = true;
}

void TvMessageTable::Reset() {
    lines_.clear();
    loaded_ = false;
}
