#include "snmp/TvExpression.h"

#include <cstdint>
#include <string>

// Any text evaluates to a number without failing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    TvExpression::EvaluateNumber(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
