#include "support/SnmpdAgent.h"

#include "support/ChildProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

extern char** environ;

namespace {

std::uint16_t BoundPort(int fd) {
    sockaddr_in a{};
    socklen_t len = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

// A hand-coded SNMPv1 GET of sysUpTime.0 with community "public": readiness is checked without
// going through the code under test.
constexpr std::array<unsigned char, 40> kProbe = {0x30, 0x26, 0x02, 0x01, 0x00, 0x04, 0x06, 'p',  'u',  'b',
                                                  'l',  'i',  'c',  0xa0, 0x19, 0x02, 0x01, 0x01, 0x02, 0x01,
                                                  0x00, 0x02, 0x01, 0x00, 0x30, 0x0e, 0x30, 0x0c, 0x06, 0x08,
                                                  0x2b, 0x06, 0x01, 0x02, 0x01, 0x01, 0x03, 0x00, 0x05, 0x00};

} // namespace

SnmpdAgent::~SnmpdAgent() {
    Stop();
    if (!dir_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
}

std::uint16_t SnmpdAgent::ClosedPort() {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    std::uint16_t port = BoundPort(fd);
    close(fd);
    return port;
}

bool SnmpdAgent::Start() {
    if (dir_.empty()) {
        std::string tmpl = (std::filesystem::temp_directory_path() / "qtr-snmpd-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) {
            error_ = "cannot create a temporary folder";
            return false;
        }
        dir_ = tmpl;
    }
    if (port_ == 0)
        port_ = ClosedPort();
    if (engineId_.empty())
        engineId_ = "test-agent-" + std::to_string(port_);
    return Launch();
}

bool SnmpdAgent::Restart(const std::string& engineId) {
    Stop();
    if (!engineId.empty()) {
        engineId_ = engineId;
        // The agent keeps its engine ID in its persistent state; a new one needs a fresh state.
        std::error_code ec;
        std::filesystem::remove_all(dir_ + "/state", ec);
    }
    return Start();
}

bool SnmpdAgent::Launch() {
    const std::string conf = dir_ + "/snmpd.conf";
    std::filesystem::create_directories(dir_ + "/state");
    {
        std::ofstream out(conf, std::ios::trunc);
        out << "agentAddress udp:127.0.0.1:" << port_ << "\n"
            << "engineID " << engineId_ << "\n"
            << "rocommunity public 127.0.0.1\n"
            << "rwcommunity private 127.0.0.1\n"
            << "createUser noauthuser\n"
            << "createUser md5user MD5 authpass123\n"
            << "createUser desuser SHA authpass123 DES privpass123\n"
            << "createUser aesuser SHA authpass123 AES privpass123\n"
            << "createUser sha256user SHA-256 authpass123 AES privpass123\n"
            << "rwuser noauthuser noauth\n"
            << "rwuser md5user auth\n"
            << "rwuser desuser priv\n"
            << "rwuser aesuser priv\n"
            << "rwuser sha256user priv\n";
    }
    const std::string pidFile = dir_ + "/snmpd.pid";
    const std::string log = dir_ + "/snmpd.log";
    std::vector<std::string> args = {"/usr/sbin/snmpd", "-f", "-Lf",  log, "-C", "-c", conf, "-I",
                                     "-smux",           "-p", pidFile};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStore = {"SNMP_PERSISTENT_DIR=" + dir_ + "/state", "MIBS="};
    for (char** e = environ; *e; ++e) {
        std::string v = *e;
        if (v.rfind("SNMP_PERSISTENT_DIR=", 0) != 0 && v.rfind("MIBS=", 0) != 0 &&
            v.rfind("SNMPCONFPATH=", 0) != 0)
            envStore.push_back(v);
    }
    std::vector<char*> envp;
    for (auto& e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    int rc = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        pid_ = -1;
        error_ = "cannot start /usr/sbin/snmpd";
        return false;
    }
    if (!WaitUntilAnswering()) {
        error_ = "snmpd does not answer on port " + std::to_string(port_) + " (log in " + log + ")";
        Stop();
        return false;
    }
    return true;
}

bool SnmpdAgent::WaitUntilAnswering() {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port_);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool answered = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!answered && std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            break;
        }
        sendto(fd, kProbe.data(), kProbe.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) > 0) {
            std::array<unsigned char, 1500> buf{};
            answered = recv(fd, buf.data(), buf.size(), 0) > 0;
        }
    }
    close(fd);
    return answered;
}

void SnmpdAgent::Stop() {
    StopChildProcess(pid_);
}
