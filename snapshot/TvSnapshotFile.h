#pragma once

#include "snapshot/TvSnapshot.h"

#include <string>

// The snapshot file: JSON (docs/snapshots.md). Texts are the switch's bytes, one character each
// (Latin-1), as the program holds them; raw octet strings are hexadecimal.
class TvSnapshotFile {
public:
    static std::string ToJson(const TvSnapshot& snapshot);
    // False with `error` set for what is not a snapshot of a version this program reads.
    static bool FromJson(const std::string& json, TvSnapshot& out, std::string& error);

    // Writes the file owner-only (0600) in one step: a reader sees the old file or the new one, never
    // a part. False with `error` set when it cannot.
    static bool Write(const std::string& path, const TvSnapshot& snapshot, std::string& error);
    static bool Read(const std::string& path, TvSnapshot& out, std::string& error);
};
