#include "support/SimSwitch.h"

#include "support/ChildProcess.h"

#include "support/SnmpdAgent.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

SimSwitch::~SimSwitch() {
    Stop();
    if (!dir_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
}

bool SimSwitch::Start(const std::vector<std::string>& options) {
    if (dir_.empty()) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "qtr-sim-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) {
            error_ = "cannot create a temporary folder";
            return false;
        }
        dir_ = tmpl;
    }
    options_ = options;
    // Another process may take the probed port first: try a few.
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = SnmpdAgent::ClosedPort();
        if (Launch(options))
            return true;
    }
    return false;
}

bool SimSwitch::Launch(const std::vector<std::string>& options) {
    const std::string log = dir_ + "/sim.log";
    std::vector<std::string> args = {std::string(QTR_BIN_DIR) + "/qtr5190mx-sim"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back("127.0.0.1:" + std::to_string(port_));
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int rc = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        pid_ = -1;
        error_ = "cannot start " + args[0];
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            break;
        }
        std::ifstream in(log);
        std::stringstream text;
        text << in.rdbuf();
        if (text.str().find("listening") != std::string::npos)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    error_ = "the simulated switch did not start on port " + std::to_string(port_) + ": " + text.str();
    Stop();
    return false;
}

bool SimSwitch::Restart() {
    Stop();
    if (port_ == 0)
        return false;
    return Launch(options_);
}

bool SimSwitch::Restart(const std::vector<std::string>& options) {
    options_ = options;
    return Restart();
}

void SimSwitch::Stop() {
    StopChildProcess(pid_);
}

std::string SimSwitch::Log() const {
    std::ifstream in(dir_ + "/sim.log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
