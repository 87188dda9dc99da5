#include "snmp/TvBerReply.h"
#include "snmp/TvSNMPRequest.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr TvSNMPVarDef kTable[] = {
    {"1.3.6.1.4.1.59371.99.2.1.1", "Index", 0x02, 0x01},
    {"1.3.6.1.4.1.59371.99.2.1.2", "Name", 0x4c, 0x02},
    {"1.3.6.1.4.1.59371.99.2.1.3", "Key", 0x49, 0x02},
    {nullptr},
};
constexpr TvSNMPVarDef kScalars[] = {
    {"1.3.6.1.2.1.1.3", "Up", 0x43, 0x02},
    {"1.3.6.1.2.1.1.5", "Name", 0x4c, 0x02},
    {nullptr},
};

} // namespace

// A datagram as the agent might send it, decoded and handed to the code that stores a reply: for a
// scalar read, a first table step and a continuation. Whatever arrives, the outcome is a code with a
// message, and a success stores exactly the items asked for.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    TvBerReply ber;
    if (!ber.Decode(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    TvSNMPReply reply;
    reply.FromAgent = true;
    reply.ErrorStatus = ber.ErrorStatus;
    reply.ErrorIndex = static_cast<int>(ber.ErrorIndex & 0xFFFF);
    reply.VarBinds = ber.VarBinds;
    const int status =
        ber.ErrorStatus >= 0 && ber.ErrorStatus <= 18 ? static_cast<int>(ber.ErrorStatus) : 100000;
    struct Case {
        const TvSNMPVarDef* table;
        int itemType;
        TvPduKind kind;
        std::vector<TvVarBind> sent;
    };
    const Case cases[] = {
        {kScalars, 0, TvPduKind::Get, {{"1.3.6.1.2.1.1.3.0", {}}, {"1.3.6.1.2.1.1.5.0", {}}}},
        {kTable,
         2,
         TvPduKind::GetNext,
         {{"1.3.6.1.4.1.59371.99.2.1.2", {}}, {"1.3.6.1.4.1.59371.99.2.1.3", {}}}},
        {kTable,
         2,
         TvPduKind::GetNext,
         {{"1.3.6.1.4.1.59371.99.2.1.2.5", {}}, {"1.3.6.1.4.1.59371.99.2.1.3.5", {}}}},
    };
    for (const Case& c : cases) {
        TvSNMPRequest request;
        request.Target.Version = static_cast<std::int8_t>(ber.Version);
        request.VarList.Assign(TvSNMPVarList(c.table, c.itemType, c.itemType == 2 ? 1 : 0));
        const TvSNMPError e = request.AcceptReply(c.kind, c.sent, status, reply, true);
        if (e.Message.empty())
            std::abort();
        if (e.Code == 0 && c.itemType == 0 && reply.VarBinds.size() != c.sent.size())
            std::abort();
    }
    return 0;
}
