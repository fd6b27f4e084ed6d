#pragma once

#include "service_slot.h"

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
};

template <>
Desktop &ServiceSlot<Desktop>::defaultInstance();

inline Desktop &desktop()
{
    return ServiceSlot<Desktop>::get();
}

} // namespace platform
