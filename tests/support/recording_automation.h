#pragma once

#include "automation.h"

#include <QString>
#include <QStringView>
#include <QUrl>
#include <QVariant>

#include <memory>
#include <vector>

namespace support {

// Opens nothing: records each page and answers with `opens`.
class RecordingDesktop final : public platform::Desktop {
public:
    explicit RecordingDesktop(bool opens = true) : opens_(opens) {}
    bool openUrl(const QUrl &url) override;
    const std::vector<QUrl> &opened() const { return opened_; }

private:
    bool opens_;
    std::vector<QUrl> opened_;
};

// Stands between the program and other classes (by default the runtime's own)
// and writes down, in order, every object it makes, every member used on one
// and every object let go. For tests of callers of objects.
class RecordingAutomation final : public platform::AutomationClasses {
public:
    enum class Step { Create, Call, Store, Release };
    struct Event {
        int object; // counted from 1 in order of creation; 0 for a failed creation
        Step step;
        QString name;        // class name or member name, as the caller gave it
        QVariantList values; // arguments of a call, the value of a store
    };

    // Over the runtime's own classes, whatever is in use.
    RecordingAutomation() : RecordingAutomation(platform::ServiceSlot<platform::AutomationClasses>::defaultInstance())
    {
    }
    explicit RecordingAutomation(platform::AutomationClasses &inner) : inner_(&inner) {}
    std::unique_ptr<platform::AutomationObject> create(QStringView className) override;

    const std::vector<Event> &events() const { return *events_; }

private:
    platform::AutomationClasses *inner_;
    std::shared_ptr<std::vector<Event>> events_ = std::make_shared<std::vector<Event>>();
    int created_ = 0;
};

// A machine without the browser: makes no object at all (error 429).
class NoAutomationClasses final : public platform::AutomationClasses {
public:
    std::unique_ptr<platform::AutomationObject> create(QStringView className) override;
};

} // namespace support
