#include "screen_reader.h"

#include <QAccessible>

namespace desktop {

namespace {

ScreenReaderHook &screenReaderHook()
{
    static ScreenReaderHook hook;
    return hook;
}

} // namespace

bool screenReaderListening()
{
    if (screenReaderHook())
        return screenReaderHook()();
    return QAccessible::isActive();
}

void setScreenReaderHook(ScreenReaderHook hook)
{
    screenReaderHook() = std::move(hook);
}

} // namespace desktop
