#pragma once

class QCoreApplication;

namespace platform {

// Loads Qt's own Japanese translations, whatever the system's locale, so the
// standard buttons read "はい" / "いいえ" and the text boxes' context menus are
// Japanese like the rest of the program. Returns false when Qt's Japanese
// translations are not installed (the program still works, in English there).
bool installJapaneseTranslations(QCoreApplication &app);

} // namespace platform
