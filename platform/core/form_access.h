#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

namespace platform {

// What a handler may do to a form's controls, by control name (a widget's
// objectName). Every call into a control clears the floating-point flags after
// it, whatever the implementation: the toolkit leaves them set, and the
// calculators' checks must see only their own arithmetic.
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

// A form without a window: named texts and captions and the name of the
// control with the focus. Runs the handlers' logic on plain data (tests, the
// fuzzers, evaluation from input texts).
class MemoryForm final : public FormAccess {
public:
    void put(const QString &control, const QString &value) { values_.insert(control, value); }
    QString value(const QString &control) const { return values_.value(control); }
    const QString &focus() const { return focus_; }
    int reads(const QString &control) const { return reads_.value(control); }

protected:
    QString readText(QStringView control) override;
    void writeText(QStringView control, const QString &value) override;
    void writeCaption(QStringView control, const QString &value) override;
    void moveFocus(QStringView control) override;

private:
    QHash<QString, QString> values_;
    QHash<QString, int> reads_;
    QString focus_;
};

} // namespace platform
