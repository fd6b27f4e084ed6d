// Starts the program as sorvane does and writes the main window, one picture
// per tab, to OUTDIR/main1-tab<N>.png; with SCALE, also magnified SCALE
// times without smoothing to main1-tab<N>-x<SCALE>.png. Run it on a real display server so the
// fonts and the style are those a user sees, e.g.
//
//   xvfb-run -s "-screen 0 800x600x24" build/release/tools/sorvane_screenshot shots [SCALE]
#include "app/project.h"
#include "app/startup.h"
#include "platform/tab_control.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int scale = arguments.size() == 3 ? arguments.at(2).toInt() : 1;
    if (arguments.size() < 2 || arguments.size() > 3 || scale < 1) {
        std::fprintf(stderr, "usage: sorvane_screenshot OUTDIR [SCALE]\n");
        return 2;
    }
    const QDir out(arguments.at(1));
    QDir().mkpath(out.path());

    app::start(application, app::kProject);
    QWidget *window = app::kProject.startupForm().window();
    auto *tabs = window->findChild<platform::TabControl *>(QStringLiteral("SSTab1"));
    if (!tabs)
        return 1;

    auto settle = [] {
        for (int k = 0; k < 10; ++k) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
    };
    settle();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setTab(tab);
        settle();
        const QPixmap picture = window->grab();
        const QString file = out.filePath(QStringLiteral("main1-tab%1.png").arg(tab));
        if (!picture.save(file))
            return 1;
        QTextStream(stdout) << file << '\n';
        if (scale > 1) {
            const QString magnified = out.filePath(QStringLiteral("main1-tab%1-x%2.png").arg(tab).arg(scale));
            if (!picture.scaled(picture.size() * scale).save(magnified))
                return 1;
            QTextStream(stdout) << magnified << '\n';
        }
    }
    return 0;
}
