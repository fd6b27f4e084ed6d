#include "layout.h"

#include <QFontDatabase>
#include <QStringList>
#ifndef Q_OS_WIN
#include <qpa/qplatformfontdatabase.h>
#endif

namespace platform {

QFont layoutFont(QStringView family, qreal points, bool bold)
{
    QFont font(family.toString());
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

namespace {

void mapFace(QStringView layoutName, const QStringList &wanted, const QStringList &families)
{
#ifdef Q_OS_WIN
    // Windows has the layout's faces; the substitution only serves where they
    // are missing, as under Wine.
    Q_UNUSED(families);
#else
    // The first installed face becomes another name of the layout's face, so
    // the font database finds it under that name at once. A substitution
    // would find it too, but only after a failed look-up and a fontconfig
    // fallback search for every font and script the windows use: nearly a
    // fifth of what the main window does before its first paint.
    for (const QString &face : wanted) {
        if (families.contains(face)) {
            QPlatformFontDatabase::registerAliasToFontFamily(face, layoutName.toString());
            return;
        }
    }
#endif
    // None of them here: let the substitution take whatever comes closest.
    QFont::insertSubstitutions(layoutName.toString(), wanted);
}

} // namespace

void installJapaneseFontSubstitutes()
{
    // Proportional gothic for proportional gothic, mincho for mincho; the
    // monospaced IPA faces and the generic families are the fallbacks. The
    // installed families are listed once: the list walks the whole database.
    const QStringList families = QFontDatabase::families();
    mapFace(kPGothic,
            {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"), QStringLiteral("IPAGothic"),
             QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")},
            families);
    mapFace(kMincho,
            {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("IPAPMincho"),
             QStringLiteral("Noto Serif CJK JP"), QStringLiteral("serif")},
            families);
}

} // namespace platform
