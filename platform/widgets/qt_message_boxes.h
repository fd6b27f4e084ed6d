#pragma once

#include "message_boxes.h"

namespace platform {

// The real boxes: QMessageBox, application-modal, over the active window.
// Button texts come from Qt's Japanese translation (see translations.h).
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const MessageRequest &request) override;
};

// Installs QtMessageBoxes as the program's message boxes (installMessageBoxes).
void useQtMessageBoxes();

} // namespace platform
