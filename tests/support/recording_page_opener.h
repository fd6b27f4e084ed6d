#pragma once

#include "web_page.h"

#include <functional>
#include <vector>

namespace support {

// While it lives, opens no page: records each one and answers with `starts`.
// failLater() fails the last page opened as the desktop would, after the
// fact.
class RecordingPageOpener {
public:
    explicit RecordingPageOpener(bool starts = true)
    {
        desktop::setPageHook([this, starts](const QUrl &url, std::function<void()> failedLater) {
            opened_.push_back(url);
            failLater_ = std::move(failedLater);
            return starts;
        });
    }
    ~RecordingPageOpener() { desktop::setPageHook({}); }
    RecordingPageOpener(const RecordingPageOpener &) = delete;
    RecordingPageOpener &operator=(const RecordingPageOpener &) = delete;

    const std::vector<QUrl> &opened() const { return opened_; }
    void failLater() { failLater_(); }

private:
    std::vector<QUrl> opened_;
    std::function<void()> failLater_;
};

} // namespace support
