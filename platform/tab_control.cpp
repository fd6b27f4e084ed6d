#include "tab_control.h"

#include "runtime_error.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace platform {

TabControl::TabControl(QWidget *parent) : QWidget(parent)
{
    // A tab stop for the keyboard; a click takes the focus only on a header.
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

int TabControl::addTab(const QString &caption)
{
    tabs_.append(Tab{caption, {}});
    if (current_ < 0)
        current_ = 0;
    update();
    return count() - 1;
}

void TabControl::addControl(int tab, QWidget *control)
{
    if (tab < 0 || tab >= count())
        throw RuntimeError(ErrorNumber::InvalidCall);
    if (control->parentWidget() != this)
        control->setParent(this);
    tabs_[tab].controls.append(control);
    control->setVisible(tab == current_);
}

QString TabControl::caption(int tab) const
{
    return tab >= 0 && tab < count() ? tabs_[tab].caption : QString();
}

QRect TabControl::headerRect(int tab) const
{
    if (tab < 0 || tab >= count())
        return {};
    // The headers share the full width in one row, as the original's did.
    const int left = width() * tab / count();
    const int right = width() * (tab + 1) / count();
    return QRect(left, 0, right - left, headerHeight_);
}

void TabControl::setHeaderHeight(int pixels)
{
    headerHeight_ = pixels;
    update();
}

void TabControl::setTab(int tab)
{
    if (tab < 0 || tab >= count())
        throw RuntimeError(ErrorNumber::InvalidCall);
    if (tab == current_)
        return;

    // Hiding the control with the focus would let Qt hand the focus to some
    // other control; the tab control keeps it instead, as a click on a header
    // gives it there too.
    QWidget *focused = window()->focusWidget();
    for (const QPointer<QWidget> &control : std::as_const(tabs_[current_].controls)) {
        if (control && focused && (focused == control || control->isAncestorOf(focused))) {
            setFocus(Qt::TabFocusReason);
            break;
        }
    }

    // Show the new tab's controls before hiding the old ones, so the window
    // never has a moment without any.
    for (const QPointer<QWidget> &control : std::as_const(tabs_[tab].controls))
        if (control)
            control->show();
    for (const QPointer<QWidget> &control : std::as_const(tabs_[current_].controls))
        if (control)
            control->hide();
    current_ = tab;
    update();
}

void TabControl::step(int by)
{
    if (count() > 0)
        setTab((current_ + by + count()) % count());
}

void TabControl::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);

    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, headerHeight_, width(), height() - headerHeight_);
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarSize = QSize(width(), headerHeight_);
    frame.tabBarRect = QRect(0, 0, width(), headerHeight_);
    frame.selectedTabRect = headerRect(current_);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    // Some styles shade the page; the controls' own backgrounds are
    // button-face, so the page must be too.
    painter.fillRect(frame.rect.adjusted(frame.lineWidth, frame.lineWidth, -frame.lineWidth, -frame.lineWidth),
                     palette().button());

    auto tabOption = [&](int tab) {
        QStyleOptionTab option;
        option.initFrom(this);
        option.state &= ~QStyle::State_HasFocus;
        option.rect = headerRect(tab);
        option.text = tabs_[tab].caption;
        option.shape = QTabBar::RoundedNorth;
        if (count() == 1)
            option.position = QStyleOptionTab::OnlyOneTab;
        else if (tab == 0)
            option.position = QStyleOptionTab::Beginning;
        else if (tab == count() - 1)
            option.position = QStyleOptionTab::End;
        else
            option.position = QStyleOptionTab::Middle;
        if (tab == current_ - 1)
            option.selectedPosition = QStyleOptionTab::NextIsSelected;
        else if (tab == current_ + 1)
            option.selectedPosition = QStyleOptionTab::PreviousIsSelected;
        if (tab == current_) {
            option.state |= QStyle::State_Selected;
            if (hasFocus())
                option.state |= QStyle::State_HasFocus;
        }
        return option;
    };
    // The selected header overlaps its neighbours, so it is drawn last.
    for (int tab = 0; tab < count(); ++tab)
        if (tab != current_)
            painter.drawControl(QStyle::CE_TabBarTab, tabOption(tab));
    // The style draws the focus frame on the selected header's caption.
    if (current_ >= 0)
        painter.drawControl(QStyle::CE_TabBarTab, tabOption(current_));
}

void TabControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        for (int tab = 0; tab < count(); ++tab) {
            if (headerRect(tab).contains(event->position().toPoint())) {
                setFocus(Qt::MouseFocusReason);
                setTab(tab);
                return;
            }
        }
    }
    QWidget::mousePressEvent(event);
}

void TabControl::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Tab and the like reach here from the tab's controls too: they
    // ignore the keys they have no use for.
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown)) {
        step(+1);
    } else if (control && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp)) {
        step(-1);
    } else if (hasFocus() && !control && event->key() == Qt::Key_Left) {
        if (current_ > 0)
            setTab(current_ - 1);
    } else if (hasFocus() && !control && event->key() == Qt::Key_Right) {
        if (current_ + 1 < count())
            setTab(current_ + 1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void TabControl::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void TabControl::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

} // namespace platform
