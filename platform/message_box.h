#pragma once

#include "services.h"

#include <QString>

#include <deque>
#include <vector>

namespace platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Warning, Critical };
enum class MessageAnswer { Ok, Yes, No };

// The title a message box gets when the caller gives none: the program's name.
inline constexpr QStringView kDefaultMessageTitle = u"sorvane";

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

// The real boxes: QMessageBox, application-modal, over the active window.
// Button texts come from Qt's Japanese translation (see install_translations.h).
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const MessageRequest &request) override;
};

// Shows nothing: records each request and answers from a script (Yes/No
// questions take the next scripted answer, No when the script is used up; an
// OK box is answered OK). For running handlers without a screen.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    explicit RecordingMessageBoxes(std::deque<MessageAnswer> answers = {}) : answers_(std::move(answers)) {}
    MessageAnswer show(const MessageRequest &request) override;
    const std::vector<MessageRequest> &requests() const { return requests_; }

private:
    std::deque<MessageAnswer> answers_;
    std::vector<MessageRequest> requests_;
};

template <>
MessageBoxes &ServiceSlot<MessageBoxes>::defaultInstance();

// The message boxes in use.
inline MessageBoxes &messageBoxes()
{
    return ServiceSlot<MessageBoxes>::get();
}

} // namespace platform
