#include "about_box.h"

#include "page_addresses.h"
#include "sorvane_identity.h"
#include "web_page.h"
#include "window_builder.h"
#include "window_fit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace ui {

namespace {

constexpr QStringView kDescription = u"毎分呼吸量調査ツール";

using layout::FontSpec;
using layout::kMincho;
using layout::kPGothic;
using enum layout::ControlKind;
using enum layout::ControlLook;

// A fixed place, not centred: the client area's top-left corner.
constexpr QRect kClientRect = layout::twipRect(2340, 1935, 5835, 7170);

constexpr FontSpec kMincho825{kMincho, 8.25, false};
constexpr FontSpec kMincho975{kMincho, 9.75, false};
constexpr FontSpec kMincho12{kMincho, 12, false};
constexpr FontSpec kGothic825{kPGothic, 8.25, false};
constexpr FontSpec kGothic825Bold{kPGothic, 8.25, true};
constexpr FontSpec kGothic12Bold{kPGothic, 12, true};

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGrey = qRgb(128, 128, 128);

} // namespace

AboutBox::AboutBox()
{
    setObjectName(QStringLiteral("frmabt"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    // A tool window has no owner here yet stays out of the taskbar; the hints
    // leave it a title bar with a close box and nothing to minimise or maximise.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(identity::kIcon.toString()));
    setFont(layout::layoutFont(layout::kWindowFont));
    setGeometry(kClientRect);
    setFixedSize(kClientRect.size());

    // In tab-index order, which is also the order they are created in. The
    // title and description reach under the two page buttons: the buttons are
    // drawn over them. Pictures say nothing to a screen reader unless they are
    // described, and the description's caption ends in a line break, which a
    // screen reader would read out: they get names of their own.
    layout::WindowBuilder builder(QPalette::Window);
    okButton_ =
        builder.add<QPushButton>(this, {u"cmdOK", Button, u"OK", 4920, 600, 705, 345, 0, nullptr, DefaultButton});
    QWidget *icon = builder.add(this, {u"picIcon", Picture, identity::kIcon, 240, 240, 510, 510, 1, nullptr, Framed});
    icon->setAccessibleName(QStringLiteral("Ｓｏｒｖａｎｅのアイコン"));
    icon->setAccessibleDescription(QStringLiteral("黄色と紫の小さな魚"));
    auto *description = builder.add<QLabel>(
        this, {u"lblDescription", Label, u"", 960, 1200, 4605, 285, 2, &kMincho975, Transparent, u"", kBlack});
    description->setAccessibleName(kDescription.toString());
    auto *title = builder.add<QLabel>(
        this, {u"lblTitle", Label, u"", 960, 120, 4605, 345, 3, &kMincho12, Transparent, u"", kBlack});
    auto *version =
        builder.add<QLabel>(this, {u"lblVersion", Label, u"", 960, 840, 4605, 225, 4, &kMincho975, Transparent});
    auto *contact = builder.add<QPlainTextEdit>(this, {u"Text1", TextArea, u"", 240, 1680, 5415, 855, 5, &kMincho825});
    contact->setAccessibleName(QStringLiteral("作者の連絡先"));
    auto *executable =
        builder.add<QLabel>(this, {u"exename", Label, u"", 960, 480, 4575, 255, 6, &kMincho975, Transparent});
    auto *authorButton =
        builder.add<QPushButton>(this, {u"Command1", Button, u"作者HP", 4920, 120, 735, 375, 7, &kGothic825, OnTop});
    QWidget *example =
        builder.add(this, {u"Picture1", Picture, u":/ui/picture1.bmp", 240, 3240, 5340, 3720, 8, nullptr, Sunken});
    example->setAccessibleName(QStringLiteral("入力例"));
    example->setAccessibleDescription(
        QStringLiteral("毎分呼吸量調査ツールの入力例：タンクの開始圧 185、タンク終了時の残圧 50、"
                       "タンク容積 10 リットル、平均水深 12.5 ｍ、水深時間 45 分で、毎分呼吸量 13.3 リットル／分"));
    builder.add(this, {u"Label1", Label, u"入力例", 240, 2640, 1095, 255, 9, &kGothic12Bold, Transparent, u"", kRed});
    builder.add(this,
                {u"Label2", Label, u"男性消費量１５以下、女性１３以下が目安（体格等により変わります）", 360, 3000, 5415,
                 255, 10, &kGothic825Bold, Transparent});
    auto *scubaButton = builder.add<QPushButton>(
        this, {u"Command2", Button, u"スキューバダイビング情報ＨＰ", 3120, 1080, 2535, 375, 11, nullptr, OnTop});
    // A one-pixel grey separator, its end point not drawn.
    builder.add(this, {u"Line1", Line, u"", 120, 1560, 5564, 0, 12, nullptr, Plain, u"", kGrey});
    builder.finish();
    okButton_->setFocus(Qt::OtherFocusReason);

    const QString crlf = QStringLiteral("\r\n");
    title->setText(identity::kTitle.toString());
    // The program's identity as built, not read from the executable or its
    // version record: the box reads the same whatever the file is called.
    executable->setText(u'(' + identity::kExecutable.toString() + QStringLiteral(".exe)"));
    description->setText(kDescription.toString() + crlf);
    contact->setPlainText(QStringLiteral("作者ホームページ：") + crlf + identity::kHomePage.toString() + crlf
                          + QStringLiteral("Eメール：") + crlf + identity::kMail.toString());
    version->setText(QStringLiteral("Ver ") + identity::kRelease.toString() + QStringLiteral("  (")
                     + identity::kReleaseDate.toString() + u')');

    connect(okButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(authorButton, &QPushButton::clicked, this,
            [this] { desktop::openWebPage(this, identity::kAuthorHome.toString()); });
    connect(scubaButton, &QPushButton::clicked, this,
            [this] { desktop::openWebPage(this, desktop::pages::kScubaInformation.toString()); });
}

void AboutBox::keyPressEvent(QKeyEvent *event)
{
    // Esc presses "OK", whichever control has the focus.
    if (event->matches(QKeySequence::Cancel)) {
        okButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutBox::showEvent(QShowEvent *event)
{
    // Placed on its first showing, when the window system may already know
    // the frame it adds.
    if (!placed_) {
        layout::placeOnScreen(this, kClientRect);
        placed_ = true;
    }
    QDialog::showEvent(event);
}

} // namespace ui
