#pragma once

#include <span>
#include <string_view>

// The device-wide commands of the menu that write one INTEGER at once after a question.
struct TvDeviceCommandRow {
    const char* Target;   // the menu entry's registered target
    const char* ListName; // names the write in the status line
    const char* Question;
    const char* Title;
    const char* Oid; // scalar object; the write goes to Oid + ".0"
    const char* Value;
};

std::span<const TvDeviceCommandRow> DeviceCommands();
// The command of a target, or null.
const TvDeviceCommandRow* FindDeviceCommand(std::string_view target);

// The help page beside the program.
inline constexpr const char* kHelpFileName = "QTR-5190 r4-5 JUN 08 Rnimbro-v9.html";
