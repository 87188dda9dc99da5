#include "catalog/SecurityWindowTables.h"

const TvOptionList optMd5KeyStatus(TvOptionList::kIntegers,
                                   {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}});
const TvOptionList optSslStatus(TvOptionList::kIntegers, {{2, "disabled"}, {3, "enabled"}});
const TvOptionList optAccAuthProtocol(TvOptionList::kIntegers,
                                      {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}});
const TvOptionList optAccRowState(TvOptionList::kIntegers, {{1, "add"}, {2, "delete"}});
const TvOptionList optAclMeterAction(TvOptionList::kIntegers,
                                     {{1, "other"}, {2, "drop-packet"}, {3, "set-drop-precedence"}});

constexpr TvSNMPVarDef tblMd5Keys[] = {
    {"1.3.6.1.4.1.59371.11.69.2.3.4.1.1", "Key ID", synInteger, accIndex | accRead},
    {"1.3.6.1.4.1.59371.11.69.2.3.4.1.2", "Key", synDisplayString, accReadWrite},
    {"1.3.6.1.4.1.59371.11.69.2.3.4.1.3", "Status", synInteger, accReadWrite, &optMd5KeyStatus},
    {},
};

constexpr TvSNMPVarDef tblSslControl[] = {
    {"1.3.6.1.4.1.59371.12.7.1.1", "Status Admin", synInteger, accReadWrite, &optSslStatus},
    {"1.3.6.1.4.1.59371.12.7.1.2", "Cipher Suites", synOctetHex, accReadWrite},
    {"1.3.6.1.4.1.59371.12.7.1.3", "Cache Timeout", synUInteger32, accReadWrite},
    {},
};

constexpr TvSNMPVarDef tblAccServerGroups[] = {
    {"1.3.6.1.4.1.59371.12.5.12.1.1", "Group Name", synDisplayString, accIndex | accRead},
    {"1.3.6.1.4.1.59371.12.5.12.1.2", "IP Addr", synIpAddress, accIndex | accRead},
    {"1.3.6.1.4.1.59371.12.5.12.1.3", "Auth Protocol", synInteger, accIndex | accRead, &optAccAuthProtocol},
    {"1.3.6.1.4.1.59371.12.5.12.1.4", "Row State", synInteger, accReadWrite, &optAccRowState},
    {},
};

constexpr TvSNMPVarDef tblAclMeters[] = {
    {"1.3.6.1.4.1.59371.12.9.6.1.1.1", "ACL Meter Profile ID", synInteger, accIndex | accRead},
    {"1.3.6.1.4.1.59371.12.9.6.1.1.2", "ACL Meter Access ID", synInteger, accIndex | accRead},
    {"1.3.6.1.4.1.59371.12.9.6.1.1.3", "Meter Rate", synInteger, accReadWrite},
    {"1.3.6.1.4.1.59371.12.9.6.1.1.4", "Meter Action For Rate Exceed", synInteger, accReadWrite,
     &optAclMeterAction},
    {},
};
