// Times the two calculations end to end through the real main window: a mouse
// click on "計　算" through to the result label painted.
//
//   sorvane_bench_clicks [--clicks N]
//
// The program is started as app/main.cpp starts it, with message boxes
// recorded instead of shown so nothing waits for a person. Before every timed
// click the inputs are filled in and the result labels emptied, untimed, so
// each click writes and paints new text as a user's first click does.
#include "main_window.h"
#include "recording_message_boxes.h"
#include "startup.h"
#include "stats.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

QWidget *mainWindow = nullptr;

template <class T = QWidget>
T *named(const char *name)
{
    auto *widget = mainWindow->findChild<T *>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "sorvane_bench_clicks: no control %s\n", name);
        std::exit(1);
    }
    return widget;
}

// Notes when a watched label has been painted.
class PaintFlag final : public QObject {
    Q_OBJECT

public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Runs `prepare` untimed, then times a click on `button` until `result` has
// been painted; returns the times in microseconds.
std::vector<double> timeClicks(int clicks, const char *button, QLabel *result, const std::function<void()> &prepare)
{
    auto *target = named<QPushButton>(button);
    PaintFlag flag;
    result->installEventFilter(&flag);
    std::vector<double> micros;
    const int warmUp = 5;
    for (int k = 0; k < warmUp + clicks; ++k) {
        prepare();
        QCoreApplication::processEvents();
        flag.painted = false;

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(target, Qt::LeftButton);
        QElapsedTimer patience;
        patience.start();
        while (!flag.painted && patience.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e3;
        if (!flag.painted) {
            std::fprintf(stderr, "sorvane_bench_clicks: %s: the result was never painted\n", button);
            std::exit(1);
        }
        if (k >= warmUp)
            micros.push_back(elapsed);
    }
    result->removeEventFilter(&flag);
    return micros;
}

void report(const char *what, const std::vector<double> &micros, const QString &shown)
{
    const bench::Summary summary = bench::summarise(micros);
    std::printf("  %-36s %9.0f %9.0f %9.0f   %s\n", what, summary.median, summary.min, summary.max,
                shown.toUtf8().constData());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    int clicks = 200;
    if (argc == 3 && QByteArray(argv[1]) == "--clicks" && std::atoi(argv[2]) > 0) {
        clicks = std::atoi(argv[2]);
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: sorvane_bench_clicks [--clicks N]\n");
        return 2;
    }

    support::RecordingMessageBoxes boxes;
    app::setUp(application);
    ui::MainWindow main;
    mainWindow = &main;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        std::fprintf(stderr, "sorvane_bench_clicks: the main window never showed\n");
        return 1;
    }
    auto *tabs = named<QTabWidget>("SSTab1");

    tabs->setCurrentIndex(0);
    auto *rate = named<QLabel>("Label7");
    const char *texts[] = {"185", "50", "10", "12.5", "45"};
    const char *boxNames[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};
    const std::vector<double> breathing = timeClicks(clicks, "Command1", rate, [&] {
        for (int k = 0; k < 5; ++k)
            named<QLineEdit>(boxNames[k])->setText(QString::fromLatin1(texts[k]));
        rate->clear();
    });
    const QString rateShown = rate->text();

    tabs->setCurrentIndex(1);
    auto *depth = named<QLabel>("Label14");
    auto *pressure = named<QLabel>("Label16");
    const std::vector<double> enriched = timeClicks(clicks, "Command4", pressure, [&] {
        auto *oxygen = named<QComboBox>("Combo1");
        oxygen->setCurrentIndex(oxygen->findText(QStringLiteral("32")));
        named<QComboBox>("Combo2")->setEditText(QStringLiteral("28"));
        depth->clear();
        pressure->clear();
    });

    if (!boxes.shown().empty() || rateShown.isEmpty() || depth->text().isEmpty() || pressure->text().isEmpty()) {
        std::fprintf(stderr, "sorvane_bench_clicks: a calculation did not show its result (%zu message boxes)\n",
                     boxes.shown().size());
        return 1;
    }
    std::printf("platform %s: %d clicks of each, click to result painted (microseconds)\n",
                qPrintable(QGuiApplication::platformName()), clicks);
    std::printf("  %-36s %9s %9s %9s   %s\n", "", "median", "min", "max", "shows");
    report("breathing rate (185, 50, 10, 12.5, 45)", breathing, rateShown);
    report("enriched air (32 %, 28 m)", enriched, depth->text() + QStringLiteral(" m, ") + pressure->text());
    return 0;
}

#include "click_bench.moc"
