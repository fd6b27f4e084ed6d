// Starts the program exactly as app/main.cpp does and ends at the main
// window's first paint; see first_paint.h for what it prints.
#include "first_paint.h"

#include "main_window.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    app::setUp(application);
    ui::MainWindow window;
    window.show();
    bench::exitAfterFirstPaint(&window);
    return application.exec();
}
