#include "about_box.h"
#include "layout_fonts.h"
#include "page_addresses.h"

#include "recording_message_boxes.h"
#include "recording_page_opener.h"
#include "sorvane_identity.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

// The box of the test, while it is open.
QPointer<ui::AboutBox> box;

ui::AboutBox &about()
{
    if (!box) {
        box = new ui::AboutBox;
        box->show();
    }
    return *box;
}

template <class T = QWidget>
T *control(const char *name)
{
    return box ? box->findChild<T *>(QLatin1String(name)) : nullptr;
}

// The contact text as written, its lines joined by CR LF.
QString contactText()
{
    return control<QPlainTextEdit>("Text1")->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

// Windows closed inside a handler go once the event is over.
void finishEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int aboutWindowsAlive()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == u"frmabt" && widget->isVisible();
    return count;
}

const QString kContact = QStringLiteral("作者ホームページ：\r\n") + identity::kHomePage.toString()
    + QStringLiteral("\r\nEメール：\r\n") + identity::kMail.toString();
const QString kVersionLine = QStringLiteral("Ver ") + identity::kRelease.toString() + QStringLiteral("  (")
    + identity::kReleaseDate.toString() + u')';

class AboutBoxTest : public ::testing::Test {
protected:
    explicit AboutBoxTest(std::deque<bool> answers = {}) : boxes_(std::move(answers)) {}
    void SetUp() override { about(); }
    void TearDown() override
    {
        delete box.data();
        finishEvents();
    }

    support::RecordingMessageBoxes boxes_;
    support::RecordingPageOpener pages_;
};

TEST_F(AboutBoxTest, LoadWritesTheFiveTexts)
{
    EXPECT_EQ(control<QLabel>("lblTitle")->text(), identity::kTitle);
    EXPECT_EQ(control<QLabel>("exename")->text(), u'(' + identity::kExecutable.toString() + QStringLiteral(".exe)"));
    EXPECT_EQ(control<QLabel>("lblDescription")->text(), QStringLiteral("毎分呼吸量調査ツール\r\n"));
    EXPECT_EQ(control<QLabel>("lblVersion")->text(), kVersionLine);
    EXPECT_EQ(contactText(), kContact) << "reads back as written";
}

TEST_F(AboutBoxTest, TheContactTextShowsFourLinesAndTheDescriptionOne)
{
    auto *contact = control<QPlainTextEdit>("Text1");
    ASSERT_EQ(contact->blockCount(), 4);
    const QTextDocument *document = contact->document();
    for (int line : {0, 2})
        EXPECT_TRUE(document->findBlockByNumber(line).text().endsWith(u'：')) << line;
    EXPECT_EQ(document->findBlockByNumber(1).text(), identity::kHomePage);
    EXPECT_EQ(document->findBlockByNumber(3).text(), identity::kMail);
    EXPECT_FALSE(document->toPlainText().contains(u'\r'));
    // The last line fits in the box whole: there is no scroll bar to reach it.
    QTextCursor end(contact->document());
    end.movePosition(QTextCursor::End);
    EXPECT_LE(contact->cursorRect(end).bottom(), contact->viewport()->rect().bottom());

    auto *description = control<QLabel>("lblDescription");
    EXPECT_TRUE(description->alignment() & Qt::AlignTop);
    EXPECT_LT(description->height(), 2 * description->fontMetrics().height())
        << "the empty line after the break stays out of sight";
}

TEST_F(AboutBoxTest, OpenedAgainAfterOkItShowsNoEdit)
{
    // Held as a QPointer: once deleted, the next window may well be given the
    // same address, so comparing raw pointers proves nothing.
    const QPointer<QWidget> first = &about();
    auto *contact = control<QPlainTextEdit>("Text1");
    contact->setFocus();
    contact->moveCursor(QTextCursor::End);
    QTest::keyClicks(contact, QStringLiteral("abc"));
    ASSERT_TRUE(contactText().endsWith(u"abc"));

    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(first->isVisible());
    finishEvents();
    EXPECT_TRUE(first.isNull()) << "the closed window is gone";

    about();
    EXPECT_EQ(contactText(), kContact);
    EXPECT_EQ(control<QLabel>("lblVersion")->text(), kVersionLine);
}

TEST_F(AboutBoxTest, EscAnywhereEnterOnOkAndTheCloseBoxCloseIt)
{
    struct Row {
        const char *what;
        const char *focus;
        Qt::Key key; // Key_unknown: the close box
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    };
    const Row rows[] = {
        {"Esc on OK", "cmdOK", Qt::Key_Escape},
        {"Esc in the contact text", "Text1", Qt::Key_Escape},
        {"Esc on the page button", "Command2", Qt::Key_Escape},
        {"Enter on OK", "cmdOK", Qt::Key_Return},
        {"keypad Enter on OK", "cmdOK", Qt::Key_Enter, Qt::KeypadModifier},
        {"Enter in the contact text", "Text1", Qt::Key_Return},
        {"keypad Enter in the contact text", "Text1", Qt::Key_Enter, Qt::KeypadModifier},
        {"close box", "Text1", Qt::Key_unknown},
    };
    for (const Row &row : rows) {
        about();
        QWidget *focus = control(row.focus);
        focus->setFocus();
        if (row.key == Qt::Key_unknown)
            box->close();
        else
            QTest::keyClick(focus, row.key, row.modifiers);
        finishEvents();
        EXPECT_TRUE(box.isNull()) << row.what;
        EXPECT_EQ(aboutWindowsAlive(), 0) << row.what;
    }
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(AboutBoxTest, CtrlEnterInTheContactTextStartsANewLine)
{
    auto *contact = control<QPlainTextEdit>("Text1");
    contact->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        contact->moveCursor(QTextCursor::End);
        QTest::keyClick(contact, key,
                        Qt::ControlModifier | (key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier));
        QTest::keyClicks(contact, QStringLiteral("x"));
    }
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(contactText(), kContact + QStringLiteral("\r\nx\r\nx"));
}

TEST_F(AboutBoxTest, IsAFixedOwnerlessModelessToolWindowAtItsPlace)
{
    QWidget *window = &about();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(window->geometry(), QRect(156, 129, 389, 478));
    EXPECT_EQ(window->minimumSize(), QSize(389, 478));
    EXPECT_EQ(window->maximumSize(), QSize(389, 478));
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_FALSE(window->isModal());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->focusWidget(), control("cmdOK"));
}

TEST_F(AboutBoxTest, ControlsStandWhereTheLayoutPutsThemInTheirFonts)
{
    // The families the layout's faces are asked for by.
    const QString mincho = layout::layoutFont(layout::kMincho, 9, false).family();
    const QString gothic = layout::layoutFont(layout::kPGothic, 9, false).family();
    const struct {
        const char *name;
        QRect geometry;
        QString family;
        qreal points;
        bool bold;
    } rows[] = {
        {"cmdOK", {328, 40, 47, 23}, gothic, 9, false},
        {"picIcon", {16, 16, 34, 34}, {}, 0, false},
        {"lblDescription", {64, 80, 307, 19}, mincho, 9.75, false},
        {"lblTitle", {64, 8, 307, 23}, mincho, 12, false},
        {"lblVersion", {64, 56, 307, 15}, mincho, 9.75, false},
        {"Text1", {16, 112, 361, 57}, mincho, 8.25, false},
        {"exename", {64, 32, 305, 17}, mincho, 9.75, false},
        {"Command1", {328, 8, 49, 25}, gothic, 8.25, false},
        {"Picture1", {16, 216, 356, 248}, {}, 0, false},
        {"Label1", {16, 176, 73, 17}, gothic, 12, true},
        {"Label2", {24, 200, 361, 17}, gothic, 8.25, true},
        {"Command2", {208, 72, 169, 25}, gothic, 9, false},
        {"Line1", {8, 104, 371, 1}, {}, 0, false},
    };
    for (const auto &row : rows) {
        QWidget *widget = control(row.name);
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->geometry(), row.geometry) << row.name;
        if (row.family.isEmpty())
            continue;
        EXPECT_EQ(widget->font().family(), row.family) << row.name;
        EXPECT_EQ(widget->font().pointSizeF(), row.points) << row.name;
        EXPECT_EQ(widget->font().bold(), row.bold) << row.name;
    }
    EXPECT_EQ(control("lblTitle")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(control("lblDescription")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(control("Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(control("Line1")->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(control<QLabel>("Label2")->text(),
              QStringLiteral("男性消費量１５以下、女性１３以下が目安（体格等により変わります）"));
}

TEST_F(AboutBoxTest, TabVisitsOkTheContactTextAndThePageButtonsInTurn)
{
    const QWidget *expected[] = {control("Text1"), control("Command1"), control("Command2"), control("cmdOK")};
    for (const QWidget *next : expected) {
        QTest::keyClick(about().focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(about().focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(AboutBoxTest, PicturesAreTheIconAndTheExampleInTheirFrames)
{
    auto *icon = control<QLabel>("picIcon");
    EXPECT_EQ(icon->frameWidth(), 1);
    EXPECT_EQ(icon->contentsRect().size(), QSize(32, 32));
    EXPECT_EQ(icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              QImage(identity::kIcon.toString()).convertToFormat(QImage::Format_ARGB32));

    auto *example = control<QLabel>("Picture1");
    EXPECT_EQ(example->frameWidth(), 2);
    EXPECT_EQ(example->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(example->contentsRect().size(), QSize(352, 244));
    const QImage shown = example->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.size(), QSize(352, 244));
    EXPECT_EQ(shown, QImage(QStringLiteral(":/ui/picture1.bmp")).convertToFormat(QImage::Format_RGB32));
}

TEST_F(AboutBoxTest, PicturesAreNamedAndDescribedForScreenReaders)
{
    const struct {
        const char *picture;
        QString name;
    } rows[] = {
        {"picIcon", identity::kTitle.toString() + QStringLiteral("のアイコン")},
        {"Picture1", QStringLiteral("入力例")},
    };
    for (const auto &row : rows) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control(row.picture));
        ASSERT_NE(accessible, nullptr) << row.picture;
        EXPECT_EQ(accessible->role(), QAccessible::Graphic) << row.picture;
        EXPECT_EQ(accessible->text(QAccessible::Name), row.name) << row.picture;
        const QString description = accessible->text(QAccessible::Description);
        EXPECT_FALSE(description.isEmpty()) << row.picture;
        EXPECT_NE(description, accessible->text(QAccessible::Name)) << row.picture;
    }
}

TEST_F(AboutBoxTest, EveryTextAndButtonHasANameWithoutALineBreak)
{
    for (QWidget *widget : about().findChildren<QWidget *>()) {
        if (!qobject_cast<QLabel *>(widget) && !qobject_cast<QPushButton *>(widget)
            && !qobject_cast<QPlainTextEdit *>(widget))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << widget->objectName().toStdString();
        EXPECT_EQ(name, name.trimmed()) << widget->objectName().toStdString();
    }
}

class AboutBoxAnsweredYes : public AboutBoxTest {
protected:
    AboutBoxAnsweredYes() : AboutBoxTest({true, true}) {}
};

TEST_F(AboutBoxAnsweredYes, EachPageButtonOpensItsOwnPageAndAsksAsTheBox)
{
    EXPECT_NE(identity::kAuthorHome, desktop::pages::kScubaInformation);
    EXPECT_NE(identity::kAuthorHome, identity::kHomePage);
    for (const char *button : {"Command1", "Command2"})
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    EXPECT_EQ(pages_.opened(),
              (std::vector<QUrl>{QUrl(identity::kAuthorHome.toString()),
                                 QUrl(desktop::pages::kScubaInformation.toString())}));
    ASSERT_EQ(boxes_.shown().size(), 2u);
    for (const auto &shown : boxes_.shown())
        EXPECT_EQ(shown.owner, QStringLiteral("frmabt"));
    EXPECT_TRUE(box->isVisible());
}

TEST_F(AboutBoxTest, AnsweringNoLeavesTheBoxAsItWas)
{
    control<QPlainTextEdit>("Text1")->appendPlainText(QStringLiteral("memo"));
    const QString typed = contactText();
    for (const char *button : {"Command1", "Command2"})
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    EXPECT_EQ(boxes_.shown().size(), 2u);
    EXPECT_TRUE(pages_.opened().empty());
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(contactText(), typed);
}

} // namespace
