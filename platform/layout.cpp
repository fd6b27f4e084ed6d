#include "layout.h"

#include <QStringList>

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

void installJapaneseFontSubstitutes()
{
    // Proportional gothic for proportional gothic, mincho for mincho; the
    // monospaced IPA faces and the generic families are the fallbacks.
    QFont::insertSubstitutions(kPGothic.toString(),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("sans-serif")});
    QFont::insertSubstitutions(kMincho.toString(),
                               {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("IPAPMincho"),
                                QStringLiteral("Noto Serif CJK JP"), QStringLiteral("serif")});
}

} // namespace platform
