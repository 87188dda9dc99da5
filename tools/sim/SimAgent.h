#pragma once
// net-snmp master agent serving a SimStore: one handler registered at the root of the tree.

#include "SimStore.h"

#include <string>

struct SimOptions {
    std::string address = "127.0.0.1:16161";
    std::string dataFile;
    std::string engineId; // empty: derived from the port, stable across restarts
    std::vector<SimCommunity> communities;
    std::vector<SimUser> users;
    double ledPeriod = 10;
    bool log = false;
    int delayMs = 0;          // every reply held back this long
    bool logHeld = false;     // with a delay: "HELD count ms" for each reply held back
    bool allowRemote = false; // listening on an address other hosts can reach
    // Notifications: sent to each destination ("host:port") with this version ("1", "2c", "3"), the
    // community (v1, v2c) or the user (v3, one of the agent's), as informs when asked.
    std::vector<std::string> trapTo;
    std::string trapVersion = "2c";
    std::string trapCommunity = "rdcomm";
    std::string trapUser;
    bool trapInform = false;
};

class SimAgent {
public:
    explicit SimAgent(SimStore& store) : m_store(store) {}
    ~SimAgent();
    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    // Sets up net-snmp and opens the UDP port; false with a message on failure.
    bool start(const SimOptions& options, std::string& error);
    // Serves requests until stop is set (by a signal).
    void run(const volatile int& stop);

private:
    SimStore& m_store;
    std::string m_stateDir;
    bool m_started = false;
    int m_delayMs = 0;
    bool m_notify = false;
};
