#pragma once

#include "app/form_slots.h"
#include "forms/main/main1.h"

#include <QStringView>

namespace app {

// What start-up needs to know of the program.
struct ProjectRecord {
    QStringView name;
    platform::Form &(*startupForm)(); // the form shown at start, from its slot
    QStringView version;
    QStringView icon; // a Qt resource
    // The freedesktop application id: the name of the installed desktop entry,
    // metainfo and icon, which desktops match the running program to.
    QStringView appId;
};

inline platform::Form &main1Slot()
{
    return instance<forms::main1>();
}

inline constexpr ProjectRecord kProject{
    u"Sorvane", &main1Slot, u"1.00.0002", u":/icons/sorvane.ico", SORVANE_APP_ID,
};

} // namespace app
