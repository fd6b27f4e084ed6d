#include "end_program.h"

#include <QApplication>
#include <QWidget>

namespace platform {

void endProgram()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    // Hiding unloads nothing yet: a form's window is destroyed only after the
    // handler that ended the program has returned, as an ordinary unload does.
    for (QWidget *window : windows)
        if (!window->parentWidget())
            window->deleteLater();
    // exit(), not quit(): quit() asks every window to close first, and that
    // would run QueryUnload handlers on the way out.
    QCoreApplication::exit(0);
}

} // namespace platform
