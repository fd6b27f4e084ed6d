#pragma once

#include "form.h"

namespace forms {

// The About box: the program's name, version and author, and an example of
// the breathing-rate calculator filled in. Shown modeless and without an owner
// through its instance slot; "OK" unloads it.
class frmabt final : public platform::Form {
public:
    // Opens the author's home page after asking whether the computer is online.
    void sakusya();

protected:
    QWidget *createWindow() override;
    void Form_Load() override;

private:
    void cmdOK_Click();
    void Command1_Click();
    void Command2_Click();
};

} // namespace forms
