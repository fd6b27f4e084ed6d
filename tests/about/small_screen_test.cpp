#include "about_box.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

TEST(AboutBoxOnASmallScreen, MovesUpJustEnoughToLieWhollyOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen, QRect(0, 0, 1024, 560));
    ui::AboutBox about;
    about.show();
    QWidget *window = &about;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << frame.top() << ' ' << frame.bottom();
    EXPECT_EQ(frame.bottom(), screen.bottom());
    EXPECT_EQ(window->geometry().topLeft().x(), 156) << "it fits across: only up";
    EXPECT_EQ(window->size(), QSize(389, 478));
}
