#pragma once

#include "service_slot.h"
#include "sorvane_identity.h"

#include <QString>

namespace platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Warning, Critical };
enum class MessageAnswer { Ok, Yes, No };

// The title a message box gets when the caller gives none: the program's name.
inline constexpr QStringView kDefaultMessageTitle = identity::kExecutable;

struct MessageRequest {
    QString prompt;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QString title; // empty: the default title
    // The user can select the prompt and copy it, for a text such as an
    // address that is meant to be used elsewhere.
    bool selectableText = false;
};

// Modal message boxes. The program shows them only through this interface, so
// tests put a recording double in place of the real, blocking one.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;

    // An input message: OK only, no icon, the default title.
    void inform(const QString &prompt);
    // A question with Yes and No and the warning icon; true on Yes.
    bool askYesNo(const QString &prompt, const QString &title);
};

// The program's own boxes, as installed at start-up (installMessageBoxes).
// Until then, and in a process that installs none, a box has nobody to answer
// it: its prompt goes to the log and it answers OK, or No to a question, so
// nothing is done on the user's behalf.
template <>
MessageBoxes &ServiceSlot<MessageBoxes>::defaultInstance();

// Makes `boxes` the program's own message boxes, for the rest of the process.
void installMessageBoxes(MessageBoxes &boxes);

// The message boxes in use.
inline MessageBoxes &messageBoxes()
{
    return ServiceSlot<MessageBoxes>::get();
}

} // namespace platform
