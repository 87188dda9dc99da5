#include "snmp/TvBootCounter.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr int kOk = 0, kNoEntry = -1, kCannotOpen = -2, kMalformed = -3;

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool IsHex(const std::string& s) {
    if (s.empty() || s.size() % 2)
        return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// Parses the whole file; false when any entry line is malformed.
bool ReadEntries(std::istream& in, std::vector<std::pair<std::string, long>>& entries) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        std::istringstream fields(line);
        std::string id, count, extra;
        fields >> id >> count;
        if (!IsHex(id) || count.empty() || count.size() > 10 || (fields >> extra))
            return false;
        long value = 0;
        for (char c : count) {
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + (c - '0');
        }
        if (value > 2147483647L)
            return false;
        for (auto& ch : id)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        entries.emplace_back(id, value);
    }
    return true;
}

} // namespace

std::string BootCounterPath(const std::string& directory) {
    if (directory.empty())
        return kBootCounterFileName;
    if (directory.back() == '/')
        return directory + kBootCounterFileName;
    return directory + "/" + kBootCounterFileName;
}

std::string BootCounterFolder(const std::string& program) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const std::string folder = QFile::encodeName(data).toStdString() + "/" + program;
    // The data folder as the desktop makes it, ours owner-only; a folder that exists keeps its mode.
    QDir().mkpath(data);
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

int getBootCounter(const std::string& path, const std::string& engineId, int& boot) {
    boot = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return kCannotOpen;
    std::vector<std::pair<std::string, long>> entries;
    if (!ReadEntries(in, entries))
        return kMalformed;
    const std::string id = Hex(engineId);
    for (const auto& [key, value] : entries)
        if (key == id) {
            boot = static_cast<int>(value);
            return kOk;
        }
    return kNoEntry;
}

int saveBootCounter(const std::string& path, const std::string& engineId, int boot) {
    std::vector<std::pair<std::string, long>> entries;
    {
        std::ifstream in(path, std::ios::binary);
        // Another engine's entries survive; a file we cannot make sense of is not overwritten.
        if (in && !ReadEntries(in, entries))
            return kMalformed;
    }
    const std::string id = Hex(engineId);
    bool found = false;
    for (auto& [key, value] : entries)
        if (key == id) {
            value = boot;
            found = true;
        }
    if (!found)
        entries.emplace_back(id, boot);

    std::string text = "# SNMPv3 engine boots counters: engine ID (hex) and boots\n";
    for (const auto& [key, value] : entries)
        text += key + " " + std::to_string(value) + "\n";

    // Written beside the target and renamed over it, so a crash never leaves half a file.
    std::string tmp = path + ".XXXXXX";
    const int fd = mkstemp(tmp.data());
    if (fd < 0)
        return kCannotOpen;
    const char* p = text.data();
    std::size_t left = text.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t n = write(fd, p, left);
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return kCannotOpen;
    }
    return kOk;
}
