#include "main1_layout.h"

#include "sorvane_identity.h"
#include "tab_control.h"
#include "window_builder.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace forms {

namespace {

using platform::ControlKind;
using platform::ControlRow;
using platform::FontSpec;
using platform::kMincho;
using platform::kPGothic;
using enum platform::ControlLook;

// The form's client area and the tab control that fills it, in twips.
constexpr int kClientWidth = 6045;
constexpr int kClientHeight = 3525;
// The tab headers are 5.2 mm high.
constexpr int kHeaderHeight = 295;

constexpr FontSpec kTextBoxFont{kPGothic, 12, false};
constexpr FontSpec kComboFont{kPGothic, 12, true};
constexpr FontSpec kBreathingTitleFont{kMincho, 12, true};
constexpr FontSpec kEnrichedAirTitleFont{kPGothic, 9.75, true};
constexpr FontSpec kBreathingResultFont{kPGothic, 12, false};
constexpr FontSpec kEnrichedAirResultFont{kPGothic, 14.25, true};

constexpr QRgb kRed = qRgb(255, 0, 0);

constexpr QStringView kOxygenPercentages[] = {u"21", u"30", u"31", u"32", u"33", u"34", u"35", u"36", u"37"};
constexpr QStringView kDepths[] = {u"9", u"12", u"15", u"18", u"21", u"24", u"27", u"30", u"33", u"36", u"39"};

constexpr int kBreathingTab = 0;
constexpr int kEnrichedAirTab = 1;

// Labels sit on the tab control's face; their captions wrap.
const ControlRow kBreathingControls[] = {
    {u"Label9", ControlKind::Label, u"毎分呼吸量調査ツール", 480, 480, 2895, 375, 9, &kBreathingTitleFont,
     WordWrap | Transparent, kRed},
    {u"Label1", ControlKind::Label, u"タンクの開始圧", 480, 960, 1335, 255, 17, nullptr, WordWrap},
    {u"Text1", ControlKind::TextBox, u"", 2280, 840, 735, 375, 8, &kTextBoxFont},
    {u"Label2", ControlKind::Label, u"タンク終了時の残圧", 480, 1440, 1575, 255, 16, nullptr, WordWrap},
    {u"Text2", ControlKind::TextBox, u"", 2280, 1320, 735, 375, 7, &kTextBoxFont},
    {u"Label3", ControlKind::Label, u"タンク容積（リットル）", 480, 1920, 1695, 255, 15, nullptr, WordWrap},
    {u"Text3", ControlKind::TextBox, u"", 2280, 1800, 735, 375, 6, &kTextBoxFont},
    {u"Label4", ControlKind::Label, u"平均水深（ｍ）", 480, 2400, 1575, 255, 14, nullptr, WordWrap},
    {u"Text4", ControlKind::TextBox, u"", 2280, 2280, 735, 375, 5, &kTextBoxFont},
    {u"Label5", ControlKind::Label, u"水深時間（分）", 480, 2880, 1575, 255, 13, nullptr, WordWrap},
    {u"Text5", ControlKind::TextBox, u"", 2280, 2760, 735, 375, 4, &kTextBoxFont},
    {u"Label6", ControlKind::Label, u"毎分呼吸量", 3480, 840, 1095, 255, 12, nullptr, WordWrap},
    {u"Label7", ControlKind::ResultBox, u"", 3480, 1200, 735, 375, 11, &kBreathingResultFont},
    {u"Label8", ControlKind::Label, u"リットル／分", 4320, 1320, 975, 255, 10, nullptr, WordWrap},
    {u"Command1", ControlKind::Button, u"計　算", 3480, 2040, 735, 375, 3},
    {u"Command2", ControlKind::Button, u"クリア", 4560, 2040, 615, 375, 2},
    {u"Command3", ControlKind::Button, u"終了", 4560, 2760, 615, 375, 1},
};

const ControlRow kEnrichedAirControls[] = {
    {u"Label12", ControlKind::Label, u"ナイトロックスタンクの通常エアー換算深度自動計算機", 480, 360, 5415, 375, 22,
     &kEnrichedAirTitleFont, WordWrap | Transparent, kRed},
    {u"Label10", ControlKind::Label, u"ナイトロックス・酸素濃度(%)：", 840, 720, 2535, 255, 18, nullptr,
     WordWrap | Transparent},
    {u"Combo1", ControlKind::ComboBox, u"32", 3120, 645, 855, 360, 19, &kComboFont, Plain, {}, kOxygenPercentages},
    {u"Label11", ControlKind::Label, u"水深(m)：", 2280, 1200, 855, 255, 20, nullptr, WordWrap | Transparent},
    {u"Combo2", ControlKind::ComboBox, u"30", 3120, 1125, 855, 360, 21, &kComboFont, Plain, {}, kDepths},
    {u"Label13", ControlKind::Label, u"通常エアータンク深度(m)：", 960, 1920, 2295, 375, 23, nullptr,
     WordWrap | Transparent},
    {u"Label14", ControlKind::ResultBox, u"", 3000, 1845, 975, 375, 24, &kEnrichedAirResultFont},
    {u"Command4", ControlKind::Button, u"計　算", 5040, 2160, 855, 495, 25},
    {u"Label15", ControlKind::Label, u"酸素分圧(atm)：", 1755, 2360, 1335, 375, 28, nullptr, WordWrap | Transparent},
    {u"Label16", ControlKind::ResultBox, u"", 3000, 2280, 975, 375, 29, &kEnrichedAirResultFont},
    {u"Command5", ControlKind::Button, u"ＰＡＤＩのエンリッチド・エアＳＰの説明ＨＰ", 240, 2880, 3615, 375, 26},
    {u"Command7", ControlKind::Button, u"ぬぺろの説明ＨＰ", 4080, 2880, 1695, 375, 27},
};

// Drawn over both tabs' controls, in the window text colour.
const ControlRow kBreathingLines[] = {
    {u"Line1", ControlKind::Line, u"", 3240, 720, 0, 2280, 0},
};
const ControlRow kEnrichedAirLines[] = {
    {u"Line2", ControlKind::Line, u"", 240, 1680, 3720, 0, 0},
    {u"Line3", ControlKind::Line, u"", 240, 2760, 5640, 0, 0},
};

// Which label names which box. The label becomes the box's buddy, which is how
// screen readers learn that one labels the other, and its caption the name
// they read out for the box. No caption has an '&', so no buddy gains a
// keyboard mnemonic.
struct Caption {
    QStringView label;
    QStringView box;
};

const Caption kBreathingCaptions[] = {
    {u"Label1", u"Text1"}, {u"Label2", u"Text2"}, {u"Label3", u"Text3"},
    {u"Label4", u"Text4"}, {u"Label5", u"Text5"}, {u"Label6", u"Label7"},
};
const Caption kEnrichedAirCaptions[] = {
    {u"Label10", u"Combo1"},
    {u"Label11", u"Combo2"},
    {u"Label13", u"Label14"},
    {u"Label15", u"Label16"},
};

// The caption as a screen reader should say it: the colon that leads the eye
// to the box is not read out.
QString spokenName(const QString &caption)
{
    QString name = caption;
    while (name.endsWith(u'：') || name.endsWith(u':'))
        name.chop(1);
    return name;
}

void nameBoxesAfterTheirLabels(QWidget *tabs, std::span<const Caption> captions)
{
    for (const Caption &entry : captions) {
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

Main1Window *buildMain1Window(const std::function<void(QWidget *)> &enrichedAirBuilt)
{
    auto *window = new Main1Window;
    window->setObjectName(QStringLiteral("main1"));
    window->setWindowTitle(identity::kTitle.toString());
    window->setWindowIcon(QIcon(identity::kIcon.toString()));
    window->setFont(platform::layoutFont(platform::kWindowFont));
    platform::WindowBuilder builder(window, QPalette::Button);
    addMenu(window);

    // No layout manager: resizing the window moves and resizes nothing.
    auto *client = new QWidget(window);
    window->setCentralWidget(client);

    auto *tabs = new platform::TabControl(client);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(platform::twipRect(0, 0, 6015, 3495));
    tabs->setHeaderHeight(platform::twipsToPixels(kHeaderHeight));
    tabs->addTab(QStringLiteral("通常エアー"));
    tabs->addTab(QStringLiteral("ナイトロックス空気換算深度"));
    builder.addToKeyboardOrder(0, tabs);

    auto place = [&](int tab, std::span<const ControlRow> rows) {
        for (const ControlRow &row : rows)
            tabs->addControl(tab, builder.add(tabs, row));
    };
    // The enriched-air tab is made when first needed: making it with the
    // window would cost the start-up nearly a tenth of its work. Its parts go
    // where they stand in the layout, so that made at once (while a screen
    // reader listens) or later, the controls stack in the order they always
    // had.
    place(kBreathingTab, kBreathingControls);
    builder.addOnFirstUse(tabs, kEnrichedAirTab, kEnrichedAirControls);
    place(kBreathingTab, kBreathingLines);
    nameBoxesAfterTheirLabels(tabs, kBreathingCaptions);
    builder.addOnFirstUse(tabs, kEnrichedAirTab, kEnrichedAirLines, [window, tabs, enrichedAirBuilt] {
        nameBoxesAfterTheirLabels(tabs, kEnrichedAirCaptions);
        enrichedAirBuilt(window);
    });
    builder.finish();

    tabs->setTab(kEnrichedAirTab);

    // The client area below the menu bar, in the form's units. The window's
    // layout gives the menu bar its height for the window's width, which need
    // not be its size hint's (under the Windows style it is a pixel more).
    const QSize clientSize(platform::twipsToPixels(kClientWidth), platform::twipsToPixels(kClientHeight));
    window->resize(clientSize.width(), clientSize.height() + window->menuBar()->heightForWidth(clientSize.width()));
    return window;
}

} // namespace forms
