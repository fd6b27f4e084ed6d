#include "font_alias.h"

// The program's only call outside Qt's public API. The layout asks for
// "ＭＳ Ｐゴシック" and "ＭＳ 明朝", which no Linux desktop has. As a public
// substitution (QFont::insertSubstitutions, QFont::setFamilies) every font and
// script first fails to match and then asks fontconfig for a sorted fallback
// list: 107-125 M instructions to the main window's first paint instead of
// 85-90 M, nearly a fifth of start-up. Registered as an alias, the name
// matches the installed IPA face at once. The function is exported and
// declared in the same form by Qt 6.4 and 6.8.
#include <qpa/qplatformfontdatabase.h>

namespace layout {

void aliasFontFamily(const QString &face, const QString &alias)
{
    QPlatformFontDatabase::registerAliasToFontFamily(face, alias);
}

} // namespace layout
