#pragma once

#include <functional>

class QAbstractButton;
class QWidget;

namespace platform {

// The character code of Enter, whether Return or the keypad's Enter.
inline constexpr int kEnterCode = 13;

// A KeyPress handler: it receives the character code of the key typed into a
// control and may change it; 0 discards the key, so nothing reaches the
// control.
using KeyPressHandler = std::function<void(int &keyAscii)>;

// Routes the keys typed into `control` through `handler` first. Only keys that
// type a character raise KeyPress (letters, digits, Enter, Backspace, Esc…);
// arrows, function keys and the Tab key that moves the focus do not. The
// handler runs as an event handler: a runtime error in it is an untrapped
// failure, and whatever code it left behind decides the key's fate.
void onKeyPress(QWidget *control, KeyPressHandler handler);

// As onKeyPress, for a button: Enter on the focused button presses it, as
// Space does, unless the handler discards the key. Buttons here are never a
// window's default button, so Enter reaches only the one with the focus.
void onButtonKeyPress(QAbstractButton *button, KeyPressHandler handler = {});

} // namespace platform
