#pragma once

#include <string>

class TvWindowHost;
struct TvDeviceCommandRow;

// The device commands of the menu: "Save Changes" and "Reboot" (one write each, after a question) and
// "Help" (the help page in the desktop's browser).
class TvDeviceCommands {
public:
    // Asks the command's question; on Yes writes its value and reports the outcome: the standard
    // status line, with its time, in the host's command panel (where the front panel's poll does not
    // overwrite it), and a message box when the switch did not confirm.
    static void Run(TvWindowHost& host, const TvDeviceCommandRow& command);
    static void SaveConfigClick(TvWindowHost& host);
    static void ResetClick(TvWindowHost& host);
    // Opens the help page beside the program; a missing page or a desktop that cannot show it is
    // reported in a message box.
    static void H1Click(TvWindowHost& host);
    static std::string HelpFile(const std::string& programFile);
};
