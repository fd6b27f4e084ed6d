#pragma once

#include <QString>

namespace layout {

// Makes `alias` another name of the installed family `face` in Qt's font
// database, so that a font asking for `alias` matches `face` at once. Linux
// and other Unix desktops only: Windows has the layout's faces.
void aliasFontFamily(const QString &face, const QString &alias);

} // namespace layout
