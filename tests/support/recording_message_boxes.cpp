#include "recording_message_boxes.h"

namespace support {

platform::MessageAnswer RecordingMessageBoxes::show(const platform::MessageRequest &request)
{
    requests_.push_back(request);
    if (request.buttons == platform::MessageButtons::Ok)
        return platform::MessageAnswer::Ok;
    if (answers_.empty())
        return platform::MessageAnswer::No;
    const platform::MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace support
