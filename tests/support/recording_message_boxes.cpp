#include "recording_message_boxes.h"

#include <QWidget>

namespace support {

RecordingMessageBoxes::RecordingMessageBoxes(std::deque<bool> answers) : answers_(std::move(answers))
{
    desktop::setMessageHook([this](const desktop::Message &message) {
        shown_.push_back({message, message.owner ? message.owner->window()->objectName() : QString()});
        if (!message.yesNo)
            return true;
        if (answers_.empty())
            return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

RecordingMessageBoxes::~RecordingMessageBoxes()
{
    desktop::setMessageHook({});
}

std::vector<QString> RecordingMessageBoxes::texts() const
{
    std::vector<QString> texts;
    for (const Shown &entry : shown_)
        texts.push_back(entry.message.text);
    return texts;
}

} // namespace support
