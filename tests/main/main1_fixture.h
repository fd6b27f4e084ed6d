#pragma once

#include "frmabt.h"
#include "instance_slot.h"
#include "main1.h"
#include "message_boxes.h"
#include "recording_message_boxes.h"
#include "tab_control.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// What a control shows: a label's or button's caption, a box's text.
inline QString textOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    return QStringLiteral("?");
}

// main1 shown and active, as the user first sees it, with message boxes
// recorded instead of shown. Each test gets the window afresh: both forms are
// unloaded before and after, through their slots as the program does.
class Main1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        unloadAll();
        platform::instance<forms::main1>().show();
        window = platform::instance<forms::main1>().window();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        tabs = named<platform::TabControl>("SSTab1");
    }

    void TearDown() override { unloadAll(); }

    static void unloadAll()
    {
        platform::instance<platform::Global>().unload(platform::instance<forms::frmabt>());
        platform::instance<platform::Global>().unload(platform::instance<forms::main1>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class T = QWidget>
    T *named(const char *name) const
    {
        auto *widget = qobject_cast<T *>(platform::instance<forms::main1>().control(QString::fromLatin1(name)));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // The control with the focus, by name: an editable combo box's inner text
    // field counts as the combo box.
    static QString focusedControl()
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return QStringLiteral("(none)");
        if (auto *combo = qobject_cast<QComboBox *>(focus->parentWidget()))
            return combo->objectName();
        return focus->objectName();
    }

    // Types `text` key by key, as a keyboard would; characters beyond ASCII
    // arrive as committed text, as from a keyboard layout that has them.
    static void typeKeys(QWidget *widget, const QString &text)
    {
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(widget, static_cast<char>(ch.unicode()));
            } else {
                QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            }
        }
    }

    static QStringList visibleWindows()
    {
        QStringList names;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                names << widget->objectName();
        return names;
    }

    support::RecordingMessageBoxes boxes;
    platform::ServiceSlot<platform::MessageBoxes>::Override useBoxes{boxes};
    QWidget *window = nullptr;
    platform::TabControl *tabs = nullptr;
};
