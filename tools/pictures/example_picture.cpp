#include "example_picture.h"

#include "instance_slot.h"
#include "main1.h"

#include <QPushButton>
#include <QWidget>

namespace pictures {

namespace {

void type(forms::main1 &main, std::initializer_list<std::pair<const char *, const char *>> inputs, const char *button)
{
    platform::FormAccess &controls = main.controls();
    for (const auto &[name, value] : inputs)
        controls.setText(QString::fromLatin1(name), QString::fromLatin1(value));
    qobject_cast<QPushButton *>(main.control(QString::fromLatin1(button)))->click();
}

} // namespace

void workBreathingRateExample(forms::main1 &main)
{
    type(main, {{"Text1", "185"}, {"Text2", "50"}, {"Text3", "10"}, {"Text4", "12.5"}, {"Text5", "45"}}, "Command1");
}

void workEnrichedAirExample(forms::main1 &main)
{
    type(main, {{"Combo1", "32"}, {"Combo2", "28"}}, "Command4");
}

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
    forms::main1 &main = platform::instance<forms::main1>();
    workBreathingRateExample(main);
    return renderExample(*main.window());
}

} // namespace pictures
