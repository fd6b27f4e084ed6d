// Writes the pictures of the program that are made from its own windows:
//
//   sorvane_pictures example FILE.bmp   the About box's input example (Picture1)
//   sorvane_pictures about FILE.png     a screenshot of the About box, to look at
//
// Runs on any Qt platform; under Xvfb or with QT_QPA_PLATFORM=offscreen it
// needs no screen.
#include "bmp24.h"
#include "example_picture.h"

#include "app/form_slots.h"
#include "forms/about/frmabt.h"
#include "platform/layout.h"

#include <QApplication>
#include <QSaveFile>
#include <QTextStream>
#include <QWidget>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int fail(const QString &message)
{
    QTextStream(stderr) << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    platform::installJapaneseFontSubstitutes();
    const QStringList args = QApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: sorvane_pictures example FILE.bmp | about FILE.png"));
    const QString &mode = args[1];
    const QString &path = args[2];

    if (mode == u"example") {
        const QByteArray bmp = pictures::encodeBmp24(pictures::renderBreathingRateExample());
        if (!writeFile(path, bmp))
            return fail(QStringLiteral("cannot write ") + path);
        return 0;
    }
    if (mode == u"about") {
        auto &about = app::instance<forms::frmabt>();
        about.show();
        QApplication::processEvents();
        if (!about.window()->grab().save(path, "PNG"))
            return fail(QStringLiteral("cannot write ") + path);
        return 0;
    }
    return fail(QStringLiteral("unknown mode ") + mode);
}
