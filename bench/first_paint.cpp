#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace bench {

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

namespace {

class FirstPaintWatch final : public QObject {
    Q_OBJECT

public:
    explicit FirstPaintWatch(QWidget *window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Posted events wait for the paint pass under way to finish.
            QMetaObject::invokeMethod(this, &FirstPaintWatch::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        const std::int64_t now = monotonicNanoseconds();
        std::printf("first-paint %lld %d %d\n", static_cast<long long>(now), window_->width(), window_->height());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QPointer<QWidget> window_;
    bool seen_ = false;
};

} // namespace

void exitAfterFirstPaint(QWidget *window)
{
    new FirstPaintWatch(window);
    QTimer::singleShot(20'000, window, [] {
        std::fprintf(stderr, "no first paint within 20 s\n");
        QCoreApplication::exit(3);
    });
}

} // namespace bench

#include "first_paint.moc"
