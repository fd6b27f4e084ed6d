#include "window_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace layout {

namespace {

// One sRGB channel, 0 to 255, as linear light.
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

// Lives as a child of the widget it keeps legible. It watches the widget and
// its parent, since a palette change reaches the two in no fixed order; each
// decision reads only the parent's palette, so the last one stands.
class FixedColour final : public QObject {
    Q_OBJECT

public:
    FixedColour(QWidget *widget, QPalette::ColorRole role, const QColor &fixed, QPalette::ColorRole background)
        : QObject(widget), widget_(widget), role_(role), fixed_(fixed), background_(background)
    {
        Q_ASSERT(widget->parentWidget());
        apply();
        widget->installEventFilter(this);
        widget->parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        if (applying_)
            return;
        applying_ = true;
        const QPalette drawnOn = widget_->parentWidget()->palette();
        QPalette palette = widget_->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const bool legible = contrastRatio(fixed_, drawnOn.color(group, background_)) >= kLegibleContrast;
            palette.setColor(group, role_, legible ? fixed_ : drawnOn.color(group, textRoleOn(background_)));
        }
        // An unchanged palette is not set again, so this settles at once.
        widget_->setPalette(palette);
        applying_ = false;
    }

    QWidget *widget_;
    QPalette::ColorRole role_;
    QColor fixed_;
    QPalette::ColorRole background_;
    bool applying_ = false;
};

} // namespace

QPalette::ColorRole textRoleOn(QPalette::ColorRole background)
{
    switch (background) {
    case QPalette::Button:
        return QPalette::ButtonText;
    case QPalette::Base:
    case QPalette::AlternateBase:
        return QPalette::Text;
    default:
        return QPalette::WindowText;
    }
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void keepFixedColourLegible(QWidget *widget, QPalette::ColorRole role, const QColor &fixed,
                            QPalette::ColorRole background)
{
    new FixedColour(widget, role, fixed, background);
}

QRect keepInside(const QRect &wanted, const QRect &available)
{
    QRect placed = wanted;
    if (placed.right() > available.right())
        placed.moveRight(available.right());
    if (placed.bottom() > available.bottom())
        placed.moveBottom(available.bottom());
    // Last, so that a window too large for the screen keeps its title bar and
    // close box on it.
    if (placed.left() < available.left())
        placed.moveLeft(available.left());
    if (placed.top() < available.top())
        placed.moveTop(available.top());
    return placed;
}

void placeOnScreen(QWidget *window, const QRect &client)
{
    QScreen *screen = QGuiApplication::screenAt(client.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // The frame is known once the window system has a window for it; until
    // then only the client area can be kept on the screen.
    QMargins frame;
    if (const QWindow *handle = window->windowHandle())
        frame = handle->frameMargins();
    const QRect available = screen ? screen->availableGeometry() : client;
    window->setGeometry(keepInside(client.marginsAdded(frame), available).marginsRemoved(frame));
}

} // namespace layout

#include "window_fit.moc"
