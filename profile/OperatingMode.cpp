#include "profile/OperatingMode.h"

std::string ProgramFolder(const std::string& programFile) {
    const auto slash = programFile.rfind('/');
    return slash == std::string::npos ? std::string() : programFile.substr(0, slash + 1);
}

OperatingMode DecideOperatingMode(const std::string& programFile) {
    std::string folder = ProgramFolder(programFile);
    if (!folder.empty())
        folder.pop_back(); // the program's folder, without its separator
    const auto slash = folder.rfind('/');
    if (slash == std::string::npos)
        return OperatingMode::Suite;
    const std::string parent = folder.substr(0, slash);
    const auto parentSlash = parent.rfind('/');
    const std::string parentName = parentSlash == std::string::npos ? parent : parent.substr(parentSlash + 1);
    return parentName == "tarvo_ems" ? OperatingMode::Standalone : OperatingMode::Suite;
}
