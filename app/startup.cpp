#include "startup.h"

#include "sorvane_identity.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

void setUp(QApplication &application)
{
    QCoreApplication::setApplicationName(identity::kName.toString());
    QCoreApplication::setApplicationVersion(identity::kVersion.toString());
    // Desktops find the program's menu entry, name and icon by this: on
    // Wayland it is the windows' app id.
    QGuiApplication::setDesktopFileName(identity::kAppId.toString());
    QApplication::setWindowIcon(QIcon(identity::kIcon.toString()));

    // Qt's own Japanese, whatever the system's locale, so the standard buttons
    // read "はい" / "いいえ" and the boxes' context menus are Japanese like the
    // rest of the program. Where it is not installed they stay English.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto *translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace app
