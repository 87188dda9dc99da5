#include "profile/TvIni.h"

#include "values/TvSecret.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsBlankOrControl(unsigned char c) {
    return c <= 0x20 || c == 0x7F;
}

// `s` without blanks and control characters at both ends, into `out` (whose buffer is reused).
void TrimInto(const std::string& s, std::string& out) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlankOrControl(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && IsBlankOrControl(static_cast<unsigned char>(s[e - 1])))
        --e;
    out.assign(s, b, e - b);
}

std::string Trim(const std::string& s) {
    std::string out;
    TrimInto(s, out);
    return out;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lx = static_cast<unsigned char>(x);
               auto ly = static_cast<unsigned char>(y);
               if (lx >= 'A' && lx <= 'Z')
                   lx = static_cast<unsigned char>(lx - 'A' + 'a');
               if (ly >= 'A' && ly <= 'Z')
                   ly = static_cast<unsigned char>(ly - 'A' + 'a');
               return lx == ly;
           });
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Longest line head that matters: a key or section name plus the longest value. The rest of a longer
// line is skipped, so a huge line costs no memory and cannot hide the lines after it.
constexpr std::size_t kLineKeep = 8192;

// Reads one line (LF, CR LF or lone CR ends it), keeping at most kLineKeep bytes. False at end of file.
bool ReadLine(std::FILE* f, std::string& line) {
    line.clear();
    int c = std::fgetc(f);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\n' && c != '\r') {
        if (line.size() < kLineKeep)
            line.push_back(static_cast<char>(c));
        c = std::fgetc(f);
    }
    if (c == '\r') {
        int next = std::fgetc(f);
        if (next != '\n' && next != EOF)
            std::ungetc(next, f);
    }
    return true;
}

} // namespace

std::FILE* TvIni::OpenRegular(const std::string& path) {
    // Without O_NONBLOCK opening a FIFO would wait for a writer for ever; only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f)
        ::close(fd);
    return f;
}

std::string TvIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& def) const {
    std::unique_ptr<std::FILE, FileCloser> f(OpenRegular(fileName_));
    if (!f)
        return def;
    // The file may hold passwords: its bytes pass only through buffers that are wiped when the lookup ends.
    char buffer[BUFSIZ];
    std::setvbuf(f.get(), buffer, _IOFBF, sizeof buffer);
    std::string line;
    std::string t;
    // Never reallocated, so no copy of a line is given back unwiped.
    line.reserve(kLineKeep);
    t.reserve(kLineKeep);
    struct Wiper {
        char* Buffer;
        std::string& Line;
        std::string& Trimmed;
        std::unique_ptr<std::FILE, FileCloser>& File;
        ~Wiper() {
            File.reset(); // closed before its buffer goes
            explicit_bzero(Buffer, BUFSIZ);
            TvSecret::Wipe(Line);
            TvSecret::Wipe(Trimmed);
        }
    } wiper{buffer, line, t, f};
    const std::string wantSection = Trim(section);
    const std::string wantKey = Trim(key);
    bool inSection = false;
    while (ReadLine(f.get(), line)) {
        // A NUL ends the text of a line, as it would for any C string reader.
        if (auto nul = line.find('\0'); nul != std::string::npos)
            line.resize(nul);
        TrimInto(line, t);
        if (!t.empty() && t.front() == '[') {
            const auto close = t.find(']');
            inSection = close != std::string::npos && EqualNoCase(Trim(t.substr(1, close - 1)), wantSection);
            continue;
        }
        if (!inSection)
            continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos || !EqualNoCase(Trim(line.substr(0, eq)), wantKey))
            continue;
        std::string raw = line.substr(eq + 1, MaxValueLength);
        std::string value = Trim(raw);
        TvSecret::Wipe(raw);
        return value.empty() ? def : value;
    }
    return def;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}
