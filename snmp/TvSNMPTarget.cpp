#include "snmp/TvSNMPTarget.h"

#include "values/TvSecret.h"

TvSNMPTarget::~TvSNMPTarget() {
    for (std::string* secret : {&ReadCommunity, &WriteCommunity, &AuthPassword, &PrivPassword})
        TvSecret::Wipe(*secret);
}
