#pragma once

class QApplication;

namespace app {

// Sets the application up before its first window: its name, version,
// desktop entry and icon, the Japanese locale with Qt's own Japanese
// translations, and the font faces the layouts ask for. Creates no window.
void setUp(QApplication &application);

} // namespace app
