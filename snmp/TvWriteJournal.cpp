#include "snmp/TvWriteJournal.h"

namespace {

TvWriteJournal* gJournal = nullptr;

} // namespace

void TvWriteJournal::Install(TvWriteJournal* journal) {
    gJournal = journal;
}

TvWriteJournal* TvWriteJournal::Installed() {
    return gJournal;
}
