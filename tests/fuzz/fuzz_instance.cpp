#include "base/TvException.h"
#include "snmp/TvSNMPVarList.h"
#include "values/TvValueText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const int kSyntaxes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x43, 0x44,
                         0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x4b, 0x4c, 0x4d, 0x99};

} // namespace

// The first byte picks up to three key columns (syntax and IMPLIED), the rest is an instance text.
// Decoding never reads beyond the instance and never leaves more than it had; encoding the
// decoded keys never fails hard.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    TvSNMPVarList list;
    list.ItemType = TvSNMPVarList::itTable;
    list.KeyCount = 1 + data[0] % 3;
    for (int k = 0; k < list.KeyCount; ++k) {
        const int syntax = kSyntaxes[data[1 + k] % (sizeof kSyntaxes / sizeof kSyntaxes[0])];
        const int access = data[1 + k] & 0x80 ? 0x41 : 0x01;
        list.AddItem("1.3.6.1.4.1.59371.1." + std::to_string(k + 1), "key", syntax, access);
    }
    std::string rest(reinterpret_cast<const char*>(data + 4), size - 4);
    try {
        for (int k = 0; k < list.KeyCount; ++k) {
            const std::string next = list.DecodeKey(k, rest);
            if (TvValueText::TextToOid(next).size() > TvValueText::TextToOid(rest).size())
                std::abort();
            rest = next;
        }
    } catch (const TvException&) {
    }
    for (int k = 0; k < list.KeyCount; ++k) {
        try {
            list.EncodeKey(k);
            list.MakeVarbind(k);
        } catch (const TvException&) {
        }
    }
    try {
        list.RowIndex();
    } catch (const TvException&) {
    }
    return 0;
}
