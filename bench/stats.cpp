#include "stats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

namespace bench {

double median(std::vector<double> samples)
{
    if (samples.empty())
        return std::numeric_limits<double>::quiet_NaN();
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    const double upper = *middle;
    if (samples.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(samples.begin(), middle);
    return (lower + upper) / 2;
}

Summary summarise(const std::vector<double> &samples)
{
    if (samples.empty()) {
        const double none = std::numeric_limits<double>::quiet_NaN();
        return {none, none, none};
    }
    const auto [least, greatest] = std::minmax_element(samples.begin(), samples.end());
    return {median(samples), *least, *greatest};
}

namespace {

// Reads one number and the blanks after it; false unless a number is there.
template <class Number>
bool take(std::string_view &text, Number &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (!text.empty() && text.front() != ' ')
        return false;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return true;
}

} // namespace

std::optional<FirstPaint> parseFirstPaint(std::string_view output)
{
    constexpr std::string_view key = "first-paint ";
    while (!output.empty()) {
        const std::size_t end = output.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt; // a line cut short: the probe died writing it
        std::string_view line = output.substr(0, end);
        output.remove_prefix(end + 1);
        if (!line.starts_with(key))
            continue;
        line.remove_prefix(key.size());
        FirstPaint paint{};
        if (take(line, paint.nanoseconds) && take(line, paint.width) && take(line, paint.height) && line.empty()
            && paint.nanoseconds > 0 && paint.width > 0 && paint.height > 0)
            return paint;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace bench
