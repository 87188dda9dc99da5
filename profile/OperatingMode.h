#pragma once

#include <string>

// Where the program is installed decides where the device profiles lie and whether the SNMP settings
// dialog is offered.
enum class OperatingMode {
    Standalone, // program folder lies directly in a folder named exactly "tarvo_ems"; profiles beside it
    Suite,      // anywhere else; profiles under the suite's installation folder
};

// Mode for the program file at `programFile` (an absolute path).
OperatingMode DecideOperatingMode(const std::string& programFile);

// The folder holding `programFile`, with its trailing "/".
std::string ProgramFolder(const std::string& programFile);
