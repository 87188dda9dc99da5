#include "support/RogueAgent.h"

#include "support/ChildProcess.h"
#include "support/SnmpdAgent.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

RogueAgent::~RogueAgent() {
    Stop();
    if (!log_.empty())
        std::filesystem::remove(log_);
}

bool RogueAgent::Start(const std::string& mode, const std::vector<std::string>& options) {
    Stop();
    if (log_.empty()) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "qtr-rogue-XXXXXX").string();
        const int fd = mkstemp(tmpl.data());
        if (fd < 0) {
            error_ = "cannot create a log file";
            return false;
        }
        close(fd);
        log_ = tmpl;
    }
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = SnmpdAgent::ClosedPort();
        std::vector<std::string> args = {std::string(QTR_BIN_DIR) + "/qtr5190mx-rogue", "--mode", mode};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back("127.0.0.1:" + std::to_string(port_));
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        const int rc = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) {
            pid_ = -1;
            error_ = "cannot start " + args[0];
            return false;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            if (Slurp(log_).find("listening") != std::string::npos)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        error_ = "the rogue agent did not start: " + Slurp(log_);
        Stop();
    }
    return false;
}

void RogueAgent::Stop() {
    StopChildProcess(pid_);
}
