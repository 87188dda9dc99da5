#include "guibase/TvWindowHost.h"

#include "catalog/TvMenuTree.h"
#include "guibase/TvText.h"

QString TvWindowHost::EntryCaption(const TvMenuNode& entry) const {
    return entry.WindowCaption ? FromBytes(entry.WindowCaption + Connection().AgentIP) : QString();
}
