#include "example_picture.h"

#include "platform/layout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QWidget>

namespace pictures {

namespace {

using platform::kMincho;
using platform::kPGothic;
using platform::layoutFont;
using platform::twipRect;

// A drawing of the main window's first tab with the example typed in, from
// the same positions, captions and fonts as the window, made of plain widgets.
// It stands in until the main window can be rendered here; then
// renderBreathingRateExample() loads that window instead, types the example
// into Text1 to Text5, clicks Command1 for the result and hands the window to
// renderExample().
class ExampleWindow final : public QWidget {
public:
    ExampleWindow()
    {
        setFont(layoutFont(kPGothic, 9, false));
        const QSize client = twipRect(0, 0, 6045, 3525).size();
        auto *menu = new QMenuBar(this);
        for (const char *item : {"ファイル", "ヘルプ", "終　了"})
            menu->addAction(QString::fromUtf8(item));
        const int menuHeight = menu->sizeHint().height();
        menu->setGeometry(0, 0, client.width(), menuHeight);

        auto *tabControl = new QWidget(this);
        tabControl->setGeometry(twipRect(0, 0, 6015, 3495).translated(0, menuHeight));
        buildTab(tabControl);
        setFixedSize(client.width(), menuHeight + client.height());
    }

private:
    static void buildTab(QWidget *tab)
    {
        auto *headers = new QTabBar(tab);
        headers->setDrawBase(false);
        headers->addTab(QStringLiteral("通常エアー"));
        headers->addTab(QStringLiteral("ナイトロックス空気換算深度"));
        headers->setGeometry(0, 0, tab->width(), twipRect(0, 0, 0, 295).height() + 2);
        auto *panel = new QFrame(tab);
        panel->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        panel->setGeometry(0, headers->height() - 1, tab->width(), tab->height() - headers->height() + 1);
        headers->raise();

        label(tab, "毎分呼吸量調査ツール", twipRect(480, 480, 2895, 375), layoutFont(kMincho, 12, true),
              Qt::red);
        const struct {
            const char *caption;
            int top;
            const char *value;
        } inputs[] = {
            {"タンクの開始圧", 960, "185"},         {"タンク終了時の残圧", 1440, "50"},
            {"タンク容積（リットル）", 1920, "10"}, {"平均水深（ｍ）", 2400, "12.5"},
            {"水深時間（分）", 2880, "45"},
        };
        for (const auto &input : inputs) {
            label(tab, input.caption, twipRect(480, input.top, 1695, 255), tab->font());
            auto *box = new QLineEdit(QString::fromUtf8(input.value), tab);
            box->setGeometry(twipRect(2280, input.top - 120, 735, 375));
            box->setFont(layoutFont(kPGothic, 12, false));
            box->setAlignment(Qt::AlignCenter);
        }
        auto *divider = new QFrame(tab);
        divider->setGeometry(twipRect(3240, 720, 15, 2280));
        divider->setAutoFillBackground(true);
        divider->setBackgroundRole(QPalette::WindowText);

        label(tab, "毎分呼吸量", twipRect(3480, 840, 1095, 255), tab->font());
        QLabel *result = label(tab, "13.3", twipRect(3480, 1200, 735, 375), layoutFont(kPGothic, 12, false));
        result->setAlignment(Qt::AlignCenter);
        result->setFrameStyle(QFrame::Box | QFrame::Plain);
        result->setAutoFillBackground(true);
        result->setBackgroundRole(QPalette::Base);
        label(tab, "リットル／分", twipRect(4320, 1320, 975, 255), tab->font());

        button(tab, "計　算", twipRect(3480, 2040, 735, 375));
        button(tab, "クリア", twipRect(4560, 2040, 615, 375));
        button(tab, "終了", twipRect(4560, 2760, 615, 375));
    }

    static QLabel *label(QWidget *parent, const char *text, const QRect &at, const QFont &font,
                         const QColor &colour = {})
    {
        auto *label = new QLabel(QString::fromUtf8(text), parent);
        label->setGeometry(at);
        label->setFont(font);
        if (colour.isValid()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colour);
            label->setPalette(palette);
        }
        return label;
    }

    static void button(QWidget *parent, const char *text, const QRect &at)
    {
        auto *button = new QPushButton(QString::fromUtf8(text), parent);
        button->setGeometry(at);
    }
};

} // namespace

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
    ExampleWindow window;
    return renderExample(window);
}

} // namespace pictures
