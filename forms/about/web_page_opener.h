#pragma once

#include <QString>

namespace forms {

// Asks whether the computer is online and, only on Yes, sends a new browser to
// `address` and makes it visible. A browser that cannot be created or sent
// there raises a runtime error; the caller arms no trap for it. A page the
// desktop fails to open only after this has returned is told to the user by
// the desktop (see platform::QtDesktop).
void openWebPage(const QString &address);

} // namespace forms
