#include "profile/SiblingCommandLine.h"

std::string SiblingCommand::Text() const {
    std::string text = Program;
    for (const std::string& a : Arguments)
        text += ' ' + a;
    return text;
}

std::string SiblingProgram(std::string_view argument) {
    if (argument.size() <= 2)
        return {};
    const size_t end = argument.find('_', 2);
    return std::string(argument.substr(2, end == std::string_view::npos ? std::string_view::npos : end - 2));
}

SiblingCommand BuildSiblingCommand(const ConnectionTexts& c, std::string_view argument) {
    SiblingCommand cmd{SiblingProgram(argument), {"/I" + c.AgentIP}};
    auto add = [&cmd](const char* option, const std::string& value) {
        cmd.Arguments.push_back(option + value);
    };
    if (c.Version == "3") {
        add("/t", c.AgentPort);
        add("/v", c.Version);
        add("/d", c.ContextEngineID);
        add("/m", c.SecurityModel);
        add("/n", c.SecurityName);
        add("/l", c.SecurityLevel);
        add("/a", c.AuthProtocol);
        add("/p", c.PrivProtocol);
        add("/A", c.AuthPassword);
        add("/P", c.PrivPassword);
        add("/c", c.ContextName);
    } else {
        add("/R", c.GetCommStr);
        add("/W", c.SetCommStr);
    }
    cmd.Arguments.emplace_back(argument);
    cmd.Arguments.emplace_back();
    return cmd;
}
