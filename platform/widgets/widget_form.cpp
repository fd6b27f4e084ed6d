#include "widget_form.h"

#include "runtime_error.h"
#include "tab_control.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace platform {

QWidget *findControl(QWidget *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    if (auto *widget = root->findChild<QWidget *>(name))
        return widget;
    // TabControl has no meta-object of its own to look for.
    for (QWidget *widget : root->findChildren<QWidget *>())
        if (auto *tabs = qobject_cast<TabControl *>(widget); tabs && tabs->buildFor(name))
            return root->findChild<QWidget *>(name);
    return nullptr;
}

QWidget *WidgetForm::find(QStringView control) const
{
    if (!root_)
        throw RuntimeError(ErrorNumber::ObjectRequired);
    const QString name = control.toString();
    QWidget *widget = findControl(root_, name);
    if (!widget)
        throw RuntimeError(ErrorNumber::ObjectRequired, QStringLiteral("画面の部品 %1 が見つかりません。").arg(name));
    return widget;
}

QString WidgetForm::readText(QStringView control)
{
    QWidget *widget = find(control);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) {
        // The box keeps its lines as paragraphs; joining them with CR LF, the
        // line break the program writes, reads a text back as it was written.
        return plain->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    }
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    throw RuntimeError(ErrorNumber::UnsupportedMember);
}

void WidgetForm::writeText(QStringView control, const QString &value)
{
    QWidget *widget = find(control);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(value);
    else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->isEditable())
        combo->setEditText(value);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        plain->setPlainText(value);
    else
        throw RuntimeError(ErrorNumber::UnsupportedMember);
}

void WidgetForm::writeCaption(QStringView control, const QString &value)
{
    QWidget *widget = find(control);
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(value);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(value);
    else if (widget->isWindow())
        widget->setWindowTitle(value);
    else
        throw RuntimeError(ErrorNumber::UnsupportedMember);
}

void WidgetForm::moveFocus(QStringView control)
{
    QWidget *widget = find(control);
    if (!widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus)
        throw RuntimeError(ErrorNumber::InvalidCall);
    widget->setFocus(Qt::OtherFocusReason);
}

} // namespace platform
