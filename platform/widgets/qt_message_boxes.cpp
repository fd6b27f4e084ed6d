#include "qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

void useQtMessageBoxes()
{
    static QtMessageBoxes boxes;
    installMessageBoxes(boxes);
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

} // namespace platform
