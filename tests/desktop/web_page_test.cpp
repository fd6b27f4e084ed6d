#include "recording_message_boxes.h"
#include "recording_page_opener.h"
#include "web_page.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <csignal>
#endif

namespace {

const QString kPage = QStringLiteral("https://example.jp/scuba");

// A box that tells of a page not opened: a warning with the address to copy.
void expectNotOpenedBox(const support::RecordingMessageBoxes::Shown &shown, const char *what)
{
    EXPECT_FALSE(shown.message.yesNo) << what;
    EXPECT_TRUE(shown.message.warning) << what;
    EXPECT_TRUE(shown.message.selectable) << what;
    EXPECT_TRUE(shown.message.text.endsWith(QStringLiteral("\n\n") + kPage)) << shown.message.text.toStdString();
    EXPECT_EQ(shown.owner, QStringLiteral("asking")) << what;
}

class WebPageTest : public ::testing::Test {
protected:
    WebPageTest() { window.setObjectName(QStringLiteral("asking")); }

    QWidget window;
    QWidget button{&window};
};

TEST_F(WebPageTest, AsksFirstAndOpensOnlyOnYes)
{
    support::RecordingMessageBoxes boxes({false, true, true});
    support::RecordingPageOpener pages;
    for (int run = 0; run < 3; ++run)
        desktop::openWebPage(&button, kPage);
    ASSERT_EQ(boxes.shown().size(), 3u) << "no message besides the questions";
    const desktop::Message &question = boxes.shown()[0].message;
    // Line feeds only: an empty line above and below the question.
    EXPECT_EQ(question.text, QStringLiteral("\nインターネットに接続していますか？\n"));
    EXPECT_TRUE(question.yesNo);
    EXPECT_TRUE(question.warning);
    EXPECT_EQ(question.title, QStringLiteral("インターネット接続"));
    EXPECT_EQ(boxes.shown()[0].owner, QStringLiteral("asking"));
    EXPECT_EQ(pages.opened(), (std::vector<QUrl>{QUrl(kPage), QUrl(kPage)}));
}

TEST_F(WebPageTest, APageNotOpenedAtOnceOrLaterIsToldWithItsAddress)
{
    for (bool starts : {false, true}) {
        const char *what = starts ? "fails later" : "cannot start";
        support::RecordingMessageBoxes boxes({true});
        support::RecordingPageOpener pages(starts);
        desktop::openWebPage(&button, kPage);
        EXPECT_EQ(boxes.shown().size(), starts ? 1u : 2u) << what;
        if (starts)
            pages.failLater();
        ASSERT_EQ(boxes.shown().size(), 2u) << what;
        expectNotOpenedBox(boxes.shown()[1], what);
    }
}

#if defined(Q_OS_LINUX)
// The desktop's own opener, with a stand-in xdg-open first on PATH that
// writes down its arguments.
TEST_F(WebPageTest, ThroughXdgOpenAFailureIsToldAfterTheClickAndSuccessIsSilent)
{
    struct Row {
        const char *what;
        const char *script;
        bool started;
        bool reported;
    };
    const Row rows[] = {
        {"exits 4", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\necho $$ > \"$0.pid\"\nexit 4\n", true, true},
        {"exits 0", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\necho $$ > \"$0.pid\"\nexit 0\n", true, false},
        {"cannot be started", "#!/nonexistent/interpreter\n", false, true},
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
        support::RecordingMessageBoxes boxes({true});

        desktop::openWebPage(&button, kPage);
        ASSERT_EQ(boxes.shown().size(), row.started ? 1u : 2u) << row.what;
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
        ASSERT_EQ(boxes.shown().size(), row.reported ? 2u : 1u) << row.what;
        if (row.reported)
            expectNotOpenedBox(boxes.shown()[1], row.what);
    }
}
#endif

} // namespace
