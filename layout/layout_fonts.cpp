#include "layout_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace layout {

namespace {

// The family a layout font asks for in place of a layout face.
struct Faces {
    QString pGothic;
    QString mincho;
};

// Proportional gothic for proportional gothic, mincho for mincho; the
// monospaced IPA faces and the generic families are the fallbacks.
QString standIn(QStringView layoutFace, const QStringList &wanted, const QStringList &installed)
{
#ifndef Q_OS_WIN
    // Asking for the installed family by its own name matches it at once, as
    // a private alias of the layout name did: 76.90 M instructions to the
    // main window's first paint against the alias's 77.00 M on Debian 12,
    // 93.99 M against 93.84 M on Debian 13 (docs/performance.md). Only a
    // substitution of an installed face is slow: every font and script first
    // fails to match and then asks fontconfig for a sorted fallback list.
    for (const QString &family : wanted) {
        if (installed.contains(family))
            return family;
    }
#else
    // Windows has the layout's faces; the substitution only serves where they
    // are missing, as under Wine.
    Q_UNUSED(installed);
#endif
    QFont::insertSubstitutions(layoutFace.toString(), wanted);
    return layoutFace.toString();
}

Faces resolveFaces()
{
    // The list walks the whole font database: once.
    const QStringList installed = QFontDatabase::families();
    return {standIn(kPGothic,
                    {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"), QStringLiteral("IPAGothic"),
                     QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")},
                    installed),
            standIn(kMincho,
                    {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("IPAPMincho"),
                     QStringLiteral("Noto Serif CJK JP"), QStringLiteral("serif")},
                    installed)};
}

QString familyFor(QStringView face)
{
    static const Faces faces = resolveFaces();
    if (face == kPGothic)
        return faces.pGothic;
    if (face == kMincho)
        return faces.mincho;
    return face.toString();
}

} // namespace

QFont layoutFont(QStringView face, qreal points, bool bold)
{
    QFont font(familyFor(face));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace layout
