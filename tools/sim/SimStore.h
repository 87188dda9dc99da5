#pragma once
// Object store of the simulated switch: every served value in one sorted map, so GET-NEXT is one
// upper_bound however large the tables grow. Free of net-snmp so the agent glue stays thin.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using SimOid = std::vector<std::uint32_t>;

// BER tags, the same numbers the wire uses.
namespace SimType {
constexpr std::uint8_t Integer = 0x02, OctetString = 0x04, ObjectId = 0x06, IpAddress = 0x40,
                       Counter32 = 0x41, Gauge32 = 0x42, TimeTicks = 0x43, Counter64 = 0x46;
}

// PDU error-status values of a refused write.
namespace SimErr {
constexpr int NoError = 0, WrongType = 7, WrongLength = 8, WrongValue = 10, NoCreation = 11,
              InconsistentValue = 12, NotWritable = 17, InconsistentName = 18;
}

struct SimRange {
    std::int64_t lo = 0, hi = 0;
};

struct SimValue {
    std::uint8_t type = SimType::Integer;
    std::int64_t num = 0; // Integer, Counter32/64, Gauge32, TimeTicks
    double rate = 0;      // counters: growth per second since boot
    bool bursty = false;  // counters: traffic comes in bursts and lulls around that rate
    std::string bytes;    // OctetString, IpAddress (4 octets)
    SimOid oid;           // ObjectId
    std::string dynamic;  // "@name": computed when read
};

struct SimCell {
    SimValue value;
    bool writable = false;
    std::shared_ptr<const std::vector<SimRange>> allowed; // values (integers) or sizes (strings)
};

struct SimSetVar {
    SimOid oid;
    std::uint8_t type = 0;
    std::int64_t num = 0;
    std::string bytes;
    SimOid oidValue;
};

struct SimSetResult {
    int status = SimErr::NoError;
    std::size_t index = 0; // varbind that failed
};

struct SimUser {
    std::string name, auth, authPass, priv, privPass;
    bool readWrite = false;
};

struct SimCommunity {
    std::string name;
    bool readWrite = false;
};

class SimStore {
public:
    enum class IndexType { Integer, IpAddress, String, ImpliedString, Mac, Ipv6, ObjectId, ImpliedObjectId };
    // AddDelete: 1 adds the row (or keeps it), 2 removes it, as in group membership tables.
    enum class StatusKind { None, RowStatus, EntryStatus, AddDelete };
    enum class Lookup { Found, NoSuchObject, NoSuchInstance };

    struct Column {
        SimCell def;
        int key = 0; // > 0: read-only copy of that index component
        bool hex = false;
    };
    struct Table {
        SimOid entry;
        std::vector<IndexType> index;
        StatusKind kind = StatusKind::None;
        std::uint32_t statusColumn = 0;
        std::map<std::uint32_t, Column> columns;
    };

    SimStore();

    // Reads the data file; on failure returns false with "file:line: reason" in error.
    bool load(const std::string& path, std::string& error);

    Lookup get(const SimOid& oid, SimValue& out) const;
    // First object after oid; false at the end of the store.
    bool next(const SimOid& oid, SimOid& nextOid, SimValue& out) const;

    // Write in the agent's phases: check everything, apply with an undo log, then keep or roll back.
    SimSetResult check(const std::vector<SimSetVar>& vars) const;
    void apply(const std::vector<SimSetVar>& vars);
    void commit();
    void undo();

    // Restores the saved configuration, zeroes counters and restarts the uptime.
    void reboot();
    bool rebootRequested() const { return m_rebootPending; }

    std::uint32_t uptimeTicks() const;
    // Worth in seconds at the nominal rate of `t` seconds of bursty traffic on `port`.
    static double burstSeconds(double t, std::uint32_t port);
    std::string ledStatus() const;
    // The link of a port (1 to 28): flapping now and then, and down while ifAdminStatus is not up (1).
    bool portUp(int port) const;

    void setLedPeriod(double seconds) { m_ledPeriod = seconds > 0.05 ? seconds : 0.05; }
    // Supplies values of "@snmpstat" objects (the agent's own SNMP counters).
    void setStatHook(std::function<std::uint32_t(std::uint32_t arc)> hook) { m_statHook = std::move(hook); }

    const std::vector<SimUser>& users() const { return m_users; }
    const std::vector<SimCommunity>& communities() const { return m_communities; }
    std::size_t size() const { return m_cells.size(); }

private:
    using Clock = std::chrono::steady_clock;

    const Table* findTable(const SimOid& oid, std::uint32_t& column, SimOid& instance) const;
    bool splitIndex(const Table& t, const SimOid& instance, std::vector<SimOid>& parts) const;
    SimValue keyValue(const Column& c, const SimOid& part) const;
    SimValue resolve(const SimOid& oid, const SimValue& v) const;
    int checkValue(const SimCell& cell, const SimSetVar& v) const;
    bool rowExists(const Table& t, const SimOid& instance) const;
    void createRow(const Table& t, const SimOid& instance, std::int64_t status);
    void destroyRow(const Table& t, const SimOid& instance);
    void remember(const SimOid& oid);
    void store(const SimOid& oid, const SimSetVar& v);
    void generateFdb(int count);
    double elapsed() const;

    std::map<SimOid, SimCell> m_cells;
    std::map<SimOid, Table> m_tables;  // by entry OID
    std::map<SimOid, SimCell> m_saved; // configuration kept by "save"
    std::vector<std::pair<SimOid, std::optional<SimCell>>> m_undo;
    std::set<SimOid> m_touched;
    std::vector<SimUser> m_users;
    std::vector<SimCommunity> m_communities;
    Clock::time_point m_boot;
    Clock::time_point m_created;
    std::int64_t m_bootWall = 0;
    double m_ledPeriod = 10;
    bool m_rebootPending = false;
    bool m_savePending = false;
    bool m_saveDone = false;
    std::function<std::uint32_t(std::uint32_t)> m_statHook;
};
