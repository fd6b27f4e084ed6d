#pragma once

#include "instance_slot.h"
#include "main1.h"
#include "sorvane_identity.h"

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
    return platform::instance<forms::main1>();
}

inline constexpr ProjectRecord kProject{
    identity::kName, &main1Slot, identity::kVersion, identity::kIcon, identity::kAppId,
};

} // namespace app
