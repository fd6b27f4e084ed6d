#pragma once

#include "message_box.h"

#include <QString>

#include <deque>
#include <vector>

namespace support {

// While it lives, shows no message box: records each message with the name
// of the window that owns it, and answers from a script (a question takes the
// next scripted answer, No when the script is used up; an OK box is answered
// OK).
class RecordingMessageBoxes {
public:
    struct Shown {
        desktop::Message message;
        QString owner; // the owning window's objectName, empty for none
    };

    explicit RecordingMessageBoxes(std::deque<bool> answers = {});
    ~RecordingMessageBoxes();
    RecordingMessageBoxes(const RecordingMessageBoxes &) = delete;
    RecordingMessageBoxes &operator=(const RecordingMessageBoxes &) = delete;

    const std::vector<Shown> &shown() const { return shown_; }
    // Forgets what was shown; `answers` is the script from now on.
    void clear(std::deque<bool> answers = {})
    {
        shown_.clear();
        answers_ = std::move(answers);
    }
    // The texts shown, in order.
    std::vector<QString> texts() const;

private:
    std::deque<bool> answers_;
    std::vector<Shown> shown_;
};

} // namespace support
