#pragma once

#include <QFont>
#include <QStringView>

namespace layout {

// The Japanese faces the layouts ask for, by the names they ask for them.
inline constexpr QStringView kPGothic = u"ＭＳ Ｐゴシック";
inline constexpr QStringView kMincho = u"ＭＳ 明朝";

// A layout font: the face as the layout names it, its size in points (9.75,
// 14.25 and the like), bold or regular; never italic, underlined or struck.
// Where the named face is not installed (every Linux desktop), the font asks
// for the installed face that stands in for it: IPA P Gothic for the gothic,
// IPA Mincho for the mincho (Debian's fonts-ipafont-*), else the next of their
// fallbacks. The installed faces are looked up once, at the first layout font.
QFont layoutFont(QStringView face, qreal points, bool bold);

// A font as a layout names it.
struct FontSpec {
    QStringView family;
    qreal points;
    bool bold;
};

// The windows' own font: controls that name no font of their own use it, and
// the layouts' widths were measured in it.
inline constexpr FontSpec kWindowFont{kPGothic, 9, false};

inline QFont layoutFont(const FontSpec &font)
{
    return layoutFont(font.family, font.points, font.bold);
}

} // namespace layout
