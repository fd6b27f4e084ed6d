#include "main1_fixture.h"

#include <QAccessible>
#include <QKeySequence>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <utility>
#include <vector>

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

TEST_F(Main1Test, EveryBoxIsItsLabelsBuddyAndNamedByItsCaption)
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

TEST_F(Main1Test, FocusEnteringABoxIsAnnouncedByTheBoxsName)
{
    for (const Named &row : kNamed) {
        if (isResultBox(row.box))
            continue;
        tabs->setTab(row.tab);
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

TEST_F(Main1Test, AResultBoxIsNamedByItsCaptionAndStillReadsOutItsNumber)
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

TEST_F(Main1Test, TheTabControlIsAPageTabListOfItsHeaders)
{
    const QString captions[] = {QStringLiteral("通常エアー"), QStringLiteral("ナイトロックス空気換算深度")};
    const QRect headers[] = {{0, 0, 200, 20}, {200, 0, 201, 20}}; // on the tab control
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(tabs);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    for (int selected : {0, 1}) {
        tabs->setTab(selected);
        tabs->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(list->text(QAccessible::Name), captions[selected]);
        for (int tab : {0, 1}) {
            QAccessibleInterface *pageTab = list->child(tab);
            ASSERT_NE(pageTab, nullptr) << tab;
            EXPECT_EQ(pageTab->role(), QAccessible::PageTab) << tab;
            EXPECT_EQ(pageTab->text(QAccessible::Name), captions[tab]) << tab;
            EXPECT_EQ(pageTab->rect(), headers[tab].translated(tabs->mapToGlobal(QPoint(0, 0)))) << tab;
            EXPECT_EQ(pageTab->state().selected, tab == selected) << tab;
            EXPECT_EQ(pageTab->state().focused, tab == selected) << tab;
            EXPECT_EQ(pageTab->parent(), list) << tab;
            EXPECT_EQ(list->indexOfChild(pageTab), tab) << tab;
            EXPECT_EQ(list->childAt(pageTab->rect().center().x(), pageTab->rect().center().y()), pageTab) << tab;
        }
        EXPECT_EQ(list->focusChild(), list->child(selected));
    }
    // The controls stay children of the list, after the page tabs.
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(named("Text1"));
    const int index = list->indexOfChild(box);
    EXPECT_GE(index, 2);
    EXPECT_EQ(list->child(index), box);
    EXPECT_EQ(box->parent(), list);

    // Pressing a page tab selects its tab.
    list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tabs->tab(), 0);
}

namespace {

// The page-tab events that reach assistive technology, as the type and the
// page tab's name.
std::vector<std::pair<QAccessible::Event, QString>> pageTabEvents;

void recordPageTabEvent(QAccessibleEvent *event)
{
    QAccessibleInterface *target = event->accessibleInterface();
    if (target && target->role() == QAccessible::PageTab)
        pageTabEvents.emplace_back(event->type(), target->text(QAccessible::Name));
}

// Events reach the recorder only while assistive technology is listening, as
// it is on a desktop with a screen reader running.
class ScreenReaderListening {
public:
    ScreenReaderListening()
    {
        QAccessible::installUpdateHandler(&recordPageTabEvent);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~ScreenReaderListening()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    ScreenReaderListening(const ScreenReaderListening &) = delete;
    ScreenReaderListening &operator=(const ScreenReaderListening &) = delete;
};

} // namespace

TEST_F(Main1Test, SwitchingTabsIsToldToAssistiveTechnology)
{
    const ScreenReaderListening listening;
    const QString enrichedAir = QStringLiteral("ナイトロックス空気換算深度");
    const struct {
        const char *what;
        std::function<void()> act;
        std::vector<std::pair<QAccessible::Event, QString>> events;
    } rows[] = {
        {"Right on the headers",
         [&] {
             tabs->setFocus();
             QTest::keyClick(tabs, Qt::Key_Right);
         },
         {{QAccessible::Focus, enrichedAir}, {QAccessible::Selection, enrichedAir}}},
        {"click on a header",
         [&] { QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->headerRect(1).center()); },
         {{QAccessible::Focus, enrichedAir}, {QAccessible::Selection, enrichedAir}}},
        {"Ctrl+Tab in a box",
         [&] {
             named("Text1")->setFocus();
             QTest::keyClick(named("Text1"), Qt::Key_Tab, Qt::ControlModifier);
         },
         {{QAccessible::Focus, enrichedAir}, {QAccessible::Selection, enrichedAir}}},
        {"selected by code, the focus elsewhere",
         [&] {
             window->setFocus();
             tabs->setTab(1);
         },
         {{QAccessible::Selection, enrichedAir}}},
    };
    for (const auto &row : rows) {
        tabs->setTab(0);
        pageTabEvents.clear();
        row.act();
        EXPECT_EQ(pageTabEvents, row.events) << row.what;
    }
}

// The enriched-air tab is made when first needed, unless a screen reader
// listens as the window is built: then it is made with the window. Found by
// name before it ever showed, the tab made later cannot be told from the one
// made at once: its controls stand, look, stack and take the keyboard alike,
// and shown it draws the same pixels.
TEST_F(Main1Test, TheEnrichedAirTabMadeOnFirstUseIsTheTabMadeAtOnce)
{
    auto describe = [&] {
        QStringList facts;
        for (const char *name : {"Label12", "Label10", "Combo1", "Label11", "Combo2", "Label13", "Label14", "Command4",
                                 "Label15", "Label16", "Command5", "Command7", "Line2", "Line3"}) {
            QWidget *control = named(name);
            const QPalette &palette = control->palette();
            facts << QStringLiteral("%1 %2 %3 %4,%5 %6x%7 %8 %9 %10 %11 %12")
                         .arg(QLatin1String(name), QLatin1String(control->metaObject()->className()),
                              control->font().toString())
                         .arg(control->x())
                         .arg(control->y())
                         .arg(control->width())
                         .arg(control->height())
                         .arg(control->isVisibleTo(window))
                         .arg(control->focusPolicy())
                         .arg(palette.color(control->foregroundRole()).name(),
                              palette.color(control->backgroundRole()).name(), control->accessibleName());
        }
        for (QWidget *control : tabs->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            facts << control->objectName(); // the stacking, the order a screen reader lists them in
        tabs->setTab(1);
        tabs->setFocus();
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab})
            for (int k = 0; k < 6; ++k) {
                QTest::keyClick(QApplication::focusWidget(), key);
                facts << focusedControl();
            }
        return std::pair{facts, window->grab().toImage()};
    };
    const auto later = describe();

    unloadAll();
    {
        const ScreenReaderListening listening;
        platform::instance<forms::main1>().show();
    }
    window = platform::instance<forms::main1>().window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    tabs = named<platform::TabControl>("SSTab1");
    const auto atOnce = describe();
    EXPECT_EQ(later.first, atOnce.first);
    EXPECT_TRUE(later.second == atOnce.second);
}
