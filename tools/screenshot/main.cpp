// Starts the program as sorvane does and writes the main window, one picture
// per tab, to OUTDIR/main1-tab<N>.png, then once more with an example worked
// on each tab (main1-tab<N>-worked.png); with SCALE, also magnified SCALE
// times without smoothing to main1-tab<N>-x<SCALE>.png. Run it on a real display server so the
// fonts and the style are those a user sees, e.g.
//
//   xvfb-run -s "-screen 0 800x600x24" build/release/tools/sorvane_screenshot shots [SCALE]
#include "app/project.h"
#include "app/startup.h"
#include "platform/tab_control.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

QDir out;
int scale = 1;

bool save(const QPixmap &picture, const QString &name)
{
    const QString file = out.filePath(name + QStringLiteral(".png"));
    if (!picture.save(file))
        return false;
    QTextStream(stdout) << file << '\n';
    if (scale > 1) {
        const QString magnified = out.filePath(QStringLiteral("%1-x%2.png").arg(name).arg(scale));
        if (!picture.scaled(picture.size() * scale).save(magnified))
            return false;
        QTextStream(stdout) << magnified << '\n';
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    scale = arguments.size() == 3 ? arguments.at(2).toInt() : 1;
    if (arguments.size() < 2 || arguments.size() > 3 || scale < 1) {
        std::fprintf(stderr, "usage: sorvane_screenshot OUTDIR [SCALE]\n");
        return 2;
    }
    out = QDir(arguments.at(1));
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
    auto shoot = [&](const QString &suffix) -> bool {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setTab(tab);
            settle();
            if (!save(window->grab(), QStringLiteral("main1-tab%1%2").arg(tab).arg(suffix)))
                return false;
        }
        return true;
    };
    settle();
    if (!shoot(QString()))
        return 1;

    // An example worked on each tab through its own controls.
    tabs->setTab(0);
    const char *inputs[][2] = {{"Text1", "200"}, {"Text2", "50"}, {"Text3", "10"}, {"Text4", "20"}, {"Text5", "30"}};
    for (const auto &input : inputs)
        window->findChild<QLineEdit *>(QString::fromLatin1(input[0]))->setText(QString::fromLatin1(input[1]));
    window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    tabs->setTab(1);
    window->findChild<QComboBox *>(QStringLiteral("Combo2"))->setEditText(QStringLiteral("28"));
    window->findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    return shoot(QStringLiteral("-worked")) ? 0 : 1;
}
