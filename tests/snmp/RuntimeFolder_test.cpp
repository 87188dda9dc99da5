#include "snmp/RuntimeFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

// Sockets and SNMP state go to the per-user runtime folder only when it really is private.
TEST(RuntimeFolder, UsesXdgRuntimeDirOnlyWhenPrivate) {
    const fs::path base = fs::temp_directory_path() / ("qtr-runtime-" + std::to_string(::getpid()));
    fs::create_directories(base / "private");
    fs::create_directories(base / "open");
    ::chmod((base / "private").c_str(), 0700);
    ::chmod((base / "open").c_str(), 0755);
    std::string temp = fs::temp_directory_path().string();
    while (temp.size() > 1 && temp.back() == '/')
        temp.pop_back();

    const std::string privateDir = (base / "private").string();
    const std::string openDir = (base / "open").string();
    const std::string missingDir = (base / "missing").string();
    struct Case {
        const char* name;
        const char* xdg; // null: unset
        std::string expected;
    };
    const Case cases[] = {
        {"unset", nullptr, temp},
        {"empty", "", temp},
        {"private", privateDir.c_str(), privateDir},
        {"readable by others", openDir.c_str(), temp},
        {"missing", missingDir.c_str(), temp},
        {"relative", "relative/dir", temp},
    };
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedText = saved ? saved : "";
    for (const Case& c : cases) {
        if (c.xdg)
            ::setenv("XDG_RUNTIME_DIR", c.xdg, 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(RuntimeFolder(), c.expected) << c.name;
    }
    if (saved)
        ::setenv("XDG_RUNTIME_DIR", savedText.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
    fs::remove_all(base);
}
