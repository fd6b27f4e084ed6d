#include "runtime_error.h"
#include "tab_control.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Two tabs with one box each, in a shown, active window.
class TabControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs = new platform::TabControl(&window);
        tabs->setGeometry(0, 0, 300, 200);
        tabs->addTab(QStringLiteral("one"));
        tabs->addTab(QStringLiteral("two"));
        first = new QLineEdit(tabs);
        first->setGeometry(10, 40, 80, 24);
        second = new QLineEdit(tabs);
        second->setGeometry(10, 40, 80, 24);
        tabs->addControl(0, first);
        tabs->addControl(1, second);
        window.resize(300, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    platform::TabControl *tabs = nullptr;
    QLineEdit *first = nullptr;
    QLineEdit *second = nullptr;
};

} // namespace

TEST_F(TabControlTest, ANonexistentTabIsAnInvalidCall)
{
    for (int tab : {-1, 2}) {
        try {
            tabs->setTab(tab);
            ADD_FAILURE() << tab;
        } catch (const platform::RuntimeError &error) {
            EXPECT_EQ(error.number(), platform::ErrorNumber::InvalidCall) << tab;
        }
        EXPECT_EQ(tabs->tab(), 0);
    }
}

TEST_F(TabControlTest, HeadersMouseAndKeysSelectTabs)
{
    struct Row {
        const char *what;
        int from;
        std::function<void()> act;
        int expected;
        bool focusOnTabs;
    };
    const Row rows[] = {
        {"click second header", 0, [&] { QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->headerRect(1).center()); },
         1, true},
        {"click first header", 1, [&] { QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->headerRect(0).center()); }, 0,
         true},
        {"click the page", 0, [&] { QTest::mouseClick(tabs, Qt::LeftButton, {}, QPoint(150, 150)); }, 0, false},
        {"Right", 0,
         [&] {
             tabs->setFocus();
             QTest::keyClick(tabs, Qt::Key_Right);
         },
         1, true},
        {"Left", 1,
         [&] {
             tabs->setFocus();
             QTest::keyClick(tabs, Qt::Key_Left);
         },
         0, true},
        {"Ctrl+Tab in a box", 0,
         [&] {
             first->setFocus();
             QTest::keyClick(first, Qt::Key_Tab, Qt::ControlModifier);
         },
         1, true},
        {"Ctrl+PgUp in a box", 1,
         [&] {
             second->setFocus();
             QTest::keyClick(second, Qt::Key_PageUp, Qt::ControlModifier);
         },
         0, true},
        {"Right in a box moves the cursor", 0,
         [&] {
             first->setFocus();
             QTest::keyClick(first, Qt::Key_Right);
         },
         0, false},
    };
    for (const Row &row : rows) {
        tabs->setTab(row.from);
        window.setFocus();
        row.act();
        EXPECT_EQ(tabs->tab(), row.expected) << row.what;
        if (row.focusOnTabs) {
            EXPECT_TRUE(tabs->hasFocus()) << row.what;
        }
    }
}
