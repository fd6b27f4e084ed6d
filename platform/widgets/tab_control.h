#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

namespace platform {

// A tabbed dialog: one row of tab headers along the top edge and a page below
// them. Every tab owns a fixed set of controls. They are children of the tab
// control itself, placed relative to its top-left corner (headers included),
// so a layout's coordinates go in unchanged. Only the selected tab's controls
// are shown, which also keeps the other tab's controls out of the keyboard
// order. Selecting a tab changes no control's content.
//
// The tab control is itself a tab stop. With the focus on it, Left and Right
// select the neighbouring tab; Ctrl+Tab and Ctrl+Shift+Tab (or Ctrl+PgDown and
// Ctrl+PgUp) do so from any of its controls. Clicking a header selects its tab.
//
// Screen readers see it as a page-tab list with one page tab per header, told
// of each change of the selected tab.
class TabControl final : public QWidget {
public:
    explicit TabControl(QWidget *parent = nullptr);

    // Adds a tab at the end of the row; returns its number, counted from 0.
    // The first tab added is the selected one.
    int addTab(const QString &caption);
    // Makes `control` one of tab `tab`'s controls, where it stands now.
    void addControl(int tab, QWidget *control);

    int count() const { return static_cast<int>(tabs_.size()); }
    QString caption(int tab) const;
    QRect headerRect(int tab) const;

    void setHeaderHeight(int pixels);

    // The selected tab. Selecting a tab that does not exist raises the
    // invalid-call runtime error.
    int tab() const { return current_; }
    void setTab(int tab);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Tab {
        QString caption;
        QList<QPointer<QWidget>> controls;
    };

    void step(int by);

    QList<Tab> tabs_;
    int current_ = -1;
    int headerHeight_ = 20;
};

} // namespace platform
