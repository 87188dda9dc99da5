#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "profile/ConnectionTexts.h"

// How a sibling program of the suite is started for a menu entry: the program, found through the
// executable search path, and its parameters, each one a separate argument so that blanks in
// communities or passwords survive.
struct SiblingCommand {
    std::string Program;
    std::vector<std::string> Arguments; // the last one is the empty trailing parameter

    // The command line as one text: program and parameters joined by blanks.
    std::string Text() const;
};

// The program named by a table argument: the text from its third character up to the first "_"
// ("/TLayer3_OSPF" names "Layer3"); empty when there is none.
std::string SiblingProgram(std::string_view argument);

// The program, " /I" and the address; under SNMPv3 (version "3") the port, version, context engine ID,
// security model, user, level, protocols, passwords and context name; otherwise the communities; then
// the table argument and an empty parameter.
SiblingCommand BuildSiblingCommand(const ConnectionTexts& connection, std::string_view argument);
