#pragma once

#include <stdexcept>
#include <string>

// The one error exception of the program: a catalog message and its negative program code
// (the code travels where the original carried the help context).
class TvException : public std::runtime_error {
public:
    TvException(const std::string& message, int code) : std::runtime_error(message), code_(code) {}

    int Code() const noexcept { return code_; }
    std::string Message() const { return what(); }

private:
    int code_;
};
