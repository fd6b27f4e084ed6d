#include "form_access.h"

#include "float_check.h"

namespace platform {

QString FormAccess::text(QStringView control)
{
    QString value = readText(control);
    fpcheck::clearFlags();
    return value;
}

void FormAccess::setText(QStringView control, const QString &value)
{
    writeText(control, value);
    fpcheck::clearFlags();
}

void FormAccess::setCaption(QStringView control, const QString &value)
{
    writeCaption(control, value);
    fpcheck::clearFlags();
}

void FormAccess::setFocus(QStringView control)
{
    moveFocus(control);
    fpcheck::clearFlags();
}

QString MemoryForm::readText(QStringView control)
{
    const QString name = control.toString();
    ++reads_[name];
    return values_.value(name);
}

void MemoryForm::writeText(QStringView control, const QString &value)
{
    values_.insert(control.toString(), value);
}

void MemoryForm::writeCaption(QStringView control, const QString &value)
{
    values_.insert(control.toString(), value);
}

void MemoryForm::moveFocus(QStringView control)
{
    focus_ = control.toString();
}

} // namespace platform
