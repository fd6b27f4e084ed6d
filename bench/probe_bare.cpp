// The yardstick for the program's start-up: a bare Qt main window holding one
// tab widget, nothing of the program's, the size given as WIDTHxHEIGHT (the
// main window's outer size, menu bar included). Ends at its first paint; see
// first_paint.h for what it prints.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    int width = 403;
    int height = 255;
    if (argc > 2 || (argc == 2 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2)) {
        std::fprintf(stderr, "usage: sorvane_probe_bare [WIDTHxHEIGHT]\n");
        return 2;
    }

    QMainWindow window;
    auto *tabs = new QTabWidget;
    tabs->addTab(new QWidget, QStringLiteral("Tab 1"));
    tabs->addTab(new QWidget, QStringLiteral("Tab 2"));
    window.setCentralWidget(tabs);
    window.resize(width, height);
    window.show();
    bench::exitAfterFirstPaint(&window);
    return application.exec();
}
