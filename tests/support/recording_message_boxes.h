#pragma once

#include "message_boxes.h"

#include <deque>
#include <vector>

namespace support {

// Shows nothing: records each request and answers from a script (Yes/No
// questions take the next scripted answer, No when the script is used up; an
// OK box is answered OK). For running handlers without a screen.
class RecordingMessageBoxes final : public platform::MessageBoxes {
public:
    explicit RecordingMessageBoxes(std::deque<platform::MessageAnswer> answers = {}) : answers_(std::move(answers)) {}
    platform::MessageAnswer show(const platform::MessageRequest &request) override;
    const std::vector<platform::MessageRequest> &requests() const { return requests_; }

private:
    std::deque<platform::MessageAnswer> answers_;
    std::vector<platform::MessageRequest> requests_;
};

} // namespace support
