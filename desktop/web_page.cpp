#include "web_page.h"

#include "message_box.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace desktop {

namespace {

// The xdg-open that Qt's desktop services would hand a page to, or empty
// where they open pages another way.
QString xdgOpenProgram()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (QFileInfo::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP"))
        return {};
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
#else
    return {};
#endif
}

bool openWithXdgOpen(const QString &program, const QUrl &url, std::function<void()> failedLater)
{
    // Not owned by the application: ending the program does not stop a page
    // that is still being opened.
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
#if defined(Q_OS_UNIX)
    // A session of its own, so the browser it starts outlives the program's
    // terminal as a browser started by the desktop does.
    process->setChildProcessModifier([] { ::setsid(); });
#endif
    QObject::connect(process, &QProcess::finished, process,
                     [process, failedLater = std::move(failedLater)](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             failedLater();
                         process->deleteLater();
                     });
    process->start();
    // Waits only until xdg-open has been executed or has failed to be; its
    // ending comes through the event loop.
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

void reportNotOpened(QWidget *owner, const QString &address)
{
    Message message{owner,
                    QStringLiteral("ページをブラウザーで開けませんでした。\n"
                                   "下のアドレスをコピーして、ブラウザーに貼り付けてください。\n\n%1")
                        .arg(address),
                    {},
                    false,
                    true,
                    true};
    showMessage(message);
}

// Opens `url` in the user's default browser. Where Qt would hand the page to
// xdg-open (Linux and the other Unix desktops outside a Flatpak or Snap
// sandbox, xdg-open on PATH), Qt reports success as soon as xdg-open has
// started and what becomes of it is lost; so there it runs xdg-open itself,
// waits only for it to start, and calls `failedLater` if it ends with a
// non-zero status. Everywhere else QDesktopServices::openUrl.
bool openInBrowser(const QUrl &url, std::function<void()> failedLater)
{
    const QString xdgOpen = xdgOpenProgram();
    if (!xdgOpen.isEmpty())
        return openWithXdgOpen(xdgOpen, url, std::move(failedLater));
    return QDesktopServices::openUrl(url);
}

PageHook &pageHook()
{
    static PageHook hook;
    return hook;
}

} // namespace

void setPageHook(PageHook hook)
{
    pageHook() = std::move(hook);
}

void openWebPage(QWidget *asking, const QString &address)
{
    // The program never checks the connection itself: the user's answer is
    // the whole check.
    const QString prompt = QChar(u'\n') + QStringLiteral("インターネットに接続していますか？") + QChar(u'\n');
    if (!askYesNo(asking, prompt, QStringLiteral("インターネット接続")))
        return;
    const QPointer<QWidget> owner(asking);
    const QUrl url(address);
    auto failedLater = [owner, address] { reportNotOpened(owner, address); };
    const bool started =
        pageHook() ? pageHook()(url, std::move(failedLater)) : openInBrowser(url, std::move(failedLater));
    if (!started)
        reportNotOpened(asking, address);
}

} // namespace desktop
