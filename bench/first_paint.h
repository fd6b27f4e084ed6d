#pragma once

#include <cstdint>

class QWidget;

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: one clock for every process on the machine,
// so the runner's stamp before it starts a probe and the probe's stamp at its
// first paint can be subtracted.
std::int64_t monotonicNanoseconds();

// Ends the event loop (exit code 0) once `window` has been painted for the
// first time, after printing "first-paint <ns> <width> <height>" to stdout.
// The stamp is taken when the paint pass that first painted the window is
// over, its children and the flush to the screen included, not at the
// window's own paint event, which comes before its children's. Without a
// paint within 20 s the loop ends with exit code 3.
void exitAfterFirstPaint(QWidget *window);

} // namespace bench
