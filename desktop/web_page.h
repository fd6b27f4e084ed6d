#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace desktop {

// Opens pages in the user's default browser. The program opens pages only
// through one, so tests can record them instead.
class PageOpener {
public:
    virtual ~PageOpener() = default;
    // Starts opening `url`: false if that cannot even start. A failure that
    // shows only later calls `failedLater` from the event loop.
    virtual bool open(const QUrl &url, std::function<void()> failedLater) = 0;
};

// For tests: `opener` opens every page from now on; null puts the desktop's
// back.
void setPageOpener(PageOpener *opener);

// Asks whether the computer is online and, only on Yes, opens `address`. A
// page that cannot be opened, at once or later, is told with its address to
// copy. The boxes are owned by `asking`'s window.
void openWebPage(QWidget *asking, const QString &address);

} // namespace desktop
