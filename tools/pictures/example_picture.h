#pragma once

#include <QImage>
#include <QSize>

class QWidget;

namespace pictures {

// The size of the About box's input example.
inline constexpr QSize kExampleSize{352, 244};

// The main window's breathing-rate tab filled with the example 185, 50, 10,
// 12.5, 45 and its result 13.3 リットル／分, cut from the window's top-left
// corner at kExampleSize.
QImage renderBreathingRateExample();

// The top-left kExampleSize of a window, drawn as it would show on screen.
QImage renderExample(QWidget &window);

} // namespace pictures
