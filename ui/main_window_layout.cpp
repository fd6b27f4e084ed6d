#include "main_window.h"

#include "layout_tab_widget.h"
#include "sorvane_identity.h"
#include "window_builder.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace ui {

namespace {

using layout::FontSpec;
using layout::kMincho;
using layout::kPGothic;
using enum layout::ControlKind;
using enum layout::ControlLook;

// The window's client area, in twips, and the tab control that fills it.
constexpr int kClientWidth = 6045;
constexpr int kClientHeight = 3525;
constexpr QRect kTabsRect = layout::twipRect(0, 0, 6015, 3495);
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

} // namespace

void MainWindow::buildControls()
{
    setObjectName(QStringLiteral("main1"));
    setWindowTitle(identity::kTitle.toString());
    setWindowIcon(QIcon(identity::kIcon.toString()));
    setFont(layout::layoutFont(layout::kWindowFont));
    layout::WindowBuilder builder(QPalette::Button);

    // "ファイル" opens a menu and does nothing else; its two items are the
    // commands.
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("ffile"));
    file->menuAction()->setObjectName(QStringLiteral("ffile"));
    helpAction_ = file->addAction(QStringLiteral("ヘルプ"));
    helpAction_->setObjectName(QStringLiteral("hhelp"));
    exitAction_ = file->addAction(QStringLiteral("終　了"));
    exitAction_->setObjectName(QStringLiteral("eend"));
    for (QAction *item : {helpAction_, exitAction_})
        item->setMenuRole(QAction::NoRole);

    // No layout manager: resizing the window moves and resizes nothing.
    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *tabs = new layout::LayoutTabWidget(kTabsRect, layout::twipsToPixels(kHeaderHeight), client);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    builder.addToKeyboardOrder(0, tabs);
    tabs_ = tabs;

    // Labels sit on the tab's face; their captions wrap. The lines are drawn
    // over the controls, in the window text colour.
    QWidget *page = tabs->addPage(QStringLiteral("通常エアー"));
    builder.add(page,
                {u"Label9", Label, u"毎分呼吸量調査ツール", 480, 480, 2895, 375, 9, &kBreathingTitleFont,
                 WordWrap | Transparent, u"", kRed});
    builder.add(page, {u"Label1", Label, u"タンクの開始圧", 480, 960, 1335, 255, 17, nullptr, WordWrap, u"Text1"});
    startPressure_ = builder.add<QLineEdit>(page, {u"Text1", TextBox, u"", 2280, 840, 735, 375, 8, &kTextBoxFont});
    builder.add(page, {u"Label2", Label, u"タンク終了時の残圧", 480, 1440, 1575, 255, 16, nullptr, WordWrap, u"Text2"});
    endPressure_ = builder.add<QLineEdit>(page, {u"Text2", TextBox, u"", 2280, 1320, 735, 375, 7, &kTextBoxFont});
    builder.add(page,
                {u"Label3", Label, u"タンク容積（リットル）", 480, 1920, 1695, 255, 15, nullptr, WordWrap, u"Text3"});
    tankVolume_ = builder.add<QLineEdit>(page, {u"Text3", TextBox, u"", 2280, 1800, 735, 375, 6, &kTextBoxFont});
    builder.add(page, {u"Label4", Label, u"平均水深（ｍ）", 480, 2400, 1575, 255, 14, nullptr, WordWrap, u"Text4"});
    averageDepth_ = builder.add<QLineEdit>(page, {u"Text4", TextBox, u"", 2280, 2280, 735, 375, 5, &kTextBoxFont});
    builder.add(page, {u"Label5", Label, u"水深時間（分）", 480, 2880, 1575, 255, 13, nullptr, WordWrap, u"Text5"});
    diveTime_ = builder.add<QLineEdit>(page, {u"Text5", TextBox, u"", 2280, 2760, 735, 375, 4, &kTextBoxFont});
    builder.add(page, {u"Label6", Label, u"毎分呼吸量", 3480, 840, 1095, 255, 12, nullptr, WordWrap, u"Label7"});
    breathingRate_ =
        builder.add<QLabel>(page, {u"Label7", ResultBox, u"", 3480, 1200, 735, 375, 11, &kBreathingResultFont});
    builder.add(page, {u"Label8", Label, u"リットル／分", 4320, 1320, 975, 255, 10, nullptr, WordWrap});
    calculateRateButton_ = builder.add<QPushButton>(page, {u"Command1", Button, u"計　算", 3480, 2040, 735, 375, 3});
    clearButton_ = builder.add<QPushButton>(page, {u"Command2", Button, u"クリア", 4560, 2040, 615, 375, 2});
    exitButton_ = builder.add<QPushButton>(page, {u"Command3", Button, u"終了", 4560, 2760, 615, 375, 1});
    builder.add(page, {u"Line1", Line, u"", 3240, 720, 0, 2280, 0});

    enrichedAirPage_ = tabs->addPage(QStringLiteral("ナイトロックス空気換算深度"));
    tabs->placeControls(page);
    builder.finish();
    tabs->setFocus(Qt::OtherFocusReason);

    // The client area below the menu bar, in the layout's units. The window's
    // layout gives the menu bar its height for the window's width, which need
    // not be its size hint's (under the Windows style it is a pixel more).
    const QSize clientSize(layout::twipsToPixels(kClientWidth), layout::twipsToPixels(kClientHeight));
    resize(clientSize.width(), clientSize.height() + menuBar()->heightForWidth(clientSize.width()));
}

void MainWindow::buildEnrichedAirPage()
{
    layout::WindowBuilder builder(QPalette::Button);
    QWidget *page = enrichedAirPage_;
    // In the keyboard order after the last control of the first tab.
    builder.addToKeyboardOrder(8, startPressure_);
    builder.add(page,
                {u"Label12", Label, u"ナイトロックスタンクの通常エアー換算深度自動計算機", 480, 360, 5415, 375, 22,
                 &kEnrichedAirTitleFont, WordWrap | Transparent, u"", kRed});
    builder.add(page,
                {u"Label10", Label, u"ナイトロックス・酸素濃度(%)：", 840, 720, 2535, 255, 18, nullptr,
                 WordWrap | Transparent, u"Combo1"});
    oxygenPercent_ = builder.add<QComboBox>(
        page, {u"Combo1", ComboBox, u"32", 3120, 645, 855, 360, 19, &kComboFont, Plain, u"", {}, kOxygenPercentages});
    builder.add(
        page, {u"Label11", Label, u"水深(m)：", 2280, 1200, 855, 255, 20, nullptr, WordWrap | Transparent, u"Combo2"});
    depth_ = builder.add<QComboBox>(
        page, {u"Combo2", ComboBox, u"30", 3120, 1125, 855, 360, 21, &kComboFont, Plain, u"", {}, kDepths});
    builder.add(page,
                {u"Label13", Label, u"通常エアータンク深度(m)：", 960, 1920, 2295, 375, 23, nullptr,
                 WordWrap | Transparent, u"Label14"});
    equivalentAirDepth_ =
        builder.add<QLabel>(page, {u"Label14", ResultBox, u"", 3000, 1845, 975, 375, 24, &kEnrichedAirResultFont});
    calculateEnrichedAirButton_ =
        builder.add<QPushButton>(page, {u"Command4", Button, u"計　算", 5040, 2160, 855, 495, 25});
    builder.add(page,
                {u"Label15", Label, u"酸素分圧(atm)：", 1755, 2360, 1335, 375, 28, nullptr, WordWrap | Transparent,
                 u"Label16"});
    oxygenPressure_ =
        builder.add<QLabel>(page, {u"Label16", ResultBox, u"", 3000, 2280, 975, 375, 29, &kEnrichedAirResultFont});
    courseButton_ = builder.add<QPushButton>(
        page, {u"Command5", Button, u"ＰＡＤＩのエンリッチド・エアＳＰの説明ＨＰ", 240, 2880, 3615, 375, 26});
    explanationButton_ =
        builder.add<QPushButton>(page, {u"Command7", Button, u"ぬぺろの説明ＨＰ", 4080, 2880, 1695, 375, 27});
    builder.add(page, {u"Line2", Line, u"", 240, 1680, 3720, 0, 0});
    builder.add(page, {u"Line3", Line, u"", 240, 2760, 5640, 0, 0});

    tabs_->placeControls(page);
    builder.finish();
    for (QWidget *control : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->show();
}

} // namespace ui
