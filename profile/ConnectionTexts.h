#pragma once

#include <string>

// The main window's text copy of the connection settings, named after the device profile keys.
// Numbers are the decimal text of the session codes. Used for captions, sibling command lines and
// the SNMP settings dialog.
struct ConnectionTexts {
    std::string AgentIP;
    std::string AgentPort;
    std::string Version;
    std::string GetCommStr;
    std::string SetCommStr;
    std::string SecurityModel;
    std::string SecurityLevel;
    std::string SecurityName;
    std::string AuthProtocol;
    std::string PrivProtocol;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string ContextEngineID;
    std::string ContextName;

    // Copies every session setting from the globals.
    void CopyFromSession();

    bool operator==(const ConnectionTexts&) const = default;
};
