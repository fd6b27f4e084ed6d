#pragma once

#include "runtime_error.h"

#include <QObject>

#include <exception>

namespace platform {

// Tells the user that a handler failed and what failed, in a message box with
// the critical icon. The program keeps running: ending the process would throw
// away what the user typed.
void reportUntrappedFailure(const RuntimeError &error) noexcept;

// The text of that report: the error's number and description.
QString untrappedFailureText(const RuntimeError &error);

// Runs one event handler. A runtime error that escapes it is an untrapped
// failure: the handler stops where it failed, the failure is reported, and the
// event loop goes on. Nothing escapes into Qt's event dispatch.
template <class Handler>
void runHandler(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        reportUntrappedFailure(error);
    } catch (const std::exception &error) {
        reportUntrappedFailure(RuntimeError(ErrorNumber::Internal, QString::fromUtf8(error.what())));
    }
}

// Runs `handler` as an event handler (see runHandler) each time `sender`
// emits `signal`, for as long as the sender lives.
template <class Sender, class Signal, class Handler>
void onEvent(Sender *sender, Signal signal, Handler handler)
{
    QObject::connect(sender, signal, sender, [handler = std::move(handler)] { runHandler(handler); });
}

} // namespace platform
