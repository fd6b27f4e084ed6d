#include "key_press.h"

#include "run_handler.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include <optional>

namespace platform {

namespace {

std::optional<int> characterCode(const QKeyEvent &event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers chord = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !chord)
        return kEnterCode;
    // Tab without Ctrl or Alt moves the focus before any control sees it.
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !chord)
        return std::nullopt;
    if (event.text().isEmpty())
        return std::nullopt;
    return event.text().at(0).unicode();
}

class KeyPressFilter final : public QObject {
    Q_OBJECT

public:
    KeyPressFilter(QWidget *control, KeyPressHandler handler, bool pressOnEnter)
        : QObject(control), handler_(std::move(handler)), pressOnEnter_(pressOnEnter)
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || replaying_)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const std::optional<int> typed = characterCode(*key);
        if (!typed)
            return false;

        int code = *typed;
        QPointer<QObject> alive(watched);
        if (handler_)
            runHandler([&] { handler_(code); });
        if (!alive)
            return true;
        if (code == 0)
            return true;
        if (code == kEnterCode && pressOnEnter_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (auto *button = qobject_cast<QAbstractButton *>(watched); button && button->isEnabled()) {
                if (!key->isAutoRepeat())
                    button->click();
                return true;
            }
        }
        if (code == *typed)
            return false;
        // The handler typed another character in place of this one.
        QKeyEvent replacement(QEvent::KeyPress, Qt::Key_unknown, key->modifiers(),
                              QString(QChar(static_cast<char16_t>(code))), key->isAutoRepeat());
        replaying_ = true;
        QCoreApplication::sendEvent(watched, &replacement);
        replaying_ = false;
        return true;
    }

private:
    KeyPressHandler handler_;
    bool pressOnEnter_;
    bool replaying_ = false;
};

} // namespace

void onKeyPress(QWidget *control, KeyPressHandler handler)
{
    new KeyPressFilter(control, std::move(handler), false);
}

void onButtonKeyPress(QAbstractButton *button, KeyPressHandler handler)
{
    new KeyPressFilter(button, std::move(handler), true);
}

} // namespace platform

#include "key_press.moc"
