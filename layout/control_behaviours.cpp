#include "control_behaviours.h"

#include <QComboBox>
#include <QKeyEvent>

namespace layout {

namespace {

class WheelOnlyWhenFocused final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void TextArea::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPlainTextEdit::keyPressEvent(event);
    } else if (event->modifiers() & Qt::ControlModifier) {
        insertPlainText(QStringLiteral("\n"));
    } else {
        event->ignore(); // on to the dialog
    }
}

void takeWheelOnlyWhenFocused(QComboBox *combo)
{
    combo->installEventFilter(new WheelOnlyWhenFocused(combo));
}

} // namespace layout

#include "control_behaviours.moc"
