#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

template <>
MessageBoxes &ServiceSlot<MessageBoxes>::defaultInstance()
{
    static QtMessageBoxes boxes;
    return boxes;
}

void MessageBoxes::inform(const QString &prompt)
{
    show(MessageRequest{prompt, MessageButtons::Ok, MessageIcon::None, {}});
}

bool MessageBoxes::askYesNo(const QString &prompt, const QString &title)
{
    return show(MessageRequest{prompt, MessageButtons::YesNo, MessageIcon::Warning, title}) == MessageAnswer::Yes;
}

MessageAnswer QtMessageBoxes::show(const MessageRequest &request)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (request.icon == MessageIcon::Warning)
        icon = QMessageBox::Warning;
    else if (request.icon == MessageIcon::Critical)
        icon = QMessageBox::Critical;

    const bool yesNo = request.buttons == MessageButtons::YesNo;
    const QString title = request.title.isEmpty() ? kDefaultMessageTitle.toString() : request.title;
    QMessageBox box(icon, title, request.prompt, yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (request.selectableText)
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

MessageAnswer RecordingMessageBoxes::show(const MessageRequest &request)
{
    requests_.push_back(request);
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers_.empty())
        return MessageAnswer::No;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace platform
