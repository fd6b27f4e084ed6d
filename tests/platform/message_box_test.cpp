#include "message_boxes.h"
#include "qt_message_boxes.h"
#include "recording_message_boxes.h"
#include "run_handler.h"
#include "translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageRequest;

// Looks at the real box once it is up, then presses `press` on it.
struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextInteractionFlags interaction;
};

SeenBox showAndPress(const MessageRequest &request, QMessageBox::StandardButton press, MessageAnswer &answer)
{
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.interaction = box->textInteractionFlags();
        for (QAbstractButton *b : box->buttons())
            seen.buttons << b->text();
        box->button(press)->click();
    });
    platform::QtMessageBoxes boxes;
    answer = boxes.show(request);
    return seen;
}

TEST(QtMessageBoxes, ShowsJapaneseButtonsTitlesAndIcons)
{
    ASSERT_TRUE(platform::installJapaneseTranslations(*QCoreApplication::instance()));

    MessageAnswer answer{};
    SeenBox ok = showAndPress({QStringLiteral("タンク容積を入れてください"), MessageButtons::Ok, MessageIcon::None, {}},
                              QMessageBox::Ok, answer);
    EXPECT_EQ(answer, MessageAnswer::Ok);
    EXPECT_EQ(ok.title, QStringLiteral("sorvane"));
    EXPECT_EQ(ok.icon, QMessageBox::NoIcon);
    EXPECT_EQ(ok.buttons, QStringList{QStringLiteral("OK")});

    const QString prompt = QStringLiteral("\nインターネットに接続していますか？\n");
    for (auto [press, expected] :
         {std::pair{QMessageBox::Yes, MessageAnswer::Yes}, std::pair{QMessageBox::No, MessageAnswer::No}}) {
        SeenBox yesNo = showAndPress(
            {prompt, MessageButtons::YesNo, MessageIcon::Warning, QStringLiteral("インターネット接続")}, press, answer);
        EXPECT_EQ(answer, expected);
        EXPECT_EQ(yesNo.title, QStringLiteral("インターネット接続"));
        EXPECT_EQ(yesNo.text, prompt);
        EXPECT_EQ(yesNo.icon, QMessageBox::Warning);
        ASSERT_EQ(yesNo.buttons.size(), 2);
        EXPECT_TRUE(yesNo.buttons.filter(QStringLiteral("はい")).size() == 1) << yesNo.buttons.join(u',').toStdString();
        EXPECT_TRUE(yesNo.buttons.filter(QStringLiteral("いいえ")).size() == 1);
    }

    MessageRequest address{QStringLiteral("https://example.jp/"), MessageButtons::Ok, MessageIcon::Warning, {}};
    address.selectableText = true;
    const SeenBox selectable = showAndPress(address, QMessageBox::Ok, answer);
    EXPECT_TRUE(selectable.interaction.testFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
}

TEST(RecordingMessageBoxes, AnswersFromItsScriptThenNo)
{
    support::RecordingMessageBoxes boxes({MessageAnswer::Yes});
    EXPECT_TRUE(boxes.askYesNo(QStringLiteral("q"), QStringLiteral("t")));
    boxes.inform(QStringLiteral("i"));
    EXPECT_FALSE(boxes.askYesNo(QStringLiteral("q"), QStringLiteral("t")));
    ASSERT_EQ(boxes.requests().size(), 3u);
    EXPECT_EQ(boxes.requests()[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(boxes.requests()[1].icon, MessageIcon::None);
    EXPECT_TRUE(boxes.requests()[1].title.isEmpty());
    EXPECT_EQ(boxes.requests()[2].icon, MessageIcon::Warning);
}

TEST(UntrappedFailure, IsReportedAndTheHandlerStopsWhereItFailed)
{
    support::RecordingMessageBoxes boxes;
    platform::ServiceSlot<platform::MessageBoxes>::Override useDouble(boxes);

    struct Row {
        const char *what;
        std::function<void()> raise;
        QString expectedText;
    };
    const Row rows[] = {
        {"runtime error", [] { throw platform::RuntimeError(platform::ErrorNumber::CannotCreateObject); },
         QStringLiteral("実行時エラー '429':\n\nブラウザーを起動できませんでした。")},
        {"other exception", [] { throw std::runtime_error("boom"); }, QStringLiteral("実行時エラー '51':\n\nboom")},
    };
    for (const Row &row : rows) {
        bool afterFailure = false;
        platform::runHandler([&] {
            row.raise();
            afterFailure = true;
        });
        EXPECT_FALSE(afterFailure) << row.what;
        ASSERT_FALSE(boxes.requests().empty());
        EXPECT_EQ(boxes.requests().back().prompt, row.expectedText) << row.what;
        EXPECT_EQ(boxes.requests().back().icon, MessageIcon::Critical);
    }
    bool ran = false;
    platform::runHandler([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(boxes.requests().size(), 2u);
}

} // namespace
