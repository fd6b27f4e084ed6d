#include "tab_control.h"

#include "runtime_error.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include <utility>

namespace platform {

namespace {

// A screen reader sees the tab control as Qt shows its own tab bars: a page-tab
// list whose first children are its page tabs, one per header, followed by the
// controls of both tabs (those of the other tab marked invisible). A page tab
// carries its caption, its header's place on the screen and whether it is the
// selected one; pressing it selects its tab.
class PageTab final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTab(TabControl *tabs, int tab) : tabs_(tabs), tab_(tab) {}

    int tab() const { return tab_; }
    const TabControl *tabs() const { return tabs_; }

    bool isValid() const override { return tabs_ && tab_ < tabs_->count(); }
    QObject *object() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state = parent()->state();
        state.selectable = true;
        state.selected = tab_ == tabs_->tab();
        state.focused = state.selected && tabs_->hasFocus();
        return state;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect header = tabs_->headerRect(tab_);
        return {tabs_->mapToGlobal(header.topLeft()), header.size()};
    }

    QString text(QAccessible::Text kind) const override
    {
        return isValid() && kind == QAccessible::Name ? tabs_->caption(tab_) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(tabs_.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (isValid() && action == pressAction())
            tabs_->setTab(tab_);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<TabControl> tabs_;
    int tab_;
};

class PageTabList final : public QAccessibleWidget {
public:
    explicit PageTabList(TabControl *tabs) : QAccessibleWidget(tabs, QAccessible::PageTabList) {}
    ~PageTabList() override
    {
        for (const QAccessible::Id id : std::as_const(pageTabs_))
            QAccessible::deleteAccessibleInterface(id);
    }
    PageTabList(const PageTabList &) = delete;
    PageTabList &operator=(const PageTabList &) = delete;

    // The controls of every tab are made before a screen reader first sees
    // them, so it sees those of a tab not yet selected too.
    int childCount() const override
    {
        tabs()->buildAll();
        return tabs()->count() + QAccessibleWidget::childCount();
    }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0)
            return nullptr;
        tabs()->buildAll();
        if (index >= tabs()->count())
            return QAccessibleWidget::child(index - tabs()->count());
        if (const QAccessible::Id id = pageTabs_.value(index))
            return QAccessible::accessibleInterface(id);
        auto *pageTab = new PageTab(tabs(), index);
        pageTabs_.insert(index, QAccessible::registerAccessibleInterface(pageTab));
        return pageTab;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (const auto *pageTab = dynamic_cast<const PageTab *>(child))
            return pageTab->tabs() == tabs() ? pageTab->tab() : -1;
        tabs()->buildAll();
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : tabs()->count() + index;
    }

    QAccessibleInterface *focusChild() const override
    {
        if (tabs()->hasFocus())
            return child(tabs()->tab());
        return QAccessibleWidget::focusChild();
    }

    // Named after the selected tab, as Qt names its tab bars.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && tabs()->accessibleName().isEmpty())
            return tabs()->caption(tabs()->tab());
        return QAccessibleWidget::text(kind);
    }

private:
    TabControl *tabs() const { return static_cast<TabControl *>(widget()); }

    mutable QHash<int, QAccessible::Id> pageTabs_;
};

QAccessibleInterface *tabControlAccessible(const QString &, QObject *object)
{
    if (auto *tabs = qobject_cast<TabControl *>(object))
        return new PageTabList(tabs);
    return nullptr;
}

} // namespace

TabControl::TabControl(QWidget *parent) : QWidget(parent)
{
    // Once: the factory serves every tab control.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&tabControlAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    // A tab stop for the keyboard; a click takes the focus only on a header.
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

int TabControl::addTab(const QString &caption)
{
    tabs_.append(Tab{caption, {}, {}, {}});
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

void TabControl::buildOnFirstUse(int tab, const QStringList &names, std::function<void()> build)
{
    if (tab < 0 || tab >= count())
        throw RuntimeError(ErrorNumber::InvalidCall);
    tabs_[tab].unbuilt += names;
    tabs_[tab].build.push_back(std::move(build));
}

void TabControl::build(int tab)
{
    // Taken out first: building adds the controls, and a look-up meanwhile
    // must not build them again.
    const std::vector<std::function<void()>> parts = std::exchange(tabs_[tab].build, {});
    tabs_[tab].unbuilt.clear();
    for (const std::function<void()> &part : parts)
        part();
}

void TabControl::buildAll()
{
    for (int tab = 0; tab < count(); ++tab)
        build(tab);
}

bool TabControl::buildFor(QStringView name)
{
    for (int tab = 0; tab < count(); ++tab) {
        if (tabs_[tab].unbuilt.contains(name)) {
            build(tab);
            return true;
        }
    }
    return false;
}

QString TabControl::caption(int tab) const
{
    return tab >= 0 && tab < count() ? tabs_[tab].caption : QString();
}

QRect TabControl::headerRect(int tab) const
{
    if (tab < 0 || tab >= count())
        return {};
    // The headers share the full width in one row: each is as wide as the
    // others, whatever its caption.
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
    // A hidden tab control builds the tab as it shows, if it is still selected.
    if (isVisible())
        build(tab);

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

    // Tell assistive technology which page tab is now selected and, with the
    // focus here, focused; the index is the page tab's among the children.
    if (QAccessible::isActive()) {
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(tab);
            QAccessible::updateAccessibility(&focus);
        }
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(tab);
        QAccessible::updateAccessibility(&selection);
    }
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

void TabControl::showEvent(QShowEvent *event)
{
    if (current_ >= 0)
        build(current_);
    QWidget::showEvent(event);
}

} // namespace platform
