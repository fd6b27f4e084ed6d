#pragma once

#include <optional>

namespace desktop {

// Whether a screen reader or another assistive tool is listening now.
bool screenReaderListening();

// For tests: `answer` is the answer from now on; nullopt gives the question
// back to Qt. (QAccessible::setActive only tells Qt's observers: it does not
// make Qt report a listener.)
void setScreenReaderListening(std::optional<bool> answer);

} // namespace desktop
