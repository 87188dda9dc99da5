#pragma once

#include "values/TvOptionList.h"

// Option lists that several menu areas share. Each exists once; descriptor rows borrow them.

extern const TvOptionList optEnabledDisabled;
extern const TvOptionList optTruthValue;
extern const TvOptionList optOtherStart;
extern const TvOptionList optNoneStart;
extern const TvOptionList optRowStatus;
extern const TvOptionList optPowerStatus;
extern const TvOptionList optDisabledEnabled;
extern const TvOptionList optAclOwner;
extern const TvOptionList optAclPermit;
extern const TvOptionList optEnableDisable;
extern const TvOptionList optCpuAclPermit;
extern const TvOptionList optUpDown;
extern const TvOptionList optRowStatusFull;
extern const TvOptionList optStorageType;
extern const TvOptionList optSecurityLevel;
extern const TvOptionList optIncludedExcluded;
extern const TvOptionList optAuthorized;
extern const TvOptionList optOtherDisabledEnabled;
extern const TvOptionList optDisabledEnabledFrom1;
extern const TvOptionList optEnableDisableFrom2;
extern const TvOptionList optDisableEnableFrom2;
extern const TvOptionList optRowStatusPause;
extern const TvOptionList optEntryStatus;
extern const TvOptionList optActiveNotInService;
