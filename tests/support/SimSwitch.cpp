#include "support/SimSwitch.h"

#include "support/ChildProcess.h"

#include "support/SnmpdAgent.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
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
    std::string printed;
    if (StartListeningChild(args, log, 10, pid_, printed))
        return true;
    error_ = "the simulated switch did not start on port " + std::to_string(port_) + ": " + printed;
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
