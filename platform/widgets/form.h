#pragma once

#include "widget_form.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace platform {

// A form of the runtime: an object that lives on in its instance slot while
// its window comes and goes. Loading builds the window from the layout and
// runs Form_Load; unloading destroys the window (whatever was typed into it is
// gone); showing an unloaded form loads it afresh first.
class Form {
public:
    Form() = default;
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    // Builds the window and runs Form_Load, unless already loaded.
    void load();
    // Loads if needed, then shows the window modeless and without an owner.
    // Showing a form that is already shown restores it if minimised, raises
    // it and activates it.
    void show();
    // Closes and destroys the window without asking it; the object stays.
    void unload();

    bool isLoaded() const { return !window_.isNull(); }
    // The window while loaded, else null.
    QWidget *window() const { return window_.data(); }
    // The controls by name. Like touching a control of an unloaded form, this
    // loads the form first.
    FormAccess &controls();
    // The control named `name`, or the window by its own name, null if none:
    // the one way to a control for code outside the form (findControl).
    // Loads the form first.
    QWidget *control(QStringView name);

protected:
    // Builds the window with every control of the layout, each named by its
    // objectName. The form owns the window from then on.
    virtual QWidget *createWindow() = 0;
    virtual void Form_Load() {}

private:
    QPointer<QWidget> window_;
    std::unique_ptr<WidgetForm> controls_;
};

// The runtime's Global object; forms are unloaded through it.
class Global {
public:
    void unload(Form &form) { form.unload(); }
};

} // namespace platform
