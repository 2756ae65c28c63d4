#pragma once
// The error object of the program: it carries a message in the ANSI code page.

#include <exception>
#include <string>

namespace framework {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text that is not a number (the run-time's conversion error).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace framework
