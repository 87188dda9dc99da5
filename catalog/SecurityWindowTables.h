#pragma once

#include "base/TvSNMPVarDef.h"
#include "values/TvOptionList.h"

// Descriptor tables and option lists of the security and filter windows (MD5 keys, SSL, access-control
// server groups, ACL meters). Each table ends with a row whose Oid is null.

// MD5 key table: Key ID (index), Key, Status. One index column.
extern const TvSNMPVarDef tblMd5Keys[];
// SSL scalars: Status Admin, Cipher Suites (hexadecimal text), Cache Timeout.
extern const TvSNMPVarDef tblSslControl[];
// Access-control server groups: Group Name, IP Addr, Auth Protocol (indexes), Row State. Three index columns.
extern const TvSNMPVarDef tblAccServerGroups[];
// ACL meters: Profile ID, Access ID (indexes), Meter Rate, action. Two index columns.
extern const TvSNMPVarDef tblAclMeters[];

// Item positions in the tables above.
enum TvMd5KeyItem { md5KeyId = 0, md5Key = 1, md5Status = 2 };
enum TvSslItem { sslStatusAdmin = 0, sslCipherSuites = 1, sslCacheTimeout = 2 };
enum TvAccServerItem { accGroupName = 0, accIPAddr = 1, accAuthProtocol = 2, accRowState = 3 };
enum TvAclMeterItem { aclProfileId = 0, aclAccessId = 1, aclMeterRate = 2, aclMeterAction = 3 };

extern const TvOptionList optMd5KeyStatus;    // 1 active, 4 createAndGo, 6 destroy
extern const TvOptionList optSslStatus;       // 2 disabled, 3 enabled
extern const TvOptionList optAccAuthProtocol; // 1 tacacs .. 4 radius
extern const TvOptionList optAccRowState;     // 1 add, 2 delete
extern const TvOptionList optAclMeterAction;  // 1 other, 2 drop-packet, 3 set-drop-precedence
