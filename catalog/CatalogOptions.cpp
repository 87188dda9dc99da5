#include "catalog/CatalogOptions.h"

const TvOptionList optEnabledDisabled(TvOptionList::kIntegers, {{1, "enabled"}, {2, "disabled"}});
const TvOptionList optTruthValue(TvOptionList::kIntegers, {{1, "true"}, {2, "false"}});
const TvOptionList optOtherStart(TvOptionList::kIntegers, {{1, "other"}, {2, "start"}});
const TvOptionList optNoneStart(TvOptionList::kIntegers, {{1, "none"}, {2, "start"}});
const TvOptionList optRowStatus(TvOptionList::kIntegers, {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}});
const TvOptionList optPowerStatus(
    TvOptionList::kIntegers,
    {{1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"}, {4, "fail"}, {5, "connect"}, {6, "disconnect"}});
const TvOptionList optDisabledEnabled(TvOptionList::kIntegers, {{2, "disabled"}, {3, "enabled"}});
const TvOptionList optAclOwner(TvOptionList::kIntegers,
                               {{1, "any"}, {2, "acl"}, {3, "ipbind"}, {4, "other"}});
const TvOptionList optAclPermit(TvOptionList::kIntegers, {{1, "deny"}, {2, "permit"}, {3, "mirror"}});
const TvOptionList optEnableDisable(TvOptionList::kIntegers, {{1, "enable"}, {2, "disable"}});
const TvOptionList optCpuAclPermit(TvOptionList::kIntegers, {{1, "deny"}, {2, "permit"}});
const TvOptionList optUpDown(TvOptionList::kIntegers, {{1, "up"}, {2, "down"}});
const TvOptionList optRowStatusFull(TvOptionList::kIntegers, {{1, "active"},
                                                              {2, "notInService"},
                                                              {3, "notReady"},
                                                              {4, "createAndGo"},
                                                              {5, "createAndWait"},
                                                              {6, "destroy"}});
const TvOptionList optStorageType(TvOptionList::kIntegers,
                                  {{2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}});
const TvOptionList optSecurityLevel(TvOptionList::kIntegers,
                                    {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}});
const TvOptionList optIncludedExcluded(TvOptionList::kIntegers, {{1, "included"}, {2, "excluded"}});
const TvOptionList optAuthorized(TvOptionList::kIntegers, {{1, "authorized"}, {2, "unauthorized"}});
const TvOptionList optOtherDisabledEnabled(TvOptionList::kIntegers,
                                           {{1, "other"}, {2, "disabled"}, {3, "enabled"}});
const TvOptionList optDisabledEnabledFrom1(TvOptionList::kIntegers, {{1, "disabled"}, {2, "enabled"}});
const TvOptionList optEnableDisableFrom2(TvOptionList::kIntegers, {{2, "enable"}, {3, "disable"}});
const TvOptionList optDisableEnableFrom2(TvOptionList::kIntegers, {{2, "disable"}, {3, "enable"}});
const TvOptionList
    optRowStatusPause(TvOptionList::kIntegers,
                      {{1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}});
const TvOptionList optEntryStatus(TvOptionList::kIntegers, {{2, "invalid"}, {3, "valid"}});
const TvOptionList optActiveNotInService(TvOptionList::kIntegers, {{1, "active"}, {2, "notInService"}});
