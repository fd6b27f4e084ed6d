#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>

class QWidget;

namespace layout {

// Fitting a window's fixed layout to the desktop it opens on: colours that
// stay legible whatever the palette, and a place that lies on the screen.

// The contrast of two colours as the web's accessibility guidelines measure
// it: (L1 + 0.05) / (L2 + 0.05) of their relative luminances, the lighter
// first. 1 for equal colours, 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

// Below this, text is hard to read even when large.
inline constexpr double kLegibleContrast = 3.0;

// The role a palette pairs with a background role for the text drawn on it.
QPalette::ColorRole textRoleOn(QPalette::ColorRole background);

// `widget` draws `role` in `fixed`, a colour its layout fixes, wherever that
// stands at kLegibleContrast or more against the `background` role of its
// parent's palette, which is what the widget is drawn on. Elsewhere it draws
// the palette's text colour for that background (WindowText on Window,
// ButtonText on Button, Text on Base), chosen for legibility by the desktop.
// Decided now, for each colour group, and again whenever the desktop's
// palette or the parent's changes. `widget` must have its parent already.
void keepFixedColourLegible(QWidget *widget, QPalette::ColorRole role, const QColor &fixed,
                            QPalette::ColorRole background);

// `wanted` moved just enough to lie wholly inside `available`. One larger than
// `available` keeps its top-left corner inside, where a title bar is.
QRect keepInside(const QRect &wanted, const QRect &available);

// Puts a top-level window's client area at `client`, a fixed place on the
// screen, where the whole window (its frame as far as known) fits in the
// available area of the screen at that place; elsewhere it moves just enough.
void placeOnScreen(QWidget *window, const QRect &client);

} // namespace layout
