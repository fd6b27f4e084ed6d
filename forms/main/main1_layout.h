#pragma once

#include <QMainWindow>

#include <functional>

namespace forms {

// main1's window. Closing it asks its QueryUnload handler first; the handler
// may cancel the close by setting `cancel` to non-zero.
class Main1Window final : public QMainWindow {
    Q_OBJECT

public:
    using QueryUnload = std::function<void(int &cancel, int unloadMode)>;

    Main1Window() = default;
    void setQueryUnload(QueryUnload handler) { queryUnload_ = std::move(handler); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QueryUnload queryUnload_;
};

// Builds main1's window with every control of its layout, each named by its
// control name, the menu items included (`ffile` is the menu, `hhelp` and
// `eend` its actions). The tab control `SSTab1` has tab 1 selected, as the
// layout defines it; the focus is set to go to the first control of the
// keyboard order when the window first shows. The enriched-air tab's controls
// are made when first needed (platform::TabControl::buildOnFirstUse), and
// `enrichedAirBuilt` is called with the window once they are.
Main1Window *buildMain1Window(const std::function<void(QWidget *)> &enrichedAirBuilt);

} // namespace forms
