#pragma once
// Errors as the program reports them: a number and a description.
// Whoever traps one shows ErrorText() in a message box.

#include <QString>
#include <exception>
#include <string>

namespace platform {

enum ErrorNumber : int {
    ErrOverflow = 6,
    ErrSubscriptOutOfRange = 9,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrInputPastEndOfFile = 62,
    ErrPathFileAccess = 75,
    ErrPrinter = 482,
};

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description);
    // One of the fixed numbers above, with its fixed description.
    explicit RuntimeError(int number);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

// The fixed description of one of the numbers above ("Overflow", ...).
QString StandardDescription(int number);

// "Error " & number & ": " & description
QString ErrorText(int number, const QString& description);
QString ErrorText(const RuntimeError& e);

// Runs one step of a set-up whose failure is no reason to stop: a value a
// control or the image refuses leaves it as it was, and the next step runs.
template <typename Step> void Try(Step step) {
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

} // namespace platform
