#include "automation.h"
#include "recording_automation.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

using platform::AutomationObject;
using platform::ErrorNumber;
using platform::RuntimeError;
using support::RecordingAutomation;

const QString kPage = QStringLiteral("https://example.jp/");

std::optional<ErrorNumber> errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return std::nullopt;
}

class BrowserObjectTest : public ::testing::Test {
protected:
    std::unique_ptr<AutomationObject> browser() { return platform::createObject(platform::kBrowserClass); }

    support::RecordingDesktop desktop_;
    platform::ServiceSlot<platform::Desktop>::Override useDesktop_{desktop_};
};

TEST_F(BrowserObjectTest, ClassNamesCompareWithoutRegardToCase)
{
    const struct {
        const char *name;
        std::optional<ErrorNumber> expected;
    } rows[] = {
        {"InternetExplorer.application", std::nullopt},
        {"INTERNETEXPLORER.APPLICATION", std::nullopt},
        {"internetexplorer.Application", std::nullopt},
        {"InternetExplorer.application.1", ErrorNumber::CannotCreateObject},
        {" InternetExplorer.application", ErrorNumber::CannotCreateObject},
        {"Shell.Application", ErrorNumber::CannotCreateObject},
        {"", ErrorNumber::CannotCreateObject},
    };
    for (const auto &row : rows) {
        std::unique_ptr<AutomationObject> object;
        EXPECT_EQ(errorOf([&] { object = platform::createObject(QString::fromUtf8(row.name)); }), row.expected)
            << row.name;
        EXPECT_EQ(object != nullptr, !row.expected.has_value()) << row.name;
    }
}

TEST_F(BrowserObjectTest, MembersCompareWithoutRegardToCaseAndUnknownOnesRaise438)
{
    const struct {
        const char *what;
        std::function<void(AutomationObject &)> use;
        std::optional<ErrorNumber> expected;
    } rows[] = {
        {"navigate2", [](AutomationObject &o) { o.call(u"navigate2", {kPage}); }, std::nullopt},
        {"NAVIGATE2", [](AutomationObject &o) { o.call(u"NAVIGATE2", {kPage}); }, std::nullopt},
        {"Navigate2 without address", [](AutomationObject &o) { o.call(u"Navigate2", {}); },
         ErrorNumber::WrongArgumentCount},
        {"Navigate2 with flags",
         [](AutomationObject &o) {
             o.call(u"Navigate2", {kPage, 0});
         },
         ErrorNumber::WrongArgumentCount},
        {"Navigate", [](AutomationObject &o) { o.call(u"Navigate", {kPage}); }, ErrorNumber::UnsupportedMember},
        {"Quit", [](AutomationObject &o) { o.call(u"Quit", {}); }, ErrorNumber::UnsupportedMember},
        {"Visible called", [](AutomationObject &o) { o.call(u"Visible", {true}); }, ErrorNumber::UnsupportedMember},
        {"visible stored false", [](AutomationObject &o) { o.setProperty(u"visible", false); }, std::nullopt},
        {"navigate2 stored", [](AutomationObject &o) { o.setProperty(u"navigate2", kPage); },
         ErrorNumber::UnsupportedMember},
        {"Visibility", [](AutomationObject &o) { o.setProperty(u"Visibility", true); }, ErrorNumber::UnsupportedMember},
    };
    for (const auto &row : rows) {
        auto object = browser();
        EXPECT_EQ(errorOf([&] { row.use(*object); }), row.expected) << row.what;
    }
    EXPECT_TRUE(desktop_.opened().empty());
}

TEST_F(BrowserObjectTest, ShowsItsPageOnTheDesktopWhenMadeVisible)
{
    auto object = browser();
    object->call(u"navigate2", {kPage});
    EXPECT_TRUE(desktop_.opened().empty()) << "nothing shows before Visible";
    object->setProperty(u"VISIBLE", -1);   // True as a 16-bit -1
    object->setProperty(u"Visible", true); // already visible: no second window
    const QString next = QStringLiteral("https://example.jp/next");
    object->call(u"navigate2", {next}); // a visible browser shows where it goes
    object->setProperty(u"Visible", false);
    object->setProperty(u"Visible", true);
    const std::vector<QUrl> expected = {QUrl(kPage), QUrl(next), QUrl(next)};
    EXPECT_EQ(desktop_.opened(), expected);
}

TEST_F(BrowserObjectTest, APageThatCannotBeShownIsARuntimeError)
{
    struct Row {
        const char *what;
        bool desktopOpens;
        std::optional<QString> page;
        bool desktopAsked;
    };
    const Row rows[] = {
        {"Visible before navigate2", true, std::nullopt, false},
        {"relative address", true, QStringLiteral("index.html"), false},
        {"the desktop refuses", false, kPage, true},
    };
    for (const Row &row : rows) {
        support::RecordingDesktop desktop(row.desktopOpens);
        platform::ServiceSlot<platform::Desktop>::Override use(desktop);
        auto object = browser();
        if (row.page)
            object->call(u"navigate2", {*row.page});
        EXPECT_EQ(errorOf([&] { object->setProperty(u"Visible", true); }), ErrorNumber::AutomationFailed) << row.what;
        EXPECT_EQ(desktop.opened().size(), row.desktopAsked ? 1u : 0u) << row.what;
    }
}

TEST(RecordingAutomation, RecordsEveryStepAndTheFailedCreations)
{
    support::RecordingDesktop desktop;
    platform::ServiceSlot<platform::Desktop>::Override useDesktop(desktop);
    support::NoAutomationClasses none;
    RecordingAutomation onRuntime;
    RecordingAutomation onNothing(none);

    {
        auto object = onRuntime.create(u"internetexplorer.application");
        object->call(u"navigate2", {kPage});
        EXPECT_THROW(object->call(u"Quit", {}), RuntimeError);
        object->setProperty(u"Visible", true);
    }
    EXPECT_THROW(onNothing.create(platform::kBrowserClass), RuntimeError);

    using Step = RecordingAutomation::Step;
    const auto &events = onRuntime.events();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].step, Step::Create);
    EXPECT_EQ(events[0].name, QStringLiteral("internetexplorer.application"));
    EXPECT_EQ(events[1].values, QVariantList{kPage});
    EXPECT_EQ(events[2].name, QStringLiteral("Quit"));
    EXPECT_EQ(events[3].step, Step::Store);
    EXPECT_EQ(events[3].values, QVariantList{true});
    EXPECT_EQ(events[4].step, Step::Release);
    for (const auto &event : events)
        EXPECT_EQ(event.object, 1);
    ASSERT_EQ(onNothing.events().size(), 1u);
    EXPECT_EQ(onNothing.events()[0].object, 0);
    EXPECT_EQ(desktop.opened(), std::vector<QUrl>{QUrl(kPage)});
}

} // namespace
