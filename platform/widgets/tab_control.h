#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

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
//
// A tab's controls may be made only when first needed, to spare the start-up
// their cost: when the tab is selected (while the tab control is hidden, as it
// shows), when a screen reader asks for the tab control's children, or when
// one of them is looked up by name (findControl).
class TabControl final : public QWidget {
    Q_OBJECT

public:
    explicit TabControl(QWidget *parent = nullptr);

    // Adds a tab at the end of the row; returns its number, counted from 0.
    // The first tab added is the selected one.
    int addTab(const QString &caption);
    // Makes `control` one of tab `tab`'s controls, where it stands now.
    void addControl(int tab, QWidget *control);

    // Adds `build`, which makes controls named `names` for tab `tab` (through
    // addControl), to what is built when the tab is first needed; the parts of
    // a tab are built in the order given.
    void buildOnFirstUse(int tab, const QStringList &names, std::function<void()> build);
    // Builds what is still to be built of every tab, or only of the tab a
    // control named `name` is to be made for; true if that was any.
    void buildAll();
    bool buildFor(QStringView name);

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
    void showEvent(QShowEvent *event) override;

private:
    struct Tab {
        QString caption;
        QList<QPointer<QWidget>> controls;
        QStringList unbuilt; // the names of the controls still to be made
        std::vector<std::function<void()>> build;
    };

    void build(int tab);
    void step(int by);

    QList<Tab> tabs_;
    int current_ = -1;
    int headerHeight_ = 20;
};

} // namespace platform
