#pragma once

#include "instance_slot.h"
#include "main1.h"

#include <QStringView>

namespace app {

// What the program is, handed to start-up. Nothing else describes it at run
// time; the version record in sorvane.rc carries the same name and version for
// Windows.
struct ProjectRecord {
    QStringView name;
    QStringView description;
    QStringView executableName;
    QStringView helpFile;             // none
    int localeId;                     // a Windows locale identifier
    platform::Form &(*startupForm)(); // the form shown at start, from its slot
    int threadingFlags;               // 8: single-threaded, one thread
    QStringView version;
    QStringView icon; // a Qt resource
    // The freedesktop application id: the name of the installed desktop entry,
    // metainfo and icon, which desktops match the running program to.
    QStringView appId;
};

inline platform::Form &main1Slot()
{
    return platform::instance<forms::main1>();
}

inline constexpr int kJapanese = 0x411;
inline constexpr int kSingleThreaded = 8;

inline constexpr ProjectRecord kProject{
    u"Sorvane",
    u"sorvane",
    u"sorvane",
    u"",
    kJapanese,
    &main1Slot,
    kSingleThreaded,
    u"1.00.0002",
    u":/icons/sorvane.png",
    SORVANE_APP_ID,
};

} // namespace app
