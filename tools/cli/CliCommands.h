#pragma once

#include "CliDispatcher.h"

// Subcommands, one source file each.
int CmdCatalog(const CliContext& ctx);
int CmdGet(const CliContext& ctx);
int CmdWalk(const CliContext& ctx);
int CmdSet(const CliContext& ctx);
int CmdShow(const CliContext& ctx);
int CmdJournal(const CliContext& ctx);
int CmdListen(const CliContext& ctx);
int CmdSnapshot(const CliContext& ctx);
int CmdDiff(const CliContext& ctx);
