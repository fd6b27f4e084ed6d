#include "message_boxes.h"

#include <QtGlobal>

namespace platform {

namespace {

class UnattendedMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const MessageRequest &request) override
    {
        qWarning("%s", qUtf8Printable(request.prompt));
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
};

MessageBoxes *installedBoxes = nullptr;

} // namespace

template <>
MessageBoxes &ServiceSlot<MessageBoxes>::defaultInstance()
{
    static UnattendedMessageBoxes unattended;
    return installedBoxes ? *installedBoxes : unattended;
}

void installMessageBoxes(MessageBoxes &boxes)
{
    installedBoxes = &boxes;
}

void MessageBoxes::inform(const QString &prompt)
{
    show(MessageRequest{prompt, MessageButtons::Ok, MessageIcon::None, {}});
}

bool MessageBoxes::askYesNo(const QString &prompt, const QString &title)
{
    return show(MessageRequest{prompt, MessageButtons::YesNo, MessageIcon::Warning, title}) == MessageAnswer::Yes;
}

} // namespace platform
