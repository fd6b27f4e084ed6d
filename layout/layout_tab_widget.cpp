#include "layout_tab_widget.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

namespace layout {

EqualWidthTabBar::EqualWidthTabBar(int width, int height, QWidget *parent)
    : QTabBar(parent), width_(width), height_(height)
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

void EqualWidthTabBar::initStyleOption(QStyleOptionTab *option, int tabIndex) const
{
    QTabBar::initStyleOption(option, tabIndex);
    if (option->state & QStyle::State_HasFocus)
        option->state |= QStyle::State_KeyboardFocusChange;
}

QSize EqualWidthTabBar::tabSizeHint(int index) const
{
    const int tabs = count();
    if (index < 0 || index >= tabs)
        return {};
    return {width_ * (index + 1) / tabs - width_ * index / tabs, height_};
}

LayoutTabWidget::LayoutTabWidget(const QRect &geometry, int headerHeight, QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new EqualWidthTabBar(geometry.width(), headerHeight, this));
    setGeometry(geometry);
    // The pages and what shows between them are button face, as are the
    // controls that stand on them.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

QWidget *LayoutTabWidget::addPage(const QString &caption)
{
    auto *page = new QWidget(this);
    page->setAutoFillBackground(true);
    page->setBackgroundRole(QPalette::Button);
    addTab(page, caption);
    return page;
}

QRect LayoutTabWidget::styleRect(QStyle::SubElement element) const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(element, &option, this);
}

void LayoutTabWidget::placeControls(QWidget *page)
{
    // Where the tab widget will put its pages: the same question of the style
    // that it asks when it lays them out.
    const QPoint origin = styleRect(QStyle::SE_TabWidgetTabContents).topLeft();
    for (QWidget *control : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->move(control->pos() - origin);
}

void LayoutTabWidget::keyPressEvent(QKeyEvent *event)
{
    const bool pageKey = event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp;
    if (pageKey && (event->modifiers() & Qt::ControlModifier) && count() > 1) {
        const int step = event->key() == Qt::Key_PageDown ? 1 : count() - 1;
        setCurrentIndex((currentIndex() + step) % count());
        return;
    }
    QTabWidget::keyPressEvent(event);
}

void LayoutTabWidget::paintEvent(QPaintEvent *event)
{
    QTabWidget::paintEvent(event);
    // Some styles shade the pane inside its frame; the controls' own
    // backgrounds are button face, so the whole pane must be too.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    QPainter(this).fillRect(styleRect(QStyle::SE_TabWidgetTabPane).adjusted(frame, frame, -frame, -frame),
                            palette().button());
}

} // namespace layout
