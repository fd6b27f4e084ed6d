#include "main_window_fixture.h"

#include "sorvane_identity.h"
#include "window_builder.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QString>

#include <utility>

namespace {

enum class Kind { Label, ResultBox, TextBox, Button, ComboBox };

struct Expected {
    const char *name;
    Kind kind;
    int tab;
    const char16_t *caption;
    int left, top, width, height; // twips, from the tab control's top-left corner
};

// Both tabs of the layout, as the window must stand.
const Expected kControls[] = {
    {"Label9", Kind::Label, 0, u"毎分呼吸量調査ツール", 480, 480, 2895, 375},
    {"Label1", Kind::Label, 0, u"タンクの開始圧", 480, 960, 1335, 255},
    {"Text1", Kind::TextBox, 0, u"", 2280, 840, 735, 375},
    {"Label2", Kind::Label, 0, u"タンク終了時の残圧", 480, 1440, 1575, 255},
    {"Text2", Kind::TextBox, 0, u"", 2280, 1320, 735, 375},
    {"Label3", Kind::Label, 0, u"タンク容積（リットル）", 480, 1920, 1695, 255},
    {"Text3", Kind::TextBox, 0, u"", 2280, 1800, 735, 375},
    {"Label4", Kind::Label, 0, u"平均水深（ｍ）", 480, 2400, 1575, 255},
    {"Text4", Kind::TextBox, 0, u"", 2280, 2280, 735, 375},
    {"Label5", Kind::Label, 0, u"水深時間（分）", 480, 2880, 1575, 255},
    {"Text5", Kind::TextBox, 0, u"", 2280, 2760, 735, 375},
    {"Label6", Kind::Label, 0, u"毎分呼吸量", 3480, 840, 1095, 255},
    {"Label7", Kind::ResultBox, 0, u"", 3480, 1200, 735, 375},
    {"Label8", Kind::Label, 0, u"リットル／分", 4320, 1320, 975, 255},
    {"Command1", Kind::Button, 0, u"計　算", 3480, 2040, 735, 375},
    {"Command2", Kind::Button, 0, u"クリア", 4560, 2040, 615, 375},
    {"Command3", Kind::Button, 0, u"終了", 4560, 2760, 615, 375},
    {"Label12", Kind::Label, 1, u"ナイトロックスタンクの通常エアー換算深度自動計算機", 480, 360, 5415, 375},
    {"Label10", Kind::Label, 1, u"ナイトロックス・酸素濃度(%)：", 840, 720, 2535, 255},
    {"Combo1", Kind::ComboBox, 1, u"32", 3120, 645, 855, 360},
    {"Label11", Kind::Label, 1, u"水深(m)：", 2280, 1200, 855, 255},
    {"Combo2", Kind::ComboBox, 1, u"30", 3120, 1125, 855, 360},
    {"Label13", Kind::Label, 1, u"通常エアータンク深度(m)：", 960, 1920, 2295, 375},
    {"Label14", Kind::ResultBox, 1, u"", 3000, 1845, 975, 375},
    {"Command4", Kind::Button, 1, u"計　算", 5040, 2160, 855, 495},
    {"Label15", Kind::Label, 1, u"酸素分圧(atm)：", 1755, 2360, 1335, 375},
    {"Label16", Kind::ResultBox, 1, u"", 3000, 2280, 975, 375},
    {"Command5", Kind::Button, 1, u"ＰＡＤＩのエンリッチド・エアＳＰの説明ＨＰ", 240, 2880, 3615, 375},
    {"Command7", Kind::Button, 1, u"ぬぺろの説明ＨＰ", 4080, 2880, 1695, 375},
};

bool isKind(QWidget *widget, Kind kind)
{
    auto *label = qobject_cast<QLabel *>(widget);
    switch (kind) {
    case Kind::Label:
        return label && label->frameShape() == QFrame::NoFrame;
    case Kind::ResultBox:
        return label && label->frameShape() == QFrame::Box;
    case Kind::TextBox:
        return qobject_cast<QLineEdit *>(widget);
    case Kind::Button:
        return qobject_cast<QPushButton *>(widget);
    case Kind::ComboBox:
        return qobject_cast<QComboBox *>(widget);
    }
    return false;
}

} // namespace

TEST_F(MainWindowTest, EveryControlStandsOnItsTabWithItsKindCaptionAndPlace)
{
    for (int tab : {0, 1}) {
        tabs->setCurrentIndex(tab);
        for (const Expected &row : kControls) {
            QWidget *control = named(row.name);
            ASSERT_NE(control, nullptr);
            EXPECT_TRUE(isKind(control, row.kind)) << row.name;
            EXPECT_EQ(textOf(control), QString::fromUtf16(row.caption)) << row.name;
            const QRect where(control->mapTo(tabs, QPoint(0, 0)), control->size());
            EXPECT_EQ(where, layout::twipRect(row.left, row.top, row.width, row.height)) << row.name;
            EXPECT_EQ(control->isVisible(), row.tab == tab) << row.name << " on tab " << tab;
        }
    }
}

TEST_F(MainWindowTest, WindowTabControlAndMenuAreAsLaidOut)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("main1"));
    EXPECT_EQ(window->windowTitle(), identity::kTitle);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->centralWidget()->size(), QSize(403, 235));
    EXPECT_EQ(tabs->geometry(), QRect(0, 0, 401, 233));
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("通常エアー"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("ナイトロックス空気換算深度"));
    // Both headers in one row along the top edge.
    EXPECT_EQ(headerRect(0).top(), 0);
    EXPECT_EQ(headerRect(1).top(), 0);
    EXPECT_EQ(headerRect(0).height(), 20);

    // The menu bar shows "ファイル" alone; its menu holds the two commands.
    const QList<QAction *> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("ファイル"));
    QMenu *file = named<QMenu>("ffile");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->menuAction(), bar[0]);
    const QList<QAction *> items = file->actions();
    ASSERT_EQ(items.size(), 2);
    const char *names[] = {"hhelp", "eend"};
    const char16_t *captions[] = {u"ヘルプ", u"終　了"};
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(items[k]->objectName(), QString::fromLatin1(names[k]));
        EXPECT_EQ(items[k]->text(), QString::fromUtf16(captions[k]));
        EXPECT_TRUE(items[k]->shortcut().isEmpty());
        EXPECT_FALSE(items[k]->isCheckable());
        EXPECT_TRUE(items[k]->isEnabled() && items[k]->isVisible());
    }
}

TEST_F(MainWindowTest, FontsAreTheNamedFacesOrTheWindowsOwn)
{
    struct Row {
        const char *name;
        QStringView family;
        qreal points;
        bool bold;
    };
    const QFont windowFont = window->font();
    const Row rows[] = {
        {"Label9", layout::kMincho, 12, true},      {"Label12", layout::kPGothic, 9.75, true},
        {"Label7", layout::kPGothic, 12, false},    {"Label14", layout::kPGothic, 14.25, true},
        {"Label16", layout::kPGothic, 14.25, true}, {"Text1", layout::kPGothic, 12, false},
        {"Text5", layout::kPGothic, 12, false},     {"Combo1", layout::kPGothic, 12, true},
        {"Combo2", layout::kPGothic, 12, true},
    };
    for (const Row &row : rows) {
        const QFont font = named(row.name)->font();
        EXPECT_EQ(font.family(), layout::layoutFont(row.family, row.points, row.bold).family()) << row.name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), row.points) << row.name;
        EXPECT_EQ(font.bold(), row.bold) << row.name;
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut()) << row.name;
    }
    for (const char *plain : {"Label1", "Label10", "Label15", "Command1", "Command5"})
        EXPECT_EQ(named(plain)->font(), windowFont) << plain;
    EXPECT_EQ(tabs->font(), windowFont);
}

TEST_F(MainWindowTest, ControlsHaveTheLookOfTheirKind)
{
    for (const char *name : {"Label9", "Label12"})
        EXPECT_EQ(named(name)->palette().color(named(name)->foregroundRole()), QColor(255, 0, 0)) << name;
    for (const char *name : {"Label1", "Label6", "Label10"})
        EXPECT_NE(named(name)->palette().color(named(name)->foregroundRole()), QColor(255, 0, 0)) << name;

    struct Row {
        const char *name;
        bool transparent;
    };
    const Row labels[] = {{"Label9", true},  {"Label10", true}, {"Label11", true}, {"Label12", true},
                          {"Label13", true}, {"Label15", true}, {"Label1", false}, {"Label8", false}};
    for (const Row &row : labels)
        EXPECT_EQ(named(row.name)->autoFillBackground(), !row.transparent) << row.name;

    for (const char *name : {"Label7", "Label14", "Label16"}) {
        auto *box = named<QLabel>(name);
        EXPECT_EQ(box->frameShadow(), QFrame::Plain) << name;
        EXPECT_EQ(box->lineWidth(), 1) << name;
        EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << name;
        EXPECT_EQ(box->textFormat(), Qt::PlainText) << name;
        EXPECT_TRUE(box->autoFillBackground()) << name;
        EXPECT_EQ(box->backgroundRole(), QPalette::Base) << name;
    }

    // Numbers go into the text boxes: no Japanese composition there.
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        EXPECT_EQ(named<QLineEdit>(name)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << name;
        EXPECT_FALSE(named(name)->testAttribute(Qt::WA_InputMethodEnabled)) << name;
    }
    // No button is the window's default: Enter reaches only a focused one.
    for (const char *name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command7"})
        EXPECT_FALSE(named<QPushButton>(name)->autoDefault() || named<QPushButton>(name)->isDefault()) << name;

    struct LineRow {
        const char *name;
        QRect pixels; // relative to the tab control
    };
    const LineRow lines[] = {
        {"Line1", QRect(216, 48, 1, 152)}, {"Line2", QRect(16, 112, 248, 1)}, {"Line3", QRect(16, 184, 376, 1)}};
    for (const LineRow &row : lines) {
        QWidget *line = named(row.name);
        EXPECT_EQ(QRect(line->mapTo(tabs, QPoint(0, 0)), line->size()), row.pixels) << row.name;
        EXPECT_EQ(line->focusPolicy(), Qt::NoFocus) << row.name;
    }
}

TEST_F(MainWindowTest, ComboBoxesKeepTheirListsInOrderAndTakeAnyText)
{
    struct Row {
        const char *name;
        QStringList items;
        QString initial;
    };
    const Row rows[] = {
        {"Combo1", {"21", "30", "31", "32", "33", "34", "35", "36", "37"}, "32"},
        {"Combo2", {"9", "12", "15", "18", "21", "24", "27", "30", "33", "36", "39"}, "30"},
    };
    tabs->setCurrentIndex(1);
    for (const Row &row : rows) {
        auto *combo = named<QComboBox>(row.name);
        QStringList items;
        for (int k = 0; k < combo->count(); ++k)
            items << combo->itemText(k);
        EXPECT_EQ(items, row.items) << row.name;
        EXPECT_EQ(combo->currentText(), row.initial) << row.name;
        EXPECT_TRUE(combo->isEditable()) << row.name;

        // Typed text stays as typed: not completed from the list, not added to it.
        combo->setFocus();
        for (const QString &typed : {QStringLiteral("3"), QStringLiteral("28"), QStringLiteral("深い")}) {
            combo->lineEdit()->selectAll();
            typeKeys(combo->lineEdit(), typed);
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
            EXPECT_EQ(combo->currentText(), typed) << row.name;
        }
        EXPECT_EQ(combo->count(), row.items.size()) << row.name;

        // Picking from the list copies the item into the text field.
        combo->setCurrentIndex(0);
        EXPECT_EQ(combo->currentText(), row.items.front()) << row.name;
    }
}

TEST_F(MainWindowTest, TheTabKeyVisitsOnlyTheSelectedTabsControlsInTabIndexOrder)
{
    struct Row {
        int tab;
        QStringList order;
    };
    const Row rows[] = {
        {0, {"SSTab1", "Command3", "Command2", "Command1", "Text5", "Text4", "Text3", "Text2", "Text1", "SSTab1"}},
        {1, {"SSTab1", "Combo1", "Combo2", "Command4", "Command5", "Command7", "SSTab1"}},
    };
    for (const Row &row : rows) {
        tabs->setCurrentIndex(row.tab);
        tabs->setFocus();
        QStringList visited{focusedControl()};
        for (qsizetype k = 1; k < row.order.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusedControl();
        }
        EXPECT_EQ(visited, row.order) << "tab " << row.tab;
    }
    // From Text1 the Tab key goes to the tab control and then to the exit button.
    tabs->setCurrentIndex(0);
    named("Text1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusedControl(), QStringLiteral("SSTab1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusedControl(), QStringLiteral("Command3"));
}

TEST_F(MainWindowTest, ResizingOrMaximisingMovesNothing)
{
    // Every control of the layout.
    QHash<QString, QRect> before{{tabs->objectName(), tabs->geometry()}};
    const std::pair<QString, int> kinds[] = {{"Label", 16}, {"Text", 5}, {"Command", 7}, {"Combo", 2}, {"Line", 3}};
    for (const auto &[kind, last] : kinds) {
        for (int k = 1; k <= last; ++k) {
            if (auto *control = window->findChild<QWidget *>(kind + QString::number(k)))
                before.insert(control->objectName(), control->geometry());
        }
    }
    ASSERT_EQ(before.size(), 33);

    window->resize(900, 700);
    QTest::qWait(20);
    window->showMaximized();
    QTest::qWait(20);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        EXPECT_EQ(named(qPrintable(it.key()))->geometry(), it.value()) << qPrintable(it.key());
}

// Focused from the start, not by the keyboard, the header looks as it does
// once the keyboard has brought the focus there: framed, unlike without it.
TEST_F(MainWindowTest, TheFocusedHeaderShowsTheStylesFocusFrameFromTheStart)
{
    ASSERT_EQ(focusedControl(), QStringLiteral("SSTab1"));
    const QImage fromTheStart = tabs->tabBar()->grab().toImage();
    named("Text1")->setFocus();
    const QImage unfocused = tabs->tabBar()->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusedControl(), QStringLiteral("SSTab1"));
    EXPECT_EQ(fromTheStart, tabs->tabBar()->grab().toImage());
    EXPECT_NE(fromTheStart, unfocused);
}
