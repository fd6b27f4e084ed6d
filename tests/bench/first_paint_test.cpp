#include "first_paint.h"
#include "stats.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A control that notes when it was last painted.
class PaintedAt final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
    std::int64_t at = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Qt::gray);
        at = bench::monotonicNanoseconds();
    }
};

} // namespace

TEST(FirstPaint, IsStampedAfterTheWholeWindowHasPaintedThenTheLoopEnds)
{
    QWidget window;
    window.resize(203, 107);
    auto *inner = new PaintedAt(&window);
    inner->setGeometry(10, 10, 50, 20);
    const std::int64_t before = bench::monotonicNanoseconds();
    bench::exitAfterFirstPaint(&window);
    window.show();

    ::testing::internal::CaptureStdout();
    const int code = QCoreApplication::exec();
    const std::string printed = ::testing::internal::GetCapturedStdout();

    EXPECT_EQ(code, 0);
    const auto paint = bench::parseFirstPaint(printed);
    ASSERT_TRUE(paint.has_value()) << printed;
    EXPECT_EQ(paint->width, 203);
    EXPECT_EQ(paint->height, 107);
    ASSERT_NE(inner->at, 0) << "the control was never painted";
    // The window's own paint event comes before its controls': the stamp must
    // wait for them.
    EXPECT_GE(paint->nanoseconds, inner->at);
    EXPECT_GT(inner->at, before);
}

#include "first_paint_test.moc"
