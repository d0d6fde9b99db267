#pragma once
// Root of the program's exception family. Standard library only, so that the
// arithmetic core can use it without Qt.
#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
public:
    explicit Exception(std::string mensaje) : mensaje_(std::move(mensaje)) {}
    const char* what() const noexcept override { return mensaje_.c_str(); }

private:
    std::string mensaje_;
};

// A text that does not convert to a number or a date; the message is Spanish
// and names the text, ready for the general error report.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
