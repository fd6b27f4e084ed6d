#pragma once

#include <functional>

namespace desktop {

// Whether a screen reader or another assistive tool is listening now.
bool screenReaderListening();

// For tests: `hook` answers the question from now on, until it is reset with
// an empty one. (QAccessible::setActive only tells Qt's observers: it does
// not make Qt report a listener.)
using ScreenReaderHook = std::function<bool()>;
void setScreenReaderHook(ScreenReaderHook hook);

} // namespace desktop
