#include "support/SimSwitch.h"

#include "support/ChildProcess.h"

#include "support/SnmpdAgent.h"
#include "support/TestPaths.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// A BER tag-length-value with a short length (everything here is under 128 bytes).
std::string Tlv(unsigned char tag, const std::string& value) {
    return std::string(1, static_cast<char>(tag)) + static_cast<char>(value.size()) + value;
}

std::string BerOid(const std::vector<std::uint32_t>& arcs) {
    std::string out(1, static_cast<char>(arcs[0] * 40 + arcs[1]));
    for (size_t i = 2; i < arcs.size(); ++i) {
        std::string arc(1, static_cast<char>(arcs[i] & 0x7F));
        for (std::uint32_t v = arcs[i] >> 7; v; v >>= 7)
            arc.insert(arc.begin(), static_cast<char>(0x80 | (v & 0x7F)));
        out += arc;
    }
    return Tlv(0x06, out);
}

} // namespace

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
    earlier_ = Log(); // the new run starts its log afresh
    std::vector<std::string> args = {BinDir() + "/qtr5190mx-sim"};
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

bool SimSwitch::AwaitMarker(const std::string& community, int timeoutMs) {
    static std::uint32_t serial = 0;
    const std::vector<std::uint32_t> marker = {
        1, 3, 6, 1, 4, 1, 99999, static_cast<std::uint32_t>(getpid()), ++serial};
    std::string text;
    for (std::uint32_t arc : marker)
        text += "." + std::to_string(arc);
    const std::string varbind = Tlv(0x30, BerOid(marker) + Tlv(0x05, ""));
    const std::string pdu = Tlv(0xA0, Tlv(0x02, std::string(1, 1)) + Tlv(0x02, std::string(1, 0)) +
                                          Tlv(0x02, std::string(1, 0)) + Tlv(0x30, varbind));
    const std::string message = Tlv(0x30, Tlv(0x02, std::string(1, 1)) + Tlv(0x04, community) + pdu);

    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port_);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool seen = false;
    // Sent again every 200 ms: a datagram may be lost, the log line may not be written yet.
    for (int round = 0; !seen && std::chrono::steady_clock::now() < deadline; ++round) {
        if (round % 20 == 0)
            sendto(fd, message.data(), message.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        seen = Log().find(text + "\n") != std::string::npos;
    }
    close(fd);
    return seen;
}

std::string SimSwitch::Log() const {
    std::ifstream in(dir_ + "/sim.log");
    std::stringstream text;
    text << earlier_ << in.rdbuf();
    return text.str();
}
