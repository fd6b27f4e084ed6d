#include "automation.h"

#include "message_boxes.h"
#include "runtime_error.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace platform {

namespace {

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The browser object. It has no window of its own, so it hands the page to
// the user's default browser when it is made visible, and again whenever it is
// sent to another page while visible, as a visible browser window would show
// it.
class BrowserObject final : public AutomationObject {
public:
    QVariant call(QStringView member, const QVariantList &arguments) override
    {
        if (!sameName(member, u"navigate2"))
            throw RuntimeError(ErrorNumber::UnsupportedMember);
        // Flags, target frame, post data and headers mean nothing to the
        // desktop's browser: only the address is taken.
        if (arguments.size() != 1)
            throw RuntimeError(ErrorNumber::WrongArgumentCount);
        page_ = arguments.front().toString();
        if (visible_)
            showPage();
        return {};
    }

    void setProperty(QStringView member, const QVariant &value) override
    {
        if (!sameName(member, u"Visible"))
            throw RuntimeError(ErrorNumber::UnsupportedMember);
        const bool visible = value.toBool();
        if (visible && !visible_)
            showPage();
        visible_ = visible;
    }

private:
    void showPage() const
    {
        if (page_.isEmpty())
            throw RuntimeError(ErrorNumber::AutomationFailed,
                               QStringLiteral("ブラウザーに表示するページがありません。"));
        const QUrl url(page_);
        if (!url.isValid() || url.isRelative() || !desktop().openUrl(url))
            throw RuntimeError(ErrorNumber::AutomationFailed,
                               QStringLiteral("ページをブラウザーで開けませんでした。\n%1").arg(page_));
    }

    QString page_;
    bool visible_ = false;
};

} // namespace

namespace {

// The classes this runtime can make: only the browser.
class RuntimeClasses final : public AutomationClasses {
public:
    std::unique_ptr<AutomationObject> create(QStringView className) override
    {
        if (!sameName(className, kBrowserClass))
            throw RuntimeError(ErrorNumber::CannotCreateObject);
        return std::make_unique<BrowserObject>();
    }
};

} // namespace

template <>
AutomationClasses &ServiceSlot<AutomationClasses>::defaultInstance()
{
    static RuntimeClasses classes;
    return classes;
}

std::unique_ptr<AutomationObject> createObject(QStringView className)
{
    return ServiceSlot<AutomationClasses>::get().create(className);
}

namespace {

int xdgOpenRuns = 0;

// The xdg-open that Qt's desktop services would hand a page to, or empty
// where they open pages another way (see QtDesktop).
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

void reportPageNotOpened(const QString &address) noexcept
{
    try {
        MessageRequest request{QStringLiteral("ページをブラウザーで開けませんでした。\n"
                                              "下のアドレスをコピーして、ブラウザーに貼り付けてください。\n\n%1")
                                   .arg(address),
                               MessageButtons::Ok,
                               MessageIcon::Warning,
                               {}};
        request.selectableText = true;
        messageBoxes().show(request);
    } catch (...) {
        // A report that cannot be shown must not take the program down with it.
    }
}

// Runs xdg-open on `url` and reports a non-zero ending once it comes; false
// when xdg-open cannot be started.
bool openWithXdgOpen(const QString &program, const QUrl &url)
{
    const QString address = url.toString(QUrl::FullyEncoded);
    // Not owned by the application: ending the program does not stop a page
    // that is still being opened.
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments({address});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
#if defined(Q_OS_UNIX)
    // A session of its own, so the browser it starts outlives the program's
    // terminal as a browser started by the desktop does.
    process->setChildProcessModifier([] { ::setsid(); });
#endif
    QObject::connect(process, &QProcess::finished, process,
                     [process, address](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             reportPageNotOpened(address);
                         --xdgOpenRuns;
                         process->deleteLater();
                     });
    process->start();
    // Waits only until xdg-open has been executed or has failed to be, as
    // long as Qt's own start of it takes; its ending comes through the event
    // loop.
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    ++xdgOpenRuns;
    return true;
}

} // namespace

bool QtDesktop::openUrl(const QUrl &url)
{
    const QString xdgOpen = xdgOpenProgram();
    if (!xdgOpen.isEmpty())
        return openWithXdgOpen(xdgOpen, url);
    return QDesktopServices::openUrl(url);
}

template <>
Desktop &ServiceSlot<Desktop>::defaultInstance()
{
    static QtDesktop desktop;
    return desktop;
}

} // namespace platform
