#include "catalog/TvDisruptiveWrites.h"

namespace {

constexpr TvDisruptiveVar kDisruptive[] = {
    {"1.3.6.1.4.1.59371.12.1.2.3", "restarts the switch; the connection drops until it is back", "no-reset"},
    {"1.3.6.1.4.1.59371.12.1.2.20",
     "resets the configuration to factory defaults or restarts the switch; the connection drops", "none"},
    {"1.3.6.1.4.1.59371.12.1.2.11.1", "erases every learned entry of the forwarding table", "other"},
    {"1.3.6.1.4.1.59371.12.1.2.12.1", "erases every entry of the ARP table", "other"},
    {"1.3.6.1.4.1.59371.12.23.1.5", "erases every learned IP-MAC binding entry", "other"},
    {"1.3.6.1.4.1.59371.12.23.3.2.1.6", "erases the learned IP-MAC binding entries of the port", "other"},
    {"1.3.6.1.4.1.59371.12.38.3.4.1.7", "releases the address of this DHCP binding", "none"},
    {"1.0.8802.1.1.1.1.1.2.1.4", "restarts 802.1X authentication of the port; its clients log in again",
     "false"},
};

} // namespace

std::span<const TvDisruptiveVar> TvDisruptiveWrites::All() {
    return kDisruptive;
}

const TvDisruptiveVar* TvDisruptiveWrites::Find(std::string_view oid) {
    for (const TvDisruptiveVar& v : kDisruptive)
        if (oid == v.Oid)
            return &v;
    return nullptr;
}
