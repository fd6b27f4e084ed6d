#pragma once

#include <QFont>
#include <QRect>
#include <QStringView>

namespace platform {

// Layouts are measured in twips: 1440 per inch, 15 per device-independent
// pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twipRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// The Japanese faces the layouts ask for, by the names they ask for them.
inline constexpr QStringView kPGothic = u"ＭＳ Ｐゴシック";
inline constexpr QStringView kMincho = u"ＭＳ 明朝";

// A layout font: the family exactly as named, its size in points (9.75,
// 14.25 and the like), bold or regular; never italic, underlined or struck.
QFont layoutFont(QStringView family, qreal points, bool bold);

// Maps the layouts' Windows face names to the Japanese faces installed here
// (IPA P Gothic and IPA Mincho from Debian's fonts-ipafont-*), so the windows
// look right without renaming anything. Call once at start-up.
void installJapaneseFontSubstitutes();

} // namespace platform
