#include "base/TvException.h"
#include "snmp/TvExpression.h"
#include "snmp/TvSNMPVarList.h"

#include <cstdint>
#include <string>

// Any filter either evaluates or raises the program's error; references expand against a small
// list whatever index they name.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        TvExpression::EvaluateLogic(text);
    } catch (const TvException&) {
    }
    TvSNMPVarList list;
    list.AddItem("1.1", "a", 0x02, 0x06);
    list.Item(0).Value = "-3";
    list.AddItem("1.2", "b", 0x4c, 0x06);
    list.Item(1).Value = "x|y$";
    list.AddItem("1.3", "c", 0x43, 0x06);
    list.Item(2).Value = "1 day 0:00:00.00";
    try {
        TvExpression(list).AcceptRow(text);
    } catch (const TvException&) {
    }
    return 0;
}
