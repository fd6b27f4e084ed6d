#include "window_fit.h"

#include <gtest/gtest.h>

TEST(WindowFit, ContrastIsTheGuidelinesRatioOfRelativeLuminances)
{
    const struct {
        QColor a, b;
        double ratio;
    } rows[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},
        {QColor(255, 0, 0), Qt::white, 4.00},
        {QColor(255, 0, 0), QColor(53, 53, 53), 3.07},
        {QColor(0, 0, 0), QColor(53, 53, 53), 1.71},
        {QColor(119, 119, 119), Qt::white, 4.48},
        {QColor(128, 128, 128), QColor(128, 128, 128), 1.0},
    };
    for (const auto &row : rows)
        EXPECT_NEAR(layout::contrastRatio(row.a, row.b), row.ratio, 0.005) << row.a.name().toStdString();
}

TEST(WindowFit, AWindowMovesJustEnoughToLieInsideTheScreen)
{
    const QRect screen(0, 0, 1024, 560);
    const struct {
        const char *what;
        QRect wanted;
        QRect available;
        QPoint placed;
    } rows[] = {
        {"fits", {156, 129, 389, 478}, {0, 0, 1024, 768}, {156, 129}},
        {"too low", {156, 129, 389, 478}, screen, {156, 82}},
        {"too far right", {800, 10, 389, 478}, screen, {635, 10}},
        {"left of a screen beside another", {156, 129, 389, 478}, {1024, 0, 800, 600}, {1024, 122}},
        {"under a top panel", {156, 10, 389, 478}, {0, 30, 1024, 738}, {156, 30}},
        {"larger than the screen", {156, 129, 389, 478}, {0, 0, 320, 240}, {0, 0}},
    };
    for (const auto &row : rows) {
        const QRect placed = layout::keepInside(row.wanted, row.available);
        EXPECT_EQ(placed, QRect(row.placed, row.wanted.size())) << row.what;
    }
}
