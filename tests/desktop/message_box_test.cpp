#include "message_box.h"
#include "recording_message_boxes.h"
#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Looks at the real box once it is up, then presses `press` on it. A box
// never shown is seen as empty.
struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextInteractionFlags interaction;
    QString owner;
};

SeenBox showAndPress(const desktop::Message &message, QMessageBox::StandardButton press, bool &answer)
{
    SeenBox seen;
    const QObject looking; // takes the look with it if no box came up
    QTimer::singleShot(0, &looking, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.interaction = box->textInteractionFlags();
        seen.owner = box->parentWidget() ? box->parentWidget()->objectName() : QString();
        for (QAbstractButton *b : box->buttons())
            seen.buttons << b->text();
        box->button(press)->click();
    });
    answer = desktop::showMessage(message);
    return seen;
}

TEST(MessageBoxes, ShowJapaneseButtonsTitlesAndIconsOverTheWindowThatAsked)
{
    app::setUp(*qApp);
    QWidget window;
    window.setObjectName(QStringLiteral("asking"));
    QWidget control(&window);

    bool answer = false;
    const SeenBox ok = showAndPress({&control, QStringLiteral("タンク容積を入れてください")}, QMessageBox::Ok, answer);
    EXPECT_TRUE(answer);
    EXPECT_EQ(ok.title, QStringLiteral("sorvane"));
    EXPECT_EQ(ok.icon, QMessageBox::NoIcon);
    EXPECT_EQ(ok.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(ok.owner, QStringLiteral("asking"));

    const QString prompt = QStringLiteral("\nインターネットに接続していますか？\n");
    for (auto [press, expected] : {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false}}) {
        const SeenBox yesNo =
            showAndPress({&window, prompt, QStringLiteral("インターネット接続"), true, true}, press, answer);
        EXPECT_EQ(answer, expected);
        EXPECT_EQ(yesNo.title, QStringLiteral("インターネット接続"));
        EXPECT_EQ(yesNo.text, prompt);
        EXPECT_EQ(yesNo.icon, QMessageBox::Warning);
        ASSERT_EQ(yesNo.buttons.size(), 2);
        EXPECT_EQ(yesNo.buttons.filter(QStringLiteral("はい")).size(), 1) << yesNo.buttons.join(u',').toStdString();
        EXPECT_EQ(yesNo.buttons.filter(QStringLiteral("いいえ")).size(), 1);
    }

    const SeenBox selectable =
        showAndPress({nullptr, QStringLiteral("https://example.jp/"), {}, false, true, true}, QMessageBox::Ok, answer);
    EXPECT_TRUE(selectable.interaction.testFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
    EXPECT_EQ(selectable.owner, QString());
}

TEST(RecordingMessageBoxes, AnswersFromItsScriptThenNoAndLetsTheRealBoxesBack)
{
    QWidget window;
    window.setObjectName(QStringLiteral("asking"));
    {
        support::RecordingMessageBoxes boxes({true});
        EXPECT_TRUE(desktop::askYesNo(&window, QStringLiteral("q"), QStringLiteral("t")));
        desktop::inform(&window, QStringLiteral("i"));
        EXPECT_FALSE(desktop::askYesNo(nullptr, QStringLiteral("q"), QStringLiteral("t")));
        EXPECT_EQ(boxes.texts(), (std::vector<QString>{QStringLiteral("q"), QStringLiteral("i"), QStringLiteral("q")}));
        EXPECT_EQ(boxes.shown()[1].owner, QStringLiteral("asking"));
        EXPECT_EQ(boxes.shown()[2].owner, QString());
    }
    bool answer = false;
    const SeenBox real = showAndPress({&window, QStringLiteral("real")}, QMessageBox::Ok, answer);
    EXPECT_EQ(real.text, QStringLiteral("real"));
    EXPECT_EQ(real.owner, QStringLiteral("asking"));
}

} // namespace
