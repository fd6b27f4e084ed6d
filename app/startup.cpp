#include "startup.h"

#include "project.h"

#include "qt_message_boxes.h"
#include "translations.h"
#include "window_builder.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

namespace app {

void start(QApplication &application, const ProjectRecord &project)
{
    QCoreApplication::setApplicationName(project.name.toString());
    QCoreApplication::setApplicationVersion(project.version.toString());
    // Desktops find the program's menu entry, name and icon by this: on
    // Wayland it is the windows' app id.
    QGuiApplication::setDesktopFileName(project.appId.toString());
    QApplication::setWindowIcon(QIcon(project.icon.toString()));
    platform::useQtMessageBoxes();

    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    platform::installJapaneseTranslations(application);
    platform::registerJapaneseFontAliases();

    platform::Form &form = project.startupForm();
    form.load();
    form.show();
}

int run(QApplication &application)
{
    const int code = application.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

} // namespace app
