#pragma once

#include <QString>
#include <QStringView>

namespace platform {

// What a handler may do to a form's controls, by control name (a widget's
// objectName).
class FormAccess {
public:
    virtual ~FormAccess() = default;

    // The text of a text box or combo box.
    QString text(QStringView control);
    void setText(QStringView control, const QString &value);
    // The caption of a label or button.
    void setCaption(QStringView control, const QString &value);
    void setFocus(QStringView control);

protected:
    virtual QString readText(QStringView control) = 0;
    virtual void writeText(QStringView control, const QString &value) = 0;
    virtual void writeCaption(QStringView control, const QString &value) = 0;
    virtual void moveFocus(QStringView control) = 0;
};

} // namespace platform
