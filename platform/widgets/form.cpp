#include "form.h"

namespace platform {

Form::~Form()
{
    delete window_.data();
}

void Form::load()
{
    if (isLoaded())
        return;
    QWidget *window = createWindow();
    // Closing the window by any means unloads the form.
    window->setAttribute(Qt::WA_DeleteOnClose);
    window_ = window;
    controls_ = std::make_unique<WidgetForm>(window);
    Form_Load();
}

void Form::show()
{
    load();
    // A window manager may minimise even a window that offers no button for
    // it, and a window without a taskbar entry has no other way back.
    if (window_->isMinimized())
        window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void Form::unload()
{
    if (!isLoaded())
        return;
    QWidget *window = window_.data();
    window_.clear();
    controls_.reset();
    window->hide();
    // Unloading often runs inside a handler of the window itself (an OK
    // button): the window goes once that event is over.
    window->deleteLater();
}

FormAccess &Form::controls()
{
    load();
    return *controls_;
}

QWidget *Form::control(QStringView name)
{
    load();
    return findControl(window_.data(), name.toString());
}

} // namespace platform
