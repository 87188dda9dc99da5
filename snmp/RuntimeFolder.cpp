#include "snmp/RuntimeFolder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string TempFolder() {
    std::error_code ec;
    std::string temp = std::filesystem::temp_directory_path(ec).string();
    if (ec || temp.empty())
        temp = "/tmp";
    while (temp.size() > 1 && temp.back() == '/')
        temp.pop_back();
    return temp;
}

} // namespace

bool IsPrivateFolder(const std::string& path, uid_t uid) {
    struct stat st {};
    // lstat: a link is refused whatever it points to, so nobody can steer where our files go.
    return !path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid &&
           (st.st_mode & 077) == 0;
}

bool MakePrivateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsPrivateFolder(path, ::getuid());
}

std::string PrivateTempFolder(const std::string& temp) {
    const std::string base = temp.size() > 1 && temp.back() == '/' ? temp.substr(0, temp.size() - 1) : temp;
    const std::string named = base + "/qtr5190mx-" + std::to_string(::getuid());
    if (MakePrivateFolder(named))
        return named;
    // The name is held by something that is not ours: a folder of this process's own, the same for every
    // later call.
    static std::map<std::string, std::string> own;
    if (auto it = own.find(base); it != own.end() && IsPrivateFolder(it->second, ::getuid()))
        return it->second;
    std::string pattern = named + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    own[base] = pattern;
    return pattern;
}

std::string RuntimeFolder() {
    if (const char* xdg = std::getenv("XDG_RUNTIME_DIR");
        xdg && *xdg == '/' && IsPrivateFolder(xdg, ::getuid()))
        return xdg;
    return PrivateTempFolder(TempFolder());
}
