#include "run_handler.h"

#include "message_boxes.h"

namespace platform {

QString untrappedFailureText(const RuntimeError &error)
{
    return QStringLiteral("実行時エラー '%1':\n\n%2").arg(static_cast<int>(error.number())).arg(error.description());
}

void reportUntrappedFailure(const RuntimeError &error) noexcept
{
    try {
        messageBoxes().show(MessageRequest{untrappedFailureText(error), MessageButtons::Ok, MessageIcon::Critical, {}});
    } catch (...) {
        // A report that cannot be shown must not take the program down with it.
    }
}

} // namespace platform
