#pragma once

#include <cstdio>
#include <string>

// Reader of one INI file. Section and key names match without regard to case. The file is opened
// for every lookup, so a profile rewritten meanwhile is seen at once; nothing is cached.
class TvIni {
public:
    explicit TvIni(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // Value of `key` in `section`: at most 4095 bytes after the first "=" of the key's line,
    // blanks and control characters trimmed at both ends; `def` when the key is missing, its value
    // is empty or the file cannot be read or is not a regular file. Binary garbage and lines of any length
    // are tolerated.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;

    static constexpr std::size_t MaxValueLength = 4095;

    // Opens `path` for reading when it is a regular file (a link to one included), without ever waiting:
    // a FIFO or a device named as the file gives null, as a missing file does.
    static std::FILE* OpenRegular(const std::string& path);

private:
    std::string fileName_;
};

// `name` alone when `folder` is empty; otherwise folder and name with one "/" between them.
std::string JoinPath(const std::string& folder, const std::string& name);
