#pragma once

#include "main_window.h"
#include "recording_message_boxes.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

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

// A main window shown and active, as the user first sees it, with message
// boxes recorded instead of shown. Each test gets a window of its own.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override { closeAll(); }

    void open()
    {
        main = std::make_unique<ui::MainWindow>();
        window = main.get();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        tabs = named<QTabWidget>("SSTab1");
        // The enriched-air tab is made when it first shows.
        tabs->setCurrentIndex(1);
        tabs->setCurrentIndex(0);
    }

    void closeAll()
    {
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class T = QWidget>
    T *named(const char *name) const
    {
        auto *widget = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // The About box while it is open, else null.
    static QWidget *aboutBox()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == u"frmabt" && widget->isVisible())
                return widget;
        return nullptr;
    }

    // A tab header, in the tab widget's coordinates.
    QRect headerRect(int tab) const { return tabs->tabBar()->tabRect(tab).translated(tabs->tabBar()->pos()); }
    void clickHeader(int tab)
    {
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
    }

    // The control with the focus, by name: an editable combo box's inner text
    // field counts as the combo box, the tab bar as its tab widget.
    static QString focusedControl()
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return QStringLiteral("(none)");
        if (qobject_cast<QComboBox *>(focus->parentWidget()) || qobject_cast<QTabBar *>(focus))
            return focus->parentWidget()->objectName();
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
    std::unique_ptr<ui::MainWindow> main;
    ui::MainWindow *window = nullptr;
    QTabWidget *tabs = nullptr;
};
