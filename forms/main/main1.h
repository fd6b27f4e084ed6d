#pragma once

#include "form.h"

namespace forms {

// The main window: the breathing-rate calculator on the first tab of SSTab1,
// the enriched-air calculator and two page buttons on the second, a menu above.
//
// Every handler reaches the controls through main1's instance slot, not
// through `this`: the window the user sees is the one in the slot.
class main1 final : public platform::Form {
public:
    // Why QueryUnload is raised, as its second argument.
    enum UnloadMode : int {
        FromControlMenu = 0, // the user closed the window
        FromCode = 1,        // the program closed it
    };

protected:
    QWidget *createWindow() override;
    void Form_Load() override;

private:
    void Form_QueryUnload(int &cancel, int unloadMode);
    void Command1_Click();
    void Command2_Click();
    void Command2_KeyPress(int &keyAscii);
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void Text1_KeyPress(int &keyAscii);
    void Text2_KeyPress(int &keyAscii);
    void Text3_KeyPress(int &keyAscii);
    void Text4_KeyPress(int &keyAscii);
    void Text5_KeyPress(int &keyAscii);
    void hhelp_Click();
    void eend_Click();
};

} // namespace forms
