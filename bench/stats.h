#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace bench {

// The middle of the samples: the mean of the two middle ones for an even
// count, NaN for none.
double median(std::vector<double> samples);

struct Summary {
    double median;
    double min;
    double max;
};

// Median, least and greatest; all NaN for no samples.
Summary summarise(const std::vector<double> &samples);

// What a probe printed at its first paint (see first_paint.h).
struct FirstPaint {
    std::int64_t nanoseconds; // CLOCK_MONOTONIC
    int width;
    int height;
};

// Finds the probe's "first-paint <ns> <width> <height>" line in its output;
// nothing when no whole, well-formed line is there.
std::optional<FirstPaint> parseFirstPaint(std::string_view output);

} // namespace bench
