#include "main_window_fixture.h"
#include "recording_message_boxes.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>

class MainWindowBehaviour : public MainWindowTest {
protected:
    void type(const char *box, const QString &text)
    {
        auto *edit = named<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        typeKeys(edit, text);
    }

    void fillBreathing(const QStringList &texts)
    {
        const char *boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};
        for (int k = 0; k < 5; ++k) {
            auto *edit = named<QLineEdit>(boxes[k]);
            edit->clear();
            typeKeys(edit, texts.value(k));
        }
    }

    QString text(const char *name) { return textOf(named(name)); }
};

TEST_F(MainWindowBehaviour, OpensOnTheFirstTabWithTheFocusOnTheTabControl)
{
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(focusedControl(), QStringLiteral("SSTab1"));
    for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Label7", "Label14", "Label16"})
        EXPECT_EQ(text(box), QString()) << box;
    EXPECT_EQ(text("Combo1"), QStringLiteral("32"));
    EXPECT_EQ(text("Combo2"), QStringLiteral("30"));
}

TEST_F(MainWindowBehaviour, EnterLeadsThroughTheBoxesToTheCalculateButtonAndTypesNothing)
{
    struct Row {
        const char *from;
        Qt::Key key;
        const char *to;
    };
    const Row rows[] = {
        {"Text1", Qt::Key_Return, "Text2"},    {"Text2", Qt::Key_Return, "Text3"},
        {"Text3", Qt::Key_Return, "Text4"},    {"Text4", Qt::Key_Return, "Text5"},
        {"Text5", Qt::Key_Return, "Command1"}, {"Command2", Qt::Key_Return, "Text1"},
        {"Text1", Qt::Key_Enter, "Text2"},     {"Text5", Qt::Key_Enter, "Command1"},
        {"Command2", Qt::Key_Enter, "Text1"},
    };
    fillBreathing({"200", "abc", "10", "20", "30"});
    for (const Row &row : rows) {
        named(row.from)->setFocus();
        QTest::keyClick(named(row.from), row.key, row.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(focusedControl(), QString::fromLatin1(row.to)) << row.from;
    }
    // No box was tested, nothing was calculated, no key reached a box.
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(text("Label7"), QString());
    EXPECT_EQ(text("Text2"), QStringLiteral("abc"));
    EXPECT_EQ(text("Text1"), QStringLiteral("200"));
}

TEST_F(MainWindowBehaviour, OtherKeysAreTypedIntoTheBoxes)
{
    type("Text3", QStringLiteral("12.5x"));
    QTest::keyClick(named("Text3"), Qt::Key_Backspace);
    typeKeys(named("Text3"), QStringLiteral(" L"));
    EXPECT_EQ(text("Text3"), QStringLiteral("12.5 L"));
}

TEST_F(MainWindowBehaviour, BreathingRateRunsOnTheWindowsControls)
{
    struct Row {
        QStringList inputs;
        QString label7;
        QString focus;
        QString message;
    };
    const Row rows[] = {
        {{"200", "50", "10", "20", "30"}, "16.7", "Command2", {}},
        {{"", "50", "10", "20", "30"}, "16.7", "Text1", "タンクの開始圧を入れてください"},
        {{"200", "50", "10", "20", "0"}, "16.7", "Text5", "水深時間を入れてください"},
        {{"200", "0", "12", "10", "40"}, "30.0", "Command2", {}},
        // A failed calculation leaves no earlier result behind, and no message.
        {{"200", "50", "10", "20", "1e39"}, "", "Command1", {}},
        // An end pressure a little above the start: rounds to zero, keeps its sign.
        {{"200", "200.01", "10", "20", "30"}, "-0.0", "Command2", {}},
    };
    for (const Row &row : rows) {
        tabs->setFocus();
        boxes.clear();
        fillBreathing(row.inputs);
        QTest::mouseClick(named("Command1"), Qt::LeftButton);
        EXPECT_EQ(text("Label7"), row.label7) << row.inputs.join(u'/').toStdString();
        EXPECT_EQ(focusedControl(), row.focus) << row.inputs.join(u'/').toStdString();
        if (row.message.isEmpty()) {
            EXPECT_TRUE(boxes.shown().empty());
        } else {
            ASSERT_EQ(boxes.shown().size(), 1u);
            EXPECT_EQ(boxes.shown()[0].message.text, row.message);
            EXPECT_EQ(boxes.shown()[0].message.yesNo, false);
        }
    }
}

TEST_F(MainWindowBehaviour, TheKeyboardAloneCarriesACalculationRoundTheChain)
{
    named("Text1")->setFocus();
    for (const char *value : {"200", "50", "10", "20", "30"}) {
        typeKeys(QApplication::focusWidget(), QString::fromLatin1(value));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(focusedControl(), QStringLiteral("Command1"));
    EXPECT_EQ(text("Label7"), QString());
    // Enter on the focused calculate button presses it; the result leads to
    // "クリア", whose Enter leads back to the first box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(text("Label7"), QStringLiteral("16.7"));
    EXPECT_EQ(focusedControl(), QStringLiteral("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(focusedControl(), QStringLiteral("Text1"));
    EXPECT_EQ(text("Text1"), QStringLiteral("200"));
    EXPECT_EQ(text("Label7"), QStringLiteral("16.7"));
}

TEST_F(MainWindowBehaviour, EnrichedAirRunsOnTheWindowsControlsAndKeepsTheFocus)
{
    struct Row {
        QString oxygen, depth, label14, label16;
        bool message;
    };
    const Row rows[] = {
        {"32", "30", "24.4", "1.28", false},
        {"32", "28", "22.7", "1.22", false},
        // Negative results that round to zero keep their sign.
        {"32", "1.6", "-0.0", "0.37", false},
        {"-0.4", "0", "2.7", "-0.00", false},
        // A calculation error before the depth result leaves both results alone.
        {"32", "1e39", "2.7", "-0.00", true},
        // Digits typed with Japanese input on are full-width: no number, the message.
        {"３２", "30", "2.7", "-0.00", true},
    };
    clickHeader(1);
    for (const Row &row : rows) {
        boxes.clear();
        named<QComboBox>("Combo1")->setEditText(row.oxygen);
        named<QComboBox>("Combo2")->setEditText(row.depth);
        named("Combo2")->setFocus();
        QTest::mouseClick(named("Command4"), Qt::LeftButton);
        EXPECT_EQ(text("Label14"), row.label14) << qPrintable(row.depth);
        EXPECT_EQ(text("Label16"), row.label16) << qPrintable(row.depth);
        if (row.message) {
            ASSERT_EQ(boxes.shown().size(), 1u);
            EXPECT_EQ(boxes.shown()[0].message.text, QStringLiteral("半角数字を入れて下さい"));
        } else {
            EXPECT_TRUE(boxes.shown().empty());
        }
        EXPECT_EQ(focusedControl(), QStringLiteral("Command4"));
    }
}

TEST_F(MainWindowBehaviour, ClearEmptiesTheFirstTabAndLeavesTheSecondAlone)
{
    clickHeader(1);
    named<QComboBox>("Combo2")->setEditText(QStringLiteral("28"));
    QTest::mouseClick(named("Command4"), Qt::LeftButton);
    const QString label14 = text("Label14"), label16 = text("Label16");
    ASSERT_FALSE(label14.isEmpty());

    clickHeader(0);
    fillBreathing({"200", "50", "10", "20", "30"});
    QTest::mouseClick(named("Command1"), Qt::LeftButton);
    ASSERT_EQ(text("Label7"), QStringLiteral("16.7"));

    // Twice: the second time every box is already empty.
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(named("Command2"), Qt::LeftButton);
        for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Label7"})
            EXPECT_EQ(text(box), QString()) << box;
        EXPECT_EQ(focusedControl(), QStringLiteral("Text1"));
    }
    EXPECT_EQ(text("Label14"), label14);
    EXPECT_EQ(text("Label16"), label16);
    EXPECT_EQ(text("Combo1"), QStringLiteral("32"));
    EXPECT_EQ(text("Combo2"), QStringLiteral("28"));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(MainWindowBehaviour, SwitchingTabsKeepsWhatEachTabShows)
{
    type("Text1", QStringLiteral("180"));
    type("Text4", QStringLiteral("深い"));
    // The focus does not stay on a control that went out of sight: it goes
    // to the first control of the tab that shows.
    clickHeader(1);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(focusedControl(), QStringLiteral("Combo1"));
    named<QComboBox>("Combo1")->setEditText(QStringLiteral("40"));
    // From the keyboard too: Left on the focused headers, then Ctrl+Tab.
    tabs->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(text("Text1"), QStringLiteral("180"));
    EXPECT_EQ(text("Text4"), QStringLiteral("深い"));
    named("Text1")->setFocus();
    QTest::keyClick(named("Text1"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(text("Combo1"), QStringLiteral("40"));
    EXPECT_EQ(text("Text1"), QStringLiteral("180"));
    EXPECT_EQ(focusedControl(), QStringLiteral("Combo1"));
    // And Ctrl+PgUp / Ctrl+PgDown, from a button as from a box.
    QTest::keyClick(named("Command4"), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    QTest::keyClick(named("Text1"), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
}

// Made when it first shows, the enriched-air tab takes the focus the first tab
// had, as a tab made with the window does.
TEST_F(MainWindowBehaviour, TheEnrichedAirTabMadeOnFirstShowingTakesTheFocus)
{
    ui::MainWindow fresh;
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fresh));
    EXPECT_EQ(fresh.findChild<QWidget *>(QStringLiteral("Combo1")), nullptr);
    auto *first = fresh.findChild<QLineEdit *>(QStringLiteral("Text1"));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focusedControl(), QStringLiteral("Combo1"));
    for (const char *next : {"Combo2", "Command4", "Command5", "Command7"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusedControl(), QString::fromLatin1(next));
    }
}

TEST_F(MainWindowBehaviour, TheWheelStepsOnlyTheFocusedComboBox)
{
    const struct {
        const char *under; // the combo box under the pointer
        const char *focus;
        const char16_t *before;
        const char16_t *after;
    } rows[] = {
        {"Combo1", "Command4", u"32", u"32"},
        {"Combo1", "Combo2", u"32", u"32"},
        {"Combo1", "Combo1", u"32", u"33"},
        {"Combo2", "Combo2", u"30", u"33"},
    };
    clickHeader(1);
    for (const auto &row : rows) {
        auto *combo = named<QComboBox>(row.under);
        combo->setCurrentIndex(combo->findText(QString::fromUtf16(row.before)));
        named(row.focus)->setFocus();
        // One step down over the box. The wheel gives no combo box the focus:
        // none takes the focus from the wheel.
        const QPointF at = combo->rect().center();
        QWheelEvent wheel(at, combo->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(combo, &wheel);
        EXPECT_EQ(combo->focusPolicy(), Qt::StrongFocus) << row.under;
        EXPECT_EQ(text(row.under), QString::fromUtf16(row.after)) << row.under << " with the focus on " << row.focus;
        EXPECT_EQ(focusedControl(), QString::fromLatin1(row.focus)) << row.under << " with the focus on " << row.focus;
    }
}

TEST_F(MainWindowBehaviour, HelpTwiceLeavesOneAboutBoxBesideAUsableMainWindow)
{
    auto *help = window->findChild<QAction *>(QStringLiteral("hhelp"));
    ASSERT_NE(help, nullptr);
    help->trigger();
    QWidget *about = aboutBox();
    ASSERT_NE(about, nullptr);
    help->trigger();
    EXPECT_EQ(aboutBox(), about);
    EXPECT_EQ(visibleWindows().count(QStringLiteral("frmabt")), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The main window still takes input.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    type("Text1", QStringLiteral("7"));
    EXPECT_EQ(text("Text1"), QStringLiteral("7"));
}

TEST_F(MainWindowBehaviour, HelpRestoresRaisesAndActivatesAMinimisedAboutBox)
{
    auto *help = window->findChild<QAction *>(QStringLiteral("hhelp"));
    help->trigger();
    QWidget *about = aboutBox();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    about->showMinimized();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ASSERT_TRUE(about->isMinimized());

    help->trigger();
    EXPECT_EQ(aboutBox(), about);
    EXPECT_FALSE(about->isMinimized());
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(about));
}

TEST_F(MainWindowBehaviour, ClosingTheMainWindowTakesTheAboutBoxWithIt)
{
    for (bool aboutOpen : {true, false}) {
        QPointer<QWidget> about;
        if (aboutOpen) {
            window->findChild<QAction *>(QStringLiteral("hhelp"))->trigger();
            about = aboutBox();
            ASSERT_NE(about, nullptr);
        }
        EXPECT_TRUE(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(visibleWindows(), QStringList()) << aboutOpen;
        if (aboutOpen) {
            EXPECT_EQ(about, nullptr); // gone, not just hidden
        }
        open();
    }
}

TEST_F(MainWindowBehaviour, EveryWayOutEndsTheProgramAtOnce)
{
    struct Row {
        const char *what;
        std::function<void(QWidget *)> choose;
    };
    const Row rows[] = {
        {"close", [](QWidget *w) { w->close(); }},
        {"Command3", [](QWidget *w) { QTest::mouseClick(w->findChild<QPushButton *>("Command3"), Qt::LeftButton); }},
        {"eend", [](QWidget *w) { w->findChild<QAction *>(QStringLiteral("eend"))->trigger(); }},
    };
    for (const Row &row : rows) {
        window->findChild<QAction *>(QStringLiteral("hhelp"))->trigger();
        // The program's own event loop: ending the program ends that loop.
        QTimer::singleShot(0, window, [&] { row.choose(window); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        EXPECT_EQ(QApplication::exec(), 0) << row.what;
        EXPECT_EQ(visibleWindows(), QStringList()) << row.what;
        EXPECT_TRUE(boxes.shown().empty()) << row.what;
        open();
    }
}
