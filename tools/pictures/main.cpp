// Writes the pictures of the program that are made from its own windows:
//
//   sorvane_pictures example FILE.bmp    the About box's input example (Picture1)
//   sorvane_pictures screenshots OUTDIR  the main window on each tab with an
//                                        example worked, and the About box,
//                                        as PNG files (the README's pictures)
//
// Runs on any Qt platform. For screenshots as a user sees them (the desktop
// style's fonts and frames), run it on a display server:
//
//   xvfb-run -s "-screen 0 800x600x24" build/release/tools/sorvane_pictures screenshots docs
#include "example_picture.h"

#include "main_window.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QSaveFile>
#include <QTabWidget>
#include <QTextStream>
#include <QWidget>

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << message << '\n';
    return 1;
}

// Lets the windows map and paint before they are grabbed.
void settle()
{
    for (int k = 0; k < 10; ++k)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

int writeScreenshots(QApplication &application, const QDir &out)
{
    if (!QDir().mkpath(out.path()))
        return fail(QStringLiteral("cannot make ") + out.path());
    app::setUp(application);
    ui::MainWindow main;
    main.show();
    // The enriched-air tab is made when it first shows.
    auto *tabs = main.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(0);
    pictures::workBreathingRateExample(main);
    pictures::workEnrichedAirExample(main);

    auto save = [&](QWidget *window, const char *name) {
        settle();
        const QString path = out.filePath(QLatin1String(name));
        if (!window->grab().save(path, "PNG"))
            return false;
        QTextStream(stdout) << path << '\n';
        return true;
    };
    tabs->setCurrentIndex(0);
    if (!save(&main, "main-breathing-rate.png"))
        return fail(QStringLiteral("cannot write the breathing-rate tab"));
    tabs->setCurrentIndex(1);
    if (!save(&main, "main-enriched-air.png"))
        return fail(QStringLiteral("cannot write the enriched-air tab"));
    main.showAboutBox();
    QWidget *about = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"frmabt")
            about = window;
    if (!about || !save(about, "about.png"))
        return fail(QStringLiteral("cannot write the About box"));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: sorvane_pictures example FILE.bmp | screenshots OUTDIR"));
    const QString &mode = args[1];
    const QString &path = args[2];

    if (mode == u"example") {
        // From 32-bit pixels Qt writes a 24-bit, uncompressed, bottom-up
        // Windows bitmap, the format the About box's picture has always had.
        const QImage example = pictures::renderBreathingRateExample().convertToFormat(QImage::Format_RGB32);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !example.save(&file, "BMP") || !file.commit())
            return fail(QStringLiteral("cannot write ") + path);
        return 0;
    }
    if (mode == u"screenshots")
        return writeScreenshots(application, QDir(path));
    return fail(QStringLiteral("unknown mode ") + mode);
}
