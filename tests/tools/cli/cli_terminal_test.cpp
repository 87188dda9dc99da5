// The companion prints the switch's strings escaped to a terminal and unchanged to a pipe.
#include "CliTerminalText.h"

#include "support/SimSwitch.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

struct EscapeCase {
    std::string text;
    std::string shown;
};

// Controls, a backslash and bytes outside well-formed UTF-8 are escaped; printable UTF-8 stays.
const EscapeCase kEscapes[] = {
    {"Port 1 on Unit 1", "Port 1 on Unit 1"},
    {"C:\\temp", "C:\\\\temp"},
    {"\x1b]0;owned\x07", "\\033]0;owned\\a"},
    {"\x1b[2J\x1b[H", "\\033[2J\\033[H"},
    {"a\tb\nc\rd\x0b\x0c\x08", "a\\tb\\nc\\rd\\v\\f\\b"},
    {std::string("nul\0end", 7), "nul\\000end"},
    {"\x01\x1f\x7f", "\\001\\037\\177"},
    {"\x9b"
     "31m",
     "\\23331m"}, // a C1 control as one byte (CSI)
    {"\xc2\x9b"
     "31m",
     "\\302\\23331m"},                // the same in UTF-8
    {"\xc2\xa0nbsp", "\xc2\xa0nbsp"}, // the first printable code point after the C1 block
    {"Gr\xc3\xb6\xc3\x9f"
     "e \xe2\x82\xac \xf0\x9f\x98\x80",
     "Gr\xc3\xb6\xc3\x9f"
     "e \xe2\x82\xac \xf0\x9f\x98\x80"},
    {"Gr\xf6\xdf"
     "e",
     "Gr\\366\\337e"},                            // Latin-1, not UTF-8
    {"cut \xe2\x82", "cut \\342\\202"},           // a sequence cut short
    {"\xc0\xaf", "\\300\\257"},                   // overlong
    {"\xe0\x80\xaf", "\\340\\200\\257"},          // overlong
    {"\xed\xa0\x80", "\\355\\240\\200"},          // a surrogate
    {"\xf4\x90\x80\x80", "\\364\\220\\200\\200"}, // beyond U+10FFFF
};

TEST(CliTerminalText, EscapesWhatATerminalWouldActOn) {
    for (const EscapeCase& c : kEscapes)
        EXPECT_EQ(CliTerminalText::Escape(c.text), c.shown) << "text " << c.text;
}

// What a switch could put into its descriptions: retitle the terminal, clear it, colour it with an
// 8-bit CSI, and a backslash that would make the escapes ambiguous if it were left alone.
const std::string kHostile = "evil\x1b]0;owned\x07\x1b[2J\x9b"
                             "31mred\\n";
const std::string kHostileShown = "evil\\033]0;owned\\a\\033[2J\\23331mred\\\\n";

std::string DataFileWithHostileDescription(const std::string& folder) {
    std::ifstream in(BinDir() + "/qtr5190mx-sim.data", std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    std::string data = all.str();
    const std::string port1 = "\"QTR-5190MX Port 1 on Unit 1\"";
    const size_t at = data.find(port1);
    if (at == std::string::npos)
        return {};
    std::string quoted = "\"";
    for (char c : kHostile) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    data.replace(at, port1.size(), quoted + "\"");
    const std::string path = folder + "/hostile.data";
    std::ofstream(path, std::ios::binary) << data;
    return path;
}

// Runs the companion with `args`, its standard output and error on a new pseudo-terminal (`terminal`)
// or on a pipe; returns what it printed and sets `status` to its exit status.
std::string RunCompanion(const std::vector<std::string>& args, bool terminal, int& status) {
    std::vector<char*> argv;
    std::vector<std::string> all = {BinDir() + "/qtr5190mx-cli"};
    all.insert(all.end(), args.begin(), args.end());
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int reader = -1;
    pid_t pid = -1;
    if (terminal) {
        pid = forkpty(&reader, nullptr, nullptr, nullptr);
    } else {
        int fds[2];
        if (pipe(fds) != 0)
            return "pipe failed";
        pid = fork();
        if (pid == 0) {
            dup2(fds[1], STDOUT_FILENO);
            dup2(fds[1], STDERR_FILENO);
        }
        close(fds[1]);
        reader = fds[0];
    }
    if (pid == 0) {
        if (terminal) { // the terminal passes the lines as written, without turning LF into CR LF
            termios settings{};
            tcgetattr(STDOUT_FILENO, &settings);
            settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
            tcsetattr(STDOUT_FILENO, TCSANOW, &settings);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid < 0)
        return "fork failed";
    std::string out;
    char buffer[4096];
    for (;;) {
        pollfd p{reader, POLLIN, 0};
        // A bound for a companion that hangs, not a measure of speed.
        if (poll(&p, 1, 60000) <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        const ssize_t n = read(reader, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) // a pseudo-terminal whose other side closed reads EIO
            break;
        out.append(buffer, static_cast<size_t>(n));
    }
    close(reader);
    int raw = 0;
    waitpid(pid, &raw, 0);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

bool HasRawControl(const std::string& text) {
    for (unsigned char c : text)
        if ((c < 0x20 && c != '\n' && c != '\t' && c != '\r') || c == 0x7F || (c >= 0x80 && c <= 0x9F))
            return true;
    return false;
}

class CliTerminal : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char folder[] = "/tmp/qtr-cli-terminal-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        folder_ = folder;
        const std::string data = DataFileWithHostileDescription(folder_);
        ASSERT_FALSE(data.empty());
        sim_ = new SimSwitch;
        ASSERT_TRUE(sim_->Start({"--data", data})) << sim_->Error();
        agent_ = "127.0.0.1:" + std::to_string(sim_->Port());
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    static std::vector<std::string> With(std::vector<std::string> command) {
        std::vector<std::string> args = {"-v", "2c", "-c", "rdcomm", agent_};
        args.insert(args.end(), command.begin(), command.end());
        return args;
    }

    static inline SimSwitch* sim_ = nullptr;
    static inline std::string folder_;
    static inline std::string agent_;
};

constexpr const char* kDescr = "1.3.6.1.2.1.2.2.1.2.1:0x4c";

// Every command that prints the switch's strings escapes them on a terminal: nothing the terminal would
// act on gets through, and the escaped text is there in full.
TEST_F(CliTerminal, EscapesTheSwitchsStringsOnATerminal) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> runs = {
        {{"get", kDescr}, "1.3.6.1.2.1.2.2.1.2.1\t" + kHostileShown + "\n"},
        {{"walk", "--keys", "1", "1.3.6.1.2.1.2.2.1.1:0x02", "1.3.6.1.2.1.2.2.1.2:0x4c"},
         "1\t" + kHostileShown + "\n"},
        {{"walk", "--csv", "--keys", "1", "1.3.6.1.2.1.2.2.1.1:0x02", "1.3.6.1.2.1.2.2.1.2:0x4c"},
         "1," + kHostileShown + "\r\n"},
        {{"show", "MIB2IFTable"}, "1\t" + kHostileShown},
    };
    for (const auto& [command, expected] : runs) {
        int status = -1;
        const std::string out = RunCompanion(With(command), true, status);
        EXPECT_EQ(status, 0) << command[0] << ": " << out;
        EXPECT_FALSE(HasRawControl(out)) << command[0] << ": " << out;
        EXPECT_NE(out.find(expected), std::string::npos) << command[0] << ": " << out;
        EXPECT_EQ(out.find("owned\x07"), std::string::npos) << command[0];
    }
}

// To a pipe the bytes go out as the switch holds them, for scripts.
TEST_F(CliTerminal, PrintsTheBytesUnchangedToAPipe) {
    int status = -1;
    EXPECT_EQ(RunCompanion(With({"get", kDescr}), false, status),
              "1.3.6.1.2.1.2.2.1.2.1\t" + kHostile + "\n");
    EXPECT_EQ(status, 0);
    const std::string walk = RunCompanion(
        With({"walk", "--keys", "1", "1.3.6.1.2.1.2.2.1.1:0x02", "1.3.6.1.2.1.2.2.1.2:0x4c"}), false, status);
    EXPECT_EQ(walk.substr(0, walk.find('\n') + 1), "1\t" + kHostile + "\n");
}

} // namespace
