#include "SimStore.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <fstream>
#include <sstream>

namespace {

constexpr std::int64_t kMaxFdbCount = 65536;

struct ParseError {
    std::string what;
};

// Splits a data line into tokens; quoted texts keep blanks, "#" outside quotes starts a comment.
std::vector<std::string> tokenize(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        std::string tok;
        if (c == '"') {
            tok += '"';
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char d = line[i++];
                if (d == '\\' && i < line.size()) {
                    tok += line[i++];
                } else if (d == '"') {
                    closed = true;
                    break;
                } else {
                    tok += d;
                }
            }
            if (!closed)
                throw ParseError{"unterminated quoted text"};
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                tok += line[i++];
        }
        out.push_back(tok);
    }
    return out;
}

std::int64_t toInt(const std::string& s) {
    std::size_t pos = 0;
    long long v = 0;
    try {
        v = std::stoll(s, &pos, 10);
    } catch (...) {
        throw ParseError{"not a number: " + s};
    }
    if (pos != s.size())
        throw ParseError{"not a number: " + s};
    return v;
}

SimOid toOid(std::string s) {
    if (!s.empty() && s[0] == '.')
        s.erase(0, 1);
    SimOid out;
    std::stringstream ss(s);
    std::string part;
    while (std::getline(ss, part, '.')) {
        std::int64_t v = toInt(part);
        if (v < 0 || v > 0xFFFFFFFFLL)
            throw ParseError{"bad OID: " + s};
        out.push_back(static_cast<std::uint32_t>(v));
    }
    if (out.size() < 2)
        throw ParseError{"bad OID: " + s};
    return out;
}

std::string toIp(const std::string& s) {
    SimOid parts;
    std::stringstream ss(s);
    std::string part;
    std::string out;
    while (std::getline(ss, part, '.')) {
        std::int64_t v = toInt(part);
        if (v < 0 || v > 255)
            throw ParseError{"bad IP address: " + s};
        out += static_cast<char>(v);
    }
    if (out.size() != 4)
        throw ParseError{"bad IP address: " + s};
    return out;
}

std::string fromHex(const std::string& s) {
    std::string digits;
    for (char c : s)
        if (c != ':' && c != '"')
            digits += c;
    if (digits.size() % 2)
        throw ParseError{"odd number of hex digits: " + s};
    std::string out;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        auto nib = [&](char c) -> int {
            if (c >= '0' && c <= '9')
                return c - '0';
            if (c >= 'a' && c <= 'f')
                return c - 'a' + 10;
            if (c >= 'A' && c <= 'F')
                return c - 'A' + 10;
            throw ParseError{"bad hex digit in " + s};
        };
        out += static_cast<char>(nib(digits[i]) * 16 + nib(digits[i + 1]));
    }
    return out;
}

std::uint8_t toType(const std::string& s, bool& hex) {
    hex = false;
    if (s == "INTEGER")
        return SimType::Integer;
    if (s == "STRING")
        return SimType::OctetString;
    if (s == "HEX") {
        hex = true;
        return SimType::OctetString;
    }
    if (s == "OID")
        return SimType::ObjectId;
    if (s == "IPADDRESS")
        return SimType::IpAddress;
    if (s == "COUNTER32")
        return SimType::Counter32;
    if (s == "GAUGE32")
        return SimType::Gauge32;
    if (s == "TIMETICKS")
        return SimType::TimeTicks;
    if (s == "COUNTER64")
        return SimType::Counter64;
    throw ParseError{"unknown type: " + s};
}

SimValue toValue(std::uint8_t type, bool hex, const std::string& tok) {
    SimValue v;
    v.type = type;
    if (!tok.empty() && tok[0] == '@') {
        v.dynamic = tok;
        return v;
    }
    switch (type) {
    case SimType::Integer:
    case SimType::Gauge32:
    case SimType::TimeTicks:
        v.num = toInt(tok);
        break;
    case SimType::Counter32:
    case SimType::Counter64: {
        auto plus = tok.find('+');
        v.num = toInt(tok.substr(0, plus));
        if (plus != std::string::npos) {
            std::string rate = tok.substr(plus + 1);
            if (!rate.empty() && rate.back() == '~') {
                v.bursty = true;
                rate.pop_back();
            }
            v.rate = static_cast<double>(toInt(rate));
        }
        break;
    }
    case SimType::OctetString:
        if (hex)
            v.bytes = fromHex(tok);
        else
            v.bytes = (!tok.empty() && tok[0] == '"') ? tok.substr(1) : tok;
        break;
    case SimType::ObjectId:
        v.oid = toOid(tok);
        break;
    case SimType::IpAddress:
        v.bytes = toIp(tok);
        break;
    }
    return v;
}

std::shared_ptr<const std::vector<SimRange>> toAllowed(const std::string& tok) {
    if (tok.size() < 2 || tok.front() != '{' || tok.back() != '}')
        throw ParseError{"allowed values must be written {a,b,c..d}: " + tok};
    auto list = std::make_shared<std::vector<SimRange>>();
    std::stringstream ss(tok.substr(1, tok.size() - 2));
    std::string part;
    while (std::getline(ss, part, ',')) {
        auto dots = part.find("..");
        if (dots == std::string::npos)
            list->push_back({toInt(part), toInt(part)});
        else
            list->push_back({toInt(part.substr(0, dots)), toInt(part.substr(dots + 2))});
    }
    return list;
}

bool inRanges(const std::vector<SimRange>& r, std::int64_t v) {
    return std::any_of(r.begin(), r.end(), [v](const SimRange& x) { return v >= x.lo && v <= x.hi; });
}

SimStore::IndexType toIndexType(const std::string& s) {
    using I = SimStore::IndexType;
    if (s == "INTEGER")
        return I::Integer;
    if (s == "IPADDRESS")
        return I::IpAddress;
    if (s == "STRING" || s == "HEX")
        return I::String;
    if (s == "ISTRING" || s == "IHEX")
        return I::ImpliedString;
    if (s == "MAC")
        return I::Mac;
    if (s == "IPV6")
        return I::Ipv6;
    if (s == "OID")
        return I::ObjectId;
    if (s == "IOID")
        return I::ImpliedObjectId;
    throw ParseError{"unknown index type: " + s};
}

void appendIndex(SimOid& out, SimStore::IndexType t, const std::string& tok) {
    using I = SimStore::IndexType;
    switch (t) {
    case I::Integer: {
        std::int64_t v = toInt(tok);
        if (v < 0 || v > 0xFFFFFFFFLL)
            throw ParseError{"index out of range: " + tok};
        out.push_back(static_cast<std::uint32_t>(v));
        break;
    }
    case I::IpAddress:
        for (unsigned char c : toIp(tok))
            out.push_back(c);
        break;
    case I::String:
    case I::ImpliedString: {
        std::string b = (!tok.empty() && tok[0] == '"') ? tok.substr(1) : fromHex(tok);
        if (t == I::String)
            out.push_back(static_cast<std::uint32_t>(b.size()));
        for (unsigned char c : b)
            out.push_back(c);
        break;
    }
    case I::Mac:
    case I::Ipv6: {
        std::string b = fromHex(tok);
        if (b.size() != (t == I::Mac ? 6u : 16u))
            throw ParseError{"wrong index length: " + tok};
        for (unsigned char c : b)
            out.push_back(c);
        break;
    }
    case I::ObjectId:
    case I::ImpliedObjectId: {
        SimOid o = toOid(tok);
        if (t == I::ObjectId)
            out.push_back(static_cast<std::uint32_t>(o.size()));
        out.insert(out.end(), o.begin(), o.end());
        break;
    }
    }
}

SimOid concat(const SimOid& a, std::uint32_t col, const SimOid& inst) {
    SimOid o = a;
    o.push_back(col);
    o.insert(o.end(), inst.begin(), inst.end());
    return o;
}

bool isCounter(std::uint8_t t) {
    return t == SimType::Counter32 || t == SimType::Counter64;
}

} // namespace

SimStore::SimStore() : m_boot(Clock::now()), m_created(Clock::now()), m_bootWall(std::time(nullptr)) {}

double SimStore::elapsed() const {
    return std::chrono::duration<double>(Clock::now() - m_boot).count();
}

namespace {

// Seconds of traffic at the nominal rate that `t` seconds of bursty traffic are worth. Each port (the
// last index arc) has its own period and phase: a burst at four times the rate, a lull at a quarter,
// the rest at the rate itself. Never decreasing, so the counter only grows; 0 at t = 0.
double burstWork(double x, double period) {
    constexpr double burst = 3, lull = 5;
    const double perPeriod = 4 * burst + 0.25 * lull + (period - burst - lull);
    const double whole = std::floor(x / period);
    const double r = x - whole * period;
    return whole * perPeriod + 4 * std::min(r, burst) + 0.25 * std::clamp(r - burst, 0.0, lull) +
           std::max(r - burst - lull, 0.0);
}

} // namespace

double SimStore::burstSeconds(double t, std::uint32_t port) {
    const double period = 17 + port % 7;
    const double phase = 2.3 * port;
    return burstWork(t + phase, period) - burstWork(phase, period);
}

std::uint32_t SimStore::uptimeTicks() const {
    return static_cast<std::uint32_t>(elapsed() * 100.0);
}

bool SimStore::load(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be opened";
        return false;
    }
    std::string line;
    int lineNo = 0;
    Table* table = nullptr;
    bool fdbDone = false;
    try {
        while (std::getline(in, line)) {
            ++lineNo;
            auto tok = tokenize(line);
            if (tok.empty())
                continue;
            const std::string& kw = tok[0];
            if (kw == "community") {
                if (tok.size() != 3 || (tok[2] != "ro" && tok[2] != "rw"))
                    throw ParseError{"expected: community NAME ro|rw"};
                m_communities.push_back({tok[1], tok[2] == "rw"});
            } else if (kw == "user") {
                if (tok.size() != 3 && tok.size() != 5 && tok.size() != 7)
                    throw ParseError{"expected: user NAME [AUTH PASS [PRIV PASS]] ro|rw"};
                SimUser u;
                u.name = tok[1];
                if (tok.size() >= 5) {
                    u.auth = tok[2];
                    u.authPass = tok[3];
                }
                if (tok.size() == 7) {
                    u.priv = tok[4];
                    u.privPass = tok[5];
                }
                if (tok.back() != "ro" && tok.back() != "rw")
                    throw ParseError{"user access must be ro or rw"};
                u.readWrite = tok.back() == "rw";
                m_users.push_back(u);
            } else if (kw == "fdb") {
                if (tok.size() != 2)
                    throw ParseError{"expected: fdb COUNT"};
                if (fdbDone)
                    throw ParseError{"fdb given twice"};
                // Each address is a distinct MAC only up to 65536 (its last two octets count them), and
                // a larger count would take the agent minutes to start.
                const std::int64_t count = toInt(tok[1]);
                if (count < 0 || count > kMaxFdbCount)
                    throw ParseError{"fdb COUNT must be 0 to " + std::to_string(kMaxFdbCount)};
                generateFdb(static_cast<int>(count));
                fdbDone = true;
            } else if (kw == "table") {
                // table ENTRY index T1[,T2...] [rowstatus|entrystatus|adddelete COL]
                if ((tok.size() != 4 && tok.size() != 6) || tok[2] != "index")
                    throw ParseError{
                        "expected: table ENTRY index TYPES [rowstatus|entrystatus|adddelete COLUMN]"};
                SimOid entry = toOid(tok[1]);
                if (m_tables.count(entry))
                    throw ParseError{"table declared twice"};
                Table t;
                t.entry = entry;
                std::stringstream ss(tok[3]);
                std::string part;
                while (std::getline(ss, part, ','))
                    t.index.push_back(toIndexType(part));
                if (tok.size() == 6) {
                    if (tok[4] == "rowstatus")
                        t.kind = StatusKind::RowStatus;
                    else if (tok[4] == "entrystatus")
                        t.kind = StatusKind::EntryStatus;
                    else if (tok[4] == "adddelete")
                        t.kind = StatusKind::AddDelete;
                    else
                        throw ParseError{"expected rowstatus, entrystatus or adddelete"};
                    t.statusColumn = static_cast<std::uint32_t>(toInt(tok[5]));
                }
                table = &m_tables.emplace(entry, t).first->second;
            } else if (kw == "column") {
                // column N TYPE ro|rw|key:K DEFAULT [{allowed}]
                if (!table)
                    throw ParseError{"column outside a table"};
                if (tok.size() < 4)
                    throw ParseError{"expected: column N TYPE ACCESS [DEFAULT] [{allowed}]"};
                Column c;
                std::uint8_t type = toType(tok[2], c.hex);
                if (tok[3].rfind("key:", 0) == 0) {
                    c.key = static_cast<int>(toInt(tok[3].substr(4)));
                    if (c.key < 1 || c.key > static_cast<int>(table->index.size()))
                        throw ParseError{"key component out of range"};
                    c.def.value.type = type;
                } else {
                    if (tok[3] != "ro" && tok[3] != "rw")
                        throw ParseError{"access must be ro, rw or key:N"};
                    if (tok.size() < 5)
                        throw ParseError{"column needs a default value"};
                    c.def.writable = tok[3] == "rw";
                    c.def.value = toValue(type, c.hex, tok[4]);
                    if (tok.size() > 5)
                        c.def.allowed = toAllowed(tok[5]);
                }
                auto n = static_cast<std::uint32_t>(toInt(tok[1]));
                if (n == table->statusColumn && table->kind != StatusKind::None) {
                    c.def.writable = true;
                    c.def.value.type = SimType::Integer;
                }
                table->columns[n] = c;
            } else if (kw == "row") {
                // row IDX... : VALUES of the non-key columns in column order ("-" = absent)
                if (!table)
                    throw ParseError{"row outside a table"};
                auto colon = std::find(tok.begin(), tok.end(), ":");
                if (colon == tok.end())
                    throw ParseError{"row needs \":\" between index and values"};
                std::size_t nIdx = static_cast<std::size_t>(colon - tok.begin()) - 1;
                if (nIdx != table->index.size())
                    throw ParseError{"row has " + std::to_string(nIdx) + " index values, table has " +
                                     std::to_string(table->index.size())};
                SimOid inst;
                for (std::size_t i = 0; i < nIdx; ++i)
                    appendIndex(inst, table->index[i], tok[1 + i]);
                std::vector<SimOid> parts;
                if (!splitIndex(*table, inst, parts))
                    throw ParseError{"bad index"};
                auto vit = colon + 1;
                for (auto& [n, c] : table->columns) {
                    SimOid o = concat(table->entry, n, inst);
                    if (c.key) {
                        if (!m_cells
                                 .emplace(o, SimCell{keyValue(c, parts[static_cast<std::size_t>(c.key - 1)]),
                                                     false,
                                                     {}})
                                 .second)
                            throw ParseError{"object defined twice"};
                        continue;
                    }
                    if (vit == tok.end())
                        throw ParseError{"row has too few values"};
                    if (*vit != "-") {
                        SimCell cell = c.def;
                        cell.value = toValue(cell.value.type, c.hex, *vit);
                        if (!m_cells.emplace(o, cell).second)
                            throw ParseError{"object defined twice"};
                    }
                    ++vit;
                }
                if (vit != tok.end())
                    throw ParseError{"row has too many values"};
            } else {
                // OID TYPE ACCESS VALUE [{allowed}]
                table = nullptr;
                if (tok.size() < 4 || tok.size() > 5)
                    throw ParseError{"expected: OID TYPE ro|rw VALUE [{allowed}]"};
                SimCell cell;
                bool hex = false;
                std::uint8_t type = toType(tok[1], hex);
                if (tok[2] != "ro" && tok[2] != "rw")
                    throw ParseError{"access must be ro or rw"};
                cell.writable = tok[2] == "rw";
                cell.value = toValue(type, hex, tok[3]);
                if (tok.size() == 5)
                    cell.allowed = toAllowed(tok[4]);
                if (!m_cells.emplace(toOid(tok[0]), cell).second)
                    throw ParseError{"object defined twice"};
            }
        }
    } catch (const ParseError& e) {
        error = path + ":" + std::to_string(lineNo) + ": " + e.what;
        return false;
    }
    if (m_communities.empty() && m_users.empty()) {
        error = path + ": declares neither communities nor users";
        return false;
    }
    m_saved = m_cells;
    return true;
}

void SimStore::generateFdb(int count) {
    // dot1dTpFdbTable (index MAC) and dot1qTpFdbTable (index FDB id, MAC), learned addresses.
    Table d;
    d.entry = {1, 3, 6, 1, 2, 1, 17, 4, 3, 1};
    d.index = {IndexType::Mac};
    Table q;
    q.entry = {1, 3, 6, 1, 2, 1, 17, 7, 1, 2, 2, 1};
    q.index = {IndexType::Integer, IndexType::Mac};
    for (int i = 0; i < count; ++i) {
        std::uint32_t h = static_cast<std::uint32_t>(i) * 2654435761u;
        SimOid mac = {0x00,
                      0x1A,
                      0x2B,
                      (h >> 24) & 0xFF,
                      (static_cast<std::uint32_t>(i) >> 8) & 0xFF,
                      static_cast<std::uint32_t>(i) & 0xFF};
        std::int64_t port = i % 24 + 1;
        SimValue macv;
        macv.type = SimType::OctetString;
        for (auto b : mac)
            macv.bytes += static_cast<char>(b);
        SimValue portv;
        portv.num = port;
        SimValue status;
        status.num = 3; // learned
        m_cells[concat(d.entry, 1, mac)] = SimCell{macv, false, {}};
        m_cells[concat(d.entry, 2, mac)] = SimCell{portv, false, {}};
        m_cells[concat(d.entry, 3, mac)] = SimCell{status, false, {}};
        SimOid qi = {1};
        qi.insert(qi.end(), mac.begin(), mac.end());
        m_cells[concat(q.entry, 2, qi)] = SimCell{portv, false, {}};
        m_cells[concat(q.entry, 3, qi)] = SimCell{status, false, {}};
    }
    Column ro;
    d.columns[1] = ro;
    d.columns[2] = ro;
    d.columns[3] = ro;
    q.columns[2] = ro;
    q.columns[3] = ro;
    m_tables[d.entry] = d;
    m_tables[q.entry] = q;
}

const SimStore::Table* SimStore::findTable(const SimOid& oid, std::uint32_t& column, SimOid& instance) const {
    if (oid.size() < 3)
        return nullptr; // no table entry, column and instance in it (and no length to count down from)
    for (std::size_t len = oid.size() - 1; len >= 2; --len) {
        auto it = m_tables.find(SimOid(oid.begin(), oid.begin() + static_cast<std::ptrdiff_t>(len)));
        if (it != m_tables.end()) {
            column = oid[len];
            instance.assign(oid.begin() + static_cast<std::ptrdiff_t>(len) + 1, oid.end());
            return &it->second;
        }
    }
    return nullptr;
}

bool SimStore::splitIndex(const Table& t, const SimOid& inst, std::vector<SimOid>& parts) const {
    parts.clear();
    std::size_t pos = 0;
    for (std::size_t i = 0; i < t.index.size(); ++i) {
        std::size_t n = 0;
        switch (t.index[i]) {
        case IndexType::Integer:
            n = 1;
            break;
        case IndexType::IpAddress:
            n = 4;
            break;
        case IndexType::Mac:
            n = 6;
            break;
        case IndexType::Ipv6:
            n = 16;
            break;
        case IndexType::String:
        case IndexType::ObjectId:
            if (pos >= inst.size())
                return false;
            n = inst[pos] + 1u;
            break;
        case IndexType::ImpliedString:
        case IndexType::ImpliedObjectId:
            n = inst.size() - pos;
            break;
        }
        if (pos + n > inst.size() || n == 0)
            return false;
        parts.emplace_back(inst.begin() + static_cast<std::ptrdiff_t>(pos),
                           inst.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    }
    if (pos != inst.size())
        return false;
    // Octet components must be octets, and strings no longer than a switch accepts.
    for (std::size_t i = 0; i < t.index.size(); ++i) {
        auto k = t.index[i];
        if (k == IndexType::IpAddress || k == IndexType::Mac || k == IndexType::Ipv6 ||
            k == IndexType::String || k == IndexType::ImpliedString) {
            std::size_t from = k == IndexType::String ? 1 : 0;
            if (parts[i].size() - from > 255)
                return false;
            for (std::size_t j = from; j < parts[i].size(); ++j)
                if (parts[i][j] > 255)
                    return false;
        }
    }
    return true;
}

SimValue SimStore::keyValue(const Column& c, const SimOid& part) const {
    SimValue v;
    v.type = c.def.value.type;
    switch (v.type) {
    case SimType::ObjectId:
        v.oid.assign(part.size() > 1 ? part.begin() + 1 : part.begin(), part.end());
        break;
    case SimType::OctetString:
    case SimType::IpAddress: {
        // Length-prefixed strings carry their count first; fixed forms (MAC, IP) do not.
        std::size_t from =
            (v.type == SimType::OctetString && !part.empty() && part[0] == part.size() - 1) ? 1 : 0;
        for (std::size_t i = from; i < part.size(); ++i)
            v.bytes += static_cast<char>(part[i] & 0xFF);
        break;
    }
    default:
        v.num = part.empty() ? 0 : part[0];
    }
    return v;
}

bool SimStore::portUp(int port) const {
    // Links flap now and then: each LED period one port (a different one each time) changes state.
    auto epoch = static_cast<std::uint64_t>(std::chrono::duration<double>(Clock::now() - m_created).count() /
                                            m_ledPeriod);
    bool up = (port <= 20) || port == 25 || port == 26;
    if (static_cast<std::uint64_t>(port) == epoch % 28 + 1)
        up = !up;
    // A port set administratively down (ifAdminStatus 2) or testing (3) has no link.
    const SimOid admin = {1, 3, 6, 1, 2, 1, 2, 2, 1, 7, static_cast<std::uint32_t>(port)};
    if (const auto it = m_cells.find(admin); it != m_cells.end() && it->second.value.num != 1)
        up = false;
    return up;
}

std::string SimStore::ledStatus() const {
    auto epoch = static_cast<std::uint64_t>(std::chrono::duration<double>(Clock::now() - m_created).count() /
                                            m_ledPeriod);
    std::string s;
    s += static_cast<char>(1); // power on
    s += static_cast<char>(3); // console not in use
    s += static_cast<char>(0);
    for (int p = 1; p <= 28; ++p) {
        if (!portUp(p)) {
            s += static_cast<char>(1);
            s += static_cast<char>(0);
            continue;
        }
        std::uint64_t h =
            (epoch * 0x9E3779B97F4A7C15ull) ^ (static_cast<std::uint64_t>(p) * 0xC2B2AE3D27D4EB4Full);
        h ^= h >> 29;
        bool blink = (h & 3) == 0; // traffic on about a quarter of the links
        s += static_cast<char>(blink ? 0x82 : 0x02);
        char colour = 0;
        if (p <= 24)
            colour = (p % 6 == 0) ? 1 : 2; // some 10/100 links (orange), the rest gigabit (green)
        else
            colour = (p == 26) ? 1 : 3;
        s += colour;
    }
    return s;
}

SimValue SimStore::resolve(const SimOid& oid, const SimValue& v) const {
    SimValue r = v;
    if (!v.dynamic.empty()) {
        const std::string& d = v.dynamic;
        if (d == "@uptime") {
            r.num = uptimeTicks();
        } else if (d == "@led") {
            r.bytes = ledStatus();
        } else if (d == "@ifoper") {
            r.num = portUp(static_cast<int>(oid.back())) ? 1 : 2;
        } else if (d == "@snmpstat") {
            r.num = m_statHook ? m_statHook(oid[oid.size() - 2]) : 0;
        } else if (d == "@clock" || d == "@boottime" || d == "@dateandtime") {
            std::time_t t = d == "@boottime" ? static_cast<std::time_t>(m_bootWall) : std::time(nullptr);
            std::tm tm{};
            localtime_r(&t, &tm);
            if (d == "@dateandtime") {
                int year = tm.tm_year + 1900;
                r.bytes = {static_cast<char>(year >> 8),     static_cast<char>(year & 0xFF),
                           static_cast<char>(tm.tm_mon + 1), static_cast<char>(tm.tm_mday),
                           static_cast<char>(tm.tm_hour),    static_cast<char>(tm.tm_min),
                           static_cast<char>(tm.tm_sec),     0};
            } else {
                char buf[64];
                std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
                r.bytes = buf;
            }
        } else if (d == "@uptimetext") {
            auto s = static_cast<long>(elapsed());
            char buf[64];
            std::snprintf(buf, sizeof buf, "%ld days, %02ld:%02ld:%02ld", s / 86400, s / 3600 % 24,
                          s / 60 % 60, s % 60);
            r.bytes = buf;
        } else if (d == "@saveconfig" || d == "@reboot" || d == "@savestate") {
            // Stored number (initial 0 from the data file's "@" value is shown as "other").
            if (r.num == 0)
                r.num = 1;
        }
        if (d == "@savestate" && m_saveDone)
            r.num = 3;
        r.dynamic.clear();
    }
    if (isCounter(r.type) && r.rate > 0) {
        const double t = elapsed();
        double grown = static_cast<double>(r.num) + r.rate * (r.bursty ? burstSeconds(t, oid.back()) : t);
        r.num =
            static_cast<std::int64_t>(std::fmod(grown, r.type == SimType::Counter32 ? 4294967296.0 : 1.8e19));
    }
    if (r.type == SimType::Counter32 || r.type == SimType::Gauge32 || r.type == SimType::TimeTicks)
        r.num &= 0xFFFFFFFF;
    r.rate = 0;
    r.bursty = false;
    return r;
}

SimStore::Lookup SimStore::get(const SimOid& oid, SimValue& out) const {
    auto it = m_cells.find(oid);
    if (it != m_cells.end()) {
        out = resolve(oid, it->second.value);
        return Lookup::Found;
    }
    std::uint32_t col = 0;
    SimOid inst;
    if (const Table* t = findTable(oid, col, inst); t && t->columns.count(col))
        return Lookup::NoSuchInstance;
    if (!oid.empty()) {
        SimOid scalar(oid.begin(), oid.end() - 1);
        scalar.push_back(0);
        if (m_cells.count(scalar))
            return Lookup::NoSuchInstance;
    }
    return Lookup::NoSuchObject;
}

bool SimStore::next(const SimOid& oid, SimOid& nextOid, SimValue& out) const {
    auto it = m_cells.upper_bound(oid);
    if (it == m_cells.end())
        return false;
    nextOid = it->first;
    out = resolve(it->first, it->second.value);
    return true;
}

int SimStore::checkValue(const SimCell& cell, const SimSetVar& v) const {
    std::uint8_t want = cell.value.type;
    bool typeOk = v.type == want || (want == SimType::Counter32 && v.type == SimType::Gauge32);
    if (!typeOk)
        return SimErr::WrongType;
    if (want == SimType::IpAddress && v.bytes.size() != 4)
        return SimErr::WrongLength;
    if (!cell.allowed)
        return SimErr::NoError;
    if (want == SimType::OctetString)
        return inRanges(*cell.allowed, static_cast<std::int64_t>(v.bytes.size())) ? SimErr::NoError
                                                                                  : SimErr::WrongLength;
    if (want == SimType::Integer || want == SimType::Gauge32 || want == SimType::Counter32)
        return inRanges(*cell.allowed, v.num) ? SimErr::NoError : SimErr::WrongValue;
    return SimErr::NoError;
}

bool SimStore::rowExists(const Table& t, const SimOid& inst) const {
    if (t.kind != StatusKind::None)
        return m_cells.count(concat(t.entry, t.statusColumn, inst)) > 0;
    for (auto& [n, c] : t.columns)
        if (m_cells.count(concat(t.entry, n, inst)))
            return true;
    return false;
}

namespace {
bool createsRow(SimStore::StatusKind k, std::int64_t v) {
    switch (k) {
    case SimStore::StatusKind::RowStatus:
        return v == 4 || v == 5;
    case SimStore::StatusKind::AddDelete:
        return v == 1;
    default:
        return v == 3;
    }
}

bool removesRow(SimStore::StatusKind k, std::int64_t v) {
    return k == SimStore::StatusKind::RowStatus ? v == 6 : v == 2;
}
} // namespace

SimSetResult SimStore::check(const std::vector<SimSetVar>& vars) const {
    for (std::size_t i = 0; i < vars.size(); ++i) {
        const SimSetVar& v = vars[i];
        std::uint32_t col = 0;
        SimOid inst;
        const Table* t = findTable(v.oid, col, inst);
        const bool isStatus = t && t->kind != StatusKind::None && col == t->statusColumn;
        auto fail = [i](int s) { return SimSetResult{s, i}; };

        auto it = m_cells.find(v.oid);
        const SimCell* cell = nullptr;
        if (it != m_cells.end()) {
            cell = &it->second;
        } else if (t && t->columns.count(col)) {
            cell = &t->columns.at(col).def;
        } else {
            return fail(SimErr::NoCreation);
        }
        if (!cell->writable)
            return fail(SimErr::NotWritable);
        if (int e = checkValue(*cell, v))
            return fail(e);
        if (it != m_cells.end() && !isStatus)
            continue;

        // Row status column, or a column of a row that does not exist yet.
        if (!t || t->kind == StatusKind::None)
            return fail(SimErr::NoCreation);
        std::vector<SimOid> parts;
        if (!splitIndex(*t, inst, parts))
            return fail(SimErr::NoCreation);
        const bool exists = rowExists(*t, inst);
        if (isStatus) {
            if (t->kind == StatusKind::RowStatus) {
                if (v.num < 1 || v.num > 6 || v.num == 3)
                    return fail(SimErr::WrongValue);
                if (exists && (v.num == 4 || v.num == 5))
                    return fail(SimErr::InconsistentValue);
                if (!exists && (v.num == 1 || v.num == 2))
                    return fail(SimErr::InconsistentValue);
            } else if (t->kind == StatusKind::AddDelete) {
                if (v.num != 1 && v.num != 2)
                    return fail(SimErr::WrongValue);
                if (!exists && v.num == 2)
                    return fail(SimErr::InconsistentValue);
            } else if (v.num != 2 && v.num != 3) {
                return fail(SimErr::WrongValue);
            }
            continue;
        }
        // A new row's columns are accepted only together with the status value that creates it.
        bool created = std::any_of(vars.begin(), vars.end(), [&](const SimSetVar& o) {
            SimOid so = concat(t->entry, t->statusColumn, inst);
            return o.oid == so && o.type == SimType::Integer && createsRow(t->kind, o.num);
        });
        if (!created)
            return fail(exists ? SimErr::NotWritable : SimErr::NoCreation);
    }
    return {};
}

void SimStore::remember(const SimOid& oid) {
    if (!m_touched.insert(oid).second)
        return;
    auto it = m_cells.find(oid);
    m_undo.emplace_back(oid, it == m_cells.end() ? std::nullopt : std::optional<SimCell>(it->second));
}

void SimStore::createRow(const Table& t, const SimOid& inst, std::int64_t status) {
    std::vector<SimOid> parts;
    splitIndex(t, inst, parts);
    for (auto& [n, c] : t.columns) {
        SimOid o = concat(t.entry, n, inst);
        remember(o);
        SimCell cell = c.def;
        if (c.key)
            cell = SimCell{keyValue(c, parts[static_cast<std::size_t>(c.key - 1)]), false, {}};
        if (n == t.statusColumn)
            cell.value.num = status;
        m_cells[o] = cell;
    }
}

void SimStore::destroyRow(const Table& t, const SimOid& inst) {
    for (auto& [n, c] : t.columns) {
        SimOid o = concat(t.entry, n, inst);
        remember(o);
        m_cells.erase(o);
    }
}

void SimStore::store(const SimOid& oid, const SimSetVar& v) {
    remember(oid);
    SimCell& cell = m_cells[oid];
    SimValue& val = cell.value;
    std::uint8_t type = val.type;
    val.num = v.num;
    val.bytes = v.bytes;
    val.oid = v.oidValue;
    val.rate = 0;
    val.type = type;
}

void SimStore::apply(const std::vector<SimSetVar>& vars) {
    // The undo log spans every handler call of one PDU; commit() or undo() ends it.
    // Creations first, then values, then status changes and removals, so one PDU may create and fill a row.
    for (int pass = 0; pass < 3; ++pass) {
        for (const SimSetVar& v : vars) {
            std::uint32_t col = 0;
            SimOid inst;
            const Table* t = findTable(v.oid, col, inst);
            const bool isStatus = t && t->kind != StatusKind::None && col == t->statusColumn;
            if (!isStatus) {
                if (pass == 1)
                    store(v.oid, v);
                continue;
            }
            const bool create = createsRow(t->kind, v.num);
            const bool destroy = removesRow(t->kind, v.num);
            if (pass == 0 && create && !rowExists(*t, inst)) {
                std::int64_t status = t->kind == StatusKind::RowStatus   ? (v.num == 4 ? 1 : 2)
                                      : t->kind == StatusKind::AddDelete ? 1
                                                                         : 3;
                createRow(*t, inst, status);
            } else if (pass == 2 && destroy) {
                destroyRow(*t, inst);
            } else if (pass == 2 && !create && rowExists(*t, inst)) {
                store(v.oid, v);
            }
        }
    }
    for (const SimSetVar& v : vars) {
        auto it = m_cells.find(v.oid);
        if (it == m_cells.end())
            continue;
        if (it->second.value.dynamic == "@saveconfig" && v.num == 3)
            m_savePending = true;
        if (it->second.value.dynamic == "@reboot" && v.num == 1)
            m_rebootPending = true;
    }
}

void SimStore::commit() {
    m_undo.clear();
    m_touched.clear();
    if (m_savePending) {
        m_saved = m_cells;
        m_saveDone = true;
        m_savePending = false;
    }
}

void SimStore::undo() {
    for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it) {
        if (it->second)
            m_cells[it->first] = *it->second;
        else
            m_cells.erase(it->first);
    }
    m_undo.clear();
    m_touched.clear();
    m_rebootPending = false;
    m_savePending = false;
}

void SimStore::reboot() {
    m_cells = m_saved;
    for (auto& [oid, cell] : m_cells)
        if (isCounter(cell.value.type))
            cell.value.num = 0;
    m_boot = Clock::now();
    m_bootWall = std::time(nullptr);
    m_rebootPending = false;
}
