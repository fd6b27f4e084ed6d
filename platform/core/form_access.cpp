#include "form_access.h"

namespace platform {

QString FormAccess::text(QStringView control)
{
    return readText(control);
}

void FormAccess::setText(QStringView control, const QString &value)
{
    writeText(control, value);
}

void FormAccess::setCaption(QStringView control, const QString &value)
{
    writeCaption(control, value);
}

void FormAccess::setFocus(QStringView control)
{
    moveFocus(control);
}

} // namespace platform
