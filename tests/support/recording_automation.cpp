#include "recording_automation.h"

#include "runtime_error.h"

namespace support {

namespace {

class RecordedObject final : public platform::AutomationObject {
public:
    using Event = RecordingAutomation::Event;
    using Step = RecordingAutomation::Step;

    RecordedObject(int id, std::unique_ptr<platform::AutomationObject> inner,
                   std::shared_ptr<std::vector<Event>> events)
        : id_(id), inner_(std::move(inner)), events_(std::move(events))
    {
    }
    ~RecordedObject() override { events_->push_back({id_, Step::Release, {}, {}}); }

    QVariant call(QStringView member, const QVariantList &arguments) override
    {
        events_->push_back({id_, Step::Call, member.toString(), arguments});
        return inner_->call(member, arguments);
    }

    void setProperty(QStringView member, const QVariant &value) override
    {
        events_->push_back({id_, Step::Store, member.toString(), {value}});
        inner_->setProperty(member, value);
    }

private:
    int id_;
    std::unique_ptr<platform::AutomationObject> inner_;
    std::shared_ptr<std::vector<Event>> events_;
};

} // namespace

bool RecordingDesktop::openUrl(const QUrl &url)
{
    opened_.push_back(url);
    return opens_;
}

std::unique_ptr<platform::AutomationObject> RecordingAutomation::create(QStringView className)
{
    try {
        auto object = inner_->create(className);
        const int id = ++created_;
        events_->push_back({id, Step::Create, className.toString(), {}});
        return std::make_unique<RecordedObject>(id, std::move(object), events_);
    } catch (...) {
        events_->push_back({0, Step::Create, className.toString(), {}});
        throw;
    }
}

std::unique_ptr<platform::AutomationObject> NoAutomationClasses::create(QStringView)
{
    throw platform::RuntimeError(platform::ErrorNumber::CannotCreateObject);
}

} // namespace support
