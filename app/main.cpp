#include "project.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    app::start(application, app::kProject);
    return app::run(application);
}
