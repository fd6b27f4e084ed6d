#include "web_page_opener.h"

#include "automation.h"
#include "message_boxes.h"
#include "recording_automation.h"
#include "recording_message_boxes.h"
#include "run_handler.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <csignal>
#endif

namespace {

using platform::MessageAnswer;
using support::RecordingAutomation;
using Step = RecordingAutomation::Step;

const QString kPage = QStringLiteral("https://example.jp/scuba");

class WebPageOpenerTest : public ::testing::Test {
protected:
    explicit WebPageOpenerTest(std::deque<MessageAnswer> answers = {}) : boxes_(std::move(answers)) {}

    // As a button's Click handler runs it: no trap of its own.
    void clickButton()
    {
        platform::runHandler([] { forms::openWebPage(kPage); });
    }

    support::RecordingMessageBoxes boxes_;
    support::RecordingDesktop desktop_;
    RecordingAutomation automation_;
    platform::ServiceSlot<platform::MessageBoxes>::Override useBoxes_{boxes_};
    platform::ServiceSlot<platform::Desktop>::Override useDesktop_{desktop_};
    platform::ServiceSlot<platform::AutomationClasses>::Override useAutomation_{automation_};
};

TEST_F(WebPageOpenerTest, AsksWithTheWarningIconAndCreatesNothingOnNo)
{
    clickButton();
    ASSERT_EQ(boxes_.requests().size(), 1u);
    const platform::MessageRequest &question = boxes_.requests()[0];
    // Line feeds only: an empty line above and below the question.
    EXPECT_EQ(question.prompt, QStringLiteral("\nインターネットに接続していますか？\n"));
    EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(question.icon, platform::MessageIcon::Warning);
    EXPECT_EQ(question.title, QStringLiteral("インターネット接続"));
    EXPECT_TRUE(automation_.events().empty());
    EXPECT_TRUE(desktop_.opened().empty());
}

class AnsweredYesTwice : public WebPageOpenerTest {
protected:
    AnsweredYesTwice() : WebPageOpenerTest({MessageAnswer::Yes, MessageAnswer::Yes}) {}
};

TEST_F(AnsweredYesTwice, EachRunSendsANewBrowserToThePageThenShowsItAndLetsItGo)
{
    clickButton();
    clickButton();

    std::vector<std::tuple<int, Step, QString, QVariantList>> seen;
    for (const auto &event : automation_.events())
        seen.emplace_back(event.object, event.step, event.name, event.values);
    const std::vector<std::tuple<int, Step, QString, QVariantList>> expected = {
        {1, Step::Create, QStringLiteral("InternetExplorer.application"), {}},
        {1, Step::Call, QStringLiteral("navigate2"), {kPage}},
        {1, Step::Store, QStringLiteral("Visible"), {true}},
        {1, Step::Release, {}, {}},
        {2, Step::Create, QStringLiteral("InternetExplorer.application"), {}},
        {2, Step::Call, QStringLiteral("navigate2"), {kPage}},
        {2, Step::Store, QStringLiteral("Visible"), {true}},
        {2, Step::Release, {}, {}},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(desktop_.opened(), (std::vector<QUrl>{QUrl(kPage), QUrl(kPage)}));
    EXPECT_EQ(boxes_.requests().size(), 2u) << "no message besides the two questions";
}

TEST(WebPageOpenerFailure, IsAnUntrappedFailureAndTheProgramGoesOn)
{
    struct Row {
        const char *what;
        bool browserClassExists;
        bool desktopOpens;
        platform::ErrorNumber reported;
        std::vector<Step> steps;
    };
    const Row rows[] = {
        {"no browser class", false, true, platform::ErrorNumber::CannotCreateObject, {Step::Create}},
        {"the desktop cannot open the page",
         true,
         false,
         platform::ErrorNumber::AutomationFailed,
         {Step::Create, Step::Call, Step::Store, Step::Release}},
    };
    for (const Row &row : rows) {
        support::RecordingMessageBoxes boxes({MessageAnswer::Yes});
        support::RecordingDesktop desktop(row.desktopOpens);
        support::NoAutomationClasses none;
        RecordingAutomation automation = row.browserClassExists ? RecordingAutomation() : RecordingAutomation(none);
        platform::ServiceSlot<platform::MessageBoxes>::Override useBoxes(boxes);
        platform::ServiceSlot<platform::Desktop>::Override useDesktop(desktop);
        platform::ServiceSlot<platform::AutomationClasses>::Override useAutomation(automation);

        platform::runHandler([] { forms::openWebPage(kPage); });
        bool nextEventRuns = false;
        platform::runHandler([&] { nextEventRuns = true; });

        std::vector<Step> steps;
        for (const auto &event : automation.events())
            steps.push_back(event.step);
        EXPECT_EQ(steps, row.steps) << row.what;
        ASSERT_EQ(boxes.requests().size(), 2u) << row.what;
        EXPECT_EQ(boxes.requests()[1].icon, platform::MessageIcon::Critical) << row.what;
        EXPECT_TRUE(boxes.requests()[1].prompt.contains(QString::number(static_cast<int>(row.reported))))
            << row.what << ": " << boxes.requests()[1].prompt.toStdString();
        EXPECT_TRUE(nextEventRuns) << row.what;
    }
}

#if defined(Q_OS_LINUX)
// The real desktop, with a stand-in xdg-open first on PATH that writes down
// its arguments.
TEST(WebPageOpenerThroughXdgOpen, AFailureIsToldAfterTheHandlerAndSuccessIsSilent)
{
    struct Row {
        const char *what;
        const char *script;
        bool started;
        bool reportedAtOnce; // the untrapped failure of a page that cannot be opened
        bool reportedLater;  // the address to copy, once the handler has returned
    };
    const Row rows[] = {
        {"exits 4", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\necho $$ > \"$0.pid\"\nexit 4\n", true, false,
         true},
        {"exits 0", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\necho $$ > \"$0.pid\"\nexit 0\n", true, false,
         false},
        {"cannot be started", "#!/nonexistent/interpreter\n", false, true, false},
    };
    const QByteArray path = qgetenv("PATH");
    for (const Row &row : rows) {
        QTemporaryDir dir;
        QFile opener(dir.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write(row.script);
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);
        support::RecordingMessageBoxes boxes({MessageAnswer::Yes});
        platform::ServiceSlot<platform::MessageBoxes>::Override useBoxes(boxes);

        platform::runHandler([] { forms::openWebPage(kPage); });
        ASSERT_EQ(boxes.requests().size(), row.reportedAtOnce ? 2u : 1u) << row.what;
        if (row.started) {
            // The program hears of the ending when it reaps the process, so
            // once the pid is gone its report, if any, has been made.
            const QString pidFile = opener.fileName() + QStringLiteral(".pid");
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    QFile file(pidFile);
                    if (!file.open(QIODevice::ReadOnly))
                        return false;
                    const pid_t pid = file.readAll().trimmed().toInt();
                    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
                },
                10000))
                << row.what;
            QCoreApplication::processEvents();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qputenv("PATH", path);

        QFile arguments(opener.fileName() + QStringLiteral(".args"));
        EXPECT_EQ(arguments.open(QIODevice::ReadOnly), row.started) << row.what;
        if (row.started) {
            EXPECT_EQ(arguments.readAll(), kPage.toUtf8() + '\n') << row.what;
        }
        ASSERT_EQ(boxes.requests().size(), row.reportedAtOnce || row.reportedLater ? 2u : 1u) << row.what;
        if (row.reportedAtOnce) {
            EXPECT_EQ(boxes.requests()[1].icon, platform::MessageIcon::Critical);
            EXPECT_TRUE(boxes.requests()[1].prompt.startsWith(QStringLiteral("実行時エラー '440'")));
        }
        if (row.reportedLater) {
            const platform::MessageRequest &told = boxes.requests()[1];
            EXPECT_EQ(told.buttons, platform::MessageButtons::Ok);
            EXPECT_EQ(told.icon, platform::MessageIcon::Warning);
            EXPECT_TRUE(told.selectableText);
            EXPECT_TRUE(told.prompt.endsWith(QStringLiteral("\n\n") + kPage)) << told.prompt.toStdString();
        }
    }
}
#endif

} // namespace
