#pragma once

#include "CliDispatcher.h"

// Subcommands, one source file each.
int CmdCatalog(const CliContext& ctx);
