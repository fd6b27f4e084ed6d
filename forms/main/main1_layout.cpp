#include "main1_layout.h"

#include "main1.h"

#include "platform/layout.h"
#include "platform/tab_control.h"
#include "platform/untrapped_failure.h"
#include "platform/window_fit.h"
#include "sorvane_identity.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <utility>
#include <vector>

namespace forms {

void Main1Window::closeEvent(QCloseEvent *event)
{
    int cancel = 0;
    if (queryUnload_) {
        const int mode = event->spontaneous() ? main1::FromControlMenu : main1::FromCode;
        platform::runHandler([&] { queryUnload_(cancel, mode); });
    }
    event->setAccepted(cancel == 0);
}

namespace {

using platform::kMincho;
using platform::kPGothic;

// The form's client area and the tab control that fills it, in twips.
constexpr int kClientWidth = 6045;
constexpr int kClientHeight = 3525;
// The tab headers are 5.2 mm high.
constexpr int kHeaderHeight = 295;

enum class Kind { Label, ResultBox, TextBox, Button, ComboBox };

struct Font {
    QStringView family;
    qreal points;
    bool bold;
};

// Controls that name no font of their own use the window's, the face the
// layout's widths were measured in.
constexpr Font kWindowFont{kPGothic, 9, false};
constexpr Font kTextBoxFont{kPGothic, 12, false};
constexpr Font kComboFont{kPGothic, 12, true};
constexpr Font kBreathingTitleFont{kMincho, 12, true};
constexpr Font kNitroxTitleFont{kPGothic, 9.75, true};
constexpr Font kBreathingResultFont{kPGothic, 12, false};
constexpr Font kNitroxResultFont{kPGothic, 14.25, true};

enum Look : unsigned { Plain = 0, Red = 1, Transparent = 2 };

struct Control {
    QStringView name;
    Kind kind;
    QStringView caption; // a label's or button's caption, a box's initial text
    int left, top, width, height;
    int tabIndex;
    const Font *font = nullptr; // null: the kind's font
    unsigned look = Plain;
};

constexpr int kBreathingTab = 0;
constexpr int kNitroxTab = 1;

const Control kBreathingControls[] = {
    {u"Label9", Kind::Label, u"毎分呼吸量調査ツール", 480, 480, 2895, 375, 9, &kBreathingTitleFont, Red | Transparent},
    {u"Label1", Kind::Label, u"タンクの開始圧", 480, 960, 1335, 255, 17},
    {u"Text1", Kind::TextBox, u"", 2280, 840, 735, 375, 8},
    {u"Label2", Kind::Label, u"タンク終了時の残圧", 480, 1440, 1575, 255, 16},
    {u"Text2", Kind::TextBox, u"", 2280, 1320, 735, 375, 7},
    {u"Label3", Kind::Label, u"タンク容積（リットル）", 480, 1920, 1695, 255, 15},
    {u"Text3", Kind::TextBox, u"", 2280, 1800, 735, 375, 6},
    {u"Label4", Kind::Label, u"平均水深（ｍ）", 480, 2400, 1575, 255, 14},
    {u"Text4", Kind::TextBox, u"", 2280, 2280, 735, 375, 5},
    {u"Label5", Kind::Label, u"水深時間（分）", 480, 2880, 1575, 255, 13},
    {u"Text5", Kind::TextBox, u"", 2280, 2760, 735, 375, 4},
    {u"Label6", Kind::Label, u"毎分呼吸量", 3480, 840, 1095, 255, 12},
    {u"Label7", Kind::ResultBox, u"", 3480, 1200, 735, 375, 11, &kBreathingResultFont},
    {u"Label8", Kind::Label, u"リットル／分", 4320, 1320, 975, 255, 10},
    {u"Command1", Kind::Button, u"計　算", 3480, 2040, 735, 375, 3},
    {u"Command2", Kind::Button, u"クリア", 4560, 2040, 615, 375, 2},
    {u"Command3", Kind::Button, u"終了", 4560, 2760, 615, 375, 1},
};

const Control kNitroxControls[] = {
    {u"Label12", Kind::Label, u"ナイトロックスタンクの通常エアー換算深度自動計算機", 480, 360, 5415, 375, 22,
     &kNitroxTitleFont, Red | Transparent},
    {u"Label10", Kind::Label, u"ナイトロックス・酸素濃度(%)：", 840, 720, 2535, 255, 18, nullptr, Transparent},
    {u"Combo1", Kind::ComboBox, u"32", 3120, 645, 855, 360, 19},
    {u"Label11", Kind::Label, u"水深(m)：", 2280, 1200, 855, 255, 20, nullptr, Transparent},
    {u"Combo2", Kind::ComboBox, u"30", 3120, 1125, 855, 360, 21},
    {u"Label13", Kind::Label, u"通常エアータンク深度(m)：", 960, 1920, 2295, 375, 23, nullptr, Transparent},
    {u"Label14", Kind::ResultBox, u"", 3000, 1845, 975, 375, 24, &kNitroxResultFont},
    {u"Command4", Kind::Button, u"計　算", 5040, 2160, 855, 495, 25},
    {u"Label15", Kind::Label, u"酸素分圧(atm)：", 1755, 2360, 1335, 375, 28, nullptr, Transparent},
    {u"Label16", Kind::ResultBox, u"", 3000, 2280, 975, 375, 29, &kNitroxResultFont},
    {u"Command5", Kind::Button, u"ＰＡＤＩのエンリッチド・エアＳＰの説明ＨＰ", 240, 2880, 3615, 375, 26},
    {u"Command7", Kind::Button, u"ぬぺろの説明ＨＰ", 4080, 2880, 1695, 375, 27},
};

struct Line {
    QStringView name;
    int tab;
    int x1, y1, x2, y2; // twips; vertical or horizontal
};

const Line kLines[] = {
    {u"Line1", kBreathingTab, 3240, 720, 3240, 3000},
    {u"Line2", kNitroxTab, 240, 1680, 3960, 1680},
    {u"Line3", kNitroxTab, 240, 2760, 5880, 2760},
};

struct ComboList {
    QStringView name;
    std::initializer_list<const char16_t *> items;
};

const ComboList kComboLists[] = {
    {u"Combo1", {u"21", u"30", u"31", u"32", u"33", u"34", u"35", u"36", u"37"}},
    {u"Combo2", {u"9", u"12", u"15", u"18", u"21", u"24", u"27", u"30", u"33", u"36", u"39"}},
};

// Which label names which box. The label becomes the box's buddy, which is how
// screen readers learn that one labels the other, and its caption the name
// they read out for the box. No caption has an '&', so no buddy gains a
// keyboard mnemonic.
struct Caption {
    QStringView label;
    QStringView box;
};

const Caption kCaptions[] = {
    {u"Label1", u"Text1"},    {u"Label2", u"Text2"},    {u"Label3", u"Text3"},   {u"Label4", u"Text4"},
    {u"Label5", u"Text5"},    {u"Label6", u"Label7"},   {u"Label10", u"Combo1"}, {u"Label11", u"Combo2"},
    {u"Label13", u"Label14"}, {u"Label15", u"Label16"},
};

// A result box is named after what it shows, yet a screen reader must still
// get at the number in it, and Qt gives a label that has a name of its own no
// other text to read. So its value and description are the number, read from
// the box whenever they are asked for.
constexpr char kResultBoxProperty[] = "sorvaneResultBox";

class ResultBoxAccessible final : public QAccessibleWidget {
public:
    explicit ResultBoxAccessible(QLabel *box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *resultBoxAccessible(const QString &, QObject *object)
{
    auto *box = qobject_cast<QLabel *>(object);
    if (box && box->property(kResultBoxProperty).toBool())
        return new ResultBoxAccessible(box);
    return nullptr;
}

// The caption as a screen reader should say it: the colon that leads the eye
// to the box is not read out.
QString spokenName(const QString &caption)
{
    QString name = caption;
    while (name.endsWith(u'：') || name.endsWith(u':'))
        name.chop(1);
    return name;
}

void nameBoxesAfterTheirLabels(QWidget *tabs)
{
    // Once: the factory serves the result boxes of every window built.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&resultBoxAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    for (const Caption &entry : kCaptions) {
        auto *label = tabs->findChild<QLabel *>(entry.label.toString());
        auto *box = tabs->findChild<QWidget *>(entry.box.toString());
        label->setBuddy(box);
        const QString name = spokenName(label->text());
        box->setAccessibleName(name);
        // On Linux Qt names an editable combo box by its text (the caption
        // reaches screen readers as its label) and reports its text field as
        // the focused part, so the field carries the name too.
        if (auto *combo = qobject_cast<QComboBox *>(box))
            combo->lineEdit()->setAccessibleName(name);
    }
}

QFont fontOf(const Font &font)
{
    return platform::layoutFont(font.family, font.points, font.bold);
}

QStringList itemsOf(QStringView combo)
{
    QStringList items;
    for (const ComboList &list : kComboLists)
        if (list.name == combo)
            for (const char16_t *item : list.items)
                items.append(QString::fromUtf16(item));
    return items;
}

QWidget *makeLabel(const Control &entry)
{
    auto *label = new QLabel(entry.caption.toString());
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setForegroundRole(QPalette::ButtonText);
    label->setBackgroundRole(QPalette::Button);
    label->setAutoFillBackground(!(entry.look & Transparent));
    return label;
}

QWidget *makeResultBox(const Control &entry)
{
    auto *box = new QLabel(entry.caption.toString());
    box->setTextFormat(Qt::PlainText);
    box->setAlignment(Qt::AlignCenter);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setForegroundRole(QPalette::Text);
    box->setBackgroundRole(QPalette::Base);
    box->setAutoFillBackground(true);
    box->setProperty(kResultBoxProperty, true);
    return box;
}

QWidget *makeTextBox(const Control &entry)
{
    auto *box = new QLineEdit(entry.caption.toString());
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(INT_MAX);
    // Numbers only go in here: typing must not start a Japanese composition.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setFont(fontOf(kTextBoxFont));
    return box;
}

QWidget *makeButton(const Control &entry)
{
    auto *button = new QPushButton(entry.caption.toString());
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The wheel steps through a combo box's list only while the box has the
// focus: turned over another box on its way, it must neither change that
// box's value nor take the focus there (which a wheel-focus policy would do
// before the box sees the wheel). The ignored wheel goes on to the parent.
class WheelOnlyWhenFocused final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

QWidget *makeComboBox(const Control &entry)
{
    auto *combo = new QComboBox;
    combo->setEditable(true);
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->installEventFilter(new WheelOnlyWhenFocused(combo));
    combo->setInsertPolicy(QComboBox::NoInsert);
    // A typed "3" must stay "3", not be completed to "30" from the list.
    combo->setCompleter(nullptr);
    combo->lineEdit()->setMaxLength(INT_MAX);
    combo->setFont(fontOf(kComboFont));
    combo->addItems(itemsOf(entry.name));
    const int initial = combo->findText(entry.caption.toString());
    if (initial >= 0)
        combo->setCurrentIndex(initial);
    else
        combo->setEditText(entry.caption.toString());
    return combo;
}

QWidget *makeControl(const Control &entry)
{
    switch (entry.kind) {
    case Kind::Label:
        return makeLabel(entry);
    case Kind::ResultBox:
        return makeResultBox(entry);
    case Kind::TextBox:
        return makeTextBox(entry);
    case Kind::Button:
        return makeButton(entry);
    case Kind::ComboBox:
        return makeComboBox(entry);
    }
    return nullptr;
}

QWidget *makeLine(const Line &entry, QWidget *parent)
{
    auto *line = new QWidget(parent);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The line runs from its first point up to, not including, its second.
    const int x = platform::twipsToPixels(entry.x1);
    const int y = platform::twipsToPixels(entry.y1);
    const int width = std::max(1, platform::twipsToPixels(entry.x2) - x);
    const int height = std::max(1, platform::twipsToPixels(entry.y2) - y);
    line->setGeometry(x, y, width, height);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::WindowText);
    return line;
}

void addMenu(QMainWindow *window)
{
    // "ファイル" opens a menu and does nothing else; its two items are the
    // commands.
    auto *file = window->menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("ffile"));
    file->menuAction()->setObjectName(QStringLiteral("ffile"));
    auto *help = file->addAction(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("hhelp"));
    auto *end = file->addAction(QStringLiteral("終　了"));
    end->setObjectName(QStringLiteral("eend"));
    for (QAction *item : {help, end})
        item->setMenuRole(QAction::NoRole);
}

} // namespace

Main1Window *buildMain1Window()
{
    auto *window = new Main1Window;
    window->setObjectName(QStringLiteral("main1"));
    window->setWindowTitle(identity::kTitle.toString());
    window->setWindowIcon(QIcon(identity::kIcon.toString()));
    window->setFont(fontOf(kWindowFont));
    addMenu(window);

    // No layout manager: resizing the window moves and resizes nothing.
    auto *client = new QWidget;
    window->setCentralWidget(client);

    auto *tabs = new platform::TabControl(client);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(platform::twipRect(0, 0, 6015, 3495));
    tabs->setHeaderHeight(platform::twipsToPixels(kHeaderHeight));
    tabs->addTab(QStringLiteral("通常エアー"));
    tabs->addTab(QStringLiteral("ナイトロックス空気換算深度"));

    std::vector<std::pair<int, QWidget *>> keyboardOrder{{0, tabs}};
    auto place = [&](int tab, const Control &entry) {
        QWidget *control = makeControl(entry);
        control->setObjectName(entry.name.toString());
        if (entry.font)
            control->setFont(fontOf(*entry.font));
        control->setParent(tabs);
        // Red on the tab control's button face, where that stays legible.
        if (entry.look & Red)
            platform::keepFixedColourLegible(control, QPalette::ButtonText, QColor(255, 0, 0), QPalette::Button);
        control->setGeometry(platform::twipRect(entry.left, entry.top, entry.width, entry.height));
        tabs->addControl(tab, control);
        if (control->focusPolicy() != Qt::NoFocus)
            keyboardOrder.emplace_back(entry.tabIndex, control);
    };
    for (const Control &entry : kBreathingControls)
        place(kBreathingTab, entry);
    for (const Control &entry : kNitroxControls)
        place(kNitroxTab, entry);
    for (const Line &entry : kLines) {
        QWidget *line = makeLine(entry, tabs);
        line->setObjectName(entry.name.toString());
        tabs->addControl(entry.tab, line);
    }
    nameBoxesAfterTheirLabels(tabs);

    std::sort(keyboardOrder.begin(), keyboardOrder.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t k = 1; k < keyboardOrder.size(); ++k)
        QWidget::setTabOrder(keyboardOrder[k - 1].second, keyboardOrder[k].second);
    // The first control of the keyboard order takes the focus when the window
    // first shows.
    keyboardOrder.front().second->setFocus(Qt::OtherFocusReason);

    tabs->setTab(kNitroxTab);

    // The client area below the menu bar, in the form's units. The window's
    // layout gives the menu bar its height for the window's width, which need
    // not be its size hint's (under the Windows style it is a pixel more).
    const QSize clientSize(platform::twipsToPixels(kClientWidth), platform::twipsToPixels(kClientHeight));
    window->resize(clientSize.width(), clientSize.height() + window->menuBar()->heightForWidth(clientSize.width()));
    return window;
}

} // namespace forms
