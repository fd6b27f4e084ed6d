// Starts the program exactly as app/main.cpp does and ends at the main
// window's first paint; see first_paint.h for what it prints.
#include "first_paint.h"

#include "project.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    app::start(application, app::kProject);
    bench::exitAfterFirstPaint(app::kProject.startupForm().window());
    return app::run(application);
}
