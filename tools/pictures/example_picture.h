#pragma once

#include <QImage>
#include <QSize>

class QWidget;

namespace pictures {

// The size of the About box's input example.
inline constexpr QSize kExampleSize{352, 244};

// Types the worked examples into the main window's controls, found by their
// layout names, and presses "計　算": 185, 50, 10, 12.5, 45 on the
// breathing-rate tab (13.3 リットル／分) and 32 %, 28 m on the enriched-air tab.
void workBreathingRateExample(QWidget &main);
void workEnrichedAirExample(QWidget &main);

// The main window's breathing-rate tab with its example worked, cut from the
// window's top-left corner at kExampleSize.
QImage renderBreathingRateExample();

// The top-left kExampleSize of a window, drawn as it would show on screen.
QImage renderExample(QWidget &window);

} // namespace pictures
