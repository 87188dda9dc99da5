#include "support/RogueAgent.h"

#include "support/ChildProcess.h"
#include "support/SnmpdAgent.h"
#include "support/TestPaths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

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
        std::vector<std::string> args = {BinDir() + "/qtr5190mx-rogue", "--mode", mode};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back("127.0.0.1:" + std::to_string(port_));
        std::string printed;
        if (StartListeningChild(args, log_, 5, pid_, printed))
            return true;
        error_ = "the rogue agent did not start: " + printed;
    }
    return false;
}

void RogueAgent::Stop() {
    StopChildProcess(pid_);
}

std::string RogueAgent::Log() const {
    std::ifstream in(log_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
