#pragma once

#include <QString>

#include <exception>
#include <string>

namespace platform {

// The numbers a user sees in a failure report, one per kind of failure. They
// never change, so a user who reports a failure by its number names the same
// kind of failure in every release.
enum class ErrorNumber : int {
    InvalidCall = 5,
    Overflow = 6,
    DivisionByZero = 11,
    ObjectRequired = 424,
    CannotCreateObject = 429,
    UnsupportedMember = 438,
    AutomationFailed = 440,
    WrongArgumentCount = 450,
    Internal = 51,
};

// The description a report gives when the error brings none of its own: what
// went wrong, in plain Japanese.
QString standardDescription(ErrorNumber number);

// A runtime error: raised by a failing runtime operation, it stops the handler
// where it happened. A handler that armed its error trap catches it; anywhere
// else it is an untrapped failure (see run_handler.h).
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorNumber number, QString description = {});

    ErrorNumber number() const noexcept { return number_; }
    const QString &description() const noexcept { return description_; }
    const char *what() const noexcept override { return utf8_.c_str(); }

private:
    ErrorNumber number_;
    QString description_;
    std::string utf8_;
};

// Runs `body` with the handler's error trap armed: a runtime error raised in it
// goes to `onError` instead of escaping. Anything else still escapes.
template <class Body, class OnError>
void withErrorTrap(Body &&body, OnError &&onError)
{
    try {
        body();
    } catch (const RuntimeError &error) {
        onError(error);
    }
}

} // namespace platform
