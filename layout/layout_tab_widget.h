#pragma once

#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

namespace layout {

// Tab headers that share the bar's whole width in equal parts, whatever their
// captions, at a fixed height.
class EqualWidthTabBar final : public QTabBar {
    Q_OBJECT

public:
    EqualWidthTabBar(int width, int height, QWidget *parent = nullptr);

protected:
    // The focused header shows the style's focus frame from the start, not
    // only once the keyboard has moved the focus.
    void initStyleOption(QStyleOptionTab *option, int tabIndex) const override;
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    int width_;
    int height_;
};

// A tab widget of a fixed layout: at `geometry`, with equal-width headers
// `headerHeight` high. Its pages take controls in the tab widget's own
// coordinates, headers included, so the layout's numbers go in unchanged.
class LayoutTabWidget final : public QTabWidget {
    Q_OBJECT

public:
    LayoutTabWidget(const QRect &geometry, int headerHeight, QWidget *parent);

    // A new page at the end. Give its controls their layout geometry, then
    // call placeControls() for it.
    QWidget *addPage(const QString &caption);
    // Moves the page's controls from the tab widget's coordinates into the
    // page's, where the style puts the pages.
    void placeControls(QWidget *page);

protected:
    // Ctrl+PgDown and Ctrl+PgUp step through the tabs from anywhere on them,
    // as Ctrl+Tab and Ctrl+Shift+Tab do.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // A part of the tab widget where its style puts it.
    QRect styleRect(QStyle::SubElement element) const;
};

} // namespace layout
