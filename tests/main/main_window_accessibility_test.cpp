#include "main_window_fixture.h"
#include "screen_reader.h"

#include <QAccessible>
#include <QKeySequence>

namespace {

struct Named {
    const char *box;
    const char *label;
    int tab;
    const char16_t *name; // what a screen reader says for the box
};

// Each input box, combo box and result box with the label beside it; a
// caption's closing colon is not read out.
const Named kNamed[] = {
    {"Text1", "Label1", 0, u"タンクの開始圧"},
    {"Text2", "Label2", 0, u"タンク終了時の残圧"},
    {"Text3", "Label3", 0, u"タンク容積（リットル）"},
    {"Text4", "Label4", 0, u"平均水深（ｍ）"},
    {"Text5", "Label5", 0, u"水深時間（分）"},
    {"Label7", "Label6", 0, u"毎分呼吸量"},
    {"Combo1", "Label10", 1, u"ナイトロックス・酸素濃度(%)"},
    {"Combo2", "Label11", 1, u"水深(m)"},
    {"Label14", "Label13", 1, u"通常エアータンク深度(m)"},
    {"Label16", "Label15", 1, u"酸素分圧(atm)"},
};

bool isResultBox(const char *name)
{
    return QByteArray(name).startsWith("Label");
}

QString spoken(QWidget *widget, QAccessible::Text kind = QAccessible::Name)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QStringLiteral("(not accessible)");
}

} // namespace

TEST_F(MainWindowTest, EveryBoxIsItsLabelsBuddyAndNamedByItsCaption)
{
    for (const Named &row : kNamed) {
        auto *label = named<QLabel>(row.label);
        QWidget *box = named(row.box);
        ASSERT_TRUE(label && box) << row.box;
        EXPECT_EQ(label->buddy(), box) << row.box;
        EXPECT_EQ(box->accessibleName(), QString::fromUtf16(row.name)) << row.box;
        // The buddy must not turn a caption into a keyboard mnemonic.
        EXPECT_TRUE(QKeySequence::mnemonic(label->text()).isEmpty()) << row.label;

        // Screen readers take "labelled by" from the accessibility relations.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        const auto labels = accessible->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << row.box;
        EXPECT_EQ(labels.front().first->object(), label) << row.box;
    }
}

TEST_F(MainWindowTest, FocusEnteringABoxIsAnnouncedByTheBoxsName)
{
    for (const Named &row : kNamed) {
        if (isResultBox(row.box))
            continue;
        tabs->setCurrentIndex(row.tab);
        named(row.box)->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focusedControl(), QString::fromLatin1(row.box));
        QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr) << row.box;
        if (focused->role() == QAccessible::ComboBox) {
            // Qt on Linux names an editable combo box by its text and leaves
            // the caption to the "labelled by" relation; its text field, which
            // it reports as the focused part, carries the name.
            focused = focused->focusChild();
            ASSERT_NE(focused, nullptr) << row.box;
        }
        EXPECT_EQ(focused->text(QAccessible::Name), QString::fromUtf16(row.name)) << row.box;
    }
}

TEST_F(MainWindowTest, AResultBoxIsNamedByItsCaptionAndStillReadsOutItsNumber)
{
    for (const Named &row : kNamed) {
        if (!isResultBox(row.box))
            continue;
        auto *box = named<QLabel>(row.box);
        box->setText(QStringLiteral("13.3"));
        EXPECT_EQ(spoken(box), QString::fromUtf16(row.name)) << row.box;
        EXPECT_EQ(spoken(box, QAccessible::Value), QStringLiteral("13.3")) << row.box;
        EXPECT_EQ(spoken(box, QAccessible::Description), QStringLiteral("13.3")) << row.box;
        box->clear();
        EXPECT_EQ(spoken(box, QAccessible::Value), QString()) << row.box;
    }
}

// A screen reader listening as the window is built sees the whole window at
// once, the hidden tab's controls with their names too.
TEST(MainWindowForScreenReader, BothTabsControlsExistAndAreNamedFromTheStart)
{
    desktop::setScreenReaderHook([] { return true; });
    const ui::MainWindow window;
    desktop::setScreenReaderHook({});
    for (const Named &row : kNamed) {
        auto *box = window.findChild<QWidget *>(QString::fromLatin1(row.box));
        ASSERT_NE(box, nullptr) << row.box;
        EXPECT_EQ(box->accessibleName(), QString::fromUtf16(row.name)) << row.box;
    }
}

// The headers stand where the layout puts them and carry its captions, as
// screen readers see them too.
TEST_F(MainWindowTest, TheTabHeadersAreThePageTabsOfTheLayout)
{
    const QString captions[] = {QStringLiteral("通常エアー"), QStringLiteral("ナイトロックス空気換算深度")};
    const QRect headers[] = {{0, 0, 200, 20}, {200, 0, 201, 20}}; // on the tab widget
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(tabs->tabBar());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    for (int tab : {0, 1}) {
        EXPECT_EQ(headerRect(tab), headers[tab]) << tab;
        QAccessibleInterface *pageTab = list->child(tab);
        ASSERT_NE(pageTab, nullptr) << tab;
        EXPECT_EQ(pageTab->role(), QAccessible::PageTab) << tab;
        EXPECT_EQ(pageTab->text(QAccessible::Name), captions[tab]) << tab;
        EXPECT_EQ(pageTab->rect(), headers[tab].translated(tabs->mapToGlobal(QPoint(0, 0)))) << tab;
    }
}
