#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace desktop {

// For tests: `hook` opens every page from now on in place of the user's
// default browser, until it is reset with an empty one. Like the browser it
// starts opening `url` and returns false if that cannot even start; a failure
// that shows only later calls `failedLater` from the event loop.
using PageHook = std::function<bool(const QUrl &url, std::function<void()> failedLater)>;
void setPageHook(PageHook hook);

// Asks whether the computer is online and, only on Yes, opens `address`. A
// page that cannot be opened, at once or later, is told with its address to
// copy. The boxes are owned by `asking`'s window.
void openWebPage(QWidget *asking, const QString &address);

} // namespace desktop
