#include "main_window_fixture.h"

#include "window_fit.h"

#include <QAction>

#include <QHash>
#include <QImage>

#include <algorithm>

namespace {

// The contrast of a label's first line as drawn in its window: the commonest
// colour there is the background, the one standing out most from it the text.
double drawnContrast(QLabel *label)
{
    QWidget *window = label->window();
    const QRect contents = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const QString firstLine = label->text().section(u'\n', 0, 0).remove(u'\r');
    const QSize size(std::min(metrics.horizontalAdvance(firstLine), contents.width()),
                     std::min(metrics.height(), contents.height()));
    const QImage image = window->grab(QRect(label->mapTo(window, contents.topLeft()), size)).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const QColor background(std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first);
    double most = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
        most = std::max(most, layout::contrastRatio(background, QColor(*it)));
    return most;
}

QPalette darkPalette(int grey)
{
    // Light text on a dark window and buttons, black boxes.
    return QPalette(QColor(grey, grey, grey), QColor(grey, grey, grey));
}

class Legibility : public MainWindowTest {
protected:
    void TearDown() override
    {
        QApplication::setPalette(light_);
        MainWindowTest::TearDown();
    }

    // Every label showing text in both windows, on each tab of the main window.
    void expectEveryLabelLegible(const std::string &where)
    {
        int checked = 0;
        auto check = [&](QLabel *label) {
            if (!label->isVisible() || label->text().isEmpty())
                return;
            EXPECT_GE(drawnContrast(label), layout::kLegibleContrast)
                << where << ": " << label->objectName().toStdString();
            ++checked;
        };
        for (int tab : {0, 1}) {
            tabs->setCurrentIndex(tab);
            for (QLabel *label : window->findChildren<QLabel *>())
                check(label);
        }
        for (QLabel *label : aboutBox()->findChildren<QLabel *>())
            check(label);
        EXPECT_EQ(checked, 8 + 5 + 6) << where;
    }

    const QPalette light_ = QApplication::palette();
};

TEST_F(Legibility, EveryLabelOfBothWindowsStandsOutOnLightAndDarkPalettes)
{
    const struct {
        const char *what;
        QPalette palette;
        bool keepsRed;   // Label9, Label12 and the About box's Label1
        bool keepsBlack; // lblTitle and lblDescription
    } rows[] = {
        {"light", light_, true, true},
        {"dark grey", darkPalette(53), true, false},
        {"medium dark grey", darkPalette(85), false, false},
    };
    for (const auto &row : rows) {
        for (bool whileOpen : {false, true}) {
            const std::string where = std::string(row.what) + (whileOpen ? ", changed while open" : ", set first");
            closeAll();
            QApplication::setPalette(whileOpen ? light_ : row.palette);
            open();
            window->showAboutBox();
            QApplication::setPalette(row.palette);
            QCoreApplication::processEvents(); // as the program's event loop does

            expectEveryLabelLegible(where);
            QWidget *about = aboutBox();
            for (QWidget *red : {window->findChild<QWidget *>(QStringLiteral("Label9")),
                                 window->findChild<QWidget *>(QStringLiteral("Label12")),
                                 about->findChild<QWidget *>(QStringLiteral("Label1"))})
                EXPECT_EQ(red->palette().color(red->foregroundRole()) == QColor(255, 0, 0), row.keepsRed)
                    << where << ": " << red->objectName().toStdString();
            for (QWidget *black : {about->findChild<QWidget *>(QStringLiteral("lblTitle")),
                                   about->findChild<QWidget *>(QStringLiteral("lblDescription"))})
                EXPECT_EQ(black->palette().color(QPalette::WindowText) == QColor(0, 0, 0), row.keepsBlack)
                    << where << ": " << black->objectName().toStdString();
        }
    }
}

} // namespace
