#pragma once
// The program's error family. Every failure travels as one of these exceptions, carrying the exact
// text the user is shown; the window catches them in one place and shows them.

#include <stdexcept>
#include <string>

namespace difonik {

// Base of the family: carries the message text, an 8-bit Windows-1250 string.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

// A text position outside the working text.
class ERangeError : public Exception {
public:
    ERangeError() : Exception("Range check error") {}
};

// A list that cannot take another entry.
class EOutOfResources : public Exception {
public:
    EOutOfResources() : Exception("Unable to insert a line") {}
};

// A file to be read cannot be opened.
class EFOpenError : public Exception {
public:
    explicit EFOpenError(const std::string& path) : Exception("Cannot open file " + path) {}
};

// A file cannot be created or opened for writing.
class EFCreateError : public Exception {
public:
    explicit EFCreateError(const std::string& path) : Exception("Cannot create file " + path) {}
};

// A write put fewer bytes into a file than it was given.
class EWriteError : public Exception {
public:
    EWriteError() : Exception("Stream write error") {}
};

// A read failed after the file had been opened.
class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") {}
};

// An operation a control refuses, such as a text area that cannot take a text.
class EInvalidOperation : public Exception {
public:
    explicit EInvalidOperation(const std::string& message) : Exception(message) {}
};

}  // namespace difonik
