#include "main_window.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
#ifdef Q_OS_WIN
    // The layouts were measured in the Windows Vista style; since Qt 6.7,
    // Windows 11 would get the windows11 style, with other metrics and
    // colours. It also keeps a dark desktop's windows light, as they were.
    QApplication::setStyle(QStringLiteral("windowsvista"));
#endif
    app::setUp(application);
    ui::MainWindow window;
    window.show();
    return application.exec();
}
