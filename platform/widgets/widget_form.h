#pragma once

#include "form_access.h"

#include <QPointer>
#include <QWidget>

namespace platform {

// The control of `root` named `name`, or `root` itself by its own name; null
// if there is none. A control still to be made on first use (see
// TabControl::buildOnFirstUse) is made first, with the rest of its tab, so
// that no one who asks by name can tell it was not there from the start.
QWidget *findControl(QWidget *root, const QString &name);

// The controls of a real window. A name that names no control of it raises the
// object-required runtime error, as does a window that is gone.
class WidgetForm final : public FormAccess {
public:
    explicit WidgetForm(QWidget *root) : root_(root) {}

protected:
    QString readText(QStringView control) override;
    void writeText(QStringView control, const QString &value) override;
    void writeCaption(QStringView control, const QString &value) override;
    void moveFocus(QStringView control) override;

private:
    QWidget *find(QStringView control) const;

    QPointer<QWidget> root_;
};

} // namespace platform
