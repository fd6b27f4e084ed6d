#pragma once

#include "services.h"

#include <QString>
#include <QStringView>
#include <QUrl>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace platform {

// An object reached by late binding: its members are looked up by name when
// they are used. Member names compare without regard to case, so "Visible",
// "visible" and "VISIBLE" name the same property.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    // Calls a method; a name the object does not have raises error 438.
    virtual QVariant call(QStringView member, const QVariantList &arguments) = 0;
    // Stores a property; a name the object does not have raises error 438.
    virtual void setProperty(QStringView member, const QVariant &value) = 0;
};

// The class of the browser object that the web page opener asks for.
inline constexpr QStringView kBrowserClass = u"InternetExplorer.application";

// Where objects come from, by class name. Tests put a double in its place to
// see every object made and every member used.
class AutomationClasses {
public:
    virtual ~AutomationClasses() = default;
    // A new object of that class; a class it cannot make raises error 429.
    virtual std::unique_ptr<AutomationObject> create(QStringView className) = 0;
};

// The classes this runtime knows, looked up without regard to case. The
// program's own registry knows only the browser class; an empty one stands
// for a machine without a browser.
class ClassRegistry final : public AutomationClasses {
public:
    using Maker = std::function<std::unique_ptr<AutomationObject>()>;

    void add(QString className, Maker make);
    std::unique_ptr<AutomationObject> create(QStringView className) override;

private:
    std::vector<std::pair<QString, Maker>> classes_;
};

template <>
AutomationClasses &ServiceSlot<AutomationClasses>::defaultInstance();

// Creates a new object of `className` with the classes in use.
std::unique_ptr<AutomationObject> createObject(QStringView className);

// The user's desktop: opening a web page in the default browser. The browser
// object reaches the outside world only through it, so tests record pages
// instead of opening them.
class Desktop {
public:
    virtual ~Desktop() = default;
    // False when the desktop could not start opening the page. A failure that
    // shows only later is the desktop's to report.
    virtual bool openUrl(const QUrl &url) = 0;
};

// Opens pages as Qt's desktop services do, and makes sure a failure reaches
// the user. Where those services would hand the page to xdg-open, they report
// success once xdg-open has started, and what becomes of it is lost; so there
// it runs xdg-open itself. Pages open through xdg-open on Linux and the other
// Unix desktops outside a Flatpak or Snap sandbox (where Qt asks the desktop
// portal instead: /.flatpak-info exists or SNAP is set), whenever xdg-open is
// on PATH (Qt's first choice). It waits only for xdg-open to start, and false
// means it could not be started; if xdg-open later ends with a non-zero
// status, a message box, shown from the event loop once the handler that
// opened the page has returned, gives the page's address as text to copy.
// Everywhere else QDesktopServices::openUrl, which reports its own failures.
class QtDesktop final : public Desktop {
public:
    bool openUrl(const QUrl &url) override;
    // xdg-open runs started and not yet ended.
    static int openersRunning();
};

// Opens nothing: records each page and answers with `opens`.
class RecordingDesktop final : public Desktop {
public:
    explicit RecordingDesktop(bool opens = true) : opens_(opens) {}
    bool openUrl(const QUrl &url) override;
    const std::vector<QUrl> &opened() const { return opened_; }

private:
    bool opens_;
    std::vector<QUrl> opened_;
};

template <>
Desktop &ServiceSlot<Desktop>::defaultInstance();

inline Desktop &desktop()
{
    return ServiceSlot<Desktop>::get();
}

// Stands between the program and other classes (by default the runtime's own)
// and writes down, in order, every object it makes, every member used on one
// and every object let go. For tests of callers of objects.
class RecordingAutomation final : public AutomationClasses {
public:
    enum class Step { Create, Call, Store, Release };
    struct Event {
        int object; // counted from 1 in order of creation; 0 for a failed creation
        Step step;
        QString name;        // class name or member name, as the caller gave it
        QVariantList values; // arguments of a call, the value of a store
    };

    // Over the runtime's own classes, whatever is in use.
    RecordingAutomation() : RecordingAutomation(ServiceSlot<AutomationClasses>::defaultInstance()) {}
    explicit RecordingAutomation(AutomationClasses &inner) : inner_(&inner) {}
    std::unique_ptr<AutomationObject> create(QStringView className) override;

    const std::vector<Event> &events() const { return *events_; }

private:
    AutomationClasses *inner_;
    std::shared_ptr<std::vector<Event>> events_ = std::make_shared<std::vector<Event>>();
    int created_ = 0;
};

} // namespace platform
