#pragma once

class QApplication;

namespace app {

// Sets the application up before its first window: its name, version,
// desktop entry and icon, and the Japanese locale with Qt's own Japanese
// translations. Creates no window.
void setUp(QApplication &application);

} // namespace app
