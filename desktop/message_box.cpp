#include "message_box.h"

#include "sorvane_identity.h"

#include <QMessageBox>

namespace desktop {

namespace {

MessageHook &messageHook()
{
    static MessageHook hook;
    return hook;
}

} // namespace

void setMessageHook(MessageHook hook)
{
    messageHook() = std::move(hook);
}

bool showMessage(const Message &message)
{
    if (messageHook())
        return messageHook()(message);
    const QMessageBox::StandardButton answer = message.yesNo ? QMessageBox::Yes : QMessageBox::Ok;
    QMessageBox box(message.warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    message.title.isEmpty() ? identity::kExecutable.toString() : message.title, message.text,
                    message.yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    message.owner ? message.owner->window() : nullptr);
    box.setTextFormat(Qt::PlainText);
    if (message.selectable)
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(answer);
    return box.exec() == answer;
}

} // namespace desktop
