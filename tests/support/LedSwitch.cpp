#include "support/LedSwitch.h"

#include "snmp/TvSNMPRequest.h"
#include "values/TvValueText.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

std::string HexDigits(const std::string& octets) {
    std::string out;
    char buf[4];
    for (unsigned char c : octets) {
        std::snprintf(buf, sizeof buf, "%02X", c);
        out += buf;
    }
    return out;
}

void Write(std::uint16_t port, const std::string& oid, int syntax, int itemType, const std::string& value) {
    TvSNMPRequest r;
    r.Target.Address = "127.0.0.1";
    r.Target.Port = port;
    r.Target.Version = 1;
    r.Target.ReadCommunity = "rdcomm";
    r.Target.WriteCommunity = "wrtcomm";
    r.Target.Timeout = 100;
    r.VarList.ItemType = static_cast<std::uint8_t>(itemType);
    if (itemType == TvSNMPVarList::itInstance)
        r.VarList.Instance = "1";
    r.VarList.AddItem(oid, "value", syntax, accReadWrite);
    r.VarList.Item(0).Value = value;
    r.Set();
}

} // namespace

bool LedSwitch::Start(const std::string& leds, int rmonState) {
    static int serial = 0;
    dataFile_ = (std::filesystem::temp_directory_path() /
                 ("qtr-ledswitch-" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".data"))
                    .string();
    std::ofstream out(dataFile_);
    out << "community rdcomm ro\ncommunity wrtcomm rw\n"
        << kLedOid << ".1 HEX rw " << HexDigits(leds) << "\n";
    if (rmonState >= 0)
        out << kRmonOid << ".0 INTEGER rw " << rmonState << "\n";
    out.close();
    if (!out) {
        error_ = "cannot write " + dataFile_;
        return false;
    }
    return sim_.Start({"--data", dataFile_});
}

LedSwitch::~LedSwitch() {
    sim_.Stop();
    if (!dataFile_.empty()) {
        std::error_code ec;
        std::filesystem::remove(dataFile_, ec);
    }
}

void LedSwitch::SetLeds(const std::string& octets) {
    Write(Port(), kLedOid, synOctetHex, TvSNMPVarList::itInstance, TvValueText::OctetsToHex(octets));
}

void LedSwitch::SetRmonState(int state) {
    Write(Port(), kRmonOid, synInteger, TvSNMPVarList::itScalars, std::to_string(state));
}
