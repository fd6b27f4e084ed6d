#include "example_picture.h"

#include "app/form_slots.h"
#include "forms/main/main1.h"

#include <QPushButton>
#include <QWidget>

namespace pictures {

QImage renderExample(QWidget &window)
{
    window.ensurePolished();
    // Rendered straight into an image of the exact size, whatever the
    // screen's scale.
    QImage image(kExampleSize, QImage::Format_RGB32);
    image.fill(window.palette().color(QPalette::Window));
    window.render(&image, QPoint(), QRegion(QRect(QPoint(), kExampleSize)));
    return image;
}

QImage renderBreathingRateExample()
{
    forms::main1 &main = app::instance<forms::main1>();
    platform::FormAccess &controls = main.controls();
    const char *inputs[][2] = {{"Text1", "185"}, {"Text2", "50"}, {"Text3", "10"}, {"Text4", "12.5"}, {"Text5", "45"}};
    for (const auto &[name, value] : inputs)
        controls.setText(QString::fromLatin1(name), QString::fromLatin1(value));
    main.window()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    return renderExample(*main.window());
}

} // namespace pictures
