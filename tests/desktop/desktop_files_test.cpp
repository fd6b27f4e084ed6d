// The installed desktop files, read from the staging directory the
// desktop_install_stage test installs into.
#include "about_box.h"
#include "sorvane_identity.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>

// Readable failure messages.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kStage = QStringLiteral(SORVANE_STAGE);
const QString kAppId = identity::kAppId.toString();
const QString kExecutable = identity::kExecutable.toString();

QString installed(const QString &path)
{
    return kStage + QStringLiteral("/usr/") + path;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The keys of the [Desktop Entry] group.
std::map<QString, QString> desktopEntry()
{
    std::map<QString, QString> keys;
    bool inEntry = false;
    const QString text =
        QString::fromUtf8(contents(installed(QStringLiteral("share/applications/%1.desktop").arg(kAppId))));
    for (const QString &line : text.split(u'\n')) {
        if (line.startsWith(u'['))
            inEntry = line == u"[Desktop Entry]";
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0)
            keys[line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
    }
    return keys;
}

// What the metainfo says of the id, the program and the first release.
struct Metainfo {
    std::map<QString, QString> texts; // "parent/element" → its text
    QString releaseVersion, releaseDate;
};

Metainfo metainfo()
{
    const QStringList leaves{QStringLiteral("component/id"), QStringLiteral("component/launchable"),
                             QStringLiteral("provides/binary")};
    Metainfo info;
    QXmlStreamReader xml(contents(installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId))));
    QStringList path;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement())
            path.removeLast();
        if (!xml.isStartElement())
            continue;
        path.append(xml.name().toString());
        const QString key = path.mid(std::max<qsizetype>(0, path.size() - 2)).join(u'/');
        if (key == u"releases/release" && info.releaseVersion.isEmpty()) {
            info.releaseVersion = xml.attributes().value(QLatin1String("version")).toString();
            info.releaseDate = xml.attributes().value(QLatin1String("date")).toString();
        } else if (leaves.contains(key)) {
            info.texts[key] = xml.readElementText().trimmed();
            path.removeLast(); // reading the text consumed the end tag
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return info;
}

// Paints an SVG that is made of filled rectangles only, as the icon tool
// writes it; anything else in it fails the test.
QImage renderRectangles(const QString &path)
{
    QImage image;
    QXmlStreamReader xml(contents(path));
    QPainter painter;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const auto number = [&](const char *name) { return attributes.value(QLatin1String(name)).toInt(); };
        if (xml.name() == u"svg") {
            EXPECT_EQ(attributes.value(QLatin1String("viewBox")), u"0 0 32 32");
            image = QImage(number("width"), number("height"), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            painter.begin(&image);
        } else if (xml.name() == u"rect" && painter.isActive()) {
            painter.fillRect(number("x"), number("y"), number("width"), number("height"),
                             QColor(attributes.value(QLatin1String("fill")).toString()));
        } else {
            ADD_FAILURE() << "unexpected element " << xml.name().toString().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return image;
}

// Pixels that are fully transparent count as equal whatever their colour.
int differingPixels(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb l = left.pixel(x, y), r = right.pixel(x, y);
            count += qAlpha(l) == 0 && qAlpha(r) == 0 ? 0 : l != r;
        }
    return count;
}

} // namespace

TEST(DesktopFiles, EntryAndMetainfoNameTheIdAndProgramThatAreInstalled)
{
    std::map<QString, QString> entry = desktopEntry();
    Metainfo info = metainfo();
    struct Row {
        const char *what;
        QString actual, expected;
    };
    const Row rows[] = {
        {"entry's icon", entry[QStringLiteral("Icon")], kAppId},
        {"entry's program", entry[QStringLiteral("Exec")], kExecutable},
        {"entry's try-program", entry[QStringLiteral("TryExec")], kExecutable},
        {"entry's X11 window class, the application name", entry[QStringLiteral("StartupWMClass")],
         identity::kName.toString()},
        {"metainfo id", info.texts[QStringLiteral("component/id")], kAppId},
        {"metainfo launchable", info.texts[QStringLiteral("component/launchable")],
         kAppId + QStringLiteral(".desktop")},
        {"metainfo binary", info.texts[QStringLiteral("provides/binary")], kExecutable},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.actual, row.expected) << row.what;
}

TEST(DesktopFiles, MetainfoReleaseIsTheVersionAndDateTheAboutBoxShows)
{
    const Metainfo info = metainfo();
    const ui::AboutBox about;
    const QString shown = about.findChild<QLabel *>(QStringLiteral("lblVersion"))->text();
    QString date = info.releaseDate;
    EXPECT_EQ(shown, QStringLiteral("Ver %1  (%2)").arg(info.releaseVersion, date.replace(u'-', u'/')));
}

TEST(DesktopFiles, ThemeIconsDrawTheProgramIconPixelForPixel)
{
    const QImage icon(QStringLiteral(SORVANE_APP_DIR "/sorvane.ico"));
    ASSERT_EQ(icon.size(), QSize(32, 32));
    struct Row {
        const char *what;
        QImage image;
    };
    const Row rows[] = {
        {"32x32 PNG", QImage(installed(QStringLiteral("share/icons/hicolor/32x32/apps/%1.png").arg(kAppId)))},
        {"scalable SVG",
         renderRectangles(installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId)))},
    };
    for (const Row &row : rows) {
        ASSERT_EQ(row.image.size(), QSize(32, 32)) << row.what;
        EXPECT_EQ(differingPixels(row.image, icon), 0) << row.what;
    }
}
