#pragma once

#include "web_page.h"

#include <functional>
#include <vector>

namespace support {

// While it lives, opens no page: records each one and answers with `starts`.
// failLater() fails the last page opened as the desktop would, after the
// fact.
class RecordingPageOpener final : public desktop::PageOpener {
public:
    explicit RecordingPageOpener(bool starts = true) : starts_(starts) { desktop::setPageOpener(this); }
    ~RecordingPageOpener() override { desktop::setPageOpener(nullptr); }
    RecordingPageOpener(const RecordingPageOpener &) = delete;
    RecordingPageOpener &operator=(const RecordingPageOpener &) = delete;

    bool open(const QUrl &url, std::function<void()> failedLater) override
    {
        opened_.push_back(url);
        failLater_ = std::move(failedLater);
        return starts_;
    }
    const std::vector<QUrl> &opened() const { return opened_; }
    void failLater() { failLater_(); }

private:
    bool starts_;
    std::vector<QUrl> opened_;
    std::function<void()> failLater_;
};

} // namespace support
