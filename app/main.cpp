#include "main_window.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    app::setUp(application);
    ui::MainWindow window;
    window.show();
    return application.exec();
}
