#include "key_press.h"
#include "message_boxes.h"
#include "recording_message_boxes.h"
#include "runtime_error.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

TEST(KeyPress, CharacterKeysArriveWithTheirCodesAndOthersDoNot)
{
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::optional<int> code;
    };
    const Row rows[] = {
        {Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {Qt::Key_A, Qt::NoModifier, "a", 'a'},
        {Qt::Key_5, Qt::KeypadModifier, "5", '5'},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
        {Qt::Key_unknown, Qt::NoModifier, "水", u'水'},
        {Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
        {Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
        {Qt::Key_F1, Qt::NoModifier, "", std::nullopt},
    };
    QLineEdit box;
    std::vector<int> seen;
    platform::onKeyPress(&box, [&](int &code) { seen.push_back(code); });
    for (const Row &row : rows) {
        seen.clear();
        QTest::sendKeyEvent(QTest::Press, &box, row.key, row.text, row.modifiers);
        if (row.code) {
            ASSERT_EQ(seen.size(), 1u) << row.text.toStdString();
            EXPECT_EQ(seen[0], *row.code) << row.text.toStdString();
        } else {
            EXPECT_TRUE(seen.empty()) << row.key;
        }
    }
}

TEST(KeyPress, TheHandlerDecidesWhatTheControlGets)
{
    struct Row {
        const char *what;
        std::function<void(int &)> handler;
        QString typed;
        std::size_t reports;
    };
    const Row rows[] = {
        {"left alone", [](int &) {}, "ab", 0},
        {"discarded", [](int &code) { code = code == 'a' ? 0 : code; }, "b", 0},
        {"replaced", [](int &code) { code = code == 'a' ? 'x' : code; }, "xb", 0},
        {"failed before changing it", [](int &) { throw platform::RuntimeError(platform::ErrorNumber::InvalidCall); },
         "ab", 2},
        {"failed after discarding it",
         [](int &code) {
             code = 0;
             throw platform::RuntimeError(platform::ErrorNumber::InvalidCall);
         },
         "", 2},
    };
    for (const Row &row : rows) {
        support::RecordingMessageBoxes boxes;
        platform::ServiceSlot<platform::MessageBoxes>::Override useBoxes(boxes);
        QLineEdit box;
        platform::onKeyPress(&box, row.handler);
        QTest::keyClicks(&box, QStringLiteral("ab"));
        EXPECT_EQ(box.text(), row.typed) << row.what;
        // A runtime error in a KeyPress handler is reported, never thrown into Qt.
        EXPECT_EQ(boxes.requests().size(), row.reports) << row.what;
    }
}

TEST(KeyPress, EnterPressesAButtonUnlessItsHandlerDiscardsTheKey)
{
    struct Row {
        Qt::Key key;
        bool discard;
        int clicks;
    };
    const Row rows[] = {
        {Qt::Key_Return, false, 1},
        {Qt::Key_Enter, false, 1},
        {Qt::Key_Return, true, 0},
        {Qt::Key_A, false, 0},
    };
    for (const Row &row : rows) {
        QPushButton button;
        platform::onButtonKeyPress(&button, [&](int &code) {
            if (row.discard)
                code = 0;
        });
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::keyClick(&button, row.key);
        EXPECT_EQ(clicked.count(), row.clicks) << row.key << " discard " << row.discard;
    }
}
