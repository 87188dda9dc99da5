#include "snmp/SNMPGlobals.h"
#include "snmp/TvSNMPEngine.h"
#include "support/SnmpdAgent.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <arpa/inet.h>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// An SNMPv3 report whose msgMaxSize is negative: net-snmp logs "Received bad msgMaxSize" for each.
const char kMalformed[] =
    "\x30\x50\x02\x01\x03\x30\x0e\x02\x02\x30\x39\x02\x02\xff\xe3\x04\x01\x00\x02\x01\x03\x04\x1f\x30\x1d\x04"
    "\x08\x80\x00\x00\x00\x01\x02\x03\x04\x02\x01\x01\x02\x01\x64\x04\x07\x6d\x64\x35\x75\x73\x65\x72\x04\x00"
    "\x04\x00\x30\x1a\x04\x08\x80\x00\x00\x00\x01\x02\x03\x04\x04\x00\xa8\x0c\x02\x02\x30\x39\x02\x01\x00\x02"
    "\x01\x00\x30\x00";

// Standard error of this process into a file while it lives.
class CapturedStderr {
public:
    explicit CapturedStderr(std::string path) : path_(std::move(path)) {
        std::fflush(stderr);
        saved_ = ::dup(2);
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, 2);
        ::close(fd);
    }
    ~CapturedStderr() { Restore(); }
    // Back to the real standard error; the lines written meanwhile.
    std::vector<std::string> Restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, 2);
            ::close(saved_);
            saved_ = -1;
        }
        std::vector<std::string> lines;
        std::ifstream in(path_);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

private:
    std::string path_;
    int saved_ = -1;
};

} // namespace

// A switch (or anyone) sending malformed datagrams to the program's port: net-snmp would log a line for
// each one. The engine drops SNMPv3 datagrams that answer nothing before the library reads them, and
// what the library still logs reaches standard error only in a burst, with the count of those left out:
// a few lines at most, whatever the number of datagrams.
TEST(LibraryLog, MalformedDatagramsPrintAFewLinesOnly) {
    static QTemporaryDir folder;
    if (!TvSNMPEngine::Instance())
        InitSNMPSession(folder.path().toStdString());
    SnmpdAgent agent;
    ASSERT_TRUE(agent.Start()) << agent.Error();

    sockaddr_in local{};
    socklen_t length = sizeof local;
    ASSERT_EQ(::getsockname(TvSNMPEngine::Instance()->SocketDescriptor(), reinterpret_cast<sockaddr*>(&local),
                            &length),
              0);
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int sender = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(sender, 0);

    CapturedStderr captured(folder.path().toStdString() + "/stderr.txt");
    constexpr int kDatagrams = 200;
    for (int i = 0; i < kDatagrams; ++i)
        ::sendto(sender, kMalformed, sizeof kMalformed - 1, 0, reinterpret_cast<sockaddr*>(&local),
                 sizeof local);
    ::close(sender);
    // The reply of a real exchange queues behind every datagram sent before: once it is in, the engine has
    // read them all.
    TvSNMPTarget target;
    target.Address = "127.0.0.1";
    target.Port = agent.Port();
    target.Version = 1;
    target.ReadCommunity = "public";
    TvSNMPReply reply;
    EXPECT_EQ(TvSNMPEngine::Instance()->Exchange(target, TvPduKind::Get, {{"1.3.6.1.2.1.1.1.0", {}}}, reply),
              0);
    const std::vector<std::string> lines = captured.Restore();

    EXPECT_LE(lines.size(), 12u) << lines.size() << " lines for " << kDatagrams << " datagrams, the last: "
                                 << (lines.empty() ? std::string() : lines.back());
}
