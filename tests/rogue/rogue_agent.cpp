// qtr5190mx-rogue: an SNMPv1/v2c agent that misbehaves on purpose, one way per run, for the tests of
// what the program does with replies that do not answer their requests. It serves a few scalars and a
// small table under 1.3.6.1.4.1.59371.99 and encodes every reply itself, so that it can send what no
// SNMP library would: foreign sources, wrong OIDs, undefined error-status values, unknown tags,
// sub-identifiers above 2^32-1, endless tables.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Oid = std::vector<std::uint64_t>;

struct Value {
    std::uint8_t Tag = 0x05;
    std::string Bytes; // contents octets as sent
};

struct VarBind {
    Oid Name;
    Value Val;
};

volatile sig_atomic_t gStop = 0;

// ---- encoding ----

std::string Length(std::size_t n) {
    if (n < 0x80)
        return std::string(1, static_cast<char>(n));
    std::string out;
    while (n) {
        out.insert(out.begin(), static_cast<char>(n & 0xFF));
        n >>= 8;
    }
    return std::string(1, static_cast<char>(0x80 | out.size())) + out;
}

std::string Tlv(std::uint8_t tag, const std::string& contents) {
    return std::string(1, static_cast<char>(tag)) + Length(contents.size()) + contents;
}

std::string IntContents(std::int64_t v) {
    std::string out;
    for (int i = 7; i >= 0; --i)
        out += static_cast<char>((static_cast<std::uint64_t>(v) >> (i * 8)) & 0xFF);
    // Shortest two's complement form.
    while (out.size() > 1 && ((out[0] == 0 && !(out[1] & 0x80)) ||
                              (static_cast<std::uint8_t>(out[0]) == 0xFF && (out[1] & 0x80))))
        out.erase(0, 1);
    return out;
}

std::string UnsignedContents(std::uint64_t v) {
    std::string out;
    do {
        out.insert(out.begin(), static_cast<char>(v & 0xFF));
        v >>= 8;
    } while (v);
    if (static_cast<std::uint8_t>(out[0]) & 0x80)
        out.insert(out.begin(), '\0');
    return out;
}

// Stands for the sub-identifier 2^64+7, which no 64-bit number holds ("hugesubid").
constexpr std::uint64_t kHugeSubId = ~0ull;

std::string OidContents(const Oid& o) {
    std::string out;
    auto sub = [&](std::uint64_t v) {
        if (v == kHugeSubId) {
            out += std::string("\x82\x80\x80\x80\x80\x80\x80\x80\x80\x07", 10);
            return;
        }
        std::string s(1, static_cast<char>(v & 0x7F));
        for (v >>= 7; v; v >>= 7)
            s.insert(s.begin(), static_cast<char>(0x80 | (v & 0x7F)));
        out += s;
    };
    sub(o.size() >= 2 ? o[0] * 40 + o[1] : 0);
    for (std::size_t i = 2; i < o.size(); ++i)
        sub(o[i]);
    return out;
}

Value Integer(std::int64_t v) {
    return {0x02, IntContents(v)};
}
Value Unsigned(std::uint8_t tag, std::uint64_t v) {
    return {tag, UnsignedContents(v)};
}
Value Octets(const std::string& s) {
    return {0x04, s};
}
Value Exception(std::uint8_t tag) {
    return {tag, ""};
}

// ---- decoding of requests ----

struct Reader {
    std::string_view In;
    bool Next(std::uint8_t& tag, std::string_view& v) {
        if (In.size() < 2)
            return false;
        tag = static_cast<std::uint8_t>(In[0]);
        std::size_t pos = 1, len = static_cast<std::uint8_t>(In[pos++]);
        if (len & 0x80) {
            const std::size_t n = len & 0x7F;
            if (n == 0 || n > 4 || In.size() - pos < n)
                return false;
            len = 0;
            for (std::size_t k = 0; k < n; ++k)
                len = (len << 8) | static_cast<std::uint8_t>(In[pos++]);
        }
        if (In.size() - pos < len)
            return false;
        v = In.substr(pos, len);
        In.remove_prefix(pos + len);
        return true;
    }
};

std::int64_t ReadInt(std::string_view v) {
    std::int64_t n = (!v.empty() && (v[0] & 0x80)) ? -1 : 0;
    for (char c : v)
        n = static_cast<std::int64_t>((static_cast<std::uint64_t>(n) << 8) | static_cast<std::uint8_t>(c));
    return n;
}

Oid ReadOid(std::string_view v) {
    Oid out;
    std::uint64_t n = 0;
    for (char c : v) {
        n = (n << 7) | (static_cast<std::uint8_t>(c) & 0x7F);
        if (static_cast<std::uint8_t>(c) & 0x80)
            continue;
        if (out.empty()) {
            const std::uint64_t first = n < 80 ? n / 40 : 2;
            out = {first, n - first * 40};
        } else {
            out.push_back(n);
        }
        n = 0;
    }
    return out;
}

struct Request {
    std::int64_t Version = 0;
    std::string Community;
    std::uint8_t Command = 0;
    std::int64_t RequestId = 0;
    std::int64_t NonRepeaters = 0, MaxRepetitions = 0;
    std::vector<Oid> Names;
};

bool Decode(std::string_view data, Request& r) {
    Reader top{data};
    std::uint8_t tag = 0;
    std::string_view msg, f, pdu, list;
    if (!top.Next(tag, msg) || tag != 0x30)
        return false;
    Reader m{msg};
    if (!m.Next(tag, f) || tag != 0x02)
        return false;
    r.Version = ReadInt(f);
    if (!m.Next(tag, f) || tag != 0x04)
        return false;
    r.Community = std::string(f);
    if (!m.Next(r.Command, pdu))
        return false;
    Reader p{pdu};
    if (!p.Next(tag, f))
        return false;
    r.RequestId = ReadInt(f);
    if (!p.Next(tag, f))
        return false;
    r.NonRepeaters = ReadInt(f);
    if (!p.Next(tag, f))
        return false;
    r.MaxRepetitions = ReadInt(f);
    if (!p.Next(tag, list) || tag != 0x30)
        return false;
    Reader l{list};
    while (!l.In.empty()) {
        std::string_view vb, name;
        if (!l.Next(tag, vb))
            return false;
        Reader v{vb};
        if (!v.Next(tag, name) || tag != 0x06)
            return false;
        r.Names.push_back(ReadOid(name));
    }
    return true;
}

// ---- the objects ----

const Oid kBase = {1, 3, 6, 1, 4, 1, 59371, 99};
const Oid kTable = {1, 3, 6, 1, 4, 1, 59371, 99, 2, 1}; // columns 1 (index), 2 (name), 3 (Gauge32)

struct Options {
    std::string Mode = "honest";
    std::int64_t ErrorStatus = 0;
    std::int64_t ErrorIndex = 0;
    int Rows = 5;
    bool Log = false; // a line per request on stdout: its PDU type (and a GETBULK's max-repetitions)
};
Options gOpt;

Oid Append(Oid o, std::initializer_list<std::uint64_t> tail) {
    o.insert(o.end(), tail);
    return o;
}

// Every object in order; the endless table is served from NextInTable instead.
std::map<Oid, Value> Objects() {
    std::map<Oid, Value> m;
    m[Append(kBase, {1, 1, 0})] = Integer(42);
    m[Append(kBase, {1, 2, 0})] = Octets("rogue");
    m[Append(kBase, {1, 3, 0})] = Unsigned(0x41, 7);
    for (int row = 1; row <= gOpt.Rows; ++row) {
        std::uint64_t index = static_cast<std::uint64_t>(row);
        if (gOpt.Mode == "bigsubid" && row == 4)
            index = 4294967296ull;
        if (gOpt.Mode == "hugesubid" && row == 4)
            index = kHugeSubId;
        const bool sparse = gOpt.Mode == "sparse";
        m[Append(kTable, {1, index})] = Integer(static_cast<std::int64_t>(index));
        if (!(sparse && row == 5))
            m[Append(kTable, {2, index})] = Octets("row-" + std::to_string(index));
        if (!(sparse && (row == 2 || row == 4)))
            m[Append(kTable, {3, index})] = Unsigned(0x42, index * 10);
    }
    return m;
}

std::optional<VarBind> Next(const std::map<Oid, Value>& objects, const Oid& asked) {
    if (gOpt.Mode == "endless") {
        // Column c, row n -> row n+1 of the same column, for ever.
        for (std::uint64_t c = 1; c <= 3; ++c) {
            const Oid col = Append(kTable, {c});
            if (asked < Append(col, {1})) {
                const Oid o = Append(col, {1});
                return VarBind{o, c == 2 ? Octets("row-1") : c == 1 ? Integer(1) : Unsigned(0x42, 10)};
            }
            if (asked.size() == col.size() + 1 && std::equal(col.begin(), col.end(), asked.begin()) &&
                asked.back() < 0xFFFFFFFFull) {
                const std::uint64_t n = asked.back() + 1;
                const Value v = c == 2   ? Octets("row-" + std::to_string(n))
                                : c == 1 ? Integer(static_cast<std::int64_t>(n & 0x7FFFFFFF))
                                         : Unsigned(0x42, n & 0xFFFFFFFF);
                return VarBind{Append(col, {n}), v};
            }
        }
    }
    auto it = objects.upper_bound(asked);
    if (it == objects.end())
        return std::nullopt;
    if (gOpt.Mode == "backwards" && it->first == Append(kTable, {2, 4}))
        return VarBind{Append(kTable, {2, 2}), objects.at(Append(kTable, {2, 2}))};
    return VarBind{it->first, it->second};
}

// ---- answering ----

std::string Encode(const Request& r, std::int64_t status, std::int64_t index,
                   const std::vector<VarBind>& vbs) {
    std::string list;
    for (const VarBind& vb : vbs)
        list += Tlv(0x30, Tlv(0x06, OidContents(vb.Name)) + Tlv(vb.Val.Tag, vb.Val.Bytes));
    const std::string pdu = Tlv(0x02, IntContents(r.RequestId)) + Tlv(0x02, IntContents(status)) +
                            Tlv(0x02, IntContents(index)) + Tlv(0x30, list);
    return Tlv(0x30, Tlv(0x02, IntContents(r.Version)) + Tlv(0x04, r.Community) + Tlv(0xA2, pdu));
}

void Mutate(std::vector<VarBind>& vbs, bool walk) {
    const std::string& m = gOpt.Mode;
    if (walk && m.rfind("walk-", 0) == 0) {
        // From the third row on, an exception instead of the value: no answer to a GET-NEXT.
        const std::uint8_t tag = m == "walk-noSuchObject" ? 0x80 : 0x81;
        for (auto& vb : vbs)
            if (vb.Name.size() == kTable.size() + 2 &&
                std::equal(kTable.begin(), kTable.end(), vb.Name.begin()) && vb.Name.back() >= 3)
                vb.Val = Exception(tag);
    }
    if (m == "wrong-oid") {
        for (auto& vb : vbs)
            vb.Name.back() += 1;
    } else if (m == "fewer" && !vbs.empty()) {
        vbs.pop_back();
    } else if (m == "more" && !vbs.empty()) {
        VarBind extra = vbs.back();
        extra.Name.back() += 1;
        vbs.push_back(extra);
    } else if (m == "swap") {
        std::reverse(vbs.begin(), vbs.end());
    }
    for (auto& vb : vbs) {
        const std::uint8_t t = vb.Val.Tag;
        if (m == "type-string" && t == 0x02)
            vb.Val = Octets("42");
        else if (m == "type-counter64" && (t == 0x41 || t == 0x42))
            vb.Val = Unsigned(0x46, 7);
        else if (m == "type-null" && t < 0x80)
            vb.Val = Value{};
        else if (m == "type-tag" && t < 0x80)
            vb.Val = Value{0x4E, vb.Val.Bytes};
    }
}

std::string Answer(const Request& r) {
    const auto objects = Objects();
    std::vector<VarBind> vbs;
    std::int64_t status = 0, index = 0;
    const bool v1 = r.Version == 0;
    auto noSuchName = [&](std::size_t k) {
        if (status == 0) {
            status = 2;
            index = static_cast<std::int64_t>(k + 1);
        }
    };
    if (r.Command == 0xA0) { // GET
        for (std::size_t k = 0; k < r.Names.size(); ++k) {
            auto it = objects.find(r.Names[k]);
            if (gOpt.Mode.rfind("exception-", 0) == 0) {
                const std::string which = gOpt.Mode.substr(10);
                vbs.push_back({r.Names[k], Exception(which == "noSuchObject"     ? 0x80
                                                     : which == "noSuchInstance" ? 0x81
                                                                                 : 0x82)});
            } else if (it != objects.end()) {
                vbs.push_back({it->first, it->second});
            } else {
                vbs.push_back({r.Names[k], v1 ? Value{} : Exception(0x80)});
                if (v1)
                    noSuchName(k);
            }
        }
    } else if (r.Command == 0xA1 || r.Command == 0xA5) { // GET-NEXT, GETBULK
        const bool bulk = r.Command == 0xA5;
        if (bulk && (gOpt.Mode == "nobulk" || v1))
            return Encode(r, 5, 0, {});
        if (bulk && gOpt.Mode == "toobig" && r.MaxRepetitions > 2)
            return Encode(r, 1, 0, {});
        if (bulk && gOpt.Mode == "badbulk") {
            // Each repetition the same rows again: a bulk reply that goes backwards.
            std::vector<VarBind> same;
            for (int rep = 0; rep < 3; ++rep)
                for (const Oid& o : r.Names)
                    if (auto next = Next(objects, o))
                        same.push_back(*next);
            return Encode(r, 0, 0, same);
        }
        const std::size_t nonRep =
            bulk ? static_cast<std::size_t>(std::clamp<std::int64_t>(r.NonRepeaters, 0, 1000))
                 : r.Names.size();
        const std::int64_t reps = bulk ? std::clamp<std::int64_t>(r.MaxRepetitions, 0, 1000) : 0;
        for (std::size_t k = 0; k < r.Names.size() && k < nonRep; ++k) {
            auto next = Next(objects, r.Names[k]);
            if (next) {
                vbs.push_back(*next);
            } else {
                vbs.push_back({r.Names[k], v1 ? Value{} : Exception(0x82)});
                if (v1)
                    noSuchName(k);
            }
        }
        std::vector<Oid> cursor(
            r.Names.begin() + static_cast<std::ptrdiff_t>(std::min(nonRep, r.Names.size())), r.Names.end());
        for (std::int64_t rep = 0; bulk && rep < reps && !cursor.empty(); ++rep) {
            for (Oid& c : cursor) {
                auto next = Next(objects, c);
                if (next) {
                    vbs.push_back(*next);
                    c = next->Name;
                } else {
                    vbs.push_back({c, Exception(0x82)});
                }
            }
        }
    } else if (gOpt.Mode == "error-status") {
        // A write answered with the chosen error-status, its varbinds echoed.
        for (const Oid& o : r.Names)
            vbs.push_back({o, Value{}});
    } else {
        return Encode(r, 5, 0, {}); // writes are not served
    }
    if (gOpt.Mode == "error-status") {
        status = gOpt.ErrorStatus;
        index = gOpt.ErrorIndex;
    }
    Mutate(vbs, r.Command == 0xA1 || r.Command == 0xA5);
    return Encode(r, status, index, vbs);
}

int Bound(const char* address, std::uint16_t port, sockaddr_in& where) {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    where = {};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    inet_pton(AF_INET, address, &where.sin_addr);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0)
        return -1;
    return fd;
}

void OnSignal(int) {
    gStop = 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string address;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--mode")
            gOpt.Mode = value();
        else if (a == "--error-status")
            gOpt.ErrorStatus = std::strtoll(value().c_str(), nullptr, 10);
        else if (a == "--error-index")
            gOpt.ErrorIndex = std::strtoll(value().c_str(), nullptr, 10);
        else if (a == "--rows")
            gOpt.Rows = std::atoi(value().c_str());
        else if (a == "--log")
            gOpt.Log = true;
        else if (a == "--help") {
            std::puts(
                "usage: qtr5190mx-rogue [--mode MODE] [--error-status N --error-index M] [--rows N] "
                "[--log] ADDRESS:PORT\nmodes: honest spoof spoof-only wrong-oid fewer more swap error-status "
                "type-string type-counter64 type-null type-tag exception-noSuchObject "
                "exception-noSuchInstance exception-endOfMibView walk-noSuchObject walk-noSuchInstance "
                "backwards sparse bigsubid hugesubid endless nobulk toobig badbulk");
            return 0;
        } else
            address = a;
    }
    const auto colon = address.rfind(':');
    if (colon == std::string::npos) {
        std::fprintf(stderr, "qtr5190mx-rogue: ADDRESS:PORT needed\n");
        return 2;
    }
    const std::string host = address.substr(0, colon);
    sockaddr_in self{}, other{};
    const int fd =
        Bound(host.c_str(), static_cast<std::uint16_t>(std::atoi(address.c_str() + colon + 1)), self);
    const int spoofFd = Bound(host.c_str(), 0, other);
    if (fd < 0 || spoofFd < 0) {
        std::fprintf(stderr, "qtr5190mx-rogue: cannot listen on %s\n", address.c_str());
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::printf("qtr5190mx-rogue: listening on udp:%s, mode %s\n", address.c_str(), gOpt.Mode.c_str());
    std::fflush(stdout);
    std::vector<char> buf(65536);
    while (!gStop) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 200) <= 0)
            continue;
        sockaddr_in from{};
        socklen_t fromLen = sizeof from;
        const ssize_t n =
            recvfrom(fd, buf.data(), buf.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
        Request r;
        if (n <= 0 || !Decode(std::string_view(buf.data(), static_cast<std::size_t>(n)), r))
            continue;
        if (gOpt.Log) {
            const char* kind = r.Command == 0xA0   ? "GET"
                               : r.Command == 0xA1 ? "GETNEXT"
                               : r.Command == 0xA5 ? "GETBULK"
                                                   : "OTHER";
            if (r.Command == 0xA5)
                std::printf("%s %lld\n", kind, static_cast<long long>(r.MaxRepetitions));
            else
                std::printf("%s\n", kind);
            std::fflush(stdout);
        }
        const std::string reply = Answer(r);
        if (gOpt.Mode == "spoof" || gOpt.Mode == "spoof-only") {
            // Same request ID, other values, from another port: what an attacker on the path would send.
            Request forged = r;
            forged.Names.clear();
            std::vector<VarBind> vbs;
            for (const Oid& o : r.Names)
                vbs.push_back({o, Octets("spoofed")});
            const std::string fake = Encode(forged, 0, 0, vbs);
            sendto(spoofFd, fake.data(), fake.size(), 0, reinterpret_cast<sockaddr*>(&from), fromLen);
            if (gOpt.Mode == "spoof-only")
                continue;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        sendto(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), fromLen);
    }
    close(fd);
    close(spoofFd);
    return 0;
}
