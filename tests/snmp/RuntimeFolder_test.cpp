#include "snmp/RuntimeFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A scratch folder of this test, removed at the end.
struct Scratch {
    fs::path Base = fs::temp_directory_path() / ("qtr-runtime-" + std::to_string(::getpid()));
    Scratch() {
        fs::remove_all(Base);
        fs::create_directories(Base);
    }
    ~Scratch() { fs::remove_all(Base); }
};

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

} // namespace

// Sockets and SNMP state go to $XDG_RUNTIME_DIR only when it really is private; else to the private
// folder in the temporary folder.
TEST(RuntimeFolder, UsesXdgRuntimeDirOnlyWhenPrivate) {
    Scratch scratch;
    const fs::path& base = scratch.Base;
    fs::create_directories(base / "private");
    fs::create_directories(base / "open");
    fs::create_directories(base / "temp");
    ::chmod((base / "private").c_str(), 0700);
    ::chmod((base / "open").c_str(), 0755);
    fs::create_directory_symlink(base / "private", base / "link");

    const std::string temp = (base / "temp").string();
    const std::string privateDir = (base / "private").string();
    const std::string openDir = (base / "open").string();
    const std::string missingDir = (base / "missing").string();
    const std::string linkDir = (base / "link").string();
    const std::string inTemp = temp + "/qtr5190mx-" + std::to_string(::getuid());
    struct Case {
        const char* name;
        const char* xdg; // null: unset
        std::string expected;
    };
    const Case cases[] = {
        {"unset", nullptr, inTemp},
        {"empty", "", inTemp},
        {"private", privateDir.c_str(), privateDir},
        {"readable by others", openDir.c_str(), inTemp},
        {"missing", missingDir.c_str(), inTemp},
        {"relative", "relative/dir", inTemp},
        {"symbolic link", linkDir.c_str(), inTemp},
    };
    const char* savedXdg = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedXdgText = savedXdg ? savedXdg : "";
    const char* savedTmp = std::getenv("TMPDIR");
    const std::string savedTmpText = savedTmp ? savedTmp : "";
    ::setenv("TMPDIR", temp.c_str(), 1);
    for (const Case& c : cases) {
        if (c.xdg)
            ::setenv("XDG_RUNTIME_DIR", c.xdg, 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(RuntimeFolder(), c.expected) << c.name;
    }
    EXPECT_EQ(ModeOf(inTemp) & 07777, 0700u);
    savedXdg ? ::setenv("XDG_RUNTIME_DIR", savedXdgText.c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
    savedTmp ? ::setenv("TMPDIR", savedTmpText.c_str(), 1) : ::unsetenv("TMPDIR");
}

// Another user (or anything else) holding our name in the temporary folder: never used, never followed,
// and the program still gets a private folder of its own, the same one for the whole run.
TEST(RuntimeFolder, NameTakenInTheTemporaryFolder) {
    Scratch scratch;
    const std::string name = "qtr5190mx-" + std::to_string(::getuid());
    struct Case {
        const char* what;
        void (*take)(const fs::path& temp, const fs::path& named);
    };
    const Case cases[] = {
        {"folder open to others",
         [](const fs::path&, const fs::path& named) {
             fs::create_directory(named);
             ::chmod(named.c_str(), 0777);
         }},
        {"symbolic link to a folder elsewhere",
         [](const fs::path& temp, const fs::path& named) {
             fs::create_directory(temp / "target");
             ::chmod((temp / "target").c_str(), 0700);
             fs::create_directory_symlink(temp / "target", named);
         }},
        {"dangling symbolic link",
         [](const fs::path& temp, const fs::path& named) { fs::create_symlink(temp / "nowhere", named); }},
        {"plain file", [](const fs::path&, const fs::path& named) { std::ofstream(named) << "x"; }},
        {"folder of another user",
         [](const fs::path&, const fs::path& named) {
             fs::create_directory(named);
             ::chmod(named.c_str(), 0700);
             if (::chown(named.c_str(), ::getuid() + 4242, static_cast<gid_t>(-1)) != 0)
                 ::chmod(named.c_str(), 0770); // not root: a looser mode stands for the other owner
         }},
    };
    int n = 0;
    for (const Case& c : cases) {
        const fs::path temp = scratch.Base / ("t" + std::to_string(n++));
        fs::create_directories(temp);
        const fs::path named = temp / name;
        c.take(temp, named);
        const auto before = fs::symlink_status(named).type();

        const std::string folder = PrivateTempFolder(temp.string());
        EXPECT_NE(folder, named.string()) << c.what;
        EXPECT_EQ(fs::path(folder).parent_path(), temp) << c.what;
        EXPECT_TRUE(IsPrivateFolder(folder, ::getuid())) << c.what;
        EXPECT_EQ(PrivateTempFolder(temp.string()), folder) << c.what << ": a second call differs";
        EXPECT_EQ(fs::symlink_status(named).type(), before) << c.what << ": the other entry was touched";
        EXPECT_FALSE(fs::exists(temp / "nowhere")) << c.what << ": a link was followed";
        if (fs::exists(temp / "target")) {
            EXPECT_TRUE(fs::is_empty(temp / "target")) << c.what << ": something was made through the link";
        }
    }
}

TEST(RuntimeFolder, PrivateFolderIsMadeOnceAndKept) {
    Scratch scratch;
    const std::string named = (scratch.Base / ("qtr5190mx-" + std::to_string(::getuid()))).string();
    EXPECT_EQ(PrivateTempFolder(scratch.Base.string()), named);
    EXPECT_EQ(PrivateTempFolder(scratch.Base.string() + "/"), named);
    EXPECT_EQ(ModeOf(named) & 07777, 0700u);
    EXPECT_TRUE(MakePrivateFolder(named + "/inner"));
    EXPECT_FALSE(MakePrivateFolder((scratch.Base / "missing" / "inner").string()));
}
