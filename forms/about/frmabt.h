#pragma once

#include "platform/form.h"

namespace forms {

// The About box.
class frmabt final : public platform::Form {
public:
    // Opens the author's home page after asking whether the computer is online.
    void sakusya();

protected:
    QWidget *createWindow() override;
};

} // namespace forms
