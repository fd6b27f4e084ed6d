#include "result_box.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace layout {

namespace {

class ResultBoxAccessible final : public QAccessibleWidget {
public:
    explicit ResultBoxAccessible(ResultBox *box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        // Read from the box whenever asked: the number changes.
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// Qt asks the factories with each class name of the object's, most derived
// first, so a result box is known by its class alone.
QAccessibleInterface *resultBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(ResultBox::staticMetaObject.className()))
        return new ResultBoxAccessible(static_cast<ResultBox *>(object));
    return nullptr;
}

} // namespace

ResultBox::ResultBox(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    // Qt asks the factories for a widget's interface only once the widget
    // exists, so the first box installs the factory in time for all of them.
    [[maybe_unused]] static const bool factoryInstalled = (QAccessible::installFactory(&resultBoxAccessible), true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setForegroundRole(QPalette::Text);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

} // namespace layout
