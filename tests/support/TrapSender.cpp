#include "support/TrapSender.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace TrapSender {

std::string Tlv(std::uint8_t tag, const std::string& contents) {
    std::string len;
    if (contents.size() < 0x80) {
        len = std::string(1, static_cast<char>(contents.size()));
    } else {
        for (std::size_t n = contents.size(); n; n >>= 8)
            len.insert(len.begin(), static_cast<char>(n & 0xFF));
        len.insert(len.begin(), static_cast<char>(0x80 | len.size()));
    }
    return std::string(1, static_cast<char>(tag)) + len + contents;
}

std::string Integer(std::int64_t v) {
    std::string out;
    for (int i = 7; i >= 0; --i)
        out += static_cast<char>((static_cast<std::uint64_t>(v) >> (i * 8)) & 0xFF);
    while (out.size() > 1 && ((out[0] == 0 && !(out[1] & 0x80)) ||
                              (static_cast<std::uint8_t>(out[0]) == 0xFF && (out[1] & 0x80))))
        out.erase(0, 1);
    return Tlv(0x02, out);
}

std::string ObjectId(const std::string& dotted) {
    std::vector<std::uint32_t> arcs;
    std::stringstream in(dotted);
    for (std::string part; std::getline(in, part, '.');)
        if (!part.empty())
            arcs.push_back(static_cast<std::uint32_t>(std::stoul(part)));
    std::string out;
    out += static_cast<char>(arcs[0] * 40 + arcs[1]);
    for (std::size_t i = 2; i < arcs.size(); ++i) {
        std::string enc;
        std::uint32_t v = arcs[i];
        enc.insert(enc.begin(), static_cast<char>(v & 0x7F));
        while (v >>= 7)
            enc.insert(enc.begin(), static_cast<char>(0x80 | (v & 0x7F)));
        out += enc;
    }
    return Tlv(0x06, out);
}

std::string V2Message(const std::string& community, const std::string& kind, const std::vector<Bind>& binds,
                      std::int32_t requestId, std::uint8_t pduTag) {
    std::string vbs = Tlv(0x30, ObjectId("1.3.6.1.2.1.1.3.0") + Tlv(0x43, std::string("\x01\x00", 2)));
    if (!kind.empty())
        vbs += Tlv(0x30, ObjectId("1.3.6.1.6.3.1.1.4.1.0") + ObjectId(kind));
    for (const Bind& b : binds)
        vbs += Tlv(0x30, ObjectId(b.Oid) + (b.Text ? Tlv(0x04, *b.Text) : Integer(b.Value)));
    const std::string pdu = Tlv(pduTag, Integer(requestId) + Integer(0) + Integer(0) + Tlv(0x30, vbs));
    return Tlv(0x30, Integer(1) + Tlv(0x04, community) + pdu);
}

Socket::Socket(const std::string& fromAddress) {
    fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    inet_pton(AF_INET, fromAddress.c_str(), &a.sin_addr);
    bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
}

Socket::~Socket() {
    if (fd_ >= 0)
        close(fd_);
}

bool Socket::Send(std::uint16_t port, const std::string& datagram) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(port);
    return sendto(fd_, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) ==
           static_cast<ssize_t>(datagram.size());
}

namespace {

std::string PrivateFolder() {
    static std::string dir;
    if (dir.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/trapsender.XXXXXX";
        if (char* made = mkdtemp(tmpl.data()))
            dir = made;
    }
    return dir;
}

} // namespace

int RunTool(const std::vector<std::string>& args, bool wait, std::string* output) {
    const std::string dir = PrivateFolder();
    const std::string log = dir + "/tool.log";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<std::string> env = {"MIBS=", "SNMPCONFPATH=" + dir, "SNMP_PERSISTENT_DIR=" + dir,
                                    "PATH=/usr/bin:/bin"};
    std::vector<char*> envp, argv;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> copy = args;
    for (auto& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    if (!wait)
        return pid;
    int status = 0;
    waitpid(pid, &status, 0);
    if (output) {
        std::ifstream in(log);
        std::stringstream s;
        s << in.rdbuf();
        *output = s.str();
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

int Reap(int pid) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

} // namespace TrapSender
