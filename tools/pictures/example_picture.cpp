#include "example_picture.h"

#include "main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace pictures {

namespace {

void type(QWidget &main, std::initializer_list<std::pair<const char *, const char *>> inputs, const char *button)
{
    for (const auto &[name, value] : inputs) {
        QWidget *box = main.findChild<QWidget *>(QString::fromLatin1(name));
        if (auto *edit = qobject_cast<QLineEdit *>(box))
            edit->setText(QString::fromLatin1(value));
        else if (auto *combo = qobject_cast<QComboBox *>(box))
            combo->setEditText(QString::fromLatin1(value));
    }
    main.findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

} // namespace

void workBreathingRateExample(QWidget &main)
{
    type(main, {{"Text1", "185"}, {"Text2", "50"}, {"Text3", "10"}, {"Text4", "12.5"}, {"Text5", "45"}}, "Command1");
}

void workEnrichedAirExample(QWidget &main)
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
    ui::MainWindow main;
    workBreathingRateExample(main);
    return renderExample(main);
}

} // namespace pictures
