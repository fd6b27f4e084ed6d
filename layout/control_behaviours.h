#pragma once

#include <QPlainTextEdit>

class QComboBox;

namespace layout {

// How the layouts' controls behave where Qt's defaults do not serve.

// A multi-line box in a dialog with a default button: Enter is the dialog's,
// which presses that button, and Ctrl+Enter starts a new line.
class TextArea final : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The wheel steps through the combo box's list only while the box has the
// focus: turned over it on its way elsewhere, the wheel neither changes its
// value nor moves the focus there (which a wheel-focus policy would do before
// the box sees the wheel), and goes on to the parent.
void takeWheelOnlyWhenFocused(QComboBox *combo);

} // namespace layout
