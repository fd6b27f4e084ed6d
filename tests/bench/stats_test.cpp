#include "stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(BenchStats, MedianIsTheMiddleOrTheMeanOfTheTwoMiddleOnes)
{
    struct Row {
        std::vector<double> samples;
        double median;
    };
    const Row rows[] = {
        {{7}, 7},           {{3, 1, 2}, 2}, {{4, 1, 3, 2}, 2.5}, {{10, 10, 1, 1}, 5.5}, {{5, 9, 1, 7, 3, 100}, 6},
        {{-1, -3, -2}, -2},
    };
    for (const Row &row : rows)
        EXPECT_DOUBLE_EQ(bench::median(row.samples), row.median) << ::testing::PrintToString(row.samples);
    EXPECT_TRUE(std::isnan(bench::median({})));
}

TEST(BenchStats, SummaryHasTheMedianAndTheExtremes)
{
    const bench::Summary summary = bench::summarise({30, 10, 20, 50});
    EXPECT_DOUBLE_EQ(summary.median, 25);
    EXPECT_DOUBLE_EQ(summary.min, 10);
    EXPECT_DOUBLE_EQ(summary.max, 50);
    EXPECT_TRUE(std::isnan(bench::summarise({}).median));
}

TEST(BenchStats, FirstPaintLineIsFoundOnlyWhenWholeAndWellFormed)
{
    struct Row {
        const char *output;
        bool found;
        long long nanoseconds;
        int width, height;
    };
    const Row rows[] = {
        {"first-paint 123456789 403 253\n", true, 123456789, 403, 253},
        {"warming up\nfirst-paint 42 1 2\nbye\n", true, 42, 1, 2},
        {"first-paint 9000000000000 403 253\n", true, 9000000000000, 403, 253},
        {"first-paint 123 403 253", false, 0, 0, 0}, // cut short: no line end
        {"first-paint 123 403\n", false, 0, 0, 0},
        {"first-paint 123 403 253 7\n", false, 0, 0, 0},
        {"first-paint 12x 403 253\n", false, 0, 0, 0},
        {"first-paint -5 403 253\n", false, 0, 0, 0},
        {"first-paint 5 0 253\n", false, 0, 0, 0},
        {"first-paint  5 403 253\n", false, 0, 0, 0},
        {"first paint 5 403 253\n", false, 0, 0, 0},
        {"", false, 0, 0, 0},
    };
    for (const Row &row : rows) {
        const auto paint = bench::parseFirstPaint(row.output);
        ASSERT_EQ(paint.has_value(), row.found) << row.output;
        if (!paint)
            continue;
        EXPECT_EQ(paint->nanoseconds, row.nanoseconds) << row.output;
        EXPECT_EQ(paint->width, row.width) << row.output;
        EXPECT_EQ(paint->height, row.height) << row.output;
    }
}
